// The application object: title "Lexorin", and every error that no command
// handles, also one thrown inside an event handler, ends in the error
// report; the program then goes on.
#pragma once

#include <QApplication>

namespace lexorin {

class TLexorinApplication : public QApplication {
public:
    TLexorinApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace lexorin
