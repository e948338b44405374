// lexorin-cli --report: the list's report as a PDF, its errors, and the
// usage errors that need no Qt.
#include "CliReport.h"

#include "PdfText.h"
#include "TempFile.h"

#include <QString>
#include <gtest/gtest.h>
#include <sstream>

namespace lexorin {
namespace {

struct Result {
    int status;
    std::string out, err;
};

Result Cli(const std::vector<std::string>& args, const TReportWriter& writer = WriteReportPdf) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err, false, {.report = writer, .chart = {}});
    return {status, out.str(), err.str()};
}

TEST(CliReport, ThePhraseListAsAPdfInItsInitialOrder) {
    const std::string text =
        test::WriteTempFile("r.txt", "The lamp was lit. The lamp was lit. The keeper slept.");
    const std::string pdf = ::testing::TempDir() + "r.pdf";
    const Result r = Cli({"phrases", "--report", pdf, text});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "") << "the list goes to standard output only with --output";
    if (!test::CanReadPdf())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString printed = test::PdfText(QString::fromStdString(pdf));
    EXPECT_TRUE(printed.contains(QStringLiteral("Phrase frequency list :")));
    EXPECT_TRUE(printed.contains(QString::fromStdString(text)));
    EXPECT_TRUE(printed.contains(QStringLiteral("Page 1/1")));
    // The list starts with its longest phrases: "The lamp was lit", then "The".
    const auto first = printed.indexOf(QStringLiteral("The lamp was lit"));
    EXPECT_GE(first, 0);
    EXPECT_LT(first, printed.indexOf(QStringLiteral("\nThe\n"))) << printed.toStdString();
}

TEST(CliReport, TheSearchedListsWithWhatWasSearched) {
    const std::string text = test::WriteTempFile(
        "w.txt", "The keeper lit the lamp. The lamp burned and the keeper slept.");
    const std::string reference = test::WriteTempFile("w-ref.txt", "The sea and the ship.");
    const std::string pdf = ::testing::TempDir() + "w.pdf";
    const struct {
        std::vector<std::string> args;
        const char *heading, *details, *row;
    } cases[] = {
        {{"kwic", "--search", "lamp", "--report", pdf, text},
         "KWIC lines :",
         "Search \"lamp\", 5 words each side, in text order",
         "The keeper lit the"},
        {{"collocates", "--search", "the", "--min-freq", "1", "--report", pdf, text},
         "Collocates :",
         "Search \"the\", 5 left, 5 right: f_n = 4, W = 40, N = 12",
         "keeper"},
        {{"keywords", "--reference", reference, "--threshold", "0", "--min-freq", "1", "--report",
          pdf, text},
         "Keywords :",
         "Text N1 = 12, reference N2 = 5 (w-ref.txt)",
         "sea"},
    };
    for (const auto& c : cases) {
        const Result r = Cli(c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        if (!test::CanReadPdf())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        const QString printed = test::PdfText(QString::fromStdString(pdf));
        EXPECT_TRUE(printed.contains(QString::fromUtf8(c.heading))) << c.heading;
        EXPECT_TRUE(printed.contains(QString::fromUtf8(c.details))) << printed.toStdString();
        EXPECT_TRUE(printed.contains(QString::fromUtf8(c.row))) << c.row;
    }
}

TEST(CliReport, ErrorsAndUsage) {
    const std::string text = test::WriteTempFile("u.txt", "a b a b");
    const Result unwritable = Cli({"phrases", "--report", "/no/such/folder/r.pdf", text});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("could not be written"), std::string::npos);
    EXPECT_EQ(Cli({"summary", "--report", "s.pdf", text}).status, 2);
    const Result without = Cli({"phrases", "--report", "s.pdf", text}, {});
    EXPECT_EQ(without.status, 2);
    EXPECT_NE(without.err.find("--report is not available"), std::string::npos);
}

} // namespace
} // namespace lexorin
