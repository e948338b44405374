// The lists of words drawn from the text by a search: the KWIC tab, the
// Collocates and Keywords pages, and how they lead to one another and to
// the text.
#include "Kwic.h"
#include "KwicFrame.h"
#include "MainWindow.h"
#include "OptionsPage.h"
#include "QtText.h"
#include "ResultGrid.h"
#include "ResultTabs.h"
#include "UserDialogs.h"
#include "WordListPages.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>

namespace lexorin {

void TfmLexorin::CreateWordListPages() {
    dbgCollocates_ = MakeGrid(state_.mteCollocates, "dbgCollocates");
    collocatesPage_ = new TCollocatesPage(dbgCollocates_);
    dbgKeywords_ = MakeGrid(state_.mteKeywords, "dbgKeywords");
    keywordsPage_ = new TKeywordsPage(dbgKeywords_);
    dbgKwic_ = MakeGrid(state_.mteKwic, "dbgKwic");
    // Shown in a tab of its own once asked for; kept, hidden, when closed.
    kwicFrame_ = new TKwicFrame(dbgKwic_, this);
    kwicFrame_->setObjectName(QStringLiteral("tsKwic"));
    kwicFrame_->hide();
}

void TfmLexorin::RegisterWordListOptions() {
    QLineEdit* search = collocatesPage_->SearchBox();
    optionsPage_->AddControl(
        [search](TAnalysisOptions& o) { o.edCollocSearch = search->text().toStdString(); },
        [search](const TAnalysisOptions& o) {
            search->setText(QString::fromStdString(o.edCollocSearch));
        });
    optionsPage_->AddControl(
        [this](TAnalysisOptions& o) {
            o.edKeywordReference = keywordsPage_->References().join(QLatin1Char('|')).toStdString();
        },
        [this](const TAnalysisOptions& o) {
            keywordsPage_->SetReferences(QString::fromStdString(o.edKeywordReference)
                                             .split(QLatin1Char('|'), Qt::SkipEmptyParts));
        });
    optionsPage_->AddControl(
        [this](TAnalysisOptions& o) {
            o.cbKeywordEncoding = keywordsPage_->Encoding().toStdString();
        },
        [this](const TAnalysisOptions& o) {
            keywordsPage_->SetEncoding(QString::fromStdString(o.cbKeywordEncoding));
        });
    optionsPage_->AddControl(
        [this](TAnalysisOptions& o) {
            o.edKwicSearch = kwicFrame_->Term().toStdString();
            o.edKwicNear = kwicFrame_->Near().toStdString();
            o.rseKwicSpan = kwicFrame_->Span();
            o.edKwicSort = kwicFrame_->SortKeys().toStdString();
        },
        [this](const TAnalysisOptions& o) {
            kwicFrame_->SetSearch(QString::fromStdString(o.edKwicSearch),
                                  QString::fromStdString(o.edKwicNear));
            kwicFrame_->SetSpan(o.rseKwicSpan);
            kwicFrame_->SetSortKeys(QString::fromStdString(o.edKwicSort));
        });
}

void TfmLexorin::ConnectWordLists() {
    connect(collocatesPage_, &TCollocatesPage::CalculateRequested, actions_.aSearch,
            &QAction::trigger);
    connect(keywordsPage_, &TKeywordsPage::ChooseRequested, this,
            &TfmLexorin::ChooseKeywordReference);
    connect(kwicFrame_, &TKwicFrame::ShowRequested, this, &TfmLexorin::ShowKwicLines);
    ConnectLocator(collocatesPage_->Locator(), state_.mteCollocates, dbgCollocates_);
    ConnectLocator(keywordsPage_->Locator(), state_.mteKeywords, dbgKeywords_);
    connect(kwicFrame_, &TKwicFrame::ExportRequested, this,
            [this] { ExportList(TAnalysisPage::Kwic); });
    connect(kwicFrame_, &TKwicFrame::PrintRequested, this,
            [this] { PrintList(TAnalysisPage::Kwic); });
    const auto closeKwic = [this] {
        if (const int index = pcText_->indexOf(kwicFrame_); index > 0)
            pcText_->removeTab(index);
        kwicFrame_->hide();
    };
    connect(kwicFrame_, &TKwicFrame::CloseRequested, this, closeKwic);
    tabs_->KeepTab(kwicFrame_, closeKwic);
    connect(actions_.aKwic, &QAction::triggered, this, &TfmLexorin::aKwicExecute);
    connect(actions_.aCollocates, &QAction::triggered, this,
            [this] { ShowPage(TAnalysisPage::Collocates); });
    connect(actions_.aKeywords, &QAction::triggered, this,
            [this] { ShowPage(TAnalysisPage::Keywords); });
}

void TfmLexorin::aKwicExecute() {
    // From a list, the KWIC lines of its current row: the phrase, the
    // words of a wordform, the word; otherwise the tab waits for a term.
    const TAnalysisPage page = ActivePage();
    if (page == TAnalysisPage::Phrases && state_.mteRes.RecNo() >= 0) {
        OpenKwic(FromTextBytes(TermOfWords(state_.mteRes.CurrentTextView("text"))), {});
        return;
    }
    if (page == TAnalysisPage::Wordforms && state_.mteWordForms.RecNo() >= 0) {
        const QString wordform = FromTextBytes(state_.mteWordForms.CurrentText("word"));
        const bool prefixes = state_.wordformPrefixesOnly;
        OpenKwic((prefixes ? QString() : QStringLiteral("*")) + wordform + QStringLiteral("*"), {});
        return;
    }
    if (page == TAnalysisPage::Concordance && state_.mteConcordance.RecNo() >= 0) {
        OpenKwic(FromTextBytes(state_.mteConcordance.CurrentText("word")), {});
        return;
    }
    if (page == TAnalysisPage::Collocates && state_.mteCollocates.RecNo() >= 0) {
        CollocateDoubleClick();
        return;
    }
    if (page == TAnalysisPage::Keywords && state_.mteKeywords.RecNo() >= 0) {
        KeywordDoubleClick();
        return;
    }
    ShowKwicTab();
    kwicFrame_->FocusSearch();
}

void TfmLexorin::ShowKwicTab() {
    if (pcText_->indexOf(kwicFrame_) < 0)
        pcText_->insertTab(1, kwicFrame_, QStringLiteral(" KWIC "));
    pcText_->setCurrentWidget(kwicFrame_);
}

void TfmLexorin::OpenKwic(const QString& term, const QString& near) {
    ShowKwicTab();
    kwicFrame_->SetSearch(term, near);
    ShowKwicLines();
}

void TfmLexorin::ShowKwicLines() {
    RunCalculation(TAnalysisPage::Kwic);
    // The list has fitted its numbers; the match column as wide as the
    // widest of the first matches, the two contexts sharing the rest.
    const TMemTable& lines = state_.mteKwic;
    if (!lines.Active() || lines.RecordCount() == 0)
        return;
    QFont bold = dbgKwic_->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int field = lines.FieldIndex("match");
    int widest = 0;
    for (int recNo = 0; recNo < std::min(lines.RecordCount(), 1000); ++recNo)
        widest = std::max(widest, metrics.horizontalAdvance(FromTextBytes(
                                      std::string(lines.TextView(lines.RowOf(recNo), field)))));
    QHeaderView* header = dbgKwic_->horizontalHeader();
    const int rest = dbgKwic_->viewport()->width() - header->sectionSize(0);
    // The match whole; each context keeps at least a few characters.
    const int title = header->fontMetrics().horizontalAdvance(QStringLiteral("match"));
    const int contextRoom = 2 * metrics.horizontalAdvance(QStringLiteral("mmmm"));
    const int match = std::max(std::min(widest, rest - contextRoom), title) + 12;
    header->resizeSection(1, (rest - match) / 2);
    header->resizeSection(2, match);
}

void TfmLexorin::KwicLineDoubleClick() {
    const TMemTable& lines = state_.mteKwic;
    if (!lines.Active() || lines.RecNo() < 0)
        return;
    pcText_->setCurrentIndex(0);
    reText_->SelectInText(lines.CurrentInteger("pos") - 1,
                          static_cast<int>(lines.CurrentTextView("match").size()));
}

void TfmLexorin::CollocateDoubleClick() {
    const TMemTable& words = state_.mteCollocates;
    if (!words.Active() || words.RecNo() < 0 || state_.collocateTerm.empty())
        return;
    OpenKwic(QString::fromStdString(state_.collocateTerm),
             FromTextBytes(words.CurrentText("word")));
}

void TfmLexorin::KeywordDoubleClick() {
    const TMemTable& words = state_.mteKeywords;
    if (!words.Active() || words.RecNo() < 0)
        return;
    OpenKwic(QString::fromUtf8(words.CurrentTextView("word")), {});
}

void TfmLexorin::ChooseKeywordReference() {
    const QStringList& current = keywordsPage_->References();
    // Beside the references chosen, else beside the text chosen last.
    QString directory = openDialogDirectory_;
    if (!current.isEmpty())
        directory = QFileInfo(current.first()).absolutePath();
    else if (!chosenTextFile_.isEmpty())
        directory = QFileInfo(chosenTextFile_).absolutePath();
    const QStringList chosen = UserDialogs().OpenFileNames(
        this, directory,
        {QStringLiteral("Texts and word lists (*.txt *.csv)"),
         QStringLiteral("Word lists exported from the concordance (*.csv)"),
         QStringLiteral("All files (*)")});
    if (chosen.isEmpty())
        return;
    for (const QString& path : chosen)
        if (path.contains(QLatin1Char('|'))) {
            UserDialogs().Warn(
                this, QStringLiteral("A reference's name cannot hold \"|\": %1").arg(path));
            return;
        }
    keywordsPage_->SetReferences(chosen);
}

void TfmLexorin::ShowWordListDetails() {
    kwicFrame_->SetDetails(QString::fromStdString(state_.kwicDetails));
    collocatesPage_->SetDetails(QString::fromStdString(state_.collocateDetails));
    keywordsPage_->SetDetails(QString::fromStdString(state_.keywordDetails));
}

} // namespace lexorin
