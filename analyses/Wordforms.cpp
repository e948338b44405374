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

void FillWordforms(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    const TAnalysisOptions& options = state.options;
    const TFeTree& tree = *state.wordformTree;
    const std::string& text = dynamic_cast<const TFePasStringObject&>(*tree.StringObject()).Data();
    const std::vector<std::int32_t>& depth = tree.PathLengths();
    const bool prefixes = options.cbPrefOnly;
    const int separator = prefixes ? 1 : 0;
    int added = 0;
    for (int i = 1; i < tree.Count(); ++i) {
        const TFeTreeNode& node = tree.Node(i);
        if (node.Occurrences < options.rseWordCases)
            continue;
        // The label is text[start, start + length); in the normalised text
        // only letters, digits and underscores are word characters.
        const int length = depth[static_cast<std::size_t>(i)];
        const std::size_t start = static_cast<std::size_t>(tree.EdgeEnd(i) - length);
        if (IsWordChar(text[start]) == prefixes)
            continue;
        std::size_t run = 0;
        while (static_cast<int>(run) + separator < length &&
               IsWordChar(text[start + separator + run]))
            ++run;
        const int word = static_cast<int>(run);
        if (word == 0)
            continue;
        const int labelEnd = word + separator;
        if (labelEnd <= depth[static_cast<std::size_t>(node.Parent)] || labelEnd > length)
            continue; // another node is this wordform's locus
        if (word < options.rseChars || (options.rbExact && word != options.rseChars))
            continue;
        std::string wordform = text.substr(start + static_cast<std::size_t>(separator), run);
        if (!options.cbCaseSens)
            wordform = LowerCaseText(wordform);
        TMemTable& table = state.mteWordForms;
        table.Append();
        table.SetInteger("nodeid", i);
        table.SetText("word", wordform);
        table.SetInteger("cases", node.Occurrences);
        table.SetInteger("length", word);
        table.SetDouble("dispersion", NodeDispersion(state, i, TTreeKind::Wordform));
        table.Post();
        ++added;
        calculation.ReportAdded("Wordforms added", added);
    }
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
