// The words of an ignored-words list, looked up without regard to case.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

class TIgnoredWordSet {
public:
    // Words are kept trimmed and lower-cased.
    void Clear() { words_.clear(); }
    void Add(std::string_view word);
    bool Contains(std::string_view word) const;
    std::size_t Size() const { return words_.size(); }

private:
    std::set<std::string> words_; // lower-cased
};

// The lines of a list file as they are written in it, in cp1251 (a file in
// UTF-8 is decoded): lines end with CR LF, LF or CR; a line break at the very
// end adds no empty line. False when the file cannot be read.
bool ReadListLines(const std::string& path, std::vector<std::string>& lines);

// A list file's text: each word trimmed of blanks and control characters
// and lower-cased, CR LF after every line.
std::string ListFileText(const std::vector<std::string>& words);
// Replaces the list file with those words; false when it cannot be written
// (the old file is then intact).
bool WriteListFile(const std::string& path, const std::vector<std::string>& words);

// Rebuilds the set from a list file; a file that cannot be read leaves it
// empty. Returns whether the file was read.
bool LoadIgnoredWordSet(const std::string& path, TIgnoredWordSet& set);

} // namespace lexorin
