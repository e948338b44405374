#include "CliReport.h"

#include "RepPreviewFrame.h"
#include "ReportDocument.h"
#include "ReportFrames.h"

#include <QApplication>
#include <memory>
#include <optional>
#include <stdexcept>

namespace lexorin {

std::string WriteReportPdf(TAnalysisState& state, TAnalysisPage page, const std::string& input,
                           const std::string& pdf) {
    // Fonts and painting want an application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "lexorin-cli";
    char* argv[] = {name, nullptr};
    std::optional<QApplication> application;
    if (QCoreApplication::instance() == nullptr)
        application.emplace(argc, argv);
    try {
        const std::unique_ptr<TfrRep> frame(
            CreateReportFrame(page, state, QString::fromLocal8Bit(input), nullptr));
        frame->BuildReport();
        frame->PreviewFrame->FinishLayout();
        frame->PreviewFrame->Report()->WritePdf(QString::fromLocal8Bit(pdf));
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return {};
}

} // namespace lexorin
