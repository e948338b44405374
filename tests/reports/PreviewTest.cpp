// The preview's buttons: zoom group, paging at both ends, the page shown.
#include "PdfText.h"
#include "PreviewPages.h"
#include "ReportSupport.h"

#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace lexorin::test {
namespace {

TEST(ReportPreview, PagingStopsAtBothEnds) {
    TAnalysisState state;
    const auto frame = ShownPhraseReport(state, 100);
    TfrRepPreview& preview = *frame->PreviewFrame;
    ASSERT_EQ(preview.PreviewMain->PageCount(), 3);
    EXPECT_EQ(preview.PreviewMain->CurrentPage(), 0);
    EXPECT_EQ(preview.lbPage->text(), QStringLiteral("Page 1 of 3"));
    preview.sbPrev->click();
    EXPECT_EQ(preview.PreviewMain->CurrentPage(), 0);
    preview.sbNext->click();
    EXPECT_EQ(preview.lbPage->text(), QStringLiteral("Page 2 of 3"));
    preview.sbLast->click();
    EXPECT_EQ(preview.PreviewMain->CurrentPage(), 2);
    preview.sbNext->click();
    EXPECT_EQ(preview.PreviewMain->CurrentPage(), 2);
    EXPECT_EQ(preview.lbPage->text(), QStringLiteral("Page 3 of 3"));
    preview.sbFirst->click();
    EXPECT_EQ(preview.PreviewMain->CurrentPage(), 0);
}

TEST(ReportPreview, OneZoomButtonIsDown) {
    TAnalysisState state;
    const auto frame = ShownPhraseReport(state, 1);
    TfrRepPreview& preview = *frame->PreviewFrame;
    EXPECT_TRUE(preview.sbZoom100->isChecked());
    EXPECT_EQ(preview.PreviewMain->Zoom(), 1.0);
    const std::pair<QToolButton*, TZoomMode> buttons[] = {
        {preview.sbZoomToFit, TZoomMode::WholePage},
        {preview.frSpeedButton3, TZoomMode::PageWidth},
        {preview.sbZoom100, TZoomMode::Factor}};
    for (const auto& [button, mode] : buttons) {
        button->click();
        EXPECT_EQ(preview.PreviewMain->ZoomMode(), mode);
        for (QToolButton* zoom : {preview.sbZoom100, preview.sbZoomToFit, preview.frSpeedButton3})
            EXPECT_EQ(zoom->isChecked(), zoom == button);
    }
    preview.sbZoomToFit->click();
    EXPECT_LT(preview.PreviewMain->Zoom(), 1.0) << "a whole A4 page in 700 pixels";
    EXPECT_EQ(preview.sbFirst->toolTip(), QStringLiteral("First page"));
    EXPECT_EQ(preview.sbPrint->toolTip(), QStringLiteral("Print report"));
}

TEST(ReportPreview, ALongReportIsLaidOutASliceAtATimeWithProgress) {
    TAnalysisState state;
    AddPhrases(state, 10000);
    std::unique_ptr<TfrRep> frame(CreateReportFrame(TAnalysisPage::Phrases, state,
                                                    QStringLiteral("/texts/long.txt"), nullptr));
    frame->resize(900, 700);
    frame->show();
    frame->BuildReport();
    TfrRepPreview& preview = *frame->PreviewFrame;
    EXPECT_TRUE(preview.pbLayout->isVisibleTo(frame.get()));
    EXPECT_EQ(preview.PreviewMain->PageCount(), 0);
    EXPECT_FALSE(preview.sbNext->isEnabled());
    for (int turn = 0; turn < 1000 && preview.pbLayout->value() == 0; ++turn)
        QCoreApplication::processEvents();
    EXPECT_GT(preview.pbLayout->value(), 0) << "a first slice is done";
    EXPECT_LT(preview.pbLayout->value(), 100);
    for (int turn = 0; turn < 1000 && preview.PreviewMain->PageCount() == 0; ++turn)
        QCoreApplication::processEvents();
    EXPECT_EQ(preview.PreviewMain->PageCount(), preview.Report()->PageCount());
    EXPECT_GT(preview.Report()->PageCount(), 200);
    EXPECT_FALSE(preview.pbLayout->isVisibleTo(frame.get()));
    EXPECT_TRUE(preview.sbNext->isEnabled());
    EXPECT_EQ(preview.lbPage->text(),
              QStringLiteral("Page 1 of %1").arg(preview.Report()->PageCount()));
}

void Wheel(QWidget* target, int delta, Qt::KeyboardModifiers modifiers) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

TEST(ReportPreview, TheWheelScrollsAndCtrlWheelZooms) {
    TAnalysisState state;
    const auto frame = ShownPhraseReport(state, 100);
    TPreviewPages& pages = *frame->PreviewFrame->PreviewMain;
    Wheel(pages.viewport(), -120 * 10, Qt::NoModifier);
    EXPECT_GT(pages.verticalScrollBar()->value(), 0);
    Wheel(pages.viewport(), 120, Qt::ControlModifier);
    EXPECT_GT(pages.Zoom(), 1.0);
    Wheel(pages.viewport(), -240, Qt::ControlModifier);
    EXPECT_LT(pages.Zoom(), 1.0);
}

// Printing goes through the printer's page range; a PDF printer stands for
// "Print to File" in the print dialog.
TEST(ReportPreview, PrintsThePagesOfThePrintersRange) {
    if (!test::CanReadPdf())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TAnalysisState state;
    const auto frame = ShownPhraseReport(state, 100);
    const auto print = [&](int from, int to) {
        const QString path = QString::fromStdString(::testing::TempDir() + "printed.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setFromTo(from, to);
        frame->PreviewFrame->Print(printer);
        return test::PdfText(path);
    };
    const QString all = print(0, 0);
    for (const char* page : {"Page 1/3", "Page 2/3", "Page 3/3", "phrase 0", "phrase 99"})
        EXPECT_TRUE(all.contains(QString::fromLatin1(page))) << page;
    const QString second = print(2, 2);
    EXPECT_TRUE(second.contains(QStringLiteral("Page 2/3")));
    EXPECT_FALSE(second.contains(QStringLiteral("Page 1/3")));
    EXPECT_FALSE(second.contains(QStringLiteral("Page 3/3")));
}

} // namespace
} // namespace lexorin::test
