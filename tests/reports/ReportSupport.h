// Report frames over a state of our own, prepared and laid out at once.
#pragma once

#include "AnalysisHost.h"
#include "Calculation.h"
#include "PhraseRows.h"
#include "RepPreviewFrame.h"
#include "ReportDocument.h"
#include "ReportFrames.h"

#include <QStringList>
#include <memory>
#include <ostream>

// Texts in test failures as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace lexorin::test {

// A state with a text and a calculation that runs without a window.
struct TReportAnalysis {
    TAnalysisState state;
    TQuietHost host;
    TCalculation calculation{state, host};

    explicit TReportAnalysis(std::string text = {}) { state.viewText = std::move(text); }
};

// Phrase rows of text, cases, words and dispersion.
inline void AddPhrase(TAnalysisState& state, const std::string& text, int cases, int words,
                      double dispersion) {
    if (!state.mteRes.Active())
        state.mteRes.Open();
    test::AppendPhrase(state.mteRes, text, cases, words, dispersion);
}

// Rows "phrase 0", "phrase 1", ... with `cases` and `dispersion`.
inline void AddPhrases(TAnalysisState& state, int count, int cases = 2, double dispersion = 1) {
    for (int k = 0; k < count; ++k)
        AddPhrase(state, "phrase " + std::to_string(k), cases, 2, dispersion);
}

// Builds the report of a page's list and lays out all of its pages.
inline std::unique_ptr<TfrRep>
BuildReport(TAnalysisPage page, TAnalysisState& state,
            const QString& source = QStringLiteral("/texts/tale.txt")) {
    std::unique_ptr<TfrRep> frame(CreateReportFrame(page, state, source, nullptr));
    frame->BuildReport();
    frame->PreviewFrame->FinishLayout();
    return frame;
}

// A phrase report of `rows` rows, shown.
inline std::unique_ptr<TfrRep> ShownPhraseReport(TAnalysisState& state, int rows) {
    AddPhrases(state, rows);
    auto frame = BuildReport(TAnalysisPage::Phrases, state);
    frame->resize(900, 700);
    frame->show();
    return frame;
}

inline const TReportDocument& Document(const TfrRep& frame) {
    return *frame.PreviewFrame->Report();
}

// Every text line of every page, page after page.
inline QStringList AllTexts(const TReportDocument& document) {
    QStringList texts;
    for (int page = 0; page < document.PageCount(); ++page)
        texts << document.PageTexts(page);
    return texts;
}

} // namespace lexorin::test
