// A deliberately plain suffix tree builder for tests: every rule of the
// construction written out literally, children in vectors scanned one by one,
// suffix links only where the construction rules set them, and a finishing
// pass that walks from every leaf to the root. The engine's tree must match
// it node for node.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

namespace lexorin::test {

struct RefNode {
    int parent = -1;
    std::vector<int> children;
    int edgeStart = 0;
    int edgeEnd = 0;
    int occurrences = 1;
    int link = 0;
};

class ReferenceTree {
public:
    // keys[1..n]: symbol keys, equal exactly when symbols are equal.
    explicit ReferenceTree(std::vector<std::int32_t> keys) : keys_(std::move(keys)) { Build(); }

    std::vector<RefNode> nodes;
    int currentEnd = 0;

private:
    int n() const { return static_cast<int>(keys_.size()) - 1; }
    int End(int x) const { return nodes[x].edgeEnd == -1 ? currentEnd : nodes[x].edgeEnd; }
    int Length(int x) const { return End(x) - nodes[x].edgeStart + 1; }

    int AddChild(int parent) {
        nodes.push_back(RefNode{});
        const int index = static_cast<int>(nodes.size()) - 1;
        nodes[index].parent = parent;
        if (parent >= 0)
            nodes[parent].children.push_back(index);
        return index;
    }

    int SplitEdge(int h, int r) {
        nodes.push_back(RefNode{});
        const int m = static_cast<int>(nodes.size()) - 1;
        for (int& c : nodes[nodes[h].parent].children)
            if (c == h)
                c = m;
        nodes[m].parent = nodes[h].parent;
        nodes[h].parent = m;
        const int e = End(h);
        nodes[m].edgeStart = nodes[h].edgeStart;
        nodes[m].edgeEnd = e - r;
        nodes[h].edgeStart = e - r + 1;
        nodes.push_back(RefNode{});
        const int leaf = static_cast<int>(nodes.size()) - 1;
        nodes[leaf].parent = m;
        nodes[m].children = {h, leaf};
        nodes[m].occurrences = 0;
        return leaf;
    }

    std::pair<int, int> Locate(int from, int to) const {
        int d = to - from + 1;
        int current = 0;
        if (d == 0)
            return {0, 0};
        if (lastLeaf_ >= 0) {
            const int p = nodes[lastLeaf_].parent;
            if (p != 0 && nodes[p].link > 0) {
                current = nodes[p].link;
                d = End(lastLeaf_) - nodes[lastLeaf_].edgeStart;
                if (d == 0)
                    return {current, 0};
                from = nodes[lastLeaf_].edgeStart;
            }
        }
        for (;;) {
            if (nodes[current].children.empty())
                return {current, 0};
            int match = -1;
            for (int c : nodes[current].children)
                if (keys_[nodes[c].edgeStart] == keys_[from]) {
                    match = c;
                    break;
                }
            if (match < 0)
                throw std::logic_error("no matching child");
            const int g = Length(match);
            if (g >= d)
                return {match, g - d};
            d -= g;
            from += g;
            current = match;
        }
    }

    void Build() {
        AddChild(-1);
        const int first = AddChild(0);
        nodes[first].edgeStart = 1;
        nodes[first].edgeEnd = -1;
        currentEnd = 1;
        int j0 = 1;
        for (int i = 1; i <= n() - 1; ++i) {
            int pending = -1;
            lastLeaf_ = -1;
            currentEnd = i + 1;
            for (int j = j0 + 1; j <= i + 1; ++j) {
                auto [h, r] = Locate(j, i);
                int target = -1;
                enum { kAdded, kNothing, kPresent } outcome;
                if (r == 0) {
                    if (nodes[h].children.empty()) {
                        nodes[h].edgeEnd = -1;
                        lastLeaf_ = h;
                        outcome = kNothing;
                    } else {
                        bool present = false;
                        for (int c : nodes[h].children)
                            present = present || keys_[nodes[c].edgeStart] == keys_[i + 1];
                        if (present) {
                            outcome = kPresent;
                        } else {
                            const int leaf = AddChild(h);
                            nodes[leaf].edgeStart = i + 1;
                            nodes[leaf].edgeEnd = -1;
                            target = h;
                            lastLeaf_ = leaf;
                            outcome = kAdded;
                        }
                    }
                } else if (keys_[End(h) - r + 1] == keys_[i + 1]) {
                    outcome = kPresent;
                } else {
                    const int leaf = SplitEdge(h, r);
                    nodes[leaf].edgeStart = i + 1;
                    nodes[leaf].edgeEnd = -1;
                    target = static_cast<int>(nodes.size()) - 2;
                    lastLeaf_ = leaf;
                    outcome = kAdded;
                }
                if (outcome == kAdded) {
                    if (pending >= 0 && nodes[pending].link == 0)
                        nodes[pending].link = target;
                    pending = target;
                    j0 = j;
                } else if (outcome == kNothing) {
                    pending = -1;
                    j0 = j;
                } else {
                    pending = -1;
                    j0 = j - 1;
                    break;
                }
            }
        }
        for (std::size_t x = 0; x < nodes.size(); ++x) {
            if (nodes[x].edgeEnd != -1)
                continue;
            nodes[x].link = -(n() + 1);
            for (int y = static_cast<int>(x); nodes[y].parent != -1; y = nodes[y].parent) {
                nodes[x].link += Length(y);
                nodes[nodes[y].parent].occurrences += 1;
            }
            nodes[x].edgeEnd = currentEnd;
        }
    }

    std::vector<std::int32_t> keys_;
    int lastLeaf_ = -1;
};

} // namespace lexorin::test
