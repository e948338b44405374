// Times what a user waits for in the real window, driven offscreen: the
// text into the view, each Calculate, the phrase list shown, re-sorted and
// scrolled, every occurrence of a word highlighted, and the view scrolled
// afterwards; the word's KWIC lines, its collocates and the text's keywords
// against a reference (by default the text itself, every word kept).
//
//   gui_bench [FILE] [WORD] [REFERENCE]     (default: the benchmark corpus, "the")
#include "BenchSupport.h"
#include "KwicFrame.h"
#include "LexorinApplication.h"
#include "MainWindow.h"
#include "ResultGrid.h"
#include "WindowBench.h"
#include "WordListPages.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <cstdio>

using namespace lexorin;
using lexorin::bench::Now;
using lexorin::bench::SecondsSince;

namespace {

// Seconds per step of scrolling a view through its whole height and
// painting it at each of `steps` places.
double ScrollAndPaint(QAbstractScrollArea* view, int steps) {
    QScrollBar* bar = view->verticalScrollBar();
    const auto start = Now();
    for (int k = 0; k < steps; ++k) {
        bar->setValue(bar->minimum() + (bar->maximum() - bar->minimum()) * k / (steps - 1));
        view->viewport()->repaint();
    }
    return SecondsSince(start) / steps;
}

// Seconds of a Calculate on that page, once the page is shown.
double Calculate(TfmLexorin& window, TAnalysisPage page) {
    bench::ShowPage(window, page);
    const auto start = Now();
    bench::Calculate(window);
    return SecondsSince(start);
}

void Report(const char* what, double seconds) {
    std::printf("%-44s %8.3f s\n", what, seconds);
}

} // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenPlatform();
    TLexorinApplication application(argc, argv);
    const auto [file, word] = bench::WindowBenchArgs(argc, argv);

    TfmLexorin window;
    if (!bench::ShowBenchWindow(window))
        return 1;
    auto* phrases = window.findChild<TResultGrid*>(QStringLiteral("dbgRes"));
    TTextView* view = window.TextView();

    auto start = Now();
    window.LoadTextFile(file);
    view->viewport()->repaint();
    Report("text into the view", SecondsSince(start));
    std::printf("%-44s %8d\n", "  characters", view->TextLength());

    Report("phrase frequency, Calculate as a whole", Calculate(window, TAnalysisPage::Phrases));
    std::printf("%-44s %8d\n", "  rows", window.State().mteRes.RecordCount());
    for (bool autoHeight : {true, false}) {
        phrases->SetAutoRowHeight(autoHeight);
        start = Now();
        phrases->Reload();
        phrases->viewport()->repaint();
        Report(autoHeight ? "phrase list shown, rows adjusted" : "phrase list shown, one-line rows",
               SecondsSince(start));
        Report(autoHeight ? "  scroll and paint, rows adjusted"
                          : "  scroll and paint, one-line rows",
               ScrollAndPaint(phrases, 50));
    }
    QHeaderView* header = phrases->horizontalHeader();
    for (int column : {1, 0, 3}) {
        start = Now();
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, Qt::NoModifier,
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        phrases->viewport()->repaint();
        char what[64];
        std::snprintf(what, sizeof what, "re-sort on a title click (column %d)", column);
        Report(what, SecondsSince(start));
    }

    Report("concordance, Calculate as a whole", Calculate(window, TAnalysisPage::Concordance));
    auto* locator = window.findChild<QLineEdit*>(QStringLiteral("edConcLocator"));
    locator->setText(word);
    emit locator->textEdited(word);
    auto* words = window.findChild<TResultGrid*>(QStringLiteral("dbgConcordanceTop"));
    start = Now();
    words->PressButton(0, 0);
    view->viewport()->repaint();
    Report("highlight every occurrence", SecondsSince(start));
    std::printf("%-44s %8zu\n", "  occurrences", window.OccurrenceList().size());
    Report("  scroll and paint the view afterwards", ScrollAndPaint(view, 50));
    start = Now();
    window.Actions().aClearSelection->trigger();
    Report("clear all selections", SecondsSince(start));

    window.UpdateActions();
    start = Now();
    window.Actions().aKwic->trigger();
    Report("KWIC lines of the word, shown", SecondsSince(start));
    auto* kwic = window.findChild<TKwicFrame*>();
    kwic->SetSortKeys(QStringLiteral("R1,R2,R3"));
    start = Now();
    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("btKwicShow")), Qt::LeftButton);
    window.findChild<TResultGrid*>(QStringLiteral("dbgKwic"))->viewport()->repaint();
    Report("  again, sorted by R1, R2, R3", SecondsSince(start));
    std::printf("%-44s %8d\n", "  lines", window.State().mteKwic.RecordCount());

    window.findChild<QLineEdit*>(QStringLiteral("edCollocSearch"))->setText(word);
    Report("collocates of the word, Calculate as a whole",
           Calculate(window, TAnalysisPage::Collocates));
    std::printf("%-44s %8d\n", "  rows", window.State().mteCollocates.RecordCount());

    const QString reference = argc > 3 ? QString::fromLocal8Bit(argv[3]) : file;
    window.findChild<TKeywordsPage*>()->SetReferences({reference});
    if (argc <= 3)
        window.findChild<QComboBox*>(QStringLiteral("cbKeywordThreshold"))->setCurrentIndex(0);
    Report("keywords, Calculate as a whole", Calculate(window, TAnalysisPage::Keywords));
    std::printf("%-44s %8d\n", "  rows", window.State().mteKeywords.RecordCount());

    Report("wordforms, Calculate as a whole", Calculate(window, TAnalysisPage::Wordforms));
    std::printf("%-44s %8.0f MiB\n", "peak memory", lexorin::bench::PeakMiB());
    window.hide();
    return 0;
}
