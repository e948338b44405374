#include "ChartData.h"

#include "Concordance.h"
#include "Dispersion.h"
#include "FeUtils.h"

namespace lexorin {

namespace {

bool Charted(TAnalysisPage page) {
    return page == TAnalysisPage::Phrases || page == TAnalysisPage::Wordforms ||
           page == TAnalysisPage::Concordance;
}

} // namespace

const TMemTable* ChartTable(const TAnalysisState& state, TAnalysisPage page) {
    return Charted(page) ? ListTable(state, page) : nullptr;
}

TMemTable* ChartTable(TAnalysisState& state, TAnalysisPage page) {
    return Charted(page) ? ListTable(state, page) : nullptr;
}

std::vector<std::int32_t> ChartPositions(const TAnalysisState& state, TAnalysisPage page) {
    const TMemTable* table = ChartTable(state, page);
    if (table == nullptr || !table->Active() || table->RecNo() < 0)
        return {};
    if (page == TAnalysisPage::Concordance) {
        const std::vector<int> stored = SortedPositions(table->CurrentText("positions"));
        return {stored.begin(), stored.end()};
    }
    const bool phrases = page == TAnalysisPage::Phrases;
    if ((phrases ? state.phraseTree : state.wordformTree) == nullptr)
        return {};
    return NodePositions(state, table->CurrentInteger("nodeid"),
                         phrases ? TTreeKind::Phrase : TTreeKind::Wordform);
}

std::string ChartItem(const TAnalysisState& state, TAnalysisPage page) {
    const TMemTable* table = ChartTable(state, page);
    if (table == nullptr || !table->Active() || table->RecNo() < 0)
        return {};
    return table->CurrentText(page == TAnalysisPage::Phrases ? "text" : "word");
}

bool MoveToChartItem(TAnalysisState& state, TAnalysisPage page, std::string_view item) {
    TMemTable* table = ChartTable(state, page);
    if (table == nullptr || !table->Active())
        return false;
    const int field = table->FieldIndex(page == TAnalysisPage::Phrases ? "text" : "word");
    for (int recNo = 0; recNo < table->RecordCount(); ++recNo)
        if (SameTextIgnoreCase(table->TextView(table->RowOf(recNo), field), item)) {
            table->MoveTo(recNo);
            return true;
        }
    return false;
}

std::vector<TChartRow> ChartRows(const TAnalysisState& state, TAnalysisPage page) {
    const TMemTable* table = ChartTable(state, page);
    if (table == nullptr || !table->Active())
        return {};
    const bool concordance = page == TAnalysisPage::Concordance;
    const int frequency = table->FieldIndex(concordance ? "count" : "cases");
    const int length = concordance
                           ? table->FieldIndex("word")
                           : table->FieldIndex(page == TAnalysisPage::Phrases ? "words" : "length");
    std::vector<TChartRow> rows;
    rows.reserve(static_cast<std::size_t>(table->RecordCount()));
    for (int recNo = 0; recNo < table->RecordCount(); ++recNo) {
        const int row = table->RowOf(recNo);
        TChartRow chartRow;
        chartRow.frequency = table->Integer(row, frequency);
        chartRow.length = concordance ? static_cast<std::int32_t>(table->Text(row, length).size())
                                      : table->Integer(row, length);
        rows.push_back(chartRow);
    }
    return rows;
}

std::string DispersionChartName(TAnalysisPage page) {
    switch (page) {
    case TAnalysisPage::Phrases:
        return "Dispersion of word/phrase : ";
    case TAnalysisPage::Wordforms:
        return "Dispersion of wordform : ";
    default:
        return "Dispersion of word : ";
    }
}

TChartTitles FrequencyChartTitles(TAnalysisPage page, bool withLength) {
    const char* items = page == TAnalysisPage::Phrases     ? "phrases"
                        : page == TAnalysisPage::Wordforms ? "wordforms"
                                                           : "words";
    TChartTitles titles;
    titles.chartName = std::string("Numbers of ") + items + " by their frequencies";
    if (!withLength) {
        titles.axisTitle = std::string("number of ") + items;
        return titles;
    }
    titles.chartName += " and length";
    titles.axisTitle = page == TAnalysisPage::Phrases     ? "phrase length(words)"
                       : page == TAnalysisPage::Wordforms ? "wordform length(characters)"
                                                          : "words length(characters)";
    return titles;
}

} // namespace lexorin
