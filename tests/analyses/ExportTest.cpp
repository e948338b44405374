#include "CsvExport.h"
#include "ExportFile.h"
#include "FeWordWdList.h"
#include "OptionKeys.h"
#include "RecordingHost.h"
#include "TempFile.h"
#include "XlsxExport.h"
#include "ZipPart.h"

#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace lexorin::test {
namespace {

// A text of our own: a quoted word, a number, one word in mixed case.
const char* const kText = "She said \"no\" twice. She said \"no\" twice. The eBook said yes.";

std::string Csv(Analysis& analysis, TAnalysisPage page, TConcordanceLayout layout,
                const TAnalysisOptions& options) {
    std::ostringstream out;
    ExportCsv(analysis.state, page, layout, TCsvFormat::From(options), out);
    return out.str();
}

struct TCsvCase {
    const char* what;
    TAnalysisPage page;
    TConcordanceLayout layout;
    // Options by their settings keys.
    std::vector<std::pair<const char*, const char*>> options;
    const char* expected;
};

TEST(CsvExport, EveryPageLayoutAndOption) {
    using P = TAnalysisPage;
    using L = TConcordanceLayout;
    const TCsvCase cases[] = {
        {"phrases, defaults",
         P::Phrases,
         L::Basic,
         {},
         "\"She said \"\"no\"\" twice\",2,4,10.5\r\n"
         "\"said\",3,1,19.6\r\n"},
        {"phrases, titles, semicolons, decimal comma, single quotes kept single",
         P::Phrases,
         L::Basic,
         {{"cbShowTitles_Checked", "True"},
          {"edSeparator_Text", ";"},
          {"edDecimalSeparator_Text", ","},
          {"edQuote_Text", "'"},
          {"cbDupQuotes_Checked", "False"}},
         "'phrase';'frequency';'words';'dispersion'\r\n"
         "'She said \"no\" twice';2;4;10,5\r\n"
         "'said';3;1;19,6\r\n"},
        {"phrases, a decimal comma between commas: the number in quotes",
         P::Phrases,
         L::Basic,
         {{"edDecimalSeparator_Text", ","}},
         "\"She said \"\"no\"\" twice\",2,4,\"10,5\"\r\n\"said\",3,1,\"19,6\"\r\n"},
        {"phrases, quotes not doubled",
         P::Phrases,
         L::Basic,
         {{"cbDupQuotes_Checked", "False"}},
         "\"She said \"no\" twice\",2,4,10.5\r\n\"said\",3,1,19.6\r\n"},
        {"phrases, no quote character, empty boxes taking the defaults",
         P::Phrases,
         L::Basic,
         {{"edQuote_Text", ""}, {"edSeparator_Text", ""}, {"edDecimalSeparator_Text", ""}},
         "She said \"no\" twice,2,4,10.5\r\nsaid,3,1,19.6\r\n"},
        {"wordforms, titles",
         P::Wordforms,
         L::Basic,
         {{"cbShowTitles_Checked", "True"}},
         "\"wordform\",\"frequency\",\"length\",\"dispersion\"\r\n\"twice\",2,5,10.5\r\n"},
        {"concordance basic, the first letter upper case, the rest as listed",
         P::Concordance,
         L::Basic,
         {},
         "\"EBook\",1\r\n\"No\",2\r\n\"Said\",3\r\n\"She\",2\r\n\"The\",1\r\n\"Twice\",2\r\n"
         "\"Yes\",1\r\n"},
        {"concordance basic, as listed",
         P::Concordance,
         L::Basic,
         {{"cbConcCapitalize_Checked", "False"}},
         "\"eBook\",1\r\n\"no\",2\r\n\"said\",3\r\n\"She\",2\r\n\"The\",1\r\n\"twice\",2\r\n"
         "\"yes\",1\r\n"},
        {"concordance professional, titles: every word's occurrences by position",
         P::Concordance,
         L::Professional,
         {{"cbShowTitles_Checked", "True"}},
         "\"position\",\"before\",\"word\",\"after\"\r\n"
         "47,\"The \",\"EBook\",\" said\"\r\n"
         "11,\"said \"\"\",\"No\",\"\"\" twice\"\r\n"
         "32,\"said \"\"\",\"No\",\"\"\" twice\"\r\n"
         "5,\"She \",\"Said\",\" \"\"no\"\r\n"
         "26,\"She \",\"Said\",\" \"\"no\"\r\n"
         "53,\"eBook \",\"Said\",\" yes\"\r\n"
         "1,\"\",\"She\",\" said\"\r\n"
         "22,\" \",\"She\",\" said\"\r\n"
         "43,\" \",\"The\",\" eBook\"\r\n"
         "15,\"no\"\" \",\"Twice\",\"\"\r\n"
         "36,\"no\"\" \",\"Twice\",\"\"\r\n"
         "58,\"said \",\"Yes\",\"\"\r\n"},
    };
    StoreWordPositions = true;
    for (const TCsvCase& c : cases) {
        Analysis analysis(kText);
        analysis.state.options.cbCaseSens = true;
        analysis.state.options.rseConLength = 1;
        analysis.Run(c.page);
        TAnalysisOptions options = analysis.state.options;
        for (const auto& [key, value] : c.options)
            ASSERT_EQ(ApplyOption(options, key, value), TOptionResult::Applied) << key;
        EXPECT_EQ(Csv(analysis, c.page, c.layout, options), c.expected) << c.what;
    }
}

TEST(CsvExport, TheRowsTheListShowsInItsOrder) {
    StoreWordPositions = true;
    Analysis phrases(kText);
    phrases.state.options.rseWords = 1;
    phrases.Run(TAnalysisPage::Phrases);
    TMemTable& list = phrases.state.mteRes;
    list.Sort("cases desc");
    TAnalysisOptions options = phrases.state.options;
    EXPECT_EQ(Csv(phrases, TAnalysisPage::Phrases, TConcordanceLayout::Basic, options),
              "\"said\",3,1,19.6\r\n\"She said \"\"no\"\" twice\",2,4,10.5\r\n");
    list.SetFilter([](const TMemTable& table, int row) {
        return table.Integer(row, table.FieldIndex("words")) > 1;
    });
    list.SetFiltered(true);
    EXPECT_EQ(Csv(phrases, TAnalysisPage::Phrases, TConcordanceLayout::Basic, options),
              "\"She said \"\"no\"\" twice\",2,4,10.5\r\n");

    // The professional layout walks every word; the current one keeps its
    // contexts.
    Analysis concordance(kText);
    concordance.Run(TAnalysisPage::Concordance);
    TAnalysisState& state = concordance.state;
    state.mteConcordance.MoveTo(2); // said
    const std::vector<std::string> before = Rows(state.mteConcordanceDetail, {"pos"});
    Csv(concordance, TAnalysisPage::Concordance, TConcordanceLayout::Professional, state.options);
    EXPECT_EQ(state.mteConcordance.RecNo(), 2);
    EXPECT_EQ(Rows(state.mteConcordanceDetail, {"pos"}), before);
    EXPECT_EQ(before.size(), 3u);
}

TEST(CsvExport, ATextThatASpreadsheetWouldRunGetsAnApostrophe) {
    const struct {
        const char* text;
        const char* quote;
        bool protect;
        const char* expected;
    } cases[] = {
        {"=HYPERLINK(\"x\")", "\"", true, "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1", "\"", true, "\"'+1\""},
        {"-1", "\"", true, "\"'-1\""},
        {"@SUM(A1)", "\"", true, "\"'@SUM(A1)\""},
        {"\tx", "\"", true, "\"'\tx\""},
        {"\rx", "\"", true, "\"'\rx\""},
        {"a=b", "\"", true, "\"a=b\""},
        {" =b", "\"", true, "\" =b\""},
        {"", "\"", true, "\"\""},
        {"=x", "", true, "'=x"},
        {"=x", "'", true, "'''=x'"}, // the apostrophe doubled as any quote is
        {"=x", "\"", false, "\"=x\""},
    };
    for (const auto& c : cases) {
        TCsvFormat format;
        format.quote = c.quote;
        format.protectFormulas = c.protect;
        EXPECT_EQ(format.Text(c.text), c.expected) << c.text;
    }
    // A whole export: the professional layout's contexts, and the option.
    StoreWordPositions = true;
    Analysis analysis("=cmd said no. =cmd said no.");
    analysis.Run(TAnalysisPage::Concordance);
    TAnalysisOptions options = analysis.state.options;
    const std::string csv =
        Csv(analysis, TAnalysisPage::Concordance, TConcordanceLayout::Professional, options);
    EXPECT_EQ(csv.find(",\"="), std::string::npos) << csv;
    EXPECT_NE(csv.find(",\"'="), std::string::npos) << csv;
    ASSERT_EQ(ApplyOption(options, "cbProtectFormulas_Checked", "False"), TOptionResult::Applied);
    EXPECT_NE(Csv(analysis, TAnalysisPage::Concordance, TConcordanceLayout::Professional, options)
                  .find(",\"="),
              std::string::npos);
}

TEST(CsvExport, OptionsThatMakeRowsThatCannotBeReadBackAreRefused) {
    const struct {
        const char *separator, *quote, *decimal;
        bool readable;
    } cases[] = {
        {",", "\"", ".", true},
        {";", "", ",", true},
        {"", "", "", true},            // the defaults , and .
        {"\xC2\xA7", "\"", ".", true}, // a section sign
        {"\t", "'", ",", true},
        {",", "\"", ",", true}, // numbers are quoted
        {"ab", "\"", ".", false},
        {",", "\"", "..", false},
        {"\n", "\"", ".", false},
        {",", "\r", ".", false},
        {";", "\"", "\n", false},
        {",", ",", ".", false},
        {"", ",", ".", false},
        {";", "\"", "\"", false},
        {",", "", ",", false},
        {"", "", ",", false},
        {"1", "\"", ".", false},
        {";", "0", ".", false},
        {";", "\"", "5", false},
        {"'", "", ".", false}, // the protecting apostrophe
    };
    for (const auto& c : cases) {
        TAnalysisOptions options;
        options.edSeparator = c.separator;
        options.edQuote = c.quote;
        options.edDecimalSeparator = c.decimal;
        EXPECT_EQ(CsvOptionsProblem(options).empty(), c.readable)
            << "[" << c.separator << "] [" << c.quote << "] [" << c.decimal
            << "]: " << CsvOptionsProblem(options);
    }
}

TEST(CsvExport, NumbersReadBackAndPlainOnesHaveNoExponent) {
    TCsvFormat format;
    const std::pair<double, const char*> cases[] = {
        {100000, "100000"},     {0.5, "0.5"},    {1.5e-5, "0.000015"}, {6659.5, "6659.5"},
        {-2.25e7, "-22500000"}, {1e-7, "1e-07"}, {2.5e21, "2.5e+21"},  {0, "0"},
    };
    for (const auto& [value, written] : cases)
        EXPECT_EQ(format.Number(value), written) << value;
    format.decimalSeparator = ",";
    EXPECT_EQ(format.Number(1.5e-5), "0,000015");
}

TEST(CsvExport, ALineReadsBackAsItsFields) {
    std::mt19937 random(7);
    const struct {
        const char *separator, *quote;
    } marks[] = {{",", "\""}, {";", "'"}, {"\xC2\xA7", "\""}, {"\t", "|"}};
    for (const auto& m : marks) {
        TCsvFormat format;
        format.separator = m.separator;
        format.quote = m.quote;
        format.protectFormulas = false;
        const std::string pieces[] = {"a", " ", m.separator, m.quote, "\xC3\xA4", "="};
        for (int round = 0; round < 200; ++round) {
            std::vector<std::string> texts(1 + random() % 3);
            for (std::string& text : texts)
                for (int k = static_cast<int>(random() % 6); k > 0; --k)
                    text += pieces[random() % 6];
            std::vector<std::string> fields;
            for (const std::string& text : texts)
                fields.push_back(format.Utf8Text(text));
            std::string line = format.Line(fields);
            line.resize(line.size() - 2); // CR LF
            EXPECT_EQ(format.Fields(line), texts) << line;
        }
    }
}

std::string SheetXml(const std::string& workbook) {
    return ZipPart(workbook, "xl/worksheets/sheet1.xml");
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const std::size_t start = text.find(from);
    const std::size_t end = text.find(to, start);
    return start == std::string::npos || end == std::string::npos
               ? std::string()
               : text.substr(start, end + to.size() - start);
}

TEST(XlsxExport, OneSheetBoldTitlesNumbersAsNumbersFittedColumns) {
    StoreWordPositions = true;
    Analysis analysis("\xC4\xEE\xEC \"a\" & <b>. \xC4\xEE\xEC \"a\" & <b>.");
    analysis.Run(TAnalysisPage::Phrases);
    const std::string path = ::testing::TempDir() + "phrases.xlsx";
    EXPECT_EQ(
        ExportXlsx(analysis.state, TAnalysisPage::Phrases, TConcordanceLayout::Basic, true, path),
        1);
    const std::string xml = SheetXml(path);
    EXPECT_EQ(Between(xml, "<cols>", "</cols>"),
              "<cols><col min=\"1\" max=\"1\" width=\"14.7109375\" customWidth=\"1\"/>"
              "<col min=\"2\" max=\"2\" width=\"11.7109375\" customWidth=\"1\"/>"
              "<col min=\"3\" max=\"3\" width=\"7.7109375\" customWidth=\"1\"/>"
              "<col min=\"4\" max=\"4\" width=\"12.7109375\" customWidth=\"1\"/></cols>")
        << "each as wide as its widest cell, the title included";
    EXPECT_EQ(
        Between(xml, "<sheetData>", "</sheetData>"),
        "<sheetData><row r=\"1\">"
        "<c r=\"A1\" s=\"1\" t=\"inlineStr\"><is><t>phrase</t></is></c>"
        "<c r=\"B1\" s=\"1\" t=\"inlineStr\"><is><t>frequency</t></is></c>"
        "<c r=\"C1\" s=\"1\" t=\"inlineStr\"><is><t>words</t></is></c>"
        "<c r=\"D1\" s=\"1\" t=\"inlineStr\"><is><t>dispersion</t></is></c></row>"
        "<row r=\"2\">"
        "<c r=\"A2\" t=\"inlineStr\"><is><t>\xD0\x94\xD0\xBE\xD0\xBC \"a\" &amp; &lt;b</t></is></c>"
        "<c r=\"B2\"><v>2</v></c><c r=\"C2\"><v>3</v></c><c r=\"D2\"><v>7.5</v></c></row>"
        "</sheetData>")
        << "titles in style 1, the text in UTF-8, numbers as values";
    EXPECT_NE(Between(ZipPart(path, "xl/styles.xml"), "<fonts", "</fonts>").find("<b/>"),
              std::string::npos)
        << "style 1 is bold";
    EXPECT_NE(ZipPart(path, "xl/workbook.xml").find("<sheet name=\"Phrase frequency\""),
              std::string::npos);
}

TEST(XlsxExport, TextsThatLookLikeFormulasStayTexts) {
    StoreWordPositions = true;
    Analysis analysis("=cmd said no. =cmd said no.");
    analysis.Run(TAnalysisPage::Concordance);
    const std::string path = ::testing::TempDir() + "formulas.xlsx";
    ExportXlsx(analysis.state, TAnalysisPage::Concordance, TConcordanceLayout::Professional, true,
               path);
    const std::string xml = SheetXml(path);
    EXPECT_EQ(xml.find("<f"), std::string::npos) << "no formula cell";
    EXPECT_NE(xml.find("t=\"inlineStr\"><is><t>="), std::string::npos) << xml;
}

TEST(ExportFile, CsvWithByteOrderMarkOrWorkbookByName) {
    StoreWordPositions = true;
    Analysis analysis(kText);
    analysis.Run(TAnalysisPage::Wordforms);
    const std::string csv = ::testing::TempDir() + "wordforms.txt";
    EXPECT_EQ(WriteExportFile(analysis.state, TAnalysisPage::Wordforms, TConcordanceLayout::Basic,
                              analysis.state.options, csv),
              1);
    EXPECT_EQ(ReadFileBytes(csv), "\xEF\xBB\xBF\"twice\",2,5,10.5\r\n");
    const std::string workbook = ::testing::TempDir() + "wordforms.XLSX";
    WriteExportFile(analysis.state, TAnalysisPage::Wordforms, TConcordanceLayout::Basic,
                    analysis.state.options, workbook);
    EXPECT_EQ(ReadFileBytes(workbook).substr(0, 2), "PK") << "a zip archive";
    EXPECT_NE(SheetXml(workbook).find("<t>twice</t>"), std::string::npos);
    EXPECT_TRUE(IsWorkbookName("a.xlsx"));
    EXPECT_FALSE(IsWorkbookName("xlsx"));
    EXPECT_FALSE(IsWorkbookName("a.xlsx.csv"));

    try {
        WriteExportFile(analysis.state, TAnalysisPage::Wordforms, TConcordanceLayout::Basic,
                        analysis.state.options, ::testing::TempDir() + "no/such/folder.csv");
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "No such file or directory");
    }
}

} // namespace
} // namespace lexorin::test
