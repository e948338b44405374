// Drives the phrase list of the real window, offscreen, through a text whose
// phrases are long: calculated, shown with "Adjust row height" on, scrolled,
// sorted by every column, and the current row's "Original phrase" hint
// opened. Prints how long each step took, the longest of them and the peak
// memory. BREAKS replaces the phrase break characters (".?!"); an empty one
// lets phrases run over sentences, so that a text held twice is one phrase.
//
//   phrase_window_bench [FILE [BREAKS]]     (default: the benchmark corpus)
#include "BenchSupport.h"
#include "LexorinApplication.h"
#include "MainWindow.h"
#include "ResultGrid.h"
#include "WindowBench.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace lexorin;
using lexorin::bench::Now;
using lexorin::bench::SecondsSince;

namespace {

double slowestStep = 0; // the longest step the user waits for without a progress bar

double Timed(const std::function<void()>& step) {
    const auto start = Now();
    step();
    return SecondsSince(start);
}

void Step(const char* what, const std::function<void()>& step, bool calculation = false) {
    const double seconds = Timed(step);
    if (!calculation)
        slowestStep = std::max(slowestStep, seconds);
    std::printf("%-44s %8.3f s\n", what, seconds);
}

// The record of the phrase of most words.
int Longest(const TMemTable& table) {
    const int words = table.FieldIndex("words");
    int longest = 0;
    for (int recNo = 1; recNo < table.RecordCount(); ++recNo)
        if (table.Integer(table.RowOf(recNo), words) > table.Integer(table.RowOf(longest), words))
            longest = recNo;
    return longest;
}

// Sorts by the words column until the phrase of most words comes first.
void ShowLongestFirst(TResultGrid* phrases, const TMemTable& table) {
    QHeaderView* header = phrases->horizontalHeader();
    for (int k = 0; k < 2 && Longest(table) != 0; ++k)
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    phrases->scrollToTop();
    phrases->setCurrentIndex(phrases->model()->index(0, 0));
    phrases->viewport()->repaint();
}

} // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenPlatform();
    TLexorinApplication application(argc, argv);
    const QString file = bench::WindowBenchArgs(argc, argv).file;

    TfmLexorin window;
    if (!bench::ShowBenchWindow(window))
        return 1;
    auto* phrases = window.findChild<TResultGrid*>(QStringLiteral("dbgRes"));
    auto* autoHeight = window.findChild<QCheckBox*>(QStringLiteral("cbAutoPhraseHeight"));
    bench::ShowPage(window, TAnalysisPage::Phrases);
    autoHeight->setChecked(true);
    if (argc > 2)
        window.findChild<QLineEdit*>(QStringLiteral("edBreakChars"))
            ->setText(QString::fromLocal8Bit(argv[2]));

    window.LoadTextFile(file);
    std::printf("%-44s %8d\n", "characters", window.TextView()->TextLength());
    Step(
        "phrase frequency, Calculate as a whole", [&] { bench::Calculate(window); }, true);
    std::printf("%-44s %8d\n", "  rows", window.State().mteRes.RecordCount());
    Step("list shown, rows adjusted", [&] { phrases->viewport()->repaint(); });
    QScrollBar* bar = phrases->verticalScrollBar();
    double slowest = 0;
    for (int k = 0; k < 20; ++k)
        slowest =
            std::max(slowest, Timed([&] {
                         bar->setValue(bar->minimum() + (bar->maximum() - bar->minimum()) * k / 19);
                         phrases->viewport()->repaint();
                     }));
    slowestStep = std::max(slowestStep, slowest);
    std::printf("%-44s %8.3f s\n", "scroll and paint, slowest of 20 places", slowest);
    QHeaderView* header = phrases->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        char what[64];
        std::snprintf(what, sizeof what, "sort by column %d and paint", column);
        Step(what, [&] {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, Qt::NoModifier,
                QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
            phrases->viewport()->repaint();
        });
    }
    const TMemTable& table = window.State().mteRes;
    Step("sort the longest phrase first and paint", [&] { ShowLongestFirst(phrases, table); });
    std::printf("%-44s %8d words, %zu bytes\n", "  longest phrase", table.CurrentInteger("words"),
                table.CurrentTextView("text").size());
    std::printf("%-44s %8d px of %d\n", "  its row's height",
                phrases->rowHeight(phrases->currentIndex().row()), phrases->viewport()->height());
    autoHeight->setChecked(false); // the hint's button shows with one-line rows
    Step(
        "calculate again with one-line rows", [&] { bench::Calculate(window); }, true);
    ShowLongestFirst(phrases, table);
    Step("open the longest phrase's \"Original phrase\" hint", [&] {
        phrases->PressButton(0, 0);
        QCoreApplication::processEvents();
    });
    std::printf("%-44s %8.3f s\n", "longest single step but the calculations", slowestStep);
    std::printf("%-44s %8.0f MiB\n", "peak memory", lexorin::bench::PeakMiB());
    window.hide();
    return 0;
}
