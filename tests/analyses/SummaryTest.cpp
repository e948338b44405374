#include "RecordingHost.h"
#include "TextStatistics.h"

#include <gtest/gtest.h>
#include <map>

namespace lexorin::test {
namespace {

std::map<std::string, std::string> Summary(const std::string& text) {
    Analysis analysis(text);
    analysis.Run(TAnalysisPage::Summary);
    std::map<std::string, std::string> fields;
    for (const TSummaryField& field : analysis.state.summaryFields) {
        fields[field.control] = field.value;
        if (field.noteControl != nullptr)
            fields[field.noteControl] = field.note;
    }
    return fields;
}

TEST(Summary, FiguresOfAShortText) {
    auto f = Summary("The cat sat. The dog ran away!\r\n  Next para here");
    const std::map<std::string, std::string> expected = {
        {"edWordsTotal", "10"},
        {"edUniqueWords", "9"},
        {"edSentenceCount", "3"},
        {"edParagraphCount", "2"},
        {"edLines", "2"},
        {"edCharacters", "34"},
        {"edLongestWord", "away"},
        {"lbLongestWordChars", "(4 char.)"},
        {"edShortestWord", "The"},
        {"lbShortestWordChars", "(3 char.)"},
        {"mLongestSentence", "The dog ran away!"},
        {"lbLongestPhraseWords", "(4 words)"},
        {"mShortestSentence", "The cat sat."},
        {"lbShortestPhraseWords", "(3 words)"},
        {"edWordsPerSent", "3.33"},
        {"edCharsPerWord", "3.40"},
        {"edLexicalDensity", "0.90"},
        {"edSentencesPerParagraph", "1.50"},
        {"edWordsPerParagraph", "5.00"},
        {"edReadability", "-3.75"},
    };
    for (const auto& [control, value] : expected)
        EXPECT_EQ(f[control], value) << control;
}

TEST(Summary, ParagraphsNeedAnIndentedCapital) {
    auto hello = Summary("hello world");
    EXPECT_EQ(hello["edParagraphCount"], "0");
    EXPECT_EQ(hello["edWordsPerParagraph"], "0.00");
    EXPECT_EQ(hello["edReadability"], "3.12");
    auto lines = Summary("  One two.\r\nThree four five.\r\n\tSix.");
    EXPECT_EQ(lines["edParagraphCount"], "2");
    EXPECT_EQ(lines["edLines"], "3");
    EXPECT_EQ(lines["mShortestSentence"], "Six.");
    EXPECT_EQ(lines["lbShortestPhraseWords"], "(1 words)");
}

TEST(Summary, TextsWithoutWords) {
    for (const char* text : {"...", "!!!"}) {
        auto f = Summary(text);
        EXPECT_EQ(f["edWordsTotal"], "0") << text;
        EXPECT_EQ(f["edSentenceCount"], "0") << text;
        EXPECT_EQ(f["edReadability"], "-21.43") << text;
        EXPECT_EQ(f["lbLongestWordChars"], "(0 char.)") << text;
    }
    Analysis empty("");
    empty.Run(TAnalysisPage::Summary);
    EXPECT_TRUE(empty.state.summaryFields.empty());
    EXPECT_EQ(empty.host.statuses, (std::vector<std::string>{"Empty text", "Summary"}));
}

TEST(Summary, DecimalSeparatorOfTheLocale) {
    SetDecimalSeparator(',');
    auto f = Summary("hello world");
    SetDecimalSeparator('.');
    EXPECT_EQ(f["edReadability"], "3,12");
}

} // namespace
} // namespace lexorin::test
