#include "Occurrences.h"

#include "FeLocale.h"
#include "FeUtils.h"
#include "FeWordWdList.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>
#include <random>

namespace lexorin {
namespace {

using test::Analysis;

// Random texts of a few words, with sentence ends and line breaks.
std::string RandomText(std::mt19937& random) {
    const char* pieces[] = {"ab", "Ab", "abc", "b", "ca", " ", " ", ". ", "\r\n", ", "};
    std::string text;
    const int length = std::uniform_int_distribution<int>(5, 40)(random);
    for (int k = 0; k < length; ++k) {
        text += pieces[std::uniform_int_distribution<int>(0, 9)(random)];
        if (IsWordChar(text.back()))
            text += ' ';
    }
    return text;
}

// The words of a text, lower-cased, one blank between them: what two
// occurrences of a phrase share whatever separates their words.
std::string Words(const std::string& text) {
    std::string words;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (IsWordCharAt(text, k + 1))
            words += static_cast<char>(LowerChar(text[k]));
        else if (!words.empty() && words.back() != ' ')
            words += ' ';
    }
    if (!words.empty() && words.back() == ' ')
        words.pop_back();
    return words;
}

// Every occurrence of every row spells the row's item, in text order, as
// many times as the row counts.
TEST(Occurrences, EveryRowsOccurrencesSpellItInTextOrder) {
    StoreWordPositions = true;
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        Analysis run(RandomText(random));
        run.state.options.cbPrefOnly = round % 2 == 0;
        run.state.options.rseChars = 1;
        const std::string& text = run.state.analysedText;
        const auto check = [&](TMemTable& table, const char* item, const char* count,
                               std::vector<TOccurrence> (*occurrences)(const TAnalysisState&)) {
            for (int row = 0; row < table.RecordCount(); ++row) {
                table.MoveTo(row);
                const std::vector<TOccurrence> spans = occurrences(run.state);
                ASSERT_EQ(static_cast<int>(spans.size()), table.CurrentInteger(count)) << text;
                for (std::size_t k = 0; k < spans.size(); ++k) {
                    if (k > 0) {
                        ASSERT_LT(spans[k - 1].start, spans[k].start);
                    }
                    const std::string written =
                        text.substr(static_cast<std::size_t>(spans[k].start),
                                    static_cast<std::size_t>(spans[k].length));
                    EXPECT_EQ(Words(written), Words(table.CurrentText(item))) << text;
                    if (item[0] == 'w') { // a wordform or a word: exactly its characters
                        EXPECT_TRUE(SameTextIgnoreCase(written, table.CurrentText(item))) << text;
                    }
                }
            }
        };
        run.Run(TAnalysisPage::Phrases);
        check(run.state.mteRes, "text", "cases", &PhraseOccurrences);
        run.Run(TAnalysisPage::Wordforms);
        check(run.state.mteWordForms, "word", "cases", &WordformOccurrences);
        run.Run(TAnalysisPage::Concordance);
        check(run.state.mteConcordance, "word", "count", &ConcordanceOccurrences);
    }
}

TEST(Occurrences, NoneWithoutACurrentRowOrATree) {
    TAnalysisState state;
    EXPECT_TRUE(PhraseOccurrences(state).empty());
    EXPECT_TRUE(WordformOccurrences(state).empty());
    EXPECT_TRUE(ConcordanceOccurrences(state).empty());
}

} // namespace
} // namespace lexorin
