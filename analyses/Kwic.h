// Key-word-in-context lines: every match of a search term in the analysed
// text, with the words around it, sorted by the words at chosen places.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// A word of the text: where it starts and how long it is.
struct TToken {
    std::int32_t start = 0;
    std::int32_t length = 0;
};

// The words of a text by the tokenisers' rule, in text order.
std::vector<TToken> Tokens(std::string_view text);

// A search term (in the text's page): words separated by blanks, each with
// "*" for any run of word characters and "?" for one. Empty when it holds no
// word.
std::vector<std::string> ParseSearchTerm(std::string_view term);

// Whether a word matches a pattern of the search term; without regard to
// case unless `caseSensitive`.
bool MatchesPattern(std::string_view word, std::string_view pattern, bool caseSensitive);

// A sort key, "L5" ... "L1", "K" or "R1" ... "R5" (any case), as the place of
// its word from the match: -5 ... -1, 0, 1 ... 5; nothing for another text.
std::optional<int> ParseSortKey(std::string_view key);

// The first token of every match of the term, in text order: a run of as
// many tokens as the term has words, each matching its pattern.
std::vector<std::int32_t> FindMatches(std::string_view text, const std::vector<TToken>& tokens,
                                      const std::vector<std::string>& term, bool caseSensitive);

// The text of a token by its index; empty outside the text.
std::string_view TokenText(std::string_view text, const std::vector<TToken>& tokens,
                           std::int64_t index);

struct TKwicLine {
    std::int32_t position = 0; // of the match, from 1
    std::string left, match, right;
    std::int32_t first = 0, last = 0; // the match's first and last tokens
};

// Every match of the term in text order: the match as the text writes it,
// up to `span` words before and after it with the text's own separators
// between them.
std::vector<TKwicLine> KwicLines(std::string_view text, const std::vector<TToken>& tokens,
                                 const std::vector<std::string>& term, int span,
                                 bool caseSensitive);

// Sorts the lines by the words at the places of `keys` (ParseSortKey's),
// compared by the collation without case; ties keep their text order.
void SortKwicLines(std::vector<TKwicLine>& lines, std::string_view text,
                   const std::vector<TToken>& tokens, const std::vector<int>& keys);

} // namespace lexorin
