// Files that Qt writes through a device (PDF, SVG and PNG pictures), put in
// place only when every byte of them was written without an error.
#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace lexorin {

// Has `write` fill a new file beside `path` through a device, then puts it
// in place of `path` in one step. A failed write (a full disk included) or a
// `write` that throws leaves whatever was at `path` and no temporary file,
// and throws std::runtime_error with the system's reason.
void ReplaceFileThroughDevice(const QString& path, const std::function<void(QIODevice&)>& write);

} // namespace lexorin
