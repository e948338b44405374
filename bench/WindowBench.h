// The main window offscreen for the benchmarks that drive it, with the text
// file and the word named on the command line:
//
//   PROGRAM [FILE] [WORD]     (default: the benchmark corpus, "the")
#pragma once

#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QString>
#include <QTabWidget>
#include <QTest>

namespace lexorin::bench {

struct TWindowBenchArgs {
    QString file;
    QString word;
};

// Call before the application object is made.
inline void UseOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline TWindowBenchArgs WindowBenchArgs(int argc, char** argv) {
    return {argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(LEXORIN_DEFAULT_CORPUS),
            argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("the")};
}

// Shows the window at a desktop size; false when it never appears.
inline bool ShowBenchWindow(TfmLexorin& window) {
    window.resize(1280, 900);
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

// Makes the task page current and paints it, as a user sees it before a click.
inline void ShowPage(TfmLexorin& window, TAnalysisPage page) {
    window.findChild<QTabWidget*>(QStringLiteral("pcOp"))
        ->setCurrentIndex(TfmLexorin::TabIndexOf(page));
    QApplication::processEvents();
}

// Calculate on the current page, as the toolbar button runs it.
inline void Calculate(TfmLexorin& window) {
    window.UpdateActions();
    window.Actions().aSearch->trigger();
}

} // namespace lexorin::bench
