#include "MainWindow.h"

#include "ElidedLabel.h"
#include "ExceptionDlg.h"
#include "FeWordWdList.h"
#include "FindDialog.h"
#include "HintWindows.h"
#include "IgnoredWordsPage.h"
#include "KwicFrame.h"
#include "OptionsPage.h"
#include "ResultGrid.h"
#include "ResultTabs.h"
#include "SummaryPage.h"
#include "UserDialogs.h"
#include "WelcomePanel.h"
#include "WordListPages.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace lexorin {
namespace {

QVBoxLayout* Column(QWidget* widget) {
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    return layout;
}

QToolButton* SpeedButton(QWidget* parent, const char* name, const char* hint, const char* image) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    button->setIcon(QIcon::fromTheme(QString::fromLatin1(image)));
    button->setAutoRaise(true);
    return button;
}

QLineEdit* Locator(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setClearButtonEnabled(false);
    return box;
}

} // namespace

TfmLexorin::TfmLexorin(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("fmLexorin"));
    setWindowTitle(QStringLiteral("Lexorin"));
    StoreWordPositions = true;

    actions_ = CreateMainActions(this);
    CreateStatusBar();

    spMain_ = new QSplitter(Qt::Horizontal, this);
    spMain_->setObjectName(QStringLiteral("spMain"));
    spMain_->setChildrenCollapsible(false);
    spMain_->addWidget(CreateLeftPane());
    spMain_->addWidget(CreateRightPane());
    spMain_->setStretchFactor(1, 1);
    spMain_->setSizes({std::max(398, pnSearch_->minimumWidth()), 394});
    setCentralWidget(spMain_);

    phraseHintWindow_ = new THintWindow(this);
    wdFormsFrame_ = new TWordFormsHintFrame(this);
    new THintCloser(phraseHintWindow_, wdFormsFrame_, this);
    fdFind_ = new TFindDialog(this);
    pmPositions_ = new QMenu(this);
    pmPositions_->setObjectName(QStringLiteral("pmPositions"));
    // Positions in teal while chosen; the heading bold, underlined, teal.
    pmPositions_->setStyleSheet(
        QStringLiteral("QMenu::item { padding: 2px 20px 2px 4px; }"
                       "QMenu::item:selected { color: rgb(0, 128, 128); }"
                       "QMenu::item:disabled { color: rgb(0, 128, 128); font-weight: bold; "
                       "text-decoration: underline; }"));

    setAcceptDrops(true);
    ConnectCommands();
    qApp->installEventFilter(this);
    // Asking the clipboard on every idle moment would ask its owner each
    // time; it says when it changes.
    const auto readClipboard = [this] {
        const QMimeData* clip = QApplication::clipboard()->mimeData();
        clipboardHasText_ = clip != nullptr && clip->hasText();
    };
    readClipboard();
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, readClipboard);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TfmLexorin::UpdateActions);
    // The smallest outer size, 790 x 575, holds a caption of about 21
    // pixels; Qt bounds the client area, which the first size fills.
    setMinimumSize(790, 554);
    resize(792, 554);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    RestoreSettings();
    CreateEncodingMenu();
    if (!pnWelcome_->DontShowGuide()->isChecked())
        static_cast<QStackedWidget*>(pnWelcome_->parentWidget())->setCurrentWidget(pnWelcome_);
    try {
        ignoredWordsPage_->Start(rememberedListName_);
    } catch (const std::exception& error) {
        ReportException(error);
    }
    SetCalculating(false);
}

TfmLexorin::~TfmLexorin() {
    SaveOnDestruction();
    qApp->removeEventFilter(this);
}

void TfmLexorin::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbMain"));
    bar->setSizeGripEnabled(true);
    const char* texts[] = {"Ready", "", "Text is not loaded"};
    const int widths[] = {328, 150, 0};
    for (int k = 0; k < 3; ++k) {
        // The source's path may be long: cut in the middle, whole as a tooltip.
        QLabel* panel = k == 2 ? new TElidedLabel(QString::fromLatin1(texts[k]), bar)
                               : new QLabel(QString::fromLatin1(texts[k]), bar);
        panel->setObjectName(QStringLiteral("sbMainPanel%1").arg(k));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (widths[k] > 0)
            panel->setFixedWidth(widths[k]);
        bar->addWidget(panel, widths[k] > 0 ? 0 : 1);
        statusPanels_[k] = panel;
    }
}

QWidget* TfmLexorin::CreateLeftPane() {
    pnSearch_ = new QWidget(this);
    pnSearch_->setObjectName(QStringLiteral("pnSearch"));
    pnSearch_->setMinimumWidth(320);
    QVBoxLayout* column = Column(pnSearch_);

    pcOp_ = new QTabWidget(pnSearch_);
    pcOp_->setObjectName(QStringLiteral("pcOp"));
    pcOp_->setUsesScrollButtons(true);
    pcOp_->tabBar()->setElideMode(Qt::ElideNone);
    // Tabs with less padding than the style's, so that the five fit a pane
    // that leaves the text room at the window's first size.
    pcOp_->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 3px; margin-right: 1px; border: 1px solid palette(mid);"
        " border-bottom: none; border-top-left-radius: 3px; border-top-right-radius: 3px;"
        " background: palette(button); }"
        "QTabBar::tab:selected { background: palette(window); }"
        "QTabBar::scroller { width: 28px; }"
        "QTabBar::tab:!selected { margin-top: 2px; }"));
    const auto page = [this](QWidget* content, const char* name, const char* caption) {
        content->setObjectName(QString::fromLatin1(name));
        pcOp_->addTab(content, QString::fromLatin1(caption));
    };
    page(CreatePhrasePage(), "tsPhraseSearch", "Phrase frequency");
    page(CreateConcordancePage(), "tsConcordance", "Concordance  ");
    page(CreateWordformPage(), "tsWordSearch", "Wordforms  ");
    summaryPage_ = new TSummaryPage;
    page(summaryPage_, "tsSummary", "Summary     ");
    page(CreateOptionsPage(), "tsOpts", "Options       ");
    CreateWordListPages();
    page(collocatesPage_, "tsCollocates", "Collocates");
    page(keywordsPage_, "tsKeywords", "Keywords");
    column->addWidget(pcOp_, 1);
    // The pane is as wide as the first five tabs and the strip's scroll
    // buttons; the tabs after them come into sight as the pane widens or
    // as they are chosen.
    int fiveTabs = 0;
    for (int k = 0; k < 5; ++k)
        fiveTabs += pcOp_->tabBar()->tabRect(k).width();
    constexpr int kScrollButtons = 28; // as the style sheet has them
    pnSearch_->setMinimumWidth(std::max(320, fiveTabs + kScrollButtons));

    auto* pnBot = new QWidget(pnSearch_);
    pnBot->setObjectName(QStringLiteral("pnBot"));
    auto* strip = new QHBoxLayout(pnBot);
    strip->setContentsMargins(0, 0, 0, 0);
    pbProgr_ = new QProgressBar(pnBot);
    pbProgr_->setObjectName(QStringLiteral("pbProgr"));
    pbProgr_->setRange(0, 100);
    pbProgr_->setTextVisible(false);
    pbProgr_->hide();
    strip->addWidget(pbProgr_, 1);
    strip->addStretch();
    pnGo_ = new QWidget(pnBot);
    pnGo_->setObjectName(QStringLiteral("pnGo"));
    pnGo_->setAutoFillBackground(true);
    auto* go = new QHBoxLayout(pnGo_);
    go->setContentsMargins(3, 3, 3, 3);
    btSearch_ = new QToolButton(pnGo_);
    btSearch_->setObjectName(QStringLiteral("btSearch"));
    btSearch_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btSearch_->setDefaultAction(actions_.aSearch);
    btSearch_->setMinimumWidth(110);
    go->addWidget(btSearch_);
    strip->addWidget(pnGo_);
    column->addWidget(pnBot);
    return pnSearch_;
}

QWidget* TfmLexorin::CreatePhrasePage() {
    auto* content = new QWidget;
    QVBoxLayout* column = Column(content);
    auto* bar = new QHBoxLayout;
    edPhraseFilter_ = Locator(content, "edPhraseFilter");
    edPhraseFilter_->setPlaceholderText(QStringLiteral("filter"));
    sbFilterPhrases_ = SpeedButton(content, "sbFilterPhrases", "Apply filter", "view-filter");
    sbNoFilterPhrases_ = SpeedButton(content, "sbNoFilterPhrases", "Reset filter", "edit-clear");
    bar->addWidget(edPhraseFilter_, 1);
    bar->addWidget(sbFilterPhrases_);
    bar->addWidget(sbNoFilterPhrases_);
    column->addLayout(bar);
    dbgRes_ = MakeGrid(state_.mteRes, "dbgRes");
    column->addWidget(dbgRes_, 1);
    return content;
}

QWidget* TfmLexorin::CreateConcordancePage() {
    auto* content = new QWidget;
    QVBoxLayout* column = Column(content);
    edConcLocator_ = Locator(content, "edConcLocator");
    auto* bar = new QHBoxLayout;
    bar->addWidget(edConcLocator_, 1);
    sbConcKwic_ = new QToolButton(content);
    sbConcKwic_->setObjectName(QStringLiteral("sbConcKwic"));
    sbConcKwic_->setText(QStringLiteral("KWIC"));
    sbConcKwic_->setToolTip(QStringLiteral("The current word's key-word-in-context lines"));
    bar->addWidget(sbConcKwic_);
    column->addLayout(bar);
    auto* split = new QSplitter(Qt::Vertical, content);
    rxsConcordance_ = split;
    connect(split, &QSplitter::splitterMoved, this,
            [this] { detailHeight_ = rxsConcordance_->sizes().value(1); });
    split->setObjectName(QStringLiteral("rxsConcordance"));
    split->setChildrenCollapsible(false);
    dbgConcordanceTop_ = MakeGrid(state_.mteConcordance, "dbgConcordanceTop");
    dbgConcordanceDetail_ = MakeGrid(state_.mteConcordanceDetail, "dbgConcordanceDetail");
    dbgConcordanceTop_->setMinimumHeight(80);
    dbgConcordanceDetail_->setMinimumHeight(80);
    split->addWidget(dbgConcordanceTop_);
    split->addWidget(dbgConcordanceDetail_);
    column->addWidget(split, 1);
    return content;
}

QWidget* TfmLexorin::CreateWordformPage() {
    auto* content = new QWidget;
    QVBoxLayout* column = Column(content);
    edWordFormLocator_ = Locator(content, "edWordFormLocator");
    column->addWidget(edWordFormLocator_);
    dbgWordforms_ = MakeGrid(state_.mteWordForms, "dbgWordforms");
    column->addWidget(dbgWordforms_, 1);
    return content;
}

QWidget* TfmLexorin::CreateOptionsPage() {
    auto* content = new QWidget;
    pcOpts_ = new QTabWidget(content);
    Column(content)->addWidget(pcOpts_);
    pcOpts_->setObjectName(QStringLiteral("pcOpts"));
    optionsPage_ = new TOptionsPage(actions_.aSaveOpts, actions_.aRestoreDefaulf);
    optionsPage_->setObjectName(QStringLiteral("tsSettings"));
    pcOpts_->addTab(optionsPage_, QStringLiteral("Settings"));
    ignoredWordsPage_ = new TIgnoredWordsPage(state_);
    ignoredWordsPage_->setObjectName(QStringLiteral("tsIgnoredWords"));
    pcOpts_->addTab(ignoredWordsPage_, QStringLiteral("Ignored words"));
    return content;
}

QWidget* TfmLexorin::CreateRightPane() {
    auto* pnText = new QWidget(this);
    pnText->setObjectName(QStringLiteral("pnText"));
    pnText->setMinimumWidth(200);
    QVBoxLayout* column = Column(pnText);
    pcText_ = new QTabWidget(pnText);
    pcText_->setObjectName(QStringLiteral("pcText"));
    auto* tsText = new QStackedWidget;
    tsText->setObjectName(QStringLiteral("tsText"));
    reText_ = new TTextView(tsText);
    reText_->setContextMenuPolicy(Qt::CustomContextMenu);
    pnWelcome_ = new TWelcomePanel(tsText);
    tsText->addWidget(reText_);
    tsText->addWidget(pnWelcome_);
    tsText->setCurrentWidget(reText_);
    pcText_->addTab(tsText, QStringLiteral(" Text      "));
    column->addWidget(pcText_);
    tabs_ = new TResultTabs(pcText_);
    return pnText;
}

namespace {
// The task tabs in their order on the page control.
constexpr TAnalysisPage kTabPages[] = {TAnalysisPage::Phrases,   TAnalysisPage::Concordance,
                                       TAnalysisPage::Wordforms, TAnalysisPage::Summary,
                                       TAnalysisPage::Options,   TAnalysisPage::Collocates,
                                       TAnalysisPage::Keywords};
} // namespace

int TfmLexorin::TabIndexOf(TAnalysisPage page) {
    return static_cast<int>(std::find(std::begin(kTabPages), std::end(kTabPages), page) -
                            std::begin(kTabPages));
}

TAnalysisPage TfmLexorin::ActivePage() const {
    const int index = pcOp_->currentIndex();
    return index >= 0 && index < static_cast<int>(std::size(kTabPages)) ? kTabPages[index]
                                                                        : TAnalysisPage::Options;
}

void TfmLexorin::ShowPage(TAnalysisPage page) {
    if (pcOp_->isEnabled())
        pcOp_->setCurrentIndex(TabIndexOf(page));
}

void TfmLexorin::pcOpChange() {
    calculation_.ShowTotalResults(ActivePage());
}

void TfmLexorin::UpdateActions() {
    TCommandInputs in;
    in.page = ActivePage();
    in.busy = state_.busy;
    in.viewHasText = reText_->HasText();
    QWidget* focus = QApplication::focusWidget();
    in.viewHasFocus = focus == reText_;
    // A spin box is a text control too: its text can take a paste.
    const bool textControl = qobject_cast<QLineEdit*>(focus) != nullptr ||
                             qobject_cast<QPlainTextEdit*>(focus) != nullptr ||
                             qobject_cast<QAbstractSpinBox*>(focus) != nullptr;
    in.editPasteEnabled = textControl && clipboardHasText_;
    in.fileLoaded = fileLoaded_;
    in.highlightActive = highlightActive_;
    in.occurrenceCount = static_cast<int>(occurrenceList_.size());
    in.occurrenceIndex = occurrenceIndex_;
    in.phraseFilterEmpty = edPhraseFilter_->text().isEmpty();
    const TCommandStates s = EvaluateCommands(in, state_);
    const TMainActions& a = actions_;
    a.aSearch->setEnabled(s.aSearch);
    a.aCancel->setEnabled(s.aCancel && cancelEnabled_);
    a.EditPaste->setEnabled(in.editPasteEnabled);
    a.aPasteText->setEnabled(s.aPasteText);
    for (QAction* action :
         {a.aPasteFile, a.aPhrases, a.aWords, a.aOpts, a.aAbout, a.aCollocates, a.aKeywords})
        action->setEnabled(s.aPasteFile);
    a.aKwic->setEnabled(s.aKwic);
    collocatesPage_->Locator()->setEnabled(state_.mteCollocates.Active());
    keywordsPage_->Locator()->setEnabled(state_.mteKeywords.Active());
    const TMemTable& lines = state_.mteKwic;
    kwicFrame_->SetCommandsEnabled(s.aKwic,
                                   !state_.busy && lines.Active() && lines.RecordCount() > 0);
    sbConcKwic_->setEnabled(s.aKwic && state_.mteConcordance.RecNo() >= 0);
    a.aReload->setEnabled(s.aReload);
    a.aFind->setEnabled(s.aFind);
    for (QAction* action : {a.aExport, a.aPrint})
        action->setEnabled(s.results);
    for (QAction* action : {a.aLFChart, a.aDispersionChart, a.aMultiLFChart})
        action->setEnabled(s.charts);
    a.tbWordWrap->setEnabled(s.tbWordWrap);
    a.aClearSelection->setEnabled(s.aClearSelection);
    edConcLocator_->setEnabled(s.edConcLocator);
    edWordFormLocator_->setEnabled(s.edWordFormLocator);
    edPhraseFilter_->setEnabled(s.edPhraseFilter);
    sbFilterPhrases_->setEnabled(s.sbFilterPhrases);
    sbNoFilterPhrases_->setEnabled(s.sbNoFilterPhrases);
    a.aNextOcc->setEnabled(s.aNextOcc);
    // A file is not read again in the middle of a calculation.
    if (miEncoding_ != nullptr)
        miEncoding_->setEnabled(!state_.busy);
    a.aPrevOcc->setEnabled(s.aPrevOcc);
    a.EditCopy->setEnabled(CanCopy(focus));
    ignoredWordsPage_->UpdateButtons();
}

bool TfmLexorin::EditsText(const QWidget* widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return !edit->isReadOnly();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) {
        // A spin box takes typing only where its editor does (the Options
        // page's change by their arrows only).
        const auto* edit = spin->findChild<const QLineEdit*>();
        return !spin->isReadOnly() && edit != nullptr && !edit->isReadOnly();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        return !plain->isReadOnly();
    if (const auto* rich = qobject_cast<const QTextEdit*>(widget))
        return !rich->isReadOnly();
    return false;
}

bool TfmLexorin::IsFieldEditKey(const QKeyEvent& key) {
    return key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut) ||
           key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll);
}

bool TfmLexorin::CanCopy(QWidget* focus) {
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        return edit->hasSelectedText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
        return plain->textCursor().hasSelection();
    if (auto* grid = qobject_cast<QAbstractItemView*>(focus))
        return grid->currentIndex().isValid();
    return false;
}

bool TfmLexorin::eventFilter(QObject* watched, QEvent* event) {
    // A restored context-list height is given to the splitter once it has
    // a height to share out.
    if (watched == rxsConcordance_ && event->type() == QEvent::Resize && detailPending_) {
        detailPending_ = false;
        const int total = rxsConcordance_->height() - rxsConcordance_->handleWidth();
        rxsConcordance_->setSizes({total - detailHeight_, detailHeight_});
    }
    // The window's commands take their keys also from edit boxes, which
    // would otherwise keep Ctrl+S, Ctrl+F and the like for themselves; the
    // clipboard keys and Select all stay with a field that edits text, so
    // that Ctrl+V there pastes into the field instead of replacing the text.
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (EditsText(static_cast<QWidget*>(watched)) && IsFieldEditKey(*key))
            return QMainWindow::eventFilter(watched, event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action : actions_.windowShortcuts)
            if (action->isEnabled() && action->shortcut() == pressed)
                return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfmLexorin::closeEvent(QCloseEvent* event) {
    if (!UserDialogs().Confirm(this, QStringLiteral("Close Lexorin ? "))) {
        event->ignore();
        return;
    }
    // Closed during a tree build: the build stops at its next step.
    if (state_.busy)
        state_.cancelRequested = true;
    startupSaved_ = true;
    SaveSectionReporting(TSettingsSection::Startup);
    tabs_->RemoveChartTabs();
    tabs_->RemoveReportTabs();
    event->accept();
}

} // namespace lexorin
