// Quantities by frequencies: one bar per distinct frequency, as high as the
// number of rows that have it.
#pragma once

#include "ChartFrame.h"

namespace lexorin {

class TChartMarks;

class TLFChartFrame : public TDiagramFrame {
    Q_OBJECT
public:
    explicit TLFChartFrame(QWidget* parent = nullptr);

    void AddFrequency(int frequency);
    void ShowData() override;
    void SetAxisTitle(const QString& title);

    const TKeyCounts& FreqCounts() const { return freqCounts_; }
    QCPBars* Series1() const { return series1_; }
    TChartMarks* Marks() const { return marks_; }

protected:
    QCPAbstractPlottable* PagedSeries() const override { return series1_; }

private:
    TKeyCounts freqCounts_;
    QCPBars* series1_;
    TChartMarks* marks_;
};

} // namespace lexorin
