// The texts drawn beside the points of a series. A mark is drawn only where
// it overlaps no mark already drawn, taking the marks in key order, so that
// thousands of points leave a readable column of labels instead of a smear;
// zooming in brings the hidden ones back.
#pragma once

#include "ChartLayer.h"

#include <QPen>
#include <QString>
#include <vector>

namespace lexorin {

struct TChartMark {
    double key = 0;
    double value = 0;
    QString text;
};

class TChartMarks : public TChartLayer {
    Q_OBJECT
public:
    // Above each point when the key axis is horizontal, to its right when it
    // is vertical, `distance` pixels away.
    TChartMarks(QCPAxis* keyAxis, QCPAxis* valueAxis, int distance);

    void Add(double key, double value, QString text);
    // The marks in key order (equal keys in the order added).
    const std::vector<TChartMark>& Marks() const;
    // A frame around each text; Qt::NoPen for none.
    void SetFramePen(const QPen& pen) { framePen_ = pen; }
    // Off: a mark is left out also where it would stand above or below one
    // drawn, so that the labels of a crowd of bars never pile up in a tower.
    void SetStacking(bool on) { stacking_ = on; }

protected:
    void draw(QCPPainter* painter) override;

private:
    QRectF TextRect(const QFontMetricsF& metrics, const TChartMark& mark) const;
    bool Vertical() const { return keyAxis_->orientation() == Qt::Vertical; }

    int distance_;
    QPen framePen_ = Qt::NoPen;
    bool stacking_ = true;
    mutable std::vector<TChartMark> marks_;
    mutable bool sorted_ = true;
};

} // namespace lexorin
