// The --report of lexorin-cli: the program's report of a list, written as a
// PDF file offscreen. The only part of lexorin-cli that needs Qt.
#pragma once

#include "CliRun.h"

namespace lexorin {

std::string WriteReportPdf(TAnalysisState& state, TAnalysisPage page, const std::string& input,
                           const std::string& pdf);

} // namespace lexorin
