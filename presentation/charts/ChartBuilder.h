// Fills the chart frames from the result list of a task page, with the
// same titles and data in the window and on the command line.
#pragma once

#include "AnalysisState.h"

#include <cstdint>
#include <vector>

namespace lexorin {

class TLFChartFrame;
class TMultiLFChartFrame;
class TSingleFreqFrame;

// The arrows of `positions` (ChartPositions of the page) over the whole
// analysed text, with the current row's item as the charted item.
void FillDispersionChart(TSingleFreqFrame& frame, const TAnalysisState& state, TAnalysisPage page,
                         const std::vector<std::int32_t>& positions);
// Every row the list shows, counted by frequency (and length).
void FillFrequencyChart(TLFChartFrame& frame, const TAnalysisState& state, TAnalysisPage page);
void FillFrequencyChart(TMultiLFChartFrame& frame, const TAnalysisState& state, TAnalysisPage page);

} // namespace lexorin
