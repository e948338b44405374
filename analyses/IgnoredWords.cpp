#include "IgnoredWords.h"

#include "CodePage.h"
#include "Cp1251.h"
#include "FeLocale.h"
#include "FeUtils.h"
#include "Utf8.h"
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
    const std::string text = ProgramFileText(bytes);
    for (std::string_view line : SplitLines(text))
        lines.emplace_back(line);
    return true;
}

std::string ListFileBytes(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words)
        text.append(Utf8Lower(TrimControls(word))).append("\r\n");
    return ProgramFileBytes(text);
}

bool WriteListFile(const std::string& path, const std::vector<std::string>& words) {
    return WriteWholeFile(path, ListFileBytes(words));
}

namespace {

// Calls take(word) for every word of a list file, trimmed, in UTF-8; false
// when the file cannot be read.
template <typename Take> bool ForEachListWord(const std::string& path, Take take) {
    std::vector<std::string> lines;
    if (!ReadListLines(path, lines))
        return false;
    for (const std::string& line : lines)
        if (const std::string_view word = TrimControls(line); !word.empty())
            take(word);
    return true;
}

} // namespace

bool LoadIgnoredWordSet(const std::string& path, TIgnoredWordSet& set) {
    set.Clear();
    return ForEachListWord(path, [&](std::string_view word) {
        std::string inText;
        if (Utf8WhollyInText(word, inText))
            set.Add(inText);
    });
}

std::unordered_set<std::string> IgnoredWordsFolded(const std::string& path) {
    std::unordered_set<std::string> words;
    ForEachListWord(path, [&](std::string_view word) { words.insert(Utf8Fold(word)); });
    return words;
}

} // namespace lexorin
