#include "LFChart.h"

#include "ChartMarks.h"

#include <QLayout>
#include <algorithm>

namespace lexorin {
namespace {

// In frequencies: the bars of neighbouring frequencies stand apart.
constexpr double kBarWidth = 0.7;

// Bars that stay at least two pixels wide however wide the range shown.
class TFrequencyBars : public QCPBars {
public:
    using QCPBars::QCPBars;

protected:
    void draw(QCPPainter* painter) override {
        if (keyAxis()->scaleType() == QCPAxis::stLogarithmic) {
            // Keys crowd together towards the high end: bars of a fixed few
            // pixels.
            setWidthType(wtAbsolute);
            setWidth(4);
        } else {
            const double pixel =
                keyAxis()->range().size() / std::max(1, keyAxis()->axisRect()->width());
            setWidthType(wtPlotCoords);
            setWidth(std::max(kBarWidth, 2 * pixel));
        }
        QCPBars::draw(painter);
    }
};

} // namespace

TLFChartFrame::TLFChartFrame(QWidget* parent) : TDiagramFrame(parent) {
    pnTop()->setMinimumHeight(42);
    QCustomPlot* chart = Chart();
    chart->xAxis->setLabel(QStringLiteral("frequency"));
    series1_ = new TFrequencyBars(chart->xAxis, chart->yAxis);
    series1_->setWidth(kBarWidth);
    series1_->setPen(QPen(QColor(Qt::darkCyan).darker(130)));
    series1_->setBrush(QColor(Qt::darkCyan));
    marks_ = new TChartMarks(chart->xAxis, chart->yAxis, 2);
    marks_->SetStacking(false);
    OfferLogScale(chart->xAxis);
}

void TLFChartFrame::AddFrequency(int frequency) {
    freqCounts_.Add(frequency);
}

void TLFChartFrame::SetAxisTitle(const QString& title) {
    Chart()->yAxis->setLabel(title);
}

void TLFChartFrame::ShowData() {
    FillBarSeries(series1_, freqCounts_);
    for (const TKeyCounts::TEntry& entry : freqCounts_.Entries())
        marks_->Add(entry.key, entry.count, QString::number(entry.count));
    FitRanges();
    TDiagramFrame::ShowData();
}

} // namespace lexorin
