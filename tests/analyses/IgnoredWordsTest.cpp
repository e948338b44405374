#include "IgnoredWords.h"

#include "TempFile.h"

#include <fstream>
#include <gtest/gtest.h>

namespace lexorin {
namespace {

using test::WriteTempFile;

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

} // namespace
} // namespace lexorin
