// The concordance: every distinct word with its positions, and the
// contexts of the current word.
#pragma once

#include "AnalysisState.h"

#include <string>
#include <vector>

namespace lexorin {

// Fills mteConcordanceDetail with one context row per position of the
// positions text ("12;45;3;"), sorted by position. A piece that is no number
// ends the filling; the rows made so far stay.
void FillContexts(TAnalysisState& state, const std::string& word, const std::string& positions);

// What the concordance table's after-scroll does: the contexts of the
// current row, or none; nothing while a calculation runs or a row is being
// appended.
void ConcordanceAfterScroll(TAnalysisState& state);

// The positions of a positions text that are numbers, ascending.
std::vector<int> SortedPositions(const std::string& positions);

// The distinct contexts of the current concordance row in ascending order
// of position, for the report.
std::vector<std::string> GetReportContexts(const TAnalysisState& state);

} // namespace lexorin
