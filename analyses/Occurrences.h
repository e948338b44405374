// Where the current item of a result list occurs in the text, in text
// order, as (start, length) in view characters (0-based offsets of the
// analysed text).
#pragma once

#include "AnalysisState.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace lexorin {

using TSpan = std::pair<std::int32_t, std::int32_t>;

// The current phrase row: from its first word's first character to its last
// word's last character, separators and line breaks included.
std::vector<TSpan> PhraseOccurrences(const TAnalysisState& state);
// The current wordform row: its characters at each occurrence.
std::vector<TSpan> WordformOccurrences(const TAnalysisState& state);
// The current concordance word at each of its positions.
std::vector<TSpan> ConcordanceOccurrences(const TAnalysisState& state);

} // namespace lexorin
