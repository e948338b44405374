// A one-line label that, when its text is wider than the label, shows it
// cut in the middle with an ellipsis and the whole text as its tooltip.
#pragma once

#include <QLabel>

namespace lexorin {

class TElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;
    // The text as drawn.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace lexorin
