#include "ExceptionLog.h"

#include "FeUtils.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>
#include <fstream>
#include <link.h>
#include <sys/utsname.h>
#include <thread>

namespace lexorin {
namespace {

std::string Format(const char* format, auto... values) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

std::string Demangled(const char* name) {
    int status = 0;
    char* plain = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    std::string result = status == 0 && plain != nullptr ? plain : name;
    std::free(plain);
    return result;
}

// The value of a "key : value" line of /proc/cpuinfo.
std::string CpuInfo(const std::string& key) {
    std::ifstream info("/proc/cpuinfo");
    std::string line;
    while (std::getline(info, line))
        if (line.rfind(key, 0) == 0) {
            const std::size_t colon = line.find(':');
            if (colon != std::string::npos)
                return line.substr(colon + (colon + 1 < line.size() ? 2 : 1));
        }
    return "unknown";
}

// PRETTY_NAME of /etc/os-release, without its quotation marks.
std::string OsName() {
    std::ifstream release("/etc/os-release");
    std::string line;
    while (std::getline(release, line))
        if (line.rfind("PRETTY_NAME=", 0) == 0) {
            std::string name = line.substr(12);
            name.erase(std::remove(name.begin(), name.end(), '"'), name.end());
            return name;
        }
    return "Linux";
}

} // namespace

std::string SeparatorLine() {
    return std::string(kReportWidth, '-');
}

std::string ReportMessage(std::string_view message) {
    std::string text = CrLfLineBreaks(message);
    if (text.empty() || text.back() != '.')
        text.push_back('.');
    return text;
}

std::string DetailsHeader(std::string_view className, const void* address) {
    return "Exception class: " + Demangled(std::string(className).c_str()) + "\r\n" +
           Format("Exception address: %016llX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address))) +
           "\r\n" + SeparatorLine() + "\r\n";
}

std::string DateTimeText(std::chrono::system_clock::time_point when) {
    const std::time_t time = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&time, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    return buffer;
}

std::string StackBlock(const std::vector<std::string>& frames,
                       std::chrono::system_clock::time_point when) {
    std::string block = "Stack list, generated " + DateTimeText(when) + "\r\n";
    for (const std::string& frame : frames)
        block += frame + "\r\n";
    return block + SeparatorLine() + "\r\n";
}

std::vector<std::string> CurrentStack() {
    void* addresses[64];
    const int count = backtrace(addresses, 64);
    std::vector<std::string> frames;
    for (int k = 1; k < count; ++k) { // not this function itself
        Dl_info info{};
        std::string frame =
            Format("[%016llX] ",
                   static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(addresses[k])));
        if (dladdr(addresses[k], &info) != 0) {
            frame += info.dli_fname != nullptr ? info.dli_fname : "?";
            if (info.dli_sname != nullptr) {
                frame += ' ';
                frame += Demangled(info.dli_sname);
            }
        }
        frames.push_back(frame);
    }
    return frames;
}

std::vector<std::string> SystemLines() {
    utsname system{};
    uname(&system);
    const std::string mhz = CpuInfo("cpu MHz");
    return {
        Format("System   : %s %s, Version: %s, Build: %s, \"%s\"", system.sysname, OsName().c_str(),
               system.release, system.version, system.machine),
        Format("Processor: %s, %s, %d MHz %s%s", CpuInfo("vendor_id").c_str(),
               CpuInfo("model name").c_str(), mhz == "unknown" ? 0 : std::atoi(mhz.c_str()),
               CpuInfo("flags").find(" sse2") != std::string::npos ? "SSE2 " : "",
               Format("%u cores", std::thread::hardware_concurrency()).c_str()),
    };
}

std::vector<TModule> LoadedModules() {
    std::vector<TModule> modules;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto& list = *static_cast<std::vector<TModule>*>(data);
            const std::string path = info->dlpi_name != nullptr ? info->dlpi_name : "";
            list.push_back({static_cast<std::uintptr_t>(info->dlpi_addr),
                            path.empty() ? "(the program)" : path, ""});
            return 0;
        },
        &modules);
    std::sort(modules.begin(), modules.end(),
              [](const TModule& a, const TModule& b) { return a.base < b.base; });
    return modules;
}

std::string ModulesBlock(const std::vector<TModule>& modules) {
    std::string block = "List of loaded modules:\r\n";
    for (const TModule& module : modules) {
        block += Format("[%.8llx] %s", static_cast<unsigned long long>(module.base),
                        module.path.c_str()) +
                 "\r\n";
        block += "    " +
                 (module.version.empty() ? std::string("(no version info)") : module.version) +
                 "\r\n";
    }
    return block + SeparatorLine() + "\r\n";
}

bool AppendToLog(const std::string& path, std::string_view message, std::string_view details,
                 std::chrono::system_clock::time_point when) {
    std::ofstream log(path, std::ios::binary | std::ios::app);
    if (!log)
        return false;
    log.seekp(0, std::ios::end);
    const bool holdsSomething = log.tellp() > 0;
    std::string text;
    if (holdsSomething)
        text += "\r\n";
    const std::string rule(kReportWidth, '=');
    text += rule + "\r\n" + Format("= %-*s =", kReportWidth - 4, DateTimeText(when).c_str()) +
            "\r\n" + rule + "\r\n";
    const auto addLines = [&text](std::string_view block) {
        for (std::string_view line : SplitLines(block)) {
            while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
                line.remove_suffix(1);
            text.append(line);
            text += "\r\n";
        }
    };
    addLines(message);
    addLines(details);
    log << text;
    log.close();
    return static_cast<bool>(log);
}

} // namespace lexorin
