#include "CliRun.h"
#include "ReplaceFile.h"
#ifdef LEXORIN_CLI_REPORTS
#include "CliReport.h"
#endif
#ifdef LEXORIN_CLI_CHARTS
#include "CliChart.h"
#endif

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A run stopped with Ctrl+C leaves no half-written file beside its output.
    lexorin::RemoveTemporaryFileOnSignals();
    const std::vector<std::string> args(argv + 1, argv + argc);
    lexorin::TCliDrawers drawers;
#ifdef LEXORIN_CLI_REPORTS
    drawers.report = lexorin::WriteReportPdf;
#endif
#ifdef LEXORIN_CLI_CHARTS
    drawers.chart = lexorin::WriteCliChart;
#endif
    return lexorin::RunCli(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0, drawers);
}
