// Helpers shared by the suffix tree tests: building trees and checking them
// against brute force.
#pragma once

#include "FeBase.h"
#include "FeSTU.h"
#include "FeSaTree.h"
#include "ReferenceTree.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace lexorin::test {

inline std::unique_ptr<TFeTree> BuildTree(std::unique_ptr<TFeStringObject> string) {
    auto tree = std::make_unique<TFeTree>(std::move(string));
    TUkkTreeBuilder builder;
    tree->Build(builder);
    return tree;
}

inline std::unique_ptr<TFeTree> CharTree(const std::string& text, bool caseSensitive = false) {
    auto string = std::make_unique<TFePasStringObject>(text, true);
    string->SetCaseSensitive(caseSensitive);
    return BuildTree(std::move(string));
}

// Symbol classes computed from SymbolsEqual alone: the smallest equal position.
inline std::vector<int> CanonicalSymbols(const TFeStringObject& s) {
    const int n = s.Length();
    std::vector<int> canon(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 1; i <= n; ++i) {
        canon[i] = i;
        for (int j = 1; j < i; ++j)
            if (s.SymbolsEqual(i, j)) {
                canon[i] = canon[j];
                break;
            }
    }
    return canon;
}

// The path label of a node as canonical symbols.
inline std::vector<int> Label(const TFeTree& tree, int node, const std::vector<int>& canon) {
    const int length = tree.PathLength(node);
    const int from = tree.EdgeEnd(node) - length + 1;
    return std::vector<int>(canon.begin() + from, canon.begin() + from + length);
}

inline int CountOccurrences(const std::vector<int>& canon, const std::vector<int>& label) {
    const int n = static_cast<int>(canon.size()) - 1;
    const int m = static_cast<int>(label.size());
    int count = 0;
    for (int s = 1; s + m - 1 <= n; ++s)
        if (std::equal(label.begin(), label.end(), canon.begin() + s))
            ++count;
    return count;
}

inline void ExpectMatchesReference(const TFeTree& tree) {
    const std::vector<int> canon = CanonicalSymbols(*tree.StringObject());
    ReferenceTree ref(std::vector<std::int32_t>(canon.begin(), canon.end()));
    ASSERT_EQ(tree.Count(), static_cast<int>(ref.nodes.size()));
    EXPECT_EQ(tree.CurrentEnd(), ref.currentEnd);
    for (int i = 0; i < tree.Count(); ++i) {
        const TFeTreeNode& node = tree.Node(i);
        const RefNode& expected = ref.nodes[static_cast<std::size_t>(i)];
        SCOPED_TRACE("node " + std::to_string(i));
        EXPECT_EQ(node.Parent, expected.parent);
        EXPECT_EQ(node.EdgeStart, expected.edgeStart);
        EXPECT_EQ(node.EdgeEnd, expected.edgeEnd);
        EXPECT_EQ(node.Occurrences, expected.occurrences);
        EXPECT_EQ(node.Link, expected.link);
        EXPECT_EQ(tree.Children(i),
                  TFeIntArray(expected.children.begin(), expected.children.end()));
    }
}

// Every property a finished suffix tree over a string with a unique
// terminator must have, checked by brute force.
inline void ExpectSuffixTreeInvariants(const TFeTree& tree) {
    const TFeStringObject& s = *tree.StringObject();
    const int n = s.Length();
    const std::vector<int> canon = CanonicalSymbols(s);

    std::vector<int> starts;
    std::set<std::vector<int>> internalLabels;
    for (int i = 1; i < tree.Count(); ++i) {
        const TFeTreeNode& node = tree.Node(i);
        const std::vector<int> label = Label(tree, i, canon);
        SCOPED_TRACE("node " + std::to_string(i));
        EXPECT_EQ(node.Occurrences, CountOccurrences(canon, label));
        if (node.IsLeaf()) {
            EXPECT_EQ(tree.ChildCount(i), 0);
            starts.push_back(-node.Link);
            continue;
        }
        internalLabels.insert(label);
        // A suffix link leads to the label without its first symbol.
        if (node.Link > 0) {
            EXPECT_EQ(Label(tree, node.Link, canon),
                      std::vector<int>(label.begin() + 1, label.end()));
        }
        // Children start with different symbols and lead to their first occurrence.
        std::set<int> firstSymbols;
        for (int c : tree.Children(i)) {
            EXPECT_EQ(tree.Node(c).Parent, i);
            firstSymbols.insert(canon[tree.Node(c).EdgeStart]);
        }
        EXPECT_EQ(firstSymbols.size(), static_cast<std::size_t>(tree.ChildCount(i)));
        std::vector<std::int32_t> leaves;
        TFeTreeWalker::CollectLeaves(tree, i, leaves);
        int smallest = n + 1;
        for (int leaf : leaves)
            smallest = std::min(smallest, -tree.Node(leaf).Link);
        EXPECT_EQ(-tree.Node(TFeTreeWalker::FirstLeaf(tree, i)).Link, smallest);
        EXPECT_EQ(static_cast<int>(leaves.size()), node.Occurrences);
    }
    std::sort(starts.begin(), starts.end());
    std::vector<int> all(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        all[static_cast<std::size_t>(k)] = k + 1;
    EXPECT_EQ(starts, all) << "every suffix start is the Link of exactly one leaf";

    // The internal nodes are exactly the repeats followed by two different symbols.
    std::map<std::vector<int>, std::set<int>> followers;
    for (int from = 1; from <= n; ++from)
        for (int to = from; to < n; ++to)
            followers[std::vector<int>(canon.begin() + from, canon.begin() + to + 1)].insert(
                canon[to + 1]);
    std::set<std::vector<int>> branching;
    for (const auto& [label, next] : followers)
        if (next.size() >= 2)
            branching.insert(label);
    EXPECT_EQ(internalLabels, branching);

    std::vector<std::int32_t> rootLeaves;
    TFeTreeWalker::CollectLeaves(tree, 0, rootLeaves);
    EXPECT_EQ(static_cast<int>(rootLeaves.size()), n);
}

// Every field of every node, the child and sibling links included.
inline void ExpectSameTree(const TFeTree& expected, const TFeTree& actual) {
    ASSERT_EQ(actual.Count(), expected.Count());
    EXPECT_EQ(actual.CurrentEnd(), expected.CurrentEnd());
    for (int i = 0; i < expected.Count(); ++i) {
        const TFeTreeNode& a = actual.Node(i);
        const TFeTreeNode& e = expected.Node(i);
        SCOPED_TRACE("node " + std::to_string(i));
        EXPECT_EQ(a.Parent, e.Parent);
        EXPECT_EQ(a.EdgeStart, e.EdgeStart);
        EXPECT_EQ(a.EdgeEnd, e.EdgeEnd);
        EXPECT_EQ(a.Occurrences, e.Occurrences);
        EXPECT_EQ(a.Link, e.Link);
        EXPECT_EQ(a.FirstChild, e.FirstChild);
        EXPECT_EQ(a.NextSibling, e.NextSibling);
        if (::testing::Test::HasFailure())
            return;
    }
    EXPECT_EQ(actual.PathLengths(), expected.PathLengths());
}

// The tree built from the suffix and LCP arrays over the same string object
// equals the online construction's tree.
// Both with the default progress step and with a small one, under which
// even short strings have their passes split into halves run side by side.
inline void ExpectSaBuilderAgrees(const TFeTree& tree) {
    for (const int step : {TSaTreeBuilder().ProgressStep, 3}) {
        SCOPED_TRACE("progress step " + std::to_string(step));
        TFeTree other(tree.StringObject(), false);
        TSaTreeBuilder builder;
        builder.ProgressStep = step;
        other.Build(builder);
        // Read node by node before the whole array is worked out and kept.
        for (int i = 0; i < other.Count(); ++i)
            ASSERT_EQ(other.PathLength(i), tree.PathLength(i)) << "node " << i;
        ExpectSameTree(tree, other);
    }
}

} // namespace lexorin::test
