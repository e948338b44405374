// The suffix tree: node storage, the finishing pass and read-only walks.
#include "FeBase.h"
#include "FeErrors.h"
#include "FeUtils.h"

#include <algorithm>
#include <set>

namespace lexorin {

TFeTree::TFeTree(TFeStringObject* stringObject, bool ownsString) : stringObject_(stringObject) {
    if (ownsString)
        ownedString_.reset(stringObject);
}

TFeTree::TFeTree(std::unique_ptr<TFeStringObject> stringObject)
    : TFeTree(stringObject.release(), true) {}

TFeTree::~TFeTree() = default;

void TFeTree::Build(TFeTreeBuilder& builder) {
    Clear();
    // A suffix tree over n symbols has at most 2n nodes. Untouched slots of
    // the block cost address space only, and are cut off below.
    const std::size_t capacity = 2 * static_cast<std::size_t>(stringObject_->Length()) + 1;
    nodes_.SetCapacity(capacity);
    previous_.SetCapacity(capacity);
    builder.Build(*this);
    nodes_.SetCapacity(nodes_.Size());
    previous_.Clear();
}

void TFeTree::Clear() {
    nodes_.Clear();
    previous_.Clear();
    currentEnd_ = 0;
}

int TFeTree::ChildCount(int i) const {
    int count = 0;
    for (int c = nodes_[i].FirstChild; c != -1; c = nodes_[c].NextSibling)
        ++count;
    return count;
}

int TFeTree::Child(int i, int k) const {
    if (k < 0)
        return -1;
    int c = nodes_[i].FirstChild;
    while (c != -1 && k-- > 0)
        c = nodes_[c].NextSibling;
    return c;
}

TFeIntArray TFeTree::Children(int i) const {
    TFeIntArray children;
    for (int c = nodes_[i].FirstChild; c != -1; c = nodes_[c].NextSibling)
        children.push_back(c);
    return children;
}

int TFeTree::PathLength(int i) const {
    int length = 0;
    for (int x = i; nodes_[x].Parent != -1; x = nodes_[x].Parent)
        length += EdgeLength(x);
    return length;
}

int TFeTree::NewNode() {
    const bool tracking = previous_.Size() == nodes_.Size();
    nodes_.PushBack(TFeTreeNode{}, GrowBy);
    if (tracking)
        previous_.PushBack(-1, GrowBy);
    return Count() - 1;
}

void TFeTree::EnsureBackLinks() {
    if (previous_.Size() == nodes_.Size())
        return;
    previous_.Clear();
    previous_.SetCapacity(nodes_.Capacity());
    for (int i = 0; i < Count(); ++i)
        previous_.PushBack(-1, 1);
    for (int i = 0; i < Count(); ++i) {
        int last = -1;
        for (int c = nodes_[i].FirstChild; c != -1; c = nodes_[c].NextSibling) {
            previous_[c] = last;
            last = c;
        }
        if (last != -1)
            previous_[nodes_[i].FirstChild] = last;
    }
}

void TFeTree::AppendChild(int parent, int child) {
    TFeTreeNode& p = nodes_[parent];
    nodes_[child].NextSibling = -1;
    if (p.FirstChild == -1) {
        p.FirstChild = child;
        previous_[child] = child;
        return;
    }
    const int last = previous_[p.FirstChild];
    nodes_[last].NextSibling = child;
    previous_[child] = last;
    previous_[p.FirstChild] = child;
}

int TFeTree::AddChild(int parent) {
    EnsureBackLinks();
    const int node = NewNode();
    nodes_[node].Parent = parent;
    if (parent >= 0)
        AppendChild(parent, node);
    return node;
}

int TFeTree::SplitEdge(int h, int r) {
    EnsureBackLinks();
    const int m = NewNode();
    const int parent = nodes_[h].Parent;

    // M takes H's place among the parent's children.
    TFeTreeNode& p = nodes_[parent];
    const int before = previous_[h];
    const int after = nodes_[h].NextSibling;
    if (p.FirstChild == h) {
        p.FirstChild = m;
        previous_[m] = before == h ? m : before;
    } else {
        nodes_[before].NextSibling = m;
        previous_[m] = before;
    }
    nodes_[m].NextSibling = after;
    if (after != -1)
        previous_[after] = m;
    else
        previous_[p.FirstChild] = m;

    const int end = EdgeEnd(h);
    nodes_[m].Parent = parent;
    nodes_[m].EdgeStart = nodes_[h].EdgeStart;
    nodes_[m].EdgeEnd = end - r;
    nodes_[h].Parent = m;
    nodes_[h].EdgeStart = end - r + 1;

    const int leaf = NewNode();
    nodes_[leaf].Parent = m;
    ResetOccurrences(m);
    // M's children are [H, L].
    nodes_[m].FirstChild = h;
    nodes_[h].NextSibling = leaf;
    nodes_[leaf].NextSibling = -1;
    previous_[h] = leaf;
    previous_[leaf] = h;
    return leaf;
}

std::vector<std::int32_t> TFeTree::TopDownOrder() const {
    std::vector<std::int32_t> order;
    if (Count() == 0)
        return order;
    order.reserve(nodes_.Size());
    order.push_back(0);
    for (std::size_t k = 0; k < order.size(); ++k)
        for (int c = nodes_[order[k]].FirstChild; c != -1; c = nodes_[c].NextSibling)
            order.push_back(c);
    return order;
}

void TFeTree::Finish() {
    // Each open leaf's Link becomes its path length minus (Length + 1), that is
    // minus the start of its suffix, and every ancestor counts the leaf once.
    // One breadth-first pass sums the path lengths top-down; leaf counts are
    // then summed bottom-up over the same order. Parents' positions in that
    // order never decrease, so the bottom-up pass runs through memory in sequence.
    if (Count() == 0)
        return;
    constexpr std::int32_t kOpenLeaf = -1; // in place of the path length of a leaf just closed
    const int suffixBase = stringObject_->Length() + 1;
    std::vector<std::int32_t> order{0};
    std::vector<std::int32_t> parentAt{-1};
    std::vector<std::int32_t> depth{0};
    order.reserve(nodes_.Size());
    parentAt.reserve(nodes_.Size());
    depth.reserve(nodes_.Size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::int32_t base = depth[k];
        for (int c = nodes_[order[k]].FirstChild; c != -1; c = nodes_[c].NextSibling) {
            TFeTreeNode& node = nodes_[c];
            std::int32_t length = base + EdgeLength(c);
            if (node.EdgeEnd == -1) {
                node.Link = length - suffixBase;
                node.EdgeEnd = currentEnd_;
                length = kOpenLeaf;
            }
            order.push_back(c);
            parentAt.push_back(static_cast<std::int32_t>(k));
            depth.push_back(length);
        }
    }
    std::vector<std::int32_t>& below = parentAt; // reused once the order is complete
    std::vector<std::int32_t> leavesBelow(order.size(), 0);
    for (std::size_t k = order.size(); k-- > 1;)
        leavesBelow[static_cast<std::size_t>(below[k])] +=
            leavesBelow[k] + (depth[k] == kOpenLeaf ? 1 : 0);
    for (std::size_t k = 0; k < order.size(); ++k)
        if (leavesBelow[k] != 0)
            nodes_[order[k]].Occurrences += leavesBelow[k];
}

std::unique_ptr<TFeStringObject> TFeTree::NodeString(int i, int symbols) const {
    const int length = PathLength(i);
    return stringObject_->SubString(EdgeEnd(i) - length + 1, symbols == 0 ? length : symbols);
}

std::vector<std::string> TFeTree::FullWords(int i) const {
    const auto* pas = dynamic_cast<const TFePasStringObject*>(stringObject_);
    if (pas == nullptr)
        throw EFeInvalidCast("FullWords needs a tree over a character string");
    const std::string& text = pas->Data();
    const std::size_t length = text.size();

    // The first form met of each word; forms that differ only in case are one entry.
    const auto less = [](const std::string& a, const std::string& b) {
        return CompareTextIgnoreCase(a, b) < 0;
    };
    std::set<std::string, decltype(less)> words(less);
    std::vector<std::int32_t> leaves;
    TFeTreeWalker::CollectLeaves(*this, i, leaves);
    for (std::int32_t leaf : leaves) {
        std::size_t p = static_cast<std::size_t>(-static_cast<std::int64_t>(nodes_[leaf].Link));
        if (p < 1)
            continue;
        while (p <= length && !IsWordCharAt(text, p))
            ++p;
        if (p > length)
            continue;
        std::size_t first = p;
        std::size_t last = p;
        while (last < length && IsWordCharAt(text, last + 1))
            ++last;
        while (first > 1 && IsWordCharAt(text, first - 1))
            --first;
        std::string word = text.substr(first - 1, last - first + 1);
        if (!pas->CaseSensitive())
            word = LowerCaseText(word);
        words.insert(std::move(word));
    }
    return std::vector<std::string>(words.begin(), words.end());
}

void TFeTreeWalker::CollectLeaves(const TFeTree& tree, int i, std::vector<std::int32_t>& leaves) {
    // Each pass replaces every internal entry by its first child and appends
    // its other children; entries appended in a pass wait for the next one.
    // Only the positions that still hold internal nodes are visited, so the
    // walk is linear in the size of the subtree.
    const auto internal = [&tree](int x) {
        const TFeTreeNode& node = tree.Node(x);
        return node.Link >= 0 && node.FirstChild != -1;
    };
    leaves.push_back(i);
    std::vector<std::size_t> pending;
    if (internal(i))
        pending.push_back(leaves.size() - 1);
    std::vector<std::size_t> next;
    std::vector<std::size_t> appended;
    while (!pending.empty()) {
        next.clear();
        appended.clear();
        for (std::size_t position : pending) {
            const int first = tree.Node(leaves[position]).FirstChild;
            leaves[position] = first;
            if (internal(first))
                next.push_back(position);
            for (int c = tree.Node(first).NextSibling; c != -1; c = tree.Node(c).NextSibling) {
                leaves.push_back(c);
                if (internal(c))
                    appended.push_back(leaves.size() - 1);
            }
        }
        next.insert(next.end(), appended.begin(), appended.end());
        pending.swap(next);
    }
}

int TFeTreeWalker::FirstLeaf(const TFeTree& tree, int i) {
    while (tree.Node(i).Link >= 0 && tree.Node(i).FirstChild != -1)
        i = tree.Node(i).FirstChild;
    return i;
}

int CompareLeavesByPosition(const TFeTreeNode& a, const TFeTreeNode& b) {
    return b.Link > a.Link ? 1 : (b.Link < a.Link ? -1 : 0);
}

} // namespace lexorin
