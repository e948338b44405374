// Keywords against counts known by construction and the formulas written
// out; references read as texts in other encodings and as the concordance's
// exported word list.
#include "Keywords.h"

#include "AssociationMeasures.h"
#include "CsvExport.h"
#include "RecordingHost.h"
#include "TempFile.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>

namespace lexorin {
namespace {

TWordCounts CountText(const std::string& text, const TWordFilter& filter = {}) {
    TWordCounts counts;
    CountWords(text, *Cp1251Page(), filter, counts);
    return counts;
}

TEST(Keywords, AgainstTheFormulasOnRandomTexts) {
    std::mt19937 random(42);
    const char* const pool[] = {"sun", "Moon", "star", "sky", "12", "night", "day", "sea"};
    const std::unordered_set<std::string> ignored{"sky"};
    for (int round = 0; round < 200; ++round) {
        std::string sides[2];
        std::map<std::string, std::int64_t> frequencies[2];
        std::int64_t tokens[2] = {0, 0};
        const bool skipIgnored = random() % 2 == 0;
        for (int side = 0; side < 2; ++side)
            for (int k = 0, count = 1 + static_cast<int>(random() % 40); k < count; ++k) {
                std::string word = pool[random() % (side == 0 ? 6 : 8)];
                sides[side] += word + (random() % 3 == 0 ? ". " : " ");
                if (word == "Moon")
                    word = "moon";
                // Numbers and ignored words are neither types nor tokens.
                if (word != "12" && !(skipIgnored && word == "sky")) {
                    ++frequencies[side][word];
                    ++tokens[side];
                }
            }
        const TWordFilter filter{false, true, skipIgnored ? &ignored : nullptr};
        const TWordCounts text = CountText(sides[0], filter);
        const TWordCounts reference = CountText(sides[1], filter);
        EXPECT_EQ(text.tokens, tokens[0]);
        EXPECT_EQ(reference.tokens, tokens[1]);
        std::map<std::string, bool> seen;
        if (tokens[0] == 0 || tokens[1] == 0)
            continue;
        const double n1 = static_cast<double>(tokens[0]), n2 = static_cast<double>(tokens[1]);
        for (const TKeyword& keyword : FindKeywords(text, reference)) {
            EXPECT_FALSE(seen[keyword.word]) << keyword.word;
            seen[keyword.word] = true;
            const double a = static_cast<double>(frequencies[0][keyword.word]);
            const double b = static_cast<double>(frequencies[1][keyword.word]);
            EXPECT_EQ(keyword.text, frequencies[0][keyword.word]);
            EXPECT_EQ(keyword.reference, frequencies[1][keyword.word]);
            const double e1 = n1 * (a + b) / (n1 + n2), e2 = n2 * (a + b) / (n1 + n2);
            double ll = 0;
            if (a > 0)
                ll += a * std::log(a / e1);
            if (b > 0)
                ll += b * std::log(b / e2);
            ll *= 2;
            EXPECT_NEAR(keyword.logLikelihood, a / n1 < b / n2 ? -ll : ll, 1e-9);
            EXPECT_NEAR(keyword.logRatio,
                        std::log2(((a > 0 ? a : 0.5) / n1) / ((b > 0 ? b : 0.5) / n2)), 1e-9);
            EXPECT_NEAR(keyword.textPerMillion, a / n1 * 1e6, 1e-6);
            EXPECT_NEAR(keyword.referencePerMillion, b / n2 * 1e6, 1e-6);
        }
        std::size_t types = 0;
        for (const auto& side : frequencies)
            for (const auto& [word, count] : side)
                types += count > 0 && (&side == &frequencies[0] || frequencies[0][word] == 0);
        EXPECT_EQ(seen.size(), types);
    }
}

TEST(Keywords, ThresholdAndMinimumFrequency) {
    const struct {
        double ll;
        std::int64_t a, b;
        double threshold;
        std::int64_t minimum;
        bool kept;
    } cases[] = {
        {3.84, 3, 0, 3.84, 1, true},   {-3.84, 0, 3, 3.84, 1, true}, {3.83, 3, 0, 3.84, 1, false},
        {20.0, 1, 1, 15.13, 3, false}, {20.0, 2, 1, 15.13, 3, true}, {0.0, 1, 0, 0.0, 1, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepKeyword({"w", c.a, c.b, 0, 0, c.ll, 0}, c.threshold, c.minimum), c.kept)
            << c.ll << " " << c.threshold;
}

TEST(Keywords, ATextWithoutWordsGivesAnEmptyList) {
    test::Analysis analysis("1999, 2000 - 2001!");
    analysis.state.options.edKeywordReference = test::WriteTempFile("kw-b.txt", "sea");
    analysis.Run(TAnalysisPage::Keywords);
    EXPECT_EQ(analysis.state.mteKeywords.RecordCount(), 0);
    EXPECT_EQ(analysis.host.messages, (std::vector<std::string>{std::string(kNoTextWords)}));
}

TEST(Keywords, ARunCancelledWhileReadingTheReferenceKeepsTheListOnShow) {
    test::Analysis analysis("whale whale ship sea");
    analysis.state.options.edKeywordReference = test::WriteTempFile("kw-a.txt", "sea sea ship");
    analysis.state.options.cbKeywordThreshold = 0;
    analysis.state.options.rseKeywordMinFreq = 1;
    analysis.Run(TAnalysisPage::Keywords);
    const std::vector<std::string> rows = test::Rows(analysis.state.mteKeywords, {"word", "text"});
    EXPECT_EQ(rows, (std::vector<std::string>{"whale|2", "ship|1", "sea|1"}));
    EXPECT_EQ(analysis.state.keywordDetails, "Text N1 = 4, reference N2 = 3 (kw-a.txt)");
    analysis.host.onProcessMessages = [&] { analysis.state.cancelRequested = true; };
    analysis.Run(TAnalysisPage::Keywords);
    EXPECT_EQ(test::Rows(analysis.state.mteKeywords, {"word", "text"}), rows);
    EXPECT_FALSE(analysis.state.busy);
}

TEST(Keywords, ReferencesInOtherEncodingsAndAsAWordList) {
    // A UTF-8 reference whose words Windows-1251 cannot hold.
    const std::string utf8 = test::WriteTempFile("ref-utf8.txt", "Größe und GRÖSSE, größe 7");
    TWordCounts counts;
    const TCharTables before = CharTables();
    CountReferenceFile(utf8, {}, {}, "", "", counts);
    EXPECT_TRUE(CharTables() == before) << "the text's tables are back";
    EXPECT_EQ(counts.tokens, 4) << "not the number";
    EXPECT_EQ(counts.frequencies, (std::unordered_map<std::string, std::int64_t>{
                                      {"größe", 2}, {"und", 1}, {"grösse", 1}}));

    // The concordance's basic export of a text reads back as that text does.
    const std::string words = "The sun and the Moon; the sun, 1999 and 3.5 again.";
    test::Analysis analysis(words);
    analysis.Run(TAnalysisPage::Concordance);
    for (const bool titles : {false, true}) {
        TCsvFormat format;
        format.separator = ";";
        format.quote = "'";
        format.titles = titles;
        std::ostringstream out;
        out << kUtf8ByteOrderMark;
        ExportCsv(analysis.state, TAnalysisPage::Concordance, TConcordanceLayout::Basic, format,
                  out);
        const std::string list = test::WriteTempFile("ref-list.CSV", out.str());
        TWordCounts fromList;
        CountReferenceFile(list, format, {}, "", "", fromList);
        EXPECT_EQ(fromList.frequencies, CountText(words).frequencies);
        EXPECT_EQ(fromList.tokens, CountText(words).tokens);
        EXPECT_EQ(fromList.tokens, 9); // the words, not the numbers
    }

    const std::string bad = test::WriteTempFile("ref-bad.csv", "word,frequency\nsun,3\nmoon\n");
    try {
        CountReferenceFile(bad, {}, {}, "", "", counts);
        ADD_FAILURE() << "a broken list was read";
    } catch (const EReference& error) {
        EXPECT_EQ(std::string(error.what()), bad + ": line 3 is not a word and its frequency");
    }
    EXPECT_THROW(
        CountReferenceFile(::testing::TempDir() + "no-such-reference.txt", {}, {}, "", "", counts),
        EReference);
    // A Greek text needs an alphabet of its own; the tables come back after
    // a refusal too.
    std::string greek;
    for (char32_t c = 0x3B1; c <= 0x3C9; ++c)
        greek += std::string{static_cast<char>(0xC0 | (c >> 6)),
                             static_cast<char>(0x80 | (c & 0x3F)), ' '};
    TWordCounts greekCounts;
    CountReferenceFile(test::WriteTempFile("ref-greek.txt", greek), {}, {}, "", "", greekCounts);
    EXPECT_EQ(greekCounts.tokens, 0x3C9 - 0x3B1 + 1);
    EXPECT_TRUE(CharTables() == before);

    // Bytes that are not UTF-8 in the text's 8-bit encoding: "Čas čas" in
    // windows-1250.
    const std::string czech = test::WriteTempFile("ref-1250.txt", "\xC8"
                                                                  "as \xE8"
                                                                  "as");
    TWordCounts czechCounts;
    CountReferenceFile(czech, {}, {}, "", "windows-1250", czechCounts);
    EXPECT_EQ(czechCounts.frequencies, (std::unordered_map<std::string, std::int64_t>{{"\xC4\x8D"
                                                                                       "as",
                                                                                       2}}));
    // Named, whatever the text was read in.
    czechCounts = {};
    CountReferenceFile(czech, {}, {}, "windows-1250", "", czechCounts);
    EXPECT_EQ(czechCounts.frequencies, (std::unordered_map<std::string, std::int64_t>{{"\xC4\x8D"
                                                                                       "as",
                                                                                       2}}));
}

} // namespace
} // namespace lexorin
