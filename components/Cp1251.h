// Windows-1251 and Unicode: each byte is one character and back.
#pragma once

#include <string>
#include <string_view>

namespace lexorin {

// The Unicode character of a cp1251 byte. The byte 0x98, which names no
// character in cp1251, stands for U+0098 so that every byte survives a
// round trip.
char32_t Cp1251ToUnicode(unsigned char byte);

// A cp1251 text as UTF-8.
std::string Cp1251ToUtf8(std::string_view text);

// The cp1251 byte of a Unicode character; '?' for a character cp1251 lacks.
char UnicodeToCp1251(char32_t c);

// Decodes UTF-8 into cp1251 (a byte-order mark at the start is dropped,
// characters cp1251 lacks become '?'). False, and `text` untouched, when the
// bytes are not well-formed UTF-8: overlong forms, surrogates, code points
// beyond U+10FFFF and cut sequences are rejected.
bool Utf8ToCp1251(std::string_view utf8, std::string& text);

// The program's own files (settings, word lists): their bytes as UTF-8 text,
// read as UTF-8 when they are well-formed UTF-8 (a byte-order mark dropped),
// as cp1251 otherwise; and UTF-8 text as the bytes to write: cp1251 while
// every character fits it, so that such files stay as they always were,
// otherwise UTF-8 after a byte-order mark.
std::string ProgramFileText(std::string_view bytes);
std::string ProgramFileBytes(std::string_view utf8);

} // namespace lexorin
