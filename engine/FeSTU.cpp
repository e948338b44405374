#include "FeSTU.h"

#include "FeChildIndex.h"
#include "FeErrors.h"

#include <cstdint>
#include <vector>

namespace lexorin {

// One construction, over symbol keys of type Key: bytes for characters, so
// that the keys of a long text stay small enough for the cache, and 32-bit
// integers otherwise.
//
// The tree's Link fields receive only the links the construction rules give
// them (set from one leaf-adding extension to the next within a phase, never
// overwritten). For its own searches the construction also keeps the suffix
// link of every internal node, set as soon as the next extension has found
// its place. While child links are deferred, a node's FirstChild field is
// unused, and holds that link (-1 while unknown).
template <typename Key> class TUkkGrowth {
public:
    TUkkGrowth(TUkkTreeBuilder& builder, TFeTree& tree, TPageVector<Key> keys)
        : builder_(builder), tree_(tree), keys_(std::move(keys)),
          // Natural text makes about 1.6 nodes per symbol; the index grows if needed.
          index_(tree, (keys_.size() - 1) * 8 / 5) {}

    // Adds the symbols and returns every node's path length.
    std::vector<std::int32_t> Run();

private:
    struct TLocation {
        int node;
        int rest; // symbols of the node's edge below the end of the path
    };
    static constexpr int kNone = -1;

    const TFeTreeNode& Node(int x) const { return tree_.Node(x); }
    // While the tree grows, exactly the open leaves have no children.
    bool IsLeaf(int x) const { return Node(x).EdgeEnd == -1; }
    int FindChild(int node, Key key) const { return index_.Find(node, key); }
    void IndexChild(int child) {
        const TFeTreeNode& c = Node(child);
        index_.Add(c.Parent, keys_[c.EdgeStart], child);
    }
    int FullLink(int x) const { return Node(x).FirstChild; }
    void SetFullLink(int x, int target) { tree_.Node(x).FirstChild = target; }

    TLocation Locate(int from, int to) const;
    TLocation NextLocation(int j, int i) const;
    TLocation Advance(int node, int used, int i) const;
    TLocation WalkDown(int node, int from, int d) const;

    // A new node's path length: the length of the path at whose end it is
    // made. A leaf records its suffix start instead, since it grows with
    // every phase.
    void Record(int node, int value) {
        if (pathLengths_.size() <= static_cast<std::size_t>(node))
            pathLengths_.resize(static_cast<std::size_t>(node) + 1, 0);
        pathLengths_[static_cast<std::size_t>(node)] = value;
    }

    TUkkTreeBuilder& builder_;
    TFeTree& tree_;
    std::vector<std::int32_t> pathLengths_;
    const TPageVector<Key> keys_; // keys_[1..n]
    TFeChildIndex index_;
    int pendingNode_ = kNone;       // where the previous extension added a leaf, awaiting its link
    int lastLeaf_ = kNone;          // the leaf at which the previous extension ended
    int previousEnd_ = kNone;       // node at which the previous extension's path ended
    bool previousEndIsNew_ = false; // made by that extension's split
};

// Where the path of symbols From..To ends: from the root, or from the tree's
// own suffix link of the last leaf's parent. Only the first symbol of each
// edge is compared, since the path is known to exist.
template <typename Key>
typename TUkkGrowth<Key>::TLocation TUkkGrowth<Key>::Locate(int from, int to) const {
    int d = to - from + 1;
    if (d == 0)
        return {0, 0};
    // The previous path ended d symbols into LastLeaf's edge below P; this
    // one is the same without its first symbol: P's suffix link, then the
    // same d symbols.
    if (lastLeaf_ != kNone) {
        const TFeTreeNode& leaf = Node(lastLeaf_);
        const int parent = leaf.Parent;
        if (parent != 0 && Node(parent).Link > 0) {
            d = tree_.EdgeEnd(lastLeaf_) - leaf.EdgeStart;
            return WalkDown(Node(parent).Link, leaf.EdgeStart, d);
        }
    }
    return WalkDown(0, from, d);
}

template <typename Key>
typename TUkkGrowth<Key>::TLocation TUkkGrowth<Key>::WalkDown(int node, int from, int d) const {
    for (;;) {
        if (d == 0 || IsLeaf(node))
            return {node, 0};
        const int child = FindChild(node, keys_[from]);
        if (child == kNone)
            throw EFeInternalError("no edge continues the path of a suffix");
        const int g = tree_.EdgeLength(child);
        if (g >= d)
            return {child, g - d};
        d -= g;
        from += g;
        node = child;
    }
}

// The location of extension j in amortised constant time: from where the
// previous extension ended, through the complete suffix links. Falls back
// to Locate where a link is not known.
template <typename Key>
typename TUkkGrowth<Key>::TLocation TUkkGrowth<Key>::NextLocation(int j, int i) const {
    if (j == i + 1)
        return {0, 0};
    if (previousEnd_ > 0) {
        if (!previousEndIsNew_ && FullLink(previousEnd_) != kNone)
            return {FullLink(previousEnd_), 0};
        if (previousEndIsNew_) {
            // The new node's label without its first symbol: from the
            // parent's suffix link, down the new node's edge.
            const TFeTreeNode& m = Node(previousEnd_);
            const int g = tree_.EdgeLength(previousEnd_);
            if (m.Parent == 0)
                return WalkDown(0, m.EdgeStart + 1, g - 1);
            if (FullLink(m.Parent) != kNone)
                return WalkDown(FullLink(m.Parent), m.EdgeStart, g);
        }
    }
    return Locate(j, i);
}

// The path at which the previous phase found its symbol present, one symbol
// longer. `used` symbols of the node's edge were on the path then; open
// leaves have grown by one symbol since.
template <typename Key>
typename TUkkGrowth<Key>::TLocation TUkkGrowth<Key>::Advance(int node, int used, int i) const {
    if (Node(node).Parent == -1 || used == tree_.EdgeLength(node)) {
        const int child = FindChild(node, keys_[i]);
        if (child == kNone)
            throw EFeInternalError("a symbol found present has no edge");
        return {child, tree_.EdgeLength(child) - 1};
    }
    return {node, tree_.EdgeLength(node) - used - 1};
}

template <typename Key> std::vector<std::int32_t> TUkkGrowth<Key>::Run() {
    TFeTree& tree = tree_;
    const int n = static_cast<int>(keys_.size()) - 1;
    pathLengths_.reserve(2 * static_cast<std::size_t>(n) + 1);
    tree.DeferChildLinks();
    tree.AddChild(-1);
    const int first = tree.AddChild(0);
    tree.Node(first).EdgeStart = 1;
    tree.Node(first).EdgeEnd = -1;
    Record(0, 0);
    Record(first, 1);
    IndexChild(first);
    tree.SetCurrentEnd(1);
    int done = 1; // the last suffix start whose extension is made

    // Where the extension that ended the previous phase found its symbol.
    int presentNode = kNone;
    int presentUsed = 0;

    for (int i = 1; i < n; ++i) {
        if (builder_.OnProgress) {
            builder_.OnProgress(tree, i, builder_.cancelled_);
            if (builder_.cancelled_)
                break;
        }
        pendingNode_ = kNone;
        lastLeaf_ = kNone;
        previousEnd_ = kNone;
        tree.SetCurrentEnd(i + 1); // every open leaf grows by symbol i + 1
        const Key next = keys_[i + 1];
        int newNode = kNone; // made by the previous extension's split, awaiting its full link
        for (int j = done + 1; j <= i + 1; ++j) {
            TLocation at;
            if (presentNode != kNone) {
                at = Advance(presentNode, presentUsed, i);
                presentNode = kNone;
            } else {
                at = NextLocation(j, i);
            }
            const int awaiting = newNode;
            newNode = kNone;

            int leaf = kNone;
            int target = kNone;
            if (at.rest == 0) {
                if (IsLeaf(at.node)) {
                    // The path ends at a leaf, which stays open.
                    lastLeaf_ = at.node;
                    pendingNode_ = kNone;
                    previousEnd_ = kNone;
                    done = j;
                    continue;
                }
                if (awaiting != kNone)
                    SetFullLink(awaiting, at.node);
                if (FindChild(at.node, next) != kNone) {
                    presentNode = at.node;
                    presentUsed = Node(at.node).Parent == -1 ? 0 : tree.EdgeLength(at.node);
                    pendingNode_ = kNone;
                    done = j - 1;
                    break;
                }
                leaf = tree.AddChild(at.node);
                Record(leaf, j);
                target = at.node;
            } else {
                if (keys_[tree.EdgeEnd(at.node) - at.rest + 1] == next) {
                    presentNode = at.node;
                    presentUsed = tree.EdgeLength(at.node) - at.rest;
                    pendingNode_ = kNone;
                    done = j - 1;
                    break;
                }
                // The new node takes over the split node's entry (same parent,
                // same first symbol); the split node hangs below it then.
                const auto place =
                    index_.PlaceOf(Node(at.node).Parent, keys_[Node(at.node).EdgeStart]);
                leaf = tree.SplitEdge(at.node, at.rest);
                target = tree.Count() - 2;
                Record(target, i - j + 1);
                Record(leaf, j);
                index_.Replace(place, target);
                IndexChild(at.node);
                if (awaiting != kNone)
                    SetFullLink(awaiting, target);
                newNode = target;
            }
            tree.Node(leaf).EdgeStart = i + 1;
            tree.Node(leaf).EdgeEnd = -1;
            IndexChild(leaf);
            lastLeaf_ = leaf;
            if (builder_.OnLeafAdded)
                builder_.OnLeafAdded(tree, leaf);
            if (target != at.node && builder_.OnSplit)
                builder_.OnSplit(tree, target);
            if (pendingNode_ != kNone && Node(pendingNode_).Link == 0)
                tree.Node(pendingNode_).Link = target;
            pendingNode_ = target;
            previousEnd_ = target;
            previousEndIsNew_ = newNode != kNone;
            done = j;
        }
    }
    tree.LinkDeferredChildren();
    for (int x = 1; x < tree.Count(); ++x)
        if (IsLeaf(x))
            pathLengths_[static_cast<std::size_t>(x)] = tree.CurrentEnd() - pathLengths_[x] + 1;
    return std::move(pathLengths_);
}

void TUkkTreeBuilder::Build(TFeTree& tree) {
    const TFeStringObject& string = StartBuild(tree);
    cancelled_ = false;
    std::vector<std::int32_t> pathLengths;
    if (TPageVector<std::uint8_t> bytes = string.ByteSymbolKeys(); !bytes.empty())
        pathLengths = TUkkGrowth<std::uint8_t>(*this, tree, std::move(bytes)).Run();
    else
        pathLengths = TUkkGrowth<std::int32_t>(*this, tree, string.SymbolKeys()).Run();
    tree.Finish(std::move(pathLengths));
}

} // namespace lexorin
