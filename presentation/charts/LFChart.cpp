#include "LFChart.h"

#include "ChartMarks.h"

#include <QLayout>

namespace lexorin {

TLFChartFrame::TLFChartFrame(QWidget* parent) : TDiagramFrame(parent) {
    pnTop()->setMinimumHeight(42);
    QCustomPlot* chart = Chart();
    chart->xAxis->setLabel(QStringLiteral("frequency"));
    series1_ = new QCPBars(chart->xAxis, chart->yAxis);
    series1_->setWidth(0.7);
    series1_->setPen(QPen(QColor(Qt::darkCyan).darker(130)));
    series1_->setBrush(QColor(Qt::darkCyan));
    marks_ = new TChartMarks(chart->xAxis, chart->yAxis, 2);
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
