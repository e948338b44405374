#include "IgnoredWords.h"

#include "TempFile.h"

#include <fstream>
#include <gtest/gtest.h>

namespace lexorin {
namespace {

using test::WriteTempFile;

TEST(IgnoredWords, ListsAreReadAsUtf8WhateverTheirFileHolds) {
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadListLines(WriteTempFile("cp.tiw", "\xE6\xE8\xEB\r\n"), lines));
    EXPECT_EQ(lines, std::vector<std::string>{"\xD0\xB6\xD0\xB8\xD0\xBB"}) << "from cp1251";
    ASSERT_TRUE(ReadListLines(WriteTempFile("u8.tiw", "\xEF\xBB\xBF\xC3\xBC"
                                                      "ber\r\n"),
                              lines));
    EXPECT_EQ(lines, std::vector<std::string>{"\xC3\xBC"
                                              "ber"});
    // A word Windows-1251 lacks cannot occur in a Windows-1251 text.
    TIgnoredWordSet set;
    ASSERT_TRUE(LoadIgnoredWordSet(WriteTempFile("mixed.tiw", "\xC3\xBC"
                                                              "ber\r\nder\r\n"),
                                   set));
    EXPECT_EQ(set.Size(), 1u);
    EXPECT_TRUE(set.Contains("Der"));
}

TEST(IgnoredWords, LinesEndInAnyBreakAndTheLastBreakAddsNothing) {
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadListLines(WriteTempFile("a.tiw", "one\r\ntwo\nthree\rfour\r\n\r\nsix"), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three", "four", "", "six"}));
    ASSERT_TRUE(ReadListLines(WriteTempFile("b.tiw", "x\r\n"), lines));
    EXPECT_EQ(lines, std::vector<std::string>{"x"});
    ASSERT_TRUE(ReadListLines(WriteTempFile("c.tiw", ""), lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_FALSE(ReadListLines(::testing::TempDir() + "missing.tiw", lines));
    EXPECT_FALSE(ReadListLines(::testing::TempDir(), lines)) << "a folder";
}

TEST(IgnoredWords, MembershipIgnoresCase) {
    TIgnoredWordSet set;
    EXPECT_TRUE(LoadIgnoredWordSet(WriteTempFile("d.tiw", "The\r\n\xC6\xE8\xEB\r\n"), set));
    EXPECT_TRUE(set.Contains("the"));
    EXPECT_TRUE(set.Contains("THE"));
    EXPECT_TRUE(set.Contains("\xE6\xC8\xCB")); // the Cyrillic word in another case
    EXPECT_FALSE(set.Contains("then"));
    EXPECT_FALSE(LoadIgnoredWordSet(::testing::TempDir() + "missing.tiw", set));
    EXPECT_EQ(set.Size(), 0u) << "an unreadable list leaves the set empty";
}

TEST(IgnoredWords, Utf8ListsAreDecodedAndWordsTrimmed) {
    TIgnoredWordSet set;
    // A byte-order mark before the first word, a UTF-8 Cyrillic word, blanks.
    ASSERT_TRUE(LoadIgnoredWordSet(
        WriteTempFile("u.tiw", "\xEF\xBB\xBFthe\r\n  \xD0\x96\xD0\xB8\xD0\xBB \t\r\n"), set));
    EXPECT_TRUE(set.Contains("the")) << "the first word is matched";
    EXPECT_TRUE(set.Contains("\xE6\xE8\xEB"));
    EXPECT_EQ(set.Size(), 2u);
    // A mark before a cp1251 list (not UTF-8) is no part of its first word.
    TIgnoredWordSet marked;
    ASSERT_TRUE(
        LoadIgnoredWordSet(WriteTempFile("m.tiw", "\xEF\xBB\xBF\xE6\xE8\xEB\r\nthe\r\n"), marked));
    EXPECT_TRUE(marked.Contains("\xE6\xE8\xEB"));
}

TEST(IgnoredWords, ListFilesAreWrittenTrimmedLowerCasedWithCrLf) {
    // UTF-8 words; a list that fits cp1251 is written in it, as always.
    EXPECT_EQ(ListFileBytes({" The ", "\xD0\x96\xD0\xB8\xD0\xBB", "", "a\tb\x01"}),
              "the\r\n\xE6\xE8\xEB\r\n\r\na\tb\r\n");
    EXPECT_EQ(ListFileBytes({}), "");
    // A word cp1251 lacks: the list in UTF-8 after a byte-order mark.
    EXPECT_EQ(ListFileBytes({"Stra\xC3\x9F"
                             "e",
                             "\xC3\x9C"
                             "BER",
                             "Der"}),
              "\xEF\xBB\xBFstra\xC3\x9F"
              "e\r\n\xC3\xBC"
              "ber\r\nder\r\n");
    const std::string path = ::testing::TempDir() + "written.tiw";
    ASSERT_TRUE(WriteListFile(path, {"One", "Two "}));
    EXPECT_EQ(test::ReadFileBytes(path), "one\r\ntwo\r\n");
    EXPECT_FALSE(WriteListFile(::testing::TempDir() + "no/folder/x.tiw", {"x"}));
}

} // namespace
} // namespace lexorin
