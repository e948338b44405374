// Ukkonen's online suffix tree construction.
#pragma once

#include "FeBase.h"
#include "FeChildIndex.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lexorin {

class TUkkTreeBuilder : public TFeTreeBuilder {
public:
    using TNodeEvent = std::function<void(TFeTree& tree, int node)>;
    using TProgressEvent = std::function<void(TFeTree& tree, int phase, bool& cancel)>;

    // Builds the suffix tree of the tree's string object, which must end with
    // a terminator equal to no other symbol, and finishes it. When OnProgress
    // asks to cancel, the build stops before the next phase and the tree holds
    // a finished but incomplete tree.
    void Build(TFeTree& tree) override;
    bool Cancelled() const { return cancelled_; }

    TNodeEvent OnLeafAdded;            // a new leaf
    TNodeEvent OnSplit;                // a new internal node made by a split
    TProgressEvent OnProgress;         // once per phase, phase 1..Length - 1

private:
    struct TLocation {
        int node;
        int rest; // symbols of the node's edge below the end of the path
    };
    // Where the path of symbols From..To ends, found from the root or from
    // the tree's own suffix link of the last leaf's parent.
    TLocation Locate(int from, int to) const;
    // The same location found in amortised constant time: from the previous
    // extension's end through the builder's complete suffix links, or by
    // advancing the location at which the previous phase stopped.
    TLocation NextLocation(int j, int i) const;
    TLocation Advance(int node, int used, int i) const;
    TLocation WalkDown(int node, int from, int d) const;
    int FindChild(int node, std::int32_t key) const;
    void IndexChild(int child);
    int FullLink(int node) const {
        return static_cast<std::size_t>(node) < fullLink_.size() ? fullLink_[node] : -1;
    }

    TFeTree* tree_ = nullptr;
    int pendingNode_ = -1;
    int lastLeaf_ = -1;
    bool cancelled_ = false;

    // Symbol keys of the string, and the children by the key of their edge's
    // first symbol.
    std::vector<std::int32_t> keys_;
    std::unique_ptr<TFeChildIndex> index_;

    // The tree's Link fields hold only the links the construction rules give
    // them. For its own searches the builder keeps the suffix link of every
    // internal node (-1 while unknown), set when the next extension ends.
    std::vector<std::int32_t> fullLink_;
    int previousEnd_ = -1;       // node at which the previous extension's path ended
    bool previousEndIsNew_ = false; // that node was made by its split
};

} // namespace lexorin
