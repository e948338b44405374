// Result lists as an Excel workbook.
#pragma once

#include "ExportRows.h"

#include <string>

namespace lexorin {

// Writes the exported rows of the page to a new workbook at `path`: one
// sheet, the column titles in bold in its first row, numbers as numbers,
// every column as wide as its widest cell. A text longer than a cell holds
// is cut to the cell's limit. Returns the number of rows, the title row not
// counted; throws std::runtime_error with the reason (without the path)
// when the workbook cannot be written or the rows do not fit in a sheet.
int ExportXlsx(TAnalysisState& state, TAnalysisPage page, TConcordanceLayout layout,
               bool capitalize, const std::string& path);

} // namespace lexorin
