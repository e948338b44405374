// Which commands and controls of the main window are enabled, from the
// window's state. Evaluated whenever the program is idle.
#pragma once

#include "AnalysisState.h"

namespace lexorin {

struct TCommandInputs {
    TAnalysisPage page = TAnalysisPage::Phrases;
    bool busy = false;
    bool viewHasText = false;
    bool viewHasFocus = false;
    bool editPasteEnabled = false; // a text control has the focus and the clipboard holds text
    bool fileLoaded = false;
    bool highlightActive = false;
    int occurrenceCount = 0;
    int occurrenceIndex = 0;
    bool phraseFilterEmpty = true;
};

struct TCommandStates {
    bool aSearch = false;
    bool aCancel = false;
    bool aPasteText = false;
    bool aPasteFile = false; // also aPhrases, aWords, aOpts, aAbout, aCollocates, aKeywords
    bool aReload = false;
    bool aFind = false;
    bool results = false; // aExport, aPrint
    bool charts = false;  // aLFChart, aDispersionChart, aMultiLFChart
    bool aKwic = false;
    bool tbWordWrap = false;
    bool aClearSelection = false;
    bool edConcLocator = false;
    bool edWordFormLocator = false;
    bool edPhraseFilter = false;
    bool sbFilterPhrases = false;
    bool sbNoFilterPhrases = false;
    bool aNextOcc = false;
    bool aPrevOcc = false;
};

TCommandStates EvaluateCommands(const TCommandInputs& in, const TAnalysisState& state);

} // namespace lexorin
