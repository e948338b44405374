#include "ExportFile.h"

#include "CsvExport.h"
#include "FeUtils.h"
#include "ReplaceFile.h"
#include "WriteCheck.h"
#include "XlsxExport.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace lexorin {

bool IsWorkbookName(const std::string& path) {
    return EndsWithIgnoreCase(path, ".xlsx");
}

int WriteExportFile(TAnalysisState& state, TAnalysisPage page, TConcordanceLayout layout,
                    const TAnalysisOptions& options, const std::string& path) {
    const TCsvFormat format = TCsvFormat::From(options);
    int rows = 0;
    ReplaceFile(path, [&](const std::string& temporary) {
        if (IsWorkbookName(path)) {
            rows = ExportXlsx(state, page, layout, format.capitalize, temporary);
            return;
        }
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            throw std::runtime_error(errno != 0 ? std::strerror(errno) : "cannot open");
        out << kUtf8ByteOrderMark;
        rows = ExportCsv(state, page, layout, format, out);
        out.close();
        CheckWritten(out);
    });
    return rows;
}

} // namespace lexorin
