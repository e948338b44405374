#include "ExportFile.h"

#include "CsvExport.h"
#include "ReplaceFile.h"
#include "WriteCheck.h"
#include "XlsxExport.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace lexorin {

bool IsWorkbookName(const std::string& path) {
    const std::string_view suffix = ".xlsx";
    if (path.size() < suffix.size())
        return false;
    const std::size_t start = path.size() - suffix.size();
    for (std::size_t k = 0; k < suffix.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(path[start + k])) != suffix[k])
            return false;
    return true;
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
