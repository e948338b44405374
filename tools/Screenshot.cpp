// Takes the README's pictures of the window: a text loaded and its phrase
// list calculated, and, when asked for, the report of that list.
//
//   lexorin_screenshot TEXT PNG [REPORT_PNG]
#include "LexorinApplication.h"
#include "MainWindow.h"

#include <QAction>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: lexorin_screenshot TEXT PNG [REPORT_PNG]\n");
        return 2;
    }
    lexorin::TLexorinApplication application(argc, argv);
    lexorin::TfmLexorin window;
    window.resize(1000, 640);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.LoadTextFile(QString::fromLocal8Bit(argv[1]));
    window.UpdateActions();
    window.findChild<QToolButton*>(QStringLiteral("tbWordWrap"))->click();
    window.findChild<QTabWidget*>(QStringLiteral("pcOp"))->setCurrentIndex(0);
    window.UpdateActions();
    window.Actions().aSearch->trigger();
    QTest::qWait(300);
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    if (argc == 3)
        return 0;
    window.resize(1200, 860);
    window.Actions().aPrint->trigger();
    QTest::qWait(500);
    if (!window.grab().save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
