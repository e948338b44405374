// The cp1251 tables checked byte by byte against the C library's own
// conversion and Unicode classification, which share nothing with them.
#include "FeLocale.h"

#include "FeUtils.h"

#include <clocale>
#include <cwctype>
#include <gtest/gtest.h>
#include <iconv.h>
#include <optional>
#include <random>

namespace lexorin {
namespace {

class Cp1251Oracle {
public:
    Cp1251Oracle() {
        std::setlocale(LC_CTYPE, "C.UTF-8");
        toUnicode_ = iconv_open("UTF-32LE", "CP1251");
        fromUnicode_ = iconv_open("CP1251", "UTF-32LE");
    }
    ~Cp1251Oracle() {
        iconv_close(toUnicode_);
        iconv_close(fromUnicode_);
    }
    bool Available() const {
        return toUnicode_ != reinterpret_cast<iconv_t>(-1) &&
               fromUnicode_ != reinterpret_cast<iconv_t>(-1);
    }
    std::optional<char32_t> Decode(unsigned char byte) const {
        char in[1] = {static_cast<char>(byte)};
        char out[4] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1, outLeft = 4;
        if (iconv(toUnicode_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        return static_cast<char32_t>(static_cast<unsigned char>(out[0]) |
                                     static_cast<unsigned char>(out[1]) << 8 |
                                     static_cast<unsigned char>(out[2]) << 16);
    }
    std::optional<unsigned char> Encode(char32_t c) const {
        char in[4] = {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF),
                      static_cast<char>((c >> 16) & 0xFF), 0};
        char out[1] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 4, outLeft = 1;
        if (iconv(fromUnicode_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        return static_cast<unsigned char>(out[0]);
    }

private:
    iconv_t toUnicode_;
    iconv_t fromUnicode_;
};

TEST(Cp1251Tables, MatchTheUnicodeClassificationOfEveryByte) {
    Cp1251Oracle oracle;
    ASSERT_TRUE(oracle.Available());
    int letters = 0;
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE("byte " + std::to_string(b));
        const auto byte = static_cast<unsigned char>(b);
        const std::uint16_t flags = CharTypeTable[byte];
        const std::optional<char32_t> c = oracle.Decode(byte);
        if (!c) { // 0x98 has no character in cp1251
            EXPECT_EQ(flags, 0);
            EXPECT_EQ(LowerCaseTable[byte], byte);
            continue;
        }
        const auto w = static_cast<wint_t>(*c);
        const bool digit = *c >= U'0' && *c <= U'9';
        EXPECT_EQ(bool(flags & kCharAlpha), bool(std::iswalpha(w)) && !digit);
        EXPECT_EQ(bool(flags & kCharDigit), digit);
        EXPECT_EQ(bool(flags & kCharUpper), bool(std::iswupper(w)));
        EXPECT_EQ(bool(flags & kCharLower), bool(std::iswlower(w)));
        const std::optional<unsigned char> lower =
            oracle.Encode(static_cast<char32_t>(std::towlower(w)));
        EXPECT_EQ(LowerCaseTable[byte], lower.value_or(byte));
        const std::optional<unsigned char> upper =
            oracle.Encode(static_cast<char32_t>(std::towupper(w)));
        EXPECT_EQ(UpperCaseTable[byte], upper.value_or(byte));
        letters += (flags & kCharAlpha) ? 1 : 0;
    }
    EXPECT_EQ(letters, 52 + 94 + 1) << "Latin, Cyrillic and the micro sign";
}

TEST(Collation, OrdersLatinAndCyrillicAlphabetically) {
    // Ascending order; each pair of neighbours must compare below.
    const std::vector<std::string> ascending = {
        "",
        "-",
        "0",
        "9",
        "a",
        "B",
        "cat",
        "Zebra",
        "\xE0",
        "\xE1",
        "\xE3",
        "\xB4", // а б г ґ
        "\xE5\xEB\xFC",
        "\xB8\xE6",
        "\xBA",
        "\xE6\xF3\xEA",
        "\xE8",
        "\xB3",
        "\xBF",
        "\xE9", // ель ёж є жук и і ї й
        "\xFF",
    };
    for (std::size_t k = 1; k < ascending.size(); ++k) {
        EXPECT_LT(CompareTextIgnoreCase(ascending[k - 1], ascending[k]), 0) << k;
        EXPECT_GT(CompareTextIgnoreCase(ascending[k], ascending[k - 1]), 0) << k;
    }
    EXPECT_LT(CompareTextIgnoreCase("ab", "abc"), 0) << "a prefix comes first";
}

TEST(Collation, IgnoringCaseEqualExactlyWhenTheLowerCaseFormsAre) {
    EXPECT_EQ(CompareTextIgnoreCase("The", "tHE"), 0);
    EXPECT_EQ(CompareTextIgnoreCase("\xA8\xC6", "\xB8\xE6"), 0); // ЁЖ ёж
    EXPECT_NE(CompareTextIgnoreCase("\xC5", "\xA8"), 0);         // Е and Ё stay distinct
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) {
            const std::string x(1, static_cast<char>(a)), y(1, static_cast<char>(b));
            ASSERT_EQ(CompareTextIgnoreCase(x, y) == 0, LowerCaseTable[a] == LowerCaseTable[b])
                << a << " " << b;
        }
}

TEST(Collation, LongTextsDifferingLateOrSharingTheirPlace) {
    // a long equal start, then each kind of difference at every place in a block
    for (std::size_t at = 190; at < 260; ++at) {
        const std::string same(at, 'a');
        const std::string the = same + "the", The = same + "The", thf = same + "thf";
        SCOPED_TRACE(at);
        EXPECT_EQ(CompareTextIgnoreCase(the, The), 0);
        EXPECT_LT(CompareTextCaseSensitive(the, The), 0);
        EXPECT_LT(CompareTextIgnoreCase(The, thf), 0);
        EXPECT_GT(CompareTextCaseSensitive(thf, the), 0);
        EXPECT_LT(CompareTextIgnoreCase(same, the), 0) << "a prefix comes first";
    }
    const std::string text = std::string(300, 'b') + "Ab";
    const std::string_view whole = text, shorter = whole.substr(0, 301);
    EXPECT_GT(CompareTextCaseSensitive(whole, shorter), 0) << "one place, the longer after";
    EXPECT_EQ(CompareTextCaseSensitive(whole, whole), 0);
    EXPECT_LT(CompareTextIgnoreCase(whole.substr(1), whole), 0) << "b... then A against b";
}

TEST(Collation, CaseSensitiveOrderIsTotalAndKeepsWordsTogether) {
    EXPECT_LT(CompareTextCaseSensitive("the", "The"), 0) << "lower case first";
    EXPECT_LT(CompareTextCaseSensitive("The", "thee"), 0) << "letters before case";
    EXPECT_EQ(CompareTextCaseSensitive("The", "The"), 0);
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) {
            const std::string x(1, static_cast<char>(a)), y(1, static_cast<char>(b));
            const int ab = CompareTextCaseSensitive(x, y);
            ASSERT_EQ(ab == 0, a == b);
            ASSERT_EQ(ab<0, CompareTextCaseSensitive(y, x)> 0);
        }
}

TEST(Collation, DifferentPrefixesOrderTextsAsTheComparisons) {
    // Short texts over letters of both cases and alphabets, digits, blanks and
    // odd bytes, so that equal weights, prefixes and case ties are common.
    const std::string alphabet("aAbBzZ09 .-\xE0\xC0\xE5\xC5\xB8\xA8\xB5\xFF\0", 21);
    std::mt19937 random(7);
    const auto text = [&] {
        std::string t(random() % 11, ' ');
        for (char& c : t)
            c = alphabet[random() % alphabet.size()];
        return t;
    };
    const auto sign = [](auto v) { return (v > 0) - (v < 0); };
    int decided = 0;
    for (int n = 0; n < 200000; ++n) {
        const std::string a = text(), b = n % 2 ? a.substr(0, a.size() / 2) + text() : text();
        const std::uint64_t pa = CollationPrefix(a), pb = CollationPrefix(b);
        if (pa == pb)
            continue;
        ++decided;
        const int order = pa < pb ? -1 : 1;
        ASSERT_EQ(order, sign(CompareTextCaseSensitive(a, b))) << '"' << a << "\" \"" << b << '"';
        ASSERT_EQ(order, sign(CompareTextIgnoreCase(a, b))) << '"' << a << "\" \"" << b << '"';
    }
    EXPECT_GT(decided, 100000);
}

TEST(Locale, DecimalSeparatorDecidesNumberCharacters) {
    EXPECT_TRUE(IsNumberText("3.5"));
    SetDecimalSeparator(',');
    EXPECT_TRUE(IsNumberText("3,5"));
    EXPECT_FALSE(IsNumberText("3.5"));
    SetDecimalSeparator('.');
}

} // namespace
} // namespace lexorin
