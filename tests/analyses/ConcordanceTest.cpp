#include "Concordance.h"

#include "FeUtils.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace lexorin::test {
namespace {

std::vector<std::string> Words(Analysis& analysis) {
    analysis.Run(TAnalysisPage::Concordance);
    return Rows(analysis.state.mteConcordance, {"word", "count"});
}

TEST(Concordance, WordsWithFrequencyAndPositions) {
    Analysis analysis("The cat saw the dog. The end.");
    EXPECT_EQ(Words(analysis),
              (std::vector<std::string>{"cat|1", "dog|1", "end|1", "saw|1", "The|3"}));
    const TMemTable& table = analysis.state.mteConcordance;
    const auto positions = Rows(table, {"positions"});
    EXPECT_EQ(positions[4], "1;13;22;");
    EXPECT_EQ(analysis.host.messages, std::vector<std::string>{});

    Analysis sensitive("The cat saw the dog. The end.");
    sensitive.state.options.cbCaseSens = true;
    EXPECT_EQ(Words(sensitive),
              (std::vector<std::string>{"cat|1", "dog|1", "end|1", "saw|1", "the|1", "The|2"}));
}

TEST(Concordance, NumbersMinimumFrequencyAndEmptyLists) {
    Analysis numbers("In 1999 and 2000. Pi is 3.5");
    EXPECT_EQ(Words(numbers), (std::vector<std::string>{"and|1", "In|1", "is|1", "Pi|1"}));
    Analysis once("one two three");
    once.state.options.rseConcMinFreq = 2;
    EXPECT_TRUE(Words(once).empty());
    EXPECT_EQ(once.host.messages, std::vector<std::string>{"No data in concordance."});
    EXPECT_EQ(once.state.mteConcordanceDetail.RecordCount(), 0);
    EXPECT_EQ(once.host.statuses.back(), "Total results:0");
}

TEST(Concordance, ContextsOfTheCurrentWord) {
    Analysis analysis("The cat saw the dog. The end.");
    Words(analysis);
    TAnalysisState& state = analysis.state;
    EXPECT_EQ(Rows(state.mteConcordanceDetail, {"pos"}), std::vector<std::string>{"5"})
        << "after the run, the contexts of the first word, cat";
    state.mteConcordance.MoveTo(4); // The
    EXPECT_EQ(state.mteConcordanceDetail.RecordCount(), 3) << "moving rebuilds the contexts";
    state.mteConcordance.MoveTo(1); // dog
    const auto contexts = Rows(state.mteConcordanceDetail,
                               {"word", "pos", "before", "after", "internalpos", "display"});
    EXPECT_EQ(contexts, std::vector<std::string>{"dog|17|cat saw the ||13|cat saw the dog"});

    // Contexts come in text order whatever the order of the positions.
    FillContexts(state, "the", "22;1;13;");
    EXPECT_EQ(Rows(state.mteConcordanceDetail, {"pos", "word"}),
              (std::vector<std::string>{"1|The", "13|the", "22|The"}));
    FillContexts(state, "the", "1;x;13;");
    EXPECT_EQ(state.mteConcordanceDetail.RecordCount(), 1) << "a bad piece ends the list";
}

TEST(Concordance, ReportContextsAreDistinct) {
    Analysis analysis("a b a. a b a.");
    analysis.state.options.rseConLength = 1;
    Words(analysis);
    analysis.state.mteConcordance.First(); // a
    EXPECT_EQ(GetReportContexts(analysis.state), (std::vector<std::string>{"a b", "b a"}));
}

TEST(Concordance, RandomTextsAgainstDirectTokenisation) {
    const std::vector<std::string> pieces = {"ab ", "Ab ", "b ", "c. ", "ab's ", "12 ", "  "};
    std::mt19937 random(5);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int round = 0; round < 100; ++round) {
        std::string text;
        for (int k = 1 + round % 25; k > 0; --k)
            text += pieces[pick(random)];
        const bool caseSensitive = round % 2 == 1;
        SCOPED_TRACE(text);
        std::map<std::string, std::vector<int>> expected;
        for (std::size_t i = 1; i <= text.size();) {
            if (!IsWordCharAt(text, i)) {
                ++i;
                continue;
            }
            std::size_t j = i;
            while (j <= text.size() && IsWordCharAt(text, j))
                ++j;
            const std::string word = text.substr(i - 1, j - i);
            if (!IsNumberText(word))
                expected[caseSensitive ? word : LowerCaseText(word)].push_back(static_cast<int>(i));
            i = j;
        }
        Analysis analysis(text);
        analysis.state.options.cbCaseSens = caseSensitive;
        analysis.Run(TAnalysisPage::Concordance);
        const TMemTable& table = analysis.state.mteConcordance;
        std::map<std::string, std::vector<int>> listed;
        for (int r = 0; r < table.RecordCount(); ++r) {
            const int row = table.RowOf(r);
            std::string word = table.Text(row, table.FieldIndex("word"));
            std::vector<int> positions;
            const std::string& text2 = table.Text(row, table.FieldIndex("positions"));
            for (std::size_t from = 0; from < text2.size();) {
                const std::size_t semicolon = text2.find(';', from);
                positions.push_back(std::stoi(text2.substr(from, semicolon - from)));
                from = semicolon + 1;
            }
            std::sort(positions.begin(), positions.end());
            EXPECT_EQ(static_cast<int>(positions.size()),
                      table.Integer(row, table.FieldIndex("count")));
            listed[caseSensitive ? word : LowerCaseText(word)] = positions;
        }
        EXPECT_EQ(listed, expected);
        if (HasFailure())
            return;
    }
}

} // namespace
} // namespace lexorin::test
