// Collocates against a brute-force count over random small texts whose
// tokens are known by construction, and every measure against its formula
// written out cell by cell.
#include "Collocates.h"

#include "AnalysisState.h"
#include "PatternOracle.h"
#include "RecordingHost.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace lexorin {
namespace {

struct Expected {
    int observed = 0, left = 0, right = 0, frequency = 0;
};

double PlainLogLikelihood(double o, double w, double fc, double n) {
    double cells[4] = {o, w - o, fc - o, n - w - fc + o};
    for (double& cell : cells)
        cell = std::max(cell, 0.0);
    const double r1 = cells[0] + cells[1], r2 = cells[2] + cells[3];
    const double c1 = cells[0] + cells[2], c2 = cells[1] + cells[3];
    const double t = r1 + r2;
    const double e[4] = {r1 * c1 / t, r1 * c2 / t, r2 * c1 / t, r2 * c2 / t};
    double sum = 0;
    for (int k = 0; k < 4; ++k)
        if (cells[k] > 0)
            sum += cells[k] * std::log(cells[k] / e[k]);
    return 2 * sum;
}

TEST(Collocates, AWorkedExample) {
    // a b a c a b, "a" with one token on each side: f_n 3, W 6, N 6; the
    // middle b stands in two spans and counts twice.
    const std::string text = "a b a c a b";
    const TCollocates found = FindCollocates(text, Tokens(text), {"a"}, {1, 1, {}}, false);
    EXPECT_EQ(found.matches, 3);
    EXPECT_EQ(found.window, 6);
    EXPECT_EQ(found.tokens, 6);
    ASSERT_EQ(found.words.size(), 2u);
    const TCollocate& b = found.words[0];
    EXPECT_EQ(b.word, "b");
    EXPECT_EQ(b.observed, 3);
    EXPECT_EQ(b.left, 1);
    EXPECT_EQ(b.right, 2);
    EXPECT_EQ(b.frequency, 2);
    EXPECT_NEAR(b.expected, 2.0, 1e-12);
    EXPECT_NEAR(b.mi, 0.58496, 1e-5);
    EXPECT_NEAR(b.tScore, 0.57735, 1e-5);
    EXPECT_NEAR(b.logDice, 14.26303, 1e-5);
    // Cells 3, 3, 0 (from -1), 1.
    EXPECT_NEAR(b.logLikelihood, 1.2429, 1e-4);
    EXPECT_EQ(found.words[1].word, "c");
    EXPECT_EQ(found.words[1].observed, 2);
}

TEST(Collocates, NoMatchAndEmptyTerm) {
    const std::string text = "one two three";
    for (const std::vector<std::string>& term :
         {std::vector<std::string>{"four"}, std::vector<std::string>{}}) {
        const TCollocates found = FindCollocates(text, Tokens(text), term, {}, false);
        EXPECT_EQ(found.matches, 0);
        EXPECT_EQ(found.window, 0);
        EXPECT_TRUE(found.words.empty());
    }
}

TEST(Collocates, ARunShowsProgressAndACancelKeepsTheListOnShow) {
    test::Analysis analysis("the sea and the ship and the sea");
    analysis.state.options.edCollocSearch = " the ";
    analysis.state.options.rseCollocMinObserved = 1;
    analysis.Run(TAnalysisPage::Collocates);
    const std::vector<std::string> rows =
        test::Rows(analysis.state.mteCollocates, {"word", "observed"});
    // The spans overlap: a token counts once for each match whose span holds it.
    EXPECT_EQ(rows, (std::vector<std::string>{"and|6", "sea|5", "ship|3"}));
    EXPECT_GE(analysis.host.progressShown, 1);
    EXPECT_EQ(analysis.state.collocateDetails,
              "Search \"the\", 5 left, 5 right: f_n = 3, W = 30, N = 8");
    EXPECT_EQ(analysis.host.statuses.back(), "Total results:3");

    analysis.state.options.edCollocSearch = "sea";
    analysis.host.onProcessMessages = [&] { analysis.state.cancelRequested = true; };
    analysis.Run(TAnalysisPage::Collocates);
    EXPECT_EQ(test::Rows(analysis.state.mteCollocates, {"word", "observed"}), rows);
    EXPECT_FALSE(analysis.state.busy);

    analysis.state.options.edCollocSearch = "  ";
    analysis.Run(TAnalysisPage::Collocates);
    EXPECT_EQ(analysis.host.messages.back(), "Type a word or phrase to search for.");
    EXPECT_EQ(test::Rows(analysis.state.mteCollocates, {"word", "observed"}), rows);
}

TEST(Collocates, AgainstABruteForceCount) {
    std::mt19937 random(20261210);
    const char* const pool[] = {"a", "b", "ab", "Ba", "bab", "a'b", "c"};
    const char* const gaps[] = {" ", ", ", ". ", "\r\n", " - ", "! "};
    const char* const patterns[] = {"a", "b*", "*a", "?a", "a*b", "c", "ba?"};
    const TCharSet stops(".!");
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> words;
        std::vector<std::string> gapBefore{""};
        std::string view;
        const int count = 1 + static_cast<int>(random() % 30);
        for (int k = 0; k < count; ++k) {
            words.emplace_back(pool[random() % 7]);
            view += words.back();
            gapBefore.emplace_back(gaps[random() % 6]);
            view += gapBefore.back();
        }
        const std::string text = PrepareText(view);
        std::vector<std::string> term;
        for (int k = 0, length = 1 + static_cast<int>(random() % 2); k < length; ++k)
            term.emplace_back(patterns[random() % 7]);
        TCollocateSpan span{static_cast<int>(random() % 4), static_cast<int>(random() % 4), {}};
        if (random() % 2 == 0)
            span.stops = stops;
        const bool caseSensitive = random() % 4 == 0;
        const TCollocates found = FindCollocates(text, Tokens(text), term, span, caseSensitive);

        const auto type = [&](const std::string& word) {
            std::string key = word;
            if (!caseSensitive)
                for (char& c : key)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return key;
        };
        const auto stopBetween = [&](std::size_t k) { // the gap before token k
            return span.stops.has_value() && gapBefore[k].find_first_of(".!") != std::string::npos;
        };
        const std::size_t n = words.size();
        std::vector<std::size_t> matches;
        std::vector<bool> inMatch(n, false);
        for (std::size_t first = 0; first + term.size() <= n; ++first) {
            bool all = true;
            for (std::size_t k = 0; k < term.size(); ++k)
                all = all && test::OracleMatches(words[first + k], term[k], caseSensitive);
            if (!all)
                continue;
            matches.push_back(first);
            for (std::size_t k = 0; k < term.size(); ++k)
                inMatch[first + k] = true;
        }
        std::map<std::string, Expected> expected;
        std::map<std::string, int> frequency;
        for (const std::string& word : words)
            ++frequency[type(word)];
        // The matches, and the tokens of their spans with their side.
        std::vector<std::vector<std::pair<std::size_t, bool>>> spans;
        for (std::size_t first : matches) {
            spans.emplace_back();
            for (int d = 1; d <= span.left; ++d) {
                if (first < static_cast<std::size_t>(d) || stopBetween(first - d + 1))
                    break;
                if (!inMatch[first - d])
                    spans.back().emplace_back(first - d, true);
            }
            const std::size_t last = first + term.size() - 1;
            for (int d = 1; d <= span.right; ++d) {
                const std::size_t k = last + static_cast<std::size_t>(d);
                if (k >= n || stopBetween(k))
                    break;
                if (!inMatch[k])
                    spans.back().emplace_back(k, false);
            }
        }
        for (const auto& tokensInSpan : spans)
            for (const auto& [token, left] : tokensInSpan) {
                Expected& e = expected[type(words[token])];
                ++e.observed;
                ++(left ? e.left : e.right);
            }
        // The matches with a token of a chosen word in their span.
        const std::string near = pool[random() % 7];
        std::vector<std::int32_t> nearMatches;
        for (std::size_t m = 0; m < matches.size(); ++m)
            if (std::any_of(spans[m].begin(), spans[m].end(),
                            [&](const auto& in) { return type(words[in.first]) == type(near); }))
                nearMatches.push_back(static_cast<std::int32_t>(matches[m]));
        EXPECT_EQ(MatchesNear(text, Tokens(text), term, near, span, caseSensitive), nearMatches)
            << near << " in " << view;

        const double fn = static_cast<double>(matches.size());
        const double w = fn * (span.left + span.right);
        EXPECT_EQ(found.matches, static_cast<int>(matches.size()));
        EXPECT_EQ(found.window, static_cast<std::int64_t>(w));
        EXPECT_EQ(found.tokens, static_cast<int>(n));
        ASSERT_EQ(found.words.size(), expected.size()) << view;
        for (const TCollocate& word : found.words) {
            ASSERT_EQ(expected.count(word.word), 1u) << word.word << " in " << view;
            const Expected& e = expected[word.word];
            const double o = e.observed;
            const double fc = frequency[word.word];
            const double ew = w * fc / static_cast<double>(n);
            EXPECT_EQ(word.observed, e.observed);
            EXPECT_EQ(word.left, e.left);
            EXPECT_EQ(word.right, e.right);
            EXPECT_EQ(word.frequency, static_cast<int>(fc));
            EXPECT_NEAR(word.expected, ew, 1e-9);
            EXPECT_NEAR(word.mi, std::log2(o / ew), 1e-9);
            EXPECT_NEAR(word.tScore, (o - ew) / std::sqrt(o), 1e-9);
            EXPECT_NEAR(word.logDice, 14 + std::log2(2 * o / (fn + fc)), 1e-9);
            const double ll = PlainLogLikelihood(o, w, fc, static_cast<double>(n));
            EXPECT_NEAR(word.logLikelihood, o < ew ? -ll : ll, 1e-9) << view;
        }
    }
}

} // namespace
} // namespace lexorin
