#include "ReportFrames.h"

#include "RptConcordance.h"
#include "RptList.h"
#include "RptPhrase.h"
#include "RptWordforms.h"

namespace lexorin {

TfrRep* CreateReportFrame(TAnalysisPage page, TAnalysisState& state, const QString& sourceName,
                          QWidget* owner) {
    switch (page) {
    case TAnalysisPage::Phrases:
        return new TfrRptPhrase(state, sourceName, owner);
    case TAnalysisPage::Wordforms:
        return new TfrRptWordforms(state, sourceName, owner);
    case TAnalysisPage::Concordance:
        return new TfrRptConcordance(state, sourceName, owner);
    case TAnalysisPage::Kwic:
    case TAnalysisPage::Collocates:
    case TAnalysisPage::Keywords:
        return new TfrRptList(state, sourceName, page, owner);
    default:
        return nullptr;
    }
}

} // namespace lexorin
