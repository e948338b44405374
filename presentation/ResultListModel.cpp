#include "ResultListModel.h"

#include "FeLocale.h"
#include "QtCp1251.h"

#include <cmath>
#include <cstdio>

namespace lexorin {

QString FormatNumber(double value, TNumberFormat format) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format == TNumberFormat::General ? "%.15g" : "%.3f",
                  value);
    std::string text = buffer;
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
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator()));
    return shown;
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
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const int row = table_.RowOf(index.row());
    const int field = fields_[static_cast<std::size_t>(index.column())];
    switch (table_.Fields()[static_cast<std::size_t>(field)].type) {
    case TFieldType::Memo:
    case TFieldType::String:
        return FromCp1251(table_.Text(row, field));
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
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return columns_[static_cast<std::size_t>(section)].title;
}

void TResultListModel::TitleClick(int column, bool ctrl) {
    if (!columns_.at(static_cast<std::size_t>(column)).sortable)
        return;
    const std::size_t markerColumn = [&] {
        for (std::size_t k = 0; k < markers_.Columns().size(); ++k)
            if (markers_.Columns()[k].field == columns_[static_cast<std::size_t>(column)].field)
                return k;
        return markers_.Columns().size();
    }();
    if (markerColumn == markers_.Columns().size())
        return;
    markers_.TitleClick(static_cast<int>(markerColumn), ctrl);
    ApplySort();
}

void TResultListModel::ApplySort() {
    beginResetModel();
    if (table_.Active())
        table_.Sort(markers_.Keys());
    endResetModel();
}

void TResultListModel::Reload() {
    beginResetModel();
    endResetModel();
}

} // namespace lexorin
