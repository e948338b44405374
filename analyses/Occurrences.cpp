#include "Occurrences.h"

#include "Concordance.h"
#include "Dispersion.h"
#include "FeWordWdList.h"

#include <algorithm>

namespace lexorin {
namespace {

bool HasCurrentRow(const TMemTable& table) {
    return table.Active() && table.RecNo() >= 0;
}

// The leaves below a node, in text order.
std::vector<std::int32_t> SortedLeaves(const TFeTree& tree, int node) {
    std::vector<std::int32_t> leaves;
    TFeTreeWalker::CollectLeaves(tree, node, leaves);
    std::sort(leaves.begin(), leaves.end(), [&tree](std::int32_t a, std::int32_t b) {
        return CompareLeavesByPosition(tree.Node(a), tree.Node(b)) < 0;
    });
    return leaves;
}

} // namespace

std::vector<TOccurrence> PhraseOccurrences(const TAnalysisState& state) {
    const TMemTable& table = state.mteRes;
    if (!HasCurrentRow(table) || state.phraseTree == nullptr)
        return {};
    const TFeTree& tree = *state.phraseTree;
    const auto& words = dynamic_cast<const TFeWordsString&>(*tree.StringObject());
    const int node = table.CurrentInteger("nodeid");
    const int count = table.CurrentInteger("words");
    std::vector<TOccurrence> spans;
    for (std::int32_t leaf : SortedLeaves(tree, node)) {
        const int first = -tree.Node(leaf).Link;
        const int last = first + count - 1;
        const int start = words.Position(first);
        spans.push_back({start - 1, words.Position(last) + words.Item(last).Len - start});
    }
    return spans;
}

std::vector<TOccurrence> WordformOccurrences(const TAnalysisState& state) {
    const TMemTable& table = state.mteWordForms;
    if (!HasCurrentRow(table) || state.wordformTree == nullptr)
        return {};
    std::vector<std::int32_t> starts =
        NodePositions(state, table.CurrentInteger("nodeid"), TTreeKind::Wordform);
    std::sort(starts.begin(), starts.end());
    const std::int32_t length = table.CurrentInteger("length");
    std::vector<TOccurrence> spans;
    for (std::int32_t start : starts)
        spans.push_back({start, length});
    return spans;
}

std::vector<TOccurrence> ConcordanceOccurrences(const TAnalysisState& state) {
    const TMemTable& table = state.mteConcordance;
    if (!HasCurrentRow(table))
        return {};
    const auto length = static_cast<std::int32_t>(table.CurrentText("word").size());
    std::vector<TOccurrence> spans;
    for (int position : SortedPositions(table.CurrentText("positions")))
        if (position > 0)
            spans.push_back({position - 1, length});
    return spans;
}

} // namespace lexorin
