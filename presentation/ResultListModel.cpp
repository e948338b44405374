#include "ResultListModel.h"

#include "FeLocale.h"
#include "QtText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lexorin {

namespace {

// The number as printf's "%.15g" or "%.3f" writes it, shortened for the
// three-decimals format; the full stop is the decimal separator.
std::string NumberText(double value, TNumberFormat format) {
    char buffer[400]; // "%.3f" of the largest double fits
    const bool general = format == TNumberFormat::General;
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    general ? std::chars_format::general : std::chars_format::fixed,
                                    general ? 15 : 3)
                          .ptr;
    // Rounded to nothing, a negative number shows no sign.
    if (format == TNumberFormat::ThreeDecimals && std::string_view(buffer, end) == "-0.000")
        return "0.000";
    std::string text(buffer, static_cast<std::size_t>(end - buffer));
    if (format == TNumberFormat::UpToThreeDecimals) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
        if (text.rfind("0.", 0) == 0)
            text.erase(0, 1); // "#" forces no digit before the point either
        else if (text.rfind("-0.", 0) == 0)
            text.erase(1, 1);
        if (text == "0" || text == "-0")
            text.clear();
    }
    return text;
}

QString Shown(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator()));
    return shown;
}

} // namespace

QString FormatNumber(double value, TNumberFormat format) {
    return Shown(NumberText(value, format));
}

QString CellText(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t words = 0, cut = text.size();
    bool inWord = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (blank(text[i]) == !inWord)
            continue;
        inWord = !inWord;
        if (!inWord)
            continue;
        if (words == CellWords)
            cut = i;
        ++words;
    }
    if (words <= CellWords)
        return FromTextBytes(std::string(text));
    std::string_view head = text.substr(0, cut);
    while (!head.empty() && blank(head.back()))
        head.remove_suffix(1);
    return FromTextBytes(std::string(head)) +
           QStringLiteral(" %1 (%2 words)").arg(QChar(0x2026)).arg(words);
}

TResultListModel::TResultListModel(TMemTable& table, std::vector<TResultColumn> columns,
                                   TSortMarkers markers, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)),
      markers_(std::move(markers)) {
    for (const TResultColumn& column : columns_)
        fields_.push_back(table_.FieldIndex(column.field));
}

int TResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_.Active() ? 0 : table_.RecordCount();
}

int TResultListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::ToolTipRole && columns_[static_cast<std::size_t>(index.column())].wholeTextTip)
        return data(index, Qt::DisplayRole);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int row = table_.RowOf(index.row());
    const int field = fields_[static_cast<std::size_t>(index.column())];
    switch (table_.Fields()[static_cast<std::size_t>(field)].type) {
    case TFieldType::Memo:
        if (role == Qt::DisplayRole)
            return CellText(table_.TextView(row, field));
        return FromTextBytes(table_.Text(row, field));
    case TFieldType::String:
        if (table_.Fields()[static_cast<std::size_t>(field)].utf8)
            return QString::fromUtf8(table_.TextView(row, field));
        return FromTextBytes(table_.Text(row, field));
    case TFieldType::Double:
        return FormatNumber(table_.Double(row, field),
                            columns_[static_cast<std::size_t>(index.column())].format);
    case TFieldType::Integer:
    case TFieldType::AutoInc:
        break;
    }
    return table_.Integer(row, field);
}

QVariant TResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const TResultColumn& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return column.title;
    if (role == Qt::ToolTipRole && !column.hint.isEmpty())
        return column.hint;
    return {};
}

int TResultListModel::MarkerColumn(int column) const {
    const std::string& field = columns_.at(static_cast<std::size_t>(column)).field;
    for (std::size_t k = 0; k < markers_.Columns().size(); ++k)
        if (markers_.Columns()[k].field == field)
            return static_cast<int>(k);
    return -1;
}

TSortMarkers::TColumn TResultListModel::MarkerOf(int column) const {
    const int marker = MarkerColumn(column);
    return marker < 0 ? TSortMarkers::TColumn{}
                      : markers_.Columns()[static_cast<std::size_t>(marker)];
}

bool TResultListModel::TitleClick(int column, bool ctrl) {
    const int marker = MarkerColumn(column);
    if (!columns_[static_cast<std::size_t>(column)].sortable || marker < 0)
        return false;
    markers_.TitleClick(marker, ctrl);
    ApplySort();
    return true;
}

void TResultListModel::ApplySort() {
    beginResetModel();
    if (table_.Active())
        table_.Sort(markers_.Keys());
    endResetModel();
}

bool TResultListModel::IsNumber(int column) const {
    const TFieldType type =
        table_.Fields()[static_cast<std::size_t>(fields_[static_cast<std::size_t>(column)])].type;
    return type != TFieldType::Memo && type != TFieldType::String;
}

QString TResultListModel::WidestNumber(int column) const {
    if (!IsNumber(column) || !table_.Active())
        return {};
    const int field = fields_[static_cast<std::size_t>(column)];
    const TNumberFormat format = columns_[static_cast<std::size_t>(column)].format;
    const bool integers =
        table_.Fields()[static_cast<std::size_t>(field)].type != TFieldType::Double;
    std::string widest;
    double least = 0, most = 0;
    for (int row = 0; row < table_.RowCount(); ++row) {
        const double value = table_.Double(row, field);
        least = std::min(least, value);
        most = std::max(most, value);
        if (integers)
            continue;
        if (std::string shown = NumberText(value, format); shown.size() > widest.size())
            widest = std::move(shown);
    }
    if (integers)
        for (const double end : {least, most})
            if (std::string shown = NumberText(end, format); shown.size() > widest.size())
                widest = std::move(shown);
    return Shown(widest);
}

void TResultListModel::Reload() {
    beginResetModel();
    endResetModel();
}

} // namespace lexorin
