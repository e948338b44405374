// Where the current item of a result list occurs in the text, in text
// order, as (start, length) in view characters (0-based offsets of the
// analysed text).
#pragma once

#include "AnalysisState.h"

#include <cstdint>
#include <vector>

namespace lexorin {

struct TOccurrence {
    std::int32_t start = 0;
    std::int32_t length = 0;
    bool operator==(const TOccurrence&) const = default;
};

// The current phrase row: from its first word's first character to its last
// word's last character, separators and line breaks included.
std::vector<TOccurrence> PhraseOccurrences(const TAnalysisState& state);
// The current wordform row: its characters at each occurrence.
std::vector<TOccurrence> WordformOccurrences(const TAnalysisState& state);
// The current concordance word at each of its positions.
std::vector<TOccurrence> ConcordanceOccurrences(const TAnalysisState& state);

} // namespace lexorin
