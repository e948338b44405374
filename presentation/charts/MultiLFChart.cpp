#include "MultiLFChart.h"

#include "ChartMarks.h"

#include <algorithm>

namespace lexorin {

TMultiLFChartFrame::TMultiLFChartFrame(QWidget* parent) : TDiagramFrame(parent) {
    pnTop()->setMinimumHeight(42);
    QCustomPlot* chart = Chart();
    chart->yAxis->setLabel(QStringLiteral("frequency"));
    series1_ = chart->addGraph(chart->xAxis, chart->yAxis);
    series1_->setPen(QPen(Qt::red));
    series1_->setLineStyle(QCPGraph::lsNone);
    series1_->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssSquare, QPen(Qt::red), QColor(0, 145, 145), 7));
    marks_ = new TChartMarks(chart->xAxis, chart->yAxis, 6);
    marks_->SetFramePen(QPen(Qt::darkCyan, 0, Qt::DotLine));
    OfferLogScale(chart->yAxis);
}

void TMultiLFChartFrame::AddItem(int length, int frequency) {
    const auto [place, added] = groupIndex_.try_emplace(length, lengthGroups_.size());
    if (added)
        lengthGroups_.push_back({length, {}});
    lengthGroups_[place->second].frequencies.Add(frequency);
}

void TMultiLFChartFrame::SetAxisTitle(const QString& title) {
    Chart()->xAxis->setLabel(title);
}

void TMultiLFChartFrame::CollectMarkTexts() {
    markTexts_.clear();
    for (const TLengthGroup& group : lengthGroups_)
        for (const TKeyCounts::TEntry& entry : group.frequencies.Entries())
            markTexts_.push_back(entry.count);
}

QString TMultiLFChartFrame::Series1GetMarkText(int index) const {
    return QString::number(markTexts_.at(static_cast<std::size_t>(index)));
}

// Never turns paging on: the points of one length stand above each other.
void TMultiLFChartFrame::ShowData() {
    std::stable_sort(
        lengthGroups_.begin(), lengthGroups_.end(),
        [](const TLengthGroup& a, const TLengthGroup& b) { return a.length < b.length; });
    for (std::size_t k = 0; k < lengthGroups_.size(); ++k)
        groupIndex_[lengthGroups_[k].length] = k;
    CollectMarkTexts();
    int index = 0;
    for (const TLengthGroup& group : lengthGroups_)
        for (const TKeyCounts::TEntry& entry : group.frequencies.Entries()) {
            series1_->addData(group.length, entry.key);
            marks_->Add(group.length, entry.key, Series1GetMarkText(index++));
        }
    SetPointCount(index);
    FitRanges();
}

} // namespace lexorin
