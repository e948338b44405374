#include "SortMarkers.h"

#include "FeUtils.h"

#include <algorithm>

namespace lexorin {

void TSortMarkers::TitleClick(int column, bool ctrl) {
    TColumn& clicked = columns_.at(static_cast<std::size_t>(column));
    if (!ctrl) {
        for (TColumn& other : columns_)
            if (&other != &clicked) {
                other.marker = TSortMarker::None;
                other.index = 0;
            }
        clicked.marker = clicked.marker == TSortMarker::Descending ? TSortMarker::Ascending
                                                                   : TSortMarker::Descending;
        clicked.index = 1;
        return;
    }
    switch (clicked.marker) {
    case TSortMarker::None: {
        const auto marked = std::count_if(columns_.begin(), columns_.end(),
                                          [](const TColumn& c) { return c.index != 0; });
        clicked.marker = TSortMarker::Descending;
        clicked.index = 1 + static_cast<int>(marked);
        break;
    }
    case TSortMarker::Descending:
        clicked.marker = TSortMarker::Ascending;
        break;
    case TSortMarker::Ascending:
        for (TColumn& other : columns_)
            if (other.index > clicked.index)
                --other.index;
        clicked.marker = TSortMarker::None;
        clicked.index = 0;
        break;
    }
}

std::string TSortMarkers::Keys() const {
    // Items are ordered by the decimal text of their indexes, as text; with a
    // handful of columns that is their numeric order.
    std::vector<std::pair<std::string, std::string>> items;
    for (const TColumn& column : columns_)
        if (column.marker != TSortMarker::None)
            items.emplace_back(std::to_string(column.index),
                               column.field +
                                   (column.marker == TSortMarker::Descending ? " desc" : " asc"));
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string keys;
    for (const auto& [index, item] : items) {
        if (!keys.empty())
            keys += ',';
        keys += item;
    }
    return std::string(TrimControls(keys));
}

} // namespace lexorin
