// The result lists of the task pages: their columns, buttons, sorting,
// the phrase filter, the find boxes and the list pop-up.
#include "CodePage.h"
#include "FeLocale.h"
#include "HintWindows.h"
#include "IgnoredWordsPage.h"
#include "MainWindow.h"
#include "OptionsPage.h"
#include "Phrases.h"
#include "QtText.h"
#include "ResultGrid.h"
#include "UserDialogs.h"
#include "WaitCursor.h"
#include "Wordforms.h"

#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QToolButton>

namespace lexorin {
namespace {

const QString kSortHint =
    QStringLiteral("Click to sort by this column; \nkeep CTRL pressed to sort by multiple columns");

// What a column shows, then how to sort by it.
QString Hint(const char* meaning) {
    return QString::fromUtf8(meaning) + QStringLiteral("\n") + kSortHint;
}

struct TListLayout {
    std::vector<TResultColumn> columns;
    TGridOptions options;
};

TResultColumn Column(const char* field, const char* title, int width, int minWidth, bool sortable,
                     TNumberFormat format = TNumberFormat::General, QString hint = {},
                     bool wholeTextTip = false) {
    TResultColumn column;
    column.field = field;
    column.title = QString::fromLatin1(title);
    column.width = width;
    column.minWidth = minWidth;
    column.sortable = sortable;
    column.format = format;
    column.hint = std::move(hint);
    column.wholeTextTip = wholeTextTip;
    return column;
}

TListLayout ListLayout(const std::string& table) {
    using F = TNumberFormat;
    const F g = F::General;
    TListLayout layout;
    if (table == "mteRes") {
        layout.columns = {
            Column("text", " phrase", 176, 150, true, g, kSortHint),
            Column("cases", "frequency", 72, 50, true, g, kSortHint),
            Column("words", "words", 50, 50, true, g, kSortHint),
            Column("dispersion", "dispersion", 65, 50, true, F::UpToThreeDecimals, kSortHint)};
    } else if (table == "mteWordForms") {
        layout.columns = {Column("word", " wordform", 176, 150, true, g, kSortHint),
                          Column("cases", "frequency", 72, 50, true, g, kSortHint),
                          Column("length", "length", 50, 50, true, g, kSortHint),
                          Column("dispersion", "dispersion", 65, 0, true)};
        layout.options.blockSelection = true;
    } else if (table == "mteKwic") {
        layout.columns = {Column("pos", "position", 54, 0, false),
                          Column("left", "left", 200, 60, false, g, {}, true),
                          Column("match", "match", 90, 40, false, g, {}, true),
                          Column("right", "right", 200, 60, false, g, {}, true)};
        layout.columns[1].alignRight = true;
        layout.columns[2].emphasis = true;
        layout.options.stretchColumns = true;
    } else if (table == "mteCollocates") {
        const F d = F::ThreeDecimals;
        layout.columns = {
            Column("word", "collocate", 120, 80, true, g,
                   Hint("A word within the spans of the term's matches")),
            Column("observed", "O", 40, 0, true, g,
                   Hint("O: how often it stands in the spans, once for each match whose span "
                        "holds it")),
            Column("expected", "E", 50, 0, true, d,
                   Hint("E = W \u00D7 f_c / N: how often chance would put it in the spans")),
            Column("ll", "LL", 70, 0, true, d,
                   Hint("LL: the log-likelihood of O against E, negative when O < E")),
            Column("mi", "MI", 50, 0, true, d, Hint("MI = log2(O / E)")),
            Column("tscore", "T-score", 60, 0, true, d, Hint("T-score = (O \u2212 E) / \u221AO")),
            Column("logdice", "logDice", 60, 0, true, d,
                   Hint("logDice = 14 + log2(2 O / (f_n + f_c))")),
            Column("frequency", "f_c", 40, 0, true, g, Hint("f_c: its frequency in the text")),
            Column("left", "OL", 40, 0, true, g, Hint("OL: how often in the spans on the left")),
            Column("right", "OR", 40, 0, true, g, Hint("OR: how often in the spans on the right"))};
    } else if (table == "mteKeywords") {
        const F d = F::ThreeDecimals;
        layout.columns = {
            Column("word", "keyword", 120, 80, true, g,
                   Hint("A word of the text or the reference")),
            Column("text", "frequency", 60, 0, true, g, Hint("a: its frequency in the text")),
            Column("reference", "ref. frequency", 60, 0, true, g,
                   Hint("b: its frequency in the reference")),
            Column("ll", "LL", 70, 0, true, d,
                   Hint("LL: the log-likelihood, negative when the word is rarer in the text "
                        "than in the reference")),
            Column("logratio", "log ratio", 60, 0, true, d,
                   Hint("log2 of the ratio of its relative frequencies, 0.5 standing in for a "
                        "zero frequency")),
            Column("textpm", "per million", 70, 0, true, d,
                   Hint("a per million tokens of the text")),
            Column("referencepm", "ref. per million", 70, 0, true, d,
                   Hint("b per million tokens of the reference"))};
    } else if (table == "mteConcordance") {
        layout.columns = {Column("word", "word", 300, 0, true, g, {}, true),
                          Column("count", "frequency", 65, 0, true)};
        layout.options.stretchColumns = true;
    } else {
        layout.columns = {Column("pos", "position", 54, 0, false),
                          Column("display", "context", 313, 0, false, g, {}, true)};
        layout.options.resizableColumns = false;
    }
    return layout;
}

TCellButton Button(const char* hint, bool positions = false) {
    TCellButton button;
    button.hint = QString::fromLatin1(hint);
    if (positions)
        button.shortcut = QKeySequence(QStringLiteral("Ctrl+Down"));
    button.dropDown = positions;
    return button;
}

} // namespace

TResultGrid* TfmLexorin::MakeGrid(TMemTable& table, const char* name) {
    TListLayout layout = ListLayout(table.Name());
    auto* model = new TResultListModel(table, std::move(layout.columns), InitialSortMarkers(table));
    auto* grid = new TResultGrid(model, layout.options);
    model->setParent(grid);
    grid->setObjectName(QString::fromLatin1(name));
    return grid;
}

TResultGrid* TfmLexorin::GridOf(const TMemTable& table) const {
    if (&table == &state_.mteRes)
        return dbgRes_;
    if (&table == &state_.mteWordForms)
        return dbgWordforms_;
    if (&table == &state_.mteConcordance)
        return dbgConcordanceTop_;
    if (&table == &state_.mteKwic)
        return dbgKwic_;
    if (&table == &state_.mteCollocates)
        return dbgCollocates_;
    if (&table == &state_.mteKeywords)
        return dbgKeywords_;
    return dbgConcordanceDetail_;
}

void TfmLexorin::ConnectLists() {
    dbgRes_->SetCellButtons(0, {Button("Original phrase"), Button("Positions", true)});
    dbgWordforms_->SetCellButtons(0, {Button("Full words"), Button("Positions", true)});
    dbgConcordanceTop_->SetCellButtons(0, {Button("Select all positions...")});
    dbgConcordanceDetail_->SetCellButtons(1, {Button("Locate in text...")});
    dbgConcordanceDetail_->SetContextColumn(1, "internalpos", "internallength");

    for (TResultGrid* grid : {dbgRes_, dbgWordforms_, dbgConcordanceTop_, dbgConcordanceDetail_}) {
        connect(grid, &TResultGrid::ButtonClicked, this,
                [this, grid](int column, int button) { GridButtonClicked(grid, column, button); });
        connect(grid, &TResultGrid::DoubleClickAction, this,
                [this, grid] { GridDoubleClick(grid); });
        connect(grid, &TResultGrid::TitleClicked, this,
                [this] { calculation_.ShowTotalResults(ActivePage()); });
    }
    connect(dbgKwic_, &TResultGrid::DoubleClickAction, this, &TfmLexorin::KwicLineDoubleClick);
    connect(dbgCollocates_, &TResultGrid::DoubleClickAction, this,
            &TfmLexorin::CollocateDoubleClick);
    connect(dbgKeywords_, &TResultGrid::DoubleClickAction, this, &TfmLexorin::KeywordDoubleClick);
    for (TResultGrid* grid : {dbgCollocates_, dbgKeywords_})
        connect(grid, &TResultGrid::TitleClicked, this,
                [this] { calculation_.ShowTotalResults(ActivePage()); });
    connect(sbConcKwic_, &QToolButton::clicked, actions_.aKwic, &QAction::trigger);
    for (TResultGrid* grid : {dbgRes_, dbgWordforms_, dbgConcordanceTop_}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](const QPoint& pos) { pmGridPopup(grid, pos); });
    }

    state_.mteRes.SetFilter([this](const TMemTable& table, int row) {
        std::string typed;
        if (!TypedInText(edPhraseFilter_->text(), typed))
            return false;
        return LowerCaseText(table.TextView(row, table.FieldIndex("text")))
                   .find(LowerCaseText(typed)) != std::string::npos;
    });
    connect(sbFilterPhrases_, &QToolButton::clicked, this, [this] { ApplyPhraseFilter(true); });
    connect(sbNoFilterPhrases_, &QToolButton::clicked, this, [this] { ApplyPhraseFilter(false); });
    ConnectLocator(edConcLocator_, state_.mteConcordance, dbgConcordanceTop_);
    ConnectLocator(edWordFormLocator_, state_.mteWordForms, dbgWordforms_);
    state_.mteConcordance.OnAfterScroll([this] { ConcordanceRowChanged(); });
}

void TfmLexorin::SuspendGrid(const TMemTable& table) {
    GridOf(table)->setUpdatesEnabled(false);
}

void TfmLexorin::ResumeGrid(const TMemTable& table) {
    TResultGrid* grid = GridOf(table);
    grid->Reload();
    grid->FitColumns();
    grid->setUpdatesEnabled(true);
}

std::string TfmLexorin::SortKeys(const TMemTable& table) {
    return GridOf(table)->Model()->Markers().Keys();
}

void TfmLexorin::UpdateGridButtons(const TMemTable& table) {
    TResultGrid* grid = GridOf(table);
    grid->Reload();
    const bool rows = table.Active() && table.RecordCount() > 0;
    if (grid == dbgRes_) {
        const bool autoHeight = optionsPage_->Options().cbAutoPhraseHeight;
        grid->SetButtonVisible(0, 0, !autoHeight);
        grid->SetButtonVisible(0, 1, rows);
        grid->SetAutoRowHeight(autoHeight);
    } else if (grid == dbgWordforms_) {
        grid->SetButtonVisible(0, 0, rows);
        grid->SetButtonVisible(0, 1, rows);
    } else if (grid == dbgConcordanceTop_) {
        grid->SetButtonVisible(0, 0, rows);
    } else {
        grid->SetButtonVisible(1, 0, rows);
    }
}

void TfmLexorin::ConcordanceRowChanged() {
    if (state_.busy)
        return;
    UpdateGridButtons(state_.mteConcordanceDetail);
    dbgConcordanceDetail_->FitColumns();
}

void TfmLexorin::GridButtonClicked(TResultGrid* grid, int column, int button) {
    if (grid == dbgRes_ || grid == dbgWordforms_) {
        if (button == 1)
            ShowPositionsMenu(grid);
        else if (grid == dbgRes_)
            ShowOriginalPhrase();
        else
            ShowFullWords();
    } else if (grid == dbgConcordanceTop_) {
        HighlightOccurrences(true);
    } else if (column == 1) {
        LocateContext();
    }
}

void TfmLexorin::GridDoubleClick(TResultGrid* grid) {
    if (grid == dbgRes_ || grid == dbgWordforms_) {
        if (grid->ButtonVisible(0, 0))
            HighlightOccurrences(true);
        return;
    }
    // The concordance lists press their first shown button, first column first.
    for (int column = 0; column < 2; ++column)
        if (grid->ButtonVisible(column, 0))
            grid->PressButton(column, 0);
}

QRect TfmLexorin::HintPlace(TResultGrid* grid, const QRect& measured) const {
    const QRect cell = grid->visualRect(grid->currentIndex().siblingAtColumn(0));
    QRect place(grid->viewport()->mapTo(this, QPoint(0, cell.bottom())), measured.size());
    const int cellRight = grid->viewport()->mapTo(this, cell.topRight()).x();
    if (place.right() < cellRight)
        place.setRight(cellRight);
    return place;
}

void TfmLexorin::ShowOriginalPhrase() {
    if (!state_.mteRes.Active() || state_.mteRes.RecordCount() == 0)
        return;
    phraseHintWindow_->hide();
    QString text;
    {
        const TWaitCursor wait;
        text = FromTextBytes(GetPhraseAsWritten(state_));
    }
    QRect measured = phraseHintWindow_->Measure(text, 80);
    // a long phrase scrolls in a hint as high as the list
    measured.setHeight(std::min(measured.height(), dbgRes_->height()));
    const QRect place = HintPlace(dbgRes_, measured);
    phraseHintWindow_->SetText(text);
    phraseHintWindow_->setGeometry(QRect(mapToGlobal(place.topLeft()), place.size()));
    phraseHintWindow_->show();
}

void TfmLexorin::ShowFullWords() {
    const TMemTable& table = state_.mteWordForms;
    if (!table.Active() || table.RecordCount() == 0)
        return;
    const TWaitCursor wait;
    wdFormsFrame_->ShowWords(GetReportFullWords(state_), table.CurrentInteger("length"),
                             table.CurrentText("word"));
    THintWindow measure;
    QFont bold = wdFormsFrame_->TextFont();
    bold.setBold(true);
    measure.setFont(bold);
    QRect place = HintPlace(dbgWordforms_, measure.Measure(wdFormsFrame_->GetWordsText(), 80));
    const QRect grid(dbgWordforms_->mapTo(this, QPoint(0, 0)), dbgWordforms_->size());
    while (place.top() > grid.top() && place.bottom() > grid.bottom())
        place.translate(0, -1);
    if (place.bottom() > grid.bottom())
        place.setBottom(grid.bottom());
    wdFormsFrame_->setGeometry(place);
    wdFormsFrame_->show();
    wdFormsFrame_->raise();
}

void TfmLexorin::ApplyPhraseFilter(bool on) {
    dbgRes_->setUpdatesEnabled(false);
    {
        // The list redraws once at the end, also when the switch fails.
        const auto redraw = qScopeGuard([this] {
            dbgRes_->Reload();
            dbgRes_->setUpdatesEnabled(true);
        });
        state_.mteRes.SetFiltered(false);
        if (on)
            state_.mteRes.SetFiltered(true);
    }
    calculation_.ShowTotalResults(ActivePage());
    UpdateGridButtons(state_.mteRes);
}

void TfmLexorin::ConnectLocator(QLineEdit* box, TMemTable& table, TResultGrid* grid) {
    connect(box, &QLineEdit::textEdited, this,
            [this, box, &table, grid] { LocatorChanged(box, table, grid); });
    table.OnBeforeClose([box] { box->clear(); });
}

void TfmLexorin::LocatorChanged(QLineEdit* box, TMemTable& table, TResultGrid* grid) {
    if (rewritingLocator_ || box->text().isEmpty() || !table.Active())
        return;
    const int field = table.FieldIndex("word");
    // Words of a UTF-8 list are matched as typed.
    const bool utf8 = table.Fields()[static_cast<std::size_t>(field)].utf8;
    std::string typed = utf8 ? box->text().toStdString() : std::string();
    if (!utf8 && !TypedInText(box->text(), typed))
        return;
    for (int recNo = 0; recNo < table.RecordCount(); ++recNo) {
        const std::string word = table.Text(table.RowOf(recNo), field);
        if (word.compare(0, typed.size(), typed) != 0)
            continue;
        rewritingLocator_ = true;
        const int typedLength = box->cursorPosition();
        const QString shown = utf8 ? QString::fromStdString(word) : FromTextBytes(word);
        box->setText(shown);
        box->setSelection(static_cast<int>(shown.size()),
                          typedLength - static_cast<int>(shown.size()));
        rewritingLocator_ = false;
        table.MoveTo(recNo);
        grid->ShowCurrentRecord();
        return;
    }
}

void TfmLexorin::pmGridPopup(TResultGrid* grid, const QPoint& pos) {
    QAction* addToIgnored = actions_.pmGrid->findChild<QAction*>(QStringLiteral("Addtoignored1"));
    addToIgnored->setVisible(false);
    if (grid == dbgConcordanceTop_ && state_.mteConcordance.Active() &&
        state_.mteConcordance.RecNo() >= 0) {
        const std::string& word = state_.mteConcordance.CurrentText("word");
        addToIgnored->setVisible(!word.empty() && !state_.ignoredWordSet.Contains(word));
    }
    actions_.pmGrid->popup(grid->viewport()->mapToGlobal(pos));
}

void TfmLexorin::aAddToIgnoredExecute() {
    TMemTable& concordance = state_.mteConcordance;
    if (!concordance.Active() || concordance.RecNo() < 0)
        return;
    const std::string word = concordance.CurrentText("word");
    const QString question = QStringLiteral("Include \"") + FromTextBytes(word) +
                             QStringLiteral("\" into the list of ignored words \"") +
                             ignoredWordsPage_->ListName() +
                             QStringLiteral("\"\r\nand exclude this word from the concordance ? ");
    if (!UserDialogs().Confirm(this, question))
        return;
    ignoredWordsPage_->AddWord(TextToUtf8(LowerCaseText(word)));
    concordance.Delete();
    dbgConcordanceTop_->Reload();
    SetStatusText("Total results:" + std::to_string(concordance.RecordCount()));
}

} // namespace lexorin
