#include "ChartBuilder.h"

#include "ChartData.h"
#include "LFChart.h"
#include "MultiLFChart.h"
#include "QtText.h"
#include "SingleFreqChart.h"

namespace lexorin {
namespace {

template <typename TFrame> void SetTitles(TFrame& frame, TAnalysisPage page, bool withLength) {
    const TChartTitles titles = FrequencyChartTitles(page, withLength);
    frame.SetAxisTitle(QString::fromStdString(titles.axisTitle));
    frame.SetChartName(QString::fromStdString(titles.chartName));
}

} // namespace

void FillDispersionChart(TSingleFreqFrame& frame, const TAnalysisState& state, TAnalysisPage page,
                         const std::vector<std::int32_t>& positions) {
    frame.SetTextRange(0, static_cast<double>(state.analysedText.size()) + 1);
    for (std::int32_t position : positions)
        frame.AddPosition(position);
    frame.SetChartName(QString::fromStdString(DispersionChartName(page)));
    frame.SetItem(FromTextBytes(ChartItem(state, page)), page == TAnalysisPage::Phrases);
}

void FillFrequencyChart(TLFChartFrame& frame, const TAnalysisState& state, TAnalysisPage page) {
    SetTitles(frame, page, false);
    for (const TChartRow& row : ChartRows(state, page))
        frame.AddFrequency(row.frequency);
    frame.ShowData();
}

void FillFrequencyChart(TMultiLFChartFrame& frame, const TAnalysisState& state,
                        TAnalysisPage page) {
    SetTitles(frame, page, true);
    for (const TChartRow& row : ChartRows(state, page))
        frame.AddItem(row.length, row.frequency);
    frame.ShowData();
}

} // namespace lexorin
