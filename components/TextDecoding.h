// The bytes of a text file as a text to analyse: in the bytes of a code
// page, and which page that is.
#pragma once

#include "CodePage.h"

#include <memory>
#include <string>
#include <string_view>

namespace lexorin {

struct TDecodedText {
    std::string text; // in the bytes of `page`
    std::shared_ptr<const TCodePage> page;
    // The file's encoding as the user reads it: "windows-1250", "UTF-8",
    // "UTF-8, alphabet of 30 letters".
    std::string encoding;
    bool unicode = false; // the file was UTF-8 or UTF-16 and has been decoded
};

// `encoding` empty chooses by the bytes: UTF-16 after its byte-order mark,
// UTF-8 when marked or well-formed and not plain ASCII, otherwise
// Windows-1251. A named encoding is read as such (EEncoding when it is
// unknown, or when the bytes are not well-formed in a Unicode one). A
// Unicode text is normalised to NFC and gets Windows-1251 when all its
// characters have a place there, or an alphabet of its own
// (ETooManyCharacters when it needs more than 128 characters besides ASCII).
TDecodedText DecodeText(std::string_view bytes, std::string_view encoding = {},
                        std::string_view sortLanguage = {});

} // namespace lexorin
