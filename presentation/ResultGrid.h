// A read-only list over a result table: title clicks that sort by the
// list's markers (Ctrl for several columns, each title showing its marker
// and index), small buttons inside the first cell of the current row,
// wrapped rows measured only as they come into view, a context column whose
// word is drawn in teal, and Ctrl+Enter as the double-click action. The
// table's cursor follows the list's current row.
#pragma once

#include "ResultListModel.h"

#include <QKeySequence>
#include <QTableView>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace lexorin {

struct TCellButton {
    QString hint;            // "Original phrase", "Positions", ...
    QKeySequence shortcut{}; // pressed from the list, e.g. Ctrl+Down; empty for none
    bool dropDown = false;   // drawn as a drop-down arrow, else as an ellipsis
};

struct TGridOptions {
    bool resizableColumns = true;
    bool stretchColumns = false; // columns share out the grid's width
    bool blockSelection = false; // whole columns or all rows can be selected
};

class TResultGrid : public QTableView {
    Q_OBJECT
public:
    TResultGrid(TResultListModel* model, TGridOptions options = {}, QWidget* parent = nullptr);

    TResultListModel* Model() const { return model_; }

    // The buttons of a column's cell in the current row, all hidden at first.
    void SetCellButtons(int column, std::vector<TCellButton> buttons);
    void SetButtonVisible(int column, int button, bool visible);
    bool ButtonVisible(int column, int button) const;
    // Presses a visible button of the current row: emits ButtonClicked and
    // returns true; false when the button is hidden or there is no row.
    bool PressButton(int column, int button);
    // Where a button of the current row is drawn, in viewport coordinates;
    // empty when it is not shown.
    QRect ButtonRect(int column, int button) const;

    // On: every row as high as its first column's text wrapped at the column
    // width needs, measured only when the row is shown. Off: one line, text
    // cut with an ellipsis.
    void SetAutoRowHeight(bool on);
    bool AutoRowHeight() const { return autoRowHeight_; }

    // The column shows a context whose word, at the 1-based position and
    // length held in the two fields of the row, is drawn again in teal.
    void SetContextColumn(int column, std::string positionField, std::string lengthField);

    // Reads the table again after it changed; the table's current row stays
    // the current row of the list.
    void Reload();
    // After the table was filled: number columns as wide as their widest
    // value and their title, the first text column taking the rest.
    void FitColumns();
    // Makes the table's current row the list's current row after the table
    // was moved by other means, without moving the table again.
    void ShowCurrentRecord();

signals:
    void ButtonClicked(int column, int button);
    // A double click on a row, or Ctrl+Enter.
    void DoubleClickAction();
    // The table's cursor moved to a new current row chosen in the list.
    void CurrentRowChanged();
    // A title click re-sorted the table.
    void TitleClicked(int column);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class TResultGridDelegate;
    struct TButtonState {
        TCellButton button;
        bool visible = false;
    };
    using TButtonId = std::pair<int, int>; // column, button

    void PaintCell(QPainter* painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const;
    void PaintContextWord(QPainter* painter, const QRect& textRect, const QString& text,
                          const QString& shown, int recNo) const;
    void PaintButtons(QPainter* painter, const QRect& cell, int column) const;
    QRect TextRect(const QRect& cell, int column, bool currentRow) const;
    QRect ButtonRectIn(const QRect& cell, int column, int button) const;
    int ButtonStripWidth(int column) const;
    std::optional<TButtonId> ButtonAt(const QPoint& position) const;
    std::optional<TButtonId> ShortcutButton(const QKeyEvent& event) const;
    void ButtonsChanged(int column);
    void AfterReset();
    void CurrentChanged(const QModelIndex& current);
    // The narrowest a column may be: its spec's, and for a number column
    // its title with the sort marker.
    int MinimumWidth(int column) const;
    void ColumnResized(int column, int size);
    void ShareWidth();
    void MeasureVisibleRows();
    int MeasureRow(int recNo) const;

    TResultListModel* model_;
    TGridOptions options_;
    bool autoRowHeight_ = false;
    int lineHeight_ = 0;
    int currentColumn_ = 0;
    bool measuring_ = false;        // resizing rows scrolls, which measures again
    bool buttonDown_ = false;       // the mouse went down on a button: no drag, no selection
    bool sharing_ = false;          // the grid, not the user, sets the widths
    std::vector<long long> shares_; // stretched columns: their parts of the width
    std::vector<std::vector<TButtonState>> buttons_; // per column
    int contextColumn_ = -1;
    int contextPositionField_ = -1;
    int contextLengthField_ = -1;
    std::unordered_set<int> measuredRows_;
};

} // namespace lexorin
