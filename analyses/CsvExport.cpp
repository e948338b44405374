#include "CsvExport.h"

#include "CodePage.h"
#include "Utf8.h"
#include "WriteCheck.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>

namespace lexorin {

TCsvFormat TCsvFormat::From(const TAnalysisOptions& options) {
    TCsvFormat format;
    if (!options.edSeparator.empty())
        format.separator = options.edSeparator;
    format.quote = options.edQuote;
    if (!options.edDecimalSeparator.empty())
        format.decimalSeparator = options.edDecimalSeparator;
    format.titles = options.cbShowTitles;
    format.duplicateQuotes = options.cbDupQuotes;
    format.capitalize = options.cbConcCapitalize;
    format.protectFormulas = options.cbProtectFormulas;
    return format;
}

std::string CsvOptionsProblem(const TAnalysisOptions& options) {
    for (const std::string* mark :
         {&options.edSeparator, &options.edQuote, &options.edDecimalSeparator})
        if (Utf8Length(*mark) > 1)
            return "The field separator, the quote character and the decimal separator are one "
                   "character each";
    const TCsvFormat format = TCsvFormat::From(options);
    const std::string& decimal = format.decimalSeparator;
    for (const std::string* mark : {&format.separator, &decimal, &format.quote}) {
        if (*mark == "\r" || *mark == "\n")
            return "A line break cannot be the field separator, the quote character or the "
                   "decimal separator";
        if (mark->size() == 1 && (*mark)[0] >= '0' && (*mark)[0] <= '9')
            return "A digit cannot be the field separator, the quote character or the decimal "
                   "separator: numbers would not read back";
    }
    if (format.quote == format.separator)
        return "The quote character cannot be the field separator: fields would not be told "
               "apart from texts";
    if (format.quote == decimal)
        return "The quote character cannot be the decimal separator: numbers would read as "
               "texts";
    if (format.quote.empty() && decimal == format.separator)
        return "Without a quote character the decimal separator cannot be the field separator: "
               "a number would read as two fields";
    if (format.quote.empty() && format.protectFormulas && format.separator == "'")
        return "Without a quote character the apostrophe that protects cells from spreadsheet "
               "formulas cannot be the field separator";
    return {};
}

std::string TCsvFormat::Text(std::string_view text) const {
    return Utf8Text(TextToUtf8(text));
}

std::string TCsvFormat::Utf8Text(std::string_view text) const {
    // Spreadsheets run a cell that starts with = + - or @ as a formula, and
    // some skip a tab or a carriage return in front of one: such a text gets
    // an apostrophe in front, as part of the text.
    const bool formula = protectFormulas && !text.empty() &&
                         std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    std::string utf8 = formula ? "'" : "";
    utf8 += text;
    if (quote.empty())
        return utf8;
    std::string field = quote;
    field.reserve(utf8.size() + 2 * quote.size());
    for (std::size_t k = 0; k < utf8.size(); ++k) {
        if (duplicateQuotes && utf8.compare(k, quote.size(), quote) == 0) {
            field += quote;
            field += quote;
            k += quote.size() - 1;
            continue;
        }
        field.push_back(utf8[k]);
    }
    field += quote;
    return field;
}

std::string TCsvFormat::Number(double value) const {
    char buffer[400]; // the fixed form of the largest plain number fits
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    // 100000 rather than 1e+05: a number of plain size is written out.
    const double size = std::fabs(value);
    if (std::find(buffer, result.ptr, 'e') != result.ptr && size >= 1e-6 && size < 1e21)
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string number;
    for (const char* c = buffer; c != result.ptr; ++c) {
        if (*c == '.')
            number += decimalSeparator;
        else
            number.push_back(*c);
    }
    return number;
}

std::string TCsvFormat::Field(const TExportCell& cell) const {
    switch (cell.kind) {
    case TExportCell::TKind::Text:
        return Text(cell.text);
    case TExportCell::TKind::Utf8:
        return Utf8Text(cell.text);
    case TExportCell::TKind::Integer:
        return std::to_string(static_cast<long long>(cell.number));
    default: {
        // A decimal separator that is also the field separator would split
        // the number in two: such a number is enclosed like a text.
        std::string number = Number(cell.number);
        if (!quote.empty() && number.find(separator) != std::string::npos)
            number = quote + number + quote;
        return number;
    }
    }
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

std::vector<std::string> TCsvFormat::Fields(std::string_view line) const {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t at = 0; at < line.size();) {
        const std::string_view rest = line.substr(at);
        if (!quote.empty() && rest.starts_with(quote)) {
            if (quoted && rest.substr(quote.size()).starts_with(quote)) {
                fields.back() += quote;
                at += 2 * quote.size();
                continue;
            }
            quoted = !quoted;
            at += quote.size();
        } else if (!quoted && rest.starts_with(separator)) {
            fields.emplace_back();
            at += separator.size();
        } else {
            fields.back() += line[at++];
        }
    }
    return fields;
}

int ExportCsv(TAnalysisState& state, TAnalysisPage page, TConcordanceLayout layout,
              const TCsvFormat& format, std::ostream& out) {
    errno = 0; // a failed write gives its own reason
    std::vector<std::string> fields;
    if (format.titles) {
        for (const std::string& title : ExportTitles(page, layout))
            fields.push_back(format.Text(title));
        out << format.Line(fields);
        CheckWritten(out);
    }
    return ForEachExportRow(state, page, layout, format.capitalize, [&](const TExportRow& row) {
        fields.clear();
        for (const TExportCell& cell : row)
            fields.push_back(format.Field(cell));
        out << format.Line(fields);
        CheckWritten(out);
    });
}

} // namespace lexorin
