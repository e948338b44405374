// Times the engine on a text file: the word string, the word tree and the
// normalised character tree, with nodes per symbol and peak memory.
//
//   engine_bench [--repeat N] [FILE...]   (default: ../shared/corpora/kjv.txt, 3 runs)
#include "AnalysisState.h"
#include "BenchSupport.h"
#include "FeBase.h"
#include "FeSTU.h"
#include "FeWordWdList.h"
#include "TextLoading.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace lexorin;

namespace {

using bench::PeakMiB;
using bench::ResetPeak;

double Seconds(std::chrono::steady_clock::time_point since) {
    return bench::SecondsSince(since);
}

struct Figures {
    std::vector<double> seconds;
    double peakMiB = 0;
    int nodes = 0;
    double treeBytes = 0;
    int symbols = 0;

    void Add(double time) {
        seconds.push_back(time);
        peakMiB = std::max(peakMiB, PeakMiB());
    }
    double Median() const {
        std::vector<double> sorted = seconds;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
    void Print(const char* what) const {
        std::printf("  %-24s median %7.3f s  (min %.3f, max %.3f)", what, Median(),
                    *std::min_element(seconds.begin(), seconds.end()),
                    *std::max_element(seconds.begin(), seconds.end()));
        if (nodes > 0)
            std::printf("  %5.2f nodes/symbol  %5.1f tree bytes/symbol", double(nodes) / symbols,
                        treeBytes / symbols);
        std::printf("  peak %6.1f MiB\n", peakMiB);
    }
};

void NoteTree(Figures& figures, const TFeTree& tree, int symbols) {
    figures.nodes = tree.Count();
    figures.treeBytes = double(tree.MemoryBytes());
    figures.symbols = symbols;
}

int Run(const std::string& path, int repeats) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "Cannot open file \"%s\"\n", path.c_str());
        return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    // The text as the analyses see it, loaded as the program loads it.
    const std::string text = PrepareText(LoadText(bytes).text);
    StoreWordPositions = true;
    Figures words, wordTree, together, chars;
    int wordSymbols = 0;
    int charSymbols = 0;
    for (int round = 0; round < repeats; ++round) {
        {
            ResetPeak();
            auto start = std::chrono::steady_clock::now();
            auto string = std::make_unique<TFeWordsString>(text, static_cast<int>(text.size()),
                                                           TCharSet(".?!"), true);
            string->SortWords(true);
            const double stringSeconds = Seconds(start);
            words.Add(stringSeconds);
            wordSymbols = string->Length();
            start = std::chrono::steady_clock::now();
            TFeTree tree(std::move(string));
            TUkkTreeBuilder builder;
            builder.OnProgress = [](TFeTree&, int, bool&) {};
            tree.Build(builder);
            const double treeSeconds = Seconds(start);
            wordTree.Add(treeSeconds);
            together.Add(stringSeconds + treeSeconds);
            NoteTree(wordTree, tree, wordSymbols);
        }
        {
            ResetPeak();
            auto start = std::chrono::steady_clock::now();
            auto string = std::make_unique<TFePasStringObject>(text, true);
            string->Normalize();
            charSymbols = string->Length();
            TFeTree tree(std::move(string));
            TUkkTreeBuilder builder;
            builder.OnProgress = [](TFeTree&, int, bool&) {};
            tree.Build(builder);
            chars.Add(Seconds(start));
            NoteTree(chars, tree, charSymbols);
        }
    }
    std::printf("%s: %zu bytes, %d word symbols, %d character symbols, %d runs\n", path.c_str(),
                bytes.size(), wordSymbols, charSymbols, repeats);
    words.Print("word string");
    wordTree.Print("word tree");
    together.Print("word string and tree");
    chars.Print("character tree");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int repeats = 3;
    std::vector<std::string> paths;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--repeat" && k + 1 < argc)
            repeats = std::max(1, std::atoi(argv[++k]));
        else
            paths.push_back(arg);
    }
    if (paths.empty())
        paths.push_back(LEXORIN_DEFAULT_CORPUS);
    int status = 0;
    for (const std::string& path : paths)
        status |= Run(path, repeats);
    return status;
}
