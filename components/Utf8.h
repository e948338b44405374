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
// Every character in its lower-case form, one character for one.
std::string Utf8Lower(std::string_view utf8);
// A word or text in lower case as it is written: by Unicode's full rules,
// with their context (a capital sigma at the end of a word is a final
// sigma).
std::string Utf8LowerText(std::string_view utf8);
// Every character in its case-folded form, one character for one: the form
// under which words that differ only in case are the same (a final sigma
// and the sigma of its capital included), as the code pages compare them.
std::string Utf8Fold(std::string_view utf8);

} // namespace lexorin
