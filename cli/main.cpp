#include "CliRun.h"
#ifdef LEXORIN_CLI_REPORTS
#include "CliReport.h"
#endif

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef LEXORIN_CLI_REPORTS
    const lexorin::TReportWriter writeReport = lexorin::WriteReportPdf;
#else
    const lexorin::TReportWriter writeReport;
#endif
    return lexorin::RunCli(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0, writeReport);
}
