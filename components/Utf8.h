// The program's own strings in UTF-8: counting, cutting, comparing and
// lower-casing them by characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lexorin {

// The number of characters of a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);
// Its first `count` characters.
std::string_view Utf8Prefix(std::string_view utf8, std::size_t count);
// Two UTF-8 texts in the order of the Unicode default collation, ties in
// byte order: zero only for equal texts.
int CompareUtf8(std::string_view a, std::string_view b);
// Every character in its lower-case form, one character for one, as the
// code pages map case.
std::string Utf8Lower(std::string_view utf8);

} // namespace lexorin
