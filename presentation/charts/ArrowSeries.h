// Horizontal arrows, one per position on a vertical axis, each from 0 to 1
// on the horizontal axis. Arrows that fall on the same pixel row are drawn
// once, so a chart of tens of thousands of positions draws as fast as one
// of a few hundred.
#pragma once

#include "ChartLayer.h"

#include <vector>

namespace lexorin {

class TArrowSeries : public TChartLayer {
    Q_OBJECT
public:
    // `positionAxis` is vertical; the arrows run along `lengthAxis`.
    TArrowSeries(QCPAxis* positionAxis, QCPAxis* lengthAxis);

    void Add(double position);
    // The positions in the order added.
    const std::vector<double>& Positions() const { return positions_; }

protected:
    // One arrow per pixel row at most.
    void draw(QCPPainter* painter) override;

private:
    std::vector<double> positions_;
    std::vector<double> sorted_;
};

} // namespace lexorin
