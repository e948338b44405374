// A result list written to a file, as the program and lexorin-cli write it.
#pragma once

#include "ExportRows.h"

#include <string>

namespace lexorin {

// True for a name that ends in ".xlsx" (in any case): such a file is
// written as a workbook, any other as comma-separated values.
bool IsWorkbookName(const std::string& path);

// Writes the exported rows of the page to `path` with the export options:
// comma-separated values in UTF-8 with a byte-order mark, or a workbook.
// The file is replaced in one step; when writing fails, whatever was at
// `path` stays and a std::runtime_error with the reason (without the path)
// is thrown. Returns the number of rows written, titles not counted.
int WriteExportFile(TAnalysisState& state, TAnalysisPage page, TConcordanceLayout layout,
                    const TAnalysisOptions& options, const std::string& path);

} // namespace lexorin
