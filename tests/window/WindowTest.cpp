// The main window driven as a user drives it: commands, loading, the four
// analyses, the lists, the text view, the result tabs and the error report.
#include "CliRun.h"
#include "CommandRules.h"
#include "ElidedLabel.h"
#include "ExceptionDlg.h"
#include "HintWindows.h"
#include "LexorinApplication.h"
#include "MainWindow.h"
#include "NamedChild.h"
#include "ProgramFiles.h"
#include "ResultGrid.h"
#include "ResultTabs.h"
#include "ScriptedDialogs.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>

using namespace lexorin;
using lexorin::test::TScriptedDialogs;

Q_DECLARE_METATYPE(lexorin::TAnalysisPage)

namespace {

// A small text of our own: "the" four times, a phrase over a line break.
const char* const kTale = "The keeper lit the lamp.\r\n"
                          "The lamp burned all night and the keeper slept.\r\n"
                          "At dawn the keeper lit the lamp again.";

class TWindowTest : public QObject, private test::TWindowFixture {
    Q_OBJECT

private:
    QAction* Action(const char* name) const { return Child<QAction>(name); }
    QString Panel(int k) const {
        return Child<QLabel>(qPrintable(QStringLiteral("sbMainPanel%1").arg(k)))->text();
    }
    void Calculate(TAnalysisPage page) {
        SetPage(page);
        window->UpdateActions();
        QVERIFY(Action("aSearch")->isEnabled());
        Action("aSearch")->trigger();
    }
    // Once a modal dialog that `handle` takes is on screen, hands it over;
    // looks again every 20 ms until then.
    void WhenShown(std::function<bool(QWidget*)> handle) {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, poll, [poll, handle] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible() && handle(top)) {
                    poll->deleteLater();
                    poll->stop();
                    return;
                }
        });
        poll->start(20);
    }
    // Once the error report shows, takes its message and closes it.
    void WhenReported(QString* shown) {
        WhenShown([shown](QWidget* top) {
            auto* report = dynamic_cast<TExceptionDialog*>(top);
            if (report == nullptr)
                return false;
            *shown = report->Message();
            report->accept();
            return true;
        });
    }
    // Where the occurrence drawn as the current one starts; -1 for none.
    int CurrentHighlightStart() const {
        int start = -1;
        for (const QTextEdit::ExtraSelection& shown : window->TextView()->extraSelections())
            if (shown.format.fontWeight() == QFont::Bold) {
                if (start >= 0)
                    return -2; // more than one
                start = shown.cursor.selectionStart();
            }
        return start;
    }
    QString LoadTale() {
        const QString path = WriteFile(QStringLiteral("tale.txt"), kTale);
        window->LoadTextFile(path);
        return path;
    }

private slots:
    void init() {
        // Every file of the program in the test's folder, no settings yet.
        SetProgramFolder(folder.path());
        QFile::remove(SettingsFilePath());
        OpenWindow();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { CloseWindow(); }

    void everyNamedPartIsThere() {
        const char* const widgets[] = {"fmLexorin",
                                       "mMain",
                                       "tbMain",
                                       "sbMain",
                                       "pnSearch",
                                       "pcOp",
                                       "pnBot",
                                       "btSearch",
                                       "pnGo",
                                       "spMain",
                                       "pnText",
                                       "pcText",
                                       "tsText",
                                       "reText",
                                       "pnWelcome",
                                       "pbProgr",
                                       "WDFormsFrame",
                                       "tsPhraseSearch",
                                       "tsConcordance",
                                       "tsWordSearch",
                                       "tsSummary",
                                       "tsOpts",
                                       "dbgRes",
                                       "dbgConcordanceTop",
                                       "rxsConcordance",
                                       "dbgConcordanceDetail",
                                       "dbgWordforms",
                                       "edPhraseFilter",
                                       "sbFilterPhrases",
                                       "sbNoFilterPhrases",
                                       "edConcLocator",
                                       "edWordFormLocator",
                                       "pcOpts",
                                       "tsSettings",
                                       "tsIgnoredWords",
                                       "tbSearch",
                                       "tbChart",
                                       "tbWordWrap",
                                       "tbNext",
                                       "tbPrev",
                                       "tbClear",
                                       "lbPage1",
                                       "lbPage4",
                                       "cbDontShowGuide",
                                       "edWordsTotal",
                                       "mLongestSentence",
                                       "lbShortestPhraseWords",
                                       "edReadability",
                                       "cbCaseSens",
                                       "rxseSize",
                                       "rseWords",
                                       "rbExactWords",
                                       "edBreakChars",
                                       "rseConLength",
                                       "cbPrefOnly",
                                       "edDecimalSeparator",
                                       "miText",
                                       "miTools",
                                       "miHelp",
                                       "pmText",
                                       "pmGrid",
                                       "pmChart",
                                       "pmTabs"};
        for (const char* name : widgets)
            QVERIFY2(window->objectName() == name ||
                         window->findChild<QObject*>(QString::fromLatin1(name)) != nullptr,
                     name);
        QCOMPARE(window->windowTitle(), QStringLiteral("Lexorin"));
        QCOMPARE(Panel(0), QStringLiteral("Ready"));
        QCOMPARE(Panel(2), QStringLiteral("Text is not loaded"));
        // The client area: 792 x 554 at first, never narrower than 790.
        QCOMPARE(window->size(), QSize(792, 554));
        QCOMPARE(window->minimumSize(), QSize(790, 554));
        QCOMPARE(Child<QTabWidget>("pcText")->tabText(0), QStringLiteral(" Text      "));
        const QStringList captions = {"Phrase frequency", "Concordance  ", "Wordforms  ",
                                      "Summary     ", "Options       "};
        for (int k = 0; k < captions.size(); ++k)
            QCOMPARE(Child<QTabWidget>("pcOp")->tabText(k), captions[k]);
    }

    void commandsCarryTheirCaptionsHintsAndKeys_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("keys");
        QTest::newRow("aSearch") << "aSearch"
                                 << "Calculate"
                                 << "Start calculation"
                                 << "Ctrl+S";
        QTest::newRow("aCancel") << "aCancel"
                                 << "C&ancel"
                                 << "Cancel the calculation"
                                 << "Ctrl+A";
        QTest::newRow("aPasteText") << "aPasteText"
                                    << "Paste from clipboard"
                                    << "Paste text from clipboard"
                                    << "Ctrl+V";
        QTest::newRow("aClose") << "aClose"
                                << "E&xit"
                                << "Close Lexorin"
                                << "Ctrl+X";
        QTest::newRow("aHelp") << "aHelp"
                               << "Lexorin Help"
                               << "Lexorin Help "
                               << "F1";
        QTest::newRow("aAbout") << "aAbout"
                                << "About"
                                << "About this version"
                                << "Shift+F1";
        QTest::newRow("aLFChart") << "aLFChart"
                                  << "Quantities by frequencies "
                                  << "Frequencies chart"
                                  << "";
        QTest::newRow("miConcordance") << "miConcordance"
                                       << "Concor&dance"
                                       << "Concordance : list of all unique words  with contexts"
                                       << "Ctrl+D";
    }
    void commandsCarryTheirCaptionsHintsAndKeys() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QString, keys);
        QAction* action = Action(qPrintable(name));
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->toolTip(), hint);
        QCOMPARE(action->shortcut(), QKeySequence(keys));
    }

    void enablingRules_data() {
        QTest::addColumn<TAnalysisPage>("page");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("rows");
        QTest::addColumn<QString>("enabled");
        // Each row lists the commands that are on; every other one is off.
        QTest::newRow("nothing loaded")
            << TAnalysisPage::Phrases << false << false << false << "pasteFile";
        QTest::newRow("text on phrases")
            << TAnalysisPage::Phrases << false << true << false << "search pasteFile wrap";
        QTest::newRow("text on options")
            << TAnalysisPage::Options << false << true << false << "pasteFile wrap";
        QTest::newRow("phrase rows")
            << TAnalysisPage::Phrases << false << true << true << "search pasteFile wrap results";
        QTest::newRow("phrase rows, summary page")
            << TAnalysisPage::Summary << false << true << true << "search pasteFile wrap";
        QTest::newRow("busy on phrases")
            << TAnalysisPage::Phrases << true << true << true << "cancel";
        QTest::newRow("busy on wordforms")
            << TAnalysisPage::Wordforms << true << true << false << "cancel";
        QTest::newRow("busy on concordance")
            << TAnalysisPage::Concordance << true << true << false << "";
        QTest::newRow("busy on summary") << TAnalysisPage::Summary << true << true << false << "";
    }
    void enablingRules() {
        QFETCH(TAnalysisPage, page);
        QFETCH(bool, busy);
        QFETCH(bool, text);
        QFETCH(bool, rows);
        QFETCH(QString, enabled);
        TAnalysisState state;
        if (rows) {
            state.mteRes.Open();
            state.mteRes.Append();
            state.mteRes.Post();
        }
        TCommandInputs in;
        in.page = page;
        in.busy = busy;
        in.viewHasText = text;
        const TCommandStates s = EvaluateCommands(in, state);
        const QStringList on = enabled.split(' ', Qt::SkipEmptyParts);
        QCOMPARE(s.aSearch, on.contains("search"));
        QCOMPARE(s.aCancel, on.contains("cancel"));
        QCOMPARE(s.aPasteFile, on.contains("pasteFile"));
        QCOMPARE(s.tbWordWrap, on.contains("wrap"));
        QCOMPARE(s.results, on.contains("results"));
        QCOMPARE(s.aReload || s.aFind || s.aClearSelection || s.aNextOcc || s.aPrevOcc, false);
    }

    void occurrenceAndFilterRules() {
        TAnalysisState state;
        TCommandInputs in;
        in.occurrenceCount = 4;
        in.occurrenceIndex = 0;
        TCommandStates s = EvaluateCommands(in, state);
        QVERIFY(s.aNextOcc && !s.aPrevOcc);
        in.occurrenceIndex = 3;
        s = EvaluateCommands(in, state);
        QVERIFY(!s.aNextOcc && s.aPrevOcc);
        // A phrase list filtered down to no rows keeps the filter boxes but
        // has no results to export or chart.
        state.mteRes.Open();
        state.mteRes.SetFilter([](const TMemTable&, int) { return false; });
        state.mteRes.Append();
        state.mteRes.Post();
        state.mteRes.SetFiltered(true);
        in.phraseFilterEmpty = false;
        s = EvaluateCommands(in, state);
        QVERIFY(s.edPhraseFilter && s.sbFilterPhrases && s.sbNoFilterPhrases && !s.results);
        in.fileLoaded = true;
        in.viewHasText = true;
        in.viewHasFocus = true;
        in.highlightActive = true;
        in.editPasteEnabled = true;
        s = EvaluateCommands(in, state);
        QVERIFY(s.aReload && s.aFind && s.aClearSelection && s.aPasteText);
    }

    void loadingAFileShowsItsSizeAndSource() {
        QVERIFY(Child<QWidget>("pnWelcome")->isVisible());
        const QString path = LoadTale();
        QCOMPARE(window->TextView()->toPlainText().size(), 111);
        QCOMPARE(Panel(2), QStringLiteral(" 111 bytes : ") + path);
        QVERIFY(window->FileLoaded());
        QCOMPARE(window->SourceName(), path);
        QVERIFY(!Child<QWidget>("pnWelcome")->isVisible());
        QCOMPARE(window->TextView()->textCursor().position(), 0);
        window->UpdateActions();
        QVERIFY(Action("aReload")->isEnabled());
        QVERIFY(dialogs->asked.isEmpty());
    }

    void loadingKeepsEveryByteAndMendsNulsAndLoneBreaks() {
        const QString path =
            WriteFile(QStringLiteral("odd.txt"), QByteArray("one\0two\nthree\rfour\xC6", 19));
        window->LoadTextFile(path);
        QCOMPARE(window->TextView()->toPlainText(),
                 QString::fromUtf8("one two\nthree\nfour\xD0\x96"));
        QCOMPARE(Panel(2), QStringLiteral(" 19 bytes : ") + path);
        // UTF-8 that Windows-1251 holds is converted to it; any other keeps
        // every character in an alphabet of its own.
        const QString cyrillic = WriteFile(QStringLiteral("cyrillic.txt"), "\xD0\x96\xD0\xB0");
        window->LoadTextFile(cyrillic);
        QCOMPARE(window->TextView()->toPlainText(), QString::fromUtf8("\xD0\x96\xD0\xB0"));
        QVERIFY(Panel(2).endsWith(QStringLiteral("(converted from UTF-8)")));
        const QString utf8 = WriteFile(QStringLiteral("utf8.txt"), "\xD0\x96\xD0\xB0 \xE4\xB8\xAD");
        window->LoadTextFile(utf8);
        QCOMPARE(window->TextView()->toPlainText(),
                 QString::fromUtf8("\xD0\x96\xD0\xB0 \xE4\xB8\xAD"));
        QCOMPARE(Panel(2), " 4 bytes : " + utf8 + " (UTF-8, alphabet of 29 letters)");
    }

    // A text in another code page: chosen in the Text menu, read again, kept
    // for Reload and the next start; a text that needs too many characters
    // is refused and leaves everything as it was.
    void textsInTheirOwnEncodingAndAlphabet() {
        const QString czech = WriteFile(QStringLiteral("czech.txt"), "\x8A"
                                                                     "kola \x9A"
                                                                     "kola");
        window->LoadTextFile(czech);
        // Read as Windows-1251 until told otherwise.
        QCOMPARE(window->TextView()->toPlainText(), QString::fromUtf8("\xD0\x89"
                                                                      "kola \xD1\x99"
                                                                      "kola"));
        auto* menu = Child<QMenu>("miEncoding");
        QAction* cp1250 = nullptr;
        for (QAction* choice : menu->actions())
            if (choice->text() == QStringLiteral("windows-1250"))
                cp1250 = choice;
        QVERIFY(cp1250 != nullptr);
        cp1250->trigger();
        QCOMPARE(window->TextView()->toPlainText(), QString::fromUtf8("\xC5\xA0kola \xC5\xA1kola"));
        QVERIFY(Panel(2).endsWith(QStringLiteral("(windows-1250)")));
        Calculate(TAnalysisPage::Concordance);
        QCOMPARE(window->State().mteConcordance.RecordCount(), 1); // \u0160 and \u0161 alike
        window->UpdateActions();
        Action("aReload")->trigger();
        QVERIFY(Panel(2).endsWith(QStringLiteral("(windows-1250)")));
        QVERIFY(cp1250->isChecked());
        // A choice the file cannot be read in is refused and not kept.
        for (QAction* choice : menu->actions())
            if (choice->text() == QStringLiteral("UTF-8"))
                choice->trigger();
        QVERIFY(dialogs->asked.last().contains(QStringLiteral("not well-formed UTF-8")));
        QVERIFY(cp1250->isChecked());
        QVERIFY(Panel(2).endsWith(QStringLiteral("(windows-1250)")));

        // A German text, its words whole; an ignored word in UTF-8 is found.
        WriteFile(QStringLiteral("german.tiw"), "\xC3\xBC"
                                                "ber\r\n");
        auto* lists = Child<QComboBox>("cbIgnoredWordsList");
        lists->showPopup(); // the folder read again
        lists->hidePopup();
        lists->setCurrentIndex(lists->findText(QStringLiteral("german")));
        Child<QPushButton>("btSelectList")->click();
        const QString german = WriteFile(QStringLiteral("german.txt"), "\xC3\x9C"
                                                                       "ber die Stra\xC3\x9F"
                                                                       "e, \xC3\xBC"
                                                                       "ber die Br\xC3\xBC"
                                                                       "cke.");
        menu->actions().first()->trigger(); // Automatic
        dialogs->answers = {true};
        window->LoadTextFile(german);
        QVERIFY2(Panel(2).endsWith(QStringLiteral("(UTF-8, alphabet of 28 letters)")),
                 qPrintable(Panel(2)));
        Calculate(TAnalysisPage::Concordance);
        QStringList words;
        const TMemTable& table = window->State().mteConcordance;
        for (int k = 0; k < table.RecordCount(); ++k)
            words
                << Child<TResultGrid>("dbgConcordanceTop")->model()->index(k, 0).data().toString();
        // "\u00FCber" is ignored.
        QCOMPARE(words, (QStringList{QString::fromUtf8("Br\xC3\xBC"
                                                       "cke"),
                                     QStringLiteral("die"),
                                     QString::fromUtf8("Stra\xC3\x9F"
                                                       "e")}));

        // Too many characters: a message, and nothing changes.
        QByteArray many;
        for (int c = 0x4E00; c < 0x4E00 + 130; ++c)
            many += QString(QChar(c)).toUtf8() + " ";
        const QString refused = WriteFile(QStringLiteral("many.txt"), many);
        const QString before = window->TextView()->toPlainText();
        window->LoadTextFile(refused);
        QVERIFY2(dialogs->asked.last().contains("uses 130 different characters besides ASCII"),
                 qPrintable(dialogs->asked.last()));
        QCOMPARE(window->TextView()->toPlainText(), before);
        QCOMPARE(window->State().mteConcordance.RecordCount(), 3);
    }

    void theSortLanguageAppliesFromTheNextCalculation() {
        window->LoadTextFile(WriteFile(QStringLiteral("swedish.txt"),
                                       "\xC3\xA4pple zebra apa \xC3\xA4pple zebra apa"));
        const auto words = [this] {
            Calculate(TAnalysisPage::Concordance);
            QStringList listed;
            auto* grid = Child<TResultGrid>("dbgConcordanceTop");
            for (int k = 0; k < grid->model()->rowCount(); ++k)
                listed << grid->model()->index(k, 0).data().toString();
            return listed;
        };
        const QString apple = QString::fromUtf8("\xC3\xA4pple");
        QCOMPARE(words(), (QStringList{"apa", apple, "zebra"}));
        auto* language = Child<QComboBox>("cbSortLanguage");
        language->setCurrentIndex(language->findData(QStringLiteral("sv")));
        QCOMPARE(words(), (QStringList{"apa", "zebra", apple}));
    }

    void anEmptyFileLoadsAndCalculateStaysOff() {
        window->LoadTextFile(WriteFile(QStringLiteral("empty.txt"), ""));
        QCOMPARE(Panel(2).left(9), QStringLiteral(" 0 bytes "));
        window->UpdateActions();
        QVERIFY(!Action("aSearch")->isEnabled());
    }

    void aFileThatCannotBeReadLeavesTheTextAsItWas() {
        const QString path = LoadTale();
        const QString before = Panel(2);
        const QString missing = folder.filePath(QStringLiteral("gone.txt"));
        try {
            window->LoadTextFile(missing);
            QFAIL("no error");
        } catch (const std::runtime_error& error) {
            QCOMPARE(QString::fromLatin1(error.what()),
                     QStringLiteral("Cannot open file \"") + missing + QStringLiteral("\""));
        }
        QCOMPARE(Panel(2), before);
        QCOMPARE(window->SourceName(), path);
        QVERIFY(window->TextView()->HasText());
        try {
            window->LoadTextFile(folder.path());
            QFAIL("a folder loaded");
        } catch (const std::runtime_error&) {
        }
    }

    void aHugeFileIsRefusedAndRandomBytesLoad() {
        const QString path = LoadTale();
        Calculate(TAnalysisPage::Concordance);
        const QString huge = folder.filePath(QStringLiteral("huge.txt"));
        QFile file(huge);
        // 200,000,000 bytes: 190.7 MiB.
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(200'000'000));
        file.close();
        window->LoadTextFile(huge);
        QCOMPARE(dialogs->asked, QStringList{"warn: The text is too large: 191 MiB. Lexorin "
                                             "analyses texts of up to 32 MiB."});
        QCOMPARE(window->SourceName(), path);
        QVERIFY(window->State().mteConcordance.RecordCount() > 0);
        QFile::remove(huge);
        // Random bytes are a text like any other: every byte one character.
        QByteArray noise;
        quint32 seed = 12345;
        for (int k = 0; k < 5000; ++k) {
            seed = seed * 1103515245 + 12345;
            noise.append(static_cast<char>(seed >> 24));
        }
        dialogs->answers = {true};
        window->LoadTextFile(WriteFile(QStringLiteral("noise.bin"), noise));
        QVERIFY(window->TextView()->TextLength() > 4000);
        for (TAnalysisPage page : {TAnalysisPage::Phrases, TAnalysisPage::Concordance,
                                   TAnalysisPage::Wordforms, TAnalysisPage::Summary})
            Calculate(page);
        QVERIFY(Panel(0) == QStringLiteral("Summary"));
    }

    void ctrlSInAnEditBoxCalculates() {
        LoadTale();
        Calculate(TAnalysisPage::Concordance);
        const int everyWord = window->State().mteConcordance.RecordCount();
        Child<QSpinBox>("rseConcMinFreq")->setValue(2);
        auto* box = Child<QLineEdit>("edConcLocator");
        window->UpdateActions();
        QVERIFY(box->isEnabled());
        box->setFocus();
        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(window->State().mteConcordance.RecordCount() < everyWord);
        QCOMPARE(box->text(), QString());
    }

    void theFontSizeAndWordWrapReachTheView() {
        Child<QSpinBox>("rxseSize")->stepUp();
        QCOMPARE(window->TextView()->font().pointSize(), 10);
        LoadTale();
        window->UpdateActions();
        auto* wrap = Child<QToolButton>("tbWordWrap");
        QVERIFY(wrap->isEnabled());
        QCOMPARE(window->TextView()->lineWrapMode(), QPlainTextEdit::NoWrap);
        wrap->click();
        QCOMPARE(window->TextView()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        window->TextView()->SelectInText(30, 0);
        QCOMPARE(Panel(1), QStringLiteral("    2:6   "));
    }

    void theAboutBox() {
        QStringList shown;
        WhenShown([&](QWidget* top) {
            if (top->objectName() != "AboutBox")
                return false;
            for (auto* label : top->findChildren<QLabel*>())
                if (label->objectName() != "ProgramIcon")
                    shown << label->text();
            static_cast<QDialog*>(top)->accept();
            return true;
        });
        window->UpdateActions();
        Action("aAbout")->trigger();
        QCOMPARE(shown, (QStringList{"Lexorin", "Text analyser", "Version 2.5.0.0"}));
    }

    void clearingResultsAsksFirstAndNoKeepsEverything() {
        const QString path = LoadTale();
        Calculate(TAnalysisPage::Concordance);
        const int rows = window->State().mteConcordance.RecordCount();
        QVERIFY(rows > 0);
        dialogs->answers = {false};
        window->LoadTextFile(WriteFile(QStringLiteral("other.txt"), "other words"));
        QCOMPARE(dialogs->asked.last(),
                 QStringLiteral("confirm: Current calculation results will be cleared. "
                                "Do you wish to continue ? "));
        QCOMPARE(window->State().mteConcordance.RecordCount(), rows);
        QCOMPARE(window->SourceName(), path);
        window->LoadTextFile(folder.filePath(QStringLiteral("other.txt")));
        QCOMPARE(window->State().mteConcordance.RecordCount(), 0);
        QCOMPARE(window->TextView()->toPlainText(), QStringLiteral("other words"));
    }

    void theOpenDialogAndReload() {
        const QString path = WriteFile(QStringLiteral("chosen.txt"), "chosen text");
        dialogs->files = {path};
        Action("aPasteFile")->trigger();
        QCOMPARE(dialogs->asked.first(),
                 QStringLiteral("open: ") + QApplication::applicationDirPath());
        QCOMPARE(window->TextView()->toPlainText(), QStringLiteral("chosen text"));
        WriteFile(QStringLiteral("chosen.txt"), "changed text");
        window->UpdateActions();
        Action("aReload")->trigger();
        QCOMPARE(window->TextView()->toPlainText(), QStringLiteral("changed text"));
        Action("aPasteFile")->trigger(); // cancelled: nothing changes
        QCOMPARE(dialogs->asked.last(), QStringLiteral("open: ") + folder.path());
        QCOMPARE(window->TextView()->toPlainText(), QStringLiteral("changed text"));
    }

    void droppingFiles() {
        const QString one = WriteFile(QStringLiteral("one.txt"), "first");
        const QString two = WriteFile(QStringLiteral("two.txt"), "second");
        window->DropFiles({one, two});
        QCOMPARE(dialogs->asked,
                 QStringList{"warn: Multiple files are not accepted. Drag single file. "});
        window->DropFiles({folder.path()});
        QCOMPARE(dialogs->asked.size(), 1);
        QVERIFY(!window->TextView()->HasText());
        // A real drop of one file on the window.
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(one)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        QCOMPARE(dialogs->asked.size(), 1); // nothing shown yet: no question
        QCOMPARE(window->TextView()->toPlainText(), QStringLiteral("first"));
        dialogs->answers = {false};
        window->DropFiles({two});
        QCOMPARE(dialogs->asked.last(), QStringLiteral("confirm: Open file ") + two + "?");
        QCOMPARE(window->TextView()->toPlainText(), QStringLiteral("first"));
        window->DropFiles({two});
        QCOMPARE(window->TextView()->toPlainText(), QStringLiteral("second"));
        // Reload after a drop loads the dropped file.
        WriteFile(QStringLiteral("two.txt"), "second, changed");
        window->UpdateActions();
        Action("aReload")->trigger();
        QCOMPARE(window->TextView()->toPlainText(), QStringLiteral("second, changed"));
    }

    void pastingFromTheClipboard() {
        LoadTale();
        QGuiApplication::clipboard()->setText(
            QString::fromUtf8("Paste \xD0\x96 here\n\xE4\xB8\xAD"));
        window->TextView()->setFocus();
        window->UpdateActions();
        QVERIFY(Action("aPasteText")->isEnabled());
        QTest::keyClick(window->TextView(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window->TextView()->toPlainText(),
                 QString::fromUtf8("Paste \xD0\x96 here\n\xE4\xB8\xAD"));
        QCOMPARE(Panel(2), QStringLiteral(" 14 bytes : clipboard (UTF-8, alphabet of 28 letters)"));
        // A clipboard text Windows-1251 holds is simply the clipboard's.
        QGuiApplication::clipboard()->setText(QString::fromUtf8("plain \xD0\x96"));
        Action("aPasteText")->trigger();
        QCOMPARE(Panel(2), QStringLiteral(" 7 bytes : clipboard "));
        QCOMPARE(window->SourceName(), QStringLiteral("Text pasted from clipboard "));
        QVERIFY(!window->FileLoaded());
        window->UpdateActions();
        QVERIFY(!Action("aReload")->isEnabled());
        // From a field, the command is still there on the toolbar and the menu.
        QGuiApplication::clipboard()->setText(QStringLiteral("From a spin box"));
        auto* spin = Child<QSpinBox>("rseWords");
        SetPage(TAnalysisPage::Options);
        spin->setFocus();
        window->UpdateActions();
        QVERIFY(Action("aPasteText")->isEnabled());
        Action("aPasteText")->trigger();
        QCOMPARE(window->TextView()->toPlainText(), QStringLiteral("From a spin box"));
    }

    // Every caption of a page shown whole: no widget narrower than its text.
    static QStringList CutWidgets(QWidget* page) {
        QStringList cut;
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(page) || !(qobject_cast<QAbstractButton*>(widget) != nullptr ||
                                                qobject_cast<QLabel*>(widget) != nullptr))
                continue;
            if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->wordWrap())
                continue;
            if (widget->width() < widget->minimumSizeHint().width())
                cut << widget->objectName() + ": " + widget->property("text").toString();
        }
        return cut;
    }

    void everyTaskTabAndOptionReadsWholeAtTheFirstSize() {
        // The first five tabs in sight; a later one comes into sight when
        // it is chosen (by its menu command, or the strip's scroll buttons).
        auto* pages = Child<QTabWidget>("pcOp");
        QTRY_VERIFY(pages->tabBar()->width() > 0);
        const auto inSight = [pages](int k) {
            const QRect tab = pages->tabBar()->tabRect(k);
            return tab.left() >= 0 && tab.right() < pages->tabBar()->width();
        };
        for (int k = 0; k < 5; ++k)
            QVERIFY2(inSight(k), qPrintable(pages->tabText(k)));
        for (int k = 5; k < pages->count(); ++k) {
            pages->setCurrentIndex(k);
            QTRY_VERIFY2(inSight(k), qPrintable(pages->tabText(k)));
        }
        pages->setCurrentIndex(0);
        for (const char* page : {"tsSettings", "tsIgnoredWords"}) {
            SetPage(TAnalysisPage::Options);
            auto* options = Child<QTabWidget>("pcOpts");
            options->setCurrentWidget(Child<QWidget>(page));
            QTest::qWait(20);
            QCOMPARE(CutWidgets(Child<QWidget>(page)), QStringList());
        }
        LoadTale();
        const std::pair<TAnalysisPage, const char*> tasks[] = {
            {TAnalysisPage::Phrases, "tsPhraseSearch"},
            {TAnalysisPage::Concordance, "tsConcordance"},
            {TAnalysisPage::Wordforms, "tsWordSearch"},
            {TAnalysisPage::Summary, "tsSummary"}};
        for (const auto& [task, page] : tasks) {
            Calculate(task);
            QTest::qWait(20);
            QCOMPARE(CutWidgets(Child<QWidget>(page)), QStringList());
        }
        QCOMPARE(CutWidgets(Child<QWidget>("pnWelcome")), QStringList());
    }

    void aLongSourcePathIsCutInTheMiddleAndWholeInItsTooltip() {
        const QString deep = QStringLiteral("a-long-folder-name-that-goes-on/").repeated(8);
        QVERIFY(QDir(folder.path()).mkpath(deep));
        const QString path = WriteFile(deep + QStringLiteral("end.txt"), "text");
        window->LoadTextFile(path);
        auto* panel = Child<TElidedLabel>("sbMainPanel2");
        QVERIFY(panel->text().endsWith(path));
        QVERIFY(panel->ShownText().contains(QChar(0x2026)));
        QVERIFY(panel->ShownText().endsWith(QStringLiteral("end.txt")));
        QVERIFY(panel->fontMetrics().horizontalAdvance(panel->ShownText()) <= panel->width());
    }

    void helpOpensTheUserGuideOrSaysItIsMissing() {
        const QString guideFolder = QApplication::applicationDirPath() + QStringLiteral("/guide");
        QDir(guideFolder).removeRecursively();
        Action("aHelp")->trigger();
        QCOMPARE(dialogs->asked.last(), QStringLiteral("warn: The user guide is not installed."));
        QVERIFY(QDir().mkpath(guideFolder));
        QFile page(guideFolder + QStringLiteral("/guide.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        Action("aHelp")->trigger();
        QCOMPARE(dialogs->asked.last(),
                 QStringLiteral("document: ") + QFileInfo(page).canonicalFilePath());
        QDir(guideFolder).removeRecursively();
    }

    void shortcutsWorkOnceAfterAMenuWasOpened() {
        auto* menu = Child<QMenu>("miText");
        menu->popup(window->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        window->UpdateActions();
        QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(dialogs->asked.value(0),
                 QStringLiteral("open: ") + QApplication::applicationDirPath());
        // The menu item shows the command's keys without taking them.
        const QAction* item = menu->findChild<QAction*>(QStringLiteral("File1"));
        QVERIFY(item != nullptr && item->text().endsWith(QStringLiteral("\tCtrl+L")));
        QVERIFY(item->shortcut().isEmpty());
    }

    void aNewTextClearsTheCountAndTheFilter() {
        LoadTale();
        Calculate(TAnalysisPage::Phrases);
        Child<QLineEdit>("edPhraseFilter")->setText(QStringLiteral("lamp"));
        window->UpdateActions();
        QTest::mouseClick(Child<QToolButton>("sbFilterPhrases"), Qt::LeftButton);
        QVERIFY(Panel(0).startsWith(QStringLiteral("Total results:")));
        dialogs->answers = {true};
        window->LoadTextFile(WriteFile(QStringLiteral("other.txt"), "other words"));
        QCOMPARE(Child<QLineEdit>("edPhraseFilter")->text(), QString());
        QCOMPARE(Panel(0), QStringLiteral("Total results:0"));
    }

    void theClipboardKeysInAFieldActOnTheFieldAndNowhereElse() {
        LoadTale();
        Calculate(TAnalysisPage::Phrases);
        const QString text = window->TextView()->toPlainText();
        const int rows = window->State().mteRes.RecordCount();
        auto* filter = Child<QLineEdit>("edPhraseFilter");
        filter->setFocus();
        window->UpdateActions();
        QGuiApplication::clipboard()->setText(QStringLiteral("lamp"));
        QTest::keyClick(filter, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(filter->text(), QStringLiteral("lamp"));
        QTest::keyClick(filter, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(filter->selectedText(), QStringLiteral("lamp"));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(filter, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("lamp"));
        QTest::keyClick(filter, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(filter->text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("lamp"));
        // A field of the Options page too.
        SetPage(TAnalysisPage::Options);
        auto* stops = Child<QLineEdit>("edBreakChars");
        stops->setFocus();
        stops->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral(";:"));
        QTest::keyClick(stops, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(stops->text(), QStringLiteral(";:"));
        QCOMPARE(dialogs->asked, QStringList());
        QCOMPARE(window->TextView()->toPlainText(), text);
        QCOMPARE(window->State().mteRes.RecordCount(), rows);
        // Elsewhere the keys stay the window's.
        window->TextView()->setFocus();
        dialogs->answers = {false};
        QTest::keyClick(window->TextView(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(dialogs->asked, QStringList{"confirm: Close Lexorin ? "});
        QVERIFY(window->isVisible());
    }

    void aPhraseRunEndToEnd() {
        LoadTale();
        Child<QSpinBox>("rseWords")->setValue(2);
        Calculate(TAnalysisPage::Phrases);
        const TMemTable& table = window->State().mteRes;
        QVERIFY(table.RecordCount() > 0);
        QCOMPARE(Panel(0), QStringLiteral("Total results:%1").arg(table.RecordCount()));
        auto* grid = Child<TResultGrid>("dbgRes");
        QCOMPARE(grid->model()->rowCount(), table.RecordCount());
        // Longest phrases first, then the most frequent.
        const QAbstractItemModel* model = grid->model();
        for (int row = 1; row < model->rowCount(); ++row) {
            const int words = model->index(row, 2).data().toInt();
            const int before = model->index(row - 1, 2).data().toInt();
            QVERIFY(words <= before);
        }
        QVERIFY(!Child<QProgressBar>("pbProgr")->isVisible());
        QCOMPARE(Child<QToolButton>("btSearch")->defaultAction(), Action("aSearch"));
        QVERIFY(Action("aSearch")->isEnabled()); // without waiting for an idle moment
        QCOMPARE(Child<QWidget>("pnGo")->palette().color(QPalette::Window), QColor(0, 128, 128));
        window->UpdateActions();
        QVERIFY(Action("aExport")->isEnabled());
        // "Adjust row height" is on: a double click highlights nothing.
        emit grid->DoubleClickAction();
        QVERIFY(window->OccurrenceList().empty());
    }

    void anEmptyPhraseListSaysSo() {
        window->LoadTextFile(WriteFile(QStringLiteral("plain.txt"), "no word twice"));
        Calculate(TAnalysisPage::Phrases);
        QCOMPARE(dialogs->asked, QStringList{"inform: Phrase frequencies list is empty."});
        QCOMPARE(Panel(0), QStringLiteral("Total results:0"));
    }

    void cancelDuringTheTreeBuild() {
        LoadTale();
        dialogs->answers = {true};
        QTimer::singleShot(0, window.get(), [this] {
            QVERIFY(Action("aCancel")->isEnabled());
            QCOMPARE(Child<QToolButton>("btSearch")->defaultAction(), Action("aCancel"));
            QVERIFY(!Child<QTabWidget>("pcOp")->isEnabled());
            QCOMPARE(Child<QWidget>("pnGo")->palette().color(QPalette::Window),
                     QColor(255, 106, 106));
            Action("aCancel")->trigger();
        });
        Calculate(TAnalysisPage::Phrases);
        QCOMPARE(dialogs->asked, QStringList{"confirm: Abort calculation ? "});
        QVERIFY(window->State().phraseTree == nullptr);
        QCOMPARE(window->State().mteRes.RecordCount(), 0);
        QCOMPARE(Panel(0), QStringLiteral("Total results:0"));
        QCOMPARE(Child<QToolButton>("btSearch")->defaultAction(), Action("aSearch"));
        QVERIFY(Child<QTabWidget>("pcOp")->isEnabled());
    }

    void closingDuringABuildStopsIt() {
        LoadTale();
        QTimer::singleShot(0, window.get(), [this] { window->close(); });
        Calculate(TAnalysisPage::Wordforms);
        QCOMPARE(dialogs->asked, QStringList{"confirm: Close Lexorin ? "});
        QVERIFY(!window->isVisible());
        QVERIFY(window->State().wordformTree == nullptr);
        QVERIFY(!window->State().busy);
    }

    void titleClicksSortAndMarkersSurviveARun() {
        LoadTale();
        Calculate(TAnalysisPage::Phrases);
        auto* grid = Child<TResultGrid>("dbgRes");
        QHeaderView* header = grid->horizontalHeader();
        const auto click = [&](int column, Qt::KeyboardModifiers keys) {
            const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, keys, at);
        };
        click(3, Qt::NoModifier); // dispersion alone, descending
        QCOMPARE(grid->Model()->Markers().Keys(), std::string("dispersion desc"));
        click(1, Qt::ControlModifier); // then frequency
        QCOMPARE(grid->Model()->Markers().Keys(), std::string("dispersion desc,cases desc"));
        Calculate(TAnalysisPage::Phrases);
        const TMemTable& table = window->State().mteRes;
        const int dispersion = table.FieldIndex("dispersion");
        QVERIFY(table.RecordCount() > 2);
        for (int row = 1; row < table.RecordCount(); ++row)
            QVERIFY(table.Double(table.RowOf(row), dispersion) <=
                    table.Double(table.RowOf(row - 1), dispersion));
    }

    void thePhraseFilter() {
        window->LoadTextFile(WriteFile(QStringLiteral("filter.txt"),
                                       "Out Of the way. Out Of the way. the end. the end."));
        Calculate(TAnalysisPage::Phrases);
        auto* filter = Child<QLineEdit>("edPhraseFilter");
        filter->setText(QStringLiteral("of THE"));
        window->UpdateActions();
        QVERIFY(Child<QToolButton>("sbFilterPhrases")->isEnabled());
        QTest::mouseClick(Child<QToolButton>("sbFilterPhrases"), Qt::LeftButton);
        const QAbstractItemModel* model = Child<TResultGrid>("dbgRes")->model();
        QVERIFY(model->rowCount() > 0);
        for (int row = 0; row < model->rowCount(); ++row)
            QVERIFY(model->index(row, 0).data().toString().toLower().contains("of the"));
        QCOMPARE(Panel(0), QStringLiteral("Total results:%1").arg(model->rowCount()));
        filter->setText(QStringLiteral("nowhere"));
        QTest::mouseClick(Child<QToolButton>("sbFilterPhrases"), Qt::LeftButton);
        QCOMPARE(model->rowCount(), 0);
        window->UpdateActions();
        QVERIFY(Child<QToolButton>("sbNoFilterPhrases")->isEnabled());
        QVERIFY(!Action("aExport")->isEnabled());
        QTest::mouseClick(Child<QToolButton>("sbNoFilterPhrases"), Qt::LeftButton);
        QCOMPARE(model->rowCount(), window->State().mteRes.RowCount());
    }

    void theConcordanceFindBoxCompletes() {
        window->LoadTextFile(WriteFile(QStringLiteral("find.txt"), "Abc abd abd Abc xyz"));
        Child<QCheckBox>("cbCaseSens")->setChecked(true);
        Calculate(TAnalysisPage::Concordance);
        auto* box = Child<QLineEdit>("edConcLocator");
        window->UpdateActions();
        QVERIFY(box->isEnabled());
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("ab"));
        QCOMPARE(box->text(), QStringLiteral("abd"));
        QCOMPARE(box->selectedText(), QStringLiteral("d"));
        QCOMPARE(window->State().mteConcordance.CurrentText("word"), std::string("abd"));
        // The contexts follow the found word.
        QCOMPARE(window->State().mteConcordanceDetail.RecordCount(), 2);
        box->clear();
        QTest::keyClicks(box, QStringLiteral("Ab"));
        QCOMPARE(box->text(), QStringLiteral("Abc"));
        QTest::keyClicks(box, QStringLiteral("q")); // no word begins so: nothing changes
        QCOMPARE(window->State().mteConcordance.CurrentText("word"), std::string("Abc"));
    }

    void highlightingAndWalkingOccurrences() {
        LoadTale();
        Calculate(TAnalysisPage::Concordance);
        auto* box = Child<QLineEdit>("edConcLocator");
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("Th"));
        QCOMPARE(window->State().mteConcordance.CurrentText("word"), std::string("The"));
        auto* words = Child<TResultGrid>("dbgConcordanceTop");
        QVERIFY(words->PressButton(0, 0)); // "Select all positions..."
        const std::vector<TOccurrence> expected = {{0, 3},  {15, 3}, {25, 3},
                                                   {55, 3}, {81, 3}, {96, 3}};
        QCOMPARE(window->OccurrenceList(), expected);
        QVERIFY(window->HighlightActive());
        QCOMPARE(window->TextView()->textCursor().position(), 0);
        QCOMPARE(CurrentHighlightStart(), 0);
        window->UpdateActions();
        QVERIFY(!Action("aPrevOcc")->isEnabled());
        // Walked by F3, the toolbar and the Text menu alike.
        auto* next = Child<QMenu>("miText")->findChild<QAction*>(QStringLiteral("NextOccurrence1"));
        QVERIFY(next != nullptr && next->text().endsWith(QStringLiteral("\tF3")));
        for (int k = 1; k < 6; ++k) {
            QVERIFY(Action("aNextOcc")->isEnabled());
            if (k % 3 == 0)
                next->trigger();
            else if (k % 3 == 1)
                QTest::keyClick(window->TextView(), Qt::Key_F3);
            else
                Action("aNextOcc")->trigger();
            QCOMPARE(window->TextView()->textCursor().position(), expected[k].start + 3);
            QCOMPARE(CurrentHighlightStart(), expected[k].start);
            window->UpdateActions();
        }
        QVERIFY(!Action("aNextOcc")->isEnabled());
        QTest::keyClick(window->TextView(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(window->TextView()->textCursor().position(), expected[4].start);
        QCOMPARE(CurrentHighlightStart(), expected[4].start);
        // Clearing leaves the caret where it stood.
        window->TextView()->SelectInText(40, 0);
        window->UpdateActions();
        Action("aClearSelection")->trigger();
        QVERIFY(window->OccurrenceList().empty() && !window->HighlightActive());
        QCOMPARE(window->TextView()->textCursor().position(), 40);
        QVERIFY(window->TextView()->Highlights().empty());
        // "Locate in text..." selects the current context's word.
        QVERIFY(Child<TResultGrid>("dbgConcordanceDetail")->PressButton(1, 0));
        QCOMPARE(window->TextView()->SelectionLength(), 3);
        QCOMPARE(window->TextView()->textCursor().selectedText().toLower(), QStringLiteral("the"));
    }

    void aPhraseOverALineBreakIsHighlightedWhole() {
        window->LoadTextFile(
            WriteFile(QStringLiteral("break.txt"), "we saw the\r\nlight. we saw the\r\nlight."));
        Child<QSpinBox>("rseWords")->setValue(4);
        Child<QCheckBox>("cbAutoPhraseHeight")->setChecked(false);
        Calculate(TAnalysisPage::Phrases);
        QCOMPARE(window->State().mteRes.CurrentText("text"), std::string("we saw the light"));
        emit Child<TResultGrid>("dbgRes")->DoubleClickAction();
        const std::vector<TOccurrence> expected = {{0, 16}, {18, 16}};
        QCOMPARE(window->OccurrenceList(), expected);
    }

    void wordformsAndThePositionsMenu() {
        window->LoadTextFile(WriteFile(QStringLiteral("forms.txt"), "tested tester testy"));
        Child<QSpinBox>("rseChars")->setValue(4);
        Calculate(TAnalysisPage::Wordforms);
        const TMemTable& table = window->State().mteWordForms;
        QVERIFY(table.RecordCount() > 0);
        QCOMPARE(table.CurrentText("word"), std::string("test"));
        auto* grid = Child<TResultGrid>("dbgWordforms");
        QVERIFY(grid->PressButton(0, 1)); // "Positions"
        auto* menu = window->findChild<QMenu*>(QStringLiteral("pmPositions"));
        QStringList items;
        for (QAction* item : menu->actions())
            items << item->text();
        QCOMPARE(items, (QStringList{"Show position:", "highlight all", "0", "7", "14"}));
        QVERIFY(!menu->actions().first()->isEnabled());
        menu->actions()[3]->trigger();
        QCOMPARE(window->TextView()->SelectionStart(), 7);
        QCOMPARE(window->TextView()->SelectionLength(), 4);
        menu->hide();
        emit grid->DoubleClickAction();
        QCOMPARE(window->OccurrenceList().size(), std::size_t(3));
        QVERIFY(grid->PressButton(0, 0)); // "Full words"
        auto* frame = Child<QWidget>("WDFormsFrame");
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->findChild<QTextEdit*>(QStringLiteral("rxeWords"))->toPlainText(),
                 QStringLiteral("tested\ntester\ntesty"));
        QTest::mouseClick(window->TextView()->viewport(), Qt::LeftButton); // hides it
        QVERIFY(!frame->isVisible());
    }

    void aHugePhraseIsCutInItsCellAndWholeInTheHintAndCopy() {
        QByteArray text;
        for (int k = 0; k < 3000; ++k)
            text += k % 100 == 99 ? "a\n" : "a ";
        window->LoadTextFile(WriteFile(QStringLiteral("repeats.txt"), text));
        Calculate(TAnalysisPage::Phrases);
        auto* phrases = Child<TResultGrid>("dbgRes");
        const QString cell = phrases->model()->index(0, 0).data().toString();
        QVERIFY(cell.endsWith(QString(QChar(0x2026)) + QStringLiteral(" (2999 words)")));
        QCOMPARE(cell.count(QLatin1Char('a')), 300);
        QVERIFY(phrases->rowHeight(0) <= phrases->viewport()->height());
        // all but the last word, a line break read as a blank
        const QString whole =
            QString::fromLatin1(text.chopped(3)).replace(QLatin1Char('\n'), QLatin1Char(' '));
        phrases->setFocus();
        window->UpdateActions();
        Action("EditCopy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), whole);
        Child<QCheckBox>("cbAutoPhraseHeight")->setChecked(false);
        Calculate(TAnalysisPage::Phrases);
        QVERIFY(phrases->PressButton(0, 0)); // "Original phrase"
        auto* hint = Child<THintWindow>("phraseHintWindow");
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->Text(), whole);
        QVERIFY2(hint->findChild<QPlainTextEdit*>()->document()->blockCount() > 1,
                 "a long phrase is laid out a paragraph at a time");
        // the wheel over the hint scrolls it and leaves it open
        auto* edit = hint->findChild<QPlainTextEdit*>();
        const QPointF at(5, 5);
        QWheelEvent wheel(at, edit->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(edit->viewport(), &wheel);
        QVERIFY(hint->isVisible());
        QVERIFY(edit->verticalScrollBar()->value() > 0);
        QVERIFY(hint->height() <= phrases->height());
        QTest::keyClick(phrases, Qt::Key_Escape);
        QVERIFY(!hint->isVisible());
    }

    void theOriginalPhraseHintAndTheListPopup() {
        window->LoadTextFile(
            WriteFile(QStringLiteral("hint.txt"), "Once, upon a Time. once upon a time."));
        Child<QCheckBox>("cbAutoPhraseHeight")->setChecked(false);
        Child<QSpinBox>("rseWords")->setValue(4);
        Calculate(TAnalysisPage::Phrases);
        auto* phrases = Child<TResultGrid>("dbgRes");
        QVERIFY(phrases->ButtonVisible(0, 0));
        QVERIFY(phrases->PressButton(0, 0)); // "Original phrase"
        auto* hint = Child<THintWindow>("phraseHintWindow");
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->Text(), QStringLiteral("Once, upon a Time"));
        QTest::keyClick(phrases, Qt::Key_Down); // hides the hint and goes no further
        QVERIFY(!hint->isVisible());
        // "Add to ignored" shows only over a concordance word not yet ignored.
        auto* addToIgnored = Child<QMenu>("pmGrid")->findChild<QAction*>("Addtoignored1");
        emit phrases->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(!addToIgnored->isVisible());
        Child<QMenu>("pmGrid")->hide();
        Calculate(TAnalysisPage::Concordance);
        auto* words = Child<TResultGrid>("dbgConcordanceTop");
        emit words->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(addToIgnored->isVisible());
        Child<QMenu>("pmGrid")->hide();
        // A double click on a concordance word highlights it everywhere.
        emit words->DoubleClickAction();
        QCOMPARE(window->OccurrenceList().size(), std::size_t(2));
    }

    void theSummaryPage() {
        window->LoadTextFile(WriteFile(QStringLiteral("summary.txt"),
                                       "The cat sat. The dog ran away!\r\n  Next para here"));
        auto* note = Child<QLabel>("lbLongestWordChars");
        QVERIFY(note->isHidden());
        Calculate(TAnalysisPage::Summary);
        QCOMPARE(Child<QLineEdit>("edWordsTotal")->text(), QStringLiteral("10"));
        QCOMPARE(Child<QLineEdit>("edReadability")->text(), QStringLiteral("-3.75"));
        QCOMPARE(Child<QPlainTextEdit>("mLongestSentence")->toPlainText(),
                 QStringLiteral("The dog ran away!"));
        QCOMPARE(note->text(), QStringLiteral("(4 char.)"));
        QVERIFY(!note->isHidden());
        QCOMPARE(Panel(0), QStringLiteral("Summary"));
        window->LoadTextFile(folder.filePath(QStringLiteral("summary.txt")));
        QCOMPARE(Child<QLineEdit>("edWordsTotal")->text(), QString());
        QVERIFY(note->isHidden());
    }

    void theFindDialog() {
        LoadTale();
        auto* view = window->TextView();
        view->setFocus();
        view->SelectInText(view->TextLength(), 0);
        window->UpdateActions();
        QVERIFY(Action("aFind")->isEnabled());
        Action("aFind")->trigger();
        auto* find = window->findChild<QDialog*>(QStringLiteral("fdFind"));
        QVERIFY(find->isVisible());
        auto* what = find->findChild<QLineEdit*>(QStringLiteral("edFindText"));
        QCOMPARE(what->text(), QString());
        what->setText(QStringLiteral("lamp"));
        auto* next = find->findChild<QPushButton*>(QStringLiteral("btFindNext"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(view->SelectionStart(), 19); // from the top, not from the caret
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(view->SelectionStart(), 29);
        what->setText(QStringLiteral("lighthouse"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(dialogs->asked, QStringList{"inform: Text not found"});
        QCOMPARE(view->SelectionStart(), 29);
        // With a word selected, Find starts with it and puts it on the clipboard.
        view->SelectInText(4, 6);
        Action("aFind")->trigger();
        QCOMPARE(what->text(), QStringLiteral("keeper"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("keeper"));
    }

    void resultTabsAreNumberedAndClosed() {
        TResultTabs* tabs = window->Tabs();
        auto* pages = Child<QTabWidget>("pcText");
        for (int k = 0; k < 3; ++k)
            tabs->AddTab(TTabKind::Chart, new QWidget);
        QCOMPARE(pages->tabText(2), QStringLiteral(" Chart 2 "));
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("ChartFrame3")) != nullptr);
        QCOMPARE(pages->currentIndex(), 3);
        // The pop-up over the second chart; "Activate tab" is off on the active one.
        QTabBar* bar = pages->tabBar();
        QVERIFY(!tabs->ContextPopup(bar->tabRect(0).center()));
        QVERIFY(tabs->ContextPopup(bar->tabRect(3).center()));
        QVERIFY(!window->findChild<QAction*>(QStringLiteral("miActivateTab"))->isEnabled());
        tabs->Menu()->hide();
        QVERIFY(tabs->ContextPopup(bar->tabRect(2).center()));
        tabs->Menu()->hide();
        dialogs->answers = {false, true};
        window->findChild<QAction*>(QStringLiteral("miCloseTab"))->trigger();
        QCOMPARE(dialogs->asked.last(), QStringLiteral("confirm: Close  Chart 2  ?"));
        QCOMPARE(pages->count(), 4);
        window->findChild<QAction*>(QStringLiteral("miCloseTab"))->trigger();
        QCOMPARE(pages->count(), 3);
        QCOMPARE(tabs->AddTab(TTabKind::Chart, new QWidget), 4);
        tabs->AddTab(TTabKind::Report, new QWidget);
        QCOMPARE(pages->tabText(pages->count() - 1), QStringLiteral(" Report 1 "));
        // A frame's own button asks for its tab to go once its click is over.
        QWidget* last = pages->widget(pages->count() - 1);
        tabs->PostCloseTab(last);
        QCOMPARE(pages->count(), 5);
        QCoreApplication::processEvents();
        QCOMPARE(pages->count(), 4);
        // A new text removes them all and numbering starts again.
        LoadTale();
        QCOMPARE(pages->count(), 1);
        QCOMPARE(tabs->AddTab(TTabKind::Chart, new QWidget), 1);
    }

    void theQuickStartLinksChooseTheirPage() {
        auto* link = Child<QLabel>("lbPage3");
        emit link->linkActivated(QStringLiteral("#"));
        QCOMPARE(Child<QTabWidget>("pcOp")->currentIndex(), 2);
        QVERIFY(Child<QWidget>("pnWelcome")->isVisible());
    }

    QByteArray ReadFile(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Answers the concordance export setup once it shows: `professional`
    // or basic with OK, or Cancel when `ok` is false.
    void AnswerExportSetup(bool ok, bool professional, bool* shown = nullptr) {
        WhenShown([=](QWidget* top) {
            if (top->objectName() != "fmConcordanceExportSetup")
                return false;
            if (shown != nullptr)
                *shown = true;
            if (professional)
                top->findChild<QAbstractButton*>(QStringLiteral("rbProfessional"))->click();
            top->findChild<QAbstractButton*>(ok ? QStringLiteral("OKBtn")
                                                : QStringLiteral("CancelBtn"))
                ->click();
            return true;
        });
    }

    void exportTheShownPhrasesFromWhereTheTextWasChosen() {
        dialogs->files = {WriteFile(QStringLiteral("chosen.txt"), kTale)};
        Action("aPasteFile")->trigger();
        Calculate(TAnalysisPage::Phrases);
        Child<QLineEdit>("edPhraseFilter")->setText(QStringLiteral("lamp"));
        window->UpdateActions();
        QTest::mouseClick(Child<QToolButton>("sbFilterPhrases"), Qt::LeftButton);
        const QString csv = folder.filePath(QStringLiteral("phrases.csv"));
        dialogs->saveFiles = {csv};
        window->UpdateActions();
        Action("aExport")->trigger();
        QCOMPARE(dialogs->asked.last(), "save: " + folder.path());
        QCOMPARE(dialogs->saveFilters,
                 (QStringList{"Comma separated values (*.csv)", "Text files (*.txt)",
                              "Excel workbook (*.xlsx)"}));
        QCOMPARE(dialogs->saveSuffix, QStringLiteral("csv"));
        QCOMPARE(ReadFile(csv), QByteArray("\xEF\xBB\xBF"
                                           "\"The keeper lit the lamp\",2,5,40.5\r\n"
                                           "\"the lamp\",3,2,36.1\r\n"));
        QCOMPARE(Panel(0), "Exported 2 rows to " + csv);

        // The folder stays for the rest of the run, wherever files go.
        QDir(folder.path()).mkdir(QStringLiteral("elsewhere"));
        const QString workbook = folder.filePath(QStringLiteral("elsewhere/phrases.xlsx"));
        dialogs->saveFiles = {workbook};
        Action("aExport")->trigger();
        QVERIFY(ReadFile(workbook).startsWith("PK"));
        QCOMPARE(Panel(0), "Exported 2 rows to " + workbook);
        Action("aExport")->trigger(); // cancelled
        QCOMPARE(dialogs->asked.last(), "save: " + folder.path());
        QCOMPARE(Panel(0), "Exported 2 rows to " + workbook);
    }

    void csvOptionsThatCannotBeReadBackAreRefusedWhereSetAndAtExport() {
        const QString sameAsSeparator = QStringLiteral(
            "warn: The quote character cannot be the field separator: fields would not be told "
            "apart from texts");
        SetPage(TAnalysisPage::Options);
        auto* quote = Child<QLineEdit>("edQuote");
        quote->setText(QStringLiteral(","));
        emit quote->editingFinished();
        QCOMPARE(dialogs->asked.last(), sameAsSeparator);
        QCOMPARE(quote->text(), QStringLiteral("\""));
        auto* separator = Child<QLineEdit>("edSeparator");
        const int asked = static_cast<int>(dialogs->asked.size());
        for (const char* any : {"\xC2\xA7", "\xE2\x86\x92"}) { // a section sign, an arrow
            separator->setText(QString::fromUtf8(any));
            emit separator->editingFinished();
            QCOMPARE(dialogs->asked.size(), asked);
        }
        separator->setText(QStringLiteral("7"));
        emit separator->editingFinished();
        QVERIFY(dialogs->asked.last().startsWith(QStringLiteral("warn: A digit cannot")));
        QCOMPARE(separator->text(), QString::fromUtf8("\xE2\x86\x92"));

        // A field left while still being edited is checked at export.
        LoadTale();
        Calculate(TAnalysisPage::Phrases);
        separator->setText(QStringLiteral(","));
        quote->setText(QStringLiteral(","));
        const QString csv = folder.filePath(QStringLiteral("refused.csv"));
        dialogs->saveFiles = {csv};
        window->UpdateActions();
        Action("aExport")->trigger();
        QCOMPARE(dialogs->asked.last(), sameAsSeparator);
        QVERIFY(!QFile::exists(csv));
        const QString workbook = folder.filePath(QStringLiteral("kept.xlsx"));
        dialogs->saveFiles = {workbook};
        Action("aExport")->trigger();
        QVERIFY(ReadFile(workbook).startsWith("PK"));
    }

    void exportWithoutTheOpenDialogStartsBesideTheProgram() {
        LoadTale();
        Calculate(TAnalysisPage::Wordforms);
        bool setupShown = false;
        AnswerExportSetup(false, false, &setupShown);
        const QString csv = folder.filePath(QStringLiteral("wordforms.txt"));
        dialogs->saveFiles = {csv};
        window->UpdateActions();
        Action("aExport")->trigger();
        QCOMPARE(dialogs->asked.last(), "save: " + QCoreApplication::applicationDirPath());
        QVERIFY(!setupShown);
        QVERIFY(ReadFile(csv).startsWith("\xEF\xBB\xBF\"keeper\",3,6,33.8\r\n"));
    }

    void aConcordanceExportAsksForItsLayoutAndWritesWhatTheCliWrites() {
        const QString tale = LoadTale();
        Calculate(TAnalysisPage::Concordance);
        Child<QLineEdit>("edSeparator")->setText(QStringLiteral(";"));
        Child<QCheckBox>("cbShowTitles")->setChecked(true);
        const QString csv = WriteFile(QStringLiteral("concordance.csv"), "old");
        dialogs->saveFiles = {csv};
        AnswerExportSetup(false, true);
        window->UpdateActions();
        Action("aExport")->trigger();
        QCOMPARE(ReadFile(csv), QByteArray("old"));
        QCOMPARE(Panel(0), QStringLiteral("Total results:12"));

        dialogs->saveFiles = {csv};
        AnswerExportSetup(true, true);
        Action("aExport")->trigger();
        const QByteArray written = ReadFile(csv);
        QVERIFY(written.startsWith("\xEF\xBB\xBF\"position\";\"before\";\"word\";\"after\"\r\n"
                                   "106;\"lit the lamp \";\"Again\";\"\"\r\n"));
        QCOMPARE(Panel(0), "Exported 22 rows to " + csv);
        // The contexts list shows the current word's contexts again.
        QCOMPARE(window->State().mteConcordanceDetail.RecordCount(), 1);
        QCOMPARE(Child<TResultGrid>("dbgConcordanceDetail")->model()->rowCount(), 1);
        const QString cli = folder.filePath(QStringLiteral("cli.csv"));
        std::ostringstream out, err;
        QCOMPARE(RunCli({"concordance", "--layout", "professional", "--option",
                         "edSeparator_Text=;", "--option", "cbShowTitles_Checked=True", "--output",
                         cli.toStdString(), tale.toStdString()},
                        out, err),
                 0);
        QCOMPARE(written, ReadFile(cli));

        dialogs->saveFiles = {csv};
        AnswerExportSetup(true, false);
        Action("aExport")->trigger();
        QVERIFY(ReadFile(csv).startsWith("\xEF\xBB\xBF\"word\";\"frequency\"\r\n\"Again\";1\r\n"));
        QCOMPARE(Panel(0), "Exported 12 rows to " + csv);
    }

    void aFailedExportIsReportedWithItsPathAndLeavesWhatWasThere() {
        LoadTale();
        Calculate(TAnalysisPage::Phrases);
        const QString taken = folder.filePath(QStringLiteral("taken.csv"));
        QDir(folder.path()).mkdir(QStringLiteral("taken.csv"));
        const QString inside = WriteFile(QStringLiteral("taken.csv/kept.txt"), "kept");
        QString shown;
        WhenReported(&shown);
        dialogs->saveFiles = {taken};
        window->UpdateActions();
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(shown, "Cannot write file \"" + taken + "\": Is a directory.");
        QCOMPARE(ReadFile(inside), QByteArray("kept"));
        // No temporary file is left behind.
        QCOMPARE(QDir(folder.path()).entryList({"taken.csv?*"}), QStringList());
        QVERIFY(Panel(0).startsWith("Total results:"));
    }

    void aFileNamedAtStartThatCannotBeReadIsReportedWithTheWindowOpen() {
        for (const QString& path :
             {folder.filePath(QStringLiteral("missing.txt")), folder.path()}) {
            QString shown;
            WhenReported(&shown);
            window->LoadStartupFile(path);
            QTRY_COMPARE(shown, QStringLiteral("Cannot open file \"") + path + "\".");
            QVERIFY(window->isVisible());
            QVERIFY(!window->FileLoaded());
        }
    }

    void anErrorInAnEventHandlerIsReportedAndLogged() {
        const QString log = folder.filePath(
            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + "_Err.log");
        QFile::remove(log);
        QString shown;
        WhenReported(&shown);
        // Reload of a file that has gone: the error leaves the command.
        const QString path = WriteFile(QStringLiteral("vanishing.txt"), "here");
        window->LoadTextFile(path);
        QFile::remove(path);
        window->UpdateActions();
        QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(shown, QStringLiteral("Cannot open file \"") + path + "\".");
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray logged = file.readAll();
        QVERIFY(logged.startsWith(QByteArray(100, '=') + "\r\n= "));
        QVERIFY(logged.contains("Cannot open file"));
        QVERIFY(window->isVisible());
    }

    void closingAsks() {
        dialogs->answers = {false};
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(dialogs->asked, QStringList{"confirm: Close Lexorin ? "});
        window->close();
        QVERIFY(!window->isVisible());
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TLexorinApplication application(argc, argv);
    // A key bound twice is reported by Qt, not failed: any such report
    // fails the run.
    static int ambiguousShortcuts = 0;
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (text.contains(QStringLiteral("Ambiguous shortcut")))
                ++ambiguousShortcuts;
            previous(type, context, text);
        });
    TWindowTest test;
    const int failed = QTest::qExec(&test, argc, argv);
    return failed != 0 ? failed : ambiguousShortcuts;
}

#include "WindowTest.moc"
