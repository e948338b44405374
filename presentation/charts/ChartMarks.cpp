#include "ChartMarks.h"

#include <algorithm>
#include <deque>

namespace lexorin {

TChartMarks::TChartMarks(QCPAxis* keyAxis, QCPAxis* valueAxis, int distance)
    : TChartLayer(keyAxis, valueAxis), distance_(distance) {}

void TChartMarks::Add(double key, double value, QString text) {
    if (!marks_.empty() && key < marks_.back().key)
        sorted_ = false;
    marks_.push_back({key, value, std::move(text)});
}

const std::vector<TChartMark>& TChartMarks::Marks() const {
    if (!sorted_) {
        std::stable_sort(marks_.begin(), marks_.end(),
                         [](const TChartMark& a, const TChartMark& b) { return a.key < b.key; });
        sorted_ = true;
    }
    return marks_;
}

QRectF TChartMarks::TextRect(const QFontMetricsF& metrics, const TChartMark& mark) const {
    const double key = keyAxis_->coordToPixel(mark.key);
    const double value = valueAxis_->coordToPixel(mark.value);
    const QSizeF size(metrics.horizontalAdvance(mark.text) + 4, metrics.height());
    if (Vertical())
        return {QPointF(value + distance_, key - size.height() / 2), size};
    return {QPointF(key - size.width() / 2, value - distance_ - size.height()), size};
}

void TChartMarks::draw(QCPPainter* painter) {
    drawn_ = 0;
    const std::vector<TChartMark>& marks = Marks();
    const QCPRange keys = keyAxis_->range();
    const QCPRange values = valueAxis_->range();
    const auto byKey = [](const TChartMark& mark, double key) { return mark.key < key; };
    auto it = std::lower_bound(marks.begin(), marks.end(), keys.lower, byKey);
    const auto end =
        std::lower_bound(it, marks.end(), std::nextafter(keys.upper, keys.upper + 1), byKey);
    const QFontMetricsF metrics(painter->font());
    const bool vertical = Vertical();
    const bool ascending = vertical == keyAxis_->rangeReversed();
    // The marks drawn that may still overlap the next one along the key axis.
    std::deque<QRectF> recent;
    painter->setPen(framePen_);
    for (; it != end; ++it) {
        if (!values.contains(it->value))
            continue;
        const QRectF rect = TextRect(metrics, *it);
        while (!recent.empty()) {
            const QRectF& front = recent.front();
            const bool behind =
                vertical ? (ascending ? front.bottom() < rect.top() : front.top() > rect.bottom())
                         : (ascending ? front.right() < rect.left() : front.left() > rect.right());
            if (!behind)
                break;
            recent.pop_front();
        }
        const auto overlaps = [&](const QRectF& drawn) {
            if (stacking_)
                return drawn.intersects(rect);
            return vertical ? drawn.top() < rect.bottom() && rect.top() < drawn.bottom()
                            : drawn.left() < rect.right() && rect.left() < drawn.right();
        };
        if (std::any_of(recent.begin(), recent.end(), overlaps))
            continue;
        if (framePen_.style() != Qt::NoPen) {
            painter->setPen(framePen_);
            painter->drawRect(rect);
        }
        painter->setPen(QPen(Qt::black));
        painter->drawText(rect, Qt::AlignCenter, it->text);
        recent.push_back(rect);
        ++drawn_;
    }
}

} // namespace lexorin
