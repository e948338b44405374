#include "SortHeader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace lexorin {

namespace {

constexpr int ArrowWidth = 7;
constexpr int ArrowHeight = 4;
constexpr int Margin = 4;

QFont IndexFont(QFont font) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 0.75);
    else
        font.setPixelSize(std::max(1, font.pixelSize() * 3 / 4));
    return font;
}

} // namespace

TSortHeader::TSortHeader(const TResultListModel& model, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), model_(model) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setSectionsMovable(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // sectionClicked comes from the release, whose modifiers were kept just before
    connect(this, &QHeaderView::sectionClicked, this,
            [this](int section) { emit TitleClicked(section, ctrl_); });
}

TSortHeader::TTitleMarker TSortHeader::TitleMarker(int section) const {
    if (section < 0 || section >= model_.columnCount())
        return {};
    const TSortMarkers::TColumn column = model_.MarkerOf(section);
    if (column.marker == TSortMarker::None)
        return {};
    const auto& all = model_.Markers().Columns();
    const auto marked = std::count_if(all.begin(), all.end(),
                                      [](const auto& c) { return c.marker != TSortMarker::None; });
    return {column.marker, marked > 1 ? column.index : 0};
}

void TSortHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QStyleOptionHeader option;
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    const TTitleMarker marker = TitleMarker(logicalIndex);
    const QFont indexFont = IndexFont(font());
    const QString index = marker.index > 0 ? QString::number(marker.index) : QString();
    const int markerWidth =
        marker.marker == TSortMarker::None
            ? 0
            : Margin + ArrowWidth + QFontMetrics(indexFont).horizontalAdvance(index);
    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    QStyleOptionHeader label = option;
    label.rect = style()->subElementRect(QStyle::SE_HeaderLabel, &option, this);
    label.rect.setRight(label.rect.right() - markerWidth);
    style()->drawControl(QStyle::CE_HeaderLabel, &label, painter, this);
    if (marker.marker != TSortMarker::None) {
        const int right = rect.right() - Margin;
        const int middle = rect.center().y();
        const int left = right - ArrowWidth + 1;
        QPolygon arrow;
        if (marker.marker == TSortMarker::Ascending)
            arrow << QPoint(left, middle + ArrowHeight / 2)
                  << QPoint(right, middle + ArrowHeight / 2)
                  << QPoint((left + right) / 2, middle - ArrowHeight / 2);
        else
            arrow << QPoint(left, middle - ArrowHeight / 2)
                  << QPoint(right, middle - ArrowHeight / 2)
                  << QPoint((left + right) / 2, middle + ArrowHeight / 2);
        const QColor ink = palette().color(QPalette::ButtonText);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(ink);
        painter->setBrush(ink);
        painter->drawPolygon(arrow);
        if (!index.isEmpty()) {
            painter->setFont(indexFont);
            painter->drawText(QRect(rect.left(), rect.top(), left - 1 - rect.left(), rect.height()),
                              Qt::AlignRight | Qt::AlignVCenter, index);
        }
    }
    painter->restore();
}

void TSortHeader::mouseReleaseEvent(QMouseEvent* event) {
    ctrl_ = event->modifiers().testFlag(Qt::ControlModifier);
    QHeaderView::mouseReleaseEvent(event);
}

} // namespace lexorin
