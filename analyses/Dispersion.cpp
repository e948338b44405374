#include "Dispersion.h"

#include "FeHalves.h"
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

// Copies the children of inner nodes into lists of its own. The sibling
// lists are walked side by side, one node of each in turn, so that the
// reads of different lists overlap instead of each waiting for the last.
struct TPhraseChildren::TCopy {
    static constexpr std::size_t kLanes = 16;
    std::vector<TChild> children;
    std::vector<TChild> lanes[kLanes];

    // Copies the lists of nodes[from, to); their places in `children` go to
    // first and count.
    void Lists(const TPhraseChildren& owner, const std::vector<std::int32_t>& nodes,
               std::size_t from, std::size_t to, std::vector<std::int32_t>& first,
               std::vector<std::int32_t>& count) {
        const TFeTree& tree = owner.tree_;
        for (; from < to; from += kLanes) {
            const std::size_t width = std::min(kLanes, to - from);
            int next[kLanes];
            for (std::size_t l = 0; l < width; ++l) {
                next[l] = tree.Node(nodes[from + l]).FirstChild;
                lanes[l].clear();
            }
            for (bool walking = true; walking;) {
                walking = false;
                for (std::size_t l = 0; l < width; ++l) {
                    if (next[l] == -1)
                        continue;
                    const TFeTreeNode& child = tree.Node(next[l]);
                    if (TFeTreeWalker::HasChildren(child))
                        lanes[l].push_back({next[l], 0});
                    else
                        lanes[l].push_back({PhraseOffset(owner.words_, -child.Link), -child.Link});
                    next[l] = child.NextSibling;
                    walking = true;
                }
            }
            for (std::size_t l = 0; l < width; ++l) {
                const auto x = static_cast<std::size_t>(nodes[from + l]);
                first[x] = static_cast<std::int32_t>(children.size());
                count[x] = static_cast<std::int32_t>(lanes[l].size());
                children.insert(children.end(), lanes[l].begin(), lanes[l].end());
            }
        }
    }
};

TPhraseChildren::TPhraseChildren(const TAnalysisState& state, int fromWords, std::size_t splitFrom)
    : tree_(*state.phraseTree), words_(dynamic_cast<const TFeWordsString&>(*tree_.StringObject())),
      first_(static_cast<std::size_t>(tree_.Count()), 0),
      count_(static_cast<std::size_t>(tree_.Count()), 0) {
    const std::vector<std::int32_t>& depth = tree_.PathLengths();
    std::vector<std::int32_t> inner;
    for (int x = 0; x < tree_.Count(); ++x)
        if (depth[static_cast<std::size_t>(x)] >= fromWords &&
            TFeTreeWalker::HasChildren(tree_.Node(x)))
            inner.push_back(x);
    TCopy copies[2];
    InHalves(
        inner.size(), inner.size() >= splitFrom, [] {},
        [&](std::size_t from, std::size_t to, auto) {
            copies[from == 0 ? 0 : 1].Lists(*this, inner, from, to, first_, count_);
        });
    // The back half's lists follow the front half's.
    children_ = std::move(copies[0].children);
    if (!copies[1].children.empty()) {
        const auto shift = static_cast<std::int32_t>(children_.size());
        for (std::size_t k = inner.size() / 2; k < inner.size(); ++k)
            first_[static_cast<std::size_t>(inner[k])] += shift;
        children_.insert(children_.end(), copies[1].children.begin(), copies[1].children.end());
    }
}

// CollectLeaves' passes over the copied lists: each pass puts every inner
// entry's first child in its place and appends its other children.
const std::vector<std::int32_t>& TPhrasePositions::Of(int node) {
    const TFeTree& tree = lists_.tree_;
    positions_.clear();
    pending_.clear();
    if (!TFeTreeWalker::HasChildren(tree.Node(node))) {
        firstStart_ = -tree.Node(node).Link;
        positions_.push_back(PhraseOffset(lists_.words_, firstStart_));
        return positions_;
    }
    positions_.push_back(node);
    pending_.push_back(0);
    while (!pending_.empty()) {
        appended_.clear();
        std::size_t kept = 0;
        for (const std::size_t at : pending_) {
            const auto x = static_cast<std::size_t>(positions_[at]);
            const TPhraseChildren::TChild* child = lists_.children_.data() + lists_.first_[x];
            const TPhraseChildren::TChild* const end = child + lists_.count_[x];
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
