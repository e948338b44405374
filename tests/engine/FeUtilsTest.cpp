#include "FeUtils.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string current;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        if (IsWordCharAt(text, i)) {
            current.push_back(text[i - 1]);
        } else if (!current.empty()) {
            words.push_back(current);
            current.clear();
        }
    }
    if (!current.empty())
        words.push_back(current);
    return words;
}

TEST(WordCharacters, ApostrophesJoinOnlyBetweenLettersOrDigits) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"rock'n'roll", {"rock'n'roll"}},
        {"'tis", {"tis"}},
        {"boys' toys", {"boys", "toys"}},
        {"x_1 _", {"x_1", "_"}},
        {"a_'b", {"a_", "b"}},
        {"Don't stop", {"Don't", "stop"}},
        {"4'5", {"4'5"}},
        {"\xCF\xF0\xE8'\xE2\xB3\xF2", {"\xCF\xF0\xE8'\xE2\xB3\xF2"}}, // Cyrillic with apostrophe
        {"'", {}},
    };
    for (const auto& [text, words] : cases)
        EXPECT_EQ(Words(text), words) << text;
}

TEST(CharacterTests, ClassesAndCase) {
    EXPECT_TRUE(IsLetterOrDigit('7'));
    EXPECT_TRUE(IsLetterOrDigit('\xC0'));
    EXPECT_FALSE(IsLetterOrDigit('_'));
    EXPECT_TRUE(IsWordChar('_'));
    EXPECT_TRUE(IsUpperCase('\xA8'));
    EXPECT_FALSE(IsUpperCase('\xB8'));
    for (char c : {'\t', '\n', '\v', '\f', '\r', ' '})
        EXPECT_TRUE(IsBlank(c));
    EXPECT_FALSE(IsBlank('\xA0'));
    EXPECT_TRUE(SameCharIgnoreCase('A', 'a'));
    EXPECT_TRUE(SameCharIgnoreCase('\xC6', '\xE6')); // Ж ж
    EXPECT_TRUE(SameCharIgnoreCase(',', ','));
    EXPECT_FALSE(SameCharIgnoreCase(',', '.'));
    EXPECT_FALSE(SameCharIgnoreCase('\xC5', '\xB8')); // Е ё
}

TEST(TextHelpers, NumbersLeadingWordsBlanksAndCase) {
    for (const char* yes : {"+12", "3.5", "-", "007"})
        EXPECT_TRUE(IsNumberText(yes)) << yes;
    for (const char* no : {"", "12a", "1 2"})
        EXPECT_FALSE(IsNumberText(no)) << no;
    EXPECT_EQ(LeadingWord(" run"), "");
    EXPECT_EQ(LeadingWord("run's "), "run's");
    EXPECT_EQ(LeadingWord("run"), "run");
    EXPECT_EQ(LeadingWord("run'"), "run");
    EXPECT_EQ(BlanksToSpaces("a\tb\r\nc\v\fd"), "a b  c  d");
    EXPECT_TRUE(SameTextIgnoreCase("", ""));
    EXPECT_TRUE(SameTextIgnoreCase("\xCF\xF0\xE8", "\xEF\xD0\xC8"));
    EXPECT_FALSE(SameTextIgnoreCase("ab", "abc"));
}

TEST(TextHelpers, LinesEndInAnyBreak) {
    using Lines = std::vector<std::string_view>;
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"x\r\n", {"x"}},
        {"\n\n", {"", ""}},
        {"", {}},
        {"a\n\rb", {"a", "", "b"}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(SplitLines(text), lines) << text;
    EXPECT_EQ(CrLfLineBreaks("a\nb\rc\r\n"), "a\r\nb\r\nc\r\n");
}

struct ContextCase {
    std::string text;
    std::string stop;
    int maxWords;
    int pos;
    int wordLength;
    std::string before, word, after, context;
    int innerPos;
};

TEST(ExtractContext, CutsWholeWordsAndStopsAtStopCharacters) {
    const std::vector<ContextCase> cases = {
        {"alpha beta gamma", "", 1, 7, 4, "alpha ", "beta", " gamma", "alpha beta gamma", 7},
        {"one two three four five", "", 1, 9, 5, "two ", "three", " four", "two three four", 5},
        {"one two three four five", "", 2, 9, 5, "one two ", "three", " four five",
         "one two three four five", 9},
        {"alpha beta gamma", "", 2, 1, 5, "", "alpha", " beta gamma", "alpha beta gamma", 1},
        {"end.The cat sat", ".", 1, 5, 3, "", "The", " cat", "The cat", 1},
        {"one. two three", ".", 3, 6, 3, " ", "two", " three", "two three", 1},
        {"a, b", "", 1, 4, 1, "a, ", "b", "", "a, b", 4},
        {"x ... y z", "", 1, 9, 1, "y ", "z", "", "y z", 3},
        {"Hello", "", 1, 1, 10, "", "Hello", "", "Hello", 1},
    };
    for (const ContextCase& c : cases) {
        SCOPED_TRACE(c.text + " @" + std::to_string(c.pos));
        std::string word(static_cast<std::size_t>(c.wordLength), '?');
        std::string before = "stale", after = "stale", context;
        int pos = c.pos;
        ExtractContext(c.text, word, c.maxWords, TCharSet(c.stop), pos, before, after, context);
        EXPECT_EQ(before, c.before);
        EXPECT_EQ(word, c.word);
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(context, c.context);
        EXPECT_EQ(pos, c.innerPos);
    }
}

TEST(ExtractContext, APositionOutsideTheTextGivesNothing) {
    for (int pos : {0, -3, 6}) {
        std::string word = "xx", before, after, context = "old";
        int p = pos;
        ExtractContext("hello", word, 1, TCharSet(), p, before, after, context);
        EXPECT_TRUE(word.empty() && before.empty() && after.empty() && context.empty()) << pos;
    }
}

TEST(CompareIntStrings, NumericOrderAndForgivingFailures) {
    const std::vector<std::string> list = {"9", "10", "abc", "-4", "2147483648", " 10"};
    EXPECT_EQ(CompareIntStrings(list, 0, 1), -1);
    EXPECT_EQ(CompareIntStrings(list, 1, 0), 1);
    EXPECT_EQ(CompareIntStrings(list, 1, 5), 0);
    EXPECT_EQ(CompareIntStrings(list, 3, 0), -1);
    EXPECT_EQ(CompareIntStrings(list, 2, 0), 0) << "not a number";
    EXPECT_EQ(CompareIntStrings(list, 4, 0), 0) << "beyond 32 bits";
    EXPECT_EQ(CompareIntStrings(list, 0, 9), 0) << "index out of range";
}

} // namespace
} // namespace lexorin
