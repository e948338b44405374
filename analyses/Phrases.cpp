// Every node of the word tree is a word sequence that occurs Occurrences
// times. In "minimal" mode a node is listed when its whole label has at
// least the chosen number of words; in "exact" mode every sequence of
// exactly that many words is listed, from the node whose incoming edge
// holds its last word, so sequences that are always followed by the same
// word are not lost.
#include "Phrases.h"

#include "Calculation.h"
#include "Dispersion.h"
#include "FeWordWdList.h"
#include "NodeRows.h"

#include <memory>
#include <optional>

namespace lexorin {
namespace {

const TFeWordsString& Words(const TFeTree& tree) {
    return dynamic_cast<const TFeWordsString&>(*tree.StringObject());
}

// Builds the phrase tree unless the cached one was built with the current
// options; false when the build was cancelled.
bool BuildWordTree(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    const TAnalysisOptions& options = state.options;
    if (options.cbCaseSens != state.phraseTreeCaseSensitive ||
        options.edBreakChars != state.phraseTreeStopChars)
        calculation.ClearResults(true, false, false, false);
    if (state.phraseTree)
        return true;
    state.phraseTreeStopChars = options.edBreakChars;
    state.phraseTreeCaseSensitive = options.cbCaseSens;
    auto words = std::make_unique<TFeWordsString>(state.analysedText,
                                                  static_cast<int>(state.analysedText.size()),
                                                  MakeCharSet(options.edBreakChars), true);
    words->SetCaseSensitive(options.cbCaseSens);
    words->NumberWords(); // the tree compares words by their ids
    state.phraseTree = std::make_unique<TFeTree>(std::move(words));
    return calculation.BuildTree(*state.phraseTree);
}

// For every node, the highest-indexed lower node whose suffix link points
// at it (-1 for none): that node stands for the same words with one more in
// front.
std::vector<std::int32_t> LinkedFromBelow(const TFeTree& tree) {
    std::vector<std::int32_t> from(static_cast<std::size_t>(tree.Count()), -1);
    for (int n = 0; n < tree.Count(); ++n) {
        const int target = tree.Node(n).Link;
        if (target > n)
            from[static_cast<std::size_t>(target)] = n;
    }
    return from;
}

// The text the phrase rows are spans of: the analysed text with every line
// break read as a blank; the tree's own text when it holds none.
std::shared_ptr<const std::string> PhraseSpanText(const TFeTree& tree) {
    std::shared_ptr<const std::string> source = Words(tree).SharedSourceText();
    if (source->find_first_of("\r\n") == std::string::npos)
        return source;
    auto text = std::make_shared<std::string>(*source);
    for (char& c : *text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

struct TPhraseRow {
    int node;
    int words;
    int cases;
    TFeWordsString::TFragmentSpan span;
    double dispersion;
};

// What every thread that looks for phrase rows reads.
struct TPhraseListing {
    const TAnalysisState& state;
    const TFeTree& tree;
    const std::vector<std::int32_t>& depth;
    std::vector<std::int32_t> linkedFrom; // with substrings dropped
    std::shared_ptr<const std::string> spanText;
    TPhraseChildren lists;

    explicit TPhraseListing(const TAnalysisState& analysisState)
        : state(analysisState), tree(*state.phraseTree), depth(tree.PathLengths()),
          linkedFrom(DropsSubstrings(state.options) ? LinkedFromBelow(tree)
                                                    : std::vector<std::int32_t>()),
          spanText(PhraseSpanText(tree)), lists(state, state.options.rseWords) {}

    static bool DropsSubstrings(const TAnalysisOptions& options) {
        return !options.cbIncludeSubstrings && !options.rbExactWords;
    }

    // The row of node i, when the options list it.
    std::optional<TPhraseRow> Row(TPhrasePositions& positions, int i) const {
        const TAnalysisOptions& options = state.options;
        const TFeTreeNode& node = tree.Node(i);
        const int cases = node.Occurrences;
        if (cases < options.rseCases)
            return std::nullopt;
        if (!linkedFrom.empty()) {
            const int longer = linkedFrom[static_cast<std::size_t>(i)];
            if (longer >= 0 && tree.Node(longer).Occurrences == cases)
                return std::nullopt;
        }
        const int words = depth[static_cast<std::size_t>(i)];
        int listed = 0;
        if (options.rbExactWords) {
            const int above = depth[static_cast<std::size_t>(node.Parent)];
            if (above < options.rseWords && options.rseWords <= words)
                listed = options.rseWords;
        } else if (words >= options.rseWords) {
            listed = words;
        }
        if (listed == 0)
            return std::nullopt;
        const std::vector<std::int32_t>& occurrences = positions.Of(i);
        const TFeWordsString::TFragmentSpan span =
            Words(tree).FragmentSpan(positions.FirstLeafStart(), listed);
        if (options.cbWordsUseIgnored &&
            state.ignoredWordSet.Contains(
                std::string_view(*spanText).substr(span.start, span.length)))
            return std::nullopt;
        return TPhraseRow{i, listed, cases, span, Dispersion(occurrences)};
    }
};

void FillPhrases(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    const TPhraseListing listing(state);
    const std::vector<TPhraseRow> rows =
        FindNodeRows<TPhraseRow>(static_cast<std::size_t>(listing.tree.Count()), [&] {
            return [&listing, positions = TPhrasePositions(listing.lists)](int node) mutable {
                return listing.Row(positions, node);
            };
        });
    state.mteRes.SetSpanText(listing.spanText);
    calculation.AddRows(state.mteRes, rows, "Phrases added",
                        [](TMemTable& table, const TPhraseRow& row) {
                            table.SetInteger("cases", row.cases);
                            table.SetInteger("words", row.words);
                            table.SetInteger("nodeid", row.node);
                            table.SetSpan("text", row.span.start, row.span.length);
                            table.SetDouble("dispersion", row.dispersion);
                        });
}

} // namespace

void CalcPhrases(TCalculation& calculation) {
    calculation.RunTreeAnalysis(
        TCalculation::TTree::Phrases, calculation.State().mteRes,
        [&] { return BuildWordTree(calculation); }, [&] { FillPhrases(calculation); },
        "Phrase frequencies list is empty.");
}

std::string GetPhraseAsWritten(const TAnalysisState& state) {
    const TFeTree& tree = *state.phraseTree;
    const int node = state.mteRes.CurrentInteger("nodeid");
    const int words = state.mteRes.CurrentInteger("words");
    const int start = -tree.Node(TFeTreeWalker::FirstLeaf(tree, node)).Link;
    return Words(tree).GetFragment(start, words);
}

} // namespace lexorin
