#include "HintWindows.h"

#include "FeUtils.h"
#include "QtText.h"

#include <QApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVBoxLayout>

namespace lexorin {
namespace {

void UseTooltipColours(QWidget* widget) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

bool ClosesHints(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

THintWindow::THintWindow(QWidget* parent)
    : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint), text_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("phraseHintWindow"));
    setFrameShape(QFrame::Box);
    UseTooltipColours(this);
    text_->setReadOnly(true);
    text_->setFrameShape(QFrame::NoFrame);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setWordWrapMode(QTextOption::WordWrap);
    text_->document()->setDocumentMargin(2);
    UseTooltipColours(text_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
}

QRect THintWindow::Measure(const QString& text, int maxWidth) const {
    const QRect box = fontMetrics().boundingRect(QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap,
                                                 text.left(MeasuredChars));
    // the frame, the document's margin and a little room for the text cursor
    const int extra = 2 * (frameWidth() + 2) + 4;
    return {0, 0, box.width() + extra, box.height() + extra};
}

void THintWindow::SetText(const QString& text) {
    whole_ = text;
    if (text.size() <= MeasuredChars) {
        text_->setPlainText(text);
        return;
    }
    // A document lays out only the paragraphs in view, so a long text is
    // shown in paragraphs of a few thousand characters, each ending at a blank.
    QString shown;
    shown.reserve(text.size());
    for (qsizetype from = 0; from < text.size();) {
        qsizetype to = text.indexOf(QLatin1Char(' '), from + MeasuredChars);
        if (to < 0)
            to = text.size();
        shown += QStringView(text).mid(from, to - from);
        if (to < text.size())
            shown += QLatin1Char('\n');
        from = to + 1;
    }
    text_->setPlainText(shown);
}

QString THintWindow::Text() const {
    return whole_;
}

TWordFormsHintFrame::TWordFormsHintFrame(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("WDFormsFrame"));
    setFrameShape(QFrame::Box);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnMain"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(0, 0, 0, 0);
    words_ = new QTextEdit(panel);
    words_->setObjectName(QStringLiteral("rxeWords"));
    words_->setFrameShape(QFrame::NoFrame);
    words_->setReadOnly(true);
    words_->setLineWrapMode(QTextEdit::NoWrap);
    words_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    words_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    UseTooltipColours(words_);
    inner->addWidget(words_);
    hide();
}

QFont TWordFormsHintFrame::TextFont() const {
    return words_->font();
}

void TWordFormsHintFrame::ShowWords(const std::vector<std::string>& words, int length,
                                    const std::string& wordform) {
    words_->clear();
    QTextCursor cursor(words_->document());
    QTextCharFormat normal;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bool first = true;
    for (const std::string& word : words) {
        std::string s(TrimControls(word));
        if (!first)
            cursor.insertBlock();
        first = false;
        const std::size_t p = s.find(wordform);
        if (p != std::string::npos && p > 0) {
            cursor.insertText(FromTextBytes(s.substr(0, p)), normal);
            s.erase(0, p);
        }
        const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(length), s.size());
        cursor.insertText(FromTextBytes(s.substr(0, n)), bold);
        cursor.insertText(FromTextBytes(s.substr(n)), normal);
    }
}

QString TWordFormsHintFrame::GetWordsText() const {
    return words_->toPlainText();
}

THintCloser::THintCloser(THintWindow* phraseHint, TWordFormsHintFrame* wordsFrame, QObject* parent)
    : QObject(parent), phraseHint_(phraseHint), wordsFrame_(wordsFrame) {
    qApp->installEventFilter(this);
}

bool THintCloser::eventFilter(QObject* watched, QEvent* event) {
    if (!ClosesHints(event->type()))
        return QObject::eventFilter(watched, event);
    // the hint's own scroll bar and wheel scroll a long text
    if (auto* widget = qobject_cast<QWidget*>(watched);
        widget != nullptr && phraseHint_->isVisible() &&
        (event->type() != QEvent::KeyPress && phraseHint_->isAncestorOf(widget)))
        return false;
    if (phraseHint_->isVisible()) {
        phraseHint_->hide();
        return true;
    }
    if (wordsFrame_->isVisible()) {
        wordsFrame_->hide();
        return true;
    }
    return false;
}

} // namespace lexorin
