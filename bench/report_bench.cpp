// Times a report of a long list in the real window, driven offscreen: the
// walk over the list, the time until the preview shows its first page, the
// longest stretch the window does not answer while pages are laid out,
// paging forward, jumping to the last page, and the memory it all takes.
//
//   report_bench [FILE] [phrases|wordforms|concordance]
//   (default: the benchmark corpus, phrases)
#include "BenchSupport.h"
#include "LexorinApplication.h"
#include "MainWindow.h"
#include "PreviewPages.h"
#include "RepPreviewFrame.h"
#include "ReportDocument.h"
#include "RptBase.h"
#include "WindowBench.h"

#include <QAction>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <string>

using namespace lexorin;
using lexorin::bench::CurrentMiB;
using lexorin::bench::Now;
using lexorin::bench::SecondsSince;

namespace {

void Report(const char* what, double value, const char* unit) {
    std::printf("%-48s %10.3f %s\n", what, value, unit);
}

TAnalysisPage PageOf(const std::string& name) {
    if (name == "wordforms")
        return TAnalysisPage::Wordforms;
    if (name == "concordance")
        return TAnalysisPage::Concordance;
    return TAnalysisPage::Phrases;
}

} // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenPlatform();
    TLexorinApplication application(argc, argv);
    const QString file =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(LEXORIN_DEFAULT_CORPUS);
    const TAnalysisPage page = PageOf(argc > 2 ? argv[2] : "phrases");

    TfmLexorin window;
    if (!bench::ShowBenchWindow(window))
        return 1;
    window.LoadTextFile(file);
    bench::ShowPage(window, page);
    bench::Calculate(window);
    window.UpdateActions();
    if (!window.Actions().aPrint->isEnabled())
        return 1;
    const double before = CurrentMiB();
    lexorin::bench::ResetPeak();

    auto start = Now();
    window.Actions().aPrint->trigger();
    const double walk = SecondsSince(start);
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("pcText"));
    auto* frame = pages->currentWidget()->findChild<TfrRep*>();
    TfrRepPreview& preview = *frame->PreviewFrame;
    double longestTurn = 0;
    while (preview.PreviewMain->PageCount() == 0) {
        const auto turn = Now();
        QCoreApplication::processEvents();
        longestTurn = std::max(longestTurn, SecondsSince(turn));
    }
    preview.PreviewMain->viewport()->repaint();
    const double firstPage = SecondsSince(start);
    const TReportDocument& document = *preview.Report();
    std::printf("%d rows, %d pages\n", document.RowCount(), document.PageCount());
    Report("walk over the list (window blocked)", walk, "s");
    Report("first page shown after Print", firstPage, "s");
    Report("longest turn of the event loop meanwhile", longestTurn, "s");

    const int steps = std::min(200, document.PageCount() - 1);
    double slowest = 0;
    start = Now();
    for (int k = 0; k < steps; ++k) {
        const auto one = Now();
        preview.sbNext->click();
        preview.PreviewMain->viewport()->repaint();
        slowest = std::max(slowest, SecondsSince(one));
    }
    Report("next page, average", steps > 0 ? SecondsSince(start) / steps : 0, "s");
    Report("next page, slowest", slowest, "s");
    start = Now();
    preview.sbLast->click();
    preview.PreviewMain->viewport()->repaint();
    Report("last page", SecondsSince(start), "s");
    preview.sbZoomToFit->click();
    start = Now();
    preview.sbPrev->click();
    preview.PreviewMain->viewport()->repaint();
    Report("previous page, whole page in view", SecondsSince(start), "s");
    Report("memory before Print", before, "MiB");
    Report("peak memory with the report", lexorin::bench::PeakMiB(), "MiB");
    Report("memory with the report", CurrentMiB(), "MiB");
    return 0;
}
