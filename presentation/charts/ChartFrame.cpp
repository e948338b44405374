#include "ChartFrame.h"

#include "ChartIcons.h"
#include "ChartPicture.h"
#include "FlowLayout.h"
#include "UserDialogs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

namespace lexorin {
namespace {

const QColor kBackground(236, 235, 232);
constexpr int kAnimationMs = 160;
// A press and release closer than this is a click, not a drag.
constexpr int kDragDistance = 4;

// Where the next picture is saved: the folder of the last one.
QString& SaveDirectory() {
    static QString directory = QDir::homePath();
    return directory;
}

// A range as the axis spaces it out, for zooming and moving by shares of
// it: the logarithms of its ends on a logarithmic axis.
QCPRange AsSpaced(const QCPAxis& axis, const QCPRange& range) {
    if (axis.scaleType() != QCPAxis::stLogarithmic)
        return range;
    return {std::log10(range.lower), std::log10(range.upper)};
}

QCPRange FromSpaced(const QCPAxis& axis, const QCPRange& spaced) {
    if (axis.scaleType() != QCPAxis::stLogarithmic)
        return spaced;
    return {std::pow(10.0, spaced.lower), std::pow(10.0, spaced.upper)};
}

// Ticks at whole numbers only: frequencies, lengths, numbers of rows and
// positions are counts.
QSharedPointer<QCPAxisTicker> WholeNumberTicker() {
    QSharedPointer<QCPAxisTickerFixed> ticker(new QCPAxisTickerFixed);
    ticker->setTickStep(1.0);
    ticker->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
    return ticker;
}

} // namespace

void TKeyCounts::Add(int key) {
    const auto [place, added] = index_.try_emplace(key, entries_.size());
    if (added)
        entries_.push_back({key, 1});
    else
        ++entries_[place->second].count;
}

TDiagramFrame::TDiagramFrame(QWidget* parent) : QFrame(parent) {
    pnTop_ = new QWidget(this);
    pnTop_->setObjectName(QStringLiteral("pnTop"));
    pnTop_->setMinimumHeight(41);
    auto* top = new QVBoxLayout(pnTop_);
    top->setContentsMargins(11, 4, 9, 4);
    top->setSpacing(2);
    lbChartName_ = new QLabel(pnTop_);
    lbChartName_->setObjectName(QStringLiteral("lbChartName"));
    // A long name goes on to a second line in a narrow tab.
    lbChartName_->setWordWrap(true);
    QFont bold = lbChartName_->font();
    bold.setBold(true);
    lbChartName_->setFont(bold);
    top->addWidget(lbChartName_);
    top->addStretch();

    auto* middle = new QWidget(this);
    middle->setAutoFillBackground(true);
    QPalette colours = middle->palette();
    colours.setColor(QPalette::Window, kBackground);
    middle->setPalette(colours);
    // The commands wrap onto a second row in a narrow tab rather than hide
    // behind an overflow button.
    tbChart_ = new QWidget(middle);
    tbChart_->setObjectName(QStringLiteral("tbChart"));
    toolbar_ = new TFlowLayout(tbChart_);
    toolbar_->setContentsMargins(4, 2, 4, 2);
    toolbar_->setSpacing(1);
    chart_ = new QCustomPlot(middle);
    chart_->setObjectName(QStringLiteral("Chart"));
    chart_->setBackground(kBackground);
    chart_->axisRect()->setBackground(Qt::white);
    chart_->setFocusPolicy(Qt::StrongFocus);
    chart_->setContextMenuPolicy(Qt::PreventContextMenu);
    chart_->setSelectionRectMode(QCP::srmCustom);
    chart_->setNoAntialiasingOnDrag(true);
    for (QCPAxis* axis : {chart_->xAxis, chart_->yAxis})
        axis->setTicker(WholeNumberTicker());
    auto* middleLayout = new QVBoxLayout(middle);
    middleLayout->setContentsMargins(0, 0, 0, 0);
    middleLayout->setSpacing(0);
    middleLayout->addWidget(tbChart_);
    middleLayout->addWidget(chart_, 1);

    const QAction* zoomIn =
        AddCommand("aZoomIn", QStringLiteral("Zoom in"), TChartIcon::ZoomIn, QKeySequence::ZoomIn);
    connect(zoomIn, &QAction::triggered, this, &TDiagramFrame::ZoomIn);
    connect(AddCommand("aZoomOut", QStringLiteral("Zoom out"), TChartIcon::ZoomOut,
                       QKeySequence::ZoomOut),
            &QAction::triggered, this, &TDiagramFrame::ZoomOut);
    connect(AddCommand("aOriginalSize", QStringLiteral("Original size"), TChartIcon::OriginalSize),
            &QAction::triggered, this, [this] { OriginalSize(); });
    AddSeparator();
    connect(AddCommand("aLeft", QStringLiteral("Move left"), TChartIcon::Left, Qt::Key_Left),
            &QAction::triggered, this, &TDiagramFrame::MoveLeft);
    connect(AddCommand("aRight", QStringLiteral("Move right"), TChartIcon::Right, Qt::Key_Right),
            &QAction::triggered, this, &TDiagramFrame::MoveRight);
    connect(AddCommand("aUp", QStringLiteral("Move up"), TChartIcon::Up, Qt::Key_Up),
            &QAction::triggered, this, &TDiagramFrame::MoveUp);
    connect(AddCommand("aDown", QStringLiteral("Move down"), TChartIcon::Down, Qt::Key_Down),
            &QAction::triggered, this, &TDiagramFrame::MoveDown);
    aLogScale_ = AddCommand("aLogScale", QStringLiteral("Logarithmic"));
    aLogScale_->setToolTip(QStringLiteral("Logarithmic frequency axis"));
    aLogScale_->setCheckable(true);
    aLogScale_->setVisible(false);
    connect(aLogScale_, &QAction::triggered, this, [this](bool on) { SetLogScale(on); });
    tbPages_ = AddCommand("tbPages", QStringLiteral("Paging"));
    tbPages_->setCheckable(true);
    tbPages_->setEnabled(false);
    connect(tbPages_, &QAction::triggered, this, &TDiagramFrame::tbPagesClick);
    lbPage_ = new QLabel(tbChart_);
    lbPage_->setObjectName(QStringLiteral("lbPage"));
    lbPage_->setContentsMargins(6, 0, 6, 0);
    toolbar_->addWidget(lbPage_);
    // The pages are walked with Page Up and Page Down while paging is on.
    for (const auto& [name, step, key] :
         {std::tuple{"aNextPage", 1, Qt::Key_PageDown}, {"aPreviousPage", -1, Qt::Key_PageUp}}) {
        auto* turn = new QAction(this);
        turn->setObjectName(QString::fromLatin1(name));
        turn->setShortcut(key);
        turn->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(turn);
        connect(turn, &QAction::triggered, this, [this, step = step] {
            if (paging_)
                ShowPage(page_ + step);
        });
    }
    AddSeparator();
    QAction* save =
        AddCommand("aSavePicture", QStringLiteral("Save as picture..."), TChartIcon::Save);
    connect(save, &QAction::triggered, this, &TDiagramFrame::SavePictureExecute);
    pmChart_ = new QMenu(this);
    pmChart_->setObjectName(QStringLiteral("pmChartFrame"));
    pmChart_->addAction(save);

    pnBot_ = new QWidget(this);
    pnBot_->setObjectName(QStringLiteral("pnBot"));
    pnBot_->setMinimumHeight(41);
    auto* bottom = new QHBoxLayout(pnBot_);
    bottom->setContentsMargins(20, 6, 20, 6);
    Button1_ = new QPushButton(QStringLiteral("Close tab"), pnBot_);
    Button1_->setObjectName(QStringLiteral("Button1"));
    Button1_->setMinimumWidth(75);
    bottom->addWidget(Button1_);
    bottom->addStretch();
    connect(Button1_, &QPushButton::clicked, this, &TDiagramFrame::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnTop_);
    layout->addWidget(middle, 1);
    layout->addWidget(pnBot_);

    animation_ = new QVariantAnimation(this);
    animation_->setDuration(kAnimationMs);
    animation_->setStartValue(0.0);
    animation_->setEndValue(1.0);
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const double t = value.toDouble();
        TRanges between;
        for (std::size_t k = 0; k < between.size(); ++k)
            between[k] = QCPRange(animationStart_[k].lower +
                                      (animationTarget_[k].lower - animationStart_[k].lower) * t,
                                  animationStart_[k].upper +
                                      (animationTarget_[k].upper - animationStart_[k].upper) * t);
        ApplyRanges(between);
    });
    connect(animation_, &QVariantAnimation::finished, this,
            [this] { ApplyRanges(animationTarget_); });

    connect(chart_->selectionRect(), &QCPSelectionRect::accepted, this,
            [this](const QRect& rect) { ZoomToRect(rect); });
    connect(chart_, &QCustomPlot::mousePress, this, &TDiagramFrame::ChartMousePress);
    connect(chart_, &QCustomPlot::mouseMove, this, &TDiagramFrame::ChartMouseMove);
    connect(chart_, &QCustomPlot::mouseRelease, this, &TDiagramFrame::ChartMouseRelease);
    ShowPageLabel();
}

QAction* TDiagramFrame::AddCommand(const char* name, const QString& caption,
                                   std::optional<TChartIcon> icon, const QKeySequence& key) {
    auto* action = new QAction(caption, this);
    if (icon)
        action->setIcon(ChartIcon(*icon));
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(caption);
    auto* button = new QToolButton(tbChart_);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(QSize(20, 20));
    // A command without a picture shows its caption.
    button->setToolButtonStyle(icon ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    // As on a toolbar, a command that is not offered takes no room.
    connect(action, &QAction::changed, button,
            [button, action] { button->setVisible(action->isVisible()); });
    toolbar_->addWidget(button);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    return action;
}

void TDiagramFrame::AddSeparator() {
    auto* line = new QFrame(tbChart_);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedSize(9, 20);
    toolbar_->addWidget(line);
}

void TDiagramFrame::SetChartName(const QString& name) {
    lbChartName_->setText(name);
}

QString TDiagramFrame::ChartName() const {
    return lbChartName_->text();
}

std::array<QCPAxis*, 4> TDiagramFrame::Axes() const {
    return {chart_->xAxis, chart_->yAxis, chart_->xAxis2, chart_->yAxis2};
}

TDiagramFrame::TRanges TDiagramFrame::Ranges() const {
    TRanges ranges;
    const auto axes = Axes();
    for (std::size_t k = 0; k < axes.size(); ++k)
        ranges[k] = axes[k]->range();
    return ranges;
}

void TDiagramFrame::ApplyRanges(const TRanges& ranges) {
    const auto axes = Axes();
    for (std::size_t k = 0; k < axes.size(); ++k)
        axes[k]->setRange(ranges[k]);
    chart_->replot(QCustomPlot::rpQueuedReplot);
}

bool TDiagramFrame::Animating() const {
    return animation_->state() == QAbstractAnimation::Running;
}

void TDiagramFrame::FinishAnimation() {
    if (!Animating())
        return;
    animation_->stop();
    ApplyRanges(animationTarget_);
}

void TDiagramFrame::AnimateTo(const TRanges& target) {
    if (!animatedZoom_ || !isVisible()) {
        ApplyRanges(target);
        return;
    }
    animationStart_ = Ranges();
    animationTarget_ = target;
    animation_->start();
}

void TDiagramFrame::SaveRangesBeforeZoom() {
    if (!savedRanges_)
        savedRanges_ = Ranges();
}

void TDiagramFrame::Zoom(double percent) {
    FinishAnimation();
    SaveRangesBeforeZoom();
    TRanges target = Ranges();
    const auto axes = Axes();
    for (std::size_t k = 0; k < axes.size(); ++k) {
        const QCPRange range = AsSpaced(*axes[k], target[k]);
        const double d = (range.upper - range.lower) * (percent - 100) * 0.01;
        target[k] = FromSpaced(*axes[k], QCPRange(range.lower + d, range.upper - d));
    }
    AnimateTo(target);
}

void TDiagramFrame::ZoomToRect(const QRect& dragged) {
    const QRect pixels = dragged.normalized();
    if (pixels.width() < kDragDistance || pixels.height() < kDragDistance)
        return;
    FinishAnimation();
    SaveRangesBeforeZoom();
    TRanges target = Ranges();
    const auto axes = Axes();
    for (std::size_t k = 0; k < axes.size(); ++k) {
        const bool horizontal = axes[k]->orientation() == Qt::Horizontal;
        const double a = axes[k]->pixelToCoord(horizontal ? pixels.left() : pixels.bottom());
        const double b = axes[k]->pixelToCoord(horizontal ? pixels.right() : pixels.top());
        target[k] = QCPRange(std::min(a, b), std::max(a, b));
    }
    AnimateTo(target);
}

bool TDiagramFrame::OriginalSize() {
    FinishAnimation();
    if (!savedRanges_)
        return false;
    ApplyRanges(*savedRanges_);
    savedRanges_.reset();
    return true;
}

void TDiagramFrame::ZoomIn() {
    Zoom(120);
}

void TDiagramFrame::ZoomOut() {
    Zoom(80);
}

void TDiagramFrame::Shift(QCPAxis* axis, double thirds) {
    FinishAnimation();
    const QCPRange range = AsSpaced(*axis, axis->range());
    const double w = (range.upper - range.lower) / 3 * thirds;
    axis->setRange(FromSpaced(*axis, QCPRange(range.lower + w, range.upper + w)));
    chart_->replot(QCustomPlot::rpQueuedReplot);
}

void TDiagramFrame::MoveLeft() {
    Shift(chart_->xAxis, -1);
}

void TDiagramFrame::MoveRight() {
    Shift(chart_->xAxis, 1);
}

void TDiagramFrame::MoveUp() {
    Shift(chart_->yAxis, 1);
}

void TDiagramFrame::MoveDown() {
    Shift(chart_->yAxis, -1);
}

void TDiagramFrame::FillBarSeries(QCPBars* series, const TKeyCounts& list) {
    for (const TKeyCounts::TEntry& entry : list.Entries())
        series->addData(entry.key, entry.count);
    pointCount_ = static_cast<int>(list.Entries().size());
}

void TDiagramFrame::ShowData() {
    if (pointCount_ <= kPointsPerPage)
        return;
    tbPages_->setEnabled(true);
    tbPages_->setChecked(true);
    tbPagesClick();
}

void TDiagramFrame::FitRanges() {
    QCPAbstractPlottable* series = PagedSeries();
    if (series != nullptr && series->interface1D()->dataCount() > 0)
        FitRanges(0, series->interface1D()->dataCount() - 1);
}

// The keys of points first..last with half a unit or a twentieth of their
// span beside them, and values from 0 with room above for the marks.
void TDiagramFrame::FitRanges(int first, int last) {
    QCPPlottableInterface1D* points = PagedSeries()->interface1D();
    const double low = points->dataMainKey(first);
    const double high = points->dataMainKey(last);
    const double pad = std::max(0.5, (high - low) / 20);
    double top = 0;
    for (int i = first; i <= last; ++i)
        top = std::max(top, points->dataMainValue(i));
    // A logarithmic axis (of frequencies, 1 and up) starts above 0.
    if (chart_->xAxis->scaleType() == QCPAxis::stLogarithmic)
        chart_->xAxis->setRange(low / 1.5, high * 1.5);
    else
        chart_->xAxis->setRange(low - pad, high + pad);
    if (chart_->yAxis->scaleType() == QCPAxis::stLogarithmic)
        chart_->yAxis->setRange(0.5, top * 3);
    else
        chart_->yAxis->setRange(0, top * 1.15 + 1);
    chart_->replot(QCustomPlot::rpQueuedReplot);
}

int TDiagramFrame::PageCount() const {
    QCPAbstractPlottable* series = PagedSeries();
    if (!paging_ || series == nullptr)
        return 1;
    const int count = series->interface1D()->dataCount();
    return std::max(1, (count + kPointsPerPage - 1) / kPointsPerPage);
}

void TDiagramFrame::ShowPage(int page) {
    QCPAbstractPlottable* series = PagedSeries();
    if (!paging_ || series == nullptr || series->interface1D()->dataCount() == 0)
        return;
    FinishAnimation();
    page_ = std::clamp(page, 0, PageCount() - 1);
    const int first = page_ * kPointsPerPage;
    const int last = std::min(first + kPointsPerPage, series->interface1D()->dataCount()) - 1;
    FitRanges(first, last);
    ShowPageLabel();
}

void TDiagramFrame::SetPaging(bool on) {
    tbPages_->setChecked(on);
    tbPagesClick();
}

void TDiagramFrame::OfferLogScale(QCPAxis* frequencyAxis) {
    frequencyAxis_ = frequencyAxis;
    aLogScale_->setVisible(true);
}

bool TDiagramFrame::LogScale() const {
    return frequencyAxis_ != nullptr && frequencyAxis_->scaleType() == QCPAxis::stLogarithmic;
}

void TDiagramFrame::SetLogScale(bool on) {
    if (frequencyAxis_ == nullptr)
        return;
    FinishAnimation();
    aLogScale_->setChecked(on);
    frequencyAxis_->setScaleType(on ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    if (on)
        frequencyAxis_->setTicker(QSharedPointer<QCPAxisTickerLog>::create());
    else
        frequencyAxis_->setTicker(WholeNumberTicker());
    savedRanges_.reset();
    if (paging_)
        ShowPage(page_);
    else
        FitRanges();
}

void TDiagramFrame::tbPagesClick() {
    FinishAnimation();
    paging_ = tbPages_->isChecked();
    page_ = 0;
    if (paging_)
        ShowPage(0);
    else
        FitRanges();
    ShowPageLabel();
}

void TDiagramFrame::ShowPageLabel() {
    lbPage_->setVisible(paging_);
    lbPage_->setText(
        QStringLiteral("Page %1 of %2 (Page Up, Page Down)").arg(page_ + 1).arg(PageCount()));
}

void TDiagramFrame::Button1Click() {
    QWidget* tabSheet = parentWidget();
    auto* pages =
        qobject_cast<QTabWidget*>(tabSheet != nullptr && tabSheet->parentWidget() != nullptr
                                      ? tabSheet->parentWidget()->parentWidget()
                                      : nullptr);
    if (pages == nullptr || pages->indexOf(tabSheet) < 0)
        return;
    const QString question =
        QStringLiteral("Close ") + pages->tabText(pages->indexOf(tabSheet)) + QStringLiteral(" ?");
    if (UserDialogs().Confirm(window(), question))
        emit CloseTabRequested(tabSheet);
}

void TDiagramFrame::ChartMousePress(QMouseEvent* event) {
    if (event->button() != Qt::RightButton)
        return;
    // The right button pans instead of drawing a zoom rectangle.
    FinishAnimation();
    chart_->setSelectionRectMode(QCP::srmNone);
    panStart_ = event->pos();
    panRanges_ = Ranges();
    panMoved_ = false;
}

void TDiagramFrame::ChartMouseMove(QMouseEvent* event) {
    if (!panStart_)
        return;
    const QPoint moved = event->pos() - *panStart_;
    if (!panMoved_ && moved.manhattanLength() < kDragDistance)
        return;
    panMoved_ = true;
    const QRect area = chart_->axisRect()->rect();
    TRanges ranges = panRanges_;
    const auto axes = Axes();
    for (std::size_t k = 0; k < axes.size(); ++k) {
        const bool horizontal = axes[k]->orientation() == Qt::Horizontal;
        const double pixels = horizontal ? -moved.x() : moved.y();
        const double extent = horizontal ? area.width() : area.height();
        const double shift = ranges[k].size() * pixels / std::max(1.0, extent);
        ranges[k] = QCPRange(ranges[k].lower + shift, ranges[k].upper + shift);
    }
    ApplyRanges(ranges);
}

void TDiagramFrame::ChartMouseRelease(QMouseEvent* event) {
    if (!panStart_ || event->button() != Qt::RightButton)
        return;
    panStart_.reset();
    chart_->setSelectionRectMode(QCP::srmCustom);
    if (!panMoved_)
        pmChart_->popup(event->globalPosition().toPoint());
}

void TDiagramFrame::RenderPicture(QCPPainter& painter, const QSize& size) {
    FinishAnimation();
    painter.fillRect(QRect(QPoint(0, 0), size), kBackground);
    QFont bold = painter.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int top = metrics.height() / 2;
    painter.setPen(Qt::black);
    painter.setFont(bold);
    const QRect titleRect(metrics.height(), top, size.width() - 2 * metrics.height(),
                          metrics.height());
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, ChartName());
    top += metrics.height();
    const QString item = ItemText();
    if (!item.isEmpty()) {
        painter.setFont(font());
        const QRect itemRect(metrics.height(), top, size.width() - 2 * metrics.height(),
                             metrics.height() * 2);
        painter.drawText(itemRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, item);
        top += itemRect.height();
    }
    top += metrics.height() / 2;
    painter.save();
    painter.translate(0, top);
    chart_->toPainter(&painter, size.width(), size.height() - top);
    painter.restore();
}

void TDiagramFrame::SavePictureExecute() {
    const QString path = UserDialogs().SaveFileName(this, SaveDirectory(), ChartPictureFilters(),
                                                    QStringLiteral("png"));
    if (path.isEmpty())
        return;
    SaveDirectory() = QFileInfo(path).absolutePath();
    QString error;
    if (!WriteChartPicture(*this, path, &error))
        UserDialogs().Warn(window(), error);
}

} // namespace lexorin
