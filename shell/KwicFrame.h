// The KWIC tab beside the text: a search term (and a word to find near it),
// the words shown on each side, up to three sort keys, the aligned lines,
// and the commands on them.
#pragma once

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace lexorin {

class TResultGrid;

class TKwicFrame : public QWidget {
    Q_OBJECT
public:
    // `grid` shows the lines; the frame takes it in.
    explicit TKwicFrame(TResultGrid* grid, QWidget* parent = nullptr);

    QString Term() const;
    QString Near() const;
    void SetSearch(const QString& term, const QString& near);
    int Span() const;
    void SetSpan(int span);
    // The chosen keys, such as "R1,R2", without the empty choices; keys
    // that are none of the choices leave their box empty.
    QString SortKeys() const;
    void SetSortKeys(const QString& keys);
    // What the lines on show were searched for.
    void SetDetails(const QString& details);
    // Puts the cursor in the search box.
    void FocusSearch();
    // Show while a search can run; Export and Print while there are lines.
    void SetCommandsEnabled(bool search, bool lines);

signals:
    void ShowRequested();
    void ExportRequested();
    void PrintRequested();
    void CloseRequested();

private:
    QLineEdit* edKwicSearch_;
    QLineEdit* edKwicNear_;
    QSpinBox* seKwicSpan_;
    std::array<QComboBox*, 3> cbKwicSort_{};
    QLabel* lbKwicDetails_;
    QWidget* btKwicShow_;
    QWidget* btKwicExport_;
    QWidget* btKwicPrint_;
};

} // namespace lexorin
