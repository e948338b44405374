#include "IgnoredWords.h"

#include "CodePage.h"
#include "FeLocale.h"
#include "FeUtils.h"
#include "WholeFile.h"

namespace lexorin {

void TIgnoredWordSet::Add(std::string_view word) {
    words_.insert(LowerCaseText(TrimControls(word)));
}

bool TIgnoredWordSet::Contains(std::string_view word) const {
    return !words_.empty() && words_.count(LowerCaseText(word)) > 0;
}

bool ReadListLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return false;
    const std::string text = FileBytesToText(bytes);
    for (std::string_view line : SplitLines(text))
        lines.emplace_back(line);
    return true;
}

std::string ListFileText(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words)
        text.append(LowerCaseText(TrimControls(word))).append("\r\n");
    return text;
}

bool WriteListFile(const std::string& path, const std::vector<std::string>& words) {
    return WriteWholeFile(path, ListFileText(words));
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
