// Rows of a phrase table written by hand: text, frequency, words and
// dispersion.
#pragma once

#include "MemTable.h"

#include <string_view>

namespace lexorin::test {

// Appends one row to an open phrase table.
inline void AppendPhrase(TMemTable& table, std::string_view text, int cases, int words,
                         double dispersion) {
    table.Append();
    table.SetText("text", text);
    table.SetInteger("cases", cases);
    table.SetInteger("words", words);
    table.SetDouble("dispersion", dispersion);
    table.Post();
}

} // namespace lexorin::test
