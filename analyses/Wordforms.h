// The wordform list: recurring stems and prefixes from the character tree.
#pragma once

#include "AnalysisState.h"

#include <string>
#include <vector>

namespace lexorin {

// The whole words of the text that hold the current wordform row, sorted,
// one entry per word ignoring case.
std::vector<std::string> GetReportFullWords(const TAnalysisState& state);

} // namespace lexorin
