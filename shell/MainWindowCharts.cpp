// The chart commands of the main window: a dispersion chart of the current
// row and the frequency charts of the list, each in a new chart tab.
#include "ChartBuilder.h"
#include "ChartData.h"
#include "LFChart.h"
#include "MainWindow.h"
#include "MultiLFChart.h"
#include "ResultGrid.h"
#include "ResultTabs.h"
#include "SingleFreqChart.h"
#include "WaitCursor.h"

#include <QScopeGuard>

namespace lexorin {

void TfmLexorin::ConnectCharts() {
    connect(actions_.aDispersionChart, &QAction::triggered, this,
            &TfmLexorin::aDispersionChartExecute);
    connect(actions_.aLFChart, &QAction::triggered, this, [this] { BuildFrequencyChart(false); });
    connect(actions_.aMultiLFChart, &QAction::triggered, this,
            [this] { BuildFrequencyChart(true); });
}

void TfmLexorin::FillPositionsList(std::vector<std::int32_t>& positions) const {
    positions = ChartPositions(state_, ActivePage());
}

void TfmLexorin::OpenChartTab(TDiagramFrame* frame) {
    connect(frame, &TDiagramFrame::CloseTabRequested, tabs_, &TResultTabs::PostCloseTab);
    tabs_->AddTab(TTabKind::Chart, frame);
    frame->Chart()->setFocus();
}

void TfmLexorin::aDispersionChartExecute() {
    const TWaitCursor wait;
    std::vector<std::int32_t> positions;
    FillPositionsList(positions);
    if (positions.empty())
        return;
    auto* frame = new TSingleFreqFrame;
    OpenChartTab(frame);
    FillDispersionChart(*frame, state_, ActivePage(), positions);
}

// The rows are read without moving the list's cursor, so the current row
// and whatever follows it (the concordance contexts) stay as they are; the
// list does not redraw meanwhile, and redraws also when the chart fails.
void TfmLexorin::BuildFrequencyChart(bool withLength) {
    const TAnalysisPage page = ActivePage();
    const TMemTable* table = ChartTable(state_, page);
    if (table == nullptr)
        return;
    TResultGrid* grid = GridOf(*table);
    grid->setUpdatesEnabled(false);
    const auto restore = qScopeGuard([grid] { grid->setUpdatesEnabled(true); });
    const TWaitCursor wait;
    if (withLength) {
        auto* frame = new TMultiLFChartFrame;
        OpenChartTab(frame);
        FillFrequencyChart(*frame, state_, page);
    } else {
        auto* frame = new TLFChartFrame;
        OpenChartTab(frame);
        FillFrequencyChart(*frame, state_, page);
    }
}

} // namespace lexorin
