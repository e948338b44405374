// Reading a file whole, byte for byte, and replacing one whole.
#pragma once

#include <string>
#include <string_view>

namespace lexorin {

// False (and no bytes) when the path cannot be read as a file: missing,
// unreadable, a folder, or failing while read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces the file with `bytes`, or creates it: the bytes go to a new file
// in the same folder, which is then renamed over the old one, so a reader
// sees either the old file or the new one whole. A file that existed keeps
// its permissions. False when anything fails; the old file is then as it
// was and no temporary file is left.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

} // namespace lexorin
