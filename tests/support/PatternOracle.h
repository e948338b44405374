// A search-term pattern matcher written the other way round from the
// program's: by recursion, as the oracle of the tests.
#pragma once

#include "FeLocale.h"

#include <string_view>

namespace lexorin::test {

inline bool OracleMatches(std::string_view word, std::string_view pattern, bool caseSensitive) {
    if (pattern.empty())
        return word.empty();
    if (pattern[0] == '*')
        return OracleMatches(word, pattern.substr(1), caseSensitive) ||
               (!word.empty() && OracleMatches(word.substr(1), pattern, caseSensitive));
    if (word.empty())
        return false;
    const bool same =
        pattern[0] == '?' ||
        (caseSensitive ? pattern[0] == word[0] : LowerChar(pattern[0]) == LowerChar(word[0]));
    return same && OracleMatches(word.substr(1), pattern.substr(1), caseSensitive);
}

} // namespace lexorin::test
