// The rows an export writes, cell by cell, whatever the file format: the
// rows the list of a page shows, in its current order.
#pragma once

#include "AnalysisState.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

enum class TConcordanceLayout { Basic, Professional };

struct TExportCell {
    enum class TKind { Text, Utf8, Integer, Real };
    TKind kind = TKind::Text;
    std::string text;  // Text: in the text's page; Utf8: in UTF-8
    double number = 0; // Integer and Real
};
using TExportRow = std::vector<TExportCell>;

// The word with its first letter in upper case; the rest stays as it is.
std::string Capitalized(std::string_view word);

// The column titles of the export, the lists' own.
std::vector<std::string> ExportTitles(TAnalysisPage page, TConcordanceLayout layout);

// Hands every exported row to `row` and returns how many there were. The
// phrase and wordform lists give one row per shown row. The concordance
// gives its words and frequencies (basic), or one row per occurrence of
// every shown word, each word's occurrences by position (professional);
// `capitalize` capitalizes the words. The concordance's current word keeps
// its contexts.
int ForEachExportRow(TAnalysisState& state, TAnalysisPage page, TConcordanceLayout layout,
                     bool capitalize, const std::function<void(const TExportRow&)>& row);

} // namespace lexorin
