// KWIC lines against a brute-force reading of random small texts: the
// matches, their contexts and the order of every choice of sort keys.
#include "Kwic.h"

#include "AnalysisState.h"
#include "FeLocale.h"
#include "PatternOracle.h"

#include <gtest/gtest.h>
#include <random>

namespace lexorin {
namespace {

using test::OracleMatches;

std::string Piece(const std::string& text, std::int32_t from, std::int32_t to) {
    return text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
}

TEST(Kwic, PatternsWithWildcards) {
    const struct {
        const char *word, *pattern;
        bool matches;
    } cases[] = {
        {"lamp", "lamp", true},   {"Lamp", "lamp", true},    {"lamps", "lamp", false},
        {"lamps", "lamp*", true}, {"lamp", "lamp*", true},   {"lamp", "l?mp", true},
        {"lmp", "l?mp", false},   {"keeper", "*e*e*", true}, {"keeper", "*x*", false},
        {"don't", "don?t", true}, {"abc", "*", true},        {"abc", "a*c", true},
        {"ac", "a*?c", false},    {"aXbc", "a*bc", true},    {"", "*", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesPattern(c.word, c.pattern, false), c.matches)
            << c.word << " " << c.pattern;
    EXPECT_FALSE(MatchesPattern("Lamp", "lamp", true));
    EXPECT_EQ(ParseSearchTerm("  the  lamp "), (std::vector<std::string>{"the", "lamp"}));
    EXPECT_TRUE(ParseSearchTerm("   ").empty());
    for (const char* bad : {"", "L6", "L0", "X1", "K1", "R"})
        EXPECT_FALSE(ParseSortKey(bad).has_value()) << bad;
    EXPECT_EQ(ParseSortKey("l3"), -3);
    EXPECT_EQ(ParseSortKey("R5"), 5);
    EXPECT_EQ(ParseSortKey("k"), 0);
}

TEST(Kwic, LinesAndOrderAgainstABruteForceReading) {
    std::mt19937 random(20261210);
    const char* const words[] = {"a", "b", "ab", "Ba", "bab", "a'b"};
    const char* const gaps[] = {" ", ", ", ". ", "\r\n", " - "};
    const char* const patterns[] = {"a", "b*", "*a", "?a", "a*b", "*", "ba?"};
    for (int round = 0; round < 300; ++round) {
        std::string view;
        const int count = 1 + static_cast<int>(random() % 25);
        for (int k = 0; k < count; ++k)
            view += std::string(words[random() % 6]) + gaps[random() % 5];
        const std::string text = PrepareText(view);
        const std::vector<TToken> tokens = Tokens(text);
        std::vector<std::string> term;
        const int length = 1 + static_cast<int>(random() % 2);
        for (int k = 0; k < length; ++k)
            term.emplace_back(patterns[random() % 7]);
        const int span = static_cast<int>(random() % 4);
        const bool caseSensitive = random() % 4 == 0;
        const std::vector<TKwicLine> lines =
            KwicLinesAt(tokens, FindMatches(text, tokens, term, caseSensitive), term.size(), span);

        // Every run of tokens that matches, in text order, with its contexts.
        std::size_t at = 0;
        for (std::size_t first = 0; first + term.size() <= tokens.size(); ++first) {
            bool matches = true;
            for (std::size_t k = 0; k < term.size(); ++k) {
                const TToken& token = tokens[first + k];
                matches =
                    matches && OracleMatches(text.substr(static_cast<std::size_t>(token.start),
                                                         static_cast<std::size_t>(token.length)),
                                             term[k], caseSensitive);
            }
            if (!matches)
                continue;
            ASSERT_LT(at, lines.size()) << text;
            const TKwicLine& line = lines[at++];
            const std::size_t last = first + term.size() - 1;
            const auto start = static_cast<std::size_t>(tokens[first].start);
            const auto end = static_cast<std::size_t>(tokens[last].start + tokens[last].length);
            EXPECT_EQ(line.position, static_cast<std::int32_t>(start + 1));
            EXPECT_EQ(line.Match(text), text.substr(start, end - start));
            const std::size_t from =
                first >= static_cast<std::size_t>(span)
                    ? static_cast<std::size_t>(tokens[first - static_cast<std::size_t>(span)].start)
                    : (first > 0 ? static_cast<std::size_t>(tokens[0].start) : start);
            EXPECT_EQ(Piece(text, line.leftStart, line.start), text.substr(from, start - from))
                << text;
            std::size_t to = end;
            if (last + 1 < tokens.size()) {
                const TToken& farthest =
                    tokens[std::min(tokens.size() - 1, last + static_cast<std::size_t>(span))];
                to = span > 0 ? static_cast<std::size_t>(farthest.start + farthest.length) : end;
            }
            EXPECT_EQ(Piece(text, line.end, line.rightEnd), text.substr(end, to - end)) << text;
            EXPECT_EQ(Piece(text, line.leftStart, line.start).find_first_of("\r\n"),
                      std::string::npos);
        }
        EXPECT_EQ(at, lines.size());

        // Sorted: the same as a plain sort of the lines by their keys' words.
        std::vector<int> keys;
        for (int k = 0; k < 1 + static_cast<int>(random() % 3); ++k)
            keys.push_back(static_cast<int>(random() % 11) - 5);
        std::vector<TKwicLine> sorted = lines;
        SortKwicLines(sorted, text, tokens, keys);
        const auto keyWord = [&](const TKwicLine& line, int key) {
            if (key == 0)
                return std::string(line.Match(text));
            const std::int64_t index = std::int64_t{key < 0 ? line.first : line.last} + key;
            if (index < 0 || index >= static_cast<std::int64_t>(tokens.size()))
                return std::string();
            const TToken& token = tokens[static_cast<std::size_t>(index)];
            return text.substr(static_cast<std::size_t>(token.start),
                               static_cast<std::size_t>(token.length));
        };
        for (std::size_t k = 1; k < sorted.size(); ++k) {
            int order = 0;
            for (int key : keys)
                if (order == 0)
                    order =
                        CompareTextIgnoreCase(keyWord(sorted[k - 1], key), keyWord(sorted[k], key));
            EXPECT_TRUE(order < 0 || (order == 0 && sorted[k - 1].position < sorted[k].position))
                << text;
        }
    }
}

} // namespace
} // namespace lexorin
