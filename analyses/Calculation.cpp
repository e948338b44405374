#include "Calculation.h"

#include "FeSaTree.h"
#include "Keywords.h"
#include "Kwic.h"

namespace lexorin {

namespace {

// What a search needs before it can run: its message when it is missing.
std::string_view MissingInput(TAnalysisPage page, const TAnalysisOptions& options) {
    const std::string* term = page == TAnalysisPage::Kwic         ? &options.edKwicSearch
                              : page == TAnalysisPage::Collocates ? &options.edCollocSearch
                                                                  : nullptr;
    if (term != nullptr && ParseSearchTerm(*term).empty())
        return kNoSearchTerm;
    if (page == TAnalysisPage::Keywords && ReferencePaths(options.edKeywordReference).empty())
        return kNoReference;
    return {};
}

} // namespace

void TCalculation::Calculate(TAnalysisPage page) {
    if (state_.busy)
        return;
    if (const std::string_view missing = MissingInput(page, state_.options); !missing.empty()) {
        host_.Inform(missing);
        return;
    }
    state_.busy = true;
    host_.SetCalculating(true);
    state_.cancelRequested = false;
    try {
        LoadIgnoredWordSet(state_.ignoredListPath, state_.ignoredWordSet);
        switch (page) {
        case TAnalysisPage::Phrases:
            CalcPhrases(*this);
            break;
        case TAnalysisPage::Wordforms:
            CalcWordforms(*this);
            break;
        case TAnalysisPage::Concordance:
            CalcConcordance(*this);
            break;
        case TAnalysisPage::Summary:
            CalcSummary(*this);
            break;
        case TAnalysisPage::Collocates:
            CalcCollocates(*this);
            break;
        case TAnalysisPage::Keywords:
            CalcKeywords(*this);
            break;
        case TAnalysisPage::Kwic:
            CalcKwic(*this);
            break;
        case TAnalysisPage::Options:
            break;
        }
    } catch (...) {
        host_.SetCalculating(false);
        state_.busy = false;
        throw;
    }
    host_.SetCalculating(false);
    state_.busy = false;
    ShowTotalResults(page);
    UpdateButtons(page);
}

void TCalculation::ShowTotalResults(TAnalysisPage page) {
    host_.SetStatusText(TotalResultsText(page));
}

void TCalculation::UpdateButtons(TAnalysisPage page) {
    switch (page) {
    case TAnalysisPage::Phrases:
        host_.UpdateGridButtons(state_.mteRes);
        break;
    case TAnalysisPage::Wordforms:
        host_.UpdateGridButtons(state_.mteWordForms);
        break;
    case TAnalysisPage::Concordance:
        host_.UpdateGridButtons(state_.mteConcordance);
        host_.UpdateGridButtons(state_.mteConcordanceDetail);
        break;
    default:
        if (const TMemTable* table = ListTable(state_, page))
            host_.UpdateGridButtons(*table);
        break;
    }
}

void TCalculation::RequestCancel() {
    state_.cancelRequested = host_.Confirm("Abort calculation ? ");
}

bool TCalculation::ClearResults(bool phrases, bool wordforms, bool askFirst, bool concordance) {
    const auto hasRows = [](const TMemTable& table) {
        return table.Active() && table.RowCount() > 0;
    };
    const bool resultsExist =
        hasRows(state_.mteRes) || (state_.mteRes.Active() && state_.mteRes.Filtered()) ||
        hasRows(state_.mteWordForms) || hasRows(state_.mteConcordance) || hasRows(state_.mteKwic) ||
        hasRows(state_.mteCollocates) || hasRows(state_.mteKeywords);
    if (askFirst && resultsExist &&
        !host_.Confirm("Current calculation results will be cleared. Do you wish to continue ? "))
        return false;
    if (phrases) {
        if (state_.mteRes.Active())
            ResetTable(state_.mteRes);
        state_.phraseTree.reset();
        host_.UpdateGridButtons(state_.mteRes);
    }
    if (wordforms) {
        if (state_.mteWordForms.Active())
            state_.mteWordForms.Empty();
        state_.wordformTree.reset();
        host_.UpdateGridButtons(state_.mteWordForms);
    }
    if (concordance) {
        for (std::string* details :
             {&state_.kwicDetails, &state_.collocateDetails, &state_.keywordDetails})
            details->clear();
        state_.collocateTerm.clear();
        for (TMemTable* table : {&state_.mteConcordance, &state_.mteConcordanceDetail,
                                 &state_.mteKwic, &state_.mteCollocates, &state_.mteKeywords}) {
            if (table->Active())
                table->Empty();
            host_.UpdateGridButtons(*table);
        }
    }
    return true;
}

std::string TCalculation::TotalResultsText(TAnalysisPage page) const {
    if (page == TAnalysisPage::Summary)
        return "Summary";
    const TMemTable* table = ListTable(state_, page);
    if (table == nullptr)
        return "Options";
    if (!table->Active())
        return "Ready";
    return "Total results:" + std::to_string(table->RecordCount());
}

bool TCalculation::PrepareRun() {
    host_.SetStatusText("Preprocessing...");
    state_.analysedText = PrepareText(state_.viewText);
    if (!state_.analysedText.empty())
        return true;
    host_.SetStatusText(kEmptyTextStatus);
    return false;
}

void TCalculation::ResetTable(TMemTable& table) {
    table.Close();
    table.Open();
    host_.UpdateGridButtons(table);
    if (&table == &state_.mteConcordance)
        host_.UpdateGridButtons(state_.mteConcordanceDetail);
    host_.SetStatusText("");
}

void TCalculation::BuildProgress(int phase, bool& stop) {
    stop = state_.cancelRequested;
    if (progressMaximum_ > 0 &&
        double(phase - progressPosition_) / double(progressMaximum_) >= 0.01) {
        progressPosition_ = phase;
        host_.SetProgress(phase);
    }
    host_.ProcessMessages();
}

bool TCalculation::BuildTree(TFeTree& tree) {
    TSaTreeBuilder builder;
    builder.OnProgress = [this](TFeTree&, int stage, bool& stop) { BuildProgress(stage, stop); };
    progressMaximum_ = TSaTreeBuilder::StageCount;
    progressPosition_ = 0;
    host_.ShowProgress(progressMaximum_);
    try {
        tree.Build(builder);
    } catch (...) {
        host_.HideProgress();
        throw;
    }
    host_.HideProgress();
    return !builder.Cancelled();
}

void TCalculation::FillTable(TMemTable& table, const std::function<void()>& fill,
                             std::string_view emptyMessage) {
    host_.SuspendGrid(table);
    host_.SetCancelEnabled(false);
    host_.SetStatusText("Building results table...");
    const auto finish = [&] {
        host_.HideProgress();
        host_.SetStatusText("Sorting...");
        table.Sort(host_.SortKeys(table));
        host_.SetStatusText("");
        if (table.RecordCount() > 0)
            table.First();
        host_.ResumeGrid(table);
    };
    try {
        fill();
    } catch (...) {
        finish();
        throw;
    }
    finish();
    if (table.RecordCount() == 0)
        host_.Inform(emptyMessage);
}

void TCalculation::RunTreeAnalysis(TTree which, TMemTable& table,
                                   const std::function<bool()>& buildTree,
                                   const std::function<void()>& fill,
                                   std::string_view emptyMessage) {
    if (!PrepareRun())
        return;
    ResetTable(table);
    host_.SetCancelEnabled(true);
    if (!buildTree()) {
        const bool phrases = which == TTree::Phrases;
        ClearResults(phrases, !phrases, false, false);
        return;
    }
    FillTable(table, fill, emptyMessage);
}

void TCalculation::BeginSteps(int steps) {
    host_.ShowProgress(steps);
    host_.SetCancelEnabled(true);
}

bool TCalculation::StepDone(int done) {
    host_.SetProgress(done);
    host_.ProcessMessages();
    if (!state_.cancelRequested)
        return true;
    host_.HideProgress();
    host_.SetCancelEnabled(false);
    return false;
}

void TCalculation::ReportAdded(std::string_view label, int added) {
    if (added % 100 == 0)
        host_.SetStatusCount(label, added);
}

} // namespace lexorin
