// Loading a UTF-8 text: the Windows-1251 reading (characters it lacks become
// '?') against the reading that keeps every character in an alphabet of the
// text's own; then each Calculate on both, which hold texts of the same
// length.
//
//   loading_bench FILE [REPEAT]     (FILE: UTF-8 with letters beyond Windows-1251)
#include "BenchSupport.h"
#include "Calculation.h"
#include "CodePage.h"
#include "Cp1251.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace lexorin;

namespace {

// The median of `repeat` timings of `run`, in seconds.
double Median(int repeat, const std::function<void()>& run) {
    std::vector<double> seconds;
    for (int k = 0; k < repeat; ++k) {
        const auto start = bench::Now();
        run();
        seconds.push_back(bench::SecondsSince(start));
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

double Calculate(const std::string& text, const std::shared_ptr<const TCodePage>& page,
                 TAnalysisPage task) {
    SetTextPage(page);
    TAnalysisState state;
    state.viewText = text;
    TQuietHost host;
    TCalculation calculation(state, host);
    const auto start = bench::Now();
    calculation.Calculate(task);
    const double seconds = bench::SecondsSince(start);
    SetTextPage(Cp1251Page());
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: loading_bench FILE [REPEAT]\n");
        return 2;
    }
    const int repeat = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::string bytes;
    if (!ReadWholeFile(argv[1], bytes)) {
        std::fprintf(stderr, "Cannot open file \"%s\"\n", argv[1]);
        return 1;
    }
    // The Windows-1251 reading: UTF-8 mapped to it, '?' for what it lacks.
    TLoadedText cp1251, own;
    const double before = Median(repeat, [&] {
        std::string text;
        if (!Utf8ToCp1251(bytes, text))
            text = bytes;
        cp1251.text = CleanText(std::move(text));
    });
    const double now = Median(repeat, [&] { own = LoadTextInEncoding(bytes, {}, {}); });
    std::printf("%s: %zu bytes, %zu characters, %s\n", argv[1], bytes.size(), own.text.size(),
                own.encoding.c_str());
    std::printf("  loading as windows-1251 %7.3f s\n", before);
    std::printf("  loading, own alphabet   %7.3f s  (%+.1f %%)\n", now, (now / before - 1) * 100);
    StoreWordPositions = true;
    const struct {
        const char* name;
        TAnalysisPage page;
    } tasks[] = {{"phrases", TAnalysisPage::Phrases},
                 {"wordforms", TAnalysisPage::Wordforms},
                 {"concordance", TAnalysisPage::Concordance},
                 {"summary", TAnalysisPage::Summary}};
    for (const auto& task : tasks) {
        const double a = Calculate(cp1251.text, cp1251.page, task.page);
        const double b = Calculate(own.text, own.page, task.page);
        std::printf("  %-12s windows-1251 %7.3f s  own alphabet %7.3f s  (%+.1f %%)\n", task.name,
                    a, b, (b / a - 1) * 100);
    }
    return 0;
}
