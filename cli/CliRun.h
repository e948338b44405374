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

// Runs one command line (without the program name); returns the exit
// status: 0 done, 1 a file could not be read or memory ran out, 2 a usage
// error. Results go to `out` (or the --output file), messages to `err`.
// `errIsTerminal` draws a progress bar on `err` while a tree is built.
// `--report FILE` uses `writeReport`; without one it is a usage error.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false, const TReportWriter& writeReport = {});

} // namespace lexorin
