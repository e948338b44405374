#include "LexorinApplication.h"

#include "ExceptionDlg.h"

#include <new>
#include <stdexcept>

namespace lexorin {

TLexorinApplication::TLexorinApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Lexorin"));
    setApplicationDisplayName(QStringLiteral("Lexorin"));
    setApplicationVersion(QStringLiteral(LEXORIN_VERSION));
}

bool TLexorinApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        ReportException(std::runtime_error("Out of memory"));
    } catch (const std::exception& error) {
        ReportException(error);
    } catch (...) {
        ReportException(std::runtime_error("Unknown error"));
    }
    return false;
}

} // namespace lexorin
