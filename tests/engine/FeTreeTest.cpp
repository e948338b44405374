#include "FeErrors.h"
#include "FeWordWdList.h"
#include "TreeTestSupport.h"

namespace lexorin::test {
namespace {

std::string Text(const TFeStringObject& s) {
    std::string text;
    s.GetText(text);
    return text;
}

// The node whose path label reads `label`, or -1.
int FindNode(const TFeTree& tree, const std::string& label) {
    for (int i = 1; i < tree.Count(); ++i)
        if (Text(*tree.NodeString(i, 0)) == label)
            return i;
    return -1;
}

std::vector<int> LeafStarts(const TFeTree& tree, int node) {
    std::vector<std::int32_t> leaves;
    TFeTreeWalker::CollectLeaves(tree, node, leaves);
    std::vector<int> starts;
    for (int leaf : leaves)
        starts.push_back(-tree.Node(leaf).Link);
    std::sort(starts.begin(), starts.end());
    return starts;
}

TEST(SuffixTree, TerminatorAloneGivesRootAndOneLeaf) {
    auto tree = CharTree("");
    ASSERT_EQ(tree->Count(), 2);
    const TFeTreeNode& leaf = tree->Node(1);
    EXPECT_EQ(leaf.EdgeStart, 1);
    EXPECT_EQ(leaf.EdgeEnd, 1);
    EXPECT_EQ(leaf.Link, -1);
    EXPECT_EQ(leaf.Occurrences, 1);
    EXPECT_TRUE(leaf.IsLeaf());
    EXPECT_EQ(tree->Node(0).Occurrences, 2) << "the root counts one more than its leaves";
}

TEST(SuffixTree, DoubleLetterSplitsTheFirstLeaf) {
    auto tree = CharTree("aa");
    ASSERT_EQ(tree->Count(), 5);
    EXPECT_EQ(tree->Children(0), (TFeIntArray{2, 4}));
    EXPECT_EQ(tree->Children(2), (TFeIntArray{1, 3}));
    EXPECT_EQ(tree->Node(2).Occurrences, 2);
    EXPECT_EQ(tree->Node(2).Link, 0) << "a link to the root reads as none";
    EXPECT_EQ(tree->Node(1).Link, -1);
    EXPECT_EQ(tree->Node(3).Link, -2);
    EXPECT_EQ(tree->Node(4).Link, -3);
    EXPECT_EQ(TFeTreeWalker::FirstLeaf(*tree, 2), 1);
}

TEST(SuffixTree, Banana) {
    auto tree = CharTree("banana");
    EXPECT_EQ(tree->Count(), 11);
    const int ana = FindNode(*tree, "ana");
    ASSERT_GE(ana, 0);
    EXPECT_EQ(tree->Node(ana).Occurrences, 2);
    EXPECT_EQ(LeafStarts(*tree, ana), (std::vector<int>{2, 4}));
    EXPECT_EQ(tree->Node(FindNode(*tree, "a")).Occurrences, 3);
    EXPECT_EQ(tree->NodeString(ana, 0)->Length(), 3);
    EXPECT_EQ(tree->NodeString(ana, 2)->Length(), 2);
    EXPECT_EQ(Text(*tree->NodeString(0, 0)), "");
}

TEST(SuffixTree, MississippiLinksAsTheConstructionSetsThem) {
    auto tree = CharTree("mississippi");
    for (const auto& [from, to] : {std::pair{"issi", "ssi"}, {"ssi", "si"}, {"si", "i"}}) {
        const int node = FindNode(*tree, from);
        ASSERT_GE(node, 0) << from;
        EXPECT_EQ(tree->Node(node).Link, FindNode(*tree, to)) << from;
    }
    for (const char* label : {"i", "s", "p"})
        EXPECT_EQ(tree->Node(FindNode(*tree, label)).Link, 0) << label;
}

TEST(SuffixTree, CancelInTheFirstProgressCall) {
    TFeTree tree(std::make_unique<TFePasStringObject>("abcabc", true));
    TUkkTreeBuilder builder;
    std::vector<int> phases;
    builder.OnProgress = [&](TFeTree&, int phase, bool& cancel) {
        phases.push_back(phase);
        cancel = true;
    };
    tree.Build(builder);
    EXPECT_TRUE(builder.Cancelled());
    EXPECT_EQ(phases, std::vector<int>{1});
    ASSERT_EQ(tree.Count(), 2);
    EXPECT_TRUE(tree.Node(1).IsLeaf());
    EXPECT_EQ(tree.Node(1).EdgeEnd, 1) << "the incomplete tree is finished";

    builder.OnProgress = [&](TFeTree&, int, bool&) {};
    tree.Build(builder);
    EXPECT_FALSE(builder.Cancelled()) << "a new build starts uncancelled";
}

TEST(SuffixTree, ProgressOncePerPhaseAndNodeEventsInOrder) {
    TFeTree tree(std::make_unique<TFePasStringObject>("aa", true));
    TUkkTreeBuilder builder;
    std::vector<std::string> events;
    builder.OnProgress = [&](TFeTree&, int phase, bool&) {
        events.push_back("phase " + std::to_string(phase));
    };
    builder.OnLeafAdded = [&](TFeTree&, int node) {
        events.push_back("leaf " + std::to_string(node));
    };
    builder.OnSplit = [&](TFeTree&, int node) {
        events.push_back("split " + std::to_string(node));
    };
    tree.Build(builder);
    EXPECT_EQ(events,
              (std::vector<std::string>{"phase 1", "phase 2", "leaf 3", "split 2", "leaf 4"}));
}

TEST(SuffixTree, CollectLeavesExpandsLevelByLevel) {
    // The expansion order written out literally: passes over the entries
    // present at the start of each pass.
    const auto literal = [](const TFeTree& tree, int node) {
        std::vector<std::int32_t> list{node};
        for (bool changed = true; changed;) {
            changed = false;
            const std::size_t end = list.size();
            for (std::size_t k = 0; k < end; ++k) {
                const int x = list[k];
                if (tree.Node(x).Link < 0)
                    continue;
                const TFeIntArray children = tree.Children(x);
                list[k] = children[0];
                list.insert(list.end(), children.begin() + 1, children.end());
                changed = true;
            }
        }
        return list;
    };
    auto tree = CharTree("abracadabra abracadabra");
    for (int node = 0; node < tree->Count(); ++node) {
        std::vector<std::int32_t> leaves{-7}; // entries already present stay
        TFeTreeWalker::CollectLeaves(*tree, node, leaves);
        std::vector<std::int32_t> expected{-7};
        const auto rest = literal(*tree, node);
        expected.insert(expected.end(), rest.begin(), rest.end());
        EXPECT_EQ(leaves, expected) << "node " << node;
    }
    std::vector<std::int32_t> leaves;
    TFeTreeWalker::CollectLeaves(*tree, 1, leaves);
    EXPECT_EQ(leaves, std::vector<std::int32_t>{1}) << "a leaf collects itself";
}

TEST(SuffixTree, SortingLeavesByPositionOrdersTheirStarts) {
    auto tree = CharTree("the cat sat on the mat with the hat");
    std::vector<std::int32_t> leaves;
    TFeTreeWalker::CollectLeaves(*tree, 0, leaves);
    std::sort(leaves.begin(), leaves.end(), [&](int a, int b) {
        return CompareLeavesByPosition(tree->Node(a), tree->Node(b)) < 0;
    });
    for (std::size_t k = 1; k < leaves.size(); ++k)
        EXPECT_LT(-tree->Node(leaves[k - 1]).Link, -tree->Node(leaves[k]).Link);
    EXPECT_EQ(CompareLeavesByPosition(tree->Node(leaves[0]), tree->Node(leaves[0])), 0);
}

TEST(SuffixTree, ChildOutsideTheListIsNoNode) {
    auto tree = CharTree("abab");
    EXPECT_EQ(tree->Child(0, -1), -1);
    EXPECT_EQ(tree->Child(0, tree->ChildCount(0)), -1);
    EXPECT_EQ(tree->Child(0, 0), tree->Children(0)[0]);
}

TEST(SuffixTree, SplitEdgeReplacesTheChildInPlace) {
    TFeTree tree(std::make_unique<TFePasStringObject>("abcdefgh", false));
    tree.AddChild(-1);
    for (int start : {1, 3, 6}) {
        const int node = tree.AddChild(0);
        tree.Node(node).EdgeStart = start;
        tree.Node(node).EdgeEnd = start + 1;
    }
    tree.Node(2).EdgeEnd = 5; // the middle child's edge is 3..5
    const int leaf = tree.SplitEdge(2, 1);
    EXPECT_EQ(leaf, 5);
    EXPECT_EQ(tree.Children(0), (TFeIntArray{1, 4, 3}));
    EXPECT_EQ(tree.Children(4), (TFeIntArray{2, 5}));
    EXPECT_EQ(tree.Node(4).EdgeStart, 3);
    EXPECT_EQ(tree.Node(4).EdgeEnd, 4);
    EXPECT_EQ(tree.Node(2).EdgeStart, 5);
    EXPECT_EQ(tree.Node(2).Parent, 4);
    EXPECT_EQ(tree.Node(4).Occurrences, 0);
    EXPECT_EQ(tree.Node(5).Parent, 4);
    // The last child can be split too, and appending still goes to the end.
    tree.SplitEdge(3, 1);
    EXPECT_EQ(tree.Children(0), (TFeIntArray{1, 4, 6}));
    EXPECT_EQ(tree.AddChild(0), 8);
    EXPECT_EQ(tree.Children(0), (TFeIntArray{1, 4, 6, 8}));
}

TEST(SuffixTree, FullWordsOfAWordform) {
    auto string = std::make_unique<TFePasStringObject>("Sing, singing ring.", true);
    string->Normalize();
    auto tree = BuildTree(std::move(string));
    const int ing = FindNode(*tree, "ing");
    ASSERT_GE(ing, 0);
    EXPECT_EQ(tree->FullWords(ing), (std::vector<std::string>{"ring", "sing", "singing"}));

    auto sensitive = std::make_unique<TFePasStringObject>("Sing sing", true);
    sensitive->Normalize();
    sensitive->SetCaseSensitive(true);
    auto caseTree = BuildTree(std::move(sensitive));
    EXPECT_EQ(caseTree->FullWords(FindNode(*caseTree, "ing")), std::vector<std::string>{"Sing"})
        << "forms differing in case are one entry, the first one met";
}

TEST(SuffixTree, FullWordsNeedsACharacterTree) {
    StoreWordPositions = false;
    auto words = std::make_unique<TFeWordsString>("a b a b", 7, TCharSet(".!?"), true);
    words->SortWords(true);
    auto tree = BuildTree(std::move(words));
    EXPECT_THROW(tree->FullWords(1), EFeInvalidCast);
}

TEST(SuffixTree, StringWithoutSymbolsOrEqualityCannotBeBuilt) {
    class OnlyLength : public TFeStringObject {
    public:
        int Length() const override { return 3; }
    };
    TFeTree tree(std::make_unique<OnlyLength>());
    TUkkTreeBuilder builder;
    EXPECT_THROW(tree.Build(builder), EFeAbstractError);
    TFeTree empty(std::make_unique<TFePasStringObject>("", false));
    EXPECT_THROW(empty.Build(builder), EFeError);
}

TEST(SuffixTree, AStringWithoutUniqueTerminatorDoesNotBreakTheBuild) {
    // Loaded texts never hold NUL, but the engine must stay safe if one does.
    auto tree = CharTree(std::string("a\0b\0a", 5));
    EXPECT_GT(tree->Count(), 2);
    std::vector<std::int32_t> leaves;
    TFeTreeWalker::CollectLeaves(*tree, 0, leaves);
    EXPECT_LE(static_cast<int>(leaves.size()), 6);
}

} // namespace
} // namespace lexorin::test
