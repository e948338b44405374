// A loaded file as the program holds it.
#pragma once

#include <string>

namespace lexorin {

struct TLoadedText {
    std::string text;      // cp1251
    bool fromUtf8 = false; // the file was UTF-8 and has been converted
};

// The bytes of a file as the text to analyse. Bytes that are well-formed
// UTF-8 and not plain ASCII are decoded and mapped to cp1251 (characters it
// lacks become '?'); any other bytes are cp1251 already. Then every NUL
// becomes a blank, so that no text is lost and the end of the text stays
// unique, and every line break (CR LF, lone LF, lone CR) becomes CR LF.
TLoadedText LoadText(const std::string& bytes);

// A cp1251 text as the program holds it: every NUL a blank, every line
// break CR LF.
std::string CleanText(std::string text);

} // namespace lexorin
