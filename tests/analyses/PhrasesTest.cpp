#include "Phrases.h"

#include "Dispersion.h"
#include "FeUtils.h"
#include "FeWordWdList.h"
#include "RecordingHost.h"
#include "TempFile.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace lexorin::test {
namespace {

class Phrases : public ::testing::Test {
protected:
    void SetUp() override { StoreWordPositions = true; }
    static std::vector<std::string> Run(Analysis& analysis) {
        analysis.Run(TAnalysisPage::Phrases);
        return Rows(analysis.state.mteRes, {"text", "cases", "words"});
    }
    static std::vector<std::string> Run(const std::string& text,
                                        const std::function<void(TAnalysisOptions&)>& set = {}) {
        Analysis analysis(text);
        if (set)
            set(analysis.state.options);
        return Run(analysis);
    }
};

TEST_F(Phrases, SentencesBoundPhrasesAndSubstringsAreDropped) {
    EXPECT_EQ(Run("a b c. a b c."), (std::vector<std::string>{"a b c|2|3"}));
    EXPECT_EQ(Run("a b c. a b c.", [](TAnalysisOptions& o) { o.cbIncludeSubstrings = true; }),
              (std::vector<std::string>{"a b c|2|3", "b c|2|2", "c|2|1"}));
}

TEST_F(Phrases, ExactListsEverySequenceOfThatManyWords) {
    const auto exact = [](int words) {
        return [words](TAnalysisOptions& o) {
            o.rbMinWords = false;
            o.rbExactWords = true;
            o.rseWords = words;
        };
    };
    EXPECT_EQ(Run("a b c. a b c.", exact(1)),
              (std::vector<std::string>{"a|2|1", "b|2|1", "c|2|1"}));
    EXPECT_EQ(Run("a b c. a b c.", exact(2)), (std::vector<std::string>{"a b|2|2", "b c|2|2"}));
    EXPECT_EQ(Run("a b c. a b c.", exact(4)), std::vector<std::string>{});
}

TEST_F(Phrases, TextComesFromTheFirstOccurrenceAndCaseDecides) {
    EXPECT_EQ(Run("The cat. the cat."), (std::vector<std::string>{"The cat|2|2"}));
    EXPECT_EQ(Run("The cat. the cat.", [](TAnalysisOptions& o) { o.cbCaseSens = true; }),
              (std::vector<std::string>{"cat|2|1"}));
    EXPECT_EQ(Run("Out, of the way; out of the end"),
              (std::vector<std::string>{"Out, of the|2|3"}));
}

TEST_F(Phrases, IgnoredWordsDropOnlyWholeRowTexts) {
    const std::string list = WriteTempFile("phrases.tiw", "CAT\r\n");
    Analysis analysis("the cat sat. the cat sat. cat");
    analysis.state.ignoredListPath = list;
    analysis.state.options.cbIncludeSubstrings = true;
    const auto rows = Run(analysis);
    EXPECT_EQ(rows, (std::vector<std::string>{"the cat sat|2|3", "cat sat|2|2", "sat|2|1"}));
    analysis.state.options.cbWordsUseIgnored = false;
    EXPECT_EQ(Run(analysis).size(), 4u);
}

TEST_F(Phrases, ARepetitiveTextsTableGrowsWithTheTextNotItsSquare) {
    const auto tableBytes = [](int repeats) {
        std::string text;
        for (int k = 0; k < repeats; ++k)
            text += k % 7 == 3 ? "a\r\n" : "a ";
        Analysis analysis(text);
        analysis.state.options.rseCases = 2;
        analysis.Run(TAnalysisPage::Phrases);
        const TMemTable& table = analysis.state.mteRes;
        EXPECT_EQ(table.RecordCount(), repeats - 1) << "every run of a but the whole text";
        const std::string longest = table.Text(table.RowOf(0), table.FieldIndex("text"));
        EXPECT_EQ(longest.size(), 2u * static_cast<std::size_t>(repeats - 1) - 1);
        EXPECT_EQ(longest.find_first_of("\r\n"), std::string::npos) << "line breaks read as blanks";
        return table.ByteCount();
    };
    const std::size_t small = tableBytes(1000), large = tableBytes(4000);
    EXPECT_LT(large, 5 * small) << "four times the text, four times the bytes, not sixteen";
    EXPECT_LT(large, 4000u * 120) << "a few numbers a row and the text once";
}

TEST_F(Phrases, RowsPointAtTheirNodesWithDispersion) {
    Analysis analysis("x y. x y. x y.");
    Run(analysis);
    const TMemTable& table = analysis.state.mteRes;
    ASSERT_EQ(table.RecordCount(), 1);
    analysis.state.mteRes.First();
    EXPECT_EQ(GetPhraseAsWritten(analysis.state), "x y");
    const int node = table.CurrentInteger("nodeid");
    EXPECT_EQ(analysis.state.phraseTree->Node(node).Occurrences, 3);
    EXPECT_DOUBLE_EQ(table.CurrentDouble("dispersion"), std::sqrt(50.0 / 3.0)); // at 0, 5, 10
}

// Brute force over the symbols of a text: words (lower-cased unless case
// matters) and unique breaks.
struct Oracle {
    std::vector<std::string> symbols; // "" for a break
    std::vector<int> starts;          // text positions of words

    Oracle(const std::string& text, bool caseSensitive) {
        for (std::size_t i = 1; i <= text.size();) {
            if (IsWordCharAt(text, i)) {
                std::size_t j = i;
                while (j <= text.size() && IsWordCharAt(text, j))
                    ++j;
                const std::string word = text.substr(i - 1, j - i);
                symbols.push_back(caseSensitive ? word : LowerCaseText(word));
                starts.push_back(static_cast<int>(i));
                if (j <= text.size() && text[j - 1] == '.') {
                    symbols.emplace_back();
                    starts.push_back(0);
                    ++j;
                }
                i = j;
            } else {
                if (text[i - 1] == '.') {
                    symbols.emplace_back();
                    starts.push_back(0);
                }
                ++i;
            }
        }
    }
    // Every word sequence with its occurrence starts.
    std::map<std::vector<std::string>, std::vector<int>> Sequences() const {
        std::map<std::vector<std::string>, std::vector<int>> all;
        for (std::size_t s = 0; s < symbols.size(); ++s)
            for (std::size_t e = s; e < symbols.size() && !symbols[e].empty(); ++e)
                all[std::vector<std::string>(symbols.begin() + s, symbols.begin() + e + 1)]
                    .push_back(static_cast<int>(s));
        return all;
    }
    // The symbol after / before an occurrence; a break or an end of the text
    // is a marker of its own.
    std::string After(int start, std::size_t length) const {
        return Symbol(static_cast<std::size_t>(start) + length);
    }
    std::string Before(int start) const {
        return start > 0 ? Symbol(static_cast<std::size_t>(start - 1)) : Unique(-1);
    }
    std::string Symbol(std::size_t k) const {
        return k < symbols.size() && !symbols[k].empty() ? symbols[k] : Unique(static_cast<int>(k));
    }
    static std::string Unique(int k) {
        std::string marker = std::to_string(k);
        marker.insert(marker.begin(), '#');
        return marker;
    }
};

std::string Key(const std::vector<std::string>& words, int cases) {
    std::string key;
    for (const std::string& w : words)
        key += w + " ";
    return key + "x" + std::to_string(cases);
}

TEST_F(Phrases, RandomTextsAgainstBruteForce) {
    const std::vector<std::string> pieces = {"a ", "b ", "A ", "c ", "a. ", "b. ", "c a "};
    std::mt19937 random(2024);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> count(1, 40);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int k = count(random); k > 0; --k)
            text += pieces[pick(random)];
        const bool caseSensitive = round % 3 == 0;
        const int minCases = 2 + round % 2;
        const int words = 1 + round % 3;
        SCOPED_TRACE(text);
        const Oracle oracle(text, caseSensitive);
        std::multiset<std::string> minimal, exact;
        for (const auto& [sequence, starts] : oracle.Sequences()) {
            const int cases = static_cast<int>(starts.size());
            if (cases < minCases)
                continue;
            if (static_cast<int>(sequence.size()) == words)
                exact.insert(Key(sequence, cases));
            std::set<std::string> after, before;
            for (int s : starts) {
                after.insert(oracle.After(s, sequence.size()));
                before.insert(oracle.Before(s));
            }
            if (after.size() >= 2 && before.size() >= 2 &&
                static_cast<int>(sequence.size()) >= words)
                minimal.insert(Key(sequence, cases));
        }
        for (bool exactMode : {false, true}) {
            Analysis analysis(text);
            TAnalysisOptions& o = analysis.state.options;
            o.cbCaseSens = caseSensitive;
            o.rseCases = minCases;
            o.rseWords = words;
            o.rbExactWords = exactMode;
            o.rbMinWords = !exactMode;
            o.edBreakChars = ".";
            analysis.Run(TAnalysisPage::Phrases);
            std::multiset<std::string> listed;
            const TMemTable& table = analysis.state.mteRes;
            for (int r = 0; r < table.RecordCount(); ++r) {
                const int row = table.RowOf(r);
                const int n = table.Integer(row, table.FieldIndex("words"));
                const std::string phrase = table.Text(row, table.FieldIndex("text"));
                const Oracle phraseWords(phrase, caseSensitive);
                ASSERT_EQ(static_cast<int>(phraseWords.symbols.size()), n) << phrase;
                listed.insert(
                    Key(phraseWords.symbols, table.Integer(row, table.FieldIndex("cases"))));
            }
            EXPECT_EQ(listed, exactMode ? exact : minimal) << (exactMode ? "exact" : "minimal");
        }
        if (HasFailure())
            return;
    }
}

TEST_F(Phrases, BulkLeafWalksGiveEachNodesPositionsInTheSameOrder) {
    // The listing walks many nodes through copied child lists; a single row
    // walks the tree. Their orders must agree, since the deviation's rounding
    // depends on it. Nodes are asked for first top-down, then bottom-up. Every
    // other round the lists are copied on two threads; some rounds copy only
    // the lists of the nodes of at least a few words.
    std::mt19937 random(77);
    const std::string pieces[] = {"a ", "b ", "a b ", "c. ", "b a a "};
    for (int round = 0; round < 60; ++round) {
        std::string text;
        for (int k = 1 + static_cast<int>(random() % 120); k > 0; --k)
            text += pieces[random() % std::size(pieces)];
        SCOPED_TRACE(text);
        Analysis analysis(text);
        analysis.state.options.rseCases = 1;
        analysis.Run(TAnalysisPage::Phrases);
        const TAnalysisState& state = analysis.state;
        const int count = state.phraseTree->Count();
        const int fromWords = round / 2 % 4; // lists of the nodes of that many words and more
        const TPhraseChildren lists(state, fromWords, round % 2 == 0 ? 1 : std::size_t(1) << 16);
        TPhrasePositions positions(lists);
        for (int pass = 0; pass < 2; ++pass)
            for (int k = 0; k < count; ++k) {
                const int node = pass == 0 ? k : count - 1 - k;
                if (state.phraseTree->PathLengths()[static_cast<std::size_t>(node)] < fromWords)
                    continue;
                ASSERT_EQ(positions.Of(node), NodePositions(state, node, TTreeKind::Phrase))
                    << "node " << node;
                const TFeTree& tree = *state.phraseTree;
                ASSERT_EQ(positions.FirstLeafStart(),
                          -tree.Node(TFeTreeWalker::FirstLeaf(tree, node)).Link);
            }
        const TMemTable& table = state.mteRes;
        for (int r = 0; r < table.RecordCount(); ++r) {
            const int row = table.RowOf(r);
            const int node = table.Integer(row, table.FieldIndex("nodeid"));
            ASSERT_EQ(table.Double(row, table.FieldIndex("dispersion")),
                      NodeDispersion(state, node, TTreeKind::Phrase));
        }
    }
}

} // namespace
} // namespace lexorin::test
