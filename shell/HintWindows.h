// The floating hints of the result lists: the phrase as written, and the
// frame of full words holding a wordform. The next key press or mouse click
// anywhere in the program hides whichever is showing and is consumed.
#pragma once

#include <QFrame>
#include <string>
#include <vector>

class QPlainTextEdit;
class QTextEdit;

namespace lexorin {

// A plain hint window in the tooltip colours; a text longer than the window
// scrolls.
class THintWindow : public QFrame {
public:
    explicit THintWindow(QWidget* parent = nullptr);
    // The rectangle the text takes when lines wrap between words at
    // `maxWidth`; a longer word widens it. Of a long text only its first
    // MeasuredChars characters are measured.
    // A text longer than MeasuredChars shows in paragraphs about that long.
    QRect Measure(const QString& text, int maxWidth) const;
    void SetText(const QString& text);
    QString Text() const;

    static constexpr qsizetype MeasuredChars = 4000;

private:
    QPlainTextEdit* text_;
    QString whole_;
};

// The words that hold a wordform, one per line, the wordform's own
// characters in bold.
class TWordFormsHintFrame : public QFrame {
public:
    explicit TWordFormsHintFrame(QWidget* parent = nullptr);
    void ShowWords(const std::vector<std::string>& words, int length, const std::string& wordform);
    QString GetWordsText() const;
    QFont TextFont() const;

private:
    QTextEdit* words_;
};

// Watches every event of the program while a hint shows.
class THintCloser : public QObject {
public:
    THintCloser(THintWindow* phraseHint, TWordFormsHintFrame* wordsFrame, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    THintWindow* phraseHint_;
    TWordFormsHintFrame* wordsFrame_;
};

} // namespace lexorin
