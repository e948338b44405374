#include "FeSaTree.h"

#include "FeErrors.h"
#include "FeHalves.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <divsufsort.h>
#include <future>
#include <limits>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace lexorin {
namespace {

using TIndexes = TFeIndexArray;

// How far ahead loops over symbols ask for the records they will read at
// random places, so that the waits for them overlap.
constexpr int kAhead = 16;

// Thrown out of a stage when the caller cancels; Build catches it.
struct TBuildCancelled {};

// Reports a stage's progress at its start and every `step` ticks of its
// loops; `report` gets the stage number and throws TBuildCancelled to stop.
class TProgress {
public:
    TProgress(std::function<void(int stage)> report, int step)
        : report_(std::move(report)), step_(std::max(1, step)) {}

    int Step() const { return step_; }
    void Start(int stage) {
        stage_ = stage;
        left_ = step_;
        Report();
    }
    void Tick() {
        if (--left_ == 0) {
            left_ = step_;
            Report();
        }
    }
    void Report() {
        if (report_)
            report_(stage_);
    }

private:
    const std::function<void(int stage)> report_;
    const int step_;
    int stage_ = 0;
    int left_ = 0;
};

template <typename T> void Release(TPageVector<T>& values) {
    TPageVector<T>().swap(values);
}

// Suffix arrays hold 0-based suffix starts; keys[1..n] are the symbols.
TIndexes ByteSuffixArray(const TPageVector<std::uint8_t>& keys) {
    const int n = static_cast<int>(keys.size()) - 1;
    TIndexes sa(static_cast<std::size_t>(n));
    if (divsufsort(keys.data() + 1, sa.data(), n) != 0)
        throw EFeError("The suffix array could not be built");
    return sa;
}

// The rank of each of keys[1..n] among the distinct keys, and their number.
// Keys within a range of about twice n (a word string's ids or classes) are
// ranked by counting; others by sorting a copy.
std::vector<std::uint32_t> KeyRanks(const TPageVector<std::int32_t>& keys, std::size_t& distinct) {
    const auto [low, high] = std::minmax_element(keys.begin() + 1, keys.end());
    const std::size_t n = keys.size() - 1;
    std::vector<std::uint32_t> ranks(n);
    const auto range = static_cast<std::uint64_t>(std::int64_t{*high} - *low) + 1;
    if (range <= 2 * static_cast<std::uint64_t>(n) + 1024) {
        std::vector<std::uint32_t> rankOf(static_cast<std::size_t>(range) + 1, 0);
        for (std::size_t p = 1; p <= n; ++p)
            rankOf[static_cast<std::size_t>(keys[p] - *low) + 1] = 1;
        for (std::size_t k = 1; k < rankOf.size(); ++k)
            rankOf[k] += rankOf[k - 1];
        for (std::size_t p = 0; p < n; ++p)
            ranks[p] = rankOf[static_cast<std::size_t>(keys[p + 1] - *low)];
        distinct = rankOf.back();
        return ranks;
    }
    std::vector<std::int32_t> sorted(keys.begin() + 1, keys.end());
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (std::size_t p = 0; p < n; ++p)
        ranks[p] = static_cast<std::uint32_t>(
            std::lower_bound(sorted.begin(), sorted.end(), keys[p + 1]) - sorted.begin());
    distinct = sorted.size();
    return ranks;
}

// Suffixes of integer keys, sorted as bytes: each key becomes the same
// number of big-endian bytes of its rank among the distinct keys, and only
// the suffixes that start at a whole key are kept, in their order. Any order
// of the keys would serve; the tree depends on their equality alone.
TIndexes IntSuffixArray(const TPageVector<std::int32_t>& keys) {
    const std::size_t n = keys.size() - 1;
    std::size_t width = 1;
    TPageVector<std::uint8_t> bytes;
    {
        std::size_t distinct = 0;
        const std::vector<std::uint32_t> ranks = KeyRanks(keys, distinct);
        while (width < 4 && (distinct - 1) >> (8 * width) != 0)
            ++width;
        if (n * width > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            throw EFeError("The string is too long for a suffix array");
        bytes.resize(n * width);
        for (std::size_t p = 0; p < n; ++p)
            for (std::size_t k = 0; k < width; ++k)
                bytes[p * width + k] = static_cast<std::uint8_t>(ranks[p] >> (8 * (width - 1 - k)));
    }
    TIndexes all(bytes.size());
    if (divsufsort(bytes.data(), all.data(), static_cast<std::int32_t>(bytes.size())) != 0)
        throw EFeError("The suffix array could not be built");
    Release(bytes);
    TIndexes sa;
    sa.reserve(n);
    for (const std::int32_t start : all)
        if (static_cast<std::size_t>(start) % width == 0)
            sa.push_back(static_cast<std::int32_t>(static_cast<std::size_t>(start) / width));
    return sa;
}

// Passes in halves side by side (see InHalves) when `halves` is set and the
// range is long enough for two threads to pay.
template <typename Body>
void StageInHalves(std::size_t count, bool halves, TProgress& progress, Body body) {
    InHalves(
        count, halves && count >= 2 * static_cast<std::size_t>(progress.Step()),
        [&] { progress.Tick(); }, body);
}

// The LCP array by the Phi construction: lcp[r] is the length of the common
// prefix of the suffixes sa[r - 1] and sa[r]; lcp[0] is 0. It is first
// computed in text order, in one array that holds the previous suffix in
// sorted order for every start until its value is known, and then gathered
// into sorted order. Each pass may run in two halves side by side: in text
// order a half starts from a common prefix of 0, a lower bound like any other.
template <typename Key>
TIndexes LcpArray(const TPageVector<Key>& keys, const TIndexes& sa, bool halves,
                  TProgress& progress) {
    const std::size_t n = sa.size();
    TIndexes plcp(n);
    StageInHalves(n, halves, progress, [&](std::size_t from, std::size_t to, auto tick) {
        for (std::size_t r = from; r < to; ++r, tick())
            plcp[static_cast<std::size_t>(sa[r])] = r == 0 ? -1 : sa[r - 1];
    });
    StageInHalves(n, halves, progress, [&](std::size_t from, std::size_t to, auto tick) {
        std::size_t h = 0;
        for (std::size_t p = from; p < to; ++p, tick()) {
            std::int32_t& value = plcp[p];
            if (value < 0) {
                h = 0;
                value = 0;
                continue;
            }
            const auto q = static_cast<std::size_t>(value);
            while (p + h < n && q + h < n && keys[p + h + 1] == keys[q + h + 1])
                ++h;
            value = static_cast<std::int32_t>(h);
            if (h > 0)
                --h;
        }
    });
    TIndexes lcp(n);
    StageInHalves(n, halves, progress, [&](std::size_t from, std::size_t to, auto tick) {
        for (std::size_t r = from; r < to; ++r, tick())
            lcp[r] = plcp[static_cast<std::size_t>(sa[r])];
    });
    return lcp;
}

// The suffix array of the byte keys when there are any, else of the
// integer keys.
TIndexes SuffixArray(const TPageVector<std::uint8_t>& bytes,
                     const TPageVector<std::int32_t>& keys) {
    return bytes.empty() ? IntSuffixArray(keys) : ByteSuffixArray(bytes);
}

// Sorting the suffixes is one library call. On a thread of its own, with
// the keys and the suffix array in a job that the thread shares, the caller
// keeps getting progress calls while it runs; when the caller cancels, the
// thread finishes alone and the last owner frees the job.
struct TSortJob {
    TPageVector<std::uint8_t> bytes;
    TPageVector<std::int32_t> keys;
    TIndexes sa;
    std::promise<void> done;

    void Run() {
        // One sort at a time: a sort left running by a cancelled build
        // finishes before the next starts, so they never pile up.
        static std::mutex oneAtATime;
        try {
            const std::lock_guard<std::mutex> lock(oneAtATime);
            sa = SuffixArray(bytes, keys);
            done.set_value();
        } catch (...) {
            done.set_exception(std::current_exception());
        }
    }
};

void SortAside(TSortJob& job, TProgress& progress) {
    auto shared = std::make_shared<TSortJob>(std::move(job));
    std::future<void> done = shared->done.get_future();
    try {
        std::thread([shared] { shared->Run(); }).detach();
    } catch (const std::system_error&) {
        shared->Run(); // no thread to be had: sorted here, without progress calls
    }
    progress.Report();
    while (done.wait_for(std::chrono::milliseconds(TSaTreeBuilder::SortSliceMs)) !=
           std::future_status::ready)
        progress.Report();
    done.get();
    job.bytes = std::move(shared->bytes);
    job.keys = std::move(shared->keys);
    job.sa = std::move(shared->sa);
}

// The steps from the arrays to the tree. Internal nodes are first numbered
// in the order their LCP intervals open (0 the root); then the order in
// which the online construction makes them is derived, and the nodes are
// written in that order: the internal ones first, into the tail of the node
// array, then all of them from the front, each leaf between them, which
// moves every internal node forward to its place. So besides the tree only
// per-symbol arrays that are freed as they are read are alive at the end.
class TSaConstruction {
public:
    // With `halves`, passes that split into two independent halves run them
    // side by side.
    TSaConstruction(const TFeStringObject& string, bool halves, TProgress& progress)
        : n_(string.Length()), halves_(halves), progress_(progress) {
        bytes_ = string.ByteSymbolKeys();
        if (bytes_.empty())
            keys_ = string.SymbolKeys();
    }

    void SortSuffixes() {
        CheckTerminator();
        if (n_ <= progress_.Step()) {
            sa_ = SuffixArray(bytes_, keys_);
            return;
        }
        TSortJob job{std::move(bytes_), std::move(keys_), {}, {}};
        SortAside(job, progress_);
        bytes_ = std::move(job.bytes);
        keys_ = std::move(job.keys);
        sa_ = std::move(job.sa);
    }

    void FindCommonPrefixes() {
        lcp_ = bytes_.empty() ? LcpArray(keys_, sa_, halves_, progress_)
                              : LcpArray(bytes_, sa_, halves_, progress_);
        Release(bytes_);
        Release(keys_);
    }

    TSuffixArrays TakeArrays() { return {std::move(sa_), std::move(lcp_)}; }
    void FindIntervals();
    void OrderNodes();
    void WriteInternalNodes(TFeTree& tree);
    void WriteAllNodes(TFeTree& tree);
    void LinkChildren(TFeTree& tree);

private:
    // An internal node, by interval number.
    struct TInterval {
        std::int32_t depth;
        std::int32_t minLeaf; // 0-based start of the first occurrence
        std::int32_t leaves;
        std::int32_t parent;
        std::int32_t index; // in the tree
        std::int32_t link;  // Link value in the tree
    };
    struct TEntry {
        std::int32_t node; // internal node, or ~start for a leaf
        std::int32_t depth;
        std::int32_t minLeaf;
        std::int32_t leaves;
    };

    template <typename Key> static bool LastIsUnique(const TPageVector<Key>& keys) {
        return std::count(keys.begin() + 1, keys.end(), keys.back()) == 1;
    }
    void CheckTerminator() const {
        if (!(bytes_.empty() ? LastIsUnique(keys_) : LastIsUnique(bytes_)))
            throw EFeError("The string does not end with a terminator equal to no other symbol");
    }
    void Attach(const TEntry& child, TEntry& parent);
    void Close(const TEntry& entry) {
        if (entry.node < 0)
            return;
        TInterval& interval = intervals_[static_cast<std::size_t>(entry.node)];
        interval.minLeaf = entry.minLeaf;
        interval.leaves = entry.leaves;
    }
    TEntry NewInternal(std::int32_t depth) {
        intervals_.push_back({depth, 0, 0, -1, 0, 0});
        return {static_cast<std::int32_t>(intervals_.size()) - 1, depth, n_, 0};
    }
    TInterval& Interval(std::int32_t v) { return intervals_[static_cast<std::size_t>(v)]; }
    // Nodes in the tree: the root, every internal node and a leaf per symbol.
    int NodeCount() const { return internals_ + n_; }

    const int n_;
    const bool halves_;
    TProgress& progress_;
    TPageVector<std::uint8_t> bytes_;
    TPageVector<std::int32_t> keys_;
    TIndexes sa_;
    TIndexes lcp_;
    TPageVector<TInterval> intervals_;
    int internals_ = 0; // the root included
    // By 0-based suffix start: the leaf's parent (by interval number, from
    // WriteInternalNodes on by index in the tree); the node on which the
    // leaf is hung when it is made, the parent of the highest node whose
    // first leaf it is; and whether a split makes a node just before the leaf.
    TIndexes leafParent_;
    TIndexes up_;
    std::vector<bool> splits_;
};

void TSaConstruction::Attach(const TEntry& child, TEntry& parent) {
    if (child.node < 0)
        leafParent_[static_cast<std::size_t>(~child.node)] = parent.node;
    else
        Interval(child.node).parent = parent.node;
    parent.minLeaf = std::min(parent.minLeaf, child.minLeaf);
    parent.leaves += child.leaves;
}

// One pass over the suffixes in sorted order, with the open intervals on a
// stack; a leaf is deeper than any common prefix since the terminator is unique.
void TSaConstruction::FindIntervals() {
    leafParent_.assign(static_cast<std::size_t>(n_), 0);
    // At most n - 1 internal nodes; pages never written cost nothing.
    intervals_.reserve(static_cast<std::size_t>(n_));
    std::vector<TEntry> stack{NewInternal(0)};
    for (int r = 0; r <= n_; ++r, progress_.Tick()) {
        if (r + kAhead < n_) {
            const auto ahead = static_cast<std::size_t>(sa_[static_cast<std::size_t>(r + kAhead)]);
            __builtin_prefetch(&leafParent_[ahead], 1);
        }
        if (r > 0) {
            const std::int32_t h = r == n_ ? 0 : lcp_[static_cast<std::size_t>(r)];
            TEntry last = stack.back();
            stack.pop_back();
            Close(last);
            while (stack.back().depth > h) {
                Attach(last, stack.back());
                last = stack.back();
                stack.pop_back();
                Close(last);
            }
            if (stack.back().depth < h)
                stack.push_back(NewInternal(h));
            Attach(last, stack.back());
        }
        if (r < n_) {
            const std::int32_t start = sa_[static_cast<std::size_t>(r)];
            stack.push_back({~start, n_ - start, start, 1});
        }
    }
    Close(stack.back());
    internals_ = static_cast<int>(intervals_.size());
    Release(sa_);
    Release(lcp_);
}

// A node is made by a split just before the first leaf hung on it. The leaf
// of j + 1 is made in the same phase as the leaf of j exactly when it hangs
// one symbol higher; the node of j then links to its node, which has its
// index by then. Links to the root stay 0.
void TSaConstruction::OrderNodes() {
    // up[j]: the parent of the highest node whose first leaf is j. Each
    // pass writes every slot at most once.
    up_.assign(static_cast<std::size_t>(n_), 0);
    StageInHalves(up_.size(), halves_, progress_, [&](std::size_t from, std::size_t to, auto tick) {
        for (std::size_t j = from; j < to; ++j, tick()) {
            if (j + kAhead < to)
                __builtin_prefetch(&Interval(leafParent_[j + kAhead]));
            const std::int32_t p = leafParent_[j];
            if (Interval(p).minLeaf != static_cast<std::int32_t>(j))
                up_[j] = p;
        }
    });
    StageInHalves(static_cast<std::size_t>(internals_), halves_, progress_,
                  [&](std::size_t from, std::size_t to, auto tick) {
                      for (std::size_t v = std::max<std::size_t>(from, 1); v < to; ++v, tick()) {
                          const TInterval& node = intervals_[v];
                          if (node.minLeaf != Interval(node.parent).minLeaf)
                              up_[static_cast<std::size_t>(node.minLeaf)] = node.parent;
                      }
                  });
    splits_.assign(up_.size(), false);
    std::int32_t made = 1; // the root
    const auto make = [&](std::size_t j) {
        TInterval& node = Interval(up_[j]);
        if (up_[j] != 0 && node.index == 0) {
            node.index = made++;
            splits_[j] = true;
        }
        ++made; // the leaf
    };
    make(0);
    for (std::size_t j = 0; j + 1 < up_.size(); ++j, progress_.Tick()) {
        if (j + kAhead < up_.size())
            __builtin_prefetch(&Interval(up_[j + kAhead]), 1);
        make(j + 1);
        TInterval& v = Interval(up_[j]);
        const TInterval& w = Interval(up_[j + 1]);
        if (v.depth >= 2 && w.depth == v.depth - 1)
            v.link = w.index;
    }
}

// The internal nodes in the order they are made, every field as the online
// construction and the tree's Finish leave it, into the tail of the node
// array; every leaf's parent by its index.
void TSaConstruction::WriteInternalNodes(TFeTree& tree) {
    tree.ResizeUnset(NodeCount());
    TFeTreeNode& root = tree.Node(0);
    root = TFeTreeNode{};
    root.Occurrences = n_ + 1;
    root.NextSibling = 0; // where the online construction leaves it
    StageInHalves(up_.size(), halves_, progress_, [&](std::size_t from, std::size_t to, auto tick) {
        // The nodes made before `from` lie in the tail ahead of this range's.
        auto tail = static_cast<std::int32_t>(
            n_ + 1 + std::count(splits_.begin(), splits_.begin() + from, true));
        for (std::size_t j = from; j < to; ++j, tick()) {
            if (j + kAhead < to) {
                __builtin_prefetch(&Interval(leafParent_[j + kAhead]));
                __builtin_prefetch(&Interval(up_[j + kAhead]));
            }
            std::int32_t& leafParent = leafParent_[j];
            leafParent = Interval(leafParent).index;
            if (!splits_[j])
                continue;
            const TInterval& v = Interval(up_[j]);
            const TInterval& parent = Interval(v.parent);
            TFeTreeNode& node = tree.Node(tail++);
            node.Parent = parent.index;
            // Every edge points into the first occurrence of its node's label.
            node.EdgeStart = v.minLeaf + 1 + parent.depth;
            node.EdgeEnd = v.minLeaf + v.depth;
            node.Occurrences = v.leaves;
            node.Link = v.link;
            node.FirstChild = -1;
            node.NextSibling = v.minLeaf; // until the node is linked, see LinkChildren
        }
    });
    Release(intervals_);
    Release(up_);
}

// From the front: each internal node moves forward from the tail to its
// place, and the leaves are written between them. A place is never ahead of
// the internal nodes still to move, since there are n leaves.
void TSaConstruction::WriteAllNodes(TFeTree& tree) {
    // The parents read so far are given back every 64K leaves.
    constexpr std::size_t kReleaseEvery = 0xFFFF;
    int tail = n_ + 1;
    int x = 1;
    for (std::size_t j = 0; j < splits_.size(); ++j, progress_.Tick()) {
        if (splits_[j])
            tree.Node(x++) = tree.Node(tail++);
        const auto start = static_cast<std::int32_t>(j) + 1;
        TFeTreeNode& leaf = tree.Node(x++);
        leaf = TFeTreeNode{};
        leaf.Parent = leafParent_[j];
        leaf.EdgeStart = start; // the parent's path length is added in LinkChildren
        leaf.EdgeEnd = n_;
        leaf.Link = -start;
        if ((j & kReleaseEvery) == 0)
            ReleaseFront(leafParent_, j);
    }
    Release(leafParent_);
}

// Children in the order of their first leaves: the leaves from the last to
// the first, each with the chain of nodes above it whose first leaf it is,
// are put at the front of their parents' lists. An internal node's
// NextSibling holds the start of its first leaf until the node itself is
// linked, here or later; until then its path length is EdgeEnd minus that.
void TSaConstruction::LinkChildren(TFeTree& tree) {
    std::int32_t leaf = tree.Count() - 1;
    for (std::size_t j = splits_.size(); j-- > 0; leaf -= splits_[j] ? 2 : 1, progress_.Tick()) {
        if (leaf > kAhead) // a node other than the root, which has no parent
            __builtin_prefetch(&tree.Node(tree.Node(leaf - kAhead).Parent), 1);
        TFeTreeNode& node = tree.Node(leaf);
        const TFeTreeNode& above = tree.Node(node.Parent); // not linked yet
        node.EdgeStart += above.EdgeEnd - above.NextSibling;
        for (std::int32_t x = leaf;;) {
            const std::int32_t parent = tree.Node(x).Parent;
            TFeTreeNode& p = tree.Node(parent);
            tree.Node(x).NextSibling = p.FirstChild;
            p.FirstChild = x;
            if (parent == 0 || p.NextSibling != static_cast<std::int32_t>(j))
                break;
            x = parent;
        }
    }
    tree.SetCurrentEnd(n_);
    tree.SetFinished();
}

// What the online construction leaves when cancelled before its first phase.
void FillFirstLeaf(TFeTree& tree) {
    tree.Clear();
    tree.DeferChildLinks();
    tree.AddChild(-1);
    const int leaf = tree.AddChild(0);
    tree.Node(leaf).EdgeStart = 1;
    tree.Node(leaf).EdgeEnd = -1;
    tree.SetCurrentEnd(1);
    tree.LinkDeferredChildren();
    tree.Finish();
}

} // namespace

TSuffixArrays BuildSuffixArrays(const TFeStringObject& string) {
    TProgress progress({}, std::numeric_limits<int>::max());
    progress.Start(0);
    TSaConstruction construction(string, false, progress);
    construction.SortSuffixes();
    construction.FindCommonPrefixes();
    return construction.TakeArrays();
}

void TSaTreeBuilder::Build(TFeTree& tree) {
    const TFeStringObject& string = StartBuild(tree);
    cancelled_ = false;
    TProgress progress(
        [&](int stage) {
            if (OnProgress)
                OnProgress(tree, stage, cancelled_);
            if (cancelled_)
                throw TBuildCancelled();
        },
        ProgressStep);
    try {
        TSaConstruction construction(string, true, progress);
        const std::function<void()> stages[StageCount] = {[&] { construction.SortSuffixes(); },
                                                          [&] { construction.FindCommonPrefixes(); },
                                                          [&] { construction.FindIntervals(); },
                                                          [&] { construction.OrderNodes(); },
                                                          [&] { construction.WriteInternalNodes(tree); },
                                                          [&] { construction.WriteAllNodes(tree); },
                                                          [&] { construction.LinkChildren(tree); }};
        for (int stage = 1; stage <= StageCount; ++stage) {
            progress.Start(stage);
            stages[stage - 1]();
        }
    } catch (const TBuildCancelled&) {
        FillFirstLeaf(tree);
    } catch (...) {
        tree.Clear(); // no node left with fields unset
        throw;
    }
}

} // namespace lexorin
