#include "CsvExport.h"

#include "Concordance.h"

#include <charconv>

namespace lexorin {

TCsvFormat TCsvFormat::From(const TAnalysisOptions& options) {
    TCsvFormat format;
    if (!options.edSeparator.empty())
        format.separator = options.edSeparator;
    format.quote = options.edQuote;
    if (!options.edDecimalSeparator.empty())
        format.decimalSeparator = options.edDecimalSeparator[0];
    format.titles = options.cbShowTitles;
    format.duplicateQuotes = options.cbDupQuotes;
    format.capitalize = options.cbConcCapitalize;
    return format;
}

std::string TCsvFormat::Text(std::string_view text) const {
    if (quote.empty())
        return std::string(text);
    std::string field = quote;
    for (char c : text) {
        field.push_back(c);
        if (duplicateQuotes && c == quote[0])
            field.push_back(c);
    }
    field += quote;
    return field;
}

std::string TCsvFormat::Number(double value) const {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string number(buffer, result.ptr);
    for (char& c : number)
        if (c == '.')
            c = decimalSeparator;
    return number;
}

std::string TCsvFormat::Line(const std::vector<std::string>& fields) const {
    std::string line;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0)
            line += separator;
        line += fields[k];
    }
    return line + "\r\n";
}

std::string Capitalized(std::string_view word) {
    std::string result = LowerCaseText(word);
    if (!result.empty())
        result[0] = static_cast<char>(UpperChar(result[0]));
    return result;
}

namespace {

void ExportList(const TMemTable& table, const std::vector<const char*>& titles,
                const std::vector<const char*>& fields, const TCsvFormat& format,
                std::ostream& out) {
    if (format.titles) {
        std::vector<std::string> line;
        for (const char* title : titles)
            line.push_back(format.Text(title));
        out << format.Line(line);
    }
    std::vector<int> columns;
    for (const char* field : fields)
        columns.push_back(table.FieldIndex(field));
    for (int r = 0; r < table.RecordCount(); ++r) {
        const int row = table.RowOf(r);
        std::vector<std::string> line;
        for (int column : columns) {
            switch (table.Fields()[static_cast<std::size_t>(column)].type) {
            case TFieldType::Memo:
            case TFieldType::String:
                line.push_back(format.Text(table.Text(row, column)));
                break;
            case TFieldType::Double:
                line.push_back(format.Number(table.Double(row, column)));
                break;
            default:
                line.push_back(std::to_string(table.Integer(row, column)));
                break;
            }
        }
        out << format.Line(line);
    }
}

std::string ConcordanceWord(const TCsvFormat& format, const std::string& word) {
    return format.Text(format.capitalize ? Capitalized(word) : word);
}

void ExportOccurrences(TAnalysisState& state, const TCsvFormat& format, std::ostream& out) {
    if (format.titles)
        out << format.Line({format.Text("position"), format.Text("before"), format.Text("word"),
                            format.Text("after")});
    TMemTable& words = state.mteConcordance;
    const TMemTable& detail = state.mteConcordanceDetail;
    const int current = words.RecNo();
    for (int r = 0; r < words.RecordCount(); ++r) {
        const int row = words.RowOf(r);
        FillContexts(state, words.Text(row, words.FieldIndex("word")),
                     words.Text(row, words.FieldIndex("positions")));
        for (int d = 0; d < detail.RecordCount(); ++d) {
            const int occurrence = detail.RowOf(d);
            out << format.Line(
                {std::to_string(detail.Integer(occurrence, detail.FieldIndex("pos"))),
                 format.Text(detail.Text(occurrence, detail.FieldIndex("before"))),
                 ConcordanceWord(format, detail.Text(occurrence, detail.FieldIndex("word"))),
                 format.Text(detail.Text(occurrence, detail.FieldIndex("after")))});
        }
    }
    if (current >= 0)
        words.MoveTo(current); // which rebuilds the contexts of that word
    else
        ConcordanceAfterScroll(state);
}

} // namespace

void ExportCsv(TAnalysisState& state, TAnalysisPage page, TConcordanceLayout layout,
               const TCsvFormat& format, std::ostream& out) {
    switch (page) {
    case TAnalysisPage::Phrases:
        ExportList(state.mteRes, {"phrase", "frequency", "words", "dispersion"},
                   {"text", "cases", "words", "dispersion"}, format, out);
        break;
    case TAnalysisPage::Wordforms:
        ExportList(state.mteWordForms, {"wordform", "frequency", "length", "dispersion"},
                   {"word", "cases", "length", "dispersion"}, format, out);
        break;
    case TAnalysisPage::Concordance:
        if (layout == TConcordanceLayout::Professional) {
            ExportOccurrences(state, format, out);
            break;
        }
        if (format.titles)
            out << format.Line({format.Text("word"), format.Text("frequency")});
        for (int r = 0; r < state.mteConcordance.RecordCount(); ++r) {
            const TMemTable& table = state.mteConcordance;
            const int row = table.RowOf(r);
            out << format.Line({ConcordanceWord(format, table.Text(row, table.FieldIndex("word"))),
                                std::to_string(table.Integer(row, table.FieldIndex("count")))});
        }
        break;
    default:
        break;
    }
}

} // namespace lexorin
