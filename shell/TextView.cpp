#include "TextView.h"

#include "FeUtils.h"
#include "QtText.h"

#include <QScrollBar>
#include <algorithm>

namespace lexorin {

namespace {

const QColor kHighlightColour(158, 222, 211);
// The occurrence that Next and Previous occurrence are at.
const QColor kCurrentHighlightColour(255, 176, 64);

// The text with each line break as the single CR that stands for it among
// the view's characters.
std::string OneCharBreaks(std::string_view s) {
    std::string text = CrLfLineBreaks(s);
    std::erase(text, '\n');
    return text;
}

// No word character touches the range [start, end) of the text from outside.
bool IsWholeWord(std::string_view text, std::size_t start, std::size_t end) {
    return (start == 0 || !IsWordCharAt(text, start)) &&
           (end == text.size() || !IsWordCharAt(text, end + 1));
}

} // namespace

TTextView::TTextView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("reText"));
    setReadOnly(true);
    // Read-only alone hides the caret; the caret and keyboard selection stay.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    setLineWrapMode(NoWrap);
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TTextView::CaretMoved);
    connect(this, &QPlainTextEdit::selectionChanged, this, &TTextView::CaretMoved);
    connect(document(), &QTextDocument::contentsChanged, this, [this] { searchText_.reset(); });
    // Every change of the top line, by the scroll bars or by keeping the caret
    // in view, is announced with the distance scrolled.
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect&, int dy) {
        if (dy != 0)
            ShowVisibleHighlights();
    });
}

void TTextView::SetText(const std::string& text) {
    ClearHighlights();
    setPlainText(FromTextBytes(text));
    moveCursor(QTextCursor::Start);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

std::string TTextView::ViewChars() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
    return ToTextBytes(text);
}

std::string TTextView::Text() const {
    return CrLfLineBreaks(ViewChars());
}

int TTextView::TextLength() const {
    return document()->characterCount() - 1;
}

const std::vector<TOccurrence>& TTextView::SetHighlights(std::vector<TOccurrence> occurrences) {
    const std::int64_t length = TextLength();
    highlights_.clear();
    longestHighlight_ = 0;
    currentHighlight_ = -1;
    for (const TOccurrence& o : occurrences) {
        const std::int64_t start = std::clamp<std::int64_t>(o.start, 0, length);
        const std::int64_t end =
            std::clamp<std::int64_t>(std::int64_t{o.start} + o.length, 0, length);
        if (end <= start)
            continue;
        highlights_.push_back(
            {static_cast<std::int32_t>(start), static_cast<std::int32_t>(end - start)});
        longestHighlight_ = std::max(longestHighlight_, highlights_.back().length);
    }
    // The visible ones are found by binary search on the start.
    std::stable_sort(highlights_.begin(), highlights_.end(),
                     [](const TOccurrence& a, const TOccurrence& b) { return a.start < b.start; });
    ShowVisibleHighlights();
    return highlights_;
}

void TTextView::ClearHighlights() {
    highlights_.clear();
    longestHighlight_ = 0;
    currentHighlight_ = -1;
    ShowVisibleHighlights();
}

void TTextView::SetCurrentHighlight(int index) {
    currentHighlight_ = index;
    ShowVisibleHighlights();
}

// Painting every highlight would make each repaint walk all of them, so the
// view gets only those that meet the lines on screen, renewed whenever
// other lines come into view.
void TTextView::ShowVisibleHighlights() {
    QList<QTextEdit::ExtraSelection> shown;
    if (!highlights_.empty()) {
        QTextCursor top = cursorForPosition(QPoint(0, 0));
        top.movePosition(QTextCursor::StartOfLine);
        QTextCursor bottom = cursorForPosition(QPoint(viewport()->width(), viewport()->height()));
        bottom.movePosition(QTextCursor::EndOfLine);
        const int from = top.position();
        const int to = bottom.position();
        // No occurrence that starts before from - longest reaches the screen.
        auto at = std::partition_point(
            highlights_.begin(), highlights_.end(),
            [first = from - longestHighlight_](const TOccurrence& o) { return o.start < first; });
        QTextCharFormat format;
        format.setBackground(kHighlightColour);
        QTextCharFormat current;
        current.setBackground(kCurrentHighlightColour);
        current.setFontWeight(QFont::Bold);
        for (; at != highlights_.end() && at->start <= to; ++at) {
            if (at->start + at->length <= from)
                continue;
            QTextCursor range(document());
            range.setPosition(at->start);
            range.setPosition(at->start + at->length, QTextCursor::KeepAnchor);
            shown.append({range, at - highlights_.begin() == currentHighlight_ ? current : format});
        }
    }
    setExtraSelections(shown);
}

void TTextView::Select(int start, int length) {
    const int textLength = TextLength();
    const int from = std::clamp(start, 0, textLength);
    const int to = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{from} + std::max(length, 0), from, textLength));
    QTextCursor cursor = textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void TTextView::SelectInText(int start, int length) {
    Select(start, length);
    setFocus();
}

int TTextView::SelectionStart() const {
    return textCursor().selectionStart();
}

int TTextView::SelectionLength() const {
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TTextView::SetWordWrap(bool on) {
    setLineWrapMode(on ? WidgetWidth : NoWrap);
    ShowVisibleHighlights();
}

void TTextView::SetFontSize(int points) {
    if (points <= 0)
        return;
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
}

QString TTextView::CaretText() const {
    const QTextCursor cursor = textCursor();
    return QString::asprintf(" %4d:%-4d", cursor.blockNumber() + 1, cursor.positionInBlock() + 1);
}

const std::string& TTextView::SearchText() {
    if (!searchText_)
        searchText_ = ViewChars();
    return *searchText_;
}

bool TTextView::FindNext(const QString& what, bool matchCase, bool wholeWord) {
    std::string bytes;
    if (!TypedInText(what, bytes))
        return false; // a character the text's page lacks cannot be in the text
    const std::string needle = OneCharBreaks(bytes);
    if (needle.empty())
        return false;
    const std::string& text = SearchText();
    const QTextCursor cursor = textCursor();
    auto from = text.begin() + (cursor.hasSelection() ? cursor.selectionEnd() : 0);
    const auto same = [matchCase](char a, char b) {
        return matchCase ? a == b : SameCharIgnoreCase(a, b);
    };
    for (;;) {
        const auto at = std::search(from, text.end(), needle.begin(), needle.end(), same);
        if (at == text.end())
            return false;
        const auto start = static_cast<std::size_t>(at - text.begin());
        if (!wholeWord || IsWholeWord(text, start, start + needle.size())) {
            Select(static_cast<int>(start), static_cast<int>(needle.size()));
            return true;
        }
        from = at + 1;
    }
}

void TTextView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    ShowVisibleHighlights();
}

// A hidden view scrolls without announcing it.
void TTextView::showEvent(QShowEvent* event) {
    QPlainTextEdit::showEvent(event);
    ShowVisibleHighlights();
}

void TTextView::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ShowVisibleHighlights();
}

} // namespace lexorin
