// Timing and peak memory for the benchmark programs.
#pragma once

#include <chrono>
#include <fstream>
#include <string>

namespace lexorin::bench {

inline std::chrono::steady_clock::time_point Now() {
    return std::chrono::steady_clock::now();
}

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(Now() - start).count();
}

// Peak resident memory of the process since the last reset, in MiB.
inline double PeakMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

inline void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace lexorin::bench
