// Result lists as comma-separated values.
#pragma once

#include "ExportRows.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// A format's marks are UTF-8, one character each; the texts it is given are
// in the text's page and come out in UTF-8.
struct TCsvFormat {
    std::string separator = ",";
    std::string quote = "\""; // empty: text fields are not enclosed
    std::string decimalSeparator = ".";
    bool titles = false;
    bool duplicateQuotes = true;
    bool capitalize = true; // concordance words
    // A text that a spreadsheet would take for a formula gets an apostrophe
    // before it.
    bool protectFormulas = true;

    // The export options; an empty separator or decimal separator box means
    // the default.
    static TCsvFormat From(const TAnalysisOptions& options);

    // A text of the text's page as a field.
    std::string Text(std::string_view text) const;
    // A text in UTF-8 as a field.
    std::string Utf8Text(std::string_view text) const;
    // The shortest form that reads back as the same double, without an
    // exponent for numbers from 1e-6 to 1e21.
    std::string Number(double value) const;
    std::string Field(const TExportCell& cell) const;
    std::string Line(const std::vector<std::string>& fields) const;
    // The fields of a line (without its line break) as Line wrote them, in
    // UTF-8: enclosing quotes taken off, doubled ones made single again.
    std::vector<std::string> Fields(std::string_view line) const;
};

// Why the export options would give a file whose rows cannot be read back
// (a separator of more than one character, a line break as a separator, a
// quote that is also a separator, ...), as a message for the user; empty
// when they would not.
std::string CsvOptionsProblem(const TAnalysisOptions& options);

// What a file of comma-separated values starts with, so that spreadsheets
// read it as UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Writes the exported rows of the page in UTF-8, one line per row (CR LF),
// with a title line first when the format asks for one; numbers are not
// enclosed in quotes unless they hold the field separator. Returns the number of rows, the title
// line not counted. A failed write ends the export at once with EWriteFailed.
int ExportCsv(TAnalysisState& state, TAnalysisPage page, TConcordanceLayout layout,
              const TCsvFormat& format, std::ostream& out);

} // namespace lexorin
