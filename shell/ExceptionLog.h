// The text of an error report and the log it is appended to. The dialog
// that shows a report builds it from these pieces; they need no window.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

inline constexpr int kReportWidth = 100;

// 100 "-" characters.
std::string SeparatorLine();

// The message as the report shows it: ended with "." unless it already
// ends so, every line break made CR LF.
std::string ReportMessage(std::string_view message);

// "Exception class: ...", "Exception address: ...", a separator line.
std::string DetailsHeader(std::string_view className, const void* address);

// "Stack list, generated <date time>", one line per frame, a separator.
std::string StackBlock(const std::vector<std::string>& frames,
                       std::chrono::system_clock::time_point when);

// The frames of the calling thread's stack, innermost first.
std::vector<std::string> CurrentStack();

// "System   : ...", "Processor: ..." of this machine; the display line is
// the window's to add.
std::vector<std::string> SystemLines();

struct TModule {
    std::uintptr_t base;
    std::string path;
    std::string version; // empty: "(no version info)"
};
// The modules loaded into this process, by base address.
std::vector<TModule> LoadedModules();
// "List of loaded modules:", then "[%.8x] path" and, indented, the version.
std::string ModulesBlock(const std::vector<TModule>& modules);

// The banner, message and details, appended to the log file with an empty
// line before them when the file holds something already; trailing blanks
// of every line removed, lines ended by CR LF. False when the file cannot
// be opened (the caller goes on without it).
bool AppendToLog(const std::string& path, std::string_view message, std::string_view details,
                 std::chrono::system_clock::time_point when);

// "yyyy-mm-dd hh:mm:ss", local time.
std::string DateTimeText(std::chrono::system_clock::time_point when);

} // namespace lexorin
