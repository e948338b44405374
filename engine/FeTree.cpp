// The suffix tree: node storage, the finishing pass and read-only walks.
#include "FeBase.h"
#include "FeErrors.h"
#include "FeUtils.h"

#include <algorithm>
#include <set>

namespace lexorin {

const TFeStringObject& TFeTreeBuilder::StartBuild(TFeTree& tree) {
    if (tree.Count() != 0)
        tree.Clear();
    const TFeStringObject& string = *tree.StringObject();
    if (string.Length() < 1)
        throw EFeError("A suffix tree needs a string of at least one symbol");
    return string;
}

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
    nodes_.SetCapacity(2 * static_cast<std::size_t>(stringObject_->Length()) + 1);
    builder.Build(*this);
    nodes_.SetCapacity(nodes_.Size());
}

void TFeTree::Clear() {
    nodes_.Clear();
    pathLengths_.clear();
    currentEnd_ = 0;
    deferLinks_ = false;
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

int TFeTree::DirectPathLength(int i, bool walkDown) const {
    const TFeTreeNode& node = nodes_[i];
    if (node.Parent == -1)
        return 0;
    const int suffixBase = stringObject_->Length() + 1;
    if (node.Link < 0) // a finished leaf: its suffix starts at -Link
        return suffixBase + node.Link;
    // An internal node: the leaf made right after it lies below it, mostly
    // as its child; later splits may have put nodes in between.
    const int next = i + 1;
    if (next >= Count() || nodes_[next].Link >= 0)
        return -1;
    int length = suffixBase + nodes_[next].Link;
    for (int x = next; x != i; x = nodes_[x].Parent) {
        if (x <= 0 || (x != next && !walkDown))
            return -1; // the root reached (not below it after all), or not a child
        length -= EdgeLength(x);
    }
    return length;
}

int TFeTree::PathLength(int i) const {
    if (pathLengths_.size() == nodes_.Size())
        return pathLengths_[static_cast<std::size_t>(i)];
    if (const int direct = DirectPathLength(i, true); direct >= 0)
        return direct;
    int length = 0;
    for (int x = i; nodes_[x].Parent != -1; x = nodes_[x].Parent)
        length += EdgeLength(x);
    return length;
}

void TFeTree::ResizeUnset(int count) {
    pathLengths_.clear();
    nodes_.Resize(static_cast<std::size_t>(count));
}

int TFeTree::NewNode() {
    pathLengths_.clear();
    nodes_.PushBack(TFeTreeNode{}, GrowBy);
    return Count() - 1;
}

void TFeTree::DeferChildLinks() {
    deferLinks_ = true;
}

int TFeTree::AddChild(int parent) {
    const int node = NewNode();
    nodes_[node].Parent = parent;
    if (deferLinks_) {
        nodes_[node].NextSibling = node; // its first leaf is itself
    } else if (parent >= 0) {
        int* link = &nodes_[parent].FirstChild;
        while (*link != -1)
            link = &nodes_[*link].NextSibling;
        *link = node;
    }
    return node;
}

int TFeTree::SplitEdge(int h, int r) {
    const int m = NewNode();
    const int parent = nodes_[h].Parent;
    const int end = EdgeEnd(h);
    nodes_[m].Parent = parent;
    nodes_[m].EdgeStart = nodes_[h].EdgeStart;
    nodes_[m].EdgeEnd = end - r;
    nodes_[h].Parent = m;
    nodes_[h].EdgeStart = end - r + 1;
    const int leaf = NewNode();
    nodes_[leaf].Parent = m;
    ResetOccurrences(m);
    if (deferLinks_) {
        nodes_[m].NextSibling = nodes_[h].NextSibling; // H's first leaf is M's
        nodes_[leaf].NextSibling = leaf;
        return leaf;
    }
    // M takes H's place among the parent's children; M's children are [H, L].
    int* link = &nodes_[parent].FirstChild;
    while (*link != h)
        link = &nodes_[*link].NextSibling;
    *link = m;
    nodes_[m].NextSibling = nodes_[h].NextSibling;
    nodes_[m].FirstChild = h;
    nodes_[h].NextSibling = leaf;
    return leaf;
}

void TFeTree::LinkDeferredChildren() {
    if (!deferLinks_)
        return;
    deferLinks_ = false;
    // Leaves are made in the order of their suffix starts, so index order
    // is first-occurrence order; while the tree grows, leaves are open.
    std::vector<std::int32_t> last = ResetChildLinks();
    for (int x = 1; x < Count(); ++x)
        if (nodes_[x].EdgeEnd == -1)
            LinkFirstLeafChain(x, last);
}

std::vector<std::int32_t> TFeTree::ResetChildLinks() {
    for (std::size_t i = 0; i < nodes_.Size(); ++i)
        nodes_[i].FirstChild = -1;
    return std::vector<std::int32_t>(nodes_.Size(), -1);
}

// Children are attached in the order of the first leaf made below them: a
// child's place is taken by the node that splits its edge, and that node
// keeps the child's first leaf. So, leaf by leaf in that order, the leaf and
// every ancestor whose first leaf it is are appended to their parents'
// lists. Each node is appended once, and only a node's last child is ever
// looked up.
void TFeTree::LinkFirstLeafChain(int leaf, std::vector<std::int32_t>& last) {
    for (int x = leaf;;) {
        const int parent = nodes_[x].Parent;
        if (last[static_cast<std::size_t>(parent)] == -1)
            nodes_[parent].FirstChild = x;
        else
            nodes_[last[static_cast<std::size_t>(parent)]].NextSibling = x;
        nodes_[x].NextSibling = -1;
        last[static_cast<std::size_t>(parent)] = x;
        // A parent's NextSibling still holds its first leaf until the parent
        // itself is appended; once appended it holds -1 or another node.
        if (parent == 0 || nodes_[parent].NextSibling != leaf)
            return;
        x = parent;
    }
}

const std::vector<std::int32_t>& TFeTree::PathLengths() const {
    if (pathLengths_.size() == nodes_.Size() && !pathLengths_.empty())
        return pathLengths_;
    // Those read off a node or the next in one pass, the others summed from
    // the nearest known ancestor.
    std::vector<std::int32_t> lengths(nodes_.Size());
    for (std::size_t x = 0; x < lengths.size(); ++x)
        lengths[x] = DirectPathLength(static_cast<int>(x), false);
    if (!lengths.empty() && !FillPathLengths(lengths))
        throw EFeInternalError("the parents of the nodes run in a circle");
    pathLengths_ = std::move(lengths);
    return pathLengths_;
}

bool TFeTree::ComputePathLengths(std::vector<std::int32_t>& length) const {
    length.assign(nodes_.Size(), -1);
    if (nodes_.Size() == 0)
        return true;
    length[0] = 0;
    return FillPathLengths(length);
}

bool TFeTree::FillPathLengths(std::vector<std::int32_t>& length) const {
    constexpr std::int32_t kUnknown = -1;
    constexpr std::int32_t kOnPath = -2;
    std::vector<std::int32_t> path;
    for (std::size_t x = 1; x < nodes_.Size(); ++x) {
        int y = static_cast<int>(x);
        while (length[y] == kUnknown) {
            length[y] = kOnPath;
            path.push_back(y);
            y = nodes_[y].Parent;
        }
        if (length[y] == kOnPath)
            return false; // the parents run in a circle
        while (!path.empty()) {
            const int z = path.back();
            path.pop_back();
            length[z] = length[nodes_[z].Parent] + EdgeLength(z);
        }
    }
    return true;
}

void TFeTree::Finish() {
    std::vector<std::int32_t> lengths = PathLengths();
    Finish(std::move(lengths));
}

void TFeTree::Finish(std::vector<std::int32_t> depth) {
    // Each open leaf's Link becomes its path length minus (Length + 1), that is
    // minus the start of its suffix, and every ancestor counts the leaf once.
    // Leaf counts are summed from the deepest nodes up, in an order that
    // needs no walk along the children, whose links lie scattered in memory.
    const std::size_t count = nodes_.Size();
    if (count == 0)
        return;
    if (depth.size() != count || depth[0] != 0)
        throw EFeInternalError("path lengths that do not fit the tree");
    const int suffixBase = stringObject_->Length() + 1;
    std::vector<std::int32_t> leaves(count, 0); // open leaves at or below each node
    std::int32_t deepest = 0;
    for (std::size_t x = 0; x < count; ++x) {
        TFeTreeNode& node = nodes_[x];
        if (x > 0 && depth[x] <= depth[static_cast<std::size_t>(node.Parent)])
            throw EFeInternalError("path lengths that do not fit the tree");
        deepest = std::max(deepest, depth[x]);
        if (node.EdgeEnd != -1)
            continue;
        node.Link = depth[x] - suffixBase;
        node.EdgeEnd = currentEnd_;
        leaves[x] = 1;
    }
    // Deepest first: a parent is always shallower than its children.
    std::vector<std::int32_t> byDepth(count);
    {
        std::vector<std::int32_t> slot(static_cast<std::size_t>(deepest) + 2, 0);
        for (std::size_t x = 0; x < count; ++x)
            ++slot[static_cast<std::size_t>(deepest - depth[x]) + 1];
        for (std::size_t k = 1; k < slot.size(); ++k)
            slot[k] += slot[k - 1];
        for (std::size_t x = 0; x < count; ++x)
            byDepth[static_cast<std::size_t>(
                slot[static_cast<std::size_t>(deepest - depth[x])]++)] =
                static_cast<std::int32_t>(x);
    }
    for (std::int32_t x : byDepth)
        if (x != 0)
            leaves[static_cast<std::size_t>(nodes_[x].Parent)] +=
                leaves[static_cast<std::size_t>(x)];
    for (std::size_t x = 0; x < count; ++x)
        if (nodes_[x].Link >= 0)
            nodes_[x].Occurrences += leaves[x];
    pathLengths_ = std::move(depth);
}

void TFeTree::SetFinished() {
    pathLengths_.clear();
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
    // walk is linear in the size of the subtree. The next pass visits the
    // entries that stayed internal, in order, then the internal ones among
    // those just appended, which all lie behind them.
    const auto internal = [&tree](int x) { return HasChildren(tree.Node(x)); };
    leaves.push_back(i);
    if (!internal(i))
        return;
    std::vector<std::size_t> pending{leaves.size() - 1};
    while (!pending.empty()) {
        const std::size_t appendedFrom = leaves.size();
        std::size_t kept = 0;
        for (std::size_t position : pending) {
            const int first = tree.Node(leaves[position]).FirstChild;
            leaves[position] = first;
            if (internal(first))
                pending[kept++] = position;
            for (int c = tree.Node(first).NextSibling; c != -1; c = tree.Node(c).NextSibling)
                leaves.push_back(c);
        }
        pending.resize(kept);
        for (std::size_t position = appendedFrom; position < leaves.size(); ++position)
            if (internal(leaves[position]))
                pending.push_back(position);
    }
}

int TFeTreeWalker::FirstLeaf(const TFeTree& tree, int i) {
    while (HasChildren(tree.Node(i)))
        i = tree.Node(i).FirstChild;
    return i;
}

int CompareLeavesByPosition(const TFeTreeNode& a, const TFeTreeNode& b) {
    return b.Link > a.Link ? 1 : (b.Link < a.Link ? -1 : 0);
}

} // namespace lexorin
