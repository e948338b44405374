#include "Kwic.h"

#include "FeLocale.h"
#include "FeUtils.h"

#include <algorithm>

namespace lexorin {
namespace {

bool SameChar(char a, char b, bool caseSensitive) {
    return caseSensitive ? a == b : LowerChar(a) == LowerChar(b);
}

} // namespace

std::string_view TokenText(std::string_view text, const std::vector<TToken>& tokens,
                           std::int64_t index) {
    if (index < 0 || index >= static_cast<std::int64_t>(tokens.size()))
        return {};
    const TToken& token = tokens[static_cast<std::size_t>(index)];
    return text.substr(static_cast<std::size_t>(token.start),
                       static_cast<std::size_t>(token.length));
}

std::vector<TToken> Tokens(std::string_view text) {
    std::vector<TToken> tokens;
    for (std::size_t k = 1; k <= text.size();) {
        if (!IsWordCharAt(text, k)) {
            ++k;
            continue;
        }
        const std::size_t start = k;
        while (k <= text.size() && IsWordCharAt(text, k))
            ++k;
        tokens.push_back(
            {static_cast<std::int32_t>(start - 1), static_cast<std::int32_t>(k - start)});
    }
    return tokens;
}

std::vector<std::string> ParseSearchTerm(std::string_view term) {
    std::vector<std::string> words;
    std::string word;
    for (char c : term) {
        if (IsBlank(c)) {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

bool MatchesPattern(std::string_view word, std::string_view pattern, bool caseSensitive) {
    // Greedy with one step back to the last "*": enough for patterns of
    // literal characters, "?" and "*".
    std::size_t w = 0, p = 0;
    std::size_t star = std::string_view::npos, resume = 0;
    while (w < word.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' ||
             (pattern[p] != '*' && SameChar(pattern[p], word[w], caseSensitive)))) {
            ++w;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = w;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            w = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::optional<int> ParseSortKey(std::string_view key) {
    if (key == "K" || key == "k")
        return 0;
    if (key.size() != 2 || key[1] < '1' || key[1] > '5')
        return std::nullopt;
    const int n = key[1] - '0';
    if (key[0] == 'L' || key[0] == 'l')
        return -n;
    if (key[0] == 'R' || key[0] == 'r')
        return n;
    return std::nullopt;
}

std::vector<std::int32_t> FindMatches(std::string_view text, const std::vector<TToken>& tokens,
                                      const std::vector<std::string>& term, bool caseSensitive) {
    std::vector<std::int32_t> matches;
    const std::size_t n = term.size();
    if (n == 0 || tokens.size() < n)
        return matches;
    for (std::size_t first = 0; first + n <= tokens.size(); ++first) {
        bool matching = true;
        for (std::size_t k = 0; k < n && matching; ++k)
            matching = MatchesPattern(TokenText(text, tokens, static_cast<std::int64_t>(first + k)),
                                      term[k], caseSensitive);
        if (matching)
            matches.push_back(static_cast<std::int32_t>(first));
    }
    return matches;
}

std::vector<TKwicLine> KwicLines(std::string_view text, const std::vector<TToken>& tokens,
                                 const std::vector<std::string>& term, int span,
                                 bool caseSensitive) {
    std::vector<TKwicLine> lines;
    for (const std::int32_t match : FindMatches(text, tokens, term, caseSensitive)) {
        const auto first = static_cast<std::size_t>(match);
        const std::size_t last = first + term.size() - 1;
        const auto start = static_cast<std::size_t>(tokens[first].start);
        const auto end = static_cast<std::size_t>(tokens[last].start + tokens[last].length);
        const std::size_t before =
            first - std::min<std::size_t>(first, static_cast<std::size_t>(span));
        const std::size_t after =
            std::min(tokens.size() - 1, last + static_cast<std::size_t>(span));
        const auto leftStart =
            first > before ? static_cast<std::size_t>(tokens[before].start) : start;
        const auto rightEnd =
            after > last ? static_cast<std::size_t>(tokens[after].start + tokens[after].length)
                         : end;
        lines.push_back({static_cast<std::int32_t>(start + 1),
                         std::string(text.substr(leftStart, start - leftStart)),
                         std::string(text.substr(start, end - start)),
                         std::string(text.substr(end, rightEnd - end)),
                         static_cast<std::int32_t>(first), static_cast<std::int32_t>(last)});
    }
    return lines;
}

void SortKwicLines(std::vector<TKwicLine>& lines, std::string_view text,
                   const std::vector<TToken>& tokens, const std::vector<int>& keys) {
    const auto word = [&](const TKwicLine& line, int key) -> std::string_view {
        if (key == 0)
            return line.match;
        return TokenText(text, tokens, std::int64_t{key < 0 ? line.first : line.last} + key);
    };
    std::stable_sort(lines.begin(), lines.end(), [&](const TKwicLine& a, const TKwicLine& b) {
        for (int key : keys)
            if (const int c = CompareTextIgnoreCase(word(a, key), word(b, key)); c != 0)
                return c < 0;
        return false;
    });
}

} // namespace lexorin
