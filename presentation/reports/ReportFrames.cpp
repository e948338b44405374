#include "ReportFrames.h"

#include "RptConcordance.h"
#include "RptPhrase.h"
#include "RptWordforms.h"

namespace lexorin {

TfrRep* CreateReportFrame(int kind, TAnalysisState& state, const QString& sourceName,
                          QWidget* owner) {
    switch (kind) {
    case 1:
        return new TfrRptPhrase(state, sourceName, owner);
    case 2:
        return new TfrRptWordforms(state, sourceName, owner);
    case 3:
        return new TfrRptConcordance(state, sourceName, owner);
    default:
        return nullptr;
    }
}

} // namespace lexorin
