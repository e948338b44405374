// The Calculate command around the four analyses: the calculating state,
// the ignored words, the progress bar and Cancel during tree builds, the
// table reset and finish, the tree cache and the clearing of results.
#pragma once

#include "AnalysisHost.h"
#include "AnalysisState.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// The status of a run on a text that holds nothing to analyse.
inline constexpr std::string_view kEmptyTextStatus = "Empty text";

class TCalculation {
public:
    TCalculation(TAnalysisState& state, TAnalysisHost& host) : state_(state), host_(host) {}

    TAnalysisState& State() { return state_; }
    TAnalysisHost& Host() { return host_; }

    // Runs the analysis of the page; nothing while a calculation runs.
    void Calculate(TAnalysisPage page);
    // The Cancel command: asks "Abort calculation ? " and requests a cancel
    // on Yes, withdraws one on No.
    void RequestCancel();
    // Empties the chosen results and frees their trees; with askFirst, asks
    // before clearing any result there is, and changes nothing on No.
    // `concordance` stands for every list of words: the concordance, the
    // KWIC lines, the collocates and the keywords.
    bool ClearResults(bool phrases, bool wordforms, bool askFirst, bool concordance);
    // "Total results:%d", "Summary", "Options", or "Ready" for a page whose
    // table was never opened.
    std::string TotalResultsText(TAnalysisPage page) const;
    // That text in the status line: after a run, and when the page changes.
    void ShowTotalResults(TAnalysisPage page);

    // The frame of the table-producing runs.
    // "Preprocessing...", then the analysed text; false (and "Empty text")
    // when there is none.
    bool PrepareRun();
    // Closes the table and opens it again empty.
    void ResetTable(TMemTable& table);
    // Builds the tree from suffix and LCP arrays with the progress bar shown
    // (a step per stage) and Cancel possible between the stages; false when
    // the build was cancelled.
    bool BuildTree(TFeTree& tree);
    // Fills the table with its grid's repainting suspended, sorts it by the
    // grid's markers (also when filling fails) and tells when it stays empty.
    void FillTable(TMemTable& table, const std::function<void()>& fill,
                   std::string_view emptyMessage);
    // The whole run of a tree analysis: prepare the text, reset the table,
    // build or reuse the tree with Cancel possible, then fill the table. A
    // cancelled build clears this analysis's results (and its tree).
    enum class TTree { Phrases, Wordforms };
    void RunTreeAnalysis(TTree which, TMemTable& table, const std::function<bool()>& buildTree,
                         const std::function<void()>& fill, std::string_view emptyMessage);
    // A run of `steps` steps without a tree: the progress bar shown and
    // Cancel possible. StepDone shows a step done and lets a Cancel in;
    // false (the bar hidden) once a cancel was requested. FillTable hides
    // the bar.
    void BeginSteps(int steps);
    bool StepDone(int done);
    // "<format> %d" every 100 added rows (0 included).
    void ReportAdded(std::string_view label, int added);
    // Appends a row to the table for each of `rows`, its fields set by
    // set(table, row), reporting the count under `label` as it goes.
    template <typename Row, typename Set>
    void AddRows(TMemTable& table, const std::vector<Row>& rows, std::string_view label, Set set) {
        int added = 0;
        for (const Row& row : rows) {
            table.Append();
            set(table, row);
            table.Post();
            ReportAdded(label, ++added);
        }
    }

private:
    void BuildProgress(int phase, bool& stop);
    void UpdateButtons(TAnalysisPage page);

    TAnalysisState& state_;
    TAnalysisHost& host_;
    int progressMaximum_ = 0;
    int progressPosition_ = 0;
};

// The runs of the pages.
void CalcPhrases(TCalculation& calculation);
void CalcWordforms(TCalculation& calculation);
void CalcConcordance(TCalculation& calculation);
void CalcSummary(TCalculation& calculation);
void CalcKwic(TCalculation& calculation);
void CalcCollocates(TCalculation& calculation);
// A reference that cannot be read or holds no words ends the keywords' run
// with EReference, their list as it was.
void CalcKeywords(TCalculation& calculation);

} // namespace lexorin
