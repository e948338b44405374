#include "ChartLayer.h"

namespace lexorin {

TChartLayer::TChartLayer(QCPAxis* keyAxis, QCPAxis* valueAxis)
    : QCPLayerable(keyAxis->parentPlot()), keyAxis_(keyAxis), valueAxis_(valueAxis) {}

void TChartLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const {
    applyAntialiasingHint(painter, false, QCP::aeNone);
}

QRect TChartLayer::clipRect() const {
    // An arrow or a label at an end of the range (position 0 or 1 of a
    // text) is drawn whole, a few pixels into the margin, not cut in half
    // by the plot's edge.
    const int spill = keyAxis_->parentPlot()->fontMetrics().height() / 2 + 2;
    return keyAxis_->axisRect()->rect().adjusted(-spill, -spill, spill, spill);
}

} // namespace lexorin
