// Result lists as comma-separated values.
#pragma once

#include "AnalysisState.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

struct TCsvFormat {
    std::string separator = ",";
    std::string quote = "\""; // empty: text fields are not enclosed
    char decimalSeparator = '.';
    bool titles = false;
    bool duplicateQuotes = true;
    bool capitalize = true; // concordance words

    // The export options; an empty separator or decimal separator box means
    // the default.
    static TCsvFormat From(const TAnalysisOptions& options);

    std::string Text(std::string_view text) const;
    // The shortest form that reads back as the same double.
    std::string Number(double value) const;
    std::string Line(const std::vector<std::string>& fields) const;
};

// The word with its first letter in upper case and the rest in lower case.
std::string Capitalized(std::string_view word);

enum class TConcordanceLayout { Basic, Professional };

// Writes the list of the page in its current order, one line per row
// (CR LF), with a title line first when the format asks for one. The
// professional concordance layout has one line per occurrence of every
// listed word, each word's occurrences by position.
void ExportCsv(TAnalysisState& state, TAnalysisPage page, TConcordanceLayout layout,
               const TCsvFormat& format, std::ostream& out);

} // namespace lexorin
