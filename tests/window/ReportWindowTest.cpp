// The Print command in the window: report tabs, their "Close tab" button,
// the lists left as they were, and saving a report as PDF.
#include "LexorinApplication.h"
#include "MainWindow.h"
#include "NamedChild.h"
#include "PdfText.h"
#include "PreviewPages.h"
#include "ProgramFiles.h"
#include "RepPreviewFrame.h"
#include "ReportDocument.h"
#include "RptBase.h"
#include "ScriptedDialogs.h"
#include "WindowFixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace lexorin;
using lexorin::test::TScriptedDialogs;

namespace {

const char* const kTale = "The keeper lit the lamp.\r\n"
                          "The lamp burned all night and the keeper slept.\r\n"
                          "At dawn the keeper lit the lamp again.";

class TReportWindowTest : public QObject, private test::TWindowFixture {
    Q_OBJECT

private:
    QString talePath;

    QTabWidget* Pages() const { return Child<QTabWidget>("pcText"); }
    void Calculate(TAnalysisPage page) {
        SetPage(page);
        window->UpdateActions();
        window->Actions().aSearch->trigger();
    }
    // Print, with every page laid out.
    TfrRep* Print() {
        window->UpdateActions();
        if (!window->Actions().aPrint->isEnabled())
            qFatal("Print is disabled");
        window->Actions().aPrint->trigger();
        auto* frame = qobject_cast<TfrRep*>(Pages()->currentWidget()->findChild<QWidget*>(
            QStringLiteral("ReportFrame%1").arg(Pages()->count() - 1)));
        if (frame == nullptr)
            qFatal("no report frame");
        frame->PreviewFrame->FinishLayout();
        return frame;
    }
    static QStringList Texts(const TfrRep* frame) {
        QStringList texts;
        const TReportDocument& document = *frame->PreviewFrame->Report();
        for (int page = 0; page < document.PageCount(); ++page)
            texts << document.PageTexts(page);
        return texts;
    }

private slots:
    void init() {
        OpenWindow();
        talePath = WriteFile(QStringLiteral("tale.txt"), kTale);
        window->LoadTextFile(talePath);
    }
    void cleanup() { CloseWindow(); }

    // At the window's first size every button and the whole "Page n of m".
    void everyPreviewCommandIsInSightAtTheFirstSize() {
        QCOMPARE(window->size(), QSize(792, 554));
        Calculate(TAnalysisPage::Concordance);
        TfrRep* frame = Print();
        QTRY_VERIFY(frame->isVisible());
        QVERIFY(frame->PreviewFrame->lbPage->text().contains(QStringLiteral(" of ")));
        QTRY_VERIFY2(
            OutOfSight(frame->PreviewFrame->Panel1).isEmpty(),
            qPrintable(OutOfSight(frame->PreviewFrame->Panel1).join(QStringLiteral("; "))));
    }

    void printOpensNumberedReportTabsThatCloseAfterAsking() {
        Calculate(TAnalysisPage::Phrases);
        const TfrRep* first = Print();
        QCOMPARE(Pages()->count(), 2);
        QCOMPARE(Pages()->tabText(1), QStringLiteral(" Report 1 "));
        QCOMPARE(Pages()->currentWidget()->objectName(), QStringLiteral("ReportTab1"));
        const QStringList texts = Texts(first);
        QCOMPARE(texts.mid(0, 3), (QStringList{"Phrase frequency list :", talePath, "Page 1/1"}));
        QVERIFY(texts.contains(QStringLiteral("The keeper")));
        QCOMPARE(first->PreviewFrame->PreviewMain->CurrentPage(), 0);
        TfrRep* second = Print();
        QCOMPARE(Pages()->tabText(2), QStringLiteral(" Report 2 "));

        dialogs->answers = {false, true};
        second->Button1->click();
        QCoreApplication::processEvents();
        QCOMPARE(Pages()->count(), 3);
        second->Button1->click();
        QTRY_COMPARE(Pages()->count(), 2);
        QCOMPARE(dialogs->asked,
                 (QStringList{"confirm: Close  Report 2  ?", "confirm: Close  Report 2  ?"}));
        // A new text removes the report tabs and numbers from 1 again.
        dialogs->answers = {true};
        window->LoadTextFile(talePath);
        QCOMPARE(Pages()->count(), 1);
        Calculate(TAnalysisPage::Phrases);
        Print();
        QCOMPARE(Pages()->tabText(1), QStringLiteral(" Report 1 "));
    }

    void theConcordanceIsAsItWasAfterItsReport() {
        Calculate(TAnalysisPage::Concordance);
        TMemTable& words = window->State().mteConcordance;
        words.MoveTo(3);
        const std::string word = words.CurrentText("word");
        const TMemTable& detail = window->State().mteConcordanceDetail;
        const int contexts = detail.RecordCount();
        const TfrRep* frame = Print();
        QCOMPARE(words.RecNo(), 3);
        QCOMPARE(words.CurrentText("word"), word);
        QCOMPARE(detail.RecordCount(), contexts);
        QVERIFY(!words.ScrollEventsSuspended());
        QVERIFY(Child<QWidget>("dbgConcordanceTop")->updatesEnabled());
        QVERIFY(Texts(frame).contains(QStringLiteral("word and context list")));
    }

    void theFilteredPhrasesOnly() {
        Calculate(TAnalysisPage::Phrases);
        Child<QLineEdit>("edPhraseFilter")->setText(QStringLiteral("lamp"));
        window->UpdateActions();
        Child<QToolButton>("sbFilterPhrases")->click();
        const QStringList texts = Texts(Print());
        QVERIFY(texts.contains(QStringLiteral("the lamp")));
        QVERIFY(!texts.contains(QStringLiteral("The keeper")));
    }

    void saveAsPdfWritesTheReport() {
        Calculate(TAnalysisPage::Wordforms);
        TfrRep* frame = Print();
        const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
        dialogs->saveFiles = {pdf};
        frame->PreviewFrame->sbSavePdf->click();
        QVERIFY(QFile::exists(pdf));
        if (!test::CanReadPdf())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString text = test::PdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Wordform frequency list :")));
        QVERIFY(text.contains(talePath));
        // A file that cannot be written is said so, and nothing else changes.
        dialogs->asked.clear();
        dialogs->saveFiles = {folder.filePath(QStringLiteral("no/such/report.pdf"))};
        frame->PreviewFrame->sbSavePdf->click();
        QCOMPARE(dialogs->asked.size(), 2);
        QVERIFY(dialogs->asked[1].startsWith(QStringLiteral("warn: The file ")));
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TLexorinApplication application(argc, argv);
    TReportWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ReportWindowTest.moc"
