#include "FeSaTree.h"
#include "FeWordWdList.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>
#include <numeric>

namespace lexorin::test {
namespace {

class Frame : public ::testing::Test {
protected:
    void SetUp() override { StoreWordPositions = true; }
};

TEST_F(Frame, StatusTextsOfAPhraseRun) {
    Analysis analysis("a b. a b.");
    EXPECT_EQ(analysis.calculation.TotalResultsText(TAnalysisPage::Phrases), "Ready");
    analysis.Run(TAnalysisPage::Phrases);
    EXPECT_EQ(analysis.host.statuses,
              (std::vector<std::string>{"Preprocessing...", "", "", "Building results table...",
                                        "Sorting...", "", "Total results:1"}))
        << "the first run finds the tree options changed and resets the table again";
    EXPECT_EQ(analysis.host.calculating, (std::vector<bool>{true, false}));
    EXPECT_FALSE(analysis.state.busy);
    EXPECT_EQ(analysis.calculation.TotalResultsText(TAnalysisPage::Summary), "Summary");
    EXPECT_EQ(analysis.calculation.TotalResultsText(TAnalysisPage::Options), "Options");
}

TEST_F(Frame, EmptyTextLeavesTheTableAlone) {
    Analysis analysis("\r\n");
    analysis.state.viewText.clear();
    analysis.Run(TAnalysisPage::Wordforms);
    EXPECT_EQ(analysis.host.statuses,
              (std::vector<std::string>{"Preprocessing...", "Empty text", "Ready"}));
    EXPECT_FALSE(analysis.state.mteWordForms.Active());
}

TEST_F(Frame, TreesAreReusedUntilTheirOptionsChange) {
    Analysis analysis("the cat sat. the cat sat. the dog");
    analysis.Run(TAnalysisPage::Phrases);
    const TFeTree* first = analysis.state.phraseTree.get();
    EXPECT_EQ(analysis.host.progressShown, 1);
    const int rows = analysis.state.mteRes.RecordCount();

    analysis.state.options.rseCases = 3;
    analysis.Run(TAnalysisPage::Phrases);
    EXPECT_EQ(analysis.host.progressShown, 1) << "no new build";
    EXPECT_EQ(analysis.state.phraseTree.get(), first);
    EXPECT_LT(analysis.state.mteRes.RecordCount(), rows);

    analysis.state.options.edBreakChars = ".?! ";
    analysis.Run(TAnalysisPage::Phrases);
    EXPECT_EQ(analysis.host.progressShown, 2) << "a changed stop text rebuilds, blanks and all";

    analysis.Run(TAnalysisPage::Wordforms);
    EXPECT_EQ(analysis.host.progressShown, 3);
    analysis.state.options.cbCaseSens = true;
    analysis.Run(TAnalysisPage::Phrases);
    EXPECT_EQ(analysis.host.progressShown, 4);
    EXPECT_TRUE(analysis.state.wordformTree) << "the wordform tree waits for its own run";
    analysis.Run(TAnalysisPage::Wordforms);
    EXPECT_EQ(analysis.host.progressShown, 5);
    analysis.state.options.cbPrefOnly = false;
    analysis.Run(TAnalysisPage::Wordforms);
    EXPECT_EQ(analysis.host.progressShown, 5) << "prefixes only selects rows, the tree stays";
}

TEST_F(Frame, CancelDuringTheBuildDiscardsTheTree) {
    Analysis analysis("one two three. one two three.");
    analysis.host.answers = {true};
    analysis.host.onProcessMessages = [&] {
        if (analysis.host.questions.empty())
            analysis.calculation.RequestCancel();
    };
    analysis.Run(TAnalysisPage::Phrases);
    EXPECT_EQ(analysis.host.questions, std::vector<std::string>{"Abort calculation ? "});
    EXPECT_FALSE(analysis.state.phraseTree);
    EXPECT_TRUE(analysis.state.mteRes.Active());
    EXPECT_EQ(analysis.state.mteRes.RecordCount(), 0);
    EXPECT_TRUE(analysis.host.messages.empty()) << "no empty-list message";
    EXPECT_EQ(analysis.host.statuses.back(), "Total results:0");

    // A No withdraws the request and the build goes on.
    Analysis goOn("one two three. one two three.");
    goOn.host.answers = {false};
    goOn.host.onProcessMessages = [&] {
        if (goOn.host.questions.empty())
            goOn.calculation.RequestCancel();
    };
    goOn.Run(TAnalysisPage::Wordforms);
    EXPECT_TRUE(goOn.state.wordformTree);
}

TEST_F(Frame, ClearResultsAsksOnlyWhenThereAreResults) {
    Analysis analysis("x y. x y.");
    EXPECT_TRUE(analysis.calculation.ClearResults(true, true, true, true));
    EXPECT_TRUE(analysis.host.questions.empty());
    analysis.Run(TAnalysisPage::Phrases);
    analysis.host.answers = {false};
    EXPECT_FALSE(analysis.calculation.ClearResults(true, true, true, true));
    EXPECT_EQ(analysis.host.questions,
              std::vector<std::string>{
                  "Current calculation results will be cleared. Do you wish to continue ? "});
    EXPECT_EQ(analysis.state.mteRes.RecordCount(), 1) << "No changes nothing";
    EXPECT_TRUE(analysis.calculation.ClearResults(true, true, true, true));
    EXPECT_EQ(analysis.state.mteRes.RecordCount(), 0);
    EXPECT_FALSE(analysis.state.phraseTree);
}

TEST_F(Frame, ABusyWindowStartsNoSecondCalculation) {
    Analysis analysis("x y. x y.");
    analysis.state.busy = true;
    analysis.Run(TAnalysisPage::Phrases);
    EXPECT_TRUE(analysis.host.statuses.empty());
}

TEST_F(Frame, ProgressMovesOncePerStageOfTheTreeBuild) {
    std::string text;
    for (int k = 0; k < 300; ++k)
        text += std::string(1, 'w').append(std::to_string(k % 37)).append(" ");
    for (const TAnalysisPage page : {TAnalysisPage::Phrases, TAnalysisPage::Wordforms}) {
        Analysis analysis(text);
        analysis.Run(page);
        std::vector<int> stages(TSaTreeBuilder::StageCount);
        std::iota(stages.begin(), stages.end(), 1);
        EXPECT_EQ(analysis.host.progress, stages);
    }
}

TEST_F(Frame, AnErrorInARunStillEndsTheCalculatingState) {
    Analysis analysis("x y. x y.");
    analysis.host.onProcessMessages = [] { throw std::runtime_error("boom"); };
    EXPECT_THROW(analysis.Run(TAnalysisPage::Phrases), std::runtime_error);
    EXPECT_FALSE(analysis.state.busy);
    EXPECT_EQ(analysis.host.calculating, (std::vector<bool>{true, false}));
}

} // namespace
} // namespace lexorin::test
