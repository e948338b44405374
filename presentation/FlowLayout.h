// A row of widgets that wraps onto further rows when the width runs out,
// so that a toolbar in a narrow pane keeps every command in sight instead
// of hiding some behind an overflow button.
#pragma once

#include <QLayout>
#include <QList>

namespace lexorin {

class TFlowLayout : public QLayout {
public:
    explicit TFlowLayout(QWidget* parent = nullptr);
    ~TFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in `rect` (only measures when `place` is false) and
    // returns the height they take.
    int Arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
};

} // namespace lexorin
