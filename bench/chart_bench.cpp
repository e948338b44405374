// Times the charts in the real window, driven offscreen: opening the
// dispersion chart of a frequent word (one arrow per occurrence) until it
// is drawn, redrawing it zoomed and moved, and opening the two frequency
// charts of the concordance.
//
//   chart_bench [FILE] [WORD]     (default: the benchmark corpus, "the")
#include "ArrowSeries.h"
#include "BenchSupport.h"
#include "ChartMarks.h"
#include "LFChart.h"
#include "LexorinApplication.h"
#include "MainWindow.h"
#include "MultiLFChart.h"
#include "SingleFreqChart.h"
#include "WindowBench.h"

#include <QAction>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <functional>

using namespace lexorin;
using lexorin::bench::Now;
using lexorin::bench::SecondsSince;

namespace {

void Report(const char* what, double seconds) {
    std::printf("%-48s %8.3f s\n", what, seconds);
}

// Seconds from the command to the chart drawn on screen.
double OpenChart(QAction* command, TfmLexorin& window) {
    const auto start = Now();
    command->trigger();
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("pcText"));
    auto* frame = pages->currentWidget()->findChild<TDiagramFrame*>();
    frame->Chart()->replot(QCustomPlot::rpImmediateRefresh);
    frame->repaint();
    return SecondsSince(start);
}

// Mean seconds of `steps` redraws, each after `change`.
double Redraw(TDiagramFrame& frame, int steps, const std::function<void()>& change) {
    const auto start = Now();
    for (int k = 0; k < steps; ++k) {
        change();
        frame.Chart()->replot(QCustomPlot::rpImmediateRefresh);
    }
    return SecondsSince(start) / steps;
}

} // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenPlatform();
    TLexorinApplication application(argc, argv);
    const auto [file, word] = bench::WindowBenchArgs(argc, argv);

    TfmLexorin window;
    if (!bench::ShowBenchWindow(window))
        return 1;
    window.LoadTextFile(file);
    bench::ShowPage(window, TAnalysisPage::Concordance);
    bench::Calculate(window);
    TMemTable& words = window.State().mteConcordance;
    const int field = words.FieldIndex("word");
    for (int recNo = 0; recNo < words.RecordCount(); ++recNo)
        if (QString::fromLatin1(words.Text(words.RowOf(recNo), field))
                .compare(word, Qt::CaseInsensitive) == 0)
            words.MoveTo(recNo);
    std::printf("%s: %zu characters, \"%s\" %d times, %d words\n", qPrintable(file),
                window.State().analysedText.size(), qPrintable(word), words.CurrentInteger("count"),
                words.RecordCount());
    window.UpdateActions();

    Report("dispersion chart: open and draw", OpenChart(window.Actions().aDispersionChart, window));
    auto* frame = window.findChild<TSingleFreqFrame*>(QStringLiteral("ChartFrame1"));
    frame->SetAnimatedZoom(false);
    std::printf("  %zu arrows, %d pixel rows drawn, %d of %zu marks drawn\n",
                frame->Series2()->Positions().size(), frame->Series2()->DrawnCount(),
                frame->Marks()->DrawnCount(), frame->Marks()->Marks().size());
    Report("  redraw, whole text", Redraw(*frame, 20, [] {}));
    Report("  zoom in and redraw (x5, each)", Redraw(*frame, 5, [frame] { frame->ZoomIn(); }));
    Report("  move up and redraw (x20, each)", Redraw(*frame, 20, [frame] { frame->MoveUp(); }));
    Report("  move down and redraw (x20, each)",
           Redraw(*frame, 20, [frame] { frame->MoveDown(); }));
    Report("  original size and redraw", Redraw(*frame, 1, [frame] { frame->OriginalSize(); }));
    Report("  zoom out and redraw (x5, each)", Redraw(*frame, 5, [frame] { frame->ZoomOut(); }));
    Report("frequency chart: open and draw", OpenChart(window.Actions().aLFChart, window));
    Report("frequency and length chart: open and draw",
           OpenChart(window.Actions().aMultiLFChart, window));
    return 0;
}
