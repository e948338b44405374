#include "IgnoredWordsPage.h"

#include "AnalysisState.h"
#include "CodePage.h"
#include "FeLocale.h"
#include "IgnoredWords.h"
#include "ProgramFiles.h"
#include "ResultListModel.h"
#include "SortHeader.h"
#include "UserDialogs.h"
#include "Utf8.h"
#include "WaitCursor.h"
#include "WholeFile.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>
#include <stdexcept>

namespace lexorin {

namespace {

// A word of a list holds at most this many characters.
constexpr int kWordCharacters = 255;

std::string ListWord(std::string_view utf8) {
    return std::string(Utf8Prefix(utf8, kWordCharacters));
}

} // namespace

// The word list as an editable model: the table's rows, and while a word
// is being added, one more row at the end holding it. The words are UTF-8,
// whatever the code page of the text analysed.
class TIgnoredWordsModel : public TResultListModel {
public:
    TIgnoredWordsModel(TMemTable& table, QObject* parent)
        : TResultListModel(table,
                           {{"word", QStringLiteral("word"), 200, 0, true, TNumberFormat::General,
                             QStringLiteral("Click to sort")}},
                           // Loading sorts the list by its words.
                           TSortMarkers({{"word", TSortMarker::Ascending, 1}}), parent) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return TResultListModel::rowCount(parent) + (PendingRow() >= 0 ? 1 : 0);
    }
    // The row of the word being added; -1 when none is.
    int PendingRow() const {
        return Table().Active() && Table().Inserting() ? Table().RecordCount() : -1;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return TResultListModel::data(index, role);
        const TMemTable& table = Table();
        if (index.row() == PendingRow())
            return QString::fromStdString(table.Text(table.RowCount(), Word()));
        if (!table.Active() || index.row() >= table.RecordCount())
            return {};
        return QString::fromStdString(table.Text(table.RowOf(index.row()), Word()));
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return TResultListModel::flags(index) | Qt::ItemIsEditable;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || role != Qt::EditRole)
            return false;
        const std::string word = ListWord(value.toString().toStdString());
        TMemTable& table = Table();
        if (index.row() == PendingRow()) {
            // A new word left empty is not added.
            if (word.empty())
                return false;
            table.SetText("word", word);
            table.Post();
        } else if (table.Active() && !table.Inserting() && index.row() < table.RecordCount()) {
            table.ReplaceText(table.RowOf(index.row()), "word", word);
        } else {
            return false; // a row that is no longer there
        }
        Posted();
        return true;
    }
    std::function<void()> Posted = [] {};

private:
    int Word() const { return Table().FieldIndex("word"); }
};

// The grid of the words, which can also commit or drop the edit in
// progress from the page's buttons.
class TIgnoredWordsGrid : public QTableView {
public:
    using QTableView::QTableView;
    bool Editing() const { return state() == EditingState; }
    void FinishEdit(bool commit) {
        // The open editor: one closed before may still wait for deletion.
        QLineEdit* editor = nullptr;
        for (QLineEdit* child : viewport()->findChildren<QLineEdit*>())
            if (!child->isHidden())
                editor = child;
        if (!Editing() || editor == nullptr)
            return;
        if (commit)
            commitData(editor);
        closeEditor(editor, commit ? QAbstractItemDelegate::NoHint
                                   : QAbstractItemDelegate::RevertModelCache);
    }
};

// The drop-down of the list files, which reads the folder again each time
// it opens, so that a list file put there meanwhile is offered.
class TListChoice : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> Opening = [] {};
    void showPopup() override {
        Opening();
        QComboBox::showPopup();
    }
};

TIgnoredWordsPage::TIgnoredWordsPage(TAnalysisState& state, QWidget* parent)
    : QWidget(parent), state_(state),
      // 255 characters of up to four bytes each (ListWord cuts them).
      table_("mteIgnoredWords",
             {{"id", TFieldType::AutoInc}, {"word", TFieldType::String, 4 * kWordCharacters}}) {
    // UTF-8 words sort by the Unicode default order.
    table_.SetTextOrder(CompareUtf8);
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Words list :"), this));
    auto* choice = new TListChoice(this);
    choice->Opening = [this] { ReadListFolder(cbIgnoredWordsList_->currentText()); };
    cbIgnoredWordsList_ = choice;
    cbIgnoredWordsList_->setObjectName(QStringLiteral("cbIgnoredWordsList"));
    cbIgnoredWordsList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cbIgnoredWordsList_->setMinimumContentsLength(10);
    top->addWidget(cbIgnoredWordsList_, 1);
    auto* select = new QPushButton(QStringLiteral("Select"), this);
    select->setObjectName(QStringLiteral("btSelectList"));
    top->addWidget(select);
    auto* newList = new QPushButton(QStringLiteral("New list..."), this);
    newList->setObjectName(QStringLiteral("btNewList"));
    newList->setToolTip(QStringLiteral("Create an empty list and make it current"));
    top->addWidget(newList);
    column->addLayout(top);

    lbWordListName_ = new QLabel(QStringLiteral("lexorin"), this);
    lbWordListName_->setObjectName(QStringLiteral("lbWordListName"));
    lbWordListName_->hide();

    model_ = new TIgnoredWordsModel(table_, this);
    model_->Posted = [this] { AfterPost(); };
    grid_ = new TIgnoredWordsGrid(this);
    grid_->setObjectName(QStringLiteral("dbgIgnoredWords"));
    auto* header = new TSortHeader(*model_, grid_);
    grid_->setHorizontalHeader(header);
    grid_->setModel(model_);
    header->setStretchLastSection(true);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // A word is edited on purpose only: a double click or F2, not any key.
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    column->addWidget(grid_, 1);
    connect(header, &TSortHeader::TitleClicked, this, [this](int section, bool ctrl) {
        grid_->FinishEdit(false);
        model_->TitleClick(section, ctrl);
    });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && table_.Active() && current.row() < table_.RecordCount())
                    table_.MoveTo(current.row());
            });
    // An added word whose editor closes without a word is dropped.
    connect(grid_->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        if (table_.Active() && table_.Inserting()) {
            table_.Cancel();
            model_->Reload();
        }
    });

    auto* bottom = new QHBoxLayout;
    const char* const names[] = {"Button3", "Button4", "Button5", "Button6"};
    const char* const captions[] = {"&Add new", "&Delete", "&Cancel", "&Save"};
    const char* const hints[] = {"Insert", "Delete", "Cancel", "Post"};
    void (TIgnoredWordsPage::*const commands[])() = {
        &TIgnoredWordsPage::Insert, &TIgnoredWordsPage::DeleteWord, &TIgnoredWordsPage::CancelEdit,
        &TIgnoredWordsPage::PostEdit};
    for (int k = 0; k < 4; ++k) {
        buttons_[k] = new QPushButton(QString::fromLatin1(captions[k]), this);
        buttons_[k]->setObjectName(QString::fromLatin1(names[k]));
        buttons_[k]->setToolTip(QString::fromLatin1(hints[k]));
        // The buttons leave the focus where it is, so that an open editor
        // stays open for Cancel and Save to act on.
        buttons_[k]->setFocusPolicy(Qt::NoFocus);
        connect(buttons_[k], &QPushButton::clicked, this, commands[k]);
        bottom->addWidget(buttons_[k]);
    }
    bottom->addStretch();
    column->addLayout(bottom);
    connect(select, &QPushButton::clicked, this, &TIgnoredWordsPage::LoadIgnoredWordsTable);
    connect(newList, &QPushButton::clicked, this, &TIgnoredWordsPage::NewList);
}

TIgnoredWordsPage::~TIgnoredWordsPage() = default;

QString TIgnoredWordsPage::ListName() const {
    return lbWordListName_->text();
}

QString TIgnoredWordsPage::ListPath() const {
    return ListFilePath(ListName());
}

QString TIgnoredWordsPage::ListFilePath(const QString& name) {
    return QDir(ProgramFolder(TProgramFile::IgnoredLists)).filePath(name + QStringLiteral(".tiw"));
}

void TIgnoredWordsPage::Start(const QString& rememberedName) {
    ProvideShippedList();
    ReadListFolder(rememberedName);
    LoadIgnoredWordsTable();
}

void TIgnoredWordsPage::ReadListFolder(const QString& chosen) {
    const QDir folder(ProgramFolder(TProgramFile::IgnoredLists));
    const QSignalBlocker quiet(cbIgnoredWordsList_);
    cbIgnoredWordsList_->clear();
    // The name up to the last ".": the file's name without ".tiw".
    for (const QString& file : folder.entryList({QStringLiteral("*.tiw")},
                                                QDir::Files | QDir::Hidden | QDir::CaseSensitive))
        cbIgnoredWordsList_->addItem(file.chopped(4));
    const int found = cbIgnoredWordsList_->findText(chosen, Qt::MatchFixedString);
    cbIgnoredWordsList_->setCurrentIndex(found >= 0                         ? found
                                         : cbIgnoredWordsList_->count() > 0 ? 0
                                                                            : -1);
}

void TIgnoredWordsPage::NewList() {
    const QString name =
        UserDialogs()
            .AskText(this, QStringLiteral("New list"), QStringLiteral("Name of the new list:"))
            .trimmed();
    if (name.isEmpty())
        return;
    // The name is a file name in the lists' folder.
    if (name.startsWith(QLatin1Char('.')) ||
        name.contains(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")))) {
        UserDialogs().Warn(this, QStringLiteral("\"%1\" cannot be the name of a list: use letters, "
                                                "digits, blanks and punctuation other than "
                                                "/ \\ : * ? \" < > |")
                                     .arg(name));
        return;
    }
    // Lists are chosen by name without regard to case, so a name is taken
    // whatever the case of the list that has it.
    ReadListFolder(cbIgnoredWordsList_->currentText());
    const QString path = ListFilePath(name);
    if (cbIgnoredWordsList_->findText(name, Qt::MatchFixedString) >= 0 || QFileInfo::exists(path)) {
        UserDialogs().Warn(this, QStringLiteral("A list named \"%1\" is there already").arg(name));
        return;
    }
    if (!WriteListFile(QFile::encodeName(path).toStdString(), {}))
        throw std::runtime_error("Unable to write to " + path.toStdString());
    ReadListFolder(name);
    LoadIgnoredWordsTable();
}

void TIgnoredWordsPage::LoadIgnoredWordsTable() {
    grid_->FinishEdit(false);
    lbWordListName_->setText(cbIgnoredWordsList_->currentText());
    state_.ignoredListPath = ListPath().toStdString();
    const TWaitCursor wait;
    table_.Close();
    table_.Open();
    model_->Reload();
    if (ListName().isEmpty()) {
        state_.ignoredWordSet.Clear();
        return;
    }
    emit StatusText(QStringLiteral("Loading ignored words..."));
    state_.busy = true;
    grid_->setUpdatesEnabled(false);
    const auto restore = qScopeGuard([this] {
        state_.busy = false;
        // By word, in the direction the title shows.
        const std::string keys = model_->Markers().Keys();
        table_.Sort(keys.empty() ? "word asc" : keys);
        table_.First();
        model_->Reload();
        if (table_.RecNo() >= 0)
            grid_->setCurrentIndex(model_->index(0, 0));
        grid_->setUpdatesEnabled(true);
        emit StatusText(QString());
    });
    std::vector<std::string> lines;
    if (!ReadListLines(state_.ignoredListPath, lines)) {
        state_.ignoredWordSet.Clear();
        return;
    }
    for (const std::string& line : lines) {
        table_.Append();
        table_.SetText("word", ListWord(line));
        table_.Post();
    }
    // One write for the whole list leaves the file as a write per word
    // would: every line trimmed and lower-cased, in the file's order. A file
    // that is so already is left alone, so that a start writes nothing.
    std::string onDisk;
    if (!ReadWholeFile(state_.ignoredListPath, onDisk) || onDisk != ListFileBytes(lines))
        SaveIgnoredWordsList();
    LoadIgnoredWordSet();
}

void TIgnoredWordsPage::SaveIgnoredWordsList() {
    std::vector<std::string> words;
    words.reserve(static_cast<std::size_t>(table_.RecordCount()));
    const int field = table_.FieldIndex("word");
    for (int r = 0; r < table_.RecordCount(); ++r)
        words.push_back(table_.Text(table_.RowOf(r), field));
    if (!WriteListFile(state_.ignoredListPath, words))
        throw std::runtime_error("Unable to write to " + ListPath().toStdString());
}

void TIgnoredWordsPage::LoadIgnoredWordSet() {
    lexorin::LoadIgnoredWordSet(state_.ignoredListPath, state_.ignoredWordSet);
}

void TIgnoredWordsPage::AfterPost() {
    SaveIgnoredWordsList();
    LoadIgnoredWordSet();
}

void TIgnoredWordsPage::AddWord(const std::string& word) {
    if (!table_.Active())
        LoadIgnoredWordsTable();
    grid_->FinishEdit(false);
    table_.Cancel();
    table_.Append();
    table_.SetText("word", ListWord(word));
    table_.Post();
    model_->Reload();
    AfterPost();
}

void TIgnoredWordsPage::Insert() {
    if (!table_.Active() || table_.Inserting() || grid_->Editing())
        return;
    table_.Append();
    model_->Reload();
    const QModelIndex added = model_->index(model_->PendingRow(), 0);
    // The grid takes the focus first, so that the editor opened in it keeps it.
    if (!state_.busy && grid_->isVisible())
        grid_->setFocus();
    grid_->setCurrentIndex(added);
    grid_->scrollTo(added);
    grid_->edit(added);
}

void TIgnoredWordsPage::DeleteWord() {
    if (!table_.Active() || table_.RecordCount() == 0)
        return;
    grid_->FinishEdit(false);
    if (table_.RecNo() < 0 || !UserDialogs().Confirm(this, QStringLiteral("Delete word ? ")))
        return;
    table_.Delete();
    model_->Reload();
    if (table_.RecNo() >= 0)
        grid_->setCurrentIndex(model_->index(table_.RecNo(), 0));
    AfterPost();
}

void TIgnoredWordsPage::CancelEdit() {
    grid_->FinishEdit(false);
    if (table_.Inserting()) {
        table_.Cancel();
        model_->Reload();
    }
}

void TIgnoredWordsPage::PostEdit() {
    grid_->FinishEdit(true);
}

void TIgnoredWordsPage::UpdateButtons() {
    const bool open = table_.Active();
    const bool editing = open && (table_.Inserting() || grid_->Editing());
    buttons_[0]->setEnabled(open && !editing);
    buttons_[1]->setEnabled(open && table_.RecordCount() > 0);
    buttons_[2]->setEnabled(editing);
    buttons_[3]->setEnabled(editing);
}

} // namespace lexorin
