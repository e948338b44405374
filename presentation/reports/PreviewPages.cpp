#include "PreviewPages.h"

#include "ReportDocument.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace lexorin {
namespace {

constexpr double kGap = 12;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 8;

// The whole sheet and the printable area's place on it, in template pixels.
QSizeF SheetSize() {
    return TReportDocument::PageLayout().fullRect(QPageLayout::Point).size() * (96.0 / 72.0);
}
QPointF PrintableOffset() {
    return TReportDocument::PageLayout().paintRect(QPageLayout::Point).topLeft() * (96.0 / 72.0);
}

} // namespace

TPreviewPages::TPreviewPages(QWidget* parent) : QAbstractScrollArea(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TPreviewPages::SetReport(std::shared_ptr<const TReportDocument> document) {
    document_ = std::move(document);
    current_ = -1;
    UpdateScrollBars();
    if (PageCount() > 0)
        ShowPage(0);
    viewport()->update();
}

int TPreviewPages::PageCount() const {
    return document_ != nullptr && document_->Paginated() ? document_->PageCount() : 0;
}

double TPreviewPages::Scale() const {
    return zoom_ * logicalDpiX() / 96.0;
}

double TPreviewPages::Stride() const {
    return SheetSize().height() * Scale() + kGap;
}

double TPreviewPages::PageTop(int page) const {
    return kGap + page * Stride();
}

void TPreviewPages::SetZoomFactor(double factor) {
    mode_ = TZoomMode::Factor;
    const int page = current_;
    zoom_ = std::clamp(factor, kMinZoom, kMaxZoom);
    UpdateScrollBars();
    ShowPage(page);
    viewport()->update();
}

void TPreviewPages::SetZoomMode(TZoomMode mode) {
    mode_ = mode;
    const int page = current_;
    FitZoom();
    UpdateScrollBars();
    ShowPage(page);
    viewport()->update();
}

void TPreviewPages::FitZoom() {
    const double dpi = logicalDpiX() / 96.0;
    const QSizeF sheet = SheetSize() * dpi;
    const double byWidth = (viewport()->width() - 2 * kGap) / sheet.width();
    const double byHeight = (viewport()->height() - 2 * kGap) / sheet.height();
    if (mode_ == TZoomMode::PageWidth)
        zoom_ = std::clamp(byWidth, kMinZoom, kMaxZoom);
    else if (mode_ == TZoomMode::WholePage)
        zoom_ = std::clamp(std::min(byWidth, byHeight), kMinZoom, kMaxZoom);
}

void TPreviewPages::UpdateScrollBars() {
    const QSizeF sheet = SheetSize() * Scale();
    const int pages = PageCount();
    const double height = pages == 0 ? 0 : PageTop(pages);
    const double width = sheet.width() + 2 * kGap;
    verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(height) - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(std::max(1, static_cast<int>(sheet.height() / 20)));
    horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(width) - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(20);
}

void TPreviewPages::ShowPage(int page) {
    if (page < 0 || page >= PageCount())
        return;
    scrollingToPage_ = true;
    verticalScrollBar()->setValue(static_cast<int>(PageTop(page) - kGap));
    scrollingToPage_ = false;
    SetCurrent(page);
    viewport()->update();
}

void TPreviewPages::SetCurrent(int page) {
    if (page == current_)
        return;
    current_ = page;
    emit CurrentPageChanged(page, PageCount());
}

void TPreviewPages::scrollContentsBy(int, int) {
    if (!scrollingToPage_ && PageCount() > 0) {
        // The page that the upper third of the view shows.
        const double y = verticalScrollBar()->value() + viewport()->height() / 3.0;
        SetCurrent(std::clamp(static_cast<int>(std::floor((y - kGap / 2) / Stride())), 0,
                              PageCount() - 1));
    }
    viewport()->update();
}

void TPreviewPages::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const int page = current_;
    if (mode_ != TZoomMode::Factor)
        FitZoom();
    UpdateScrollBars();
    if (mode_ != TZoomMode::Factor)
        ShowPage(page);
}

void TPreviewPages::wheelEvent(QWheelEvent* event) {
    if ((event->modifiers() & Qt::ControlModifier) == 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0)
        SetZoomFactor(zoom_ * std::pow(1.1, steps));
    event->accept();
}

void TPreviewPages::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int pages = PageCount();
    if (pages == 0)
        return;
    const double scale = Scale();
    const QSizeF sheet = SheetSize() * scale;
    const double left =
        std::max(kGap, (viewport()->width() - sheet.width()) / 2) - horizontalScrollBar()->value();
    const double top = verticalScrollBar()->value();
    const int first = std::max(0, static_cast<int>(std::floor(top / Stride())));
    for (int page = first; page < pages; ++page) {
        const double y = PageTop(page) - top;
        if (y > viewport()->height())
            break;
        const QRectF place(left, y, sheet.width(), sheet.height());
        painter.fillRect(place.translated(3, 3), QColor(0, 0, 0, 80));
        painter.fillRect(place, Qt::white);
        painter.save();
        painter.setClipRect(place);
        painter.translate(place.topLeft() + PrintableOffset() * scale);
        painter.scale(scale, scale);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        document_->PaintPage(painter, page);
        painter.restore();
    }
}

} // namespace lexorin
