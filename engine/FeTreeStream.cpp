// Persistence of a suffix tree in three parts: header, nodes, string.
#include "FeBase.h"
#include "FeErrors.h"
#include "FeStream.h"

#include <algorithm>
#include <limits>
#include <sstream>

namespace lexorin {
namespace {

constexpr std::int32_t kHeaderSize = 16;

// Node records are read in blocks of at most this many before a count read
// from the stream is trusted with more memory.
constexpr std::size_t kReadBlock = 1 << 16;

void Check(bool condition, const std::string& what) {
    if (!condition)
        throw EFeStreamError(what);
}

} // namespace

void TFeTree::WriteHeader(std::ostream& stream) const {
    WriteInt32(stream, kHeaderSize);
    WriteBytes(stream, std::string(kHeaderSize, '\0'));
}

void TFeTree::ReadHeader(std::istream& stream) {
    SkipBytes(stream, ReadInt32(stream));
}

// Per node: the parent, negated for a one-symbol edge below a node other than
// the root; the edge start, negated for a node without children; the edge end
// only when neither was negated.
void TFeTree::WriteNodes(std::ostream& stream) const {
    WriteInt32(stream, Count());
    WriteInt32(stream, currentEnd_);
    for (int i = 0; i < Count(); ++i) {
        const TFeTreeNode& node = nodes_[i];
        const bool oneSymbol = i != 0 && node.EdgeStart == node.EdgeEnd && node.Parent > 0;
        const bool childless = i != 0 && node.FirstChild == -1;
        WriteInt32(stream, oneSymbol ? -node.Parent : node.Parent);
        WriteInt32(stream, childless ? -node.EdgeStart : node.EdgeStart);
        if (!oneSymbol && !childless)
            WriteInt32(stream, node.EdgeEnd);
    }
}

void TFeTree::ReadNodes(std::istream& stream) {
    if (stringObject_ == nullptr)
        throw EFeError("A tree needs its string before its nodes can be read");
    const int length = stringObject_->Length();
    const std::int32_t count = ReadInt32(stream);
    const std::int32_t currentEnd = ReadInt32(stream);
    Check(count >= 0, "negative node count " + std::to_string(count));
    Check(currentEnd >= 0 && currentEnd <= length,
          "edge end " + std::to_string(currentEnd) + " lies outside the string");

    // Everything is read and checked in a tree of its own; this tree changes
    // only when the whole part was valid.
    TFeTree read(stringObject_, false);
    read.currentEnd_ = currentEnd;
    for (std::int32_t k = 0; k < count; ++k) {
        if (read.nodes_.Size() == read.nodes_.Capacity())
            read.nodes_.SetCapacity(
                std::min<std::size_t>(count, read.nodes_.Capacity() + kReadBlock));
        TFeTreeNode node;
        std::int32_t parent = ReadInt32(stream);
        std::int32_t start = ReadInt32(stream);
        const std::string where = "node " + std::to_string(k) + ": ";
        // The most negative value has no positive counterpart to restore.
        constexpr std::int32_t kUnnegatable = std::numeric_limits<std::int32_t>::min();
        Check(parent != kUnnegatable, where + "parent " + std::to_string(parent) + " out of range");
        Check(start != kUnnegatable,
              where + "edge start " + std::to_string(start) + " out of range");
        const bool oneSymbol = k > 0 && parent < 0;
        const bool open = k > 0 && start < 0;
        if (oneSymbol)
            parent = -parent;
        if (open)
            start = -start;
        const std::int32_t end = open ? -1 : (oneSymbol ? start : ReadInt32(stream));
        node.FirstChild = node.NextSibling = -1;
        if (k == 0) {
            Check(parent == -1 && start == 0 && end == 0, where + "not a root");
        } else {
            Check(parent >= 0 && parent < count && parent != k, where + "bad parent");
            Check(start >= 1 && start <= currentEnd, where + "edge outside the string");
            Check(open || (end >= start && end <= currentEnd), where + "edge outside the string");
        }
        node.Parent = parent;
        node.EdgeStart = start;
        node.EdgeEnd = end;
        node.Occurrences = (open || k == 0) ? 1 : 0;
        read.nodes_.PushBack(node, 1);
    }

    // Every node must hang below the root, childless nodes must be open
    // leaves, and no path may be longer than the string.
    std::vector<std::int32_t> depth;
    Check(read.ComputePathLengths(depth), "the nodes do not form one tree");
    std::vector<std::int32_t> children(static_cast<std::size_t>(count), 0);
    for (std::int32_t k = 1; k < count; ++k)
        ++children[static_cast<std::size_t>(read.nodes_[k].Parent)];
    for (std::int32_t k = 1; k < count; ++k) {
        const std::string where = "node " + std::to_string(k) + ": ";
        Check((read.nodes_[k].EdgeEnd == -1) == (children[static_cast<std::size_t>(k)] == 0),
              where + "leaves and internal nodes are mixed up");
        Check(depth[static_cast<std::size_t>(k)] <= currentEnd, where + "path too long");
    }
    Check(count <= 1 || children[0] > 0, "the root has no children");

    read.Finish();
    read.LinkInFirstOccurrenceOrder();
    nodes_.Swap(read.nodes_);
    pathLengths_ = std::move(read.pathLengths_);
    currentEnd_ = currentEnd;
}

// The stream does not record the order in which children were attached. The
// builder attaches them in ascending order of their first occurrence, which
// FirstLeaf relies on, so that order is restored from the leaves' starts.
void TFeTree::LinkInFirstOccurrenceOrder() {
    std::vector<std::pair<std::int32_t, std::int32_t>> leaves; // (start, node)
    for (int x = 0; x < Count(); ++x)
        if (nodes_[x].Link < 0)
            leaves.emplace_back(-nodes_[x].Link, x);
    std::sort(leaves.begin(), leaves.end());
    // Walking up from the leaves in ascending start, each node is first
    // reached from its first leaf.
    std::vector<bool> reached(nodes_.Size(), false);
    for (const auto& [start, leaf] : leaves)
        for (int x = leaf; x > 0 && !reached[static_cast<std::size_t>(x)]; x = nodes_[x].Parent) {
            reached[static_cast<std::size_t>(x)] = true;
            nodes_[x].NextSibling = leaf;
        }
    std::vector<std::int32_t> last = ResetChildLinks();
    for (const auto& [start, leaf] : leaves)
        LinkFirstLeafChain(leaf, last);
}

void TFeTree::WriteString(std::ostream& stream) const {
    if (stringObject_ == nullptr)
        throw EFeError("The tree has no string to write");
    // The string's own form is made first, so that a string class without one
    // fails before anything is written.
    std::ostringstream form;
    stringObject_->SaveToStream(form);
    const bool characters = dynamic_cast<const TFePasStringObject*>(stringObject_) != nullptr;
    WriteByte(stream, characters ? 0 : 1);
    WriteBytes(stream, form.str());
}

void TFeTree::ReadString(std::istream& stream) {
    const std::uint8_t classByte = ReadByte(stream);
    if (classByte != 0)
        throw EFeStringClassError(classByte);
    std::unique_ptr<TFeStringObject> string = TFePasStringObject::Read(stream);
    // Nodes already read point into a string of the same length.
    if (Count() > 0 && stringObject_ != nullptr && string->Length() != stringObject_->Length())
        throw EFeStreamError("the string does not fit the nodes of this tree");
    ownedString_ = std::move(string);
    stringObject_ = ownedString_.get();
}

} // namespace lexorin
