#include "ExceptionLog.h"

#include "TempFile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>

namespace lexorin {
namespace {

using test::ReadFileBytes;

TEST(ExceptionReport, MessageAndHeader) {
    EXPECT_EQ(ReportMessage("Cannot open file \"x\""), "Cannot open file \"x\".");
    EXPECT_EQ(ReportMessage("done."), "done.");
    EXPECT_EQ(ReportMessage("one\ntwo\r\nthree\rfour"), "one\r\ntwo\r\nthree\r\nfour.");
    const std::string header = DetailsHeader(typeid(std::runtime_error).name(), nullptr);
    EXPECT_EQ(header, "Exception class: std::runtime_error\r\n"
                      "Exception address: 0000000000000000\r\n" +
                          std::string(100, '-') + "\r\n");
}

TEST(ExceptionReport, BlocksOfTheDetails) {
    const auto when = std::chrono::system_clock::now();
    const std::string stack = StackBlock({"[1] a", "[2] b"}, when);
    EXPECT_EQ(stack, "Stack list, generated " + DateTimeText(when) + "\r\n[1] a\r\n[2] b\r\n" +
                         SeparatorLine() + "\r\n");
    EXPECT_FALSE(CurrentStack().empty());
    const auto system = SystemLines();
    ASSERT_EQ(system.size(), 2u);
    EXPECT_EQ(system[0].rfind("System   : ", 0), 0u);
    EXPECT_EQ(system[1].rfind("Processor: ", 0), 0u);
    const auto modules = LoadedModules();
    ASSERT_FALSE(modules.empty());
    EXPECT_TRUE(std::is_sorted(modules.begin(), modules.end(),
                               [](const TModule& a, const TModule& b) { return a.base < b.base; }));
    EXPECT_EQ(ModulesBlock({{0x1000, "/lib/x.so", ""}, {0x2000, "/lib/y.so", "Y - 1.2"}}),
              "List of loaded modules:\r\n[00001000] /lib/x.so\r\n    (no version info)\r\n"
              "[00002000] /lib/y.so\r\n    Y - 1.2\r\n" +
                  SeparatorLine() + "\r\n");
}

TEST(ExceptionReport, LogIsAppendedWithABannerPerReport) {
    const std::string path = ::testing::TempDir() + "lexorin_Err.log";
    std::remove(path.c_str());
    const auto when = std::chrono::system_clock::now();
    ASSERT_TRUE(AppendToLog(path, "First.", "details   \r\nmore\t", when));
    ASSERT_TRUE(AppendToLog(path, "Second.", "", when));
    const std::string rule(100, '=');
    std::string stamp = "= " + DateTimeText(when);
    stamp.resize(98, ' ');
    stamp += " =";
    const std::string banner = rule + "\r\n" + stamp + "\r\n" + rule + "\r\n";
    EXPECT_EQ(ReadFileBytes(path),
              banner + "First.\r\ndetails\r\nmore\r\n\r\n" + banner + "Second.\r\n");
    EXPECT_FALSE(AppendToLog(::testing::TempDir() + "no/such/folder/x_Err.log", "m", "d", when));
}

} // namespace
} // namespace lexorin
