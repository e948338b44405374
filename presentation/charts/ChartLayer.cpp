#include "ChartLayer.h"

namespace lexorin {

TChartLayer::TChartLayer(QCPAxis* keyAxis, QCPAxis* valueAxis)
    : QCPLayerable(keyAxis->parentPlot()), keyAxis_(keyAxis), valueAxis_(valueAxis) {}

void TChartLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const {
    applyAntialiasingHint(painter, false, QCP::aeNone);
}

QRect TChartLayer::clipRect() const {
    return keyAxis_->axisRect()->rect();
}

} // namespace lexorin
