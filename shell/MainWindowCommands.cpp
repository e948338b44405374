// The commands of the main window and the analysis host it is to the
// calculation.
#include "AboutBox.h"
#include "CodePage.h"
#include "FindDialog.h"
#include "IgnoredWordsPage.h"
#include "Keywords.h"
#include "MainWindow.h"
#include "OptionsPage.h"
#include "ProgramFiles.h"
#include "QtText.h"
#include "ResultGrid.h"
#include "SummaryPage.h"
#include "UserDialogs.h"
#include "WaitCursor.h"
#include "WelcomePanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

namespace lexorin {

void TfmLexorin::ConnectCommands() {
    const TMainActions& a = actions_;
    connect(a.aSearch, &QAction::triggered, this, &TfmLexorin::aSearchExecute);
    connect(a.aCancel, &QAction::triggered, this, [this] { calculation_.RequestCancel(); });
    connect(a.aPasteText, &QAction::triggered, this, &TfmLexorin::aPasteTextExecute);
    connect(a.aPasteFile, &QAction::triggered, this, &TfmLexorin::aPasteFileExecute);
    connect(a.aReload, &QAction::triggered, this, &TfmLexorin::aReloadExecute);
    connect(a.aFind, &QAction::triggered, this, &TfmLexorin::aFindExecute);
    connect(a.aPrint, &QAction::triggered, this, &TfmLexorin::aPrintExecute);
    connect(a.aClose, &QAction::triggered, this, &QWidget::close);
    connect(a.aHelp, &QAction::triggered, this, &TfmLexorin::aHelpExecute);
    connect(a.aAbout, &QAction::triggered, this, [this] { ShowAboutBox(this); });
    connect(a.EditCopy, &QAction::triggered, this, &TfmLexorin::EditCopyExecute);
    connect(a.aSaveOpts, &QAction::triggered, this, &TfmLexorin::aSaveOptsExecute);
    connect(a.aRestoreDefaulf, &QAction::triggered, this, &TfmLexorin::aRestoreDefaulfExecute);
    connect(optionsPage_->findChild<QCheckBox*>(QStringLiteral("cbLayout")), &QCheckBox::clicked,
            this, &TfmLexorin::cbLayoutClick);
    connect(a.aAddToIgnored, &QAction::triggered, this, &TfmLexorin::aAddToIgnoredExecute);
    // pcOptsChange: the list is loaded when its page shows and it is not.
    connect(pcOpts_, &QTabWidget::currentChanged, this, [this] {
        if (pcOpts_->currentWidget() == ignoredWordsPage_ && !ignoredWordsPage_->Table().Active())
            ignoredWordsPage_->LoadIgnoredWordsTable();
    });
    connect(optionsPage_, &TOptionsPage::IgnoredWordsLinkActivated, this,
            [this] { pcOpts_->setCurrentWidget(ignoredWordsPage_); });
    connect(ignoredWordsPage_, &TIgnoredWordsPage::StatusText, this,
            [this](const QString& text) { ShowStatus(text); });
    connect(a.aExport, &QAction::triggered, this, &TfmLexorin::aExportExecute);
    connect(a.aClearSelection, &QAction::triggered, this, [this] { HighlightOccurrences(false); });
    connect(a.aNextOcc, &QAction::triggered, this, [this] { MoveToOccurrence(true); });
    connect(a.aPrevOcc, &QAction::triggered, this, [this] { MoveToOccurrence(false); });
    connect(a.aPhrases, &QAction::triggered, this, [this] { ShowPage(TAnalysisPage::Phrases); });
    connect(a.miConcordance, &QAction::triggered, this,
            [this] { ShowPage(TAnalysisPage::Concordance); });
    connect(a.aWords, &QAction::triggered, this, [this] { ShowPage(TAnalysisPage::Wordforms); });
    connect(a.Summary, &QAction::triggered, this, [this] { ShowPage(TAnalysisPage::Summary); });
    connect(a.aOpts, &QAction::triggered, this, [this] { ShowPage(TAnalysisPage::Options); });
    connect(pcOp_, &QTabWidget::currentChanged, this, &TfmLexorin::pcOpChange);
    connect(a.tbWordWrap, &QToolButton::toggled, reText_, &TTextView::SetWordWrap);
    connect(optionsPage_->findChild<QSpinBox*>(QStringLiteral("rxseSize")), &QSpinBox::valueChanged,
            reText_, &TTextView::SetFontSize);
    reText_->SetFontSize(optionsPage_->Options().rxseSize);
    connect(reText_, &TTextView::CaretMoved, this, [this] {
        pcText_->setCurrentIndex(0);
        statusPanels_[1]->setText(reText_->CaretText());
    });
    connect(reText_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { actions_.pmText->popup(reText_->mapToGlobal(pos)); });
    connect(pnWelcome_, &TWelcomePanel::PageLinkClicked, this,
            [this](int page) { pcOp_->setCurrentIndex(page); });
    connect(fdFind_, &TFindDialog::FindNext, this, &TfmLexorin::FindInText);
    ConnectLists();
    RegisterWordListOptions();
    ConnectWordLists();
    ConnectCharts();
}

void TfmLexorin::aSearchExecute() {
    RunCalculation(ActivePage());
}

void TfmLexorin::RunCalculation(TAnalysisPage page) {
    if (state_.busy)
        return;
    state_.options = optionsPage_->Options();
    // A sort language chosen since the text was loaded: the text's page
    // sorts by it from now on, and the trees are built again under it.
    if (TextPage().SortLanguage() != state_.options.cbSortLanguage) {
        SetTextPage(WithSortLanguage(TextPage(), state_.options.cbSortLanguage));
        state_.phraseTree.reset();
        state_.wordformTree.reset();
    }
    {
        // The commands return to their idle states once busy is clear, also
        // when the run fails.
        const auto idle = qScopeGuard([this] { UpdateActions(); });
        const TWaitCursor wait(page == TAnalysisPage::Summary ? Qt::WaitCursor : Qt::BusyCursor);
        // What a list on show was searched for stays beside it, also when
        // the run fails.
        const auto details = qScopeGuard([this] { ShowWordListDetails(); });
        try {
            calculation_.Calculate(page);
        } catch (const EReference& error) {
            calculation_.ShowTotalResults(page);
            UserDialogs().Warn(this, QString::fromUtf8(error.what()));
            return;
        }
    }
    if (page == TAnalysisPage::Summary && !state_.summaryFields.empty())
        summaryPage_->Show(state_.summaryFields);
    // The first word's contexts came while the run was busy.
    if (page == TAnalysisPage::Concordance)
        dbgConcordanceDetail_->FitColumns();
}

// The help file beside the program is opened first, a failure not reported;
// the user guide stands in for it, and its absence is reported.
void TfmLexorin::aHelpExecute() {
    const QString help = QApplication::applicationDirPath() + QStringLiteral("/Lexorin.chm");
    if (QFileInfo::exists(help)) {
        UserDialogs().OpenDocument(QUrl::fromLocalFile(help));
        return;
    }
    // Without a help file, the user guide in the desktop's browser.
    const QString guide = UserGuidePath();
    if (guide.isEmpty())
        UserDialogs().Warn(this, QStringLiteral("The user guide is not installed."));
    else if (!UserDialogs().OpenDocument(QUrl::fromLocalFile(guide)))
        UserDialogs().Warn(this, QStringLiteral("No program could be started to show the "
                                                "user guide %1")
                                     .arg(guide));
}

void TfmLexorin::EditCopyExecute() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        edit->copy();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
        plain->copy();
    else if (auto* grid = qobject_cast<QAbstractItemView*>(focus)) {
        const QVariant cell = grid->currentIndex().data(Qt::EditRole); // the whole value
        if (cell.isValid())
            QApplication::clipboard()->setText(cell.toString());
    }
}

// The panel is painted at once, since a calculation keeps the event loop
// from painting it.
void TfmLexorin::SetStatusText(std::string_view text) {
    ShowStatus(FromProgramText(std::string(text)));
}

void TfmLexorin::ShowStatus(const QString& text) {
    statusPanels_[0]->setText(text);
    statusPanels_[0]->repaint();
    statusClock_.start();
    countLabel_.clear();
}

// A count that follows one of the same label is shown at most every 20 ms,
// as often as the eye can follow, saving a relayout and a repaint per
// hundred rows. A count is always followed by another text, so none stays.
void TfmLexorin::SetStatusCount(std::string_view label, int count) {
    if (label == countLabel_ && statusClock_.elapsed() < 20)
        return;
    SetStatusText(std::string(label) + " : " + std::to_string(count));
    countLabel_ = label;
}

void TfmLexorin::ShowProgress(int maximum) {
    pbProgr_->setRange(0, std::max(maximum, 1));
    pbProgr_->setValue(0);
    pbProgr_->show();
}

void TfmLexorin::SetProgress(int position) {
    pbProgr_->setValue(position);
}

void TfmLexorin::HideProgress() {
    pbProgr_->hide();
}

// The tree build calls this once per symbol. Asking the event loop for
// pending events costs microseconds each time, seconds over a whole text;
// every 20 ms is as responsive to the user.
void TfmLexorin::ProcessMessages() {
    if (messageClock_.isValid() && messageClock_.elapsed() < 20)
        return;
    QApplication::processEvents();
    messageClock_.start();
}

void TfmLexorin::Inform(std::string_view message) {
    UserDialogs().Inform(this, FromProgramText(std::string(message)));
}

bool TfmLexorin::Confirm(std::string_view question) {
    return UserDialogs().Confirm(this, FromProgramText(std::string(question)));
}

void TfmLexorin::SetCalculating(bool calculating) {
    QAction* command = calculating ? actions_.aCancel : actions_.aSearch;
    for (QToolButton* button : {btSearch_, actions_.tbSearch}) {
        // A tool button offers every action it holds beside its default one
        // as a menu; it holds only the command it stands for.
        for (QAction* held : button->actions())
            button->removeAction(held);
        button->setDefaultAction(command);
    }
    pcOp_->setEnabled(!calculating);
    for (QMenu* menu : {actions_.miTools, actions_.miText, actions_.miHelp})
        menu->menuAction()->setEnabled(!calculating);
    QPalette colours = pnGo_->palette();
    colours.setColor(QPalette::Window, calculating ? QColor(255, 106, 106) : QColor(0, 128, 128));
    pnGo_->setPalette(colours);
    if (!calculating)
        cancelEnabled_ = false;
    UpdateActions();
}

void TfmLexorin::SetCancelEnabled(bool enabled) {
    cancelEnabled_ = enabled;
    UpdateActions();
}

} // namespace lexorin
