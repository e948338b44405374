#include "ChartPicture.h"

#include "ChartFrame.h"
#include "WriteDevice.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <stdexcept>

namespace lexorin {
namespace {

// A chart not yet laid out on screen, as on the command line.
const QSize kDefaultSize(1000, 700);

void Paint(TDiagramFrame& frame, QPaintDevice& device, const QSize& size) {
    QCPPainter painter(&device);
    painter.setMode(QCPPainter::pmNoCaching);
    if (device.devType() != QInternal::Image)
        painter.setMode(QCPPainter::pmVectorized);
    frame.RenderPicture(painter, size);
}

void PaintFile(TDiagramFrame& frame, QIODevice& file, const QString& suffix, const QSize& size) {
    if (suffix == QLatin1String("png")) {
        QImage image(size, QImage::Format_RGB32);
        Paint(frame, image, size);
        QImageWriter writer(&file, "png");
        if (!writer.write(image))
            throw std::runtime_error(writer.errorString().toStdString());
        return;
    }
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(frame.ChartName());
        Paint(frame, svg, size);
        return;
    }
    QPdfWriter pdf(&file);
    pdf.setTitle(frame.ChartName());
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    const QSize area = pdf.pageLayout().paintRectPixels(pdf.resolution()).size();
    Paint(frame, pdf, area);
}

} // namespace

QStringList ChartPictureFilters() {
    return {QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG image (*.svg)"),
            QStringLiteral("PDF document (*.pdf)")};
}

bool WriteChartPicture(TDiagramFrame& frame, const QString& path, QString* error, QSize size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") &&
        suffix != QLatin1String("pdf")) {
        *error = QStringLiteral("A chart is saved as .png, .svg or .pdf, not as %1").arg(path);
        return false;
    }
    if (size.isEmpty())
        size = frame.Chart()->isVisible() ? frame.size() : kDefaultSize;
    try {
        ReplaceFileThroughDevice(path,
                                 [&](QIODevice& file) { PaintFile(frame, file, suffix, size); });
    } catch (const std::runtime_error& failure) {
        *error = QStringLiteral("The chart could not be saved to %1: %2")
                     .arg(path, QString::fromStdString(failure.what()));
        return false;
    }
    return true;
}

} // namespace lexorin
