#include "ArrowSeries.h"

#include <algorithm>
#include <cmath>

namespace lexorin {
namespace {

const QColor kColor(Qt::darkCyan);

} // namespace

TArrowSeries::TArrowSeries(QCPAxis* positionAxis, QCPAxis* lengthAxis)
    : TChartLayer(positionAxis, lengthAxis) {}

void TArrowSeries::Add(double position) {
    positions_.push_back(position);
    sorted_.clear();
}

void TArrowSeries::draw(QCPPainter* painter) {
    drawn_ = 0;
    if (sorted_.size() != positions_.size()) {
        sorted_ = positions_;
        std::sort(sorted_.begin(), sorted_.end());
    }
    const QCPRange range = keyAxis_->range();
    const auto first = std::lower_bound(sorted_.begin(), sorted_.end(), range.lower);
    const auto last = std::upper_bound(first, sorted_.end(), range.upper);
    const auto shown = std::distance(first, last);
    if (shown == 0)
        return;
    // Each arrow is half as thick as the room one position has on screen,
    // within limits that keep it visible and its head in proportion.
    const double slot = keyAxis_->axisRect()->height() / static_cast<double>(shown);
    const double thickness = std::clamp(slot * 0.5, 1.0, 8.0);
    const double head = thickness >= 2 ? thickness * 2 + 2 : 0;
    const double start = valueAxis_->coordToPixel(0);
    const double end = valueAxis_->coordToPixel(1);
    painter->setPen(QPen(kColor, thickness, Qt::SolidLine, Qt::FlatCap));
    painter->setBrush(kColor);
    double lastRow = std::nan("");
    for (auto it = first; it != last; ++it) {
        const double row = std::round(keyAxis_->coordToPixel(*it));
        if (row == lastRow)
            continue;
        lastRow = row;
        ++drawn_;
        painter->drawLine(QPointF(start, row), QPointF(end - head, row));
        if (head > 0) {
            const QPointF tip(end, row);
            const QPointF points[3] = {tip, QPointF(end - head, row - head / 2),
                                       QPointF(end - head, row + head / 2)};
            painter->setPen(Qt::NoPen);
            painter->drawPolygon(points, 3);
            painter->setPen(QPen(kColor, thickness, Qt::SolidLine, Qt::FlatCap));
        }
    }
}

} // namespace lexorin
