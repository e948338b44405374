// The Print command: a report of the active list in a new result tab, and
// what a report frame asks of the window: closing its tab, saving as PDF.
#include "MainWindow.h"
#include "RepPreviewFrame.h"
#include "ReportDocument.h"
#include "ReportFrames.h"
#include "ResultGrid.h"
#include "ResultTabs.h"
#include "UserDialogs.h"
#include "WaitCursor.h"

#include <QProgressDialog>
#include <QTabWidget>
#include <stdexcept>

namespace lexorin {

void TfmLexorin::aPrintExecute() {
    PrintList(ActivePage());
}

void TfmLexorin::PrintList(TAnalysisPage page) {
    const TMemTable* table = ListTable(state_, page);
    TfrRep* frame = CreateReportFrame(page, state_, sourceName_, this);
    if (table == nullptr || frame == nullptr)
        return;
    frame->SetGrid(GridOf(*table));
    tabs_->AddTab(TTabKind::Report, frame);
    connect(frame, &TfrRep::CloseTabRequested, this, [this, frame] { CloseReportTab(frame); });
    connect(frame->PreviewFrame, &TfrRepPreview::SavePdfRequested, this,
            [this, frame] { SaveReportPdf(frame); });
    const TWaitCursor wait;
    frame->BuildReport();
}

void TfmLexorin::CloseReportTab(QWidget* frame) {
    QWidget* tab = frame->parentWidget();
    const int index = pcText_->indexOf(tab);
    if (index <= 0)
        return;
    const QString question =
        QStringLiteral("Close ") + pcText_->tabText(index) + QStringLiteral(" ?");
    if (UserDialogs().Confirm(this, question))
        tabs_->PostCloseTab(tab);
}

void TfmLexorin::SaveReportPdf(TfrRep* frame) {
    const QString path = UserDialogs().SaveFileName(
        this, openDialogDirectory_,
        {QStringLiteral("PDF files (*.pdf)"), QStringLiteral("All files (*)")},
        QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    frame->PreviewFrame->FinishLayout();
    const TReportDocument& report = *frame->PreviewFrame->Report();
    QProgressDialog progress(QStringLiteral("Writing the PDF file..."), QStringLiteral("Cancel"), 0,
                             report.PageCount(), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    try {
        report.WritePdf(path, [&progress](int done) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    } catch (const std::runtime_error& error) {
        // Stopped by the user: the old file stays, and nothing is to be said.
        if (!progress.wasCanceled())
            UserDialogs().Warn(this, QString::fromStdString(error.what()));
    }
}

} // namespace lexorin
