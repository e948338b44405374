// Horizontal arrows, one per position on a vertical axis, each from 0 to 1
// on the horizontal axis. Arrows that fall on the same pixel row are drawn
// once, so a chart of tens of thousands of positions draws as fast as one
// of a few hundred.
#pragma once

#include <QColor>
#include <qcustomplot.h>
#include <vector>

namespace lexorin {

class TArrowSeries : public QCPLayerable {
    Q_OBJECT
public:
    // `positionAxis` is vertical; the arrows run along `lengthAxis`.
    TArrowSeries(QCPAxis* positionAxis, QCPAxis* lengthAxis);

    void Add(double position);
    // The positions in the order added.
    const std::vector<double>& Positions() const { return positions_; }
    void SetColor(const QColor& color) { color_ = color; }
    // How many arrows the last drawing showed, one per pixel row at most.
    int DrawnCount() const { return drawn_; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    QRect clipRect() const override;
    void draw(QCPPainter* painter) override;

private:
    QCPAxis* positionAxis_;
    QCPAxis* lengthAxis_;
    QColor color_ = Qt::darkCyan;
    std::vector<double> positions_;
    std::vector<double> sorted_;
    int drawn_ = 0;
};

} // namespace lexorin
