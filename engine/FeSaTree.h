// The suffix tree from a suffix array and its LCP array.
#pragma once

#include "FeBase.h"
#include "FePages.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace lexorin {

// Makes the same tree as TUkkTreeBuilder, node for node: the same node
// indexes (the order in which the online construction makes them), parents,
// edges, children order, Occurrences and Link values. The string object must
// end with a terminator equal to no other symbol.
//
// Why the arrays suffice: the online construction makes the leaf of suffix j
// when it adds symbol j + L(j), where L(j) is the length of the longest
// prefix of suffix j that also starts before j; the leaf hangs on the node u(j)
// of that prefix, which is split from an edge just before the leaf when it
// does not exist yet. In the finished tree, u(j) is the parent of the highest
// node whose first leaf is j. Each edge points into the first occurrence of
// its node's label, and a node's Link is set exactly when the leaf of j + 1
// is made in the same phase as the leaf of j, that is L(j + 1) = L(j) - 1.
// The suffix array (0-based suffix starts in ascending order of the
// suffixes) and the LCP array (lcp[r]: the common prefix of the suffixes at
// r - 1 and r; lcp[0] is 0) over a string object's symbol keys.
using TFeIndexArray = TPageVector<std::int32_t>;
struct TSuffixArrays {
    TFeIndexArray sa;
    TFeIndexArray lcp;
};
// Built on the caller's thread alone, as a plain program would: the
// benchmarks' yardstick for the tree builder.
TSuffixArrays BuildSuffixArrays(const TFeStringObject& string);

class TSaTreeBuilder : public TFeTreeBuilder {
public:
    using TProgressEvent = std::function<void(TFeTree& tree, int stage, bool& cancel)>;
    static constexpr int StageCount = 7;

    // Builds and finishes the tree. When OnProgress asks to cancel, the build
    // stops at once and the tree holds the root and the first leaf, finished.
    void Build(TFeTree& tree) override;
    bool Cancelled() const { return cancelled_; }

    // Called with the stage number 1..StageCount when each stage starts, and
    // again within a stage every ProgressStep symbols or nodes; while the
    // suffixes are sorted (on a thread of their own for strings longer than
    // ProgressStep), right after the sort starts and then every SortSliceMs
    // milliseconds.
    TProgressEvent OnProgress;
    int ProgressStep = 1 << 16;
    static constexpr int SortSliceMs = 20;

private:
    bool cancelled_ = false;
};

} // namespace lexorin
