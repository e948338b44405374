// A loaded file as the program holds it.
#pragma once

#include "CodePage.h"

#include <memory>
#include <string>
#include <string_view>

namespace lexorin {

struct TLoadedText {
    std::string text;      // in the bytes of `page`
    bool fromUtf8 = false; // the file was UTF-8 and has been converted
    std::shared_ptr<const TCodePage> page = Cp1251Page();
    std::string encoding = "windows-1251"; // the file's, as the user reads it
};

// The bytes of a file as the text to analyse. Bytes that are well-formed
// UTF-8 and not plain ASCII are decoded and mapped to cp1251 (characters it
// lacks become '?'); any other bytes are cp1251 already. Then every NUL
// becomes a blank, so that no text is lost and the end of the text stays
// unique, and every line break (CR LF, lone LF, lone CR) becomes CR LF.
TLoadedText LoadText(const std::string& bytes);

// The bytes of a file in `encoding` (empty: chosen by the bytes) as the
// text to analyse in its own code page, cleaned as above. Unicode texts
// keep every character: see DecodeText for the pages and the refusals.
TLoadedText LoadTextInEncoding(const std::string& bytes, std::string_view encoding,
                               std::string_view sortLanguage);

// A cp1251 text as the program holds it: every NUL a blank, every line
// break CR LF.
std::string CleanText(std::string text);

} // namespace lexorin
