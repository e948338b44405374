#include "FeErrors.h"
#include "FeWordWdList.h"

#include <gtest/gtest.h>
#include <sstream>

namespace lexorin {
namespace {

class WordsString : public ::testing::Test {
protected:
    void SetUp() override { StoreWordPositions = true; }
    void TearDown() override { StoreWordPositions = false; }

    static std::unique_ptr<TFeWordsString> Make(const std::string& text, const char* stop = ".?!",
                                                bool caseSensitive = false) {
        auto words = std::make_unique<TFeWordsString>(text, static_cast<int>(text.size()),
                                                      TCharSet(stop), true);
        words->SetCaseSensitive(caseSensitive);
        return words;
    }
    static std::string Text(const TFeStringObject& s) {
        std::string text;
        s.GetText(text);
        return text;
    }
    static std::vector<std::string> Symbols(const TFeWordsString& s) {
        std::vector<std::string> symbols;
        for (int n = 1; n <= s.Length(); ++n) {
            const TFeWordItem& item = s.Item(n);
            EXPECT_EQ(item.Index, n - 1);
            if (item.Len > 0)
                symbols.emplace_back(s.WordText(n));
            else
                symbols.push_back(item.Len < 0 ? "<" + std::to_string(item.Start) + ">" : "$");
        }
        return symbols;
    }
};

TEST_F(WordsString, TokenizesWordsBreaksAndTheTerminator) {
    auto s = Make("The cat. The cat!");
    EXPECT_EQ(Symbols(*s),
              (std::vector<std::string>{"The", "cat", "<0>", "The", "cat", "<1>", "$"}));
    EXPECT_TRUE(s->HasBreaks());
    EXPECT_EQ(s->Item(4).Start, 10);
    EXPECT_EQ(s->Position(4), 10);
    s->SortWords(true);
    EXPECT_EQ(s->Item(1).Id, s->Item(4).Id);
    EXPECT_EQ(s->Item(2).Id, s->Item(5).Id);
    EXPECT_NE(s->Item(1).Id, s->Item(2).Id);
    std::set<int> own = {s->Item(3).Id, s->Item(6).Id, s->Item(7).Id, s->Item(1).Id, s->Item(2).Id};
    EXPECT_EQ(own.size(), 5u) << "breaks and the terminator have ids of their own";
}

TEST_F(WordsString, TokenizerCases) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"Don't stop", {"Don't", "stop", "$"}},
        {"rock'n'roll", {"rock'n'roll", "$"}},
        {"a  b", {"a", "b", "$"}},
        {"...", {"<0>", "<1>", "<2>", "$"}},
        {"?!", {"<0>", "<1>", "$"}},
        {" , ; ", {"$"}},
        {"", {"$"}},
        {"end.", {"end", "<0>", "$"}},
    };
    for (const auto& [text, symbols] : cases)
        EXPECT_EQ(Symbols(*Make(text)), symbols) << text;
    EXPECT_FALSE(Make("a b")->HasBreaks());
}

TEST_F(WordsString, AStopCharacterInsideAWordBreaksAfterIt) {
    // "x" as a stop character: the break follows the word holding it, unless it
    // starts that word.
    EXPECT_EQ(Symbols(*Make("axb xa", "x")), (std::vector<std::string>{"axb", "<0>", "xa", "$"}));
}

TEST_F(WordsString, CaseModeDecidesIds) {
    auto insensitive = Make("The the THE", ".", false);
    insensitive->SortWords(true);
    EXPECT_EQ(insensitive->Item(1).Id, insensitive->Item(2).Id);
    EXPECT_EQ(insensitive->Item(1).Id, insensitive->Item(3).Id);
    auto sensitive = Make("The the The", ".", true);
    sensitive->SortWords(true);
    EXPECT_NE(sensitive->Item(1).Id, sensitive->Item(2).Id);
    EXPECT_EQ(sensitive->Item(1).Id, sensitive->Item(3).Id);
}

TEST_F(WordsString, NumberingGivesTheIdsOfTheSortWithoutTheOrder) {
    for (const bool caseSensitive : {false, true}) {
        auto sorted = Make("b a. B a c! a The the", ".!", caseSensitive);
        auto numbered = Make("b a. B a c! a The the", ".!", caseSensitive);
        sorted->SortWords(true);
        numbered->NumberWords();
        EXPECT_TRUE(numbered->IdsAssigned());
        EXPECT_TRUE(numbered->SortedItems().empty());
        for (int n = 1; n <= sorted->Length(); ++n)
            EXPECT_EQ(numbered->Item(n).Id, sorted->Item(n).Id) << n << " " << caseSensitive;
    }
}

TEST_F(WordsString, SortedItemsAreStableAndBreaksComeFirst) {
    auto s = Make("b a. B a c! a");
    s->SortWords(false);
    std::vector<std::string> sorted;
    std::vector<int> starts;
    for (int k = 0; k < s->Length(); ++k) {
        sorted.emplace_back(s->SortedWordText(k));
        starts.push_back(s->Item(s->SortedItems()[k] + 1).Start);
    }
    EXPECT_EQ(sorted, (std::vector<std::string>{"", "", "", "a", "a", "a", "b", "B", "c"}));
    EXPECT_EQ(starts, (std::vector<int>{0, 1, 1, 3, 8, 13, 1, 6, 10}))
        << "equal words keep text order; then breaks 0, 1 and the terminator";
    EXPECT_EQ(s->SortedWordText(-1), "");
    EXPECT_EQ(s->SortedWordText(99), "");
    EXPECT_FALSE(s->IdsAssigned());
}

TEST_F(WordsString, FragmentsKeepTheTextAsWritten) {
    auto s = Make("The  cat, sat");
    EXPECT_EQ(s->GetFragment(1, 2), "The  cat");
    EXPECT_EQ(s->GetFragment(2, 2), "cat, sat");
    EXPECT_EQ(s->GetFragment(3, 1), "sat");
    EXPECT_EQ(s->GetFragment(3, 5), "") << "beyond the string";
    StoreWordPositions = false;
    auto without = Make("The cat");
    EXPECT_FALSE(without->HasPositions());
    try {
        without->GetFragment(1, 1);
        FAIL();
    } catch (const EFeError& e) {
        EXPECT_STREQ(e.what(), "Word positions are not accessible");
    }
}

TEST_F(WordsString, SubStringsAndText) {
    auto s = Make("The cat. Sat");
    auto sub = s->SubString(1, 2);
    EXPECT_EQ(sub->Length(), 2);
    EXPECT_EQ(Text(*sub), "the cat");
    auto& words = dynamic_cast<TFeWordsString&>(*sub);
    EXPECT_FALSE(words.HasPositions());
    words.SetCaseSensitive(true);
    EXPECT_EQ(Text(*sub), "The cat");
    EXPECT_EQ(Text(*s->SubString(2, 3)), "cat $ sat");
    EXPECT_EQ(Text(*s), "the cat $ sat $");
    EXPECT_EQ(s->SubString(4, 10)->Length(), 2) << "stops at the end";
    EXPECT_EQ(s->SubString(9, 2)->Length(), 0);
}

TEST_F(WordsString, SymbolComparisons) {
    auto s = Make("cat Cat dog. .");
    EXPECT_TRUE(s->SymbolsEqual(1, 2));
    EXPECT_FALSE(s->SymbolsEqual(4, 5)) << "two breaks differ";
    EXPECT_TRUE(s->SymbolsEqual(4, 4));
    EXPECT_EQ(s->SymbolsDiffer(1, 2), 1) << "byte identity, whatever the case mode";
    EXPECT_LT(s->CompareSymbols(1, 3), 0);
    EXPECT_EQ(s->CompareSymbols(1, 2), 0);
    auto other = Make("CAT");
    EXPECT_TRUE(s->SymbolsEqualIn(*other, 1, 1));
    EXPECT_EQ(s->SymbolsDifferIn(*other, 1, 1), 1);
    s->SetCaseSensitive(true);
    EXPECT_FALSE(s->SymbolsEqual(1, 2));
    EXPECT_FALSE(s->SymbolsEqualIn(*other, 1, 1));
    EXPECT_THROW(s->SymbolsEqualIn(TFePasStringObject("x", false), 1, 1), EFeInvalidCast);
}

TEST_F(WordsString, SymbolKeysAgreeWithEqualityWithAndWithoutIds) {
    for (bool caseSensitive : {false, true})
        for (bool ids : {false, true}) {
            auto s = Make("a A b. a! B b a", ".!", caseSensitive);
            if (ids)
                s->SortWords(true);
            const auto keys = s->SymbolKeys();
            for (int i = 1; i <= s->Length(); ++i)
                for (int j = 1; j <= s->Length(); ++j)
                    EXPECT_EQ(keys[i] == keys[j], s->SymbolsEqual(i, j)) << i << " " << j;
        }
}

TEST_F(WordsString, HasNoBlankTestAndNoStreamForm) {
    auto s = Make("a b");
    std::ostringstream out;
    std::istringstream in;
    EXPECT_THROW(s->IsBlankAt(1), EFeAbstractError);
    EXPECT_THROW(s->SaveToStream(out), EFeAbstractError);
    EXPECT_THROW(s->CreateFromStream(in), EFeAbstractError);
}

TEST_F(WordsString, FreeItemsEmptiesTheString) {
    auto s = Make("a b");
    s->SortWords(true);
    s->FreeItems();
    EXPECT_EQ(s->Length(), 0);
    EXPECT_EQ(s->SortedWordText(0), "");
}

} // namespace
} // namespace lexorin
