#include "FeBase.h"
#include "FeErrors.h"

#include <gtest/gtest.h>
#include <sstream>

namespace lexorin {
namespace {

std::string Text(const TFeStringObject& s) {
    std::string text;
    s.GetText(text);
    return text;
}

TEST(CharacterString, CreateAndNormalize) {
    TFePasStringObject empty("", true);
    EXPECT_EQ(empty.Length(), 1);
    empty.Normalize();
    EXPECT_EQ(Text(empty), std::string(" \0", 2));

    TFePasStringObject s("ab, c", true);
    s.Normalize();
    EXPECT_EQ(s.Length(), 7);
    EXPECT_EQ(Text(s), std::string(" ab  c\0", 7));

    TFePasStringObject kept("don't x_1!", false);
    kept.Normalize();
    EXPECT_EQ(Text(kept), " don t x_1!") << "the last character always stays";
    EXPECT_FALSE(kept.CaseSensitive());
}

TEST(CharacterString, EqualityFollowsTheCaseMode) {
    TFePasStringObject s("aA\xC6\xE6,,.", false); // a A Ж ж , , .
    EXPECT_TRUE(s.SymbolsEqual(1, 2));
    EXPECT_TRUE(s.SymbolsEqual(3, 4));
    EXPECT_TRUE(s.SymbolsEqual(5, 6));
    EXPECT_FALSE(s.SymbolsEqual(6, 7));
    EXPECT_FALSE(s.SymbolsEqual(1, 3));
    s.SetCaseSensitive(true);
    EXPECT_FALSE(s.SymbolsEqual(1, 2));
    EXPECT_FALSE(s.SymbolsEqual(3, 4));
    EXPECT_TRUE(s.SymbolsEqual(5, 6));

    TFePasStringObject other("A", false);
    s.SetCaseSensitive(false);
    EXPECT_TRUE(s.SymbolsEqualIn(other, 1, 1));
    EXPECT_EQ(s.SymbolsDifferIn(other, 1, 1), 0);
    EXPECT_EQ(s.SymbolsDifferIn(other, 3, 1), 1);
}

TEST(CharacterString, SymbolKeysAgreeWithEquality) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    for (bool caseSensitive : {false, true}) {
        TFePasStringObject s(all + all, true);
        s.SetCaseSensitive(caseSensitive);
        const auto keys = s.SymbolKeys();
        for (int i = 1; i <= s.Length(); i += 7)
            for (int j = 1; j <= s.Length(); ++j)
                ASSERT_EQ(keys[i] == keys[j], s.SymbolsEqual(i, j)) << i << " " << j;
    }
}

TEST(CharacterString, CompareSymbolsIsUnsignedByteOrder) {
    TFePasStringObject s("\xE0"
                         "A",
                         false);
    EXPECT_EQ(s.CompareSymbols(1, 2), 1);
    EXPECT_EQ(s.CompareSymbols(2, 1), -1);
    EXPECT_EQ(s.CompareSymbols(1, 1), 0);
}

TEST(CharacterString, SubStringIsCaseInsensitiveAndForgiving) {
    TFePasStringObject s("hello", false);
    s.SetCaseSensitive(true);
    auto sub = s.SubString(2, 3);
    EXPECT_EQ(Text(*sub), "ell");
    EXPECT_FALSE(dynamic_cast<TFePasStringObject&>(*sub).CaseSensitive());
    EXPECT_EQ(Text(*s.SubString(4, 10)), "lo");
    EXPECT_EQ(Text(*s.SubString(9, 2)), "");
    EXPECT_EQ(Text(*s.SubString(1, 0)), "");
    EXPECT_FALSE(s.IsBlankAt(1));
    EXPECT_TRUE(TFePasStringObject("a b", false).IsBlankAt(2));
}

TEST(CharacterString, StreamFormRoundTrip) {
    TFePasStringObject s(std::string("a\0\xFF", 3), false);
    s.SetCaseSensitive(true);
    std::ostringstream out;
    s.SaveToStream(out);
    EXPECT_EQ(out.str(), std::string("\x01\x03\0\0\0a\0\xFF", 8));
    std::istringstream in(out.str());
    auto read = s.CreateFromStream(in);
    const auto& pas = dynamic_cast<TFePasStringObject&>(*read);
    EXPECT_EQ(pas.Data(), s.Data());
    EXPECT_TRUE(pas.CaseSensitive());
}

TEST(CharacterString, StreamFormEdgeCases) {
    for (const std::string& bytes :
         {std::string("\0\0\0\0\0", 5), std::string("\0\xfb\xff\xff\xff", 5)}) {
        std::istringstream in(bytes);
        auto read = TFePasStringObject::Read(in);
        EXPECT_EQ(read->Length(), 0) << "a length below 1 reads no bytes";
        EXPECT_EQ(in.peek(), EOF);
    }
    // A length far beyond the data fails without allocating it.
    std::istringstream huge(std::string("\0\xff\xff\xff\x7f"
                                        "abc",
                                        8));
    EXPECT_THROW(TFePasStringObject::Read(huge), EFeStreamError);
    std::istringstream badFlag(std::string("\x02\0\0\0\0", 5));
    EXPECT_THROW(TFePasStringObject::Read(badFlag), EFeStreamError);
}

TEST(CharacterString, MissingOperationsAreAbstractErrors) {
    TFePasStringObject s("ab", false);
    EXPECT_THROW(s.SymbolsDiffer(1, 2), EFeAbstractError);
    TFeStringObject bare;
    EXPECT_THROW(bare.Length(), EFeAbstractError);
    std::string text;
    EXPECT_THROW(bare.GetText(text), EFeAbstractError);
    try {
        bare.SubString(1, 1);
        FAIL();
    } catch (const EFeAbstractError& e) {
        EXPECT_NE(std::string(e.what()).find("SubString"), std::string::npos);
    }
}

} // namespace
} // namespace lexorin
