// A loaded file as the program holds it.
#pragma once

#include <string>

namespace lexorin {

// The bytes of a file as the text to analyse: every NUL byte becomes a
// blank, so that no text is lost and the end of the text stays unique, and
// every line break (CR LF, lone LF, lone CR) becomes CR LF.
std::string LoadedText(const std::string& bytes);

} // namespace lexorin
