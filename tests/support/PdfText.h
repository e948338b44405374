// PDF files read back as text with pdftotext (poppler-utils), for tests of
// what a PDF holds.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace lexorin::test {

inline QString PdfToText() {
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

// Whether PDF files can be read back here; tests skip when not.
inline bool CanReadPdf() {
    return !PdfToText().isEmpty();
}

// The text of a PDF file; empty when pdftotext fails or does not end.
inline QString PdfText(const QString& path) {
    QProcess process;
    process.start(PdfToText(), {path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace lexorin::test
