// A chart frame written as a PNG, SVG or PDF picture.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace lexorin {

class TDiagramFrame;

// The save dialog's filters, PNG first.
QStringList ChartPictureFilters();

// Writes the frame's picture in the format its extension names (.png, .svg
// or .pdf), `size` pixels or points large (the chart's own size when
// empty). The file appears whole or not at all; false with the reason in
// `error` when it cannot be written.
bool WriteChartPicture(TDiagramFrame& frame, const QString& path, QString* error, QSize size = {});

} // namespace lexorin
