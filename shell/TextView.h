// The read-only view of the loaded text. Every byte of the text (in its page) is
// one character of the view and a line break (CR LF) is one character too,
// so view offsets equal offsets in the analysed text minus one.
#pragma once

#include "Occurrences.h"

#include <QPlainTextEdit>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lexorin {

class TTextView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TTextView(QWidget* parent = nullptr);

    // Replaces the whole text (bytes of its page, line breaks CR LF); the caret goes to
    // the start with an empty selection and the highlights are cleared.
    void SetText(const std::string& text);
    // The text as bytes of its page, line breaks as CR LF.
    std::string Text() const;
    // Characters as the view counts them: a line break is one.
    int TextLength() const;
    bool HasText() const { return TextLength() > 0; }

    // Marks each occurrence (start, length in view characters, text order)
    // with the highlight background; replaces earlier highlights. Ranges are
    // clipped to the text; returns them as the view holds them.
    const std::vector<TOccurrence>& SetHighlights(std::vector<TOccurrence> occurrences);
    void ClearHighlights();
    const std::vector<TOccurrence>& Highlights() const { return highlights_; }
    // Draws the highlight of that index (-1: none) apart from the others, as
    // the one the occurrence walk is at.
    void SetCurrentHighlight(int index);

    // Selects the range (empty: puts the caret there), scrolls it into view
    // and gives the view the focus.
    void SelectInText(int start, int length);
    int SelectionStart() const;
    int SelectionLength() const;

    void SetWordWrap(bool on);
    void SetFontSize(int points);

    // " %4d:%-4d": the caret's line and column, both from 1.
    QString CaretText() const;

    // Searches forward for `what`: from the end of the selection when there
    // is one, else from the start of the text. Selects the match and returns
    // true, or leaves the selection and returns false.
    bool FindNext(const QString& what, bool matchCase, bool wholeWord);

signals:
    // The caret or the selection moved.
    void CaretMoved();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The view's characters as bytes of the page, a line break as one CR.
    std::string ViewChars() const;
    // ViewChars, kept until the document changes.
    const std::string& SearchText();
    void ShowVisibleHighlights();
    // Selects the clamped range and scrolls it into view.
    void Select(int start, int length);

    std::vector<TOccurrence> highlights_; // sorted by start
    std::int32_t longestHighlight_ = 0;
    std::ptrdiff_t currentHighlight_ = -1;
    std::optional<std::string> searchText_;
};

} // namespace lexorin
