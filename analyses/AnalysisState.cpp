#include "AnalysisState.h"

#include "CodePage.h"
#include "Concordance.h"

namespace lexorin {

TAnalysisState::TAnalysisState() {
    mteConcordance.OnAfterScroll([this] { ConcordanceAfterScroll(*this); });
}

TMemTable* ListTable(TAnalysisState& state, TAnalysisPage page) {
    switch (page) {
    case TAnalysisPage::Phrases:
        return &state.mteRes;
    case TAnalysisPage::Wordforms:
        return &state.mteWordForms;
    case TAnalysisPage::Concordance:
        return &state.mteConcordance;
    case TAnalysisPage::Collocates:
        return &state.mteCollocates;
    case TAnalysisPage::Keywords:
        return &state.mteKeywords;
    case TAnalysisPage::Kwic:
        return &state.mteKwic;
    default:
        return nullptr;
    }
}

const TMemTable* ListTable(const TAnalysisState& state, TAnalysisPage page) {
    return ListTable(const_cast<TAnalysisState&>(state), page);
}

std::string PrepareText(std::string_view viewText) {
    std::string text;
    text.reserve(viewText.size());
    for (char c : viewText)
        if (c != '\n')
            text.push_back(c == '\r' ? ' ' : c);
    return text;
}

TCharSet MakeCharSet(std::string_view utf8) {
    TCharSet set;
    for (char c : Utf8CharsInText(utf8))
        if (c != ' ')
            set.Include(c);
    return set;
}

} // namespace lexorin
