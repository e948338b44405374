// libFuzzer harness of the tree's stream readers: the input is read as a
// header, a string and the nodes, one after the other. A stream that reads
// whole must give a tree that can be walked and written back unchanged;
// anything else must be refused with a stream error.
#include "FeBase.h"
#include "FeErrors.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using namespace lexorin;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

std::string NodesOf(const TFeTree& tree) {
    std::ostringstream out;
    tree.WriteNodes(out);
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    TFeTree tree(nullptr, false);
    try {
        tree.ReadHeader(in);
        tree.ReadString(in);
        tree.ReadNodes(in);
    } catch (const EFeError&) {
        return 0;
    }
    std::vector<std::int32_t> leaves;
    if (tree.Count() > 0) // a cleared tree is written without a root
        TFeTreeWalker::CollectLeaves(tree, 0, leaves);
    std::vector<bool> seen(static_cast<std::size_t>(tree.Count()), false);
    for (const std::int32_t leaf : leaves) {
        // A root alone stands for its own leaf.
        Require(leaf >= 0 && leaf < tree.Count() && (tree.Node(leaf).IsLeaf() || leaf == 0));
        Require(!seen[static_cast<std::size_t>(leaf)]);
        seen[static_cast<std::size_t>(leaf)] = true;
    }
    for (int i = 0; i < tree.Count(); ++i) {
        const int leaf = TFeTreeWalker::FirstLeaf(tree, i);
        Require(leaf >= 0 && leaf < tree.Count());
        Require(tree.PathLength(i) >= 0 && tree.PathLength(i) <= tree.CurrentEnd());
    }
    const std::string nodes = NodesOf(tree);
    std::istringstream again(nodes);
    TFeTree copy(tree.StringObject(), false);
    copy.ReadNodes(again);
    Require(NodesOf(copy) == nodes);
    return 0;
}
