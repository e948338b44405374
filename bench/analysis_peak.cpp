// The peak memory of one analysis alone: the text loaded and one task
// calculated, nothing written. cli_memory.sh sets it against lexorin-cli's.
//
//   analysis_peak TASK [FILE]   (TASK: phrases, wordforms, concordance or
//                                summary; default FILE: ../shared/corpora/kjv.txt)
#include "BenchSupport.h"
#include "Calculation.h"

#include <cstdio>
#include <map>

using namespace lexorin;

int main(int argc, char** argv) {
    static const std::map<std::string, TAnalysisPage> kTasks = {
        {"phrases", TAnalysisPage::Phrases},
        {"wordforms", TAnalysisPage::Wordforms},
        {"concordance", TAnalysisPage::Concordance},
        {"summary", TAnalysisPage::Summary}};
    const auto task = argc > 1 ? kTasks.find(argv[1]) : kTasks.end();
    if (task == kTasks.end()) {
        std::fprintf(stderr, "Usage: analysis_peak TASK [FILE]\n");
        return 2;
    }
    TAnalysisState state;
    if (!bench::LoadState(argc > 2 ? argv[2] : LEXORIN_DEFAULT_CORPUS, state))
        return 1;
    TQuietHost host;
    TCalculation calculation(state, host);
    const auto start = bench::Now();
    calculation.Calculate(task->second);
    std::printf("  %-12s %7.3f s  peak %7.1f MiB\n", task->first.c_str(),
                bench::SecondsSince(start), bench::PeakMiB());
    return 0;
}
