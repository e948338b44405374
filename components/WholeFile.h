// Reading a file whole, byte for byte, and replacing one whole.
#pragma once

#include <string>
#include <string_view>

namespace lexorin {

// False (and no bytes) when the path cannot be read as a file: missing,
// unreadable, a folder, or failing while read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces the file with `bytes`, or creates it, in one step (ReplaceFile):
// a reader sees either the old file or the new one whole. False when
// anything fails; the old file is then as it was.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

} // namespace lexorin
