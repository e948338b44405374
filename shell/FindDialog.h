// The find dialog of the text view: the text to find, match case, whole
// word, a direction (shown, but the search always runs forward), Find Next
// and Cancel. It stays open beside the window until cancelled.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lexorin {

class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);

    void SetFindText(const QString& text);
    QString FindText() const;
    bool MatchCase() const;
    bool WholeWord() const;

signals:
    // Find Next was pressed (or Enter in the text box).
    void FindNext(const QString& text, bool matchCase, bool wholeWord);

private:
    QLineEdit* findText_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QPushButton* findNext_;
};

} // namespace lexorin
