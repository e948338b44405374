#include "LexorinApplication.h"
#include "MainWindow.h"

#include <QCoreApplication>
#include <QIcon>
#include <QStringList>

// lexorin [FILE]: the desktop opens a text file with the program by naming
// it here.
int main(int argc, char** argv) {
    lexorin::TLexorinApplication application(argc, argv);
    // The program's own icon (a resource of this executable), for its
    // windows and the about box.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/lexorin.svg")));
    lexorin::TfmLexorin window;
    window.show();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        window.LoadStartupFile(args.at(1));
    return application.exec();
}
