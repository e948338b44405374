#include "CommandRules.h"

#include "ChartData.h"

namespace lexorin {

TCommandStates EvaluateCommands(const TCommandInputs& in, const TAnalysisState& state) {
    TCommandStates s;
    const bool idle = !in.busy;
    s.aSearch = in.page != TAnalysisPage::Options && idle && in.viewHasText;
    // The runs that build a tree or read references in steps can stop.
    s.aCancel =
        in.busy && (in.page == TAnalysisPage::Phrases || in.page == TAnalysisPage::Wordforms ||
                    in.page == TAnalysisPage::Collocates || in.page == TAnalysisPage::Keywords);
    s.aPasteText = in.editPasteEnabled && idle;
    s.aPasteFile = idle;
    s.aReload = idle && in.fileLoaded;
    s.aFind = idle && in.viewHasText && in.viewHasFocus;
    const TMemTable* table = ListTable(state, in.page);
    s.results = idle && table != nullptr && table->Active() && table->RecordCount() > 0;
    s.charts = s.results && ChartTable(state, in.page) != nullptr;
    s.aKwic = idle && in.viewHasText;
    s.tbWordWrap = idle && in.viewHasText;
    s.aClearSelection = idle && in.highlightActive;
    s.edConcLocator = state.mteConcordance.Active();
    s.edWordFormLocator = state.mteWordForms.Active();
    const TMemTable& res = state.mteRes;
    s.edPhraseFilter = res.Active() && (res.Filtered() || res.RecordCount() > 0);
    s.sbFilterPhrases = s.edPhraseFilter && !in.phraseFilterEmpty;
    s.sbNoFilterPhrases = res.Active() && res.Filtered();
    s.aNextOcc = in.occurrenceCount > 0 && in.occurrenceIndex < in.occurrenceCount - 1;
    s.aPrevOcc = in.occurrenceCount > 0 && in.occurrenceIndex > 0;
    return s;
}

} // namespace lexorin
