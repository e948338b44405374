// The preview's buttons: zoom group, paging at both ends, the page shown.
#include "PreviewPages.h"
#include "ReportSupport.h"

#include <QLabel>
#include <QToolButton>
#include <gtest/gtest.h>

namespace lexorin::test {
namespace {

TEST(ReportPreview, PagingStopsAtBothEnds) {
    TAnalysisState state;
    for (int k = 0; k < 100; ++k)
        AddPhrase(state, "phrase " + std::to_string(k), 2, 2, 1);
    const auto frame = BuildReport(1, state);
    frame->resize(900, 700);
    frame->show();
    TfrRepPreview& preview = *frame->PreviewFrame;
    ASSERT_EQ(preview.PreviewMain->PageCount(), 3);
    EXPECT_EQ(preview.PreviewMain->CurrentPage(), 0);
    EXPECT_EQ(preview.lbPage->text(), QStringLiteral("Page 1 of 3"));
    preview.sbPrev->click();
    EXPECT_EQ(preview.PreviewMain->CurrentPage(), 0);
    preview.sbNext->click();
    EXPECT_EQ(preview.lbPage->text(), QStringLiteral("Page 2 of 3"));
    preview.sbLast->click();
    EXPECT_EQ(preview.PreviewMain->CurrentPage(), 2);
    preview.sbNext->click();
    EXPECT_EQ(preview.PreviewMain->CurrentPage(), 2);
    EXPECT_EQ(preview.lbPage->text(), QStringLiteral("Page 3 of 3"));
    preview.sbFirst->click();
    EXPECT_EQ(preview.PreviewMain->CurrentPage(), 0);
}

TEST(ReportPreview, OneZoomButtonIsDown) {
    TAnalysisState state;
    AddPhrase(state, "lamp", 2, 1, 1);
    const auto frame = BuildReport(1, state);
    frame->resize(900, 700);
    frame->show();
    TfrRepPreview& preview = *frame->PreviewFrame;
    EXPECT_TRUE(preview.sbZoom100->isChecked());
    EXPECT_EQ(preview.PreviewMain->Zoom(), 1.0);
    const std::pair<QToolButton*, TZoomMode> buttons[] = {
        {preview.sbZoomToFit, TZoomMode::WholePage},
        {preview.frSpeedButton3, TZoomMode::PageWidth},
        {preview.sbZoom100, TZoomMode::Factor}};
    for (const auto& [button, mode] : buttons) {
        button->click();
        EXPECT_EQ(preview.PreviewMain->ZoomMode(), mode);
        for (QToolButton* zoom : {preview.sbZoom100, preview.sbZoomToFit, preview.frSpeedButton3})
            EXPECT_EQ(zoom->isChecked(), zoom == button);
    }
    preview.sbZoomToFit->click();
    EXPECT_LT(preview.PreviewMain->Zoom(), 1.0) << "a whole A4 page in 700 pixels";
    EXPECT_EQ(preview.sbFirst->toolTip(), QStringLiteral("First page"));
    EXPECT_EQ(preview.sbPrint->toolTip(), QStringLiteral("Print report"));
}

} // namespace
} // namespace lexorin::test
