#include "Dispersion.h"

#include "FeWordWdList.h"

#include <algorithm>
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

// The 0-based text offset of the phrase tree's suffix that starts at word
// symbol `start`.
int PhraseOffset(const TFeWordsString& words, int start) {
    return words.Position(start) - 1;
}

} // namespace

std::vector<std::int32_t> NodePositions(const TAnalysisState& state, int node, TTreeKind kind) {
    if (kind == TTreeKind::Phrase) {
        const TFeTree& tree = *state.phraseTree;
        const auto& words = dynamic_cast<const TFeWordsString&>(*tree.StringObject());
        return LeafPositions(tree, node,
                             [&words](int start) { return PhraseOffset(words, start); });
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

TPhrasePositions::TPhrasePositions(const TAnalysisState& state, bool everyNode)
    : tree_(*state.phraseTree), words_(dynamic_cast<const TFeWordsString&>(*tree_.StringObject())),
      first_(static_cast<std::size_t>(tree_.Count()), -1),
      count_(static_cast<std::size_t>(tree_.Count()), 0) {
    if (!everyNode)
        return;
    for (int x = 0; x < tree_.Count(); ++x)
        if (TFeTreeWalker::HasChildren(tree_.Node(x)))
            uncopied_.push_back(static_cast<std::size_t>(x));
    CopyChildren();
    std::vector<std::size_t>().swap(uncopied_);
}

// Copies the children of the inner nodes in uncopied_. Their sibling lists
// are walked side by side, one node of each in turn, so that the reads of
// different lists overlap instead of each waiting for the last.
void TPhrasePositions::CopyChildren() {
    for (std::size_t from = 0; from < uncopied_.size(); from += kLanes) {
        const std::size_t lanes = std::min(kLanes, uncopied_.size() - from);
        int next[kLanes];
        for (std::size_t l = 0; l < lanes; ++l) {
            next[l] = tree_.Node(static_cast<int>(uncopied_[from + l])).FirstChild;
            lanes_[l].clear();
        }
        for (bool walking = true; walking;) {
            walking = false;
            for (std::size_t l = 0; l < lanes; ++l) {
                if (next[l] == -1)
                    continue;
                const TFeTreeNode& child = tree_.Node(next[l]);
                if (TFeTreeWalker::HasChildren(child))
                    lanes_[l].push_back({next[l], 0});
                else
                    lanes_[l].push_back({PhraseOffset(words_, -child.Link), -child.Link});
                next[l] = child.NextSibling;
                walking = true;
            }
        }
        for (std::size_t l = 0; l < lanes; ++l) {
            const std::size_t x = uncopied_[from + l];
            first_[x] = static_cast<std::int32_t>(children_.size());
            count_[x] = static_cast<std::int32_t>(lanes_[l].size());
            children_.insert(children_.end(), lanes_[l].begin(), lanes_[l].end());
        }
    }
}

// CollectLeaves' passes over the copied lists: each pass puts every inner
// entry's first child in its place and appends its other children.
const std::vector<std::int32_t>& TPhrasePositions::Of(int node) {
    positions_.clear();
    pending_.clear();
    if (!TFeTreeWalker::HasChildren(tree_.Node(node))) {
        firstStart_ = -tree_.Node(node).Link;
        positions_.push_back(PhraseOffset(words_, firstStart_));
        return positions_;
    }
    positions_.push_back(node);
    pending_.push_back(0);
    while (!pending_.empty()) {
        uncopied_.clear();
        for (const std::size_t at : pending_)
            if (const auto x = static_cast<std::size_t>(positions_[at]); first_[x] == -1)
                uncopied_.push_back(x);
        CopyChildren();
        appended_.clear();
        std::size_t kept = 0;
        for (const std::size_t at : pending_) {
            const auto x = static_cast<std::size_t>(positions_[at]);
            const TChild* child = children_.data() + first_[x];
            const TChild* const end = child + count_[x];
            positions_[at] = child->value;
            if (child->Inner())
                pending_[kept++] = at;
            else if (at == 0) // the first entry always ends as the first leaf
                firstStart_ = child->start;
            for (++child; child != end; ++child) {
                if (child->Inner())
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
