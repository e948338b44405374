// The words of an ignored-words list, looked up without regard to case.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <unordered_set>
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

// The lines of a list file as they are written in it, in UTF-8 (the file
// may be UTF-8 or cp1251): lines end with CR LF, LF or CR; a line break at
// the very end adds no empty line. False when the file cannot be read.
bool ReadListLines(const std::string& path, std::vector<std::string>& lines);

// A list file's bytes for these words (UTF-8): each word trimmed of blanks
// and control characters and lower-cased, CR LF after every line; in cp1251
// while every word fits it, otherwise in UTF-8 after a byte-order mark.
std::string ListFileBytes(const std::vector<std::string>& words);
// Replaces the list file with those words; false when it cannot be written
// (the old file is then intact).
bool WriteListFile(const std::string& path, const std::vector<std::string>& words);

// Rebuilds the set from a list file, its words in the text's page (a word
// with a character the page lacks cannot occur in the text and is left
// out); a file that cannot be read leaves it empty. Returns whether the file
// was read.
bool LoadIgnoredWordSet(const std::string& path, TIgnoredWordSet& set);

// The words of a list file in UTF-8, case-folded (Utf8Fold), whatever page
// they fit; empty when the file cannot be read.
std::unordered_set<std::string> IgnoredWordsFolded(const std::string& path);

} // namespace lexorin
