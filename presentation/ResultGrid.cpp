#include "ResultGrid.h"

#include "SortHeader.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <limits>
#include <numeric>

namespace lexorin {

namespace {

constexpr int ButtonWidth = 16;
const QColor ContextWordColor(0, 128, 128);

// The context word on a selected row: teal would vanish into a dark
// selection, so there it is a light aqua; on a light selection a dark teal.
QColor SelectedContextWordColor(const QColor& selection) {
    return selection.lightness() < 128 ? QColor(170, 255, 255) : QColor(0, 90, 90);
}

bool IsCtrlEnter(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           event.modifiers().testFlag(Qt::ControlModifier);
}

} // namespace

// Leaves every cell to the grid, which knows the buttons, the row-height
// mode and the context column.
class TResultGridDelegate : public QStyledItemDelegate {
public:
    explicit TResultGridDelegate(TResultGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        grid_->PaintCell(painter, cell, index);
    }
    // Numbers as the table holds them, without the locale's group separators.
    QString displayText(const QVariant& value, const QLocale&) const override {
        return value.toString();
    }

private:
    const TResultGrid* grid_;
};

TResultGrid::TResultGrid(TResultListModel* model, TGridOptions options, QWidget* parent)
    : QTableView(parent), model_(model), options_(options), buttons_(model->Columns().size()) {
    auto* header = new TSortHeader(*model, this);
    setHorizontalHeader(header);
    setModel(model);
    setItemDelegate(new TResultGridDelegate(this));
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(options.blockSelection ? ExtendedSelection : SingleSelection);
    setShowGrid(true);
    setWordWrap(false);

    // A hidden, fixed vertical header keeps rows from being measured up front.
    lineHeight_ = fontMetrics().height() + 4;
    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(lineHeight_);
    rows->setDefaultSectionSize(lineHeight_);

    header->setSectionResizeMode(options.resizableColumns ? QHeaderView::Interactive
                                                          : QHeaderView::Fixed);
    for (std::size_t c = 0; c < model->Columns().size(); ++c) {
        const int width = std::max(model->Columns()[c].width, MinimumWidth(static_cast<int>(c)));
        header->resizeSection(static_cast<int>(c), width);
        shares_.push_back(width);
    }

    connect(header, &TSortHeader::TitleClicked, this, [this](int column, bool ctrl) {
        if (model_->TitleClick(column, ctrl))
            emit TitleClicked(column);
    });
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int size) { ColumnResized(column, size); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { CurrentChanged(current); });
    connect(model, &QAbstractItemModel::modelReset, this, &TResultGrid::AfterReset);
    ShowCurrentRecord();
}

void TResultGrid::SetCellButtons(int column, std::vector<TCellButton> buttons) {
    std::vector<TButtonState>& states = buttons_.at(static_cast<std::size_t>(column));
    states.clear();
    for (TCellButton& button : buttons)
        states.push_back({std::move(button), false});
    ButtonsChanged(column);
}

void TResultGrid::SetButtonVisible(int column, int button, bool visible) {
    if (column < 0 || column >= static_cast<int>(buttons_.size()))
        return;
    std::vector<TButtonState>& states = buttons_[static_cast<std::size_t>(column)];
    if (button < 0 || button >= static_cast<int>(states.size()) ||
        states[static_cast<std::size_t>(button)].visible == visible)
        return;
    states[static_cast<std::size_t>(button)].visible = visible;
    ButtonsChanged(column);
}

bool TResultGrid::ButtonVisible(int column, int button) const {
    if (column < 0 || column >= static_cast<int>(buttons_.size()))
        return false;
    const std::vector<TButtonState>& states = buttons_[static_cast<std::size_t>(column)];
    return button >= 0 && button < static_cast<int>(states.size()) &&
           states[static_cast<std::size_t>(button)].visible;
}

bool TResultGrid::PressButton(int column, int button) {
    if (!ButtonVisible(column, button) || !currentIndex().isValid())
        return false;
    emit ButtonClicked(column, button);
    return true;
}

QRect TResultGrid::ButtonRect(int column, int button) const {
    if (!ButtonVisible(column, button) || !currentIndex().isValid())
        return {};
    const QRect rect =
        ButtonRectIn(visualRect(model_->index(currentIndex().row(), column)), column, button);
    return rect.intersects(viewport()->rect()) ? rect : QRect();
}

void TResultGrid::SetAutoRowHeight(bool on) {
    if (on == autoRowHeight_)
        return;
    autoRowHeight_ = on;
    measuredRows_.clear();
    if (on)
        MeasureVisibleRows();
    else
        verticalHeader()->setDefaultSectionSize(lineHeight_); // every row back to one line
    viewport()->update();
}

void TResultGrid::SetContextColumn(int column, std::string positionField, std::string lengthField) {
    contextPositionField_ = model_->Table().FieldIndex(positionField);
    contextLengthField_ = model_->Table().FieldIndex(lengthField);
    contextColumn_ = column;
    viewport()->update();
}

void TResultGrid::Reload() {
    model_->Reload();
}

void TResultGrid::ShowCurrentRecord() {
    const TMemTable& table = model_->Table();
    const int recNo = table.Active() ? table.RecNo() : -1;
    if (recNo < 0 || recNo >= model_->rowCount() || model_->columnCount() == 0) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index =
        model_->index(recNo, std::clamp(currentColumn_, 0, model_->columnCount() - 1));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

bool TResultGrid::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (IsCtrlEnter(key) || ShortcutButton(key)) {
            event->accept(); // the list's own keys win over the window's shortcuts
            return true;
        }
    }
    return QTableView::event(event);
}

bool TResultGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto& help = *static_cast<QHelpEvent*>(event);
        if (const auto id = ButtonAt(help.pos())) {
            const auto [column, button] = *id;
            QToolTip::showText(
                help.globalPos(),
                buttons_[static_cast<std::size_t>(column)][static_cast<std::size_t>(button)]
                    .button.hint,
                viewport(), ButtonRect(column, button));
            return true;
        }
        // A cell cut short shows its whole text.
        const QModelIndex index = indexAt(help.pos());
        if (index.isValid() && !index.data(Qt::ToolTipRole).isValid() &&
            !(autoRowHeight_ && index.column() == 0)) {
            const QString text = index.data().toString();
            const QRect cell = visualRect(index);
            if (fontMetrics().horizontalAdvance(text) >
                TextRect(cell, index.column(), index.row() == currentIndex().row()).width())
                QToolTip::showText(help.globalPos(), text, viewport(), cell);
            else
                QToolTip::hideText();
            return true;
        }
    }
    return QTableView::viewportEvent(event);
}

void TResultGrid::keyPressEvent(QKeyEvent* event) {
    if (IsCtrlEnter(*event)) {
        event->accept();
        emit DoubleClickAction();
        return;
    }
    if (const auto id = ShortcutButton(*event)) {
        event->accept();
        PressButton(id->first, id->second);
        return;
    }
    QTableView::keyPressEvent(event);
}

void TResultGrid::mousePressEvent(QMouseEvent* event) {
    buttonDown_ = false;
    if (event->button() == Qt::LeftButton)
        if (const auto id = ButtonAt(event->position().toPoint())) {
            // a press on a button neither selects nor starts a drag
            buttonDown_ = true;
            event->accept();
            emit ButtonClicked(id->first, id->second);
            return;
        }
    QTableView::mousePressEvent(event);
}

void TResultGrid::mouseMoveEvent(QMouseEvent* event) {
    if (buttonDown_ && event->buttons().testFlag(Qt::LeftButton)) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void TResultGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (std::exchange(buttonDown_, false)) {
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void TResultGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (ButtonAt(position)) {
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(position).isValid())
        emit DoubleClickAction();
}

void TResultGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (options_.stretchColumns)
        ShareWidth();
    MeasureVisibleRows();
}

void TResultGrid::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    if (dy != 0)
        MeasureVisibleRows();
}

void TResultGrid::PaintCell(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem panel = option;
    panel.text.clear();
    panel.state &= ~QStyle::State_HasFocus; // the highlighted row shows where the list is
    painter->save();
    painter->setClipRect(option.rect);
    style()->drawControl(QStyle::CE_ItemViewItem, &panel, painter, this);

    const bool current = index.row() == currentIndex().row();
    const bool wrap = autoRowHeight_ && index.column() == 0;
    const QRect textRect = TextRect(option.rect, index.column(), current);
    const TResultColumn& column = model_->Columns()[static_cast<std::size_t>(index.column())];
    QFont font = option.font;
    font.setBold(column.emphasis);
    const QString shown =
        wrap ? option.text
             : QFontMetrics(font).elidedText(option.text,
                                             column.alignRight ? Qt::ElideLeft : Qt::ElideRight,
                                             textRect.width());
    const QPalette::ColorGroup group =
        !option.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
        : option.state.testFlag(QStyle::State_Active) ? QPalette::Normal
                                                      : QPalette::Inactive;
    painter->setPen(option.palette.color(group, option.state.testFlag(QStyle::State_Selected)
                                                    ? QPalette::HighlightedText
                                                    : QPalette::Text));
    painter->setFont(font);
    if (column.emphasis && !option.state.testFlag(QStyle::State_Selected))
        painter->setPen(ContextWordColor);
    const Qt::Alignment across =
        model_->IsNumber(index.column()) || column.alignRight ? Qt::AlignRight : Qt::AlignLeft;
    painter->drawText(
        textRect, across | Qt::AlignTop | (wrap ? Qt::TextWordWrap : Qt::TextSingleLine), shown);
    if (index.column() == contextColumn_) {
        painter->setPen(
            option.state.testFlag(QStyle::State_Selected)
                ? SelectedContextWordColor(option.palette.color(group, QPalette::Highlight))
                : ContextWordColor);
        PaintContextWord(painter, textRect, option.text, shown, index.row());
    }
    if (current)
        PaintButtons(painter, option.rect, index.column());
    painter->restore();
}

void TResultGrid::PaintContextWord(QPainter* painter, const QRect& textRect, const QString& text,
                                   const QString& shown, int recNo) const {
    const TMemTable& table = model_->Table();
    const int row = table.RowOf(recNo);
    const qsizetype from = qsizetype{table.Integer(row, contextPositionField_)} - 1;
    const qsizetype length = table.Integer(row, contextLengthField_);
    // an elided text ends in one ellipsis character after what is still shown
    const qsizetype visible =
        shown == text ? text.size() : std::max<qsizetype>(shown.size() - 1, 0);
    const qsizetype to = std::min(from + length, visible);
    if (from < 0 || from >= to)
        return;
    const int x = textRect.left() + painter->fontMetrics().horizontalAdvance(text.left(from));
    painter->drawText(QRect(x, textRect.top(), textRect.right() - x + 1, textRect.height()),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text.mid(from, to - from));
}

void TResultGrid::PaintButtons(QPainter* painter, const QRect& cell, int column) const {
    const std::vector<TButtonState>& states = buttons_[static_cast<std::size_t>(column)];
    for (std::size_t b = 0; b < states.size(); ++b) {
        if (!states[b].visible)
            continue;
        QStyleOptionButton option;
        option.initFrom(this);
        option.state &= ~QStyle::State_HasFocus;
        option.state |= QStyle::State_Raised;
        option.rect = ButtonRectIn(cell, column, static_cast<int>(b));
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, painter, this);
        if (states[b].button.dropDown) {
            QStyleOption arrow = option;
            arrow.rect = option.rect.adjusted(4, 4, -4, -4);
            style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, this);
        } else {
            painter->setPen(option.palette.color(QPalette::ButtonText));
            painter->drawText(option.rect, Qt::AlignCenter, QString(QChar(0x2026)));
        }
    }
}

QRect TResultGrid::TextRect(const QRect& cell, int column, bool currentRow) const {
    QRect rect = cell.adjusted(2, 1, -2, 0);
    // wrapped rows keep the buttons' room in every row, so that they need
    // the same lines whether current or not
    if (currentRow || (autoRowHeight_ && column == 0))
        rect.setRight(rect.right() - ButtonStripWidth(column));
    return rect;
}

QRect TResultGrid::ButtonRectIn(const QRect& cell, int column, int button) const {
    const std::vector<TButtonState>& states = buttons_[static_cast<std::size_t>(column)];
    int right = cell.left() + cell.width();
    for (std::size_t b = states.size(); b-- > static_cast<std::size_t>(button) + 1;)
        if (states[b].visible)
            right -= ButtonWidth;
    return {right - ButtonWidth, cell.top(), ButtonWidth, std::min(cell.height(), lineHeight_ - 1)};
}

int TResultGrid::ButtonStripWidth(int column) const {
    const std::vector<TButtonState>& states = buttons_[static_cast<std::size_t>(column)];
    return ButtonWidth * static_cast<int>(std::count_if(states.begin(), states.end(),
                                                        [](const auto& s) { return s.visible; }));
}

std::optional<TResultGrid::TButtonId> TResultGrid::ButtonAt(const QPoint& position) const {
    for (std::size_t c = 0; c < buttons_.size(); ++c)
        for (std::size_t b = 0; b < buttons_[c].size(); ++b)
            if (ButtonRect(static_cast<int>(c), static_cast<int>(b)).contains(position))
                return TButtonId{static_cast<int>(c), static_cast<int>(b)};
    return std::nullopt;
}

std::optional<TResultGrid::TButtonId> TResultGrid::ShortcutButton(const QKeyEvent& event) const {
    if (!currentIndex().isValid())
        return std::nullopt;
    const QKeySequence pressed(QKeyCombination(event.modifiers() & ~Qt::KeypadModifier,
                                               static_cast<Qt::Key>(event.key())));
    for (std::size_t c = 0; c < buttons_.size(); ++c)
        for (std::size_t b = 0; b < buttons_[c].size(); ++b)
            if (buttons_[c][b].visible && !buttons_[c][b].button.shortcut.isEmpty() &&
                buttons_[c][b].button.shortcut == pressed)
                return TButtonId{static_cast<int>(c), static_cast<int>(b)};
    return std::nullopt;
}

void TResultGrid::ButtonsChanged(int column) {
    viewport()->update();
    if (column == 0 && autoRowHeight_) {
        measuredRows_.clear();
        MeasureVisibleRows();
    }
}

void TResultGrid::AfterReset() {
    measuredRows_.clear();
    updateGeometries(); // the scroll range must hold the new rows before scrolling to one
    ShowCurrentRecord();
    MeasureVisibleRows();
    horizontalHeader()->viewport()->update(); // the markers may have changed
}

void TResultGrid::CurrentChanged(const QModelIndex& current) {
    if (current.isValid())
        currentColumn_ = current.column();
    viewport()->update(); // the buttons move with the current row
    // The view following the table lands where the table is: no move back.
    TMemTable& table = model_->Table();
    if (!current.isValid() || !table.Active() || current.row() == table.RecNo())
        return;
    table.MoveTo(current.row());
    emit CurrentRowChanged();
}

int TResultGrid::MinimumWidth(int column) const {
    const TResultColumn& spec = model_->Columns()[static_cast<std::size_t>(column)];
    if (!model_->IsNumber(column))
        return spec.minWidth;
    // A number column shows its whole title and, beside it, the title's sort
    // arrow and index when it can sort.
    const QFontMetrics titles = horizontalHeader()->fontMetrics();
    const int markerRoom =
        spec.sortable ? titles.horizontalAdvance(QStringLiteral("99")) + titles.height() + 8 : 12;
    return std::max(spec.minWidth, titles.horizontalAdvance(spec.title) + markerRoom);
}

void TResultGrid::ColumnResized(int column, int size) {
    const int minimum = MinimumWidth(column);
    if (size < minimum) {
        horizontalHeader()->resizeSection(column, minimum);
        return;
    }
    if (options_.stretchColumns && !sharing_) {
        // the user's width stays; the last column takes up the rest
        const int last = model_->columnCount() - 1;
        int used = 0;
        for (int c = 0; c < last; ++c) {
            shares_[static_cast<std::size_t>(c)] = horizontalHeader()->sectionSize(c);
            used += horizontalHeader()->sectionSize(c);
        }
        shares_[static_cast<std::size_t>(last)] = std::max(1, viewport()->width() - used);
        ShareWidth();
    }
    if (column == 0 && autoRowHeight_) {
        measuredRows_.clear();
        MeasureVisibleRows();
    }
}

void TResultGrid::FitColumns() {
    const TMemTable& table = model_->Table();
    if (!table.Active() || table.RowCount() == 0)
        return;
    const QScopedValueRollback<bool> sharing(sharing_, true);
    int numbers = 0;
    int textColumn = -1;
    for (int c = 0; c < model_->columnCount(); ++c) {
        if (!model_->IsNumber(c)) {
            if (textColumn < 0)
                textColumn = c;
            numbers += c == textColumn ? 0 : columnWidth(c);
            continue;
        }
        const int width = std::max(fontMetrics().horizontalAdvance(model_->WidestNumber(c)) + 8 +
                                       ButtonStripWidth(c),
                                   MinimumWidth(c));
        horizontalHeader()->resizeSection(c, width);
        numbers += width;
    }
    if (textColumn >= 0 && !options_.stretchColumns)
        horizontalHeader()->resizeSection(
            textColumn, std::max(model_->Columns()[static_cast<std::size_t>(textColumn)].minWidth,
                                 viewport()->width() - numbers));
    if (options_.stretchColumns)
        for (int c = 0; c < model_->columnCount(); ++c)
            shares_[static_cast<std::size_t>(c)] = columnWidth(c);
}

void TResultGrid::ShareWidth() {
    const int count = model_->columnCount();
    const int width = viewport()->width();
    const long long total = std::accumulate(shares_.begin(), shares_.end(), 0LL);
    if (count == 0 || width <= 0 || total <= 0)
        return;
    const QScopedValueRollback<bool> sharing(sharing_, true);
    int used = 0;
    for (int c = 0; c < count; ++c) {
        const auto k = static_cast<std::size_t>(c);
        const int share =
            c + 1 < count ? static_cast<int>(shares_[k] * width / total) : width - used;
        const int size = std::max(share, MinimumWidth(c));
        horizontalHeader()->resizeSection(c, size);
        used += size;
    }
}

void TResultGrid::MeasureVisibleRows() {
    if (!autoRowHeight_ || measuring_ || model_->columnCount() == 0)
        return;
    const int rows = model_->rowCount();
    int recNo = rowAt(0);
    if (rows == 0 || recNo < 0)
        return;
    const QScopedValueRollback<bool> measuring(measuring_, true);
    QHeaderView* header = verticalHeader();
    // Without updates the header skips placing each resized row on screen,
    // which would walk all rows once per resize.
    header->setUpdatesEnabled(false);
    const int bottom = viewport()->height();
    for (int y = rowViewportPosition(recNo); recNo < rows && y < bottom; ++recNo) {
        if (measuredRows_.insert(recNo).second)
            header->resizeSection(recNo, MeasureRow(recNo));
        y += header->sectionSize(recNo);
    }
    header->setUpdatesEnabled(true);
}

int TResultGrid::MeasureRow(int recNo) const {
    const QString text = model_->data(model_->index(recNo, 0), Qt::DisplayRole).toString();
    const int gridLine = showGrid() ? 1 : 0;
    const QRect cell(0, 0, columnWidth(0) - gridLine, std::numeric_limits<int>::max() / 2);
    const QRect bounds = fontMetrics().boundingRect(
        TextRect(cell, 0, false), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    // a row is never taller than the view, so that it can be shown whole
    return std::max(lineHeight_, std::min(bounds.height() + 3 + gridLine, viewport()->height()));
}

} // namespace lexorin
