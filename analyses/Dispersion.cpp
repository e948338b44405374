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

// What CollectLeaves takes for an inner node.
bool IsInternal(const TFeTreeNode& node) {
    return node.Link >= 0 && node.FirstChild != -1;
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

TPhrasePositions::TPhrasePositions(const TAnalysisState& state)
    : tree_(*state.phraseTree), words_(dynamic_cast<const TFeWordsString&>(*tree_.StringObject())),
      first_(static_cast<std::size_t>(tree_.Count()), -1),
      count_(static_cast<std::size_t>(tree_.Count()), 0) {}

// Copies the children of inner node x on its first visit.
void TPhrasePositions::CopyChildren(std::size_t x) {
    first_[x] = static_cast<std::int32_t>(children_.size());
    for (int c = tree_.Node(static_cast<int>(x)).FirstChild; c != -1; c = tree_.Node(c).NextSibling) {
        const TFeTreeNode& child = tree_.Node(c);
        if (IsInternal(child))
            children_.push_back({c, true});
        else
            children_.push_back({words_.Position(-child.Link) - 1, false});
    }
    count_[x] = static_cast<std::int32_t>(children_.size()) - first_[x];
}

// CollectLeaves' passes over the copied lists: each pass puts every inner
// entry's first child in its place and appends its other children.
const std::vector<std::int32_t>& TPhrasePositions::Of(int node) {
    positions_.clear();
    pending_.clear();
    if (!IsInternal(tree_.Node(node))) {
        positions_.push_back(words_.Position(-tree_.Node(node).Link) - 1);
        return positions_;
    }
    positions_.push_back(node);
    pending_.push_back(0);
    while (!pending_.empty()) {
        appended_.clear();
        std::size_t kept = 0;
        for (const std::size_t at : pending_) {
            const auto x = static_cast<std::size_t>(positions_[at]);
            if (first_[x] == -1)
                CopyChildren(x);
            const TChild* child = children_.data() + first_[x];
            const TChild* const end = child + count_[x];
            positions_[at] = child->value;
            if (child->internal)
                pending_[kept++] = at;
            for (++child; child != end; ++child) {
                if (child->internal)
                    appended_.push_back(positions_.size());
                positions_.push_back(child->value);
            }
        }
        pending_.resize(kept);
        pending_.insert(pending_.end(), appended_.begin(), appended_.end());
    }
    return positions_;
}

} // namespace lexorin
