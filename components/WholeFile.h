// Reading a file whole, byte for byte.
#pragma once

#include <string>

namespace lexorin {

// False (and no bytes) when the path cannot be read as a file: missing,
// unreadable, a folder, or failing while read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace lexorin
