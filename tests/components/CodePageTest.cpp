// Code pages from ICU: Windows-1251 as built in, other 8-bit pages by name,
// the alphabets of Unicode texts, and the decoding of text files.
#include "CodePage.h"

#include "TextDecoding.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

std::array<char32_t, 256> CharsOf(const TCodePage& page) {
    std::array<char32_t, 256> chars{};
    for (int b = 0; b < 256; ++b)
        chars[b] = page.Char(static_cast<unsigned char>(b));
    return chars;
}

// The active page for the length of a test.
class TUsingPage {
public:
    explicit TUsingPage(std::shared_ptr<const TCodePage> page) { SetTextPage(std::move(page)); }
    ~TUsingPage() { SetTextPage(Cp1251Page()); }
    TUsingPage(const TUsingPage&) = delete;
    TUsingPage& operator=(const TUsingPage&) = delete;
};

// A text of one page's bytes, from UTF-8.
std::string Bytes(const TCodePage& page, std::u32string_view text) {
    std::string bytes;
    for (char32_t c : text) {
        const int byte = page.Byte(c);
        EXPECT_GE(byte, 0) << static_cast<std::uint32_t>(c);
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

TEST(CodePage, TheUnicodeDatabaseGivesWindows1251ItsBuiltInTables) {
    const std::shared_ptr<const TCodePage> page = Cp1251Page();
    EXPECT_EQ(page->Name(), "windows-1251");
    EXPECT_EQ(page->Tables(), Cp1251CharTables());
    const TCharTables derived = CharTablesOf(CharsOf(*page), "");
    const TCharTables& built = Cp1251CharTables();
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        EXPECT_EQ(derived.type[b], built.type[b]);
        EXPECT_EQ(derived.lower[b], built.lower[b]);
        EXPECT_EQ(derived.upper[b], built.upper[b]);
    }
    for (const char* alias : {"windows-1251", "cp1251", "CP1251"})
        EXPECT_EQ(EightBitPage(alias)->Tables(), built) << alias;
}

TEST(CodePage, EightBitPagesByTheirNamesAndAliases) {
    const struct {
        const char* alias;
        const char* name;
        unsigned char byte;
        char32_t c;
        unsigned char otherCase; // the byte of its other case
    } cases[] = {
        {"windows-1250", "windows-1250", 0x8A, U'\u0160', 0x9A}, // Š š
        {"cp1250", "windows-1250", 0xE8, U'\u010D', 0xC8},       // č Č
        {"latin2", "ISO-8859-2", 0xB3, U'\u0142', 0xA3},         // ł Ł
        {"iso-8859-2", "ISO-8859-2", 0xA3, U'\u0141', 0xB3},
        {"windows-1252", "windows-1252", 0xE9, U'\u00E9', 0xC9}, // é É
        {"windows-1253", "windows-1253", 0xE1, U'\u03B1', 0xC1}, // α Α
        {"windows-1254", "windows-1254", 0xDD, U'\u0130', 'i'},  // İ i
        {"koi8-r", "KOI8-R", 0xC1, U'\u0430', 0xE1},             // а А
        {"IBM866", "IBM866", 0x80, U'\u0410', 0xA0},             // А а
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.alias);
        const std::shared_ptr<const TCodePage> page = EightBitPage(c.alias);
        EXPECT_EQ(page->Name(), c.name);
        EXPECT_EQ(page->Char(c.byte), c.c);
        const TCharTables& t = page->Tables();
        EXPECT_TRUE(t.type[c.byte] & kCharAlpha);
        const bool upper = (t.type[c.byte] & kCharUpper) != 0;
        EXPECT_EQ(upper ? t.lower[c.byte] : t.upper[c.byte], c.otherCase);
    }
    EXPECT_THROW(EightBitPage("klingon"), EEncoding);
    EXPECT_THROW(EightBitPage("utf-8"), EEncoding);
}

TEST(CodePage, EveryOfferedPageKeepsEveryByteAndItsInvariants) {
    const std::vector<std::string> names = EightBitEncodings();
    EXPECT_GE(names.size(), 25u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::shared_ptr<const TCodePage> page = EightBitPage(name);
        const TCharTables& t = page->Tables();
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            if (page->Char(byte) != kNoChar) {
                ASSERT_EQ(page->Byte(page->Char(byte)), b) << "a round trip";
            }
            ASSERT_LT(t.weight[b], 255);
            // Both cases weigh the same; distinct lower-case forms apart.
            ASSERT_EQ(t.weight[b], t.weight[t.lower[b]]);
            for (int other = 0; other < b; ++other) {
                if (t.lower[other] != t.lower[b]) {
                    ASSERT_NE(t.weight[other], t.weight[b]) << other << " " << b;
                }
            }
        }
        for (int b = 0; b < 128; ++b)
            ASSERT_EQ(page->Char(static_cast<unsigned char>(b)), static_cast<char32_t>(b))
                << "ASCII as it is";
    }
}

TEST(CodePage, AccentsSortBesideTheirLettersAndTheLanguageDecides) {
    const std::u32string e = U"e", eAcute = U"\u00E9", f = U"f", a = U"a", aUmlaut = U"\u00E4",
                         b = U"b", z = U"z";
    {
        const TUsingPage latin1(EightBitPage("windows-1252"));
        const TCodePage& page = TextPage();
        EXPECT_LT(CompareTextIgnoreCase(Bytes(page, e), Bytes(page, eAcute)), 0);
        EXPECT_LT(CompareTextIgnoreCase(Bytes(page, eAcute), Bytes(page, f)), 0);
        EXPECT_LT(CompareTextIgnoreCase(Bytes(page, aUmlaut), Bytes(page, b)), 0);
        EXPECT_EQ(
            CompareTextIgnoreCase(Bytes(page, U"\u00C9t\u00C9"), Bytes(page, U"\u00E9t\u00E9")), 0);
        EXPECT_EQ(LowerCaseText(Bytes(page, U"\u00C9T\u00C9")), Bytes(page, U"\u00E9t\u00E9"));
    }
    {
        const TUsingPage swedish(EightBitPage("windows-1252", "sv"));
        const TCodePage& page = TextPage();
        EXPECT_GT(CompareTextIgnoreCase(Bytes(page, aUmlaut), Bytes(page, z)), 0)
            << "a Swedish \u00E4 after z";
        EXPECT_LT(CompareTextIgnoreCase(Bytes(page, a), Bytes(page, b)), 0);
    }
    EXPECT_EQ(CharTables(), Cp1251CharTables()) << "Windows-1251's again";
}

TEST(CodePage, AUnicodeTextGetsWindows1251WhenItFitsAndAnAlphabetOtherwise) {
    EXPECT_EQ(AlphabetPage(U"\u0436\u0451\u043B\u0442\u044B\u0439 \u2014 \u20AC"), Cp1251Page())
        << "Cyrillic, a dash and the euro fit";

    const std::shared_ptr<const TCodePage> german =
        AlphabetPage(U"Stra\u00DFe Gr\u00F6\u00DFe \u00DCbel");
    EXPECT_EQ(german->Name(), "UTF-8, alphabet of 29 letters") << "a..z, \u00F6\u00FC\u00DF";
    const TCharTables& t = german->Tables();
    for (char32_t c : std::u32string(U"\u00DF\u00D6\u00F6\u00DC\u00FC"))
        ASSERT_GE(german->Byte(c), 0x80) << "the text's letters and their other case";
    EXPECT_EQ(german->Byte(U'\u00E4'), -1) << "no \u00E4 in the text, nor its capital";
    EXPECT_EQ(t.lower[german->Byte(U'\u00DC')], german->Byte(U'\u00FC'));
    EXPECT_EQ(t.upper[german->Byte(U'\u00F6')], german->Byte(U'\u00D6'));
    EXPECT_LT(german->Byte(U'\u00F6'), german->Byte(U'\u00DF')) << "bytes in collation order";
    for (int b = 0; b < 128; ++b)
        EXPECT_EQ(german->Byte(static_cast<char32_t>(b)), b);

    // Room for the text's own characters first, then for partners.
    std::u32string many;
    for (char32_t c = 0x3041; many.size() < 127; ++c) // hiragana: no case
        many.push_back(c);
    many += U"\u00E9";
    const std::shared_ptr<const TCodePage> full = AlphabetPage(many);
    EXPECT_GE(full->Byte(U'\u00E9'), 0);
    EXPECT_EQ(full->Byte(U'\u00C9'), -1) << "no room left for the capital";

    many += U"\u4E00";
    try {
        AlphabetPage(many);
        FAIL() << "refused";
    } catch (const ETooManyCharacters& refused) {
        EXPECT_NE(std::string(refused.what()).find("uses 129 different characters besides ASCII"),
                  std::string::npos)
            << refused.what();
    }
}

TEST(TextDecoding, FilesByTheirBytesOrTheirNamedEncoding) {
    const struct {
        const char* what;
        std::string bytes;
        const char* encoding;
        const char* expectedEncoding;
        std::u32string text; // as Unicode
    } cases[] = {
        {"cp1251", "\xC6\xE8\xE2\xE5", "", "windows-1251", U"\u0416\u0438\u0432\u0435"},
        {"UTF-8 that fits cp1251", "\xD0\x96\xD0\xB8\xD0\xB2\xD0\xB5", "", "UTF-8",
         U"\u0416\u0438\u0432\u0435"},
        {"German UTF-8",
         "Stra\xC3\x9F"
         "e",
         "", "UTF-8, alphabet of 27 letters", U"Stra\u00DFe"},
        {"a mark before cp1251", "\xEF\xBB\xBF\xC6\xE8", "", "windows-1251", U"\u0416\u0438"},
        {"UTF-16 little-endian", std::string("\xFF\xFEZ\x00\xFC\x00r\x00i\x00", 10), "",
         "UTF-16, alphabet of 27 letters", U"Z\u00FCri"},
        {"UTF-16 big-endian", std::string("\xFE\xFF\x00Z\x00\xFC", 6), "",
         "UTF-16, alphabet of 27 letters", U"Z\u00FC"},
        {"decomposed to NFC", "cafe\xCC\x81", "", "UTF-8, alphabet of 27 letters", U"caf\u00E9"},
        {"named 8-bit",
         "\x8A"
         "ek",
         "windows-1250", "windows-1250", U"\u0160ek"},
        {"named 8-bit over UTF-8 bytes", "\xC3\xA9", "windows-1252", "windows-1252",
         U"\u00C3\u00A9"},
        {"plain ASCII", "plain", "", "windows-1251", U"plain"},
        {"two marks before Cyrillic", "\xEF\xBB\xBF\xEF\xBB\xBF\xD0\x96", "", "UTF-8", U"\u0416"},
        {"UTF-16 of a named byte order", std::string("Z\x00\xFC\x00", 4), "utf-16le",
         "UTF-16, alphabet of 27 letters", U"Z\u00FC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TDecodedText decoded = DecodeText(c.bytes, c.encoding);
        EXPECT_EQ(decoded.encoding, c.expectedEncoding);
        ASSERT_EQ(decoded.text.size(), c.text.size());
        for (std::size_t k = 0; k < c.text.size(); ++k)
            EXPECT_EQ(decoded.page->Char(static_cast<unsigned char>(decoded.text[k])), c.text[k]);
    }
    EXPECT_THROW(DecodeText("\xC6\xE8", "utf-8"), EEncoding);
    EXPECT_THROW(DecodeText("text", "klingon"), EEncoding);
    EXPECT_THROW(DecodeText("text", "cp037"), EEncoding) << "EBCDIC: not ASCII below 0x80";
    try {
        DecodeText("ab\xD2", "windows-1253");
        FAIL() << "a byte that stands for nothing in the page";
    } catch (const EEncoding& refused) {
        EXPECT_NE(std::string(refused.what()).find("0xD2 at offset 2"), std::string::npos)
            << refused.what();
    }
}

// Greek's final sigma is the sigma of the capital; a combining mark is part
// of its word.
TEST(TextDecoding, FinalSigmaAndCombiningMarks) {
    const TDecodedText greek = DecodeText("\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82 "
                                          "\xCE\x9B\xCF\x8C\xCE\x93\xCE\x9F\xCE\xA3");
    const TUsingPage page(greek.page);
    const std::string_view words = greek.text;
    EXPECT_EQ(CompareTextIgnoreCase(words.substr(0, 5), words.substr(6)), 0);
    const TDecodedText hindi = DecodeText("\xE0\xA4\xA8\xE0\xA4\xAE\xE0\xA4\xB8\xE0\xA5\x8D"
                                          "\xE0\xA4\xA4\xE0\xA5\x87"); // a word with a virama
    for (char c : hindi.text)
        EXPECT_TRUE(hindi.page->Tables().type[static_cast<unsigned char>(c)] & kCharAlpha)
            << int(static_cast<unsigned char>(c));
}

TEST(TextDecoding, ATextWithItsOwnAlphabetRoundTripsThroughUtf8) {
    const std::string utf8 =
        "\xC5\x81\xC3\xB3\x64\xC5\xBA \xCE\xB1\xCE\xB2\xCE\xB3 \xC4\x9F\xC4\xB1 \xC5\x9C\xC4\x89i";
    const TDecodedText decoded = DecodeText(utf8);
    const TUsingPage page(decoded.page);
    EXPECT_EQ(TextToUtf8(decoded.text), utf8);
    std::string back;
    ASSERT_TRUE(Utf8ToText(utf8, back));
    EXPECT_EQ(back, decoded.text);
    EXPECT_EQ(UnicodeToText(U'\u4E00'), '?') << "a character the text does not hold";
    EXPECT_FALSE(Utf8ToText("\xC6\xE8", back));
}

} // namespace
} // namespace lexorin
