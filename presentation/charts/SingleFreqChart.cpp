#include "SingleFreqChart.h"

#include "ArrowSeries.h"
#include "ChartMarks.h"

#include <QLayout>
#include <QPlainTextEdit>
#include <algorithm>

namespace lexorin {
namespace {

// The distance from an arrow's head to its mark.
constexpr int kArrowLength = 10;
// The share of the text's length left empty beyond each end of the axis.
constexpr double kMarginShare = 0.08;

} // namespace

TSingleFreqFrame::TSingleFreqFrame(QWidget* parent) : TDiagramFrame(parent) {
    pnTop()->setMinimumHeight(64);
    pnBot()->setMinimumHeight(33);
    mText_ = new QPlainTextEdit(pnTop());
    mText_->setObjectName(QStringLiteral("mText"));
    mText_->setReadOnly(true);
    mText_->setFrameShape(QFrame::NoFrame);
    mText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mText_->document()->setDocumentMargin(1);
    QPalette colours = mText_->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    mText_->setPalette(colours);
    SetItem({}, false);
    pnTop()->layout()->setContentsMargins(9, 4, 9, 4);
    static_cast<QBoxLayout*>(pnTop()->layout())->insertWidget(1, mText_);

    QCustomPlot* chart = Chart();
    // The arrows run from 0 to 1 across, their labels beyond; positions run
    // up the left axis.
    chart->xAxis->setRange(0, 2);
    chart->xAxis->setVisible(false);
    chart->xAxis->grid()->setVisible(false);
    chart->yAxis->setLabel(QStringLiteral("position (characters)"));
    chart->yAxis->grid()->setVisible(false);
    series2_ = new TArrowSeries(chart->yAxis, chart->xAxis);
    marks_ = new TChartMarks(chart->yAxis, chart->xAxis, kArrowLength);
    marks_->SetFramePen(QPen(Qt::gray, 0, Qt::DashDotLine));
}

void TSingleFreqFrame::AddPosition(int position) {
    series2_->Add(position);
    marks_->Add(position, 1, QString::number(position));
}

void TSingleFreqFrame::SetTextRange(double minimum, double maximum) {
    // A margin above and below, so that the arrows at the ends and their
    // labels stand whole inside the plot.
    const double margin = std::max(1.0, (maximum - minimum) * kMarginShare);
    Chart()->yAxis->setRange(minimum - margin, maximum + margin);
}

void TSingleFreqFrame::SetItem(const QString& text, bool tall) {
    mText_->setPlainText(text);
    const int lines = tall ? 2 : 1;
    mText_->setFixedHeight(std::max(lines * 20, lines * mText_->fontMetrics().lineSpacing() + 4));
}

QString TSingleFreqFrame::ItemText() const {
    return mText_->toPlainText();
}

} // namespace lexorin
