// lexorin-cli: the analyses in batch, over the same code as the program.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lexorin {

// Runs one command line (without the program name); returns the exit
// status: 0 done, 1 a file could not be read or memory ran out, 2 a usage
// error. Results go to `out` (or the --output file), messages to `err`.
// `errIsTerminal` draws a progress bar on `err` while a tree is built.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false);

} // namespace lexorin
