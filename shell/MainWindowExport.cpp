// The Export command: the active list to a file of comma-separated values
// or to an Excel workbook.
#include "ConcordanceExportSetup.h"
#include "ExportFile.h"
#include "MainWindow.h"
#include "OptionsPage.h"
#include "QtText.h"
#include "UserDialogs.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace lexorin {

void TfmLexorin::aExportExecute() {
    ExportList(ActivePage());
}

void TfmLexorin::ExportList(TAnalysisPage page) {
    // The first export starts where a text was last chosen with Load from
    // file in this run, or beside the program; that folder then stays for
    // the rest of the run.
    if (exportDialogDirectory_.isEmpty() && !chosenTextFile_.isEmpty())
        exportDialogDirectory_ = QFileInfo(chosenTextFile_).absolutePath();
    if (exportDialogDirectory_.isEmpty())
        exportDialogDirectory_ = QApplication::applicationDirPath();
    const QString path = UserDialogs().SaveFileName(
        this, exportDialogDirectory_,
        {QStringLiteral("Comma separated values (*.csv)"), QStringLiteral("Text files (*.txt)"),
         QStringLiteral("Excel workbook (*.xlsx)")},
        QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    if (const QString problem = optionsPage_->CsvProblem();
        !problem.isEmpty() && !IsWorkbookName(QFile::encodeName(path).toStdString())) {
        UserDialogs().Warn(this, problem);
        return;
    }
    TConcordanceLayout layout = TConcordanceLayout::Basic;
    if (page == TAnalysisPage::Concordance) {
        const int chosen = ExecuteConcordanceExportSetup(this);
        if (chosen == 0)
            return;
        if (chosen == 2)
            layout = TConcordanceLayout::Professional;
    }
    int rows = 0;
    {
        const TWaitCursor wait;
        try {
            rows = WriteExportFile(state_, page, layout, optionsPage_->Options(),
                                   QFile::encodeName(path).toStdString());
        } catch (const std::runtime_error& error) {
            throw std::runtime_error("Cannot write file \"" + path.toStdString() +
                                     "\": " + error.what());
        }
    }
    ShowStatus(QStringLiteral("Exported %1 rows to %2").arg(rows).arg(path));
}

} // namespace lexorin
