// A result table as a Qt item model: the list's columns with their titles,
// title hints and formats, sorted by the list's markers when a title is
// clicked.
#pragma once

#include "MemTable.h"
#include "SortMarkers.h"

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace lexorin {

enum class TNumberFormat {
    General,           // up to 15 significant digits
    UpToThreeDecimals, // "#.###": no forced digits, so 0 shows nothing
    ThreeDecimals,     // "0.000": statistics, aligned on the point
};

struct TResultColumn {
    std::string field;
    QString title;
    int width = 64;
    int minWidth = 0;
    bool sortable = true;
    TNumberFormat format = TNumberFormat::General;
    QString hint{};            // the title's tooltip; empty for none
    bool wholeTextTip = false; // a cell's tooltip is its whole text
    // A text drawn against the right edge and cut at its left, so that its
    // end stays in sight (a left context).
    bool alignRight = false;
    bool emphasis = false; // a text drawn bold in the context-word colour
};

class TResultListModel : public QAbstractTableModel {
public:
    TResultListModel(TMemTable& table, std::vector<TResultColumn> columns, TSortMarkers markers,
                     QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Display: the value as the cell shows it; edit: the whole value.
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    TMemTable& Table() const { return table_; }
    const std::vector<TResultColumn>& Columns() const { return columns_; }
    const TSortMarkers& Markers() const { return markers_; }
    // Whether a list column shows numbers (drawn right-aligned).
    bool IsNumber(int column) const;
    // The widest text the column shows over all the table's rows, as it is
    // shown; empty for a text column. Integers are not formatted row by row:
    // the widest is the one of most digits.
    QString WidestNumber(int column) const;
    // The marker of a list column; none for a column the markers lack.
    TSortMarkers::TColumn MarkerOf(int column) const;
    // A click on a sortable column's title: the markers change and the
    // table is sorted by them. False when the column does not sort.
    bool TitleClick(int column, bool ctrl);
    // Sorts the table by the current markers (after a calculation).
    void ApplySort();
    // The table's rows changed: views read them again.
    void Reload();

private:
    // The column's place among the markers; -1 when it has none.
    int MarkerColumn(int column) const;

    TMemTable& table_;
    std::vector<TResultColumn> columns_;
    std::vector<int> fields_;
    TSortMarkers markers_;
};

// The most words a cell shows of a memo text; a longer one is cut after them
// and ends in an ellipsis and its word count. The whole text is the cell's
// edit value.
inline constexpr std::size_t CellWords = 300;
QString CellText(std::string_view text);

// A number as the list shows it, with the locale's decimal separator.
QString FormatNumber(double value, TNumberFormat format);

} // namespace lexorin
