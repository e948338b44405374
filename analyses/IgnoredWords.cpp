#include "IgnoredWords.h"

#include "FeLocale.h"
#include "WholeFile.h"

namespace lexorin {

void TIgnoredWordSet::Add(std::string_view word) {
    words_.insert(LowerCaseText(word));
}

bool TIgnoredWordSet::Contains(std::string_view word) const {
    return !words_.empty() && words_.count(LowerCaseText(word)) > 0;
}

bool ReadListLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return false;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            line.push_back(c);
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return true;
}

bool LoadIgnoredWordSet(const std::string& path, TIgnoredWordSet& set) {
    set.Clear();
    std::vector<std::string> lines;
    if (!ReadListLines(path, lines))
        return false;
    for (const std::string& line : lines)
        set.Add(line);
    return true;
}

} // namespace lexorin
