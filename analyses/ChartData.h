// What the charts of a result list show, read from the analysis state
// without Qt: the occurrence positions of the current row, the frequency
// and length of every row the list shows, and the charts' titles.
#pragma once

#include "AnalysisState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lexorin {

// The table a chart of the page reads; nullptr on a page without a list.
const TMemTable* ChartTable(const TAnalysisState& state, TAnalysisPage page);
TMemTable* ChartTable(TAnalysisState& state, TAnalysisPage page);

// Where the current row's item occurs: for phrases and wordforms the
// 0-based offsets in the analysed text, in the order of the tree's leaves;
// for the concordance the stored 1-based positions. Empty when there is no
// current row or no tree.
std::vector<std::int32_t> ChartPositions(const TAnalysisState& state, TAnalysisPage page);

// The text of the current row's item (phrase, wordform or word).
std::string ChartItem(const TAnalysisState& state, TAnalysisPage page);

// Makes the first shown row whose item is `item` (case ignored) the current
// row; false when the list shows none.
bool MoveToChartItem(TAnalysisState& state, TAnalysisPage page, std::string_view item);

struct TChartRow {
    std::int32_t length = 0;
    std::int32_t frequency = 0;
};

// Every row the list shows (the phrase filter applies), in its current
// order. The cursor does not move, so nothing that follows the current row
// is disturbed.
std::vector<TChartRow> ChartRows(const TAnalysisState& state, TAnalysisPage page);

struct TChartTitles {
    std::string chartName;
    std::string axisTitle; // left axis without length, bottom axis with length
};

std::string DispersionChartName(TAnalysisPage page);
TChartTitles FrequencyChartTitles(TAnalysisPage page, bool withLength);

} // namespace lexorin
