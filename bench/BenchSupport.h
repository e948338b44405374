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

inline void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace lexorin::bench
