// Texts coming in: the open dialog, Reload, a dropped file and the
// clipboard, each after the earlier results have been cleared.
#include "CodePage.h"
#include "MainWindow.h"
#include "OptionsPage.h"
#include "QtCp1251.h"
#include "ResultTabs.h"
#include "SummaryPage.h"
#include "TextLoading.h"
#include "UserDialogs.h"
#include "WaitCursor.h"
#include "WelcomePanel.h"
#include "WholeFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

namespace lexorin {
namespace {

// Above this the view alone takes seconds to fill and the character tree
// gigabytes to build: such a text is refused before anything is cleared.
constexpr qint64 kMaxTextBytes = 32 * 1024 * 1024;

// Sizes in MiB, the text's rounded up so that a text just over the limit
// does not read as the limit itself.
QString TooLarge(qint64 bytes) {
    constexpr qint64 kMiB = 1024 * 1024;
    return QStringLiteral("The text is too large: %1 MiB. Lexorin analyses texts of up to %2 MiB.")
        .arg((bytes + kMiB - 1) / kMiB)
        .arg(kMaxTextBytes / kMiB);
}

} // namespace

bool TfmLexorin::BeginLoad() {
    if (!calculation_.ClearResults(true, true, true, true))
        return false;
    // The cleared lists' count, and no filter left over from the last text.
    edPhraseFilter_->clear();
    calculation_.ShowTotalResults(ActivePage());
    tabs_->RemoveChartTabs();
    tabs_->RemoveReportTabs();
    summaryPage_->Clear();
    state_.summaryFields.clear();
    if (!state_.busy && highlightActive_)
        HighlightOccurrences(false);
    static_cast<QStackedWidget*>(reText_->parentWidget())->setCurrentWidget(reText_);
    pnWelcome_->hide();
    return true;
}

void TfmLexorin::PutText(std::string text, const QString& panelSource) {
    // A new text sorts by the language chosen in the options.
    SetTextPage(Cp1251Page(optionsPage_->Options().cbSortLanguage));
    {
        const TWaitCursor wait;
        reText_->SetWordWrap(actions_.tbWordWrap->isChecked());
        reText_->SetText(text);
        state_.viewText = std::move(text);
        highlightActive_ = false;
    }
    statusPanels_[2]->setText(QStringLiteral(" %1 bytes : ").arg(reText_->TextLength()) +
                              panelSource);
    reText_->SelectInText(0, 0);
}

void TfmLexorin::LoadTextFile(const QString& path) {
    if (const QFileInfo file(path); file.isFile() && file.size() > kMaxTextBytes) {
        UserDialogs().Warn(this, TooLarge(file.size()));
        return;
    }
    if (!BeginLoad())
        return;
    std::string bytes;
    {
        const TWaitCursor wait;
        if (!ReadWholeFile(path.toStdString(), bytes)) {
            std::string message = "Cannot open file \"";
            message += ToCp1251(path);
            message += '"';
            throw std::runtime_error(message);
        }
    }
    TLoadedText loaded = LoadText(bytes);
    bytes = {};
    PutText(std::move(loaded.text),
            loaded.fromUtf8 ? path + QStringLiteral(" (converted from UTF-8)") : path);
    sourceName_ = path;
    fileLoaded_ = true;
}

void TfmLexorin::LoadStartupFile(const QString& path) {
    QTimer::singleShot(0, this, [this, path] { LoadTextFile(path); });
}

void TfmLexorin::aPasteFileExecute() {
    if (openDialogDirectory_.isEmpty())
        openDialogDirectory_ = QApplication::applicationDirPath();
    const QString path = UserDialogs().OpenFileName(
        this, openDialogDirectory_,
        {QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*)")});
    if (path.isEmpty())
        return;
    openDialogDirectory_ = QFileInfo(path).absolutePath();
    chosenTextFile_ = path;
    LoadTextFile(path);
}

void TfmLexorin::aReloadExecute() {
    LoadTextFile(sourceName_);
}

void TfmLexorin::aPasteTextExecute() {
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    if (clip == nullptr || !clip->hasText())
        return;
    const QString text = clip->text();
    if (text.size() > kMaxTextBytes) {
        UserDialogs().Warn(this, TooLarge(text.size()));
        return;
    }
    if (!BeginLoad())
        return;
    PutText(CleanText(ToCp1251(text)), QStringLiteral("clipboard "));
    sourceName_ = QStringLiteral("Text pasted from clipboard ");
    fileLoaded_ = false;
}

void TfmLexorin::DropFiles(const QStringList& paths) {
    if (paths.size() > 1) {
        UserDialogs().Warn(this,
                           QStringLiteral("Multiple files are not accepted. Drag single file. "));
        return;
    }
    if (paths.isEmpty() || state_.busy)
        return;
    const QString path = paths.front().trimmed();
    if (!QFileInfo(path).isFile())
        return;
    if (reText_->HasText() &&
        !UserDialogs().Confirm(this, QStringLiteral("Open file ") + path + QStringLiteral("?")))
        return;
    LoadTextFile(path);
}

void TfmLexorin::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TfmLexorin::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths.append(url.toLocalFile());
    event->acceptProposedAction();
    DropFiles(paths);
}

} // namespace lexorin
