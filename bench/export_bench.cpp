// Times the export of each result list of a text, with default options, as
// comma-separated values and as a workbook, with the rows, the size of the
// file and the peak memory of each.
//
//   export_bench [FILE [FOLDER]]   (default: ../shared/corpora/kjv.txt, /tmp)
#include "BenchSupport.h"
#include "Calculation.h"
#include "ExportFile.h"

#include <cstdio>
#include <filesystem>

using namespace lexorin;

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : LEXORIN_DEFAULT_CORPUS;
    const std::filesystem::path folder = argc > 2 ? argv[2] : "/tmp";
    TAnalysisState state;
    if (!bench::LoadState(path, state))
        return 1;
    TQuietHost host;
    TCalculation calculation(state, host);
    const struct {
        const char* name;
        TAnalysisPage page;
        TConcordanceLayout layout;
    } lists[] = {{"phrases", TAnalysisPage::Phrases, TConcordanceLayout::Basic},
                 {"wordforms", TAnalysisPage::Wordforms, TConcordanceLayout::Basic},
                 {"concordance", TAnalysisPage::Concordance, TConcordanceLayout::Basic},
                 {"contexts", TAnalysisPage::Concordance, TConcordanceLayout::Professional}};
    for (const auto& list : lists) {
        calculation.Calculate(list.page);
        for (const char* extension : {".csv", ".xlsx"}) {
            const std::filesystem::path file =
                folder / (std::string("lexorin-export-") + list.name + extension);
            bench::ResetPeak();
            const auto start = bench::Now();
            const int rows =
                WriteExportFile(state, list.page, list.layout, state.options, file.string());
            const double seconds = bench::SecondsSince(start);
            std::printf("  %-12s %-5s %7.3f s  peak %7.1f MiB  %7d rows  %7.1f MiB\n", list.name,
                        extension + 1, seconds, bench::PeakMiB(), rows,
                        static_cast<double>(std::filesystem::file_size(file)) / (1 << 20));
            std::filesystem::remove(file);
        }
    }
    return 0;
}
