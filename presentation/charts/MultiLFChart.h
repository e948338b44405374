// Quantities by frequencies and length: one point per pair of length and
// frequency, labelled with the number of rows that have that pair.
#pragma once

#include "ChartFrame.h"

namespace lexorin {

class TChartMarks;

class TMultiLFChartFrame : public TDiagramFrame {
    Q_OBJECT
public:
    struct TLengthGroup {
        int length = 0;
        TKeyCounts frequencies;
    };

    explicit TMultiLFChartFrame(QWidget* parent = nullptr);

    void AddItem(int length, int frequency);
    void ShowData() override;
    void SetAxisTitle(const QString& title);

    const std::vector<TLengthGroup>& LengthGroups() const { return lengthGroups_; }
    const std::vector<int>& MarkTexts() const { return markTexts_; }
    QCPGraph* Series1() const { return series1_; }
    TChartMarks* Marks() const { return marks_; }
    QString Series1GetMarkText(int index) const;

protected:
    QCPAbstractPlottable* PagedSeries() const override { return series1_; }

private:
    void CollectMarkTexts();

    std::vector<TLengthGroup> lengthGroups_;
    std::unordered_map<int, std::size_t> groupIndex_;
    std::vector<int> markTexts_;
    QCPGraph* series1_;
    TChartMarks* marks_;
};

} // namespace lexorin
