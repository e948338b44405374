// Random short strings of both kinds, each tree checked against brute force,
// against the literal reference construction and against the tree built from
// suffix and LCP arrays.
#include "FeWordWdList.h"
#include "TreeTestSupport.h"

#include <random>

namespace lexorin::test {
namespace {

std::string RandomText(std::mt19937& random, const std::string& alphabet, int maxLength) {
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(static_cast<std::size_t>(length(random)), ' ');
    for (char& c : text)
        c = alphabet[pick(random)];
    return text;
}

struct CharCase {
    const char* alphabet;
    bool caseSensitive;
    bool normalize;
};

class CharTreeProperty : public ::testing::TestWithParam<CharCase> {};

TEST_P(CharTreeProperty, RandomStringsGiveCorrectTrees) {
    const CharCase param = GetParam();
    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        const std::string text = RandomText(random, param.alphabet, 24);
        SCOPED_TRACE("text \"" + text + "\"");
        auto string = std::make_unique<TFePasStringObject>(text, true);
        if (param.normalize)
            string->Normalize();
        string->SetCaseSensitive(param.caseSensitive);
        auto tree = BuildTree(std::move(string));
        ExpectSuffixTreeInvariants(*tree);
        ExpectMatchesReference(*tree);
        ExpectSaBuilderAgrees(*tree);
        if (HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Alphabets, CharTreeProperty,
    ::testing::Values(CharCase{"ab", false, false}, CharCase{"abc", true, false},
                      CharCase{"abcd", false, false}, CharCase{"aAbB", false, false},
                      CharCase{"aAbB", true, false}, CharCase{"ab A,.", false, true},
                      CharCase{"\xE0\xC0\xE1 ", false, true}));

struct WordCase {
    bool caseSensitive;
    bool assignIds;
};

class WordTreeProperty : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordTreeProperty, RandomWordTextsGiveCorrectTrees) {
    const WordCase param = GetParam();
    const std::vector<std::string> pieces = {"a ", "b ", "A ", "c ", "a. ", "b! ", "  ", "a'b "};
    std::mt19937 random(777);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> count(0, 16);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int k = count(random); k > 0; --k)
            text += pieces[pick(random)];
        SCOPED_TRACE("text \"" + text + "\"");
        auto words = std::make_unique<TFeWordsString>(text, static_cast<int>(text.size()),
                                                      TCharSet(".!"), true);
        words->SetCaseSensitive(param.caseSensitive);
        if (param.assignIds)
            words->SortWords(true);
        auto tree = BuildTree(std::move(words));
        ExpectSuffixTreeInvariants(*tree);
        ExpectMatchesReference(*tree);
        ExpectSaBuilderAgrees(*tree);
        if (HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(CaseModes, WordTreeProperty,
                         ::testing::Values(WordCase{false, true}, WordCase{true, true},
                                           WordCase{false, false}, WordCase{true, false}));

// Longer texts over two letters exercise deep paths and many suffix links;
// here only the reference comparisons run, the brute force being cubic.
TEST(TreeAgainstReference, LongerBinaryTexts) {
    std::mt19937 random(99);
    for (int round = 0; round < 40; ++round) {
        const std::string text = RandomText(random, "ab", 400);
        SCOPED_TRACE("text \"" + text + "\"");
        const auto tree = CharTree(text, true);
        ExpectMatchesReference(*tree);
        ExpectSaBuilderAgrees(*tree);
        if (HasFailure())
            return;
    }
}

} // namespace
} // namespace lexorin::test
