#include "Dispersion.h"

#include "FeWordWdList.h"

#include <cmath>

namespace lexorin {
namespace {

template <typename ToPosition>
std::vector<std::int32_t> LeafPositions(const TFeTree& tree, int node, ToPosition toPosition) {
    std::vector<std::int32_t> leaves;
    TFeTreeWalker::CollectLeaves(tree, node, leaves);
    for (std::int32_t& leaf : leaves)
        leaf = toPosition(-tree.Node(leaf).Link);
    return leaves;
}

} // namespace

std::vector<std::int32_t> NodePositions(const TAnalysisState& state, int node, TTreeKind kind) {
    if (kind == TTreeKind::Phrase) {
        const TFeTree& tree = *state.phraseTree;
        const auto& words = dynamic_cast<const TFeWordsString&>(*tree.StringObject());
        return LeafPositions(tree, node, [&words](int start) { return words.Position(start) - 1; });
    }
    const int shift = state.wordformPrefixesOnly ? 1 : 2;
    return LeafPositions(*state.wordformTree, node, [shift](int start) { return start - shift; });
}

double NodeDispersion(const TAnalysisState& state, int node, TTreeKind kind) {
    return Dispersion(NodePositions(state, node, kind));
}

double Dispersion(const std::vector<std::int32_t>& positions) {
    if (positions.empty())
        return 0;
    const double n = static_cast<double>(positions.size());
    double sum = 0;
    for (std::int32_t p : positions)
        sum += p;
    const double mean = sum / n;
    double squares = 0;
    for (std::int32_t p : positions)
        squares += (p - mean) * (p - mean);
    double d = std::sqrt(squares / n);
    if (d > 10)
        d = std::nearbyint(d * 10) / 10; // the default rounding mode: ties to even
    return d;
}

} // namespace lexorin
