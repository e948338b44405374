// The wait cursor for the length of a scope. Nested scopes stack, and the
// cursor returns when the outermost ends.
#pragma once

#include <QApplication>

namespace lexorin {

class TWaitCursor {
public:
    explicit TWaitCursor(Qt::CursorShape shape = Qt::WaitCursor) {
        QApplication::setOverrideCursor(shape);
    }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

} // namespace lexorin
