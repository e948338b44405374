// Times the engine on a text file: the word string, the word tree and the
// normalised character tree, with nodes per symbol and peak memory.
//
//   engine_bench [FILE...]     (default: ../shared/corpora/kjv.txt)
#include "FeBase.h"
#include "FeSTU.h"
#include "FeWordWdList.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

using namespace lexorin;

namespace {

// Peak resident memory since the last reset, in MiB.
double PeakMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The analysed form of a loaded text: line feeds dropped, carriage returns
// made blanks.
std::string AnalysedText(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char c : bytes)
        if (c != '\n')
            text.push_back(c == '\r' ? ' ' : c == '\0' ? ' ' : c);
    return text;
}

void Report(const char* what, double seconds, const TFeTree* tree, int symbols) {
    std::printf("  %-26s %8.3f s", what, seconds);
    if (tree != nullptr)
        std::printf("  %9d nodes  %5.2f nodes/symbol  %6.1f tree bytes/symbol", tree->Count(),
                    double(tree->Count()) / symbols, double(tree->MemoryBytes()) / symbols);
    std::printf("  peak %7.1f MiB\n", PeakMiB());
}

int Run(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "Cannot open file \"%s\"\n", path.c_str());
        return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::string text = AnalysedText(bytes);
    std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
    StoreWordPositions = true;

    {
        ResetPeak();
        auto start = std::chrono::steady_clock::now();
        auto words = std::make_unique<TFeWordsString>(text, static_cast<int>(text.size()),
                                                      TCharSet(".?!"), true);
        words->SortWords(true);
        const double wordSeconds = Seconds(start);
        const int symbols = words->Length();
        Report("word string", wordSeconds, nullptr, symbols);
        start = std::chrono::steady_clock::now();
        TFeTree tree(std::move(words));
        TUkkTreeBuilder builder;
        builder.OnProgress = [](TFeTree&, int, bool&) {};
        tree.Build(builder);
        const double treeSeconds = Seconds(start);
        Report("word tree", treeSeconds, &tree, symbols);
        std::printf("  %-26s %8.3f s  (%d symbols)\n", "word string + word tree",
                    wordSeconds + treeSeconds, symbols);
    }
    {
        ResetPeak();
        auto start = std::chrono::steady_clock::now();
        auto chars = std::make_unique<TFePasStringObject>(text, true);
        chars->Normalize();
        const int symbols = chars->Length();
        TFeTree tree(std::move(chars));
        TUkkTreeBuilder builder;
        builder.OnProgress = [](TFeTree&, int, bool&) {};
        tree.Build(builder);
        Report("character tree", Seconds(start), &tree, symbols);
        std::printf("  %-26s %8d symbols\n", "", symbols);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int status = 0;
    if (argc < 2)
        return Run(LEXORIN_DEFAULT_CORPUS);
    for (int k = 1; k < argc; ++k)
        status |= Run(argv[k]);
    return status;
}
