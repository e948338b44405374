// The KWIC tab and the Collocates and Keywords pages driven as a user
// drives them: from the concordance and from a search, double clicks from
// one list to the next and into the text, references, export, reports,
// refusals, and the options they keep.
#include "KwicFrame.h"
#include "LexorinApplication.h"
#include "MainWindow.h"
#include "ResultGrid.h"
#include "ResultTabs.h"
#include "WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace lexorin;

namespace {

// A small text of our own: "the keeper" three times, "the lamp" three times.
const char* const kTale = "The keeper lit the lamp.\r\n"
                          "The lamp burned all night and the keeper slept.\r\n"
                          "At dawn the keeper lit the lamp again.";

class TWordListWindowTest : public QObject, private test::TWindowFixture {
    Q_OBJECT

private:
    QAction* Action(const char* name) const { return Child<QAction>(name); }
    void LoadTale() { window->LoadTextFile(WriteFile(QStringLiteral("tale.txt"), kTale)); }
    void Calculate(TAnalysisPage page) {
        SetPage(page);
        window->UpdateActions();
        QVERIFY(Action("aSearch")->isEnabled());
        Action("aSearch")->trigger();
    }
    // The rows of a list as it shows them, cells joined by "|".
    QStringList Rows(const char* grid) const {
        const QAbstractItemModel* model = Child<TResultGrid>(grid)->model();
        QStringList rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }
    QWidget* KwicTab() const { return Child<QTabWidget>("pcText")->currentWidget(); }
    void OpenKwicTab() {
        window->UpdateActions();
        Action("aKwic")->trigger();
        QCOMPARE(KwicTab()->objectName(), QStringLiteral("tsKwic"));
    }
    void ShowKwic(const QString& term, const QString& keys = {}) {
        Child<QLineEdit>("edKwicSearch")->setText(term);
        window->findChild<TKwicFrame*>()->SetSortKeys(keys);
        QTest::mouseClick(Child<QToolButton>("btKwicShow"), Qt::LeftButton);
    }

private slots:
    void init() {
        QFile::remove(SettingsFilePath());
        OpenWindow();
    }
    void cleanup() { CloseWindow(); }

    void kwicLinesFromTheConcordanceAndFromASearch() {
        LoadTale();
        Calculate(TAnalysisPage::Concordance);
        QTest::keyClicks(Child<QLineEdit>("edConcLocator"), QStringLiteral("lamp"));
        window->UpdateActions();
        QTest::mouseClick(Child<QToolButton>("sbConcKwic"), Qt::LeftButton);
        QCOMPARE(KwicTab()->objectName(), QStringLiteral("tsKwic"));
        QCOMPARE(Child<QLineEdit>("edKwicSearch")->text(), QStringLiteral("lamp"));
        // Aligned on the match: in text order until keys are chosen.
        QCOMPARE(Rows("dbgKwic"),
                 (QStringList{"20|The keeper lit the |lamp|. The lamp burned all night",
                              "30|keeper lit the lamp. The |lamp| burned all night and the",
                              "101|dawn the keeper lit the |lamp| again"}));
        QCOMPARE(Child<QLabel>("lbKwicDetails")->text(),
                 QStringLiteral("Search \"lamp\", 5 words each side, in text order"));

        // A phrase sorted by the word after it, then before it.
        ShowKwic(QStringLiteral("the k*"), QStringLiteral("R1,L1"));
        QCOMPARE(Rows("dbgKwic").size(), 3);
        QVERIFY(Rows("dbgKwic")[0].startsWith(QStringLiteral("1||The keeper| lit")));
        QVERIFY(Rows("dbgKwic")[1].startsWith(
            QStringLiteral("82|the keeper slept. At dawn |the keeper| lit")));
        QVERIFY(Rows("dbgKwic")[2].startsWith(QStringLiteral("56|")));
        QCOMPARE(Child<QLabel>("sbMainPanel0")->text(), QStringLiteral("Total results:3"));

        // A double click selects the match in the text.
        auto* grid = Child<TResultGrid>("dbgKwic");
        grid->setCurrentIndex(grid->model()->index(1, 0));
        emit grid->DoubleClickAction();
        QCOMPARE(Child<QTabWidget>("pcText")->currentIndex(), 0);
        QCOMPARE(window->TextView()->textCursor().selectedText(), QStringLiteral("the keeper"));

        // Nothing found, and nothing to find.
        Child<QTabWidget>("pcText")->setCurrentWidget(window->findChild<TKwicFrame*>());
        ShowKwic(QStringLiteral("whale"));
        QCOMPARE(Rows("dbgKwic"), QStringList());
        QCOMPARE(dialogs->asked.last(), QStringLiteral("inform: No match of the term."));
        ShowKwic(QStringLiteral("   "));
        QCOMPARE(dialogs->asked.last(),
                 QStringLiteral("inform: Type a word or phrase to search for."));
    }

    void kwicLinesAreExportedAndPrinted() {
        LoadTale();
        OpenKwicTab();
        // Nothing to export or print before there are lines.
        window->UpdateActions();
        QVERIFY(!Child<QToolButton>("btKwicExport")->isEnabled());
        QVERIFY(!Child<QToolButton>("btKwicPrint")->isEnabled());
        ShowKwic(QStringLiteral("lamp"), QStringLiteral("R1"));
        const QString csv = folder.filePath(QStringLiteral("kwic.csv"));
        dialogs->saveFiles = {csv};
        QTest::mouseClick(Child<QToolButton>("btKwicExport"), Qt::LeftButton);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // By the word after the match: "again", "burned", "The".
        QCOMPARE(file.readAll(),
                 QByteArray("\xEF\xBB\xBF"
                            "101,\"dawn the keeper lit the \",\"lamp\",\" again\"\r\n"
                            "30,\"keeper lit the lamp. The \",\"lamp\",\" burned all "
                            "night and the\"\r\n"
                            "20,\"The keeper lit the \",\"lamp\",\". The lamp burned "
                            "all night\"\r\n"));
        const int tabs = Child<QTabWidget>("pcText")->count();
        QTest::mouseClick(Child<QToolButton>("btKwicPrint"), Qt::LeftButton);
        QCOMPARE(Child<QTabWidget>("pcText")->count(), tabs + 1);
        QTest::mouseClick(Child<QToolButton>("btKwicClose"), Qt::LeftButton);
        QCOMPARE(Child<QTabWidget>("pcText")->count(), tabs);

        // Closed from the tab strip's menu, the tab is kept to come back.
        OpenKwicTab();
        auto* pages = Child<QTabWidget>("pcText");
        const int kwic = pages->indexOf(window->findChild<TKwicFrame*>());
        QVERIFY(window->Tabs()->ContextPopup(pages->tabBar()->tabRect(kwic).center()));
        window->Tabs()->Menu()->close();
        dialogs->answers = {true};
        Child<QAction>("miCloseTab")->trigger();
        QCOMPARE(pages->indexOf(window->findChild<TKwicFrame*>()), -1);
        OpenKwicTab();
        QCOMPARE(Rows("dbgKwic").size(), 3);
    }

    void kwicLinesOfTheCurrentPhraseAndWordform() {
        LoadTale();
        Calculate(TAnalysisPage::Phrases);
        window->UpdateActions();
        Action("aKwic")->trigger();
        const QString phrase = Child<QLineEdit>("edKwicSearch")->text();
        QVERIFY2(!phrase.isEmpty() && !Rows("dbgKwic").isEmpty(), qPrintable(phrase));
        for (const QString& row : Rows("dbgKwic"))
            QVERIFY2(row.section(QLatin1Char('|'), 2, 2).compare(phrase, Qt::CaseInsensitive) == 0,
                     qPrintable(row));
        Calculate(TAnalysisPage::Wordforms);
        window->UpdateActions();
        Action("aKwic")->trigger();
        QVERIFY(Child<QLineEdit>("edKwicSearch")->text().endsWith(QLatin1Char('*')));
        QVERIFY(!Rows("dbgKwic").isEmpty());
    }

    void collocatesAndTheKwicLinesOfOne() {
        LoadTale();
        SetPage(TAnalysisPage::Collocates);
        Child<QSpinBox>("rseCollocLeft")->setValue(0);
        Child<QSpinBox>("rseCollocRight")->setValue(1);
        Child<QLineEdit>("edCollocSearch")->setText(QStringLiteral("the"));
        Calculate(TAnalysisPage::Collocates);
        // "keeper" three times and "lamp" three times right after "the",
        // out of six matches: by log-likelihood, then by word.
        const QStringList rows = Rows("dbgCollocates");
        QCOMPARE(rows.size(), 2);
        QVERIFY2(rows[0].startsWith(QStringLiteral("keeper|3|")), qPrintable(rows[0]));
        QVERIFY2(rows[1].startsWith(QStringLiteral("lamp|3|")), qPrintable(rows[1]));
        QCOMPARE(Child<QLabel>("lbCollocDetails")->text(),
                 QStringLiteral("Search \"the\", 0 left, 1 right: f_n = 6, W = 6, N = 22"));

        // The find box goes to the word typed.
        auto* grid = Child<TResultGrid>("dbgCollocates");
        QTest::keyClicks(Child<QLineEdit>("edCollocLocator"), QStringLiteral("la"));
        QCOMPARE(Child<QLineEdit>("edCollocLocator")->text(), QStringLiteral("lamp"));
        QCOMPARE(grid->currentIndex().row(), 1);
        emit grid->DoubleClickAction();
        QCOMPARE(KwicTab()->objectName(), QStringLiteral("tsKwic"));
        QCOMPARE(Child<QLineEdit>("edKwicNear")->text(), QStringLiteral("lamp"));
        QCOMPARE(Rows("dbgKwic").size(), 3);
        for (const QString& row : Rows("dbgKwic"))
            QVERIFY2(row.contains(QStringLiteral("|the| lamp")) ||
                         row.contains(QStringLiteral("|The| lamp")),
                     qPrintable(row));

        // No term: a message, and the list stays.
        Child<QLineEdit>("edCollocSearch")->clear();
        Calculate(TAnalysisPage::Collocates);
        QCOMPARE(dialogs->asked.last(),
                 QStringLiteral("inform: Type a word or phrase to search for."));
        QCOMPARE(Rows("dbgCollocates"), rows);
    }

    void keywordsAgainstChosenReferences() {
        LoadTale();
        const QString first = WriteFile(QStringLiteral("sea.txt"), "The sea and the ship.");
        const QString second =
            WriteFile(QStringLiteral("more.txt"), "The sea, the sea, the sea and a gull.");
        SetPage(TAnalysisPage::Keywords);
        window->UpdateActions();
        Calculate(TAnalysisPage::Keywords);
        QCOMPARE(dialogs->asked.last(),
                 QStringLiteral("inform: Choose the reference: one or more texts, or a word list "
                                "exported from the concordance."));
        dialogs->files = {first + "|" + second};
        QTest::mouseClick(Child<QPushButton>("btKeywordReference"), Qt::LeftButton);
        QCOMPARE(Child<QLabel>("lbKeywordReference")->text(), QStringLiteral("sea.txt, more.txt"));
        Child<QComboBox>("cbKeywordThreshold")->setCurrentIndex(0);
        Child<QSpinBox>("rseKeywordMinFreq")->setValue(1);
        Calculate(TAnalysisPage::Keywords);
        const QStringList rows = Rows("dbgKeywords");
        QVERIFY2(rows.first().startsWith(QStringLiteral("keeper|3|0|")), qPrintable(rows.first()));
        QVERIFY2(rows.last().startsWith(QStringLiteral("sea|0|4|")), qPrintable(rows.last()));
        QCOMPARE(Child<QLabel>("lbKeywordDetails")->text(),
                 QStringLiteral("Text N1 = 22, reference N2 = 14 (sea.txt, more.txt)"));

        auto* grid = Child<TResultGrid>("dbgKeywords");
        QTest::keyClicks(Child<QLineEdit>("edKeywordLocator"), QStringLiteral("se"));
        QCOMPARE(grid->currentIndex().row(), rows.size() - 1);
        // A keyword's double click shows its lines.
        grid->setCurrentIndex(grid->model()->index(0, 0));
        emit grid->DoubleClickAction();
        QCOMPARE(Child<QLineEdit>("edKwicSearch")->text(), QStringLiteral("keeper"));
        QCOMPARE(Rows("dbgKwic").size(), 3);

        // A reference that went away: a warning, and the list stays.
        QFile::remove(second);
        Calculate(TAnalysisPage::Keywords);
        QCOMPARE(dialogs->asked.last(),
                 QStringLiteral("warn: Cannot open the reference ") + second);
        QCOMPARE(Rows("dbgKeywords"), rows);
    }

    void theirOptionsAreKeptInTheSettingsFile() {
        const QString reference = WriteFile(QStringLiteral("ref.txt"), "words");
        dialogs->files = {reference};
        QTest::mouseClick(Child<QPushButton>("btKeywordReference"), Qt::LeftButton);
        Child<QSpinBox>("seKwicSpan")->setValue(3);
        window->findChild<TKwicFrame*>()->SetSortKeys(QStringLiteral("R1,L1"));
        Child<QSpinBox>("rseCollocLeft")->setValue(2);
        Child<QComboBox>("cbKeywordThreshold")->setCurrentIndex(3);
        auto* encoding = Child<QComboBox>("cbKeywordEncoding");
        encoding->setCurrentIndex(encoding->findData(QStringLiteral("windows-1250")));
        Action("aSaveOpts")->trigger();
        CloseWindow();
        OpenWindow();
        QCOMPARE(Child<QSpinBox>("seKwicSpan")->value(), 3);
        QCOMPARE(window->findChild<TKwicFrame*>()->SortKeys(), QStringLiteral("R1,L1"));
        QCOMPARE(Child<QSpinBox>("rseCollocLeft")->value(), 2);
        QCOMPARE(Child<QComboBox>("cbKeywordThreshold")->currentIndex(), 3);
        QCOMPARE(Child<QLabel>("lbKeywordReference")->text(), QStringLiteral("ref.txt"));
        QCOMPARE(Child<QComboBox>("cbKeywordEncoding")->currentData().toString(),
                 QStringLiteral("windows-1250"));
    }

    void theirPagesReadWholeAtTheFirstSize() {
        LoadTale();
        Child<QLineEdit>("edCollocSearch")->setText(QStringLiteral("the"));
        Calculate(TAnalysisPage::Collocates);
        dialogs->files = {WriteFile(QStringLiteral("ref.txt"), "The sea and the ship.")};
        QTest::mouseClick(Child<QPushButton>("btKeywordReference"), Qt::LeftButton);
        Calculate(TAnalysisPage::Keywords);
        OpenKwicTab();
        ShowKwic(QStringLiteral("lamp"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(OutOfSight(Child<QWidget>("pnKwicControls")), QStringList());
        for (const auto page : {TAnalysisPage::Collocates, TAnalysisPage::Keywords}) {
            SetPage(page);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            // The list's own parts (its hidden corner button) aside.
            QStringList out = OutOfSight(Child<QTabWidget>("pcOp")->currentWidget());
            out.removeAll(QStringLiteral("hidden:   "));
            QCOMPARE(out, QStringList());
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TLexorinApplication application(argc, argv);
    TWordListWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WordListWindowTest.moc"
