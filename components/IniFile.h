// Reading Windows-style settings files: "[Section]" lines open a section,
// "key=value" lines below it are its entries. Keys and values lose blanks
// and control characters at both ends; keys compare without regard to case.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lexorin {

using TIniEntries = std::vector<std::pair<std::string, std::string>>;

// The entries of one section in file order (empty when the section is
// missing). False when the file cannot be read.
bool ReadIniSection(const std::string& path, const std::string& section, TIniEntries& entries);

} // namespace lexorin
