// Writing a file so that it is either all there or not changed at all.
#pragma once

#include <functional>
#include <string>

namespace lexorin {

// Has `write` fill a new temporary file beside `path` (it gets the
// temporary file's name) and then puts that file in place of `path`, in one
// step. When anything fails, `write` throwing included, the temporary file
// is removed, whatever was at `path` stays as it was, and a
// std::runtime_error with the reason (without the path) is thrown. A new
// file gets the permissions the process's umask allows; a replaced file
// keeps its own. A symbolic link stays: the file it leads to is replaced.
// A device, a pipe or a socket (/dev/null, /dev/stdout on a pipe) is not
// replaced but written in place: `write` gets `path` itself.
void ReplaceFile(const std::string& path, const std::function<void(const std::string&)>& write);

// From now on SIGINT and SIGTERM first remove the temporary file of a
// ReplaceFile under way, then end the process as they would have. A kill
// that cannot be caught (SIGKILL) still leaves it: a file named after the
// destination with a dot and six characters more ("out.csv.a1B2c3"), beside
// the file it was to replace.
void RemoveTemporaryFileOnSignals();

} // namespace lexorin
