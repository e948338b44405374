// Texts coming in: the open dialog, Reload, a dropped file and the
// clipboard, each after the earlier results have been cleared.
#include "CodePage.h"
#include "IgnoredWordsPage.h"
#include "MainWindow.h"
#include "OptionsPage.h"
#include "QtText.h"
#include "ResultTabs.h"
#include "SummaryPage.h"
#include "TextLoading.h"
#include "UserDialogs.h"
#include "WaitCursor.h"
#include "WelcomePanel.h"
#include "WholeFile.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
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
    ShowWordListDetails();
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

std::optional<TLoadedText> TfmLexorin::ReadText(const std::string& bytes,
                                                const std::string& encoding) {
    try {
        const TWaitCursor wait;
        return LoadTextInEncoding(bytes, encoding, optionsPage_->Options().cbSortLanguage);
    } catch (const EEncoding& refused) { // too many characters too
        UserDialogs().Warn(this, QString::fromStdString(refused.what()));
    }
    return std::nullopt;
}

void TfmLexorin::PutText(TLoadedText loaded, const QString& panelSource) {
    // Everything that reads the text reads it through its page from now on:
    // the view, the lists, the ignored words.
    SetTextPage(loaded.page);
    ignoredWordsPage_->LoadIgnoredWordSet();
    {
        const TWaitCursor wait;
        reText_->SetWordWrap(actions_.tbWordWrap->isChecked());
        reText_->SetText(loaded.text);
        state_.viewText = std::move(loaded.text);
        state_.referenceEncoding = loaded.fromUtf8 ? std::string() : loaded.encoding;
        highlightActive_ = false;
    }
    statusPanels_[2]->setText(QStringLiteral(" %1 bytes : ").arg(reText_->TextLength()) +
                              panelSource);
    reText_->SelectInText(0, 0);
}

bool TfmLexorin::LoadTextFile(const QString& path) {
    if (const QFileInfo file(path); file.isFile() && file.size() > kMaxTextBytes) {
        UserDialogs().Warn(this, TooLarge(file.size()));
        return false;
    }
    std::string bytes;
    {
        const TWaitCursor wait;
        if (!ReadWholeFile(path.toStdString(), bytes)) {
            std::string message = "Cannot open file \"";
            message += path.toStdString();
            message += '"';
            throw std::runtime_error(message);
        }
    }
    std::optional<TLoadedText> loaded = ReadText(bytes, encoding_.toStdString());
    bytes = {};
    if (!loaded || !BeginLoad())
        return false;
    // The encoding named when it is not plain Windows-1251.
    QString source = path;
    if (loaded->encoding == "UTF-8")
        source += QStringLiteral(" (converted from UTF-8)");
    else if (loaded->encoding != "windows-1251")
        source += QStringLiteral(" (%1)").arg(QString::fromStdString(loaded->encoding));
    PutText(std::move(*loaded), source);
    sourceName_ = path;
    fileLoaded_ = true;
    return true;
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
    std::optional<TLoadedText> loaded = ReadText(text.toStdString(), "utf-8");
    if (!loaded || !BeginLoad())
        return;
    // Only an alphabet of its own is worth naming for the clipboard.
    QString source = QStringLiteral("clipboard ");
    if (loaded->page->Name() != "windows-1251")
        source += QStringLiteral("(%1)").arg(QString::fromStdString(loaded->encoding));
    PutText(std::move(*loaded), source);
    sourceName_ = QStringLiteral("Text pasted from clipboard ");
    fileLoaded_ = false;
}

void TfmLexorin::CreateEncodingMenu() {
    // After "Paste from clipboard", with the other loading commands.
    QAction* before = actions_.miText->actions().value(3);
    miEncoding_ = new QMenu(QStringLiteral("Encoding"), this);
    miEncoding_->setObjectName(QStringLiteral("miEncoding"));
    miEncoding_->menuAction()->setObjectName(QStringLiteral("miEncoding"));
    actions_.miText->insertMenu(before, miEncoding_);
    auto* group = new QActionGroup(miEncoding_);
    QStringList names = {QString()};
    for (const std::string& name : ReadableEncodings())
        names << QString::fromStdString(name);
    // A remembered name this build does not offer: chosen by the bytes.
    if (!names.contains(encoding_))
        encoding_.clear();
    for (const QString& name : names) {
        QAction* choice =
            miEncoding_->addAction(name.isEmpty() ? QStringLiteral("Automatic") : name);
        choice->setCheckable(true);
        choice->setData(name);
        choice->setChecked(name == encoding_);
        group->addAction(choice);
        if (name.isEmpty())
            miEncoding_->addSeparator();
        connect(choice, &QAction::triggered, this, [this, name] { ChooseEncoding(name); });
    }
}

void TfmLexorin::ChooseEncoding(const QString& encoding) {
    // The text of a file is read again in the encoding chosen; the choice
    // stands only when it is.
    const QString previous = encoding_;
    encoding_ = encoding;
    const auto showChoice = qScopeGuard([this] {
        for (QAction* choice : miEncoding_->actions())
            if (choice->isCheckable())
                choice->setChecked(choice->data().toString() == encoding_);
    });
    try {
        if (fileLoaded_ && !LoadTextFile(sourceName_))
            encoding_ = previous;
    } catch (...) {
        encoding_ = previous;
        throw;
    }
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
