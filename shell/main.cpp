#include "LexorinApplication.h"
#include "MainWindow.h"

int main(int argc, char** argv) {
    lexorin::TLexorinApplication application(argc, argv);
    lexorin::TfmLexorin window;
    window.show();
    return application.exec();
}
