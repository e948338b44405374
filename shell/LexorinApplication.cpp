#include "LexorinApplication.h"

#include "ExceptionDlg.h"

#include <QIcon>
#include <new>
#include <stdexcept>

namespace lexorin {

TLexorinApplication::TLexorinApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The name only: a display name set as well would be added to every
    // window's caption ("Confirm — Lexorin").
    setApplicationName(QStringLiteral("Lexorin"));
    setApplicationVersion(QStringLiteral(LEXORIN_VERSION));
    // Icons from the desktop's theme, and from Breeze for those it lacks or
    // where there is no desktop theme at all.
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));
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
