// Making the report frame of a list.
#pragma once

#include "RptBase.h"

namespace lexorin {

// kind 1: phrases, 2: wordforms, 3: concordance; any other kind: nullptr.
// The frame belongs to `owner`.
TfrRep* CreateReportFrame(int kind, TAnalysisState& state, const QString& sourceName,
                          QWidget* owner);

} // namespace lexorin
