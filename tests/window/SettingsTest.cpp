// The window's settings file and ignored-words lists, driven as a user
// drives them: every option and the layout survive a restart, the reading
// rules, the erasing commands, the lists on the Ignored words page and
// "Add to ignored".
#include "ExceptionDlg.h"
#include "LexorinApplication.h"
#include "MainWindow.h"
#include "NamedChild.h"
#include "ProgramFiles.h"
#include "ResultGrid.h"
#include "ScriptedDialogs.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <memory>

using namespace lexorin;
using lexorin::test::TScriptedDialogs;

namespace {

class TSettingsTest : public QObject, private test::TWindowFixture {
    Q_OBJECT

private:
    QByteArray ReadFile(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QByteArray Settings() const { return ReadFile(QFileInfo(SettingsFilePath()).fileName()); }
    void Start() {
        window = std::make_unique<TfmLexorin>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    // Closes the window as the user does, answering Yes, and destroys it.
    void Close() {
        dialogs->answers = {true};
        QVERIFY(window->close());
        window.reset();
    }
    QStringList GridWords() const {
        auto* grid = Child<QTableView>("dbgIgnoredWords");
        QStringList words;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            words << grid->model()->index(r, 0).data().toString();
        return words;
    }
    void Press(const char* button) const {
        window->UpdateActions();
        auto* pressed = Child<QPushButton>(button);
        QVERIFY2(pressed->isEnabled(), button);
        pressed->click();
    }

private slots:
    void init() {
        SetProgramFolder(folder.path());
        QDir dir(folder.path());
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
            dir.remove(name);
        QDir(SettingsFilePath()).removeRecursively();
        dialogs = std::make_unique<TScriptedDialogs>();
    }
    void cleanup() { CloseWindow(); }

    void everyOptionAndTheLayoutSurviveARestart() {
        Start();
        QCOMPARE(Settings(), QByteArray("<missing>"));
        for (const char* box : {"cbCaseSens", "cbIncludeSubstrings", "cbWordsUseIgnored",
                                "cbAutoPhraseHeight", "cbConcordanceUseIgnored", "cbConcCapitalize",
                                "cbPrefOnly", "cbShowTitles", "cbDupQuotes"})
            Child<QCheckBox>(box)->toggle();
        const std::pair<const char*, int> spins[] = {
            {"rxseSize", 12},    {"rseWords", 3}, {"rseCases", 4},    {"rseConcMinFreq", 5},
            {"rseConLength", 6}, {"rseChars", 7}, {"rseWordCases", 8}};
        for (const auto& [spin, value] : spins)
            Child<QSpinBox>(spin)->setValue(value);
        Child<QRadioButton>("rbExactWords")->setChecked(true);
        Child<QRadioButton>("rbExact")->setChecked(true);
        // A stop character Windows-1251 lacks: the file is then UTF-8.
        Child<QLineEdit>("edBreakChars")->setText(QString::fromUtf8(";:\xC3\x9F"));
        Child<QLineEdit>("edSeparator")->setText(";");
        Child<QLineEdit>("edQuote")->setText("'");
        Child<QLineEdit>("edDecimalSeparator")->setText(",");
        dialogs->answers = {true};
        window->findChild<QAction*>("aSaveOpts")->trigger();
        QCOMPARE(dialogs->asked.last(), QStringLiteral("confirm: Save current options ?"));

        Child<QCheckBox>("cbLayout")->click();
        Child<QCheckBox>("cbDontShowGuide")->setChecked(true);
        auto* panes = Child<QSplitter>("spMain");
        const int paneWidth = Child<QWidget>("pnSearch")->minimumWidth() + 40;
        panes->setSizes({paneWidth, panes->width() - paneWidth});
        QCOMPARE(panes->sizes().value(0), paneWidth);
        Child<QToolButton>("tbWordWrap")->setChecked(true);
        Child<TResultGrid>("dbgRes")->setColumnWidth(1, 123);
        Child<QTabWidget>("pcOp")->setCurrentIndex(1);
        auto* contexts = Child<QSplitter>("rxsConcordance");
        QTRY_VERIFY(contexts->sizes().value(1) > 80);
        contexts->setSizes({contexts->sizes().value(0) + 30, contexts->sizes().value(1) - 30});
        emit contexts->splitterMoved(0, 1);
        const int detail = contexts->sizes().value(1);
        Close();

        const QByteArray file = Settings();
        QVERIFY(file.startsWith("\xEF\xBB\xBF[Options]\r\n"));
        QVERIFY(file.contains("\r\nedBreakChars_Text=;:\xC3\x9F\r\n"));
        QVERIFY(file.contains("\r\ndbgConcordanceDetail_Height=" + QByteArray::number(detail)));
        QVERIFY(file.contains("\r\npnSearch_Width=" + QByteArray::number(paneWidth) + "\r\n"));
        for (const char* line :
             {"[Options]\r\nFormVersion=0\r\nFlags=0\r\nShowCmd=1\r\n", "\r\nrseWords_Value=3\r\n",
              "\r\nedSeparator_Text=;\r\n", "\r\ncbConcCapitalize_Checked=False\r\n",
              "[Startup]\r\nFormVersion=0\r\n",
              "\r\ncbDontShowGuide_Checked=True\r\nlbWordListName_Caption=\r\n",
              "\r\ncbLayout_Checked=True\r\npnSearch_Width=", "\r\ntbWordWrap_Down=True\r\n",
              "\r\ndbgRes.cases=1,123,", "\r\nVisible=1\r\n", "\r\nNormPos="})
            QVERIFY2(file.contains(line), line);

        Start();
        for (const char* box :
             {"cbCaseSens", "cbIncludeSubstrings", "cbShowTitles", "cbLayout", "cbDontShowGuide"})
            QVERIFY2(Child<QCheckBox>(box)->isChecked(), box);
        for (const char* box :
             {"cbWordsUseIgnored", "cbAutoPhraseHeight", "cbConcordanceUseIgnored",
              "cbConcCapitalize", "cbPrefOnly", "cbDupQuotes"})
            QVERIFY2(!Child<QCheckBox>(box)->isChecked(), box);
        for (const auto& [spin, value] : spins)
            QCOMPARE(Child<QSpinBox>(spin)->value(), value);
        QVERIFY(Child<QRadioButton>("rbExactWords")->isChecked());
        QVERIFY(Child<QRadioButton>("rbExact")->isChecked());
        QCOMPARE(Child<QLineEdit>("edBreakChars")->text(), QString::fromUtf8(";:\xC3\x9F"));
        QCOMPARE(Child<QLineEdit>("edSeparator")->text(), QStringLiteral(";"));
        QCOMPARE(Child<QLineEdit>("edQuote")->text(), QStringLiteral("'"));
        QCOMPARE(Child<QLineEdit>("edDecimalSeparator")->text(), QStringLiteral(","));
        QCOMPARE(Child<QSplitter>("spMain")->sizes().value(0), paneWidth);
        QVERIFY(Child<QToolButton>("tbWordWrap")->isChecked());
        QCOMPARE(Child<TResultGrid>("dbgRes")->columnWidth(1), 123);
        Child<QTabWidget>("pcOp")->setCurrentIndex(1);
        QTRY_COMPARE(Child<QSplitter>("rxsConcordance")->sizes().value(1), detail);
        QVERIFY2(!Child<QWidget>("pnWelcome")->isVisible(), "the guide stays away");
    }

    void theOpenDialogsFolderIsKeptOnlyFromAFileChosenThisRun() {
        // A folder whose name Windows-1251 cannot hold.
        const QString greek = QString::fromUtf8("\xCE\xB1\xCE\xB2\xCE\xB3");
        QDir(folder.path()).mkdir(greek);
        const QString stored = folder.filePath(greek);
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Layout]\r\ncbLayout_Checked=True\r\nodFile_InitialDir=" + stored.toUtf8() +
                   "\r\n");
        file.close();
        Start();
        // A text dropped or pasted is not chosen: the first export starts
        // beside the program, not in the stored folder.
        window->LoadTextFile(WriteFile(QStringLiteral("dropped.txt"), "the lamp. the lamp."));
        window->UpdateActions();
        window->findChild<QAction*>("aSearch")->trigger();
        dialogs->saveFiles = {QString()};
        window->UpdateActions();
        window->findChild<QAction*>("aExport")->trigger();
        QCOMPARE(dialogs->asked.last(), "save: " + QCoreApplication::applicationDirPath());
        // The open dialog itself still starts in the stored folder.
        dialogs->files = {QString()};
        window->findChild<QAction*>("aPasteFile")->trigger();
        QCOMPARE(dialogs->asked.last(), "open: " + stored);
        Close();
        QVERIFY(Settings().contains("\r\nodFile_InitialDir=\r\n"));

        Start();
        dialogs->files = {WriteFile(greek + QStringLiteral("/chosen.txt"), "chosen words")};
        window->findChild<QAction*>("aPasteFile")->trigger();
        QCOMPARE(dialogs->asked.last(), "open: " + QCoreApplication::applicationDirPath());
        Close();
        QVERIFY(Settings().contains("\r\nodFile_InitialDir=" + stored.toUtf8() + "\r\n"));
    }

    void theEncodingChosenIsKept() {
        Start();
        const auto choice = [this](const QString& name) -> QAction* {
            for (QAction* action : Child<QMenu>("miEncoding")->actions())
                if (action->text() == name)
                    return action;
            return nullptr;
        };
        QVERIFY(choice(QStringLiteral("Automatic"))->isChecked());
        choice(QStringLiteral("KOI8-R"))->trigger();
        Close();
        QVERIFY(Settings().contains("\r\nmiEncoding_Caption=KOI8-R\r\n"));
        Start();
        QVERIFY(choice(QStringLiteral("KOI8-R"))->isChecked());
        QVERIFY(!choice(QStringLiteral("Automatic"))->isChecked());
    }

    void readingRules() {
        WriteFile(
            QFileInfo(SettingsFilePath()).fileName(),
            "\xEF\xBB\xBF[options]\r\nrseWords_Value=150\r\nrseCases_Value=1\r\n"
            "RXSESIZE_VALUE=9.7\r\ncbCaseSens_Checked=yes\r\ncbPrefOnly_Checked=FALSE\r\n"
            "edSeparator_Text=\r\n[Layout]\r\ncbLayout_Checked=True\r\npnSearch_Width=wide\r\n"
            "[dbgResColumns]\r\ndbgRes.text=0,abc,0,1,0,7,0\r\n");
        Start();
        QCOMPARE(Child<QSpinBox>("rseWords")->value(), 99);
        QCOMPARE(Child<QSpinBox>("rseCases")->value(), 2);
        QCOMPARE(Child<QSpinBox>("rxseSize")->value(), 10);
        QVERIFY(!Child<QCheckBox>("cbCaseSens")->isChecked());
        QVERIFY(!Child<QCheckBox>("cbPrefOnly")->isChecked());
        QCOMPARE(Child<QLineEdit>("edSeparator")->text(), QString());
        QCOMPARE(Child<QSplitter>("spMain")->sizes().value(0),
                 Child<QWidget>("pnSearch")->minimumWidth()); // never narrower
        QVERIFY(Child<TResultGrid>("dbgRes")->columnWidth(0) > 0);
        QVERIFY(dialogs->asked.isEmpty());
    }

    void theWindowRectangleComesBackOnlyAtTheSameResolution() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QByteArray size = QByteArray::number(screen->size().width()) + "x" +
                                QByteArray::number(screen->size().height());
        const QByteArray dpi = QByteArray::number(qRound(screen->logicalDotsPerInch()));
        const auto layout = [&](const QByteArray& pixelsPerInch, const QByteArray& show) {
            WriteFile(QFileInfo(SettingsFilePath()).fileName(),
                      "[Layout]\r\nPixelsPerInch=" + pixelsPerInch + "\r\nShowCmd=" + show +
                          "\r\nNormPos(" + size + ")=10,20,810,620\r\nNormPos=1,1,2,2\r\n");
        };
        layout(dpi, "1");
        Start();
        QCOMPARE(window->geometry().size(), QSize(800, 600)); // the key with the screen size
        QCOMPARE(window->geometry().topLeft(), QPoint(10, 20));
        CloseWindow();

        dialogs = std::make_unique<TScriptedDialogs>();
        layout(dpi + "1", "3");
        Start();
        QCOMPARE(window->normalGeometry().size(), QSize(792, 554)); // another resolution
        QVERIFY(window->windowState().testFlag(Qt::WindowMaximized));
    }

    void aSettingsFileThatCannotBeReadWarnsAndIsLeftAlone() {
        QVERIFY(QDir(folder.path()).mkdir(QFileInfo(SettingsFilePath()).fileName()));
        Start();
        QCOMPARE(dialogs->asked.value(0),
                 QStringLiteral(
                     "warn: Unable to load saved options. Some options may fall back to default."));
        bool raised = false;
        try {
            window->findChild<QAction*>("aSaveOpts")->trigger();
        } catch (const std::runtime_error& error) {
            raised = QString::fromLatin1(error.what()) ==
                     QStringLiteral("Unable to write to ") + SettingsFilePath();
        }
        QVERIFY(raised);
        QVERIFY(QFileInfo(SettingsFilePath()).isDir());
        // Closing reports the failure and still closes.
        bool reported = false;
        QTimer::singleShot(0, [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* report = dynamic_cast<TExceptionDialog*>(top);
                    report && report->isVisible()) {
                    reported = true;
                    report->accept();
                }
        });
        Close();
        Q_UNUSED(reported);
    }

    void restoreDefaultAndAutoSaveLayoutErase() {
        WriteFile(QFileInfo(SettingsFilePath()).fileName(),
                  "[Options]\r\nrseWords_Value=5\r\n[Foreign]\r\nkept=1\r\n[Layout]\r\n"
                  "cbLayout_Checked=True\r\n[dbgWordformsColumns]\r\ndbgWordforms.text=0,50,0,1,0,"
                  "7,0\r\n");
        Start();
        Child<QCheckBox>("cbConcExcludeNumbers")->setChecked(false);
        QCOMPARE(Child<QSpinBox>("rseWords")->value(), 5);
        dialogs->answers = {false};
        window->findChild<QAction*>("aRestoreDefaulf")->trigger();
        QCOMPARE(Child<QSpinBox>("rseWords")->value(), 5); // "No changes nothing"
        dialogs->answers = {true};
        window->findChild<QAction*>("aRestoreDefaulf")->trigger();
        QCOMPARE(dialogs->asked.last(), QStringLiteral("confirm: Restore default options ?"));
        QCOMPARE(Child<QSpinBox>("rseWords")->value(), 1);
        QVERIFY(!Child<QCheckBox>("cbConcExcludeNumbers")->isChecked());
        QVERIFY(Child<QCheckBox>("cbLayout")->isChecked());
        QVERIFY(!Settings().contains("[Options]"));

        Child<QCheckBox>("cbLayout")->click(); // off: the layout sections go at once
        QCOMPARE(Settings(), QByteArray("[Foreign]\r\nkept=1\r\n"));
        dialogs->answers = {false};
        QVERIFY(!window->close());
        QCOMPARE(Settings(),
                 QByteArray("[Foreign]\r\nkept=1\r\n")); // "No to closing writes nothing"
    }

    void listsAreListedChosenLoadedAndRewritten() {
        WriteFile("Basic.tiw", "  The \r\nAND\nof\r");
        WriteFile("other.tiw", "x\r\n");
        WriteFile(QFileInfo(SettingsFilePath()).fileName(),
                  "[Startup]\r\nlbWordListName_Caption=BASIC\r\n");
        Start();
        auto* lists = Child<QComboBox>("cbIgnoredWordsList");
        QCOMPARE(lists->count(), 2);
        QCOMPARE(lists->currentText(), QStringLiteral("Basic"));
        QCOMPARE(Child<QLabel>("lbWordListName")->text(), QStringLiteral("Basic"));
        QCOMPARE(GridWords(), (QStringList{"  The ", "AND", "of"})); // "as read, sorted by word"
        QCOMPARE(ReadFile("Basic.tiw"), QByteArray("the\r\nand\r\nof\r\n"));
        QVERIFY(window->State().ignoredWordSet.Contains("THE"));

        lists->setCurrentIndex(lists->findText("other"));
        QCOMPARE(Child<QLabel>("lbWordListName")->text(), QStringLiteral("Basic")); // "not yet"
        Child<QPushButton>("btSelectList")->click();
        QCOMPARE(GridWords(), QStringList{"x"});
        QVERIFY(!window->State().ignoredWordSet.Contains("the"));
        Close();
        QVERIFY(Settings().contains("\r\nlbWordListName_Caption=other\r\n"));
    }

    void aNewListIsMadeCurrentAndAFileAddedMeanwhileIsOffered() {
        WriteFile("basic.tiw", "the\r\n");
        Start();
        auto* lists = Child<QComboBox>("cbIgnoredWordsList");
        QCOMPARE(lists->count(), 1);
        WriteFile("added.tiw", "alpha\r\n");
        lists->showPopup();
        QVERIFY(lists->findText("added") >= 0);
        QCOMPARE(lists->currentText(), QStringLiteral("basic"));
        lists->hidePopup();

        for (const char* bad : {"a/b", "basic", ".hidden"}) {
            dialogs->texts = {QString::fromLatin1(bad)};
            Press("btNewList");
            QVERIFY2(dialogs->asked.last().startsWith("warn: "), bad);
        }
        QCOMPARE(ReadFile("basic.tiw"), QByteArray("the\r\n"));
        dialogs->texts = {QStringLiteral(" fresh ")};
        Press("btNewList");
        QCOMPARE(dialogs->asked.last(), QStringLiteral("ask: Name of the new list:"));
        QCOMPARE(ReadFile("fresh.tiw"), QByteArray());
        QCOMPARE(lists->currentText(), QStringLiteral("fresh"));
        QCOMPARE(Child<QLabel>("lbWordListName")->text(), QStringLiteral("fresh"));
        QCOMPARE(GridWords(), QStringList());
        QVERIFY(!window->State().ignoredWordSet.Contains("the"));
        dialogs->texts.clear();
        Press("btNewList"); // cancelled
        QCOMPARE(lists->currentText(), QStringLiteral("fresh"));
        Close();
        QVERIFY(Settings().contains("\r\nlbWordListName_Caption=fresh\r\n"));
    }

    void aListWithWordsWindows1251LacksKeepsThem() {
        const QByteArray list = "\xEF\xBB\xBF\xC3\xBC"
                                "ber\r\nstra\xC3\x9F"
                                "e\r\nthe\r\n";
        WriteFile("lexorin.tiw", list);
        Start();
        const QStringList words = {QString::fromUtf8("stra\xC3\x9F"
                                                     "e"),
                                   QStringLiteral("the"),
                                   QString::fromUtf8("\xC3\xBC"
                                                     "ber")};
        QCOMPARE(GridWords(), words);            // in the Unicode order: "\xC3\xBC" beside "u"
        QCOMPARE(ReadFile("lexorin.tiw"), list); // as it should be: not written again
        Close();
        Start();
        QCOMPARE(GridWords(), words);
    }

    void aListThatIsWrittenAsItShouldBeIsNotWrittenAgain() {
        WriteFile("lexorin.tiw", "and\r\nthe\r\n");
        QFile list(folder.filePath("lexorin.tiw"));
        const QDateTime past = QDateTime::currentDateTime().addDays(-1);
        QVERIFY(list.open(QIODevice::ReadWrite) &&
                list.setFileTime(past, QFileDevice::FileModificationTime));
        list.close();
        Start();
        QCOMPARE(GridWords(), (QStringList{"and", "the"}));
        QCOMPARE(QFileInfo(list).lastModified(), past);
        QVERIFY(window->State().ignoredWordSet.Contains("The"));
    }

    void wordsAreAddedEditedAndDeletedInTheGrid() {
        WriteFile("lexorin.tiw", "beta\r\n");
        Start();
        Child<QTabWidget>("pcOpts")->setCurrentIndex(1);
        Press("Button3"); // "&Add new"
        window->UpdateActions();
        QVERIFY(!Child<QPushButton>("Button3")->isEnabled());
        QVERIFY(Child<QPushButton>("Button6")->isEnabled());
        auto* grid = Child<QTableView>("dbgIgnoredWords");
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        editor->setText(QStringLiteral(" Alpha "));
        Press("Button6"); // "&Save"
        QCOMPARE(ReadFile("lexorin.tiw"), QByteArray("beta\r\nalpha\r\n"));
        QCOMPARE(GridWords(), (QStringList{"beta", " Alpha "})); // "shown as typed"
        QVERIFY(window->State().ignoredWordSet.Contains("alpha"));

        Press("Button3");
        Press("Button5"); // "&Cancel" drops the new row
        QCOMPARE(GridWords().size(), 2);

        grid->setCurrentIndex(grid->model()->index(0, 0));
        dialogs->answers = {false};
        Press("Button4");
        QCOMPARE(dialogs->asked.last(), QStringLiteral("confirm: Delete word ? "));
        QCOMPARE(GridWords().size(), 2);
        dialogs->answers = {true, true};
        Press("Button4");
        Press("Button4");
        QCOMPARE(GridWords(), QStringList());
        QCOMPARE(ReadFile("lexorin.tiw"), QByteArray());
        window->UpdateActions();
        QVERIFY(!Child<QPushButton>("Button4")->isEnabled());
    }

    // With the mouse, as a user does: the buttons must leave the editor its
    // focus, and typing must go to the new row, not over another word.
    void theButtonsWorkWithTheMouseOnTheEditor() {
        WriteFile("lexorin.tiw", "a\r\nabove\r\n");
        Start();
        Child<QTabWidget>("pcOpts")->setCurrentIndex(1);
        auto* grid = Child<QTableView>("dbgIgnoredWords");
        window->UpdateActions();
        QTest::mouseClick(Child<QPushButton>("Button3"), Qt::LeftButton);
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        QTRY_COMPARE(QApplication::focusWidget(), editor);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("newword"));
        window->UpdateActions();
        QVERIFY(Child<QPushButton>("Button6")->isEnabled());
        QTest::mouseClick(Child<QPushButton>("Button6"), Qt::LeftButton);
        QCOMPARE(ReadFile("lexorin.tiw"), QByteArray("a\r\nabove\r\nnewword\r\n"));

        // An edit in place, then Cancel: nothing changes.
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 0));
        grid->edit(grid->currentIndex());
        QTRY_VERIFY(grid->viewport()->findChild<QLineEdit*>() != nullptr);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("zzz"));
        window->UpdateActions();
        QTest::mouseClick(Child<QPushButton>("Button5"), Qt::LeftButton);
        QCOMPARE(ReadFile("lexorin.tiw"), QByteArray("a\r\nabove\r\nnewword\r\n"));
        QCOMPARE(GridWords(), (QStringList{"a", "above", "newword"}));
        // Typing on a row without F2 or a double click changes nothing.
        QTest::keyClicks(grid, QStringLiteral("qqq"));
        QCOMPARE(GridWords(), (QStringList{"a", "above", "newword"}));
    }

    void theMouseWheelScrollsPastTheSpinBoxes() {
        Start();
        auto* spin = Child<QSpinBox>("rseConLength");
        QWheelEvent wheel(QPointF(5, 5), spin->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(spin, &wheel);
        QCOMPARE(spin->value(), 3);
    }

    void withoutListFilesWordsGoToDotTiw() {
        Start();
        QCOMPARE(Child<QComboBox>("cbIgnoredWordsList")->count(), 0);
        QCOMPARE(Child<QLabel>("lbWordListName")->text(), QString());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        Child<QTabWidget>("pcOpts")->setCurrentIndex(1);
        Press("Button3");
        Child<QTableView>("dbgIgnoredWords")->viewport()->findChild<QLineEdit*>()->setText("Word");
        Press("Button6");
        QCOMPARE(ReadFile(".tiw"), QByteArray("word\r\n"));
    }

    void aListThatCannotBeWrittenKeepsTheEditAndSaysWhere() {
        // No list files: words go to ".tiw", which here is a folder.
        QVERIFY(QDir(folder.path()).mkdir(".tiw"));
        Start();
        Child<QTabWidget>("pcOpts")->setCurrentIndex(1);
        Press("Button3");
        Child<QTableView>("dbgIgnoredWords")->viewport()->findChild<QLineEdit*>()->setText("kept");
        QString error;
        try {
            Press("Button6");
        } catch (const std::runtime_error& raised) {
            error = QString::fromLatin1(raised.what());
        }
        QCOMPARE(error, QStringLiteral("Unable to write to ") + folder.filePath(".tiw"));
        QCOMPARE(GridWords(), QStringList{"kept"});
        QVERIFY(QFileInfo(folder.filePath(".tiw")).isDir());
        QDir(folder.filePath(".tiw")).removeRecursively();
    }

    void badListFilesLoadWithoutHarm() {
        const QByteArray lines[] = {
            QByteArray("a\0b\r\n\0\r\nc", 8),
            QByteArray("\xEF\xBB\xBF"
                       "First\r\nsecond"),
            QByteArray(100000, 'w'),
            QByteArray(1000, '\n') + "last",
        };
        for (const QByteArray& bytes : lines) {
            WriteFile("lexorin.tiw", bytes);
            Start();
            QVERIFY(Child<QTableView>("dbgIgnoredWords")->model()->rowCount() > 0);
            QVERIFY(!window->State().busy);
            window.reset();
        }
        QCOMPARE(ReadFile("lexorin.tiw").left(3), QByteArray("\r\n\r"));
        WriteFile("lexorin.tiw", "\xEF\xBB\xBF"
                                 "First\r\n");
        Start();
        QVERIFY2(window->State().ignoredWordSet.Contains("first"), "the mark is no part of it");
        // The list disappears while the program runs: the next load is empty.
        QFile::remove(folder.filePath("lexorin.tiw"));
        Child<QPushButton>("btSelectList")->click();
        QCOMPARE(GridWords(), QStringList());
    }

    void aConcordanceWordMovesIntoTheList() {
        WriteFile("lexorin.tiw", "");
        Start();
        Child<QCheckBox>("cbConcExcludeNumbers")->setChecked(true);
        const QString text = folder.filePath("tale.txt");
        WriteFile("tale.txt", "Keeper lamp keeper night");
        window->LoadTextFile(text);
        Child<QTabWidget>("pcOp")->setCurrentIndex(
            TfmLexorin::TabIndexOf(TAnalysisPage::Concordance));
        window->UpdateActions();
        window->findChild<QAction*>("aSearch")->trigger();
        TMemTable& words = window->State().mteConcordance;
        const int before = words.RecordCount();
        int keeper = -1;
        for (int r = 0; r < before; ++r)
            if (words.Text(words.RowOf(r), words.FieldIndex("word")) == "Keeper")
                keeper = r;
        QVERIFY(keeper >= 0);
        words.MoveTo(keeper);
        dialogs->answers = {true};
        window->findChild<QAction*>("aAddToIgnored")->trigger();
        QCOMPARE(dialogs->asked.last(),
                 QStringLiteral("confirm: Include \"Keeper\" into the list of ignored words "
                                "\"lexorin\"\r\nand exclude this word from the concordance ? "));
        QCOMPARE(words.RecordCount(), before - 1);
        QCOMPARE(Child<QLabel>("sbMainPanel0")->text(),
                 QStringLiteral("Total results:%1").arg(before - 1));
        QCOMPARE(ReadFile("lexorin.tiw"), QByteArray("keeper\r\n"));
        QVERIFY(window->State().ignoredWordSet.Contains("KEEPER"));
    }

private:
    TAnalysisState& State() const { return window->State(); }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TLexorinApplication application(argc, argv);
    TSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SettingsTest.moc"
