// lexorin-cli --chart: the same chart frames as the window, written as
// pictures without a display, and the usage rules of the chart options.
#include "CliChart.h"

#include "PdfText.h"
#include "TempFile.h"

#include <gtest/gtest.h>
#include <sstream>

namespace lexorin {
namespace {

using test::ReadFileBytes;
using test::WriteTempFile;

struct Result {
    int status;
    std::string out, err;
};

Result Cli(const std::vector<std::string>& args, const TCliChartWriter& writer = WriteCliChart) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err, false, {.report = {}, .chart = writer});
    return {status, out.str(), err.str()};
}

const char* const kText = "The keeper lit the lamp. The lamp burned. At dawn the keeper slept.";

TEST(CliChart, ChartOptionsThatDoNotFit) {
    const std::string text = WriteTempFile("chart-options.txt", kText);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"phrases", "--chart", "pie", "--chart-output", "c.png", text}, "unknown chart \"pie\""},
        {{"phrases", "--chart", "frequencies", text}, "--chart and --chart-output go together"},
        {{"phrases", "--chart-output", "c.png", text}, "--chart and --chart-output go together"},
        {{"phrases", "--chart", "frequencies", "--item", "the", "--chart-output", "c.png", text},
         "--item names the row of a dispersion chart"},
        {{"phrases", "--chart", "dispersion", "--chart-output", "c.png", text},
         "a dispersion chart needs --item TEXT"},
        {{"summary", "--chart", "frequencies", "--chart-output", "c.png", text},
         "the summary has no charts"},
        {{"phrases", "--chart", "frequencies", "--chart-output", "c.gif", text},
         "a chart is written as .png, .svg or .pdf, not as \"c.gif\""},
        {{"concordance", "--chart", "dispersion", "--item", "the", "--chart-log", "--chart-output",
          "c.png", text},
         "--chart-log is for the frequency charts"},
        {{"concordance", "--chart-log", text}, "--chart-log is for the frequency charts"},
    };
    for (const auto& [args, message] : cases) {
        const Result r = Cli(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_NE(r.err.find("lexorin-cli: " + message + "\n"), std::string::npos) << r.err;
    }
    const Result without =
        Cli({"phrases", "--chart", "frequencies", "--chart-output", "c.png", text}, {});
    EXPECT_EQ(without.status, 2);
    EXPECT_NE(without.err.find("this build draws no charts"), std::string::npos);
}

TEST(CliChart, DispersionChartOfARowAsPdf) {
    const std::string text = WriteTempFile("chart-dispersion.txt", kText);
    const std::string pdf = ::testing::TempDir() + "keeper.pdf";
    const Result r = Cli(
        {"concordance", "--chart", "dispersion", "--item", "KEEPER", "--chart-output", pdf, text});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "") << "the list goes out only with --output";
    EXPECT_EQ(ReadFileBytes(pdf).substr(0, 4), "%PDF");
    if (!test::CanReadPdf())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::string shown = test::PdfText(QString::fromStdString(pdf)).toStdString();
    for (const char* expected :
         {"Dispersion of word :", "keeper", "position (characters)", "5", "55"})
        EXPECT_NE(shown.find(expected), std::string::npos) << expected << " in " << shown;
}

TEST(CliChart, FrequencyChartsAndTheListTogether) {
    const std::string text = WriteTempFile("chart-frequencies.txt", kText);
    const std::string svg = ::testing::TempDir() + "lengths.svg";
    const std::string csv = ::testing::TempDir() + "lengths.csv";
    const Result r = Cli(
        {"phrases", "--chart", "frequencies-length", "--chart-output", svg, "--output", csv, text});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string picture = ReadFileBytes(svg);
    EXPECT_NE(picture.find("Numbers of phrases by their frequencies and length"),
              std::string::npos);
    EXPECT_NE(picture.find("phrase length(words)"), std::string::npos);
    EXPECT_NE(ReadFileBytes(csv).find("\"The keeper\",2,2,25"), std::string::npos);

    const std::string png = ::testing::TempDir() + "frequencies.png";
    EXPECT_EQ(Cli({"wordforms", "--chart", "frequencies", "--chart-output", png, text}).status, 0);
    EXPECT_EQ(ReadFileBytes(png).substr(1, 3), "PNG");
    EXPECT_EQ(
        Cli({"concordance", "--chart", "frequencies", "--chart-log", "--chart-output", svg, text})
            .status,
        0);
    EXPECT_NE(ReadFileBytes(svg).find("Numbers of words by their frequencies"), std::string::npos);
}

TEST(CliChart, ARowThatIsNotThereOrAFileThatCannotBeWritten) {
    const std::string text = WriteTempFile("chart-no-row.txt", kText);
    const Result missing = Cli({"concordance", "--chart", "dispersion", "--item", "lighthouse",
                                "--chart-output", ::testing::TempDir() + "none.png", text});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("The list has no row \"lighthouse\""), std::string::npos);
    const std::string nowhere = ::testing::TempDir() + "no/such/folder/c.png";
    const Result unwritable =
        Cli({"concordance", "--chart", "frequencies", "--chart-output", nowhere, text});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("The chart could not be saved to " + nowhere), std::string::npos);
}

} // namespace
} // namespace lexorin
