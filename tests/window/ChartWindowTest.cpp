// The chart commands of the main window: dispersion charts of the current
// row, frequency charts of the rows the list shows, the chart tabs with
// their numbers and their own "Close tab" button, saving a picture.
#include "ArrowSeries.h"
#include "ChartMarks.h"
#include "LFChart.h"
#include "LexorinApplication.h"
#include "MainWindow.h"
#include "MultiLFChart.h"
#include "ResultTabs.h"
#include "ScriptedDialogs.h"
#include "SingleFreqChart.h"
#include "WindowFixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace lexorin;
using lexorin::test::TScriptedDialogs;

namespace {

class TChartWindowTest : public QObject, private test::TWindowFixture {
    Q_OBJECT

private:
    QTabWidget* Pages() const { return Child<QTabWidget>("pcText"); }
    void Load(const QByteArray& text) {
        window->LoadTextFile(WriteFile(QStringLiteral("text.txt"), text));
    }
    void Run(QAction* command, TAnalysisPage page) {
        SetPage(page);
        window->UpdateActions();
        QVERIFY(command->isEnabled());
        command->trigger();
    }
    // Makes the row whose `field` is `text` the current row.
    static void Select(TMemTable& table, const char* field, const std::string& text) {
        for (int recNo = 0; recNo < table.RecordCount(); ++recNo)
            if (table.Text(table.RowOf(recNo), table.FieldIndex(field)) == text) {
                table.MoveTo(recNo);
                return;
            }
        qFatal("no row %s", text.c_str());
    }
    static std::vector<std::string> Texts(const TChartMarks& marks) {
        std::vector<std::string> texts;
        for (const TChartMark& mark : marks.Marks())
            texts.push_back(mark.text.toStdString());
        return texts;
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    // A paged chart of many bars at the window's first size: every command
    // and the page number in sight, without an overflow button.
    void everyChartCommandIsInSightAtTheFirstSize() {
        QCOMPARE(window->size(), QSize(792, 554));
        QByteArray text;
        for (int k = 1; k <= 40; ++k)
            for (int n = 0; n < k; ++n)
                text += "w" + QByteArray::number(k) + " ";
        Load(text);
        const TMainActions& a = window->Actions();
        Run(a.aSearch, TAnalysisPage::Concordance);
        Run(a.aLFChart, TAnalysisPage::Concordance);
        auto* frame = Child<TLFChartFrame>("ChartFrame1");
        QVERIFY(frame->Paging());
        QTRY_VERIFY(frame->isVisible());
        auto* bar = frame->findChild<QWidget*>(QStringLiteral("tbChart"));
        QVERIFY(bar->findChildren<QToolButton*>().size() >= 9);
        QTRY_VERIFY2(OutOfSight(bar).isEmpty(),
                     qPrintable(OutOfSight(bar).join(QStringLiteral("; "))));
        QVERIFY(!frame->findChild<QWidget*>(QStringLiteral("lbPage"))
                     ->property("text")
                     .toString()
                     .isEmpty());
    }

    // A word at offsets 0 and 99 of a 100-character text: its phrase chart
    // labels them 0 and 99, its concordance chart 1 and 100.
    void dispersionChartsOfAPhraseAndOfAWord() {
        Load("x " + QByteArray(96, 'q') + " x");
        const TMainActions& a = window->Actions();
        Run(a.aSearch, TAnalysisPage::Phrases);
        Select(window->State().mteRes, "text", "x");
        Run(a.aDispersionChart, TAnalysisPage::Phrases);
        QCOMPARE(Pages()->count(), 2);
        QCOMPARE(Pages()->tabText(1), QStringLiteral(" Chart 1 "));
        auto* phrase = Child<TSingleFreqFrame>("ChartFrame1");
        const QCPRange positions = phrase->Chart()->yAxis->range();
        QVERIFY(positions.lower < 0 && positions.upper > 101 && positions.size() < 120);
        QCOMPARE(phrase->Series2()->Positions().size(), std::size_t(2));
        QCOMPARE(Texts(*phrase->Marks()), (std::vector<std::string>{"0", "99"}));
        QCOMPARE(phrase->ChartName(), QStringLiteral("Dispersion of word/phrase : "));
        QCOMPARE(phrase->mText()->toPlainText(), QStringLiteral("x"));
        QVERIFY(phrase->mText()->height() >= 40);

        Run(a.aSearch, TAnalysisPage::Concordance);
        Select(window->State().mteConcordance, "word", "x");
        Run(a.aDispersionChart, TAnalysisPage::Concordance);
        auto* word = Child<TSingleFreqFrame>("ChartFrame2");
        QCOMPARE(Texts(*word->Marks()), (std::vector<std::string>{"1", "100"}));
        QCOMPARE(word->ChartName(), QStringLiteral("Dispersion of word : "));
        QVERIFY(word->mText()->height() < phrase->mText()->height());
        QCOMPARE(Pages()->currentIndex(), 2);
    }

    // The filter applies; the list keeps its current row; charts and a
    // report are numbered apart; a chart's own button closes its tab once
    // its click is over.
    void frequencyChartsTabsAndTheirCloseButton() {
        Load("the lamp. the lamp. the keeper. the keeper. the keeper. a lamp. a lamp.");
        const TMainActions& a = window->Actions();
        Run(a.aSearch, TAnalysisPage::Phrases);
        TMemTable& phrases = window->State().mteRes;
        Child<QLineEdit>("edPhraseFilter")->setText(QStringLiteral("lamp"));
        window->UpdateActions();
        QTest::mouseClick(Child<QToolButton>("sbFilterPhrases"), Qt::LeftButton);
        phrases.MoveTo(1);
        Run(a.aLFChart, TAnalysisPage::Phrases);
        auto* bars = Child<TLFChartFrame>("ChartFrame1");
        int counted = 0;
        for (const TKeyCounts::TEntry& entry : bars->FreqCounts().Entries())
            counted += entry.count;
        QCOMPARE(counted, phrases.RecordCount());
        QVERIFY(counted < phrases.RowCount());
        QCOMPARE(phrases.RecNo(), 1);
        QCOMPARE(bars->ChartName(), QStringLiteral("Numbers of phrases by their frequencies"));

        Run(a.aMultiLFChart, TAnalysisPage::Phrases);
        auto* points = Child<TMultiLFChartFrame>("ChartFrame2");
        QCOMPARE(points->Chart()->xAxis->label(), QStringLiteral("phrase length(words)"));
        window->Tabs()->AddTab(TTabKind::Report, new QWidget);
        QCOMPARE(Pages()->tabText(1), QStringLiteral(" Chart 1 "));
        QCOMPARE(Pages()->tabText(2), QStringLiteral(" Chart 2 "));
        QCOMPARE(Pages()->tabText(3), QStringLiteral(" Report 1 "));
        QCOMPARE(Pages()->widget(2)->objectName(), QStringLiteral("ChartTab2"));

        auto* close = points->findChild<QPushButton*>(QStringLiteral("Button1"));
        QCOMPARE(close->text(), QStringLiteral("Close tab"));
        dialogs->answers = {false, true};
        QTest::mouseClick(close, Qt::LeftButton);
        QCOMPARE(dialogs->asked.last(), QStringLiteral("confirm: Close  Chart 2  ?"));
        QCOMPARE(Pages()->count(), 4);
        QTest::mouseClick(close, Qt::LeftButton);
        QCOMPARE(Pages()->count(), 4); // still there while its click runs
        QTRY_COMPARE(Pages()->count(), 3);
        QCOMPARE(Pages()->tabText(2), QStringLiteral(" Report 1 "));

        // The concordance contexts stay those of the current word.
        Run(a.aSearch, TAnalysisPage::Concordance);
        TMemTable& words = window->State().mteConcordance;
        Select(words, "word", "keeper");
        const int contexts = window->State().mteConcordanceDetail.RecordCount();
        Run(a.aLFChart, TAnalysisPage::Concordance);
        QCOMPARE(words.CurrentText("word"), std::string("keeper"));
        QCOMPARE(window->State().mteConcordanceDetail.RecordCount(), contexts);
        QCOMPARE(Pages()->tabText(Pages()->currentIndex()), QStringLiteral(" Chart 3 "));
    }

    void aChartIsSavedThroughTheSaveDialog() {
        Load("the lamp. the lamp. the keeper.");
        Run(window->Actions().aSearch, TAnalysisPage::Concordance);
        Run(window->Actions().aLFChart, TAnalysisPage::Concordance);
        auto* frame = Child<TLFChartFrame>("ChartFrame1");
        const QString pdf = folder.filePath(QStringLiteral("words.pdf"));
        const QString nowhere = folder.filePath(QStringLiteral("gone/words.png"));
        dialogs->saveFiles = {pdf, nowhere};
        QAction* save = frame->findChild<QAction*>(QStringLiteral("aSavePicture"));
        save->trigger();
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(dialogs->asked.last(), QStringLiteral("save: ") + QDir::homePath());
        save->trigger();
        QCOMPARE(dialogs->asked.at(dialogs->asked.size() - 2),
                 QStringLiteral("save: ") + folder.path());
        QVERIFY(dialogs->asked.last().startsWith(
            QStringLiteral("warn: The chart could not be saved to ") + nowhere));
        save->trigger(); // cancelled: nothing asked beyond the dialog
        QVERIFY(dialogs->asked.last().startsWith(QStringLiteral("save: ")));
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TLexorinApplication application(argc, argv);
    TChartWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ChartWindowTest.moc"
