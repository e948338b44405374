#include "TextView.h"

#include "AnalysisState.h"
#include "FeUtils.h"
#include "QtText.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace lexorin {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int k = 0; k < times; ++k)
        text += piece;
    return text;
}

TEST(TextView, IsAReadOnlyPlainTextView) {
    TTextView view;
    EXPECT_EQ(view.objectName(), "reText");
    EXPECT_TRUE(view.isReadOnly());
    EXPECT_FALSE(view.isUndoRedoEnabled());
    EXPECT_TRUE(view.textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_FALSE(view.textInteractionFlags() & Qt::LinksAccessibleByMouse);
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        EXPECT_EQ(view.palette().color(QPalette::Inactive, role),
                  view.palette().color(QPalette::Active, role));
    view.SetWordWrap(true);
    EXPECT_EQ(view.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    view.SetWordWrap(false);
    EXPECT_EQ(view.lineWrapMode(), QPlainTextEdit::NoWrap);
    view.SetFontSize(14);
    EXPECT_EQ(view.font().pointSize(), 14);
}

// Offsets of the view are offsets of the analysed text, so every highlight
// and every find lands on the right characters.
TEST(TextView, EachLineBreakIsOneCharacterAtTheOffsetOfTheAnalysedText) {
    const std::vector<std::string> texts = {
        "ab\r\ncd\r\n\r\nef", "\r\nx\r\n", "a\rb\r\rc\r", "one\r\ntwo\rthree\r\n", "x",
    };
    TTextView view;
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        view.SetText(text);
        const std::string analysed = PrepareText(text);
        ASSERT_EQ(view.TextLength(), static_cast<int>(analysed.size()));
        for (std::size_t i = 0; i < analysed.size(); ++i) {
            const QChar expected =
                analysed[i] == ' ' ? QChar(QChar::ParagraphSeparator) : QChar(analysed[i]);
            EXPECT_EQ(view.document()->characterAt(static_cast<int>(i)), expected) << i;
        }
        EXPECT_EQ(view.Text(), CrLfLineBreaks(text));
    }
    // Whatever breaks come in, the text read back corresponds to the view.
    view.SetText("a\nb\n\rc");
    EXPECT_EQ(view.Text(), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(view.TextLength(), static_cast<int>(PrepareText(view.Text()).size()));
}

TEST(TextView, GivesBackEveryByteOfTheText) {
    std::string text;
    for (int b = 1; b < 256; ++b) {
        if (b == '\r' || b == '\n')
            continue;
        text += static_cast<char>(b);
        if (b % 16 == 0)
            text += "\r\n";
    }
    text += "\r\n\r\n";
    TTextView view;
    view.SetText(text);
    EXPECT_EQ(view.Text(), text);
    EXPECT_EQ(view.TextLength(), static_cast<int>(PrepareText(text).size()));
}

TEST(TextView, NewTextStartsAtTheTopWithoutSelectionOrHighlights) {
    TTextView view;
    view.resize(300, 200);
    view.show();
    view.SetText(Repeat("some line\r\n", 500));
    view.SetHighlights({{20, 4}});
    view.SelectInText(view.TextLength() - 5, 3);
    ASSERT_GT(view.verticalScrollBar()->value(), 0);
    view.SetText(Repeat("other line\r\n", 400));
    EXPECT_EQ(view.SelectionStart(), 0);
    EXPECT_EQ(view.SelectionLength(), 0);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(view.Highlights().empty());
    EXPECT_TRUE(view.extraSelections().empty());
    EXPECT_EQ(view.TextLength(), 400 * 11);
}

TEST(TextView, HighlightsAreClippedToTheTextAndLeaveTheSelection) {
    TTextView view;
    view.SetText("0123456789\r\nabcdefghij"); // 21 characters
    view.SelectInText(3, 2);
    const std::vector<TOccurrence> expected = {{0, 3}, {5, 2}, {12, 4}, {19, 2}};
    EXPECT_EQ(view.SetHighlights({{-2, 5}, {12, 4}, {5, 2}, {19, 10}, {21, 3}, {8, 0}, {9, -4}}),
              expected);
    EXPECT_EQ(view.Highlights(), expected);
    EXPECT_EQ(view.SelectionStart(), 3);
    EXPECT_EQ(view.SelectionLength(), 2);
    view.ClearHighlights();
    EXPECT_TRUE(view.Highlights().empty());
    EXPECT_TRUE(view.extraSelections().empty());
}

// The view paints only the highlights on screen; they must follow the
// scrolling and the size of the view.
TEST(TextView, PaintsTheHighlightsOnScreen) {
    std::string text;
    std::vector<TOccurrence> occurrences;
    int offset = 0;
    for (int line = 0; line < 2000; ++line) {
        const std::string number = std::to_string(line);
        occurrences.push_back({offset + static_cast<int>(number.size()) + 1, 3});
        text += number + " the line\r\n";
        offset += static_cast<int>(number.size()) + 10;
    }
    TTextView view;
    view.resize(400, 200);
    view.show();
    view.SetText(text);
    ASSERT_EQ(view.TextLength(), offset);
    // A long one from line 990 to line 1010.
    const int from990 = view.document()->findBlockByNumber(990).position();
    const int to1010 = view.document()->findBlockByNumber(1010).position();
    occurrences.push_back({from990, to1010 - from990});
    view.SetHighlights(occurrences);
    const int lineHeight = view.cursorRect().height();

    auto check = [&](const char* where) {
        SCOPED_TRACE(where);
        const int height = view.viewport()->height();
        std::vector<TOccurrence> shown;
        for (const QTextEdit::ExtraSelection& s : view.extraSelections()) {
            EXPECT_EQ(s.format.background().color(), QColor(158, 222, 211));
            shown.push_back(
                {s.cursor.selectionStart(), s.cursor.selectionEnd() - s.cursor.selectionStart()});
        }
        EXPECT_GT(shown.size(), 3u);
        EXPECT_LT(shown.size(), 60u);
        for (const TOccurrence& o : view.Highlights()) {
            QTextCursor start(view.document());
            start.setPosition(o.start);
            QTextCursor end(view.document());
            end.setPosition(o.start + o.length);
            const int top = view.cursorRect(start).top();
            const int bottom = view.cursorRect(end).bottom();
            const bool isShown = std::find(shown.begin(), shown.end(), o) != shown.end();
            if (top >= 0 && bottom <= height) {
                EXPECT_TRUE(isShown) << o.start << " on screen";
            }
            if (bottom < -lineHeight || top > height + lineHeight) {
                EXPECT_FALSE(isShown) << o.start << " off screen";
            }
        }
        return shown;
    };
    check("top");
    view.verticalScrollBar()->setValue(1000);
    const std::vector<TOccurrence> middle = check("middle");
    EXPECT_NE(std::find(middle.begin(), middle.end(), occurrences.back()), middle.end());
    view.resize(400, 400);
    check("taller");
    const int points = view.font().pointSize();
    view.SetFontSize(points * 3);
    check("larger font");
    view.SetFontSize(points);
    view.SetWordWrap(true);
    view.resize(60, 400);
    check("wrapped");
    view.SelectInText(view.TextLength(), 0);
    check("end");
    view.hide();
    view.SelectInText(view.document()->findBlockByNumber(1500).position(), 0);
    view.show();
    check("shown again");
}

TEST(TextView, SelectsARangeAndReadsOutTheCaret) {
    std::string text = Repeat("line\r\n", 11) + std::string(400, 'x') + "\r\n" +
                       Repeat("\r\n", 10000) + std::string(12400, 'y');
    TTextView view;
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.SetText(text);
    const int line12 = 11 * 5;
    const int lastLine = line12 + 401 + 10000; // line 10013
    struct Case {
        int start, length;
        int selectionStart, selectionLength;
        const char* caret;
    };
    const Case cases[] = {
        {0, 0, 0, 0, "    1:1   "},
        {5, 0, 5, 0, "    2:1   "},
        {line12 + 344, 0, line12 + 344, 0, "   12:345 "},
        {line12 + 340, 4, line12 + 340, 4, "   12:345 "},
        {lastLine + 12344, 0, lastLine + 12344, 0, " 10013:12345"},
        {-7, 2, 0, 2, "    1:3   "},
        {view.TextLength() - 2, 50, view.TextLength() - 2, 2, " 10013:12401"},
        {view.TextLength() + 9, 3, view.TextLength(), 0, " 10013:12401"},
        {3, -1, 3, 0, "    1:4   "},
    };
    QSignalSpy moved(&view, &TTextView::CaretMoved);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        view.SelectInText(0, 0);
        view.clearFocus();
        moved.clear();
        view.SelectInText(c.start, c.length);
        EXPECT_EQ(view.SelectionStart(), c.selectionStart);
        EXPECT_EQ(view.SelectionLength(), c.selectionLength);
        EXPECT_EQ(view.CaretText(), c.caret);
        EXPECT_TRUE(view.hasFocus());
        if (c.selectionStart + c.selectionLength > 0) {
            EXPECT_GT(moved.count(), 0);
        }
        const QRect caret = view.cursorRect();
        EXPECT_TRUE(view.viewport()->rect().intersects(caret)) << "scrolled into view";
    }
}

TEST(TextView, FindsForwardFromTheSelection) {
    TTextView view;
    // "Other" holds "the"; the break is one character.
    view.SetText("Other the\r\nTHE then the_x John's s the.");
    const int end = view.TextLength();
    view.SelectInText(end, 0);
    struct Step {
        const char* what;
        bool matchCase, wholeWord;
        int found; // -1: not found, the selection stays
        int length;
    };
    const Step steps[] = {
        {"the", false, false, 1, 3}, // from the top although the caret is at the end
        {"the", false, false, 6, 3}, // after the hit
        {"the", false, false, 10, 3},
        {"the", false, true, 34, 3}, // "then", "the_x" are no whole words
        {"the", false, true, -1, 0}, // nothing after the last one
        {"THE", true, false, -1, 0}, // still after the last one
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.found);
        const int before = view.SelectionStart();
        const int beforeLength = view.SelectionLength();
        ASSERT_EQ(view.FindNext(step.what, step.matchCase, step.wholeWord), step.found >= 0);
        EXPECT_EQ(view.SelectionStart(), step.found >= 0 ? step.found : before);
        EXPECT_EQ(view.SelectionLength(), step.found >= 0 ? step.length : beforeLength);
    }

    struct Search {
        const char* what;
        bool matchCase, wholeWord;
        int found, length;
    };
    const Search searches[] = {
        {"THE", true, false, 10, 3},       {"the", false, true, 6, 3},
        {"s", false, true, 32, 1},        // the s of "John's" belongs to the word
        {"the\nthe", false, false, 6, 7}, // a line break in the search text is one character
        {"the\r\nTHE", true, false, 6, 7}, {"", false, false, -1, 0},
        {"thee", false, false, -1, 0},
    };
    for (const Search& search : searches) {
        SCOPED_TRACE(search.what);
        view.SelectInText(end, 0);
        ASSERT_EQ(view.FindNext(search.what, search.matchCase, search.wholeWord),
                  search.found >= 0);
        if (search.found >= 0) {
            EXPECT_EQ(view.SelectionStart(), search.found);
            EXPECT_EQ(view.SelectionLength(), search.length);
        }
    }
}

// Case is folded by the program's own cp1251 rules, Cyrillic included.
TEST(TextView, FindIgnoresTheCaseOfEveryCp1251Letter) {
    TTextView view;
    for (int b = 1; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (c == '\r' || c == '\n' || c == ' ')
            continue;
        SCOPED_TRACE(b);
        view.SetText(std::string(" ") + static_cast<char>(UpperChar(c)) + " " +
                     static_cast<char>(LowerChar(c)));
        const QString what = FromTextBytes(std::string(1, c));
        EXPECT_TRUE(view.FindNext(what, false, false));
        EXPECT_EQ(view.SelectionStart(), 1);
        view.SelectInText(0, 0);
        EXPECT_TRUE(view.FindNext(what, true, false));
        EXPECT_EQ(view.SelectionStart(), IsUpperCase(c) || UpperChar(c) == LowerChar(c) ? 1 : 3);
    }
    view.SetText("\xB8\xEB\xEA\xE0 \xC5\xCB\xCA\xC0 \xA8\xCB\xCA\xC0?"); // ёлка ЕЛКА ЁЛКА?
    EXPECT_TRUE(view.FindNext(QString::fromUtf8("ЁЛКА"), false, true));
    EXPECT_EQ(view.SelectionStart(), 0);
    EXPECT_TRUE(view.FindNext(QString::fromUtf8("ЁЛКА"), false, true));
    EXPECT_EQ(view.SelectionStart(), 10);
    view.SelectInText(0, 0);
    EXPECT_FALSE(view.FindNext(QString::fromUtf8("ā"), false, false)) << "no '?' for it";
}

} // namespace
} // namespace lexorin
