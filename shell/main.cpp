#include "LexorinApplication.h"
#include "MainWindow.h"

#include <QCoreApplication>
#include <QStringList>

// lexorin [FILE]: the desktop opens a text file with the program by naming
// it here.
int main(int argc, char** argv) {
    lexorin::TLexorinApplication application(argc, argv);
    lexorin::TfmLexorin window;
    window.show();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        window.LoadTextFile(args.at(1));
    return application.exec();
}
