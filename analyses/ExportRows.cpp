#include "ExportRows.h"

#include "ChartData.h"
#include "Concordance.h"
#include "FeLocale.h"

namespace lexorin {

std::string Capitalized(std::string_view word) {
    std::string result(word);
    if (!result.empty())
        result[0] = static_cast<char>(UpperChar(result[0]));
    return result;
}

std::vector<std::string> ExportTitles(TAnalysisPage page, TConcordanceLayout layout) {
    switch (page) {
    case TAnalysisPage::Phrases:
        return {"phrase", "frequency", "words", "dispersion"};
    case TAnalysisPage::Wordforms:
        return {"wordform", "frequency", "length", "dispersion"};
    case TAnalysisPage::Concordance:
        if (layout == TConcordanceLayout::Professional)
            return {"position", "before", "word", "after"};
        return {"word", "frequency"};
    case TAnalysisPage::Kwic:
        return {"position", "left", "match", "right"};
    case TAnalysisPage::Collocates:
        return {"collocate", "O", "E", "LL", "MI", "T-score", "logDice", "f_c", "OL", "OR"};
    case TAnalysisPage::Keywords:
        return {"keyword",   "frequency",   "ref. frequency",  "LL",
                "log ratio", "per million", "ref. per million"};
    default:
        return {};
    }
}

namespace {

TExportCell Text(std::string text) {
    return {TExportCell::TKind::Text, std::move(text), 0};
}

TExportCell Integer(std::int32_t value) {
    return {TExportCell::TKind::Integer, {}, static_cast<double>(value)};
}

// Puts a table cell into `cell`, whose text keeps its buffer from row to row.
void ReadCell(const TMemTable& table, int row, int column, TExportCell& cell) {
    switch (table.Fields()[static_cast<std::size_t>(column)].type) {
    case TFieldType::Memo:
    case TFieldType::String:
        cell.kind = table.Fields()[static_cast<std::size_t>(column)].utf8
                        ? TExportCell::TKind::Utf8
                        : TExportCell::TKind::Text;
        cell.text.assign(table.TextView(row, column));
        cell.number = 0;
        return;
    case TFieldType::Double:
        cell.kind = TExportCell::TKind::Real;
        cell.text.clear();
        cell.number = table.Double(row, column);
        return;
    default:
        cell.kind = TExportCell::TKind::Integer;
        cell.text.clear();
        cell.number = table.Integer(row, column);
    }
}

int ForEachListRow(const TMemTable& table, const std::vector<const char*>& fields,
                   const std::function<void(const TExportRow&)>& row) {
    std::vector<int> columns;
    for (const char* field : fields)
        columns.push_back(table.FieldIndex(field));
    TExportRow cells(columns.size());
    for (int r = 0; r < table.RecordCount(); ++r) {
        for (std::size_t k = 0; k < columns.size(); ++k)
            ReadCell(table, table.RowOf(r), columns[k], cells[k]);
        row(cells);
    }
    return table.RecordCount();
}

std::string Word(const std::string& word, bool capitalize) {
    return capitalize ? Capitalized(word) : word;
}

// Puts the contexts of the concordance's current word back when the walk
// over every word ends, also when it fails.
class TCurrentContexts {
public:
    explicit TCurrentContexts(TAnalysisState& state)
        : state_(state), current_(state.mteConcordance.RecNo()) {}
    ~TCurrentContexts() {
        if (current_ >= 0)
            state_.mteConcordance.MoveTo(current_); // which rebuilds its contexts
        else
            ConcordanceAfterScroll(state_);
    }
    TCurrentContexts(const TCurrentContexts&) = delete;
    TCurrentContexts& operator=(const TCurrentContexts&) = delete;

private:
    TAnalysisState& state_;
    int current_;
};

int ForEachOccurrence(TAnalysisState& state, bool capitalize,
                      const std::function<void(const TExportRow&)>& row) {
    const TCurrentContexts restore(state);
    const TMemTable& words = state.mteConcordance;
    const TMemTable& detail = state.mteConcordanceDetail;
    const int word = words.FieldIndex("word");
    const int positions = words.FieldIndex("positions");
    const int pos = detail.FieldIndex("pos");
    const int before = detail.FieldIndex("before");
    const int detailWord = detail.FieldIndex("word");
    const int after = detail.FieldIndex("after");
    int count = 0;
    for (int r = 0; r < words.RecordCount(); ++r) {
        const int w = words.RowOf(r);
        FillContexts(state, words.Text(w, word), words.Text(w, positions));
        for (int d = 0; d < detail.RecordCount(); ++d) {
            const int o = detail.RowOf(d);
            row({Integer(detail.Integer(o, pos)), Text(detail.Text(o, before)),
                 Text(Word(detail.Text(o, detailWord), capitalize)), Text(detail.Text(o, after))});
            ++count;
        }
    }
    return count;
}

} // namespace

int ForEachExportRow(TAnalysisState& state, TAnalysisPage page, TConcordanceLayout layout,
                     bool capitalize, const std::function<void(const TExportRow&)>& row) {
    // A list that was never filled (its text was empty) has no rows.
    if (const TMemTable* list = ListTable(state, page); list == nullptr || !list->Active())
        return 0;
    switch (page) {
    case TAnalysisPage::Phrases:
        return ForEachListRow(state.mteRes, {"text", "cases", "words", "dispersion"}, row);
    case TAnalysisPage::Wordforms:
        return ForEachListRow(state.mteWordForms, {"word", "cases", "length", "dispersion"}, row);
    case TAnalysisPage::Concordance:
        if (layout == TConcordanceLayout::Professional)
            return ForEachOccurrence(state, capitalize, row);
        return ForEachListRow(state.mteConcordance, {"word", "count"},
                              [&](const TExportRow& cells) {
                                  row({Text(Word(cells[0].text, capitalize)), cells[1]});
                              });
    case TAnalysisPage::Kwic:
        return ForEachListRow(state.mteKwic, {"pos", "left", "match", "right"}, row);
    case TAnalysisPage::Collocates:
        return ForEachListRow(state.mteCollocates,
                              {"word", "observed", "expected", "ll", "mi", "tscore", "logdice",
                               "frequency", "left", "right"},
                              row);
    case TAnalysisPage::Keywords:
        return ForEachListRow(
            state.mteKeywords,
            {"word", "text", "reference", "ll", "logratio", "textpm", "referencepm"}, row);
    default:
        return 0;
    }
}

} // namespace lexorin
