// Making the report frame of a list.
#pragma once

#include "RptBase.h"

namespace lexorin {

// The report of a page's list; nullptr for a page without one. The frame
// belongs to `owner`.
TfrRep* CreateReportFrame(TAnalysisPage page, TAnalysisState& state, const QString& sourceName,
                          QWidget* owner);

} // namespace lexorin
