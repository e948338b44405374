#include "IgnoredWords.h"

#include "FeLocale.h"
#include "FeUtils.h"
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
    for (std::string_view line : SplitLines(bytes))
        lines.emplace_back(line);
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
