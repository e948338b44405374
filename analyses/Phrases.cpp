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

#include <memory>

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

bool AddPhrase(TAnalysisState& state, TPhrasePositions& positions, std::string_view spanText,
               int words, int cases, int node) {
    const std::vector<std::int32_t>& occurrences = positions.Of(node);
    const TFeWordsString::TFragmentSpan span =
        Words(*state.phraseTree).FragmentSpan(positions.FirstLeafStart(), words);
    if (state.options.cbWordsUseIgnored &&
        state.ignoredWordSet.Contains(spanText.substr(span.start, span.length)))
        return false;
    TMemTable& table = state.mteRes;
    table.Append();
    table.SetInteger("cases", cases);
    table.SetInteger("words", words);
    table.SetInteger("nodeid", node);
    table.SetSpan("text", span.start, span.length);
    table.SetDouble("dispersion", Dispersion(occurrences));
    table.Post();
    return true;
}

void FillPhrases(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    const TAnalysisOptions& options = state.options;
    const TFeTree& tree = *state.phraseTree;
    const std::vector<std::int32_t>& depth = tree.PathLengths();
    const bool exact = options.rbExactWords;
    const bool dropSubstrings = !options.cbIncludeSubstrings && !exact;
    const std::vector<std::int32_t> linkedFrom =
        dropSubstrings ? LinkedFromBelow(tree) : std::vector<std::int32_t>();
    const std::shared_ptr<const std::string> spanText = PhraseSpanText(tree);
    state.mteRes.SetSpanText(spanText);
    TPhrasePositions positions(state, !exact);
    int added = 0;
    for (int i = 1; i < tree.Count(); ++i) {
        const TFeTreeNode& node = tree.Node(i);
        const int cases = node.Occurrences;
        if (cases < options.rseCases)
            continue;
        if (dropSubstrings) {
            const int longer = linkedFrom[static_cast<std::size_t>(i)];
            if (longer >= 0 && tree.Node(longer).Occurrences == cases)
                continue;
        }
        const int words = depth[static_cast<std::size_t>(i)];
        int listed = 0;
        if (exact) {
            const int above = depth[static_cast<std::size_t>(node.Parent)];
            if (above < options.rseWords && options.rseWords <= words)
                listed = options.rseWords;
        } else if (words >= options.rseWords) {
            listed = words;
        }
        if (listed == 0)
            continue;
        if (AddPhrase(state, positions, *spanText, listed, cases, i))
            ++added;
        calculation.ReportAdded("Phrases added", added);
    }
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
