// Key-word-in-context lines: every match of a search term in the analysed
// text, with the words around it, sorted by the words at chosen places.
#pragma once

#include "Calculation.h"

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

// A token's word.
inline std::string_view TokenText(std::string_view text, const TToken& token) {
    return text.substr(static_cast<std::size_t>(token.start),
                       static_cast<std::size_t>(token.length));
}

// The form a word is counted under, written into `key`: its lower case
// unless case decides.
void AssignWordKey(std::string& key, std::string_view word, bool caseSensitive);

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

// A line as places in the text: the left context from `leftStart` to
// `start`, the match to `end`, the right context to `rightEnd`.
struct TKwicLine {
    std::int32_t position = 0; // of the match, from 1
    std::int32_t leftStart = 0, start = 0, end = 0, rightEnd = 0;
    std::int32_t first = 0, last = 0; // the match's first and last tokens

    std::string_view Match(std::string_view text) const {
        return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    }
};

// The lines of the matches (FindMatches') of a term of `length` words, in
// their order: the match as the text writes it, up to `span` words before
// and after it with the text's own separators between them.
std::vector<TKwicLine> KwicLinesAt(const std::vector<TToken>& tokens,
                                   const std::vector<std::int32_t>& matches, std::size_t length,
                                   int span);

// Sorts the lines by the words at the places of `keys` (ParseSortKey's),
// compared by the collation without case; ties keep their text order.
void SortKwicLines(std::vector<TKwicLine>& lines, std::string_view text,
                   const std::vector<TToken>& tokens, const std::vector<int>& keys);

// What a search says when its term holds no word, and when nothing matches.
inline constexpr std::string_view kNoSearchTerm = "Type a word or phrase to search for.";
inline constexpr std::string_view kNoMatch = "No match of the term.";

// The words of a text of the page as a search term: its tokens with one
// blank between them.
std::string TermOfWords(std::string_view text);

// The words of a typed term (UTF-8) with one blank between them.
std::string TrimmedTerm(std::string_view utf8);

// The places of sort keys separated by commas ("R1,R2,R3"); nothing when one
// of them is no key.
std::optional<std::vector<int>> ParseSortKeys(std::string_view keys);

// The search term of an option (UTF-8) as ParseSearchTerm's words in the
// text's page; no words when it holds a character the page lacks, so that
// it matches nothing.
std::vector<std::string> SearchTermOf(std::string_view utf8);

} // namespace lexorin
