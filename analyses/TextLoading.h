// A loaded file as the program holds it.
#pragma once

#include "CodePage.h"

#include <memory>
#include <string>
#include <string_view>

namespace lexorin {

struct TLoadedText {
    std::string text;      // in the bytes of `page`
    bool fromUtf8 = false; // the file was UTF-8 or UTF-16 and has been decoded
    std::shared_ptr<const TCodePage> page = Cp1251Page();
    std::string encoding = "windows-1251"; // the file's, as the user reads it
};

// The bytes of a file in `encoding` (empty: chosen by the bytes) as the
// text to analyse in its own code page (see DecodeText for the pages and
// the refusals); then every NUL becomes a blank, so that no text is lost and
// the end of the text stays unique, and every line break (CR LF, lone LF,
// lone CR) becomes CR LF.
TLoadedText LoadTextInEncoding(const std::string& bytes, std::string_view encoding,
                               std::string_view sortLanguage);

// A text as the program holds it: every NUL a blank, every line break
// CR LF.
std::string CleanText(std::string text);

} // namespace lexorin
