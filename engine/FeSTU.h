// Ukkonen's online suffix tree construction.
#pragma once

#include "FeBase.h"

#include <functional>

namespace lexorin {

template <typename Key> class TUkkGrowth;

class TUkkTreeBuilder : public TFeTreeBuilder {
public:
    using TNodeEvent = std::function<void(TFeTree& tree, int node)>;
    using TProgressEvent = std::function<void(TFeTree& tree, int phase, bool& cancel)>;

    // Builds the suffix tree of the tree's string object, which must end with
    // a terminator equal to no other symbol, and finishes it. When OnProgress
    // asks to cancel, the build stops before the next phase and the tree holds
    // a finished but incomplete tree. Children lists are linked when the
    // symbols have all been added, so the node events see nodes without them.
    void Build(TFeTree& tree) override;
    bool Cancelled() const { return cancelled_; }

    TNodeEvent OnLeafAdded;    // a new leaf
    TNodeEvent OnSplit;        // a new internal node made by a split
    TProgressEvent OnProgress; // once per phase, phase 1..Length - 1

private:
    template <typename Key> friend class TUkkGrowth;
    bool cancelled_ = false;
};

} // namespace lexorin
