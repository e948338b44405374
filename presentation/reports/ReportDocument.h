// A prepared report: the evaluated texts of its bands, its pages found in a
// first pass that keeps only where each page starts, and each page drawn
// on demand from there, on the screen, a printer or a PDF file.
#pragma once

#include "ReportLayout.h"
#include "ReportTemplate.h"

#include <QPageLayout>
#include <QSizeF>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace lexorin {

class TReportDocument {
public:
    explicit TReportDocument(TReportTemplate reportTemplate);

    // A4 portrait with the 10-point margins of Qt's PDF output; its paint
    // rectangle is the page the templates are laid out on.
    static QPageLayout PageLayout();
    // The printable area in template pixels (96 per inch).
    static QSizeF PageSize();

    const TReportTemplate& Template() const { return template_; }

    // The texts of the title, header or summary band, one per object, with
    // "[PAGE#]" and "[TOTALPAGES]" still to be filled in per page.
    void SetBandTexts(TBandKind kind, std::vector<QString> texts);
    // The texts of the master band for the next row.
    void AddRow(std::vector<QString> texts);
    int RowCount() const { return static_cast<int>(rows_.size() / rowWidth_); }

    // The first pass: finds the starts of pages over about `rowBudget` more
    // rows; true once every page is known.
    bool Paginate(int rowBudget);
    void PaginateAll();
    bool Paginated() const { return paginated_; }
    // The rows the first pass has got through so far.
    int RowsPaginated() const;
    // The number of pages found so far; final once Paginated().
    int PageCount() const { return static_cast<int>(pageStarts_.size()); }

    // Draws page `page` (0-based) with the painter's origin at the printable
    // area's top left and its unit one template pixel.
    void PaintPage(QPainter& painter, int page) const;
    // Told before each page how many are done; false stops the printing.
    using TPageProgress = std::function<bool(int done)>;
    // Draws pages first..last (0-based) on `device`, one page each, scaled
    // down where its printable area is smaller. False when `progress`
    // stopped it.
    bool PrintPages(QPagedPaintDevice& device, int first, int last,
                    const TPageProgress& progress = {}) const;
    // The whole report as a PDF file with its text as text, put in place of
    // the old file in one step; an error when the file cannot be written.
    void WritePdf(const QString& path, const TPageProgress& progress = {}) const;

    // The text lines printed on a page, band by band; for tests of what a
    // page holds.
    QStringList PageTexts(int page) const;

private:
    struct TFlowPos {
        int row = 0;
        double offset = 0; // how much of the row's band earlier pages printed
    };
    struct TPiece {
        const TLaidBand* band;
        double y;
        double from;
        double to;
    };
    using TPlace = std::function<void(const TPiece&)>;

    // Lays out one page from `start`; the start of the next page, or nothing
    // when the report ends on this page.
    std::optional<TFlowPos> Flow(int page, TFlowPos start, const TPlace& place) const;
    const TLaidBand& RowBand(int row) const;
    TLaidBand PageBand(TBandKind kind, int page) const;

    TReportTemplate template_;
    TReportMetrics metrics_;
    const TReportBand* master_;
    std::size_t rowWidth_;
    std::vector<QString> rows_; // rowWidth_ texts per row
    std::vector<std::vector<QString>> bandTexts_{4};
    std::vector<TFlowPos> pageStarts_;
    bool paginated_ = false;
    mutable std::optional<std::pair<int, TLaidBand>> lastRow_;
};

} // namespace lexorin
