// Timing and peak memory for the benchmark programs.
#pragma once

#include "AnalysisState.h"
#include "FeWordWdList.h"
#include "TextLoading.h"
#include "WholeFile.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace lexorin::bench {

inline std::chrono::steady_clock::time_point Now() {
    return std::chrono::steady_clock::now();
}

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(Now() - start).count();
}

// A memory figure of the process ("VmHWM:", "VmRSS:"), in MiB.
inline double StatusMiB(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(key.size())) / 1024.0;
    return 0;
}

// Peak resident memory of the process since the last reset, in MiB.
inline double PeakMiB() {
    return StatusMiB("VmHWM:");
}

// Resident memory of the process now, in MiB.
inline double CurrentMiB() {
    return StatusMiB("VmRSS:");
}

// Loads the text of a file into the state as the program loads it, with
// word positions recorded, and says how long it is; false, and a message on
// standard error, when the file cannot be read.
inline bool LoadState(const std::string& path, TAnalysisState& state) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "Cannot open file \"%s\"\n", path.c_str());
        return false;
    }
    StoreWordPositions = true;
    TLoadedText loaded = LoadTextInEncoding(bytes, {}, {});
    SetTextPage(loaded.page);
    state.viewText = std::move(loaded.text);
    std::printf("%s: %zu characters\n", path.c_str(), state.viewText.size());
    return true;
}

inline void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace lexorin::bench
