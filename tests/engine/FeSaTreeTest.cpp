// The tree built from suffix and LCP arrays: its stages, cancellation, bad
// strings, and agreement with the online construction on longer texts than
// the property tests use.
#include "FeErrors.h"
#include "FeWordWdList.h"
#include "TreeTestSupport.h"

#include <algorithm>
#include <random>

namespace lexorin::test {
namespace {

TEST(SaTreeBuilder, ReportsEveryStageAndCancelsBetweenThem) {
    for (int cancelAt = 1; cancelAt <= TSaTreeBuilder::StageCount + 1; ++cancelAt) {
        SCOPED_TRACE("cancel at stage " + std::to_string(cancelAt));
        TFeTree tree(std::make_unique<TFePasStringObject>("abcabc", true));
        TSaTreeBuilder builder;
        std::vector<int> stages;
        builder.OnProgress = [&](TFeTree&, int stage, bool& cancel) {
            stages.push_back(stage);
            cancel = stage == cancelAt;
        };
        tree.Build(builder);
        const bool cancelled = cancelAt <= TSaTreeBuilder::StageCount;
        EXPECT_EQ(builder.Cancelled(), cancelled);
        EXPECT_EQ(static_cast<int>(stages.size()), std::min(cancelAt, TSaTreeBuilder::StageCount));
        for (std::size_t k = 0; k < stages.size(); ++k)
            EXPECT_EQ(stages[k], static_cast<int>(k) + 1);
        if (cancelled) {
            // The same finished, incomplete tree as the online construction
            // leaves when cancelled at once.
            TFeTree expected(tree.StringObject(), false);
            TUkkTreeBuilder online;
            online.OnProgress = [](TFeTree&, int, bool& cancel) { cancel = true; };
            expected.Build(online);
            ExpectSameTree(expected, tree);
        } else {
            ExpectSaBuilderAgrees(tree);
        }
    }
}

// With a small step every stage reports several times, and a cancel asked at
// any report ends the build before its stage ends, also while the suffixes
// are sorted on a thread of their own (which is then left to finish alone).
TEST(SaTreeBuilder, CancelsWithinAStage) {
    std::string text;
    for (int k = 0; k < 300; ++k)
        text += std::string("the ab. cab")[static_cast<std::size_t>(k * 7 % 11)];
    const auto makeStrings = [&] {
        std::vector<std::unique_ptr<TFeStringObject>> strings;
        auto chars = std::make_unique<TFePasStringObject>(text, true);
        chars->Normalize();
        strings.push_back(std::move(chars));
        auto words = std::make_unique<TFeWordsString>(text, static_cast<int>(text.size()),
                                                      TCharSet("."), true);
        words->SortWords(true);
        strings.push_back(std::move(words));
        return strings;
    };
    constexpr int step = 8;
    for (auto& string : makeStrings()) {
        TFeTree tree(string.get(), false);
        TSaTreeBuilder builder;
        builder.ProgressStep = step;
        std::vector<int> calls;
        builder.OnProgress = [&](TFeTree&, int stage, bool&) { calls.push_back(stage); };
        tree.Build(builder);
        ExpectSaBuilderAgrees(tree);
        ASSERT_TRUE(std::is_sorted(calls.begin(), calls.end()));
        for (int stage = 1; stage <= TSaTreeBuilder::StageCount; ++stage)
            EXPECT_GE(std::count(calls.begin(), calls.end(), stage), 2) << "stage " << stage;

        TFeTree cancelledAtOnce(string.get(), false);
        TUkkTreeBuilder online;
        online.OnProgress = [](TFeTree&, int, bool& cancel) { cancel = true; };
        cancelledAtOnce.Build(online);
        // A cancel at the second report of each stage (the first within it)
        // and at its last one; how often the sort reports depends on time.
        for (int stage = 1; stage <= TSaTreeBuilder::StageCount; ++stage) {
            const auto reports = static_cast<int>(std::count(calls.begin(), calls.end(), stage));
            for (const int at : {2, stage == 1 ? 2 : reports}) {
                SCOPED_TRACE("cancel at report " + std::to_string(at) + " of stage " +
                             std::to_string(stage));
                TSaTreeBuilder cancelling;
                cancelling.ProgressStep = step;
                int seen = 0;
                int latest = 0;
                cancelling.OnProgress = [&](TFeTree&, int reported, bool& cancel) {
                    latest = reported;
                    cancel = reported == stage && ++seen == at;
                };
                tree.Build(cancelling);
                EXPECT_TRUE(cancelling.Cancelled());
                EXPECT_EQ(latest, stage);
                EXPECT_EQ(seen, at);
                ExpectSameTree(cancelledAtOnce, tree);
            }
        }
    }
}

TEST(SaTreeBuilder, RefusesStringsWithoutAUniqueTerminator) {
    TFeTree tree(std::make_unique<TFePasStringObject>("abab", false));
    TSaTreeBuilder builder;
    EXPECT_THROW(tree.Build(builder), EFeError);
    TFeTree empty(std::make_unique<TFePasStringObject>("", false));
    EXPECT_THROW(empty.Build(builder), EFeError);
}

// Longer texts reach deep repeats, long suffix link chains and many splits
// per phase; a few letters make repeats frequent, a natural text many
// distinct branches.
TEST(SaTreeBuilder, AgreesWithTheOnlineConstructionOnLongerTexts) {
    std::mt19937 random(4242);
    const std::vector<std::string> alphabets = {"a", "ab", "abc", "aAbB cC.",
                                                "the quick, brown fox"};
    for (const std::string& alphabet : alphabets) {
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        for (int round = 0; round < 6; ++round) {
            std::string text(static_cast<std::size_t>(500 + 700 * round), ' ');
            for (char& c : text)
                c = alphabet[pick(random)];
            // Repeated blocks give long common prefixes.
            text += text.substr(0, text.size() / 3);
            SCOPED_TRACE("alphabet \"" + alphabet + "\" round " + std::to_string(round));
            for (const bool caseSensitive : {false, true}) {
                auto string = std::make_unique<TFePasStringObject>(text, true);
                string->Normalize();
                string->SetCaseSensitive(caseSensitive);
                ExpectSaBuilderAgrees(*BuildTree(std::move(string)));
                auto words = std::make_unique<TFeWordsString>(text, static_cast<int>(text.size()),
                                                              TCharSet(".,"), true);
                words->SetCaseSensitive(caseSensitive);
                words->SortWords(true);
                ExpectSaBuilderAgrees(*BuildTree(std::move(words)));
                if (HasFailure())
                    return;
            }
        }
    }
}

// More distinct words than one byte, and than two bytes, can number: their
// keys are sorted as several bytes each.
TEST(SaTreeBuilder, AgreesOnWordStringsWithManyDistinctWords) {
    std::mt19937 random(9);
    for (const auto& [count, vocabulary] : {std::pair(4000, 300), std::pair(90000, 1 << 22)}) {
        std::uniform_int_distribution<int> pick(0, vocabulary - 1);
        std::string text;
        for (int k = 0; k < count; ++k) {
            text += 'w';
            text += std::to_string(pick(random));
            text += k % 7 == 0 ? ". " : " ";
        }
        SCOPED_TRACE("vocabulary " + std::to_string(vocabulary));
        auto words = std::make_unique<TFeWordsString>(text, static_cast<int>(text.size()),
                                                      TCharSet("."), true);
        words->SortWords(true);
        ExpectSaBuilderAgrees(*BuildTree(std::move(words)));
    }
}

// Past a megabyte of per-symbol arrays the builder gives their pages back
// while it reads them; the tree must not notice.
TEST(SaTreeBuilder, AgreesOnATextLongEnoughToGiveMemoryBackAsItGoes) {
    std::mt19937 random(31);
    const std::vector<std::string> words = {"the", "then", "other", "and", "an", "end.", "a"};
    std::string text;
    while (text.size() < 300000)
        text += words[random() % words.size()] + (random() % 5 == 0 ? "\r\n" : " ");
    auto string = std::make_unique<TFePasStringObject>(text, true);
    string->Normalize();
    ExpectSaBuilderAgrees(*BuildTree(std::move(string)));
}

} // namespace
} // namespace lexorin::test
