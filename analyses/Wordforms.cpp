// The wordform list: recurring character sequences at the start of words
// (or anywhere in them) from the character tree over the normalised text.
//
// A node yields the word-character run its label begins with (after the
// separator, with prefixes only). That wordform's row comes from its locus,
// the node whose incoming edge holds the end of the wordform's label: its
// Occurrences is the true number of occurrences, and its leaves are all of
// them. The locus yields the same wordform itself, so every wordform is
// listed once, from the node that is its locus.
#include "Wordforms.h"

#include "Calculation.h"
#include "Dispersion.h"
#include "NodeRows.h"

#include <optional>

namespace lexorin {
namespace {

bool BuildCharTree(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    const TAnalysisOptions& options = state.options;
    state.wordformPrefixesOnly = options.cbPrefOnly;
    if (options.cbCaseSens != state.wordformTreeCaseSensitive)
        calculation.ClearResults(false, true, false, false);
    if (state.wordformTree)
        return true;
    state.wordformTreeCaseSensitive = options.cbCaseSens;
    auto chars = std::make_unique<TFePasStringObject>(state.analysedText, true);
    chars->Normalize();
    chars->SetCaseSensitive(options.cbCaseSens);
    state.wordformTree = std::make_unique<TFeTree>(std::move(chars));
    return calculation.BuildTree(*state.wordformTree);
}

struct TWordformRow {
    int node;
    std::string word;
    int cases;
    int length;
    double dispersion;
};

// The row of node i, when it is the locus of a wordform that the options list.
std::optional<TWordformRow> WordformRow(const TAnalysisState& state, int i) {
    const TAnalysisOptions& options = state.options;
    const TFeTree& tree = *state.wordformTree;
    const std::string& text = dynamic_cast<const TFePasStringObject&>(*tree.StringObject()).Data();
    const TFeTreeNode& node = tree.Node(i);
    if (node.Occurrences < options.rseWordCases)
        return std::nullopt;
    // The label is text[start, start + length); in the normalised text only
    // letters, digits and underscores are word characters.
    const bool prefixes = options.cbPrefOnly;
    const int separator = prefixes ? 1 : 0;
    const int length = tree.PathLength(i);
    const std::size_t start = static_cast<std::size_t>(tree.EdgeEnd(i) - length);
    if (IsWordChar(text[start]) == prefixes)
        return std::nullopt;
    std::size_t run = 0;
    while (static_cast<int>(run) + separator < length && IsWordChar(text[start + separator + run]))
        ++run;
    const int word = static_cast<int>(run);
    if (word == 0)
        return std::nullopt;
    const int labelEnd = word + separator;
    if (labelEnd <= length - tree.EdgeLength(i) || labelEnd > length)
        return std::nullopt; // another node is this wordform's locus
    if (word < options.rseChars || (options.rbExact && word != options.rseChars))
        return std::nullopt;
    std::string wordform = text.substr(start + static_cast<std::size_t>(separator), run);
    if (!options.cbCaseSens)
        wordform = LowerCaseText(wordform);
    return TWordformRow{i, std::move(wordform), node.Occurrences, word,
                        NodeDispersion(state, i, TTreeKind::Wordform)};
}

void FillWordforms(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    const std::vector<TWordformRow> rows =
        FindNodeRows<TWordformRow>(static_cast<std::size_t>(state.wordformTree->Count()), [&] {
            return [&](int node) { return WordformRow(state, node); };
        });
    calculation.AddRows(state.mteWordForms, rows, "Wordforms added",
                        [](TMemTable& table, const TWordformRow& row) {
                            table.SetInteger("nodeid", row.node);
                            table.SetText("word", row.word);
                            table.SetInteger("cases", row.cases);
                            table.SetInteger("length", row.length);
                            table.SetDouble("dispersion", row.dispersion);
                        });
}

} // namespace

std::vector<std::string> GetReportFullWords(const TAnalysisState& state) {
    return state.wordformTree->FullWords(state.mteWordForms.CurrentInteger("nodeid"));
}

void CalcWordforms(TCalculation& calculation) {
    calculation.RunTreeAnalysis(
        TCalculation::TTree::Wordforms, calculation.State().mteWordForms,
        [&] { return BuildCharTree(calculation); }, [&] { FillWordforms(calculation); },
        "Wordform frequencies list is empty.");
}

} // namespace lexorin
