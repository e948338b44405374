#include "IniFile.h"

#include "TempFile.h"
#include "WholeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexorin {
namespace {

TEST(IniFile, ReadsAsTheProfileFunctionsDo) {
    const TIniFile file("; a comment\r\n"
                        "[Options]\r\n"
                        "  CaseKey = \t spaced value \t\r\n"
                        "noequals\r\n"
                        "empty=\n"
                        "dup=first\r"
                        "dup=second\r\n"
                        "[ other ]\r\n"
                        "k=v=w\r\n"
                        "[options]\r\n"
                        "late=ignored\r\n");
    EXPECT_EQ(file.Read("OPTIONS", "casekey"), "spaced value");
    EXPECT_EQ(file.Read("Options", "empty"), "");
    EXPECT_EQ(file.Read("Options", "dup"), "first") << "the first key of a name";
    EXPECT_EQ(file.Read("Options", "late"), std::nullopt) << "the first section of a name";
    EXPECT_EQ(file.Read("Options", "noequals"), std::nullopt);
    EXPECT_EQ(file.Read("Other", "k"), "v=w");
    EXPECT_EQ(file.Read("Missing", "k"), std::nullopt);
    EXPECT_EQ(file.Entries("options").size(), 4u);
}

TEST(IniFile, ChangesTouchOnlyTheirOwnLines) {
    TIniFile file("; kept\n"
                  "[Layout]\n"
                  "Width=10\n"
                  "odd line\n"
                  "\n"
                  "[Foreign]\n"
                  "X = 1\n"
                  "[Options]\n"
                  "a=1\n"
                  "[OPTIONS]\n"
                  "b=2\n");
    file.Write("layout", "WIDTH", "  20 \t");
    file.Write("Layout", "Height", "30");
    file.Write("Startup", "Name", "lexorin");
    file.EraseSection("options");
    EXPECT_EQ(file.Text(), "; kept\r\n"
                           "[Layout]\r\n"
                           "WIDTH=20\r\n"
                           "odd line\r\n"
                           "Height=30\r\n"
                           "\r\n"
                           "[Foreign]\r\n"
                           "X = 1\r\n"
                           "[Startup]\r\n"
                           "Name=lexorin\r\n");
}

TEST(IniFile, AByteOrderMarkOrUtf8IsReadAsText) {
    // "[Options]" after a byte-order mark, and a value in UTF-8 Cyrillic:
    // read as UTF-8, written as cp1251, which holds it.
    const TIniFile file("\xEF\xBB\xBF[Options]\r\nedBreakChars_Text=\xD0\xB6!\r\n");
    EXPECT_EQ(file.Read("Options", "edBreakChars_Text"), "\xD0\xB6!");
    EXPECT_EQ(file.Bytes(), "[Options]\r\nedBreakChars_Text=\xE6!\r\n");
    // A mark before cp1251 that is not UTF-8 is dropped all the same.
    TIniFile marked("\xEF\xBB\xBF[Startup]\r\nlbWordListName_Caption=\xE6\xE8\xEB.tiw\r\n");
    EXPECT_EQ(marked.Read("Startup", "lbWordListName_Caption"), "\xD0\xB6\xD0\xB8\xD0\xBB.tiw");
    marked.Write("Startup", "cbDontShowGuide_Checked", "True");
    EXPECT_EQ(marked.Bytes(), "[Startup]\r\nlbWordListName_Caption=\xE6\xE8\xEB.tiw\r\n"
                              "cbDontShowGuide_Checked=True\r\n")
        << "one section, not a second one added";
    // A value cp1251 lacks: the whole file in UTF-8 after a mark, and back.
    marked.Write("Layout", "odFile_InitialDir",
                 "/home/\xCE\xB1\xCE\xB2/Stra\xC3\x9F"
                 "e");
    const std::string bytes = marked.Bytes();
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(bytes.find("lbWordListName_Caption=\xD0\xB6\xD0\xB8\xD0\xBB.tiw"), std::string::npos);
    EXPECT_EQ(TIniFile(bytes).Read("Layout", "odFile_InitialDir"),
              "/home/\xCE\xB1\xCE\xB2/Stra\xC3\x9F"
              "e");
}

TEST(IniFile, BadFilesReadWithoutHarm) {
    struct TCase {
        const char* what;
        std::string bytes;
    };
    const std::string huge = [] {
        std::string text = "[Options]\n";
        for (int k = 0; k < 100000; ++k)
            text += "key" + std::to_string(k) + "=" + std::to_string(k) + "\n";
        return text;
    }();
    const TCase cases[] = {
        {"empty", ""},
        {"binary", std::string("\0\xFF[\x01]\0=\0\n\x80\x81", 12)},
        {"a very long value", "[S]\nk=" + std::string(1 << 20, 'v') + "\n"},
        {"huge", huge},
        {"an open bracket only", "[\n[S\n=\n"},
    };
    for (const TCase& c : cases) {
        TIniFile file(c.bytes);
        file.Write("S", "k", "x");
        EXPECT_EQ(file.Read("S", "k"), "x") << c.what;
    }
    EXPECT_EQ(TIniFile(huge).Read("options", "KEY99999"), "99999");
}

TEST(IniFile, LoadsAndSavesFiles) {
    const std::string path = test::WriteTempFile("settings.ini", "[A]\nk=1\n");
    TIniFile file;
    ASSERT_TRUE(file.Load(path));
    file.Write("A", "k", "2");
    ASSERT_TRUE(file.Save(path));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, "[A]\r\nk=2\r\n");

    EXPECT_TRUE(file.Load(::testing::TempDir() + "no-such.ini")) << "missing is empty";
    EXPECT_FALSE(file.HasSection("A"));
    EXPECT_FALSE(file.Load(::testing::TempDir())) << "a folder cannot be read";
    EXPECT_FALSE(file.Save(::testing::TempDir() + "no/such/folder/x.ini"));
    EXPECT_FALSE(WriteWholeFile(::testing::TempDir(), "x")) << "a folder is not replaced";
}

TEST(WholeFile, AFailedWriteLeavesTheOldFileAndNoLitter) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const std::string folder = ::testing::TempDir() + "readonly-folder";
    ::mkdir(folder.c_str(), 0755);
    const std::string path = folder + "/list.tiw";
    ASSERT_TRUE(WriteWholeFile(path, "old\r\n"));
    ::chmod(folder.c_str(), 0555);
    EXPECT_FALSE(WriteWholeFile(path, "new\r\n"));
    ::chmod(folder.c_str(), 0755);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, "old\r\n");
}

TEST(WholeFile, AReplacedFileKeepsItsPermissions) {
    const std::string path = test::WriteTempFile("mode.ini", "old");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteWholeFile(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, "new");
}

} // namespace
} // namespace lexorin
