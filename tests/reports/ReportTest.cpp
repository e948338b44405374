// Reports prepared from result tables: pages, page headers, bands that do and
// do not split, the report variables, and the PDF they make.
#include "ReportExpressions.h"
#include "ReportSupport.h"
#include "TempFile.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace lexorin::test {
namespace {

std::string Numbered(const char* stem, int k) {
    return stem + std::to_string(k);
}

TEST(ReportExpressions, PlainDecimalNumbers) {
    const std::pair<double, const char*> cases[] = {{3, "3"},
                                                    {0.5, "0.5"},
                                                    {0.125, "0.125"},
                                                    {1.0 / 3, "0.333333333333333"},
                                                    {0.00001, "0.00001"},
                                                    {-2.25, "-2.25"},
                                                    {1234.5, "1234.5"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(PlainDecimal(value), QString::fromLatin1(text)) << value;
}

TEST(ReportExpressions, BracketsAreReplacedAndFieldReferencesParsed) {
    const auto upper = [](const QString& expression) { return expression.toUpper(); };
    EXPECT_EQ(ExpandExpressions(QStringLiteral("a [b] c [d"), upper), QStringLiteral("a B c [d"));
    QString table, field;
    ASSERT_TRUE(ParseFieldReference(QStringLiteral("fmLexorin.mteRes.\"text\""), table, field));
    EXPECT_EQ(table, QStringLiteral("mteRes"));
    EXPECT_EQ(field, QStringLiteral("text"));
    EXPECT_FALSE(ParseFieldReference(QStringLiteral("varWords"), table, field));
}

TEST(PhraseReport, RowsFillingTwoPagesNumberBothPagesInTheirHeaders) {
    TAnalysisState state;
    for (int k = 0; k < 60; ++k)
        AddPhrase(state, Numbered("phrase ", k), 100 - k, 2, 0.5);
    const auto frame = BuildReport(TAnalysisPage::Phrases, state);
    const TReportDocument& document = Document(*frame);
    ASSERT_EQ(document.PageCount(), 2);
    const QStringList first = document.PageTexts(0), second = document.PageTexts(1);
    EXPECT_EQ(first.mid(0, 3),
              (QStringList{"Phrase frequency list :", "/texts/tale.txt", "Page 1/2"}));
    EXPECT_EQ(second.mid(0, 2), (QStringList{"Page 2/2", "Word or phrase"}));
    EXPECT_TRUE(first.contains("Word or phrase"));
    EXPECT_FALSE(second.contains("Phrase frequency list :"));
    EXPECT_TRUE(second.contains("Printed by Lexorin "));
    // Every row once, in the table's order, with its numbers as they are.
    const QStringList texts = AllTexts(document);
    int from = 0;
    for (int k = 0; k < 60; ++k) {
        const int at =
            static_cast<int>(texts.indexOf(QString::fromStdString(Numbered("phrase ", k)), from));
        ASSERT_GE(at, from) << k;
        EXPECT_EQ(texts.mid(at + 1, 3), (QStringList{QString::number(100 - k), "2", "0.5"}));
        from = at + 1;
    }
}

TEST(PhraseReport, AWrappedPhraseMovesToTheNextPageWhole) {
    TAnalysisState state;
    AddPhrases(state, 41);
    std::string longPhrase;
    for (int k = 0; k < 30; ++k)
        longPhrase += Numbered("word", k) + " ";
    AddPhrase(state, longPhrase, 2, 30, 1);
    const auto frame = BuildReport(TAnalysisPage::Phrases, state);
    const TReportDocument& document = Document(*frame);
    ASSERT_EQ(document.PageCount(), 2);
    const auto holds = [](const QStringList& texts, const char* word) {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const QString& text) { return text.contains(word); });
    };
    const QStringList first = document.PageTexts(0), second = document.PageTexts(1);
    EXPECT_TRUE(holds(first, "phrase 40"));
    EXPECT_FALSE(holds(first, "word0 "));
    EXPECT_TRUE(holds(second, "word0 "));
    EXPECT_TRUE(holds(second, "word29"));
    EXPECT_GE(second.filter("word").size(), 2) << "the phrase wraps";
}

TEST(PhraseReport, TheFilterAndTheOrderOfTheListDecide) {
    TAnalysisState state;
    for (const char* text : {"lamp keeper", "night", "the lamp", "dawn"})
        AddPhrase(state, text, 2, 2, 1);
    state.mteRes.Sort("text desc");
    state.mteRes.SetFilter([](const TMemTable& table, int row) {
        return table.Text(row, table.FieldIndex("text")).find("lamp") != std::string::npos;
    });
    state.mteRes.SetFiltered(true);
    const QStringList texts = AllTexts(Document(*BuildReport(TAnalysisPage::Phrases, state)));
    EXPECT_EQ(texts.filter(QRegularExpression("lamp|night|dawn")),
              (QStringList{"the lamp", "lamp keeper"}));
}

TEST(WordformReport, TheFullWordsOfEachWordformAndTheFileName) {
    TReportAnalysis analysis("walk walked walking");
    analysis.state.options.rbMin = false;
    analysis.state.options.rbExact = true;
    analysis.state.options.rseChars = 4;
    analysis.calculation.Calculate(TAnalysisPage::Wordforms);
    ASSERT_EQ(analysis.state.mteWordForms.RecordCount(), 1);
    const auto frame = BuildReport(TAnalysisPage::Wordforms, analysis.state,
                                   QStringLiteral("Text pasted from clipboard "));
    EXPECT_EQ(Document(*frame).PageTexts(0),
              (QStringList{"Wordform frequency list :", "Text pasted from clipboard ", "Page 1/1",
                           "root", "wordforms", "frequency", "length(chars)", "dispersion", "walk",
                           "walk,walked,walking", "3", "4",
                           PlainDecimal(analysis.state.mteWordForms.CurrentDouble("dispersion")),
                           "Printed by Lexorin ", ""}));
}

TEST(WordformReport, ALongWordformSplitsAcrossTheBreak) {
    TAnalysisState state;
    TMemTable& table = state.mteWordForms;
    table.Open();
    const auto add = [&](const std::string& word) {
        table.Append();
        table.SetText("word", word);
        table.SetInteger("cases", 2);
        table.SetInteger("length", static_cast<int>(word.size()));
        table.Post();
    };
    for (int k = 0; k < 43; ++k)
        add(Numbered("stem", k));
    std::string parts;
    for (int k = 0; k < 24; ++k)
        parts += Numbered("part", k) + " ";
    add(parts);
    const auto frame = BuildReport(TAnalysisPage::Wordforms, state);
    const TReportDocument& document = Document(*frame);
    ASSERT_EQ(document.PageCount(), 2);
    const QStringList first = document.PageTexts(0).filter("part");
    const QStringList second = document.PageTexts(1).filter("part");
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_TRUE(first.front().startsWith("part0 "));
    EXPECT_TRUE(second.back().contains("part23"));
    EXPECT_EQ((first + second).join(QString()).simplified(),
              QString::fromStdString(parts).simplified())
        << "no line is lost or printed twice";
}

TEST(ConcordanceReport, ContextsOnceEachAndTheCurrentWordKept) {
    TReportAnalysis analysis("the end. the end. a lamp");
    analysis.calculation.Calculate(TAnalysisPage::Concordance);
    TMemTable& words = analysis.state.mteConcordance;
    ASSERT_GE(words.RecordCount(), 3);
    words.MoveTo(2);
    const std::string current = words.CurrentText("word");
    const int contexts = analysis.state.mteConcordanceDetail.RecordCount();
    int rebuilt = 0;
    words.OnAfterScroll([&] { ++rebuilt; });
    const auto frame = BuildReport(TAnalysisPage::Concordance, analysis.state);
    EXPECT_EQ(rebuilt, 0);
    EXPECT_EQ(words.RecNo(), 2);
    EXPECT_EQ(words.CurrentText("word"), current);
    EXPECT_EQ(analysis.state.mteConcordanceDetail.RecordCount(), contexts);
    EXPECT_FALSE(words.ScrollEventsSuspended());
    const QStringList texts = AllTexts(Document(*frame));
    const int end = static_cast<int>(texts.indexOf("end"));
    ASSERT_GE(end, 0);
    EXPECT_EQ(texts.mid(end, 3), (QStringList{"end", "2", "the end"}));
    EXPECT_NE(texts.value(end + 3), "the end");
}

// Wherever the page breaks fall, no page ends with a word's heading whose
// contexts start on the next page.
TEST(ConcordanceReport, AHeadingIsKeptWithItsFirstContext) {
    for (int fillers = 0; fillers < 24; ++fillers) {
        std::string text;
        for (int k = 0; k < fillers; ++k)
            text += Numbered("single", k) + ". ";
        for (int k = 0; k < 30; ++k)
            for (const char* context : {" one", " two", " three"})
                text += Numbered("word", k) + context + ". ";
        TReportAnalysis analysis(text);
        analysis.calculation.Calculate(TAnalysisPage::Concordance);
        const auto frame = BuildReport(TAnalysisPage::Concordance, analysis.state);
        const TReportDocument& document = Document(*frame);
        ASSERT_GT(document.PageCount(), 1);
        for (int page = 0; page + 1 < document.PageCount(); ++page) {
            const QStringList texts = document.PageTexts(page);
            ASSERT_GE(texts.size(), 2);
            const QString& last = texts.back();
            EXPECT_FALSE(texts[texts.size() - 2].startsWith("word") && (last == "3" || last == "1"))
                << fillers << " fillers, page " << page << " ends with "
                << texts[texts.size() - 2].toStdString();
        }
    }
}

// A concordance report whose variable fails on the third word.
class TFailingReport : public TfrRep {
public:
    using TfrRep::TfrRep;
    int asked = 0;

protected:
    TReportTemplate ReportTemplate() const override {
        TReportTemplate report;
        report.bands.push_back({TBandKind::MasterData,
                                0,
                                20,
                                true,
                                {Memo("Memo1", 0, 0, 100, 16, QStringLiteral("[varX]"), 10)}});
        return report;
    }
    TMemTable& DataTable() override { return state_.mteConcordance; }
    bool SuspendsRowChange() const override { return true; }
    void ReportMainGetValue(const QString&, QString&) override {
        if (++asked == 3)
            throw std::runtime_error("no value");
    }
};

TEST(ConcordanceReport, AnErrorLeavesTheTableAsItWas) {
    TReportAnalysis analysis("one two three four");
    analysis.calculation.Calculate(TAnalysisPage::Concordance);
    TMemTable& words = analysis.state.mteConcordance;
    words.MoveTo(1);
    QWidget grid;
    TFailingReport report(analysis.state, QString());
    report.SetGrid(&grid);
    EXPECT_THROW(report.BuildReport(), std::runtime_error);
    EXPECT_EQ(words.RecNo(), 1);
    EXPECT_FALSE(words.ScrollEventsSuspended());
    EXPECT_TRUE(grid.updatesEnabled());
}

TEST(ReportPdf, ThePdfHoldsItsTextAsText) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TAnalysisState state;
    AddPhrases(state, 60, 7, 0.25);
    const auto frame = BuildReport(TAnalysisPage::Phrases, state);
    const QString pdf = QString::fromStdString(::testing::TempDir() + "report.pdf");
    Document(*frame).WritePdf(pdf);
    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected : {"Phrase frequency list :", "/texts/tale.txt", "Page 1/2",
                                 "Page 2/2", "Word or phrase", "length(words)", "0.25"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
    for (int k = 0; k < 60; ++k)
        EXPECT_TRUE(text.contains(QString::fromStdString(Numbered("phrase ", k)))) << k;
}

TEST(ReportPdf, AFileThatCannotBeWrittenIsAnError) {
    TAnalysisState state;
    AddPhrase(state, "lamp", 2, 1, 1);
    const auto frame = BuildReport(TAnalysisPage::Phrases, state);
    EXPECT_THROW(Document(*frame).WritePdf(QStringLiteral("/no/such/folder/report.pdf")),
                 std::runtime_error);
    try {
        Document(*frame).WritePdf(QStringLiteral("/dev/full"));
        FAIL() << "a full device";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("No space left on device"), std::string::npos)
            << error.what();
    }
}

} // namespace
} // namespace lexorin::test
