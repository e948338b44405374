#include "Wordforms.h"

#include "Dispersion.h"
#include "FeUtils.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace lexorin::test {
namespace {

std::vector<std::string> Wordforms(Analysis& analysis) {
    analysis.Run(TAnalysisPage::Wordforms);
    return Rows(analysis.state.mteWordForms, {"word", "cases", "length"});
}

std::vector<std::string> Wordforms(const std::string& text,
                                   const std::function<void(TAnalysisOptions&)>& set = {}) {
    Analysis analysis(text);
    if (set)
        set(analysis.state.options);
    return Wordforms(analysis);
}

const auto kExact4 = [](TAnalysisOptions& o) {
    o.rbMin = false;
    o.rbExact = true;
    o.rseChars = 4;
};

TEST(Wordforms, StemsAtTheStartOfWords) {
    EXPECT_EQ(Wordforms("testing tested tester"), std::vector<std::string>{"teste|2|5"});
    EXPECT_EQ(Wordforms("testing tested tester", kExact4), std::vector<std::string>{"test|3|4"});
}

TEST(Wordforms, FrequencyIsTheNumberOfWordsThatBeginWithIt) {
    // The node of "abcde" followed by a blank comes first in the tree; the
    // row still counts all three words.
    EXPECT_EQ(Wordforms("abcde x abcde y abcdef"), std::vector<std::string>{"abcde|3|5"});
}

TEST(Wordforms, CaseMode) {
    const auto length4 = [](TAnalysisOptions& o) { o.rseChars = 4; };
    EXPECT_EQ(Wordforms("Test test", length4), std::vector<std::string>{"test|2|4"});
    Analysis sensitive("Test test");
    sensitive.state.options.rseChars = 4;
    sensitive.state.options.cbCaseSens = true;
    EXPECT_TRUE(Wordforms(sensitive).empty());
    EXPECT_EQ(sensitive.host.messages,
              std::vector<std::string>{"Wordform frequencies list is empty."});
}

TEST(Wordforms, FullWordsOfTheCurrentRow) {
    Analysis analysis("testing tested tester");
    analysis.Run(TAnalysisPage::Wordforms);
    analysis.state.mteWordForms.First();
    EXPECT_EQ(GetReportFullWords(analysis.state), (std::vector<std::string>{"tested", "tester"}));
}

TEST(Wordforms, InsideWordsWithoutPrefixesOnly) {
    const auto anywhere = [](TAnalysisOptions& o) {
        o.cbPrefOnly = false;
        o.rseChars = 4;
    };
    const auto rows = Wordforms("tested tester", anywhere);
    EXPECT_NE(std::find(rows.begin(), rows.end(), "este|2|4"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), "teste|2|5"), rows.end());
}

TEST(Wordforms, PositionsAreTheSameWithAndWithoutPrefixesOnly) {
    for (bool prefixes : {true, false}) {
        Analysis analysis("xx tested, tester");
        analysis.state.options.cbPrefOnly = prefixes;
        analysis.Run(TAnalysisPage::Wordforms);
        const TMemTable& table = analysis.state.mteWordForms;
        bool found = false;
        for (int r = 0; r < table.RecordCount(); ++r) {
            const int row = table.RowOf(r);
            if (table.Text(row, table.FieldIndex("word")) != "teste")
                continue;
            found = true;
            auto positions =
                NodePositions(analysis.state, table.Integer(row, table.FieldIndex("nodeid")),
                              TTreeKind::Wordform);
            std::sort(positions.begin(), positions.end());
            EXPECT_EQ(positions, (std::vector<std::int32_t>{3, 11})) << prefixes;
        }
        EXPECT_TRUE(found) << prefixes;
    }
}

// For every listed wordform: its frequency is the number of words (or of
// places inside words) that begin with it, counted directly; and every
// wordform that occurs often enough and is not always followed by the same
// letter is listed. The last rounds' texts, of many different words, have
// their wordforms all over a tree large enough to be looked at on two threads.
TEST(Wordforms, RandomTextsAgainstDirectCounts) {
    const std::vector<std::string> pieces = {"ab ", "aba ", "Ab ", "b ", "abb, ", "ba ", "bab. "};
    std::mt19937 random(31337);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> count(1, 20);
    std::uniform_int_distribution<int> letter(0, 7);
    for (int round = 0; round < 206; ++round) {
        std::string text;
        for (int k = count(random); k > 0 && round < 200; --k)
            text += pieces[pick(random)];
        while (round >= 200 && text.size() < 20000) {
            for (int k = 1 + letter(random) % 5; k > 0; --k)
                text += "abcdeABC"[letter(random)];
            text += letter(random) == 0 ? ". " : " ";
        }
        const bool prefixes = round % 2 == 0;
        const bool caseSensitive = round % 3 == 0;
        SCOPED_TRACE(text);
        // Words of the text; every wordform candidate with its count and the
        // characters that follow it ('$' for the end of a word).
        std::vector<std::string> words;
        for (std::size_t i = 0; i < text.size();) {
            std::size_t j = i;
            while (j < text.size() && IsWordChar(text[j]))
                ++j;
            if (j > i)
                words.push_back(caseSensitive ? text.substr(i, j - i)
                                              : LowerCaseText(text.substr(i, j - i)));
            i = j + 1;
        }
        std::map<std::string, std::pair<int, std::set<char>>> candidates;
        for (const std::string& word : words)
            for (std::size_t from = 0; from < (prefixes ? 1 : word.size()); ++from)
                for (std::size_t to = from + 1; to <= word.size(); ++to) {
                    auto& [n, next] = candidates[word.substr(from, to - from)];
                    ++n;
                    next.insert(to < word.size() ? word[to] : '$');
                }
        std::set<std::string> expected;
        for (const auto& [wordform, info] : candidates)
            if (info.first >= 2 && wordform.size() >= 2 &&
                (info.second.size() >= 2 || info.second.count('$')))
                expected.insert(wordform + "|" + std::to_string(info.first));

        Analysis analysis(text);
        analysis.state.options.cbPrefOnly = prefixes;
        analysis.state.options.cbCaseSens = caseSensitive;
        analysis.state.options.rseChars = 2;
        analysis.Run(TAnalysisPage::Wordforms);
        const auto rows = Rows(analysis.state.mteWordForms, {"word", "cases"});
        EXPECT_EQ(std::set<std::string>(rows.begin(), rows.end()), expected);
        EXPECT_EQ(rows.size(), expected.size()) << "each wordform once";
        if (HasFailure())
            return;
    }
}

} // namespace
} // namespace lexorin::test
