// The sort state of a list's columns: a marker (none, descending,
// ascending) and a sort index per column, changed by title clicks, and the
// sort keys they make ("words desc,cases desc,text asc").
#pragma once

#include <string>
#include <vector>

namespace lexorin {

enum class TSortMarker { None, Descending, Ascending };

class TSortMarkers {
public:
    struct TColumn {
        std::string field;
        TSortMarker marker = TSortMarker::None;
        int index = 0; // 0 without a marker, else the column's place among the sort keys
    };

    explicit TSortMarkers(std::vector<TColumn> columns) : columns_(std::move(columns)) {}

    const std::vector<TColumn>& Columns() const { return columns_; }

    // A click on a column's title. Without Ctrl the column alone sorts, its
    // marker turning none, descending, ascending, descending, ...; with Ctrl
    // the others keep theirs and the column's marker turns none, descending,
    // ascending, none, joining the keys as the least significant one.
    void TitleClick(int column, bool ctrl);

    // The columns with a marker, in the order of their indexes.
    std::string Keys() const;

private:
    std::vector<TColumn> columns_;
};

} // namespace lexorin
