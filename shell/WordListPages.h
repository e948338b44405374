// The Collocates and Keywords task pages: what the list is drawn from (a
// search term, or the reference files), a line saying what the list on
// show counted, and the list.
#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace lexorin {

class TElidedLabel;
class TResultGrid;

// A box for a search term, named `name`, with the term's syntax as its
// tooltip.
QLineEdit* NewSearchTermBox(QWidget* parent, const char* name);

class TCollocatesPage : public QWidget {
    Q_OBJECT
public:
    // `grid` shows the collocates; the page takes it in.
    explicit TCollocatesPage(TResultGrid* grid, QWidget* parent = nullptr);

    QLineEdit* SearchBox() const { return edCollocSearch_; }
    // The box that finds a word in the list as it is typed.
    QLineEdit* Locator() const { return edCollocLocator_; }
    void SetDetails(const QString& details);

signals:
    // Return in the search box.
    void CalculateRequested();

private:
    QLineEdit* edCollocSearch_;
    QLabel* lbCollocDetails_;
    QLineEdit* edCollocLocator_;
};

class TKeywordsPage : public QWidget {
    Q_OBJECT
public:
    // `grid` shows the keywords; the page takes it in.
    explicit TKeywordsPage(TResultGrid* grid, QWidget* parent = nullptr);

    const QStringList& References() const { return references_; }
    QLineEdit* Locator() const { return edKeywordLocator_; }
    // The encoding the references are read in; empty: by their bytes.
    QString Encoding() const;
    void SetEncoding(const QString& encoding);
    void SetReferences(const QStringList& paths);
    void SetDetails(const QString& details);

signals:
    // "Choose..." was pressed.
    void ChooseRequested();

private:
    QStringList references_;
    TElidedLabel* lbKeywordReference_;
    QLabel* lbKeywordDetails_;
    QLineEdit* edKeywordLocator_;
    QComboBox* cbKeywordEncoding_;
};

} // namespace lexorin
