// What the analyses need from the window that runs them: status texts, the
// progress bar, message boxes, message processing and the result grids. The
// main window, the command line and the tests each implement it.
#pragma once

#include <string>
#include <string_view>

namespace lexorin {

class TMemTable;

class TAnalysisHost {
public:
    virtual ~TAnalysisHost() = default;

    // Status panel 0, repainted at once.
    virtual void SetStatusText(std::string_view text) = 0;
    // A running count in status panel 0 ("Phrases added : 1200"); a host may
    // skip counts that follow one another faster than the eye can read.
    virtual void SetStatusCount(std::string_view label, int count) {
        SetStatusText(std::string(label) + " : " + std::to_string(count));
    }
    // The progress bar, shown with the range 0..maximum at position 0.
    virtual void ShowProgress(int maximum) = 0;
    virtual void SetProgress(int position) = 0;
    virtual void HideProgress() = 0;
    // Lets pending window messages run (the Cancel command among them).
    virtual void ProcessMessages() = 0;
    // An information box with OK.
    virtual void Inform(std::string_view message) = 0;
    // A confirmation with Yes and No; true for Yes.
    virtual bool Confirm(std::string_view question) = 0;
    // The calculating state of the window: pages, menus and the Calculate
    // button; the wait cursor.
    virtual void SetCalculating(bool calculating) = 0;
    virtual void SetCancelEnabled(bool enabled) = 0;
    // Repainting of the grids that show a table.
    virtual void SuspendGrid(const TMemTable& table) = 0;
    virtual void ResumeGrid(const TMemTable& table) = 0;
    // The in-cell buttons of the grids that show a table.
    virtual void UpdateGridButtons(const TMemTable& table) = 0;
    // The sort keys of the markers of the grid that shows a table.
    virtual std::string SortKeys(const TMemTable& table) = 0;
};

// A host without a window: every hook does nothing, and tables sort by the
// initial markers of their lists.
class TQuietHost : public TAnalysisHost {
public:
    void SetStatusText(std::string_view) override {}
    void ShowProgress(int) override {}
    void SetProgress(int) override {}
    void HideProgress() override {}
    void ProcessMessages() override {}
    void Inform(std::string_view) override {}
    bool Confirm(std::string_view) override { return true; }
    void SetCalculating(bool) override {}
    void SetCancelEnabled(bool) override {}
    void SuspendGrid(const TMemTable&) override {}
    void ResumeGrid(const TMemTable&) override {}
    void UpdateGridButtons(const TMemTable&) override {}
    std::string SortKeys(const TMemTable& table) override;
};

} // namespace lexorin
