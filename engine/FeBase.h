// Symbol strings and the suffix tree built over them.
//
// A suffix tree is built over an abstract sequence of symbols: the characters
// of a text (TFePasStringObject) or its words (TFeWordsString). Symbols are
// addressed by 1-based positions 1..Length().
#pragma once

#include "FePages.h"
#include "FePodArray.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace lexorin {

using TFeIntArray = std::vector<std::int32_t>;

// An abstract symbol string. Every operation raises EFeAbstractError unless a
// descendant provides it.
class TFeStringObject {
public:
    virtual ~TFeStringObject() = default;

    virtual int Length() const;
    // Symbol I equals symbol J: the equality the tree is built with; an equivalence.
    virtual bool SymbolsEqual(int i, int j) const;
    // Sign of the order of symbol I against symbol J.
    virtual int CompareSymbols(int i, int j) const;
    virtual bool SymbolsEqualIn(const TFeStringObject& other, int i, int j) const;
    // 0 when symbols I and J are identical, 1 otherwise.
    virtual int SymbolsDiffer(int i, int j) const;
    virtual int SymbolsDifferIn(const TFeStringObject& other, int i, int j) const;
    // A new string of the same class holding `count` symbols from `from`.
    virtual std::unique_ptr<TFeStringObject> SubString(int from, int count) const;
    virtual void GetText(std::string& s) const;
    virtual bool IsBlankAt(int i) const;
    virtual void SaveToStream(std::ostream& stream) const;
    // Virtual constructor: a new object of this class read from its stream form.
    virtual std::unique_ptr<TFeStringObject> CreateFromStream(std::istream& stream) const;

    // One integer per symbol, keys[1..Length()] (keys[0] unused), equal exactly
    // when SymbolsEqual holds. The tree builder compares and hashes these
    // instead of calling SymbolsEqual (a large array of them gives its pages
    // back when freed). This version derives the keys from SymbolsEqual
    // itself; descendants supply them directly.
    virtual TPageVector<std::int32_t> SymbolKeys() const;
    // The same keys as bytes, when they fit in one; otherwise empty.
    virtual TPageVector<std::uint8_t> ByteSymbolKeys() const { return {}; }
};

// A string whose symbols are the bytes of a text.
class TFePasStringObject : public TFeStringObject {
public:
    TFePasStringObject() = default;
    TFePasStringObject(std::string text, bool addTerminator);

    // Rewrites the text for the wordform tree: one leading space, and every
    // character other than a letter, digit, underscore or NUL (and other than
    // the last one) replaced by a space. Symbol p then stands for text
    // character p - 1.
    void Normalize();

    const std::string& Data() const { return data_; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive) { caseSensitive_ = caseSensitive; }

    int Length() const override;
    bool SymbolsEqual(int i, int j) const override;
    int CompareSymbols(int i, int j) const override;
    bool SymbolsEqualIn(const TFeStringObject& other, int i, int j) const override;
    int SymbolsDifferIn(const TFeStringObject& other, int i, int j) const override;
    std::unique_ptr<TFeStringObject> SubString(int from, int count) const override;
    void GetText(std::string& s) const override;
    bool IsBlankAt(int i) const override;
    void SaveToStream(std::ostream& stream) const override;
    std::unique_ptr<TFeStringObject> CreateFromStream(std::istream& stream) const override;
    TPageVector<std::int32_t> SymbolKeys() const override;
    TPageVector<std::uint8_t> ByteSymbolKeys() const override;

    // Reads the stream form: the case flag, a 32-bit length and the bytes.
    static std::unique_ptr<TFePasStringObject> Read(std::istream& stream);

private:
    bool Equal(char a, char b) const;
    std::string data_;
    bool caseSensitive_ = false;
};

// One node of a suffix tree. The edge into the node is the run of symbols
// EdgeStart..EdgeEnd of the tree's string object.
struct TFeTreeNode {
    std::int32_t Parent = -1;     // -1 for the root
    std::int32_t EdgeStart = 0;   // 0 for the root
    std::int32_t EdgeEnd = 0;     // -1 for an open leaf, which ends at the tree's CurrentEnd
    std::int32_t Occurrences = 1; // after Finish: leaves below (1 for a leaf)
    // Internal node: its suffix link, 0 for none. Finished leaf: minus the
    // start of its suffix.
    std::int32_t Link = 0;
    std::int32_t FirstChild = -1;  // children in the order they were attached,
    std::int32_t NextSibling = -1; // linked from the first to the last

    bool IsLeaf() const { return Link < 0; }
};

class TFeTree;

// Fills a tree with the suffix tree of its string object.
class TFeTreeBuilder {
public:
    virtual ~TFeTreeBuilder() = default;
    virtual void Build(TFeTree& tree) = 0;

protected:
    // Empties the tree and returns its string object, which must hold at
    // least one symbol.
    static const TFeStringObject& StartBuild(TFeTree& tree);
};

// The suffix tree of one string object, its nodes in one index-addressed
// array, node 0 the root.
class TFeTree {
public:
    static constexpr int GrowBy = 16;

    // The tree frees the string object when it owns it.
    TFeTree(TFeStringObject* stringObject, bool ownsString);
    explicit TFeTree(std::unique_ptr<TFeStringObject> stringObject);
    TFeTree(const TFeTree&) = delete;
    TFeTree& operator=(const TFeTree&) = delete;
    virtual ~TFeTree();

    TFeStringObject* StringObject() const { return stringObject_; }
    bool OwnsString() const { return ownedString_ != nullptr; }

    // Clears the tree, lets the builder fill it and trims the node array.
    void Build(TFeTreeBuilder& builder);
    void Clear();

    int Count() const { return static_cast<int>(nodes_.Size()); }
    int CurrentEnd() const { return currentEnd_; }
    void SetCurrentEnd(int end) { currentEnd_ = end; }
    std::size_t MemoryBytes() const {
        return nodes_.Capacity() * sizeof(TFeTreeNode) +
               pathLengths_.capacity() * sizeof(std::int32_t);
    }

    const TFeTreeNode& Node(int i) const { return nodes_[i]; }
    TFeTreeNode& Node(int i) { return nodes_[i]; }
    // The node's EdgeEnd, or CurrentEnd for an open leaf.
    int EdgeEnd(int i) const {
        const int end = nodes_[i].EdgeEnd;
        return end == -1 ? currentEnd_ : end;
    }
    int EdgeLength(int i) const { return EdgeEnd(i) - nodes_[i].EdgeStart + 1; }
    int ChildCount(int i) const;
    // Index of the K-th child (0-based), -1 when there is none.
    int Child(int i, int k) const;
    TFeIntArray Children(int i) const;
    // Number of symbols on the path from the root to node I. In a finished
    // tree without stored path lengths, that of a leaf follows from its
    // suffix start, and that of an internal node from the leaf the
    // construction hangs on it right after making it, the next node, which
    // lies a step or a few below it; any other node's is summed up to the
    // root.
    int PathLength(int i) const;
    // The path lengths of all nodes. Finish keeps them, since the tree is only
    // read afterwards; adding nodes drops them, and they are worked out again
    // (in time linear in the number of nodes) when next asked for. A large
    // tree is better read node by node with PathLength, which needs no
    // array of them.
    const std::vector<std::int32_t>& PathLengths() const;

    // Appends a new node with the start values; returns its index.
    int NewNode();
    // For a builder that writes every field of every node itself: the tree
    // gets `count` nodes whose fields are not set.
    void ResizeUnset(int count);
    // A new node under P (appended to P's children when P >= 0); returns its index.
    int AddChild(int parent);
    // Cuts the edge into H so that its last R symbols stay with H, puts a new
    // internal node M above H and hangs a new leaf L on M. M is Count() - 2,
    // L is Count() - 1; returns L. The caller sets L's edge.
    int SplitEdge(int h, int r);
    void ResetOccurrences(int i) { nodes_[i].Occurrences = 0; }

    // Closes every open leaf, sets its Link to minus its suffix start and
    // counts it in every ancestor's Occurrences. A builder that knows the
    // path length of every node hands them over instead of having them
    // summed again.
    void Finish();
    void Finish(std::vector<std::int32_t> pathLengths);
    // For a builder that has set every field as Finish leaves it: the tree
    // is finished, without stored path lengths.
    void SetFinished();

    // The path label of node I (or its first `symbols` symbols when that is
    // not 0) as written at one occurrence.
    std::unique_ptr<TFeStringObject> NodeString(int i, int symbols) const;

    // The whole words of the text in which the label of node I occurs, sorted,
    // one entry per word ignoring case. Character trees only.
    std::vector<std::string> FullWords(int i) const;

    // Persistence in three parts; integers little-endian.
    virtual void ReadHeader(std::istream& stream);
    virtual void ReadNodes(std::istream& stream);
    virtual void ReadString(std::istream& stream);
    virtual void WriteHeader(std::ostream& stream) const;
    virtual void WriteNodes(std::ostream& stream) const;
    virtual void WriteString(std::ostream& stream) const;

    // While a builder grows a tree, keeping every children list linked costs
    // several scattered memory accesses per node. After DeferChildLinks,
    // AddChild and SplitEdge record only each node's first leaf (in
    // NextSibling), and LinkDeferredChildren links all children at once, in
    // the order in which they were attached.
    void DeferChildLinks();
    void LinkDeferredChildren();

private:
    // Linking children in first-occurrence order: every non-root node's
    // NextSibling holds its first leaf, and the leaves are taken in order.
    std::vector<std::int32_t> ResetChildLinks();
    void LinkInFirstOccurrenceOrder();
    void LinkFirstLeafChain(int leaf, std::vector<std::int32_t>& last);
    // Path lengths of all nodes; false when the parents run in a circle.
    bool ComputePathLengths(std::vector<std::int32_t>& length) const;
    // Sets every entry of -1 (the root's is known) by summing edges up to
    // the nearest node whose length is known; false for a circle.
    bool FillPathLengths(std::vector<std::int32_t>& length) const;
    // The path length of node I read off the node or the leaf made after it,
    // the next node (walking down to it from above when it is not a child,
    // with walkDown), as PathLength describes; -1 when it cannot be read so.
    int DirectPathLength(int i, bool walkDown) const;

    TFeStringObject* stringObject_ = nullptr;
    std::unique_ptr<TFeStringObject> ownedString_;
    TFePodArray<TFeTreeNode> nodes_;
    mutable std::vector<std::int32_t> pathLengths_; // valid when it has one entry per node
    int currentEnd_ = 0;
    bool deferLinks_ = false;
};

// Walks of a finished tree.
class TFeTreeWalker {
public:
    // Appends the leaves below node I to `leaves`, in breadth-wise expansion
    // order: node I's entry is replaced by its first child, the other children
    // are appended, and so on level by level. Entries already in the list stay.
    static void CollectLeaves(const TFeTree& tree, int i, std::vector<std::int32_t>& leaves);
    // The leaf of the first occurrence of node I's label.
    static int FirstLeaf(const TFeTree& tree, int i);
    // Whether the walks above go below the node: not a leaf, with children.
    static bool HasChildren(const TFeTreeNode& node) {
        return node.Link >= 0 && node.FirstChild != -1;
    }
};

// Sort callback: 1 when B's Link is greater than A's, -1 when smaller, 0 when
// equal. Sorting ascending puts leaves in ascending order of their start.
int CompareLeavesByPosition(const TFeTreeNode& a, const TFeTreeNode& b);

} // namespace lexorin
