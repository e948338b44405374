// Something drawn inside a chart's axis rectangle, placed by two of its
// axes, counting what its last drawing showed.
#pragma once

#include <qcustomplot.h>

namespace lexorin {

class TChartLayer : public QCPLayerable {
    Q_OBJECT
public:
    TChartLayer(QCPAxis* keyAxis, QCPAxis* valueAxis);
    // How many items the last drawing showed.
    int DrawnCount() const { return drawn_; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    QRect clipRect() const override;

    QCPAxis* keyAxis_;
    QCPAxis* valueAxis_;
    int drawn_ = 0;
};

} // namespace lexorin
