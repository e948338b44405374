// A host for tests: records what the analyses show and answers questions
// from a script.
#pragma once

#include "AnalysisHost.h"
#include "Calculation.h"
#include "ResultTables.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace lexorin::test {

class RecordingHost : public TAnalysisHost {
public:
    std::vector<std::string> statuses;
    std::vector<std::string> messages;  // information boxes
    std::vector<std::string> questions; // confirmations asked
    std::deque<bool> answers;           // scripted; Yes when none is left
    int progressShown = 0;
    std::vector<int> progress;
    std::function<void()> onProcessMessages;
    std::vector<bool> calculating;

    void SetStatusText(std::string_view text) override { statuses.emplace_back(text); }
    void ShowProgress(int) override { ++progressShown; }
    void SetProgress(int position) override { progress.push_back(position); }
    void HideProgress() override {}
    void ProcessMessages() override {
        if (onProcessMessages)
            onProcessMessages();
    }
    void Inform(std::string_view message) override { messages.emplace_back(message); }
    bool Confirm(std::string_view question) override {
        questions.emplace_back(question);
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void SetCalculating(bool on) override { calculating.push_back(on); }
    void SetCancelEnabled(bool) override {}
    void SuspendGrid(const TMemTable&) override {}
    void ResumeGrid(const TMemTable&) override {}
    void UpdateGridButtons(const TMemTable&) override {}
    std::string SortKeys(const TMemTable& table) override {
        return InitialSortKeys(table);
    }
};

// A state with a text loaded and a calculation over it.
struct Analysis {
    TAnalysisState state;
    RecordingHost host;
    TCalculation calculation{state, host};

    explicit Analysis(std::string text) { state.viewText = std::move(text); }
    void Run(TAnalysisPage page) { calculation.Calculate(page); }
};

// The rows of a table in its current order, one string per row with the
// chosen fields joined by "|".
std::vector<std::string> Rows(const TMemTable& table, const std::vector<std::string>& fields);

} // namespace lexorin::test
