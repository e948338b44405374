// lexorin-cli: the analyses in batch, over the same code as the program.
#pragma once

#include "AnalysisState.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace lexorin {

// A chart asked for with --chart and --chart-output.
struct TCliChart {
    std::string kind;   // "dispersion", "frequencies" or "frequencies-length"
    std::string output; // a .png, .svg or .pdf file
};
// Draws the chart of a calculated list (a dispersion chart of its current
// row) into the chart's output file; returns the error, empty when done.
using TCliChartWriter =
    std::function<std::string(const TAnalysisState&, TAnalysisPage, const TCliChart&)>;

// Runs one command line (without the program name); returns the exit
// status: 0 done, 1 a file could not be read or memory ran out, 2 a usage
// error. Results go to `out` (or the --output file), messages to `err`.
// `errIsTerminal` draws a progress bar on `err` while a tree is built.
// Charts are drawn by `chartWriter`; without one, --chart is refused.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false, const TCliChartWriter& chartWriter = {});

} // namespace lexorin
