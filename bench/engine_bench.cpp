// Times the engine on a text file: the word string, the word tree and the
// normalised character tree, with nodes per symbol and peak memory.
//
// Each tree is built by the online construction and from suffix and LCP
// arrays, beside the yardstick of those arrays alone for the character
// string; --compare also checks that both builders make the same word and
// character trees, field by field. --yardstick only loads the text and builds those
// arrays once, for timing as a whole process beside lexorin-cli. --arrays
// leaves out the online construction; --cancel also cancels the character
// tree from arrays once within each of its stages and prints how long the
// build took to return after the cancelling progress call.
//
//   engine_bench [--repeat N] [--compare] [--yardstick] [--arrays] [--cancel] [FILE...]
//   (default: ../shared/corpora/kjv.txt, 3 runs)
#include "AnalysisState.h"
#include "BenchSupport.h"
#include "FeBase.h"
#include "FeSTU.h"
#include "FeSaTree.h"
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
#include <type_traits>
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
    double longestStep = 0;           // between progress calls
    int longestStepEnd = 0;           // the stage reported at its end, 0 for the end of the build
    double startMiB = 0;              // resident before the build
    std::vector<double> stageSeconds; // of the last build, by progress stage
    int nodes = 0;
    double treeBytes = 0;
    int symbols = 0;

    void Start() {
        ResetPeak();
        startMiB = bench::CurrentMiB();
    }
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
        std::printf("  peak %6.1f MiB (from %.1f)", peakMiB, startMiB);
        if (longestStep > 0)
            std::printf("  longest step %.3f s (to stage %d)", longestStep, longestStepEnd);
        std::printf("\n");
        if (stageSeconds.size() > 1) {
            std::printf("    by stage (last run):");
            for (const double time : stageSeconds)
                std::printf(" %.3f", time);
            std::printf(" s\n");
        }
    }
};

void NoteTree(Figures& figures, const TFeTree& tree, int symbols) {
    figures.nodes = tree.Count();
    figures.treeBytes = double(tree.MemoryBytes());
    figures.symbols = symbols;
}

// The normalised character string of the wordform tree.
std::unique_ptr<TFePasStringObject> CharString(const std::string& text) {
    auto string = std::make_unique<TFePasStringObject>(text, true);
    string->Normalize();
    return string;
}

std::unique_ptr<TFeWordsString> WordString(const std::string& text) {
    auto string = std::make_unique<TFeWordsString>(text, static_cast<int>(text.size()),
                                                   TCharSet(".?!"), true);
    string->SortWords(true);
    return string;
}

// Times one tree build over a new string (whose making is timed too), and
// notes the tree's size.
template <typename Builder, typename MakeString>
void TimeTree(Figures& figures, const MakeString& makeString) {
    figures.Start();
    const auto start = std::chrono::steady_clock::now();
    auto string = makeString();
    const int symbols = string->Length();
    TFeTree tree(std::move(string));
    // The longest stretch without a progress call bounds how long Cancel waits.
    auto last = std::chrono::steady_clock::now();
    auto stageStart = last;
    figures.stageSeconds.clear();
    Builder builder;
    const auto noteStep = [&](int stage) {
        if (Seconds(last) > figures.longestStep) {
            figures.longestStep = Seconds(last);
            figures.longestStepEnd = stage;
        }
    };
    builder.OnProgress = [&](TFeTree&, int stage, bool&) {
        noteStep(stage);
        last = std::chrono::steady_clock::now();
        if constexpr (std::is_same_v<Builder, TSaTreeBuilder>)
            if (static_cast<std::size_t>(stage) > figures.stageSeconds.size()) {
                figures.stageSeconds.push_back(0);
                stageStart = last;
            }
        if (!figures.stageSeconds.empty())
            figures.stageSeconds.back() = Seconds(stageStart);
    };
    tree.Build(builder);
    noteStep(0);
    if (!figures.stageSeconds.empty())
        figures.stageSeconds.back() = Seconds(stageStart);
    figures.Add(Seconds(start));
    NoteTree(figures, tree, symbols);
}

// The longest time from a cancelling progress call to the end of the build,
// cancelled at the second progress call of each stage (the first within it).
double CancelLatency(const std::string& text) {
    double longest = 0;
    for (int stage = 1; stage <= TSaTreeBuilder::StageCount; ++stage) {
        TFeTree tree(CharString(text));
        TSaTreeBuilder builder;
        int seen = 0;
        auto cancelled = std::chrono::steady_clock::now();
        builder.OnProgress = [&](TFeTree&, int reported, bool& cancel) {
            cancel = reported == stage && ++seen == 2;
            cancelled = std::chrono::steady_clock::now();
        };
        tree.Build(builder);
        const double latency = Seconds(cancelled);
        std::printf("  cancelled in stage %d: returned after %.3f s\n", stage, latency);
        longest = std::max(longest, latency);
    }
    return longest;
}

// Both builders over one string, compared node by node.
bool SameTrees(const char* what, std::unique_ptr<TFeStringObject> string) {
    TFeTree online(std::move(string));
    TUkkTreeBuilder onlineBuilder;
    online.Build(onlineBuilder);
    TFeTree fromArrays(online.StringObject(), false);
    TSaTreeBuilder arraysBuilder;
    fromArrays.Build(arraysBuilder);
    if (online.Count() != fromArrays.Count() || online.CurrentEnd() != fromArrays.CurrentEnd()) {
        std::printf("  the %s trees differ in size: %d and %d nodes\n", what, online.Count(),
                    fromArrays.Count());
        return false;
    }
    for (int i = 0; i < online.Count(); ++i) {
        const TFeTreeNode& a = online.Node(i);
        const TFeTreeNode& b = fromArrays.Node(i);
        if (a.Parent != b.Parent || a.EdgeStart != b.EdgeStart || a.EdgeEnd != b.EdgeEnd ||
            a.Occurrences != b.Occurrences || a.Link != b.Link || a.FirstChild != b.FirstChild ||
            a.NextSibling != b.NextSibling) {
            std::printf("  the %s trees differ at node %d\n", what, i);
            return false;
        }
    }
    std::printf("  both builders make the same %s tree: %d nodes, every field equal\n", what,
                online.Count());
    return true;
}

struct Options {
    int repeats = 3;
    bool compare = false;
    bool yardstickOnly = false;
    bool arraysOnly = false;
    bool cancel = false;
};

int Run(const std::string& path, const Options& options) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "Cannot open file \"%s\"\n", path.c_str());
        return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    // The text as the analyses see it, loaded as the program loads it.
    TLoadedText loaded = LoadTextInEncoding(bytes, {}, {});
    SetTextPage(loaded.page);
    const std::string text = PrepareText(loaded.text);
    if (options.yardstickOnly) {
        const TSuffixArrays arrays = BuildSuffixArrays(*CharString(text));
        std::printf("%s: suffix and LCP arrays of %zu characters\n", path.c_str(),
                    arrays.sa.size());
        return 0;
    }
    StoreWordPositions = true;
    Figures words, together, wordArrays, arrays, chars, charArrays;
    int wordSymbols = 0;
    int charSymbols = 0;
    for (int round = 0; round < options.repeats; ++round) {
        words.Start();
        auto start = std::chrono::steady_clock::now();
        wordSymbols = WordString(text)->Length();
        words.Add(Seconds(start));
        if (!options.arraysOnly)
            TimeTree<TUkkTreeBuilder>(together, [&] { return WordString(text); });
        TimeTree<TSaTreeBuilder>(wordArrays, [&] { return WordString(text); });
        arrays.Start();
        start = std::chrono::steady_clock::now();
        {
            const auto string = CharString(text);
            charSymbols = string->Length();
            BuildSuffixArrays(*string);
        }
        arrays.Add(Seconds(start));
        if (!options.arraysOnly)
            TimeTree<TUkkTreeBuilder>(chars, [&] { return CharString(text); });
        TimeTree<TSaTreeBuilder>(charArrays, [&] { return CharString(text); });
    }
    std::printf("%s: %zu bytes, %d word symbols, %d character symbols, %d runs\n", path.c_str(),
                bytes.size(), wordSymbols, charSymbols, options.repeats);
    words.Print("word string");
    if (!options.arraysOnly)
        together.Print("word string and tree");
    wordArrays.Print(options.arraysOnly ? "word tree from arrays" : "same from arrays");
    arrays.Print("char SA+LCP yardstick");
    if (!options.arraysOnly)
        chars.Print("character tree");
    charArrays.Print(options.arraysOnly ? "char tree from arrays" : "same from arrays");
    std::printf("  character tree from arrays: %.2f times the yardstick, peak %.1f bytes per "
                "character (%.1f over the process before the build)\n",
                charArrays.Median() / arrays.Median(), charArrays.peakMiB * 1048576.0 / charSymbols,
                (charArrays.peakMiB - charArrays.startMiB) * 1048576.0 / charSymbols);
    if (options.cancel)
        std::printf("  longest wait for a cancel: %.3f s\n", CancelLatency(text));
    if (!options.compare)
        return 0;
    const bool sameWords = SameTrees("word", WordString(text));
    return sameWords && SameTrees("character", CharString(text)) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    std::vector<std::string> paths;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--repeat" && k + 1 < argc)
            options.repeats = std::max(1, std::atoi(argv[++k]));
        else if (arg == "--compare")
            options.compare = true;
        else if (arg == "--yardstick")
            options.yardstickOnly = true;
        else if (arg == "--arrays")
            options.arraysOnly = true;
        else if (arg == "--cancel")
            options.cancel = true;
        else
            paths.push_back(arg);
    }
    if (paths.empty())
        paths.push_back(LEXORIN_DEFAULT_CORPUS);
    int status = 0;
    for (const std::string& path : paths)
        status |= Run(path, options);
    return status;
}
