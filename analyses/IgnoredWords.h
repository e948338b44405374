// The words of an ignored-words list, looked up without regard to case.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

class TIgnoredWordSet {
public:
    void Clear() { words_.clear(); }
    void Add(std::string_view word);
    bool Contains(std::string_view word) const;
    std::size_t Size() const { return words_.size(); }

private:
    std::set<std::string> words_; // lower-cased
};

// The lines of a list file: lines end with CR LF, LF or CR; a line break at
// the very end adds no empty line. False when the file cannot be read.
bool ReadListLines(const std::string& path, std::vector<std::string>& lines);

// Rebuilds the set from a list file; a file that cannot be read leaves it
// empty. Returns whether the file was read.
bool LoadIgnoredWordSet(const std::string& path, TIgnoredWordSet& set);

} // namespace lexorin
