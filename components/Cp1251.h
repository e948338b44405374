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

} // namespace lexorin
