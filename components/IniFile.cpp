#include "IniFile.h"

#include "FeUtils.h"
#include "WholeFile.h"

namespace lexorin {

bool ReadIniSection(const std::string& path, const std::string& section, TIniEntries& entries) {
    entries.clear();
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return false;
    bool inSection = false;
    for (std::string_view raw : SplitLines(bytes)) {
        const std::string line(TrimControls(raw));
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            inSection = SameTextIgnoreCase(
                TrimControls(std::string_view(line).substr(1, line.size() - 2)), section);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inSection && equals != std::string::npos)
            entries.emplace_back(TrimControls(std::string_view(line).substr(0, equals)),
                                 TrimControls(std::string_view(line).substr(equals + 1)));
    }
    return true;
}

} // namespace lexorin
