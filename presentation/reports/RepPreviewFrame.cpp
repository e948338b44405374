#include "RepPreviewFrame.h"

#include "FlowLayout.h"
#include "PreviewPages.h"
#include "ReportDocument.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace lexorin {
namespace {

// Rows laid out per slice: a few milliseconds of work between events.
constexpr int kRowsPerSlice = 4000;

enum class TGlyph { Zoom100, ZoomToFit, ZoomToWidth, First, Prev, Next, Last, Print };

// The buttons' pictures, drawn so that they look the same on every desktop.
QIcon GlyphIcon(TGlyph glyph, const QColor& ink) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    p.setPen(QPen(ink, 1.4));
    const auto triangle = [&](double x, bool left) {
        QPainterPath path;
        path.moveTo(left ? x + 5 : x, 3.5);
        path.lineTo(left ? x : x + 5, 8);
        path.lineTo(left ? x + 5 : x, 12.5);
        path.closeSubpath();
        p.fillPath(path, ink);
    };
    switch (glyph) {
    case TGlyph::Zoom100:
        p.drawEllipse(QRectF(2, 2, 8.5, 8.5));
        p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
        p.drawLine(QPointF(6.25, 4), QPointF(6.25, 8.5));
        break;
    case TGlyph::ZoomToFit:
        p.drawRect(QRectF(4, 1.5, 8, 13));
        p.drawLine(QPointF(6, 5), QPointF(10, 5));
        p.drawLine(QPointF(6, 8), QPointF(10, 8));
        break;
    case TGlyph::ZoomToWidth:
        p.drawRect(QRectF(1.5, 3, 13, 10));
        p.drawLine(QPointF(4, 8), QPointF(12, 8));
        p.drawLine(QPointF(4, 8), QPointF(6, 6));
        p.drawLine(QPointF(4, 8), QPointF(6, 10));
        p.drawLine(QPointF(12, 8), QPointF(10, 6));
        p.drawLine(QPointF(12, 8), QPointF(10, 10));
        break;
    case TGlyph::First:
        p.fillRect(QRectF(3, 3.5, 1.6, 9), ink);
        triangle(6, true);
        break;
    case TGlyph::Prev:
        triangle(5.5, true);
        break;
    case TGlyph::Next:
        triangle(5.5, false);
        break;
    case TGlyph::Last:
        triangle(5, false);
        p.fillRect(QRectF(11.4, 3.5, 1.6, 9), ink);
        break;
    case TGlyph::Print:
        p.drawRect(QRectF(4.5, 1.5, 7, 4));
        p.drawRect(QRectF(1.5, 5.5, 13, 6));
        p.fillRect(QRectF(4.5, 9.5, 7, 5), Qt::white);
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
        break;
    }
    p.end();
    pixmap.setDevicePixelRatio(2);
    return QIcon(pixmap);
}

} // namespace

TfrRepPreview::TfrRepPreview(QWidget* parent) : QWidget(parent) {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setMinimumHeight(33);
    const QColor ink = palette().color(QPalette::ButtonText);
    sbZoom100 = MakeButton("sbZoom100", "Zoom to 100%", GlyphIcon(TGlyph::Zoom100, ink));
    sbZoomToFit = MakeButton("sbZoomToFit", "Zoom to fit", GlyphIcon(TGlyph::ZoomToFit, ink));
    frSpeedButton3 =
        MakeButton("frSpeedButton3", "Zoom to fit width", GlyphIcon(TGlyph::ZoomToWidth, ink));
    sbFirst = MakeButton("sbFirst", "First page", GlyphIcon(TGlyph::First, ink));
    sbPrev = MakeButton("sbPrev", "Previous page", GlyphIcon(TGlyph::Prev, ink));
    sbNext = MakeButton("sbNext", "Next page", GlyphIcon(TGlyph::Next, ink));
    sbLast = MakeButton("sbLast", "Last page", GlyphIcon(TGlyph::Last, ink));
    sbPrint = MakeButton("sbPrint", "Print report", GlyphIcon(TGlyph::Print, ink));
    sbSavePdf =
        MakeButton("sbSavePdf", "Save as PDF", style()->standardIcon(QStyle::SP_DialogSaveButton));
    zoomGroup_ = new QButtonGroup(this);
    zoomGroup_->setExclusive(true);
    for (QToolButton* zoom : {sbZoom100, sbZoomToFit, frSpeedButton3}) {
        zoom->setCheckable(true);
        zoomGroup_->addButton(zoom);
    }
    sbZoom100->setChecked(true);
    lbPage = new QLabel(Panel1);
    lbPage->setObjectName(QStringLiteral("lbPage"));
    pbLayout = new QProgressBar(Panel1);
    pbLayout->setObjectName(QStringLiteral("pbLayout"));
    pbLayout->setFormat(QStringLiteral("Laying out pages %p%"));
    pbLayout->setMaximumWidth(220);
    pbLayout->hide();

    // The bar wraps onto a second row in a narrow tab, so that every button
    // and the whole page number stay in sight.
    auto* bar = new TFlowLayout(Panel1);
    bar->setContentsMargins(4, 4, 4, 4);
    bar->setSpacing(0);
    const auto group = [this, bar](std::initializer_list<QWidget*> widgets) {
        for (QWidget* widget : widgets)
            bar->addWidget(widget);
        auto* gap = new QWidget(Panel1);
        gap->setFixedSize(8, 1);
        bar->addWidget(gap);
    };
    group({sbZoom100, sbZoomToFit, frSpeedButton3});
    group({sbFirst, sbPrev, sbNext, sbLast});
    group({sbPrint, sbSavePdf});
    group({lbPage});
    bar->addWidget(pbLayout);

    PreviewMain = new TPreviewPages(this);
    PreviewMain->setObjectName(QStringLiteral("PreviewMain"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(PreviewMain, 1);

    layoutTimer_ = new QTimer(this);
    layoutTimer_->setInterval(0);
    connect(layoutTimer_, &QTimer::timeout, this, &TfrRepPreview::LayOutSome);
    connect(sbZoom100, &QToolButton::clicked, this, &TfrRepPreview::sbZoom100Click);
    connect(sbZoomToFit, &QToolButton::clicked, this, &TfrRepPreview::sbZoomToFitClick);
    connect(frSpeedButton3, &QToolButton::clicked, this, &TfrRepPreview::frSpeedButton3Click);
    connect(sbFirst, &QToolButton::clicked, this, &TfrRepPreview::sbFirstClick);
    connect(sbPrev, &QToolButton::clicked, this, &TfrRepPreview::sbPrevClick);
    connect(sbNext, &QToolButton::clicked, this, &TfrRepPreview::sbNextClick);
    connect(sbLast, &QToolButton::clicked, this, &TfrRepPreview::sbLastClick);
    connect(sbPrint, &QToolButton::clicked, this, &TfrRepPreview::sbPrintClick);
    connect(sbSavePdf, &QToolButton::clicked, this, &TfrRepPreview::SavePdfRequested);
    connect(PreviewMain, &TPreviewPages::CurrentPageChanged, this, &TfrRepPreview::ShowPageNumber);
    UpdateButtons();
}

QToolButton* TfrRepPreview::MakeButton(const char* name, const char* hint, const QIcon& icon) {
    auto* button = new QToolButton(Panel1);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setMinimumSize(24, 24);
    return button;
}

void TfrRepPreview::SetReport(std::shared_ptr<TReportDocument> document) {
    document_ = std::move(document);
    PreviewMain->SetReport(nullptr);
    sbZoom100->setChecked(true);
    PreviewMain->SetZoomFactor(1.0);
    pbLayout->setValue(0);
    pbLayout->setVisible(!document_->Paginated());
    layoutTimer_->start();
    UpdateButtons();
}

void TfrRepPreview::LayOutSome() {
    if (document_ == nullptr) {
        layoutTimer_->stop();
        return;
    }
    const bool done = document_->Paginate(kRowsPerSlice);
    const int rows = std::max(1, document_->RowCount());
    pbLayout->setValue(static_cast<int>(100LL * document_->RowsPaginated() / rows));
    if (!done)
        return;
    layoutTimer_->stop();
    pbLayout->hide();
    PreviewMain->SetReport(document_);
    ShowPageNumber();
    UpdateButtons();
}

void TfrRepPreview::FinishLayout() {
    if (document_ == nullptr || !layoutTimer_->isActive())
        return;
    document_->PaginateAll();
    LayOutSome();
}

void TfrRepPreview::ShowPageNumber() {
    const int count = PreviewMain->PageCount();
    lbPage->setText(
        count == 0
            ? QString()
            : QStringLiteral("Page %1 of %2").arg(PreviewMain->CurrentPage() + 1).arg(count));
}

void TfrRepPreview::UpdateButtons() {
    const bool pages = PreviewMain->PageCount() > 0;
    for (QToolButton* button : {sbFirst, sbPrev, sbNext, sbLast, sbPrint, sbSavePdf})
        button->setEnabled(pages);
}

void TfrRepPreview::sbZoom100Click() {
    PreviewMain->SetZoomFactor(1.0);
}

void TfrRepPreview::sbZoomToFitClick() {
    PreviewMain->SetZoomMode(TZoomMode::WholePage);
}

void TfrRepPreview::frSpeedButton3Click() {
    PreviewMain->SetZoomMode(TZoomMode::PageWidth);
}

void TfrRepPreview::sbFirstClick() {
    PreviewMain->ShowPage(0);
}

void TfrRepPreview::sbPrevClick() {
    PreviewMain->ShowPage(PreviewMain->CurrentPage() - 1);
}

void TfrRepPreview::sbNextClick() {
    PreviewMain->ShowPage(PreviewMain->CurrentPage() + 1);
}

void TfrRepPreview::sbLastClick() {
    PreviewMain->ShowPage(PreviewMain->PageCount() - 1);
}

void TfrRepPreview::Print(QPrinter& printer) {
    if (PreviewMain->PageCount() == 0)
        return;
    const bool range = printer.fromPage() > 0;
    const int first = range ? printer.fromPage() - 1 : 0;
    const int last = range ? printer.toPage() - 1 : PreviewMain->PageCount() - 1;
    // Thousands of pages take a while: the window shows how far it got and
    // the user can stop.
    QProgressDialog progress(QStringLiteral("Printing the report..."), QStringLiteral("Cancel"), 0,
                             last - first + 1, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    document_->PrintPages(printer, first, last, [&](int done) {
        progress.setValue(done);
        if (!progress.wasCanceled())
            return true;
        printer.abort();
        return false;
    });
}

void TfrRepPreview::sbPrintClick() {
    if (PreviewMain->PageCount() == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(TReportDocument::PageLayout());
    printer.setDocName(document_->Template().Title());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, PreviewMain->PageCount());
    if (dialog.exec() == QDialog::Accepted)
        Print(printer);
}

} // namespace lexorin
