// The about box: product name, description and version.
#pragma once

class QWidget;

namespace lexorin {

void ShowAboutBox(QWidget* parent);

} // namespace lexorin
