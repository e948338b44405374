// The "Ignored words" sub-tab: the list files beside the program, the
// current list in the table mteIgnoredWords, edited in place in its grid,
// and the set of ignored words the analyses read, rebuilt from the list
// file after every change.
#pragma once

#include "MemTable.h"

#include <QString>
#include <QWidget>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;

namespace lexorin {

struct TAnalysisState;
class TIgnoredWordsGrid;
class TIgnoredWordsModel;

class TIgnoredWordsPage : public QWidget {
    Q_OBJECT
public:
    // The page keeps the state's ignoredWordSet and ignoredListPath.
    explicit TIgnoredWordsPage(TAnalysisState& state, QWidget* parent = nullptr);
    ~TIgnoredWordsPage() override;

    // At window creation: lists the list files, chooses the remembered one
    // (compared without regard to case), or else the first, and loads it.
    void Start(const QString& rememberedName);
    // The current list's name (lbWordListName).
    QString ListName() const;

    // Makes the list chosen in the drop-down current and loads it.
    void LoadIgnoredWordsTable();
    // Writes the table to the current list file; "Unable to write to %s"
    // when it cannot.
    void SaveIgnoredWordsList();
    // Rebuilds the set from the current list file.
    void LoadIgnoredWordSet();
    // Appends a word (UTF-8) and posts it, loading the list first if it is
    // not.
    void AddWord(const std::string& word);

    TMemTable& Table() { return table_; }
    // The table commands' states, brought up to date at idle time.
    void UpdateButtons();

signals:
    // A text for status panel 0.
    void StatusText(const QString& text);

private:
    // Lists the list files of the folder in the drop-down, choosing `chosen`
    // (compared without regard to case), or else the first.
    void ReadListFolder(const QString& chosen);
    // Asks a name and makes an empty list of that name the current one.
    void NewList();
    void Insert();
    void DeleteWord();
    void CancelEdit();
    void PostEdit();
    // After every post and every delete.
    void AfterPost();
    QString ListPath() const;
    static QString ListFilePath(const QString& name);

    TAnalysisState& state_;
    TMemTable table_;
    TIgnoredWordsModel* model_;
    TIgnoredWordsGrid* grid_;
    QComboBox* cbIgnoredWordsList_;
    QLabel* lbWordListName_;
    QPushButton* buttons_[4] = {}; // add new, delete, cancel, save
};

} // namespace lexorin
