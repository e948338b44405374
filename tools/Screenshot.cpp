// Takes the README's and the guide's pictures of the window: a text loaded
// and its phrase list calculated; the report of that list; a chart of its
// concordance (the frequency chart, or the dispersion chart of one word);
// the KWIC lines of a word sorted by R1, R2; the collocates of a word; or the
// keywords against a reference file.
//
//   lexorin_screenshot TEXT PNG [report | frequencies | dispersion WORD | page N |
//                                kwic WORD | collocates WORD | keywords REFERENCE]
//
// "page N" shows task tab N (1 Phrase frequency ... 5 Options) calculated,
// at the window's first size.
#include "KwicFrame.h"
#include "LexorinApplication.h"
#include "MainWindow.h"
#include "ResultGrid.h"
#include "WordListPages.h"

#include <QAction>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    const bool report = argc == 4 && std::strcmp(argv[3], "report") == 0;
    const bool frequencies = argc == 4 && std::strcmp(argv[3], "frequencies") == 0;
    const bool dispersion = argc == 5 && std::strcmp(argv[3], "dispersion") == 0;
    const int page = argc == 5 && std::strcmp(argv[3], "page") == 0 ? std::atoi(argv[4]) : 0;
    const bool kwic = argc == 5 && std::strcmp(argv[3], "kwic") == 0;
    const bool collocates = argc == 5 && std::strcmp(argv[3], "collocates") == 0;
    const bool keywords = argc == 5 && std::strcmp(argv[3], "keywords") == 0;
    if (argc != 3 && !report && !frequencies && !dispersion && !kwic && !collocates && !keywords &&
        (page < 1 || page > 5)) {
        std::fprintf(stderr, "usage: lexorin_screenshot TEXT PNG [report | frequencies | "
                             "dispersion WORD | page 1..5 | kwic WORD | collocates WORD | "
                             "keywords REFERENCE]\n");
        return 2;
    }
    const QString argument = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();
    lexorin::TLexorinApplication application(argc, argv);
    lexorin::TfmLexorin window;
    // A task page is shown at the window's first size, the rest larger.
    if (page == 0)
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
    if (frequencies || dispersion) {
        window.findChild<QTabWidget*>(QStringLiteral("pcOp"))
            ->setCurrentIndex(lexorin::TfmLexorin::TabIndexOf(lexorin::TAnalysisPage::Concordance));
        window.UpdateActions();
        window.Actions().aSearch->trigger();
        lexorin::TMemTable& words = window.State().mteConcordance;
        const int field = words.FieldIndex("word");
        for (int recNo = 0; dispersion && recNo < words.RecordCount(); ++recNo)
            if (QString::fromLatin1(words.Text(words.RowOf(recNo), field))
                    .compare(QString::fromLocal8Bit(argv[4]), Qt::CaseInsensitive) == 0)
                words.MoveTo(recNo);
        window.findChild<lexorin::TResultGrid*>(QStringLiteral("dbgConcordanceTop"))
            ->ShowCurrentRecord();
        window.UpdateActions();
        (dispersion ? window.Actions().aDispersionChart : window.Actions().aLFChart)->trigger();
    }
    if (page > 0) {
        window.findChild<QTabWidget*>(QStringLiteral("pcOp"))->setCurrentIndex(page - 1);
        window.UpdateActions();
        if (window.Actions().aSearch->isEnabled())
            window.Actions().aSearch->trigger();
    }
    if (kwic) {
        window.UpdateActions();
        window.Actions().aKwic->trigger();
        auto* frame = window.findChild<lexorin::TKwicFrame*>();
        frame->SetSearch(argument, {});
        frame->SetSortKeys(QStringLiteral("R1,R2"));
        window.findChild<QToolButton*>(QStringLiteral("btKwicShow"))->click();
    }
    if (collocates || keywords) {
        if (collocates)
            window.findChild<QLineEdit*>(QStringLiteral("edCollocSearch"))->setText(argument);
        else
            window.findChild<lexorin::TKeywordsPage*>()->SetReferences({argument});
        window.findChild<QTabWidget*>(QStringLiteral("pcOp"))
            ->setCurrentIndex(
                lexorin::TfmLexorin::TabIndexOf(collocates ? lexorin::TAnalysisPage::Collocates
                                                           : lexorin::TAnalysisPage::Keywords));
        window.UpdateActions();
        window.Actions().aSearch->trigger();
    }
    if (report) {
        window.resize(1200, 860);
        window.Actions().aPrint->trigger();
    }
    QTest::qWait(report ? 500 : 300);
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
