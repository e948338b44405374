#include "FlowLayout.h"

#include <QWidget>
#include <algorithm>

namespace lexorin {

TFlowLayout::TFlowLayout(QWidget* parent) : QLayout(parent) {}

TFlowLayout::~TFlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void TFlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

int TFlowLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* TFlowLayout::itemAt(int index) const {
    return items_.value(index);
}

QLayoutItem* TFlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int TFlowLayout::heightForWidth(int width) const {
    return Arrange(QRect(0, 0, width, 0), false);
}

QSize TFlowLayout::minimumSize() const {
    // As narrow as the widest item: everything else wraps.
    QSize size;
    for (const QLayoutItem* item : items_)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize TFlowLayout::sizeHint() const {
    // All on one row.
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        width += item->sizeHint().width() + (width > 0 ? spacing() : 0);
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

void TFlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int TFlowLayout::Arrange(const QRect& rect, bool place) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(0, spacing());
    int y = area.y();
    // The items of one row, placed once the row is full, each centred on
    // the row's height.
    QList<QLayoutItem*> row;
    int rowWidth = 0;
    int rowHeight = 0;
    const auto finishRow = [&] {
        int x = area.x();
        for (QLayoutItem* item : row) {
            const QSize size = item->sizeHint();
            if (place)
                item->setGeometry(QRect(QPoint(x, y + (rowHeight - size.height()) / 2), size));
            x += size.width() + gap;
        }
        y += rowHeight + gap;
        row.clear();
        rowWidth = 0;
        rowHeight = 0;
    };
    for (QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        const QSize size = item->sizeHint();
        if (!row.isEmpty() && rowWidth + gap + size.width() > area.width())
            finishRow();
        rowWidth += (row.isEmpty() ? 0 : gap) + size.width();
        rowHeight = std::max(rowHeight, size.height());
        row.append(item);
    }
    if (!row.isEmpty())
        finishRow();
    const int used = std::max(0, y - gap - area.y());
    const QMargins margins = contentsMargins();
    return used + margins.top() + margins.bottom();
}

} // namespace lexorin
