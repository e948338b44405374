// The charts of lexorin-cli: the window's chart frames drawn on Qt's
// offscreen platform, so that no display is needed.
#pragma once

#include "CliRun.h"

namespace lexorin {

// A TCliChartWriter.
std::string WriteCliChart(const TAnalysisState& state, TAnalysisPage page, const TCliChart& chart);

} // namespace lexorin
