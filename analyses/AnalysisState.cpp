#include "AnalysisState.h"

#include "CodePage.h"
#include "Concordance.h"

namespace lexorin {

TAnalysisState::TAnalysisState() {
    mteConcordance.OnAfterScroll([this] { ConcordanceAfterScroll(*this); });
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
