#include "FeSTU.h"

#include "FeErrors.h"

#include <algorithm>

namespace lexorin {
namespace {

constexpr std::int32_t kEmpty = -1;

} // namespace

int TUkkTreeBuilder::FindChild(int node, std::int32_t key) const {
    return index_->Find(node, key);
}

void TUkkTreeBuilder::IndexChild(int child) {
    const TFeTreeNode& c = tree_->Node(child);
    index_->Assign(c.Parent, keys_[c.EdgeStart], child);
}

TUkkTreeBuilder::TLocation TUkkTreeBuilder::Locate(int from, int to) const {
    int d = to - from + 1;
    int current = 0;
    if (d == 0)
        return {0, 0};
    // The previous path ended d symbols into LastLeaf's edge below P; this
    // one is the same without its first symbol: P's suffix link, then the
    // same d symbols.
    if (lastLeaf_ >= 0) {
        const TFeTreeNode& leaf = tree_->Node(lastLeaf_);
        const int parent = leaf.Parent;
        if (parent != 0 && tree_->Node(parent).Link > 0) {
            current = tree_->Node(parent).Link;
            d = tree_->EdgeEnd(lastLeaf_) - leaf.EdgeStart;
            if (d == 0)
                return {current, 0};
            from = leaf.EdgeStart;
        }
    }
    // Only the first symbol of each edge is compared: the path is known to exist.
    for (;;) {
        if (tree_->Node(current).FirstChild == -1)
            return {current, 0};
        const int child = FindChild(current, keys_[from]);
        if (child == kEmpty)
            throw EFeInternalError("no edge continues the path of a suffix; the symbols "
                                   "compare inconsistently or the terminator is not unique");
        const int g = tree_->EdgeLength(child);
        if (g >= d)
            return {child, g - d};
        d -= g;
        from += g;
        current = child;
    }
}

TUkkTreeBuilder::TLocation TUkkTreeBuilder::WalkDown(int node, int from, int d) const {
    for (;;) {
        if (d == 0 || tree_->Node(node).FirstChild == -1)
            return {node, 0};
        const int child = FindChild(node, keys_[from]);
        if (child == kEmpty)
            throw EFeInternalError("no edge continues the path of a suffix; the symbols "
                                   "compare inconsistently");
        const int g = tree_->EdgeLength(child);
        if (g >= d)
            return {child, g - d};
        d -= g;
        from += g;
        node = child;
    }
}

TUkkTreeBuilder::TLocation TUkkTreeBuilder::NextLocation(int j, int i) const {
    if (j == i + 1)
        return {0, 0};
    if (previousEnd_ > 0) {
        if (!previousEndIsNew_ && FullLink(previousEnd_) >= 0)
            return {FullLink(previousEnd_), 0};
        if (previousEndIsNew_) {
            // The new node's label without its first symbol: from the
            // parent's suffix link, down the new node's edge.
            const TFeTreeNode& m = tree_->Node(previousEnd_);
            const int g = tree_->EdgeLength(previousEnd_);
            if (m.Parent == 0)
                return WalkDown(0, m.EdgeStart + 1, g - 1);
            if (FullLink(m.Parent) >= 0)
                return WalkDown(FullLink(m.Parent), m.EdgeStart, g);
        }
    }
    return Locate(j, i);
}

void TUkkTreeBuilder::Build(TFeTree& tree) {
    tree_ = &tree;
    if (tree.Count() != 0)
        tree.Clear();
    const int n = tree.StringObject()->Length();
    if (n < 1)
        throw EFeError("A suffix tree needs a string of at least one symbol");
    keys_ = tree.StringObject()->SymbolKeys();
    // Natural text makes about 1.6 nodes per symbol; the index grows if needed.
    index_ = std::make_unique<TFeChildIndex>(static_cast<std::size_t>(n) * 8 / 5);
    // Grown with the nodes; the reserve costs address space only.
    fullLink_.clear();
    fullLink_.reserve(2 * static_cast<std::size_t>(n) + 1);

    tree.AddChild(-1);
    const int first = tree.AddChild(0);
    tree.Node(first).EdgeStart = 1;
    tree.Node(first).EdgeEnd = -1;
    IndexChild(first);
    tree.SetCurrentEnd(1);
    lastLeaf_ = -1;
    cancelled_ = false;
    int done = 1; // the last suffix start whose extension is made

    // Where the extension that ended the previous phase found its symbol
    // present: the node and how many symbols of its edge the path used.
    int presentNode = -1;
    int presentUsed = 0;

    for (int i = 1; i < n; ++i) {
        if (OnProgress) {
            OnProgress(tree, i, cancelled_);
            if (cancelled_)
                break;
        }
        pendingNode_ = -1;
        lastLeaf_ = -1;
        previousEnd_ = -1;
        tree.SetCurrentEnd(i + 1); // every open leaf grows by symbol i + 1
        const std::int32_t next = keys_[i + 1];
        int newNode = -1; // internal node made by the previous extension, awaiting its full link
        for (int j = done + 1; j <= i + 1; ++j) {
            TLocation at;
            if (presentNode >= 0) {
                // The first extension continues the path that was present
                // one symbol further.
                at = Advance(presentNode, presentUsed, i);
                presentNode = -1;
            } else {
                at = NextLocation(j, i);
            }
            // The node made by the previous extension links to where this one ends.
            const int awaiting = newNode;
            newNode = -1;
            const auto linkAwaiting = [&](int node) {
                if (awaiting < 0)
                    return;
                if (fullLink_.size() <= static_cast<std::size_t>(awaiting))
                    fullLink_.resize(static_cast<std::size_t>(tree.Count()), -1);
                fullLink_[awaiting] = node;
            };

            int leaf = -1;
            int target = -1;
            if (at.rest == 0) {
                if (tree.Node(at.node).FirstChild == -1) {
                    // The path ends at a leaf, which stays open.
                    tree.Node(at.node).EdgeEnd = -1;
                    lastLeaf_ = at.node;
                    pendingNode_ = -1;
                    previousEnd_ = -1;
                    done = j;
                    continue;
                }
                linkAwaiting(at.node);
                if (FindChild(at.node, next) != kEmpty) {
                    presentNode = at.node;
                    presentUsed = tree.Node(at.node).Parent == -1 ? 0 : tree.EdgeLength(at.node);
                    pendingNode_ = -1;
                    done = j - 1;
                    break;
                }
                leaf = tree.AddChild(at.node);
                target = at.node;
            } else {
                if (keys_[tree.EdgeEnd(at.node) - at.rest + 1] == next) {
                    presentNode = at.node;
                    presentUsed = tree.EdgeLength(at.node) - at.rest;
                    pendingNode_ = -1;
                    done = j - 1;
                    break;
                }
                // The new internal node takes over the split node's slot in
                // the index: same parent, same first symbol.
                leaf = tree.SplitEdge(at.node, at.rest);
                target = tree.Count() - 2;
                IndexChild(target);
                IndexChild(at.node);
                linkAwaiting(target);
                newNode = target;
            }
            tree.Node(leaf).EdgeStart = i + 1;
            tree.Node(leaf).EdgeEnd = -1;
            IndexChild(leaf);
            lastLeaf_ = leaf;
            if (OnLeafAdded)
                OnLeafAdded(tree, leaf);
            if (target != at.node && OnSplit)
                OnSplit(tree, target);
            // The tree's own links join consecutive extensions that add leaves.
            if (pendingNode_ >= 0 && tree.Node(pendingNode_).Link == 0)
                tree.Node(pendingNode_).Link = target;
            pendingNode_ = target;
            previousEnd_ = target;
            previousEndIsNew_ = newNode >= 0;
            done = j;
        }
    }
    keys_ = {};
    index_.reset();
    fullLink_ = {};
    tree.Finish();
}

TUkkTreeBuilder::TLocation TUkkTreeBuilder::Advance(int node, int used, int i) const {
    // `used` symbols of the node's edge were on the path in the previous
    // phase; open leaves have grown by one symbol since.
    if (tree_->Node(node).Parent == -1 || used == tree_->EdgeLength(node)) {
        const int child = FindChild(node, keys_[i]);
        if (child == kEmpty)
            throw EFeInternalError("a symbol found present has no edge");
        return {child, tree_->EdgeLength(child) - 1};
    }
    return {node, tree_->EdgeLength(node) - used - 1};
}

} // namespace lexorin
