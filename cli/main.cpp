#include "CliRun.h"

#include <iostream>
#include <unistd.h>

#ifdef LEXORIN_CLI_CHARTS
#include "CliChart.h"
const lexorin::TCliChartWriter kChartWriter = lexorin::WriteCliChart;
#else
const lexorin::TCliChartWriter kChartWriter;
#endif

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return lexorin::RunCli(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0, kChartWriter);
}
