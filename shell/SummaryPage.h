// The Summary page: read-only fields with their labels, in the order the
// summary gives them, and the count labels beside the longest and shortest
// word and sentence.
#pragma once

#include "TextStatistics.h"

#include <QWidget>
#include <vector>

namespace lexorin {

class TSummaryPage : public QWidget {
public:
    explicit TSummaryPage(QWidget* parent = nullptr);

    // Writes the figures and shows the count labels.
    void Show(const std::vector<TSummaryField>& fields);
    // Empties every field and hides the count labels.
    void Clear();
};

} // namespace lexorin
