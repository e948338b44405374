// libFuzzer harness of the tokenizer and of both tree builds: the input is a
// text (its first byte chooses the case mode and the break characters), cut
// into words and built into the phrase analysis's word tree and the
// wordform analysis's character tree. Each tree must hold every suffix of
// its string once, and the character tree must read back from its stream
// form unchanged.
#include "FeBase.h"
#include "FeSTU.h"
#include "FeWordWdList.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace lexorin;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// Every suffix start 1..Length is the start of exactly one leaf.
void RequireSuffixTree(const TFeTree& tree) {
    const int length = tree.StringObject()->Length();
    std::vector<std::int32_t> leaves;
    TFeTreeWalker::CollectLeaves(tree, 0, leaves);
    Require(static_cast<int>(leaves.size()) == length);
    std::vector<bool> seen(static_cast<std::size_t>(length) + 1, false);
    for (const std::int32_t leaf : leaves) {
        const std::int32_t start = -tree.Node(leaf).Link;
        Require(start >= 1 && start <= length && !seen[static_cast<std::size_t>(start)]);
        seen[static_cast<std::size_t>(start)] = true;
    }
    for (int i = 1; i < tree.Count(); ++i)
        Require(tree.PathLength(i) <= length);
}

std::unique_ptr<TFeTree> Build(std::unique_ptr<TFeStringObject> string) {
    auto tree = std::make_unique<TFeTree>(std::move(string));
    TUkkTreeBuilder builder;
    tree->Build(builder);
    RequireSuffixTree(*tree);
    return tree;
}

void WordTree(const std::string& text, const TCharSet& stops, bool caseSensitive) {
    auto words = std::make_unique<TFeWordsString>(text, static_cast<int>(text.size()), stops, true);
    words->SetCaseSensitive(caseSensitive);
    words->SortWords(true);
    const TFeWordsString& string = *words;
    for (int n = 1; n < string.Length(); ++n)
        if (string.Item(n).Len > 0)
            Require(string.GetFragment(n, 1) == string.WordText(n));
    const auto tree = Build(std::move(words));
    for (int i = 1; i < tree->Count(); ++i)
        TFeTreeWalker::FirstLeaf(*tree, i);
}

void CharTree(const std::string& text, bool caseSensitive) {
    auto chars = std::make_unique<TFePasStringObject>(text, true);
    chars->Normalize();
    chars->SetCaseSensitive(caseSensitive);
    const auto tree = Build(std::move(chars));
    for (int i = 1; i < tree->Count(); ++i)
        tree->FullWords(i);
    std::ostringstream nodes, string;
    tree->WriteNodes(nodes);
    tree->WriteString(string);
    TFeTree read(nullptr, false);
    std::istringstream stringIn(string.str()), nodesIn(nodes.str());
    read.ReadString(stringIn);
    read.ReadNodes(nodesIn);
    std::ostringstream again;
    read.WriteNodes(again);
    Require(again.str() == nodes.str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    // A loaded text holds no NUL: it ends the character string alone.
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::replace(text.begin(), text.end(), '\0', ' ');
    StoreWordPositions = true;
    const TCharSet stops((mode & 2) != 0 ? ".?!" : ".?!,;: \t");
    WordTree(text, stops, (mode & 1) != 0);
    CharTree(text, (mode & 1) != 0);
    return 0;
}
