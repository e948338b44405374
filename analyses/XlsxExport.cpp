#include "XlsxExport.h"

#include "CodePage.h"
#include "Utf8.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <stdexcept>
#include <xlsxwriter.h>

namespace lexorin {
namespace {

// What a cell holds at the most, in bytes of UTF-8 to be safe whatever the
// library counts.
constexpr std::size_t kMaxCellBytes = 32767;
// Columns wider than this many characters would hide their neighbours.
constexpr double kMaxColumnWidth = 80;

struct TWorkbookFree {
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};

void Check(lxw_error error) {
    if (error == LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE)
        throw std::runtime_error("the list has more rows than a worksheet holds");
    if (error != LXW_NO_ERROR)
        throw std::runtime_error(lxw_strerror(error));
}

std::string CellText(const TExportCell& cell) {
    std::string utf8 = cell.kind == TExportCell::TKind::Utf8 ? cell.text : TextToUtf8(cell.text);
    if (utf8.size() > kMaxCellBytes) {
        std::size_t end = kMaxCellBytes;
        while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            --end; // not inside a character
        utf8.resize(end);
    }
    return utf8;
}

// How many characters a cell shows.
std::size_t ShownLength(const TExportCell& cell) {
    if (cell.kind == TExportCell::TKind::Text)
        return std::min(cell.text.size(), kMaxCellBytes);
    if (cell.kind == TExportCell::TKind::Utf8)
        return std::min(Utf8Length(cell.text), kMaxCellBytes);
    char buffer[64];
    return static_cast<std::size_t>(std::to_chars(buffer, buffer + sizeof buffer, cell.number).ptr -
                                    buffer);
}

class TSheetWriter {
public:
    TSheetWriter(lxw_workbook* workbook, lxw_worksheet* sheet)
        : workbook_(workbook), sheet_(sheet) {}

    void Titles(const std::vector<std::string>& titles) {
        lxw_format* bold = workbook_add_format(workbook_);
        format_set_bold(bold);
        TExportRow row;
        for (const std::string& title : titles)
            row.push_back({TExportCell::TKind::Text, title, 0});
        Row(row, bold);
    }

    void Row(const TExportRow& row, lxw_format* format = nullptr) {
        if (row_ >= LXW_ROW_MAX)
            Check(LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE);
        widths_.resize(std::max(widths_.size(), row.size()));
        for (std::size_t k = 0; k < row.size(); ++k) {
            const TExportCell& cell = row[k];
            const auto column = static_cast<lxw_col_t>(k);
            if (cell.kind == TExportCell::TKind::Text || cell.kind == TExportCell::TKind::Utf8)
                Check(worksheet_write_string(sheet_, row_, column, CellText(cell).c_str(), format));
            else
                Check(worksheet_write_number(sheet_, row_, column, cell.number, format));
            widths_[k] = std::max(widths_[k], ShownLength(cell));
        }
        ++row_;
    }

    void FitColumns() {
        for (std::size_t k = 0; k < widths_.size(); ++k) {
            const auto column = static_cast<lxw_col_t>(k);
            const double width = std::min(static_cast<double>(widths_[k]) + 2, kMaxColumnWidth);
            Check(worksheet_set_column(sheet_, column, column, width, nullptr));
        }
    }

private:
    lxw_workbook* workbook_;
    lxw_worksheet* sheet_;
    lxw_row_t row_ = 0;
    std::vector<std::size_t> widths_;
};

const char* SheetName(TAnalysisPage page) {
    switch (page) {
    case TAnalysisPage::Phrases:
        return "Phrase frequency";
    case TAnalysisPage::Wordforms:
        return "Wordforms";
    case TAnalysisPage::Kwic:
        return "KWIC";
    case TAnalysisPage::Collocates:
        return "Collocates";
    case TAnalysisPage::Keywords:
        return "Keywords";
    default:
        return "Concordance";
    }
}

} // namespace

int ExportXlsx(TAnalysisState& state, TAnalysisPage page, TConcordanceLayout layout,
               bool capitalize, const std::string& path) {
    // Rows go to the file as they come; a long list does not stay in memory.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    std::unique_ptr<lxw_workbook, TWorkbookFree> workbook(workbook_new_opt(path.c_str(), &options));
    if (workbook == nullptr)
        throw std::runtime_error("the workbook cannot be made");
    lxw_worksheet* sheet = workbook_add_worksheet(workbook.get(), SheetName(page));
    if (sheet == nullptr)
        throw std::runtime_error("the worksheet cannot be made");
    TSheetWriter writer(workbook.get(), sheet);
    writer.Titles(ExportTitles(page, layout));
    const int rows = ForEachExportRow(state, page, layout, capitalize,
                                      [&](const TExportRow& row) { writer.Row(row); });
    writer.FitColumns();
    // Closing writes the file and frees the workbook, also when it fails.
    Check(workbook_close(workbook.release()));
    return rows;
}

} // namespace lexorin
