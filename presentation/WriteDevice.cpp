#include "WriteDevice.h"

#include "ReplaceFile.h"

#include <QFile>
#include <stdexcept>

namespace lexorin {
namespace {

void ThrowOnError(const QFile& file) {
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error(file.errorString().toStdString());
}

} // namespace

void ReplaceFileThroughDevice(const QString& path, const std::function<void(QIODevice&)>& write) {
    ReplaceFile(QFile::encodeName(path).toStdString(), [&](const std::string& temporary) {
        QFile file(QFile::decodeName(temporary.c_str()));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            ThrowOnError(file);
        // A device's writers (QPdfWriter, QSvgGenerator, QImageWriter) do not
        // all say when a write failed, or say it without the reason: the file
        // does, once its buffer is out.
        try {
            write(file);
        } catch (const std::runtime_error&) {
            ThrowOnError(file);
            throw;
        }
        ThrowOnError(file);
        file.flush();
        ThrowOnError(file);
        file.close();
        ThrowOnError(file);
    });
}

} // namespace lexorin
