// Occurrences of list items in the text view: highlighting, walking them,
// the positions menu, locating a context, and searching the text.
#include "FindDialog.h"
#include "MainWindow.h"
#include "Occurrences.h"
#include "ResultGrid.h"
#include "UserDialogs.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>

namespace lexorin {

std::vector<TOccurrence> TfmLexorin::CurrentOccurrences(TAnalysisPage page) const {
    switch (page) {
    case TAnalysisPage::Phrases:
        return PhraseOccurrences(state_);
    case TAnalysisPage::Wordforms:
        return WordformOccurrences(state_);
    default:
        return ConcordanceOccurrences(state_);
    }
}

void TfmLexorin::HighlightOccurrences(bool on) {
    occurrenceList_.clear();
    occurrenceIndex_ = 0;
    highlightActive_ = on;
    int returnPosition = reText_->textCursor().position();
    const TWaitCursor wait;
    // The caret goes back also when highlighting fails.
    const auto restore = qScopeGuard([&] { reText_->SelectInText(returnPosition, 0); });
    reText_->ClearHighlights();
    if (on) {
        occurrenceList_ = reText_->SetHighlights(CurrentOccurrences(ActivePage()));
        if (!occurrenceList_.empty()) {
            returnPosition = occurrenceList_.front().start;
            reText_->SetCurrentHighlight(0);
        }
    }
}

void TfmLexorin::MoveToOccurrence(bool next) {
    const int count = static_cast<int>(occurrenceList_.size());
    const int index = occurrenceIndex_ + (next ? 1 : -1);
    if (index < 0 || index >= count)
        return;
    occurrenceIndex_ = index;
    reText_->SetCurrentHighlight(index);
    const TOccurrence& at = occurrenceList_[static_cast<std::size_t>(index)];
    reText_->SelectInText(next ? at.start + at.length : at.start, 0);
}

void TfmLexorin::ShowPositionsMenu(TResultGrid* grid) {
    const TMemTable& table =
        ActivePage() == TAnalysisPage::Phrases ? state_.mteRes : state_.mteWordForms;
    if (table.Active() && table.RecordCount() > 0) {
        const TWaitCursor wait;
        pmPositions_->clear();
        QAction* heading = pmPositions_->addAction(QStringLiteral("Show position:"));
        heading->setEnabled(false);
        connect(pmPositions_->addAction(QStringLiteral("highlight all")), &QAction::triggered, this,
                [this] { HighlightOccurrences(true); });
        for (const TOccurrence& at : CurrentOccurrences(ActivePage()))
            connect(pmPositions_->addAction(QString::number(at.start)), &QAction::triggered, this,
                    [this, at] { reText_->SelectInText(at.start, at.length); });
    }
    const QRect button = grid->ButtonRect(0, 1);
    pmPositions_->popup(grid->viewport()->mapToGlobal(button.bottomLeft()));
}

void TfmLexorin::LocateContext() {
    const TMemTable& detail = state_.mteConcordanceDetail;
    if (!detail.Active() || detail.RecNo() < 0)
        return;
    reText_->SelectInText(detail.CurrentInteger("pos") - 1,
                          static_cast<int>(detail.CurrentText("word").size()));
}

void TfmLexorin::aFindExecute() {
    QString search;
    QWidget* focus = QApplication::focusWidget();
    const bool source = focus == reText_ || qobject_cast<TResultGrid*>(focus) != nullptr;
    if (source && CanCopy(focus)) {
        EditCopyExecute();
        const QMimeData* clip = QApplication::clipboard()->mimeData();
        if (clip != nullptr && clip->hasText())
            search = clip->text();
    }
    fdFind_->SetFindText(search);
    fdFind_->move(pcText_->parentWidget()->mapToGlobal(QPoint(50, 100)));
    fdFind_->show();
    fdFind_->raise();
}

void TfmLexorin::FindInText(const QString& what, bool matchCase, bool wholeWord) {
    if (!reText_->FindNext(what, matchCase, wholeWord))
        UserDialogs().Inform(fdFind_, QStringLiteral("Text not found"));
}

} // namespace lexorin
