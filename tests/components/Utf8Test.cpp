#include "Utf8.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

TEST(Utf8, CountsCutsComparesAndLowersByCharacters) {
    EXPECT_EQ(Utf8Length(""), 0u);
    EXPECT_EQ(Utf8Length("Stra\xC3\x9F"
                         "e \xE2\x86\x92 \xF0\x9F\x98\x80"),
              10u);
    EXPECT_EQ(Utf8Prefix("\xC3\xBC"
                         "ber",
                         1),
              "\xC3\xBC");
    EXPECT_EQ(Utf8Prefix("\xC3\xBC"
                         "ber",
                         0),
              "");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
    // Accents beside their letters; equal only when the same.
    EXPECT_LT(CompareUtf8("apfel", "\xC3\xA4pfel"), 0);
    EXPECT_LT(CompareUtf8("\xC3\xA4pfel", "birne"), 0);
    EXPECT_NE(CompareUtf8("a", "A"), 0);
    EXPECT_EQ(CompareUtf8("same", "same"), 0);
    EXPECT_EQ(Utf8Lower("\xC3\x9C"
                        "BER \xCE\xA3\xCE\x91 \xD0\x81"),
              "\xC3\xBC"
              "ber \xCF\x83\xCE\xB1 \xD1\x91");
}

TEST(Utf8, WordsInLowerCaseAndFolded) {
    // "ΛΟΓΟΣ", "λόγος", "λόγοσ": written in lower case the capital sigma at
    // the end is a final one; folded, both sigmas are one.
    EXPECT_EQ(Utf8LowerText("\xCE\x9B\xCE\x9F\xCE\x93\xCE\x9F\xCE\xA3"),
              "\xCE\xBB\xCE\xBF\xCE\xB3\xCE\xBF\xCF\x82");
    EXPECT_EQ(Utf8Fold("\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82"),
              "\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x83");
    EXPECT_EQ(Utf8Fold("\xCE\x9B\xCF\x8C\xCE\x93\xCE\x9F\xCE\xA3"),
              Utf8Fold("\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82"));
    EXPECT_EQ(Utf8Fold("Stra\xC3\x9F"
                       "e"),
              "stra\xC3\x9F"
              "e");
}

} // namespace
} // namespace lexorin
