#include "ReportDocument.h"

#include "ReportExpressions.h"
#include "WriteDevice.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

namespace lexorin {
namespace {

constexpr double kEpsilon = 1e-6;
constexpr int kPdfResolution = 600;

std::size_t KindIndex(TBandKind kind) {
    return static_cast<std::size_t>(kind);
}

} // namespace

TReportDocument::TReportDocument(TReportTemplate reportTemplate)
    : template_(std::move(reportTemplate)), master_(template_.Band(TBandKind::MasterData)),
      rowWidth_(master_ != nullptr ? std::max<std::size_t>(1, master_->objects.size()) : 1) {
    if (master_ == nullptr)
        throw std::invalid_argument("A report template needs a master data band.");
}

QPageLayout TReportDocument::PageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Point);
}

QSizeF TReportDocument::PageSize() {
    return PageLayout().paintRect(QPageLayout::Point).size() * (96.0 / 72.0);
}

void TReportDocument::SetBandTexts(TBandKind kind, std::vector<QString> texts) {
    bandTexts_[KindIndex(kind)] = std::move(texts);
}

void TReportDocument::AddRow(std::vector<QString> texts) {
    texts.resize(rowWidth_);
    for (QString& text : texts)
        rows_.push_back(std::move(text));
}

const TLaidBand& TReportDocument::RowBand(int row) const {
    if (!lastRow_ || lastRow_->first != row) {
        const auto begin = rows_.begin() + static_cast<std::ptrdiff_t>(row * rowWidth_);
        lastRow_.emplace(row, LayBand(*master_,
                                      std::vector<QString>(
                                          begin, begin + static_cast<std::ptrdiff_t>(rowWidth_)),
                                      metrics_));
    }
    return lastRow_->second;
}

TLaidBand TReportDocument::PageBand(TBandKind kind, int page) const {
    const TReportBand* band = template_.Band(kind);
    std::vector<QString> texts = bandTexts_[KindIndex(kind)];
    if (texts.empty())
        for (const TReportObject& object : band->objects)
            texts.push_back(object.text);
    for (QString& text : texts)
        text = ExpandExpressions(text, [&](const QString& expression) {
            if (expression == kPageNumberExpression)
                return QString::number(page + 1);
            if (expression == kTotalPagesExpression)
                return QString::number(PageCount());
            return QStringLiteral("[") + expression + QStringLiteral("]");
        });
    return LayBand(*band, std::move(texts), metrics_);
}

std::optional<TReportDocument::TFlowPos> TReportDocument::Flow(int page, TFlowPos pos,
                                                               const TPlace& place) const {
    const double bottom = PageSize().height();
    double y = 0;
    const auto put = [&](const TLaidBand& band, double from, double to) {
        if (place)
            place({&band, y, from, to});
        y += to - from;
    };
    const auto putWhole = [&](TBandKind kind) {
        if (template_.Band(kind) == nullptr)
            return;
        const TLaidBand band = PageBand(kind, page);
        put(band, 0, band.height);
    };
    if (page == 0)
        putWhole(TBandKind::ReportTitle);
    putWhole(TBandKind::PageHeader);
    const double bodyTop = y;
    const int rows = RowCount();
    while (pos.row < rows) {
        const TLaidBand& band = RowBand(pos.row);
        if (y + band.height - pos.offset <= bottom + kEpsilon) {
            put(band, pos.offset, band.height);
            pos = {pos.row + 1, 0};
            continue;
        }
        // A band that may not be split still is when even a page of its own
        // cannot hold it, so that none of its text is lost.
        const bool emptyPage = y <= bodyTop + kEpsilon;
        if (!master_->maySplit && !emptyPage)
            return pos;
        const double room = bottom - y;
        if (emptyPage && room <= kEpsilon) {
            // Nothing fits below the page header: print the row anyway
            // rather than never finish.
            put(band, pos.offset, band.height);
            return TFlowPos{pos.row + 1, 0};
        }
        double cut = band.SafeCut(pos.offset, pos.offset + room);
        // A band starts at the foot of a page only with its first piece.
        if (pos.offset <= kEpsilon && !emptyPage && cut + kEpsilon < band.FirstPiece())
            return pos;
        if (cut <= pos.offset + kEpsilon && emptyPage)
            cut = pos.offset + room; // a single line taller than a page
        if (cut > pos.offset + kEpsilon) {
            put(band, pos.offset, cut);
            pos.offset = cut;
        }
        return pos;
    }
    if (const TReportBand* summary = template_.Band(TBandKind::ReportSummary)) {
        if (y + summary->height > bottom + kEpsilon && y > bodyTop + kEpsilon)
            return pos;
        putWhole(TBandKind::ReportSummary);
    }
    return std::nullopt;
}

bool TReportDocument::Paginate(int rowBudget) {
    if (paginated_)
        return true;
    if (pageStarts_.empty())
        pageStarts_.push_back({});
    while (rowBudget > 0) {
        const TFlowPos start = pageStarts_.back();
        const std::optional<TFlowPos> next =
            Flow(static_cast<int>(pageStarts_.size()) - 1, start, {});
        if (!next) {
            paginated_ = true;
            lastRow_.reset();
            return true;
        }
        rowBudget -= next->row - start.row + 1;
        pageStarts_.push_back(*next);
    }
    return false;
}

void TReportDocument::PaginateAll() {
    while (!Paginate(RowCount() + 1)) {
    }
}

int TReportDocument::RowsPaginated() const {
    if (paginated_)
        return RowCount();
    return pageStarts_.empty() ? 0 : pageStarts_.back().row;
}

void TReportDocument::PaintPage(QPainter& painter, int page) const {
    if (page < 0 || page >= PageCount())
        return;
    const double width = PageSize().width();
    Flow(page, pageStarts_[static_cast<std::size_t>(page)], [&](const TPiece& piece) {
        PaintBand(painter, *piece.band, metrics_, piece.y, piece.from, piece.to, width);
    });
}

QStringList TReportDocument::PageTexts(int page) const {
    QStringList texts;
    if (page < 0 || page >= PageCount())
        return texts;
    Flow(page, pageStarts_[static_cast<std::size_t>(page)], [&](const TPiece& piece) {
        const TLaidBand& band = *piece.band;
        for (std::size_t k = 0; k < band.texts.size(); ++k) {
            const double top = band.band->objects[k].rect.top() - band.band->top;
            for (std::size_t i = 0; i < band.lines[k].size(); ++i) {
                const double lineTop = top + static_cast<double>(i) * band.steps[k];
                if (lineTop >= piece.from - kEpsilon && lineTop < piece.to - kEpsilon)
                    texts << band.texts[k].mid(band.lines[k][i].start, band.lines[k][i].length);
            }
        }
    });
    return texts;
}

bool TReportDocument::PrintPages(QPagedPaintDevice& device, int first, int last,
                                 const TPageProgress& progress) const {
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("The report could not be printed: the printer did not start.");
    const QSizeF page = PageSize();
    for (int p = std::max(0, first); p <= std::min(last, PageCount() - 1); ++p) {
        if (progress && !progress(p - std::max(0, first))) {
            painter.end();
            return false;
        }
        if (p > std::max(0, first))
            device.newPage();
        const double scale = std::min({device.logicalDpiX() / 96.0, device.width() / page.width(),
                                       device.height() / page.height()});
        painter.save();
        painter.scale(scale, scale);
        PaintPage(painter, p);
        painter.restore();
    }
    painter.end();
    return true;
}

void TReportDocument::WritePdf(const QString& path, const TPageProgress& progress) const {
    try {
        // A failed or stopped write leaves whatever was at `path`.
        ReplaceFileThroughDevice(path, [&](QIODevice& file) {
            QPdfWriter writer(&file);
            writer.setResolution(kPdfResolution);
            writer.setPageLayout(PageLayout());
            writer.setCreator(QStringLiteral("Lexorin"));
            writer.setTitle(template_.Title());
            if (!PrintPages(writer, 0, PageCount() - 1, progress))
                throw std::runtime_error("stopped");
        });
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(QStringLiteral("The file %1 could not be written: %2")
                                     .arg(path, QString::fromStdString(error.what()))
                                     .toStdString());
    }
}

} // namespace lexorin
