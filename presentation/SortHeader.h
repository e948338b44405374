// Column titles that show every column's sort marker, since one sort
// indicator cannot show several: an arrow and, while more than one column
// sorts, the column's place among the sort keys. A click reports whether
// Ctrl was held.
#pragma once

#include "ResultListModel.h"

#include <QHeaderView>

namespace lexorin {

class TSortHeader : public QHeaderView {
    Q_OBJECT
public:
    struct TTitleMarker {
        TSortMarker marker = TSortMarker::None;
        int index = 0; // 0 while it is not shown
        friend bool operator==(const TTitleMarker&, const TTitleMarker&) = default;
    };

    TSortHeader(const TResultListModel& model, QWidget* parent);

    // What the title of a section shows.
    TTitleMarker TitleMarker(int section) const;

signals:
    void TitleClicked(int section, bool ctrl);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TResultListModel& model_;
    bool ctrl_ = false;
};

} // namespace lexorin
