#include "FeErrors.h"
#include "FeWordWdList.h"
#include "TreeTestSupport.h"

#include <limits>
#include <random>
#include <sstream>

namespace lexorin::test {
namespace {

std::string Nodes(const TFeTree& tree) {
    std::ostringstream out;
    tree.WriteNodes(out);
    return out.str();
}

std::string StringPart(const TFeTree& tree) {
    std::ostringstream out;
    tree.WriteString(out);
    return out.str();
}

// A tree read back from its three parts, in a tree made over nothing.
std::unique_ptr<TFeTree> ReadBack(const TFeTree& tree) {
    std::ostringstream header;
    tree.WriteHeader(header);
    auto read = std::make_unique<TFeTree>(nullptr, false);
    std::istringstream headerIn(header.str()), stringIn(StringPart(tree)), nodesIn(Nodes(tree));
    read->ReadHeader(headerIn);
    read->ReadString(stringIn);
    read->ReadNodes(nodesIn);
    EXPECT_EQ(headerIn.peek(), EOF);
    EXPECT_EQ(nodesIn.peek(), EOF);
    return read;
}

void ExpectSameTree(const TFeTree& a, const TFeTree& b) {
    ASSERT_EQ(a.Count(), b.Count());
    EXPECT_EQ(a.CurrentEnd(), b.CurrentEnd());
    for (int i = 0; i < a.Count(); ++i) {
        SCOPED_TRACE("node " + std::to_string(i));
        const TFeTreeNode& x = a.Node(i);
        const TFeTreeNode& y = b.Node(i);
        EXPECT_EQ(x.Parent, y.Parent);
        EXPECT_EQ(x.EdgeStart, y.EdgeStart);
        EXPECT_EQ(x.EdgeEnd, y.EdgeEnd);
        EXPECT_EQ(x.Occurrences, y.Occurrences);
        EXPECT_EQ(a.Children(i), b.Children(i));
        EXPECT_EQ(TFeTreeWalker::FirstLeaf(a, i), TFeTreeWalker::FirstLeaf(b, i));
        if (x.IsLeaf())
            EXPECT_EQ(x.Link, y.Link);
        else
            EXPECT_EQ(y.Link, 0) << "suffix links are not stored";
    }
}

TEST(TreeStream, HeaderIsSixteenZeroBytesAfterTheirLength) {
    std::ostringstream out;
    CharTree("x")->WriteHeader(out);
    EXPECT_EQ(out.str(), std::string("\x10\0\0\0", 4) + std::string(16, '\0'));
}

TEST(TreeStream, NodesOfTheSmallestTreeByteForByte) {
    // Root: parent -1, start 0, end 0. Leaf 1: parent 0, childless so its start
    // is negated and no end follows.
    const std::string expected("\x02\0\0\0"
                               "\x01\0\0\0"
                               "\xff\xff\xff\xff"
                               "\0\0\0\0"
                               "\0\0\0\0"
                               "\0\0\0\0"
                               "\xff\xff\xff\xff",
                               28);
    EXPECT_EQ(Nodes(*CharTree("")), expected);
}

TEST(TreeStream, StringPartOfACharacterString) {
    auto string = std::make_unique<TFePasStringObject>("ab", false);
    string->SetCaseSensitive(true);
    TFeTree tree(std::move(string));
    EXPECT_EQ(StringPart(tree), std::string("\0\x01\x02\0\0\0ab", 8));
}

TEST(TreeStream, RandomTreesReadBackUnchanged) {
    std::mt19937 random(4242);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> letter(0, 2);
    for (int round = 0; round < 200; ++round) {
        std::string text(static_cast<std::size_t>(length(random)), 'a');
        for (char& c : text)
            c = static_cast<char>('a' + letter(random));
        SCOPED_TRACE(text);
        auto tree = CharTree(text, round % 2 == 0);
        auto read = ReadBack(*tree);
        ExpectSameTree(*tree, *read);
        EXPECT_EQ(Nodes(*read), Nodes(*tree)) << "written again, the same bytes";
        if (HasFailure())
            return;
    }
}

TEST(TreeStream, EveryTruncationFailsAndLeavesTheTreeAsItWas) {
    auto source = CharTree("mississippi");
    const std::string nodes = Nodes(*source);
    const std::string string = StringPart(*source);
    auto target = CharTree("mississippi");
    const std::string before = Nodes(*target);
    for (std::size_t cut = 0; cut < nodes.size(); ++cut) {
        std::istringstream in(nodes.substr(0, cut));
        EXPECT_THROW(target->ReadNodes(in), EFeStreamError) << "cut at " << cut;
    }
    for (std::size_t cut = 0; cut < string.size(); ++cut) {
        std::istringstream in(string.substr(0, cut));
        EXPECT_THROW(target->ReadString(in), EFeStreamError) << "cut at " << cut;
    }
    EXPECT_EQ(Nodes(*target), before);
    std::string text;
    target->StringObject()->GetText(text);
    EXPECT_EQ(text, std::string("mississippi\0", 12));
}

TEST(TreeStream, CorruptNodesAreRejected) {
    auto tree = CharTree("abab");
    const std::string good = Nodes(*tree);
    const auto withInt = [&good](std::size_t offset, std::int32_t value) {
        std::string bytes = good;
        for (int k = 0; k < 4; ++k)
            bytes[offset + static_cast<std::size_t>(k)] =
                static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * k)) & 0xFF);
        return bytes;
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"huge count", withInt(0, 0x7fffffff)},   {"negative count", withInt(0, -5)},
        {"end past the string", withInt(4, 99)},  {"root with a parent", withInt(8, 1)},
        {"parent out of range", withInt(20, 77)}, {"node its own parent", withInt(20, 1)},
    };
    for (const auto& [what, bytes] : cases) {
        std::istringstream in(bytes);
        EXPECT_THROW(tree->ReadNodes(in), EFeStreamError) << what;
    }
    EXPECT_EQ(Nodes(*tree), good);
}

TEST(TreeStream, TheMostNegativeIntegerIsRejectedInEveryField) {
    // "abab": node 1 is a leaf, so both its parent and its negated start
    // come before any end.
    auto tree = CharTree("abab");
    const std::string good = Nodes(*tree);
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    for (std::size_t offset = 0; offset + 4 <= good.size(); offset += 4) {
        std::string bytes = good;
        for (int k = 0; k < 4; ++k)
            bytes[offset + static_cast<std::size_t>(k)] =
                static_cast<char>((static_cast<std::uint32_t>(kMin) >> (8 * k)) & 0xFF);
        std::istringstream in(bytes);
        EXPECT_THROW(tree->ReadNodes(in), EFeStreamError) << "at byte " << offset;
    }
    for (const auto& [offset, what] :
         {std::pair<std::size_t, std::string>{20, "parent"}, {24, "edge start"}}) {
        std::string bytes = good;
        bytes.replace(offset, 4, std::string("\0\0\0\x80", 4));
        std::istringstream in(bytes);
        try {
            tree->ReadNodes(in);
            ADD_FAILURE() << what << " read";
        } catch (const EFeStreamError& error) {
            EXPECT_NE(
                std::string(error.what()).find("node 1: " + what + " -2147483648 out of range"),
                std::string::npos)
                << error.what();
        }
    }
    EXPECT_EQ(Nodes(*tree), good);
}

TEST(TreeStream, NodesFormingACycleAreRejected) {
    // Root, then nodes 1 and 2 each the other's parent: not one tree.
    std::ostringstream out;
    for (std::int32_t v : {3, 2, -1, 0, 0, 2, 1, 2, 1, 1, 2})
        for (int k = 0; k < 4; ++k)
            out.put(static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * k)) & 0xFF));
    auto tree = CharTree("ab");
    std::istringstream in(out.str());
    EXPECT_THROW(tree->ReadNodes(in), EFeStreamError);
}

TEST(TreeStream, OnlyCharacterStringsHaveAStreamForm) {
    std::istringstream wordClass(std::string("\x01\0\0\0\0\0", 6));
    auto tree = CharTree("ab");
    EXPECT_THROW(tree->ReadString(wordClass), EFeStringClassError);
    std::string text;
    tree->StringObject()->GetText(text);
    EXPECT_EQ(text, std::string("ab\0", 3)) << "no partial string object";

    auto words = std::make_unique<TFeWordsString>("a b", 3, TCharSet("."), true);
    TFeTree wordTree(std::move(words));
    std::ostringstream out;
    EXPECT_THROW(wordTree.WriteString(out), EFeAbstractError);
    EXPECT_TRUE(out.str().empty()) << "nothing written on failure";
}

TEST(TreeStream, AStringOfAnotherLengthDoesNotFitTheNodes) {
    auto tree = CharTree("abc");
    std::istringstream other(StringPart(*CharTree("ab")));
    EXPECT_THROW(tree->ReadString(other), EFeStreamError);
}

} // namespace
} // namespace lexorin::test
