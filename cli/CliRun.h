// lexorin-cli: the analyses in batch, over the same code as the program.
#pragma once

#include "AnalysisState.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace lexorin {

// Writes the report of a task's list, in its current order, as a PDF file;
// returns an error message, or an empty string when the file is written.
using TReportWriter = std::function<std::string(TAnalysisState& state, TAnalysisPage page,
                                                const std::string& input, const std::string& pdf)>;
// A chart asked for with --chart and --chart-output.
struct TCliChart {
    std::string kind;         // "dispersion", "frequencies" or "frequencies-length"
    std::string output;       // a .png, .svg or .pdf file
    bool logarithmic = false; // a logarithmic frequency axis
};
// Draws the chart of a calculated list (a dispersion chart of its current
// row) into the chart's output file; returns the error, empty when done.
using TCliChartWriter =
    std::function<std::string(const TAnalysisState&, TAnalysisPage, const TCliChart&)>;
// What lexorin-cli draws with Qt, given by its main: a build without Qt
// has neither drawer and refuses the options that need one.
struct TCliDrawers {
    TReportWriter report;
    TCliChartWriter chart;
};

// Runs one command line (without the program name); returns the exit
// status: 0 done, 1 a file could not be read or written, memory ran out or
// any other error stopped the run (its message on `err`), 2 a usage error. Results go to `out` (or
// the --output file), messages to `err`. `errIsTerminal` draws a progress bar on `err` while a tree
// is built.
// `--report` and `--chart` use `drawers`; without the one asked for, it is a
// usage error.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false, const TCliDrawers& drawers = {});

} // namespace lexorin
