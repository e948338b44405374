// Times each Calculate on a text with default options, a first run and a
// second run on the cached tree, with the peak memory of each.
//
//   analyses_bench [FILE]     (default: ../shared/corpora/kjv.txt)
#include "BenchSupport.h"
#include "Calculation.h"

#include <cstdio>

using namespace lexorin;

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : LEXORIN_DEFAULT_CORPUS;
    TAnalysisState state;
    if (!bench::LoadState(path, state))
        return 1;
    TQuietHost host;
    TCalculation calculation(state, host);
    const struct {
        const char* name;
        TAnalysisPage page;
        const TMemTable* table;
    } tasks[] = {{"phrases", TAnalysisPage::Phrases, &state.mteRes},
                 {"wordforms", TAnalysisPage::Wordforms, &state.mteWordForms},
                 {"concordance", TAnalysisPage::Concordance, &state.mteConcordance},
                 {"summary", TAnalysisPage::Summary, nullptr}};
    for (const auto& task : tasks) {
        for (const char* run : {"first run", "second run"}) {
            bench::ResetPeak();
            const auto start = bench::Now();
            calculation.Calculate(task.page);
            const double seconds = bench::SecondsSince(start);
            std::printf("  %-12s %-11s %7.3f s  peak %7.1f MiB", task.name, run, seconds,
                        bench::PeakMiB());
            if (task.table != nullptr)
                std::printf("  %d rows", task.table->RecordCount());
            std::printf("\n");
        }
    }
    return 0;
}
