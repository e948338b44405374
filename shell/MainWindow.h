// The main window: the text, the task pages with their lists, the options
// and the commands. It owns the widgets and the analysis state and hands
// the work to the parts that do it: the calculation, the text view, the
// result lists, the result tabs.
#pragma once

#include "AnalysisHost.h"
#include "AnalysisState.h"
#include "Calculation.h"
#include "CommandRules.h"
#include "MainActions.h"
#include "TextLoading.h"
#include "TextView.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSplitter;
class QTabWidget;
class QToolButton;
class QWidget;

namespace lexorin {

class TDiagramFrame;
class TFindDialog;
class THintWindow;
class TIgnoredWordsPage;
class TCollocatesPage;
class TIniFile;
class TKeywordsPage;
class TKwicFrame;
class TOptionsPage;
class TResultGrid;
class TResultListModel;
class TResultTabs;
class TSummaryPage;
class TfrRep;
class TWelcomePanel;
class TWordFormsHintFrame;

class TfmLexorin : public QMainWindow, private TAnalysisHost {
    Q_OBJECT
public:
    explicit TfmLexorin(QWidget* parent = nullptr);
    ~TfmLexorin() override;

    TAnalysisState& State() { return state_; }
    TTextView* TextView() const { return reText_; }
    TResultTabs* Tabs() const { return tabs_; }
    const TMainActions& Actions() const { return actions_; }
    TAnalysisPage ActivePage() const;
    // The place of a task page among the tabs of pcOp.
    static int TabIndexOf(TAnalysisPage page);
    const std::vector<TOccurrence>& OccurrenceList() const { return occurrenceList_; }
    int OccurrenceIndex() const { return occurrenceIndex_; }
    bool HighlightActive() const { return highlightActive_; }
    bool FileLoaded() const { return fileLoaded_; }
    const QString& SourceName() const { return sourceName_; }

    // The idle-time update of every command's state.
    void UpdateActions();
    // Loads a file as the new text (open dialog, reload, a dropped file);
    // false when it was not (refused, or the results were kept).
    bool LoadTextFile(const QString& path);
    // The file named on the command line, loaded once the event loop runs,
    // so that a file that cannot be read is reported as a load from the
    // menu is, with the window open.
    void LoadStartupFile(const QString& path);
    // What dropping these files on the window does.
    void DropFiles(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's parts.
    void CreateStatusBar();
    QWidget* CreateLeftPane();
    QWidget* CreateRightPane();
    QWidget* CreatePhrasePage();
    QWidget* CreateConcordancePage();
    QWidget* CreateWordformPage();
    QWidget* CreateOptionsPage();
    void ConnectCommands();
    TResultGrid* MakeGrid(TMemTable& table, const char* name);

    // The analysis host.
    void SetStatusText(std::string_view text) override;
    void SetStatusCount(std::string_view label, int count) override;
    void ShowProgress(int maximum) override;
    void SetProgress(int position) override;
    void HideProgress() override;
    void ProcessMessages() override;
    void Inform(std::string_view message) override;
    bool Confirm(std::string_view question) override;
    void SetCalculating(bool calculating) override;
    void SetCancelEnabled(bool enabled) override;
    void SuspendGrid(const TMemTable& table) override;
    void ResumeGrid(const TMemTable& table) override;
    void UpdateGridButtons(const TMemTable& table) override;
    std::string SortKeys(const TMemTable& table) override;
    TResultGrid* GridOf(const TMemTable& table) const;

    // Commands.
    void aSearchExecute();
    void aPasteTextExecute();
    void aPasteFileExecute();
    void aReloadExecute();
    void aFindExecute();
    void aHelpExecute();
    void EditCopyExecute();
    void aExportExecute();
    // The Calculate command on a page (the KWIC lines too).
    void RunCalculation(TAnalysisPage page);
    // Writes a page's list to a file the user chooses.
    void ExportList(TAnalysisPage page);
    void ShowPage(TAnalysisPage page);
    void pcOpChange();

    // Loading.
    bool BeginLoad();
    // The bytes of a file or the clipboard in the encoding chosen, read into
    // their code page; nothing, after a message, when they cannot be.
    std::optional<TLoadedText> ReadText(const std::string& bytes, const std::string& encoding);
    // Makes the loaded text the one analysed, in its code page.
    void PutText(TLoadedText loaded, const QString& panelSource);
    // The Text menu's "Encoding" choices; the chosen one is how files are
    // read ("" chooses by their bytes).
    void CreateEncodingMenu();
    void ChooseEncoding(const QString& encoding);

    // Occurrences in the text.
    void HighlightOccurrences(bool on);
    void MoveToOccurrence(bool next);
    std::vector<TOccurrence> CurrentOccurrences(TAnalysisPage page) const;
    void ShowPositionsMenu(TResultGrid* grid);
    void GridButtonClicked(TResultGrid* grid, int column, int button);
    void GridDoubleClick(TResultGrid* grid);
    void ShowOriginalPhrase();
    void ShowFullWords();
    void LocateContext();
    void FindInText(const QString& what, bool matchCase, bool wholeWord);
    void pmGridPopup(TResultGrid* grid, const QPoint& pos);

    // Charts.
    void ConnectCharts();
    void FillPositionsList(std::vector<std::int32_t>& positions) const;
    void OpenChartTab(TDiagramFrame* frame);
    void aDispersionChartExecute();
    void BuildFrequencyChart(bool withLength);

    // Reports.
    void aPrintExecute();
    // A report of a page's list in a new result tab.
    void PrintList(TAnalysisPage page);
    void CloseReportTab(QWidget* frame);
    void SaveReportPdf(TfrRep* frame);

    // Settings.
    void RestoreSettings();
    // Reads the settings file, changes it and writes it back whole;
    // "Unable to write to %s" when that fails, the file then unchanged.
    void ChangeSettings(const std::function<void(TIniFile&)>& change);
    enum class TSettingsSection { Options, Layout, Startup };
    // Writes one of the sections "Options", "Layout", "Startup".
    void SaveSection(TSettingsSection section);
    // The same while the window closes: a failure is reported, not raised,
    // so that the window still closes.
    void SaveSectionReporting(TSettingsSection section);
    void SaveOnDestruction();
    // The lists whose column layouts the settings file keeps.
    std::array<TResultGrid*, 3> StoredGrids() const;
    void aSaveOptsExecute();
    void aRestoreDefaulfExecute();
    void cbLayoutClick(bool checked);

    // Ignored words.
    void aAddToIgnoredExecute();

    // KWIC lines, collocates and keywords.
    void CreateWordListPages();
    // Their search boxes, reference choice, span and sort keys are options
    // like the Options page's own.
    void RegisterWordListOptions();
    void ConnectWordLists();
    void aKwicExecute();
    void ShowKwicTab();
    // The KWIC tab with these lines shown.
    void OpenKwic(const QString& term, const QString& near);
    void ShowKwicLines();
    void KwicLineDoubleClick();
    void CollocateDoubleClick();
    void KeywordDoubleClick();
    void ChooseKeywordReference();
    // What the lists on show were searched for, above them.
    void ShowWordListDetails();

    // Lists.
    void ApplyPhraseFilter(bool on);
    void LocatorChanged(QLineEdit* box, TMemTable& table, TResultGrid* grid);
    // A find box over a list: typing goes to the first word it begins; the
    // box empties when the list closes.
    void ConnectLocator(QLineEdit* box, TMemTable& table, TResultGrid* grid);
    void ConcordanceRowChanged();
    void ConnectLists();
    // Where a hint goes: below the current row, from the list's left edge to
    // at least the first column's right edge, in window coordinates.
    QRect HintPlace(TResultGrid* grid, const QRect& measured) const;
    // Status panel 0, painted at once.
    void ShowStatus(const QString& text);
    static bool CanCopy(QWidget* focus);
    // A field the user types into: it keeps the clipboard keys and Select
    // all (IsFieldEditKey) for itself.
    static bool EditsText(const QWidget* widget);
    static bool IsFieldEditKey(const QKeyEvent& key);

    TAnalysisState state_;
    TCalculation calculation_{state_, *this};
    TMainActions actions_;

    TTextView* reText_ = nullptr;
    QTabWidget* pcOp_ = nullptr;
    QTabWidget* pcText_ = nullptr;
    QWidget* pnSearch_ = nullptr;
    QWidget* pnGo_ = nullptr;
    QToolButton* btSearch_ = nullptr;
    QSplitter* spMain_ = nullptr;
    QProgressBar* pbProgr_ = nullptr;
    QLabel* statusPanels_[3] = {};
    TWelcomePanel* pnWelcome_ = nullptr;
    TSummaryPage* summaryPage_ = nullptr;
    TOptionsPage* optionsPage_ = nullptr;
    QTabWidget* pcOpts_ = nullptr;
    TIgnoredWordsPage* ignoredWordsPage_ = nullptr;
    QSplitter* rxsConcordance_ = nullptr;
    // The context list's height as last restored or chosen; the splitter
    // has no sizes of its own before its page is first shown.
    int detailHeight_ = -1;
    bool detailPending_ = false;
    QString rememberedListName_;
    QString encoding_;
    QMenu* miEncoding_ = nullptr;
    bool startupSaved_ = false;
    TResultTabs* tabs_ = nullptr;
    TFindDialog* fdFind_ = nullptr;
    THintWindow* phraseHintWindow_ = nullptr;
    TWordFormsHintFrame* wdFormsFrame_ = nullptr;
    QMenu* pmPositions_ = nullptr;

    QLineEdit* edPhraseFilter_ = nullptr;
    QToolButton* sbFilterPhrases_ = nullptr;
    QToolButton* sbNoFilterPhrases_ = nullptr;
    QLineEdit* edConcLocator_ = nullptr;
    QLineEdit* edWordFormLocator_ = nullptr;
    TResultGrid* dbgRes_ = nullptr;
    TResultGrid* dbgWordforms_ = nullptr;
    TResultGrid* dbgConcordanceTop_ = nullptr;
    TResultGrid* dbgConcordanceDetail_ = nullptr;
    TResultGrid* dbgKwic_ = nullptr;
    TResultGrid* dbgCollocates_ = nullptr;
    TResultGrid* dbgKeywords_ = nullptr;
    TKwicFrame* kwicFrame_ = nullptr;
    TCollocatesPage* collocatesPage_ = nullptr;
    TKeywordsPage* keywordsPage_ = nullptr;
    QToolButton* sbConcKwic_ = nullptr;
    bool rewritingLocator_ = false;

    bool fileLoaded_ = false;
    QString sourceName_;
    QString openDialogDirectory_;
    // The file last chosen with Load from file in this run.
    QString chosenTextFile_;
    QString exportDialogDirectory_;
    bool highlightActive_ = false;
    std::vector<TOccurrence> occurrenceList_;
    int occurrenceIndex_ = 0;
    bool cancelEnabled_ = false;
    bool clipboardHasText_ = false;
    QElapsedTimer messageClock_;
    QElapsedTimer statusClock_; // since the status panel was last painted
    std::string countLabel_;    // the label of the count it shows, if any
};

} // namespace lexorin
