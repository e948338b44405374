#include "CliChart.h"

#include "ChartBuilder.h"
#include "ChartData.h"
#include "ChartPicture.h"
#include "LFChart.h"
#include "MultiLFChart.h"
#include "SingleFreqChart.h"

#include <QApplication>
#include <memory>

namespace lexorin {
namespace {

// The widgets need an application object; the command line has none of
// its own.
std::unique_ptr<QApplication> OffscreenApplication() {
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "lexorin-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

std::string WriteCliChart(const TAnalysisState& state, TAnalysisPage page, const TCliChart& chart) {
    const std::unique_ptr<QApplication> application = OffscreenApplication();
    std::unique_ptr<TDiagramFrame> frame;
    if (chart.kind == "dispersion") {
        const std::vector<std::int32_t> positions = ChartPositions(state, page);
        if (positions.empty())
            return "The row has no positions to chart";
        auto dispersion = std::make_unique<TSingleFreqFrame>();
        FillDispersionChart(*dispersion, state, page, positions);
        frame = std::move(dispersion);
    } else if (chart.kind == "frequencies") {
        auto frequencies = std::make_unique<TLFChartFrame>();
        FillFrequencyChart(*frequencies, state, page);
        frame = std::move(frequencies);
    } else {
        auto lengths = std::make_unique<TMultiLFChartFrame>();
        FillFrequencyChart(*lengths, state, page);
        frame = std::move(lengths);
    }
    // The whole list, not its first page.
    frame->SetPaging(false);
    frame->SetLogScale(chart.logarithmic);
    QString error;
    if (!WriteChartPicture(*frame, QString::fromLocal8Bit(chart.output.c_str()), &error))
        return error.toStdString();
    return {};
}

} // namespace lexorin
