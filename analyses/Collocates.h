// The collocates of a search term: the words that stand within a span of
// its matches, with how often they do and how far that is from chance.
#pragma once

#include "AnalysisOptions.h"
#include "FeUtils.h"
#include "Kwic.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

struct TCollocateSpan {
    int left = 5;  // tokens before a match
    int right = 5; // tokens after it
    // When set, a span ends at a gap between tokens that holds one of these.
    std::optional<TCharSet> stops;
};

// The span the options ask for: their left and right widths, ending at the
// phrase stop characters when they say so.
TCollocateSpan CollocateSpanOf(const TAnalysisOptions& options);

struct TCollocate {
    std::string word; // its first spelling, in lower case unless case decides
    std::int32_t observed = 0, left = 0, right = 0; // O, OL, OR
    std::int32_t frequency = 0;                     // f_c
    double expected = 0;                            // E = W f_c / N
    double mi = 0, tScore = 0, logDice = 0, logLikelihood = 0;
};

struct TCollocates {
    std::int32_t matches = 0; // f_n
    std::int64_t window = 0;  // W = f_n (L + R)
    std::int32_t tokens = 0;  // N
    // Every word type with a token in a span, a token of a match never
    // counted, in the order of their first token in a span.
    std::vector<TCollocate> words;
};

// The collocates of the term's matches. Tokens are compared without case
// unless `caseSensitive`; a token counts once for every match whose span
// holds it.
TCollocates FindCollocates(std::string_view text, const std::vector<TToken>& tokens,
                           const std::vector<std::string>& term, const TCollocateSpan& span,
                           bool caseSensitive);

// The matches of a term that have a token of `word`'s type (compared as the
// collocates compare) within their span, as FindMatches gives them.
std::vector<std::int32_t> MatchesNear(std::string_view text, const std::vector<TToken>& tokens,
                                      const std::vector<std::string>& term, std::string_view word,
                                      const TCollocateSpan& span, bool caseSensitive);

} // namespace lexorin
