// The pictures of the chart toolbar's buttons, drawn rather than loaded so
// that they look alike on every desktop theme and scale.
#pragma once

#include <QIcon>

namespace lexorin {

enum class TChartIcon { ZoomIn, ZoomOut, OriginalSize, Left, Right, Up, Down, Save };

QIcon ChartIcon(TChartIcon kind);

} // namespace lexorin
