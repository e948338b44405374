// The chart frames: their data on the chart objects, paging, the zoom and
// move arithmetic with its undo, the mouse zoom, marks that stay readable,
// and pictures written to disk.
#include "ArrowSeries.h"
#include "ChartBuilder.h"
#include "ChartData.h"
#include "ChartMarks.h"
#include "ChartPicture.h"
#include "LFChart.h"
#include "MultiLFChart.h"
#include "PdfText.h"
#include "SingleFreqChart.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace lexorin {
namespace {

struct TPoint {
    double key;
    double value;
    bool operator==(const TPoint&) const = default;
};

std::vector<TPoint> Points(QCPAbstractPlottable* series) {
    std::vector<TPoint> points;
    QCPPlottableInterface1D* data = series->interface1D();
    for (int i = 0; i < data->dataCount(); ++i)
        points.push_back({data->dataMainKey(i), data->dataMainValue(i)});
    return points;
}

std::vector<std::string> MarkTexts(const TChartMarks& marks) {
    std::vector<std::string> texts;
    for (const TChartMark& mark : marks.Marks())
        texts.push_back(mark.text.toStdString());
    return texts;
}

// How many points of the series lie inside the bottom axis's range.
int PointsShown(QCPAbstractPlottable* series) {
    const QCPRange shown = series->keyAxis()->range();
    int count = 0;
    for (const TPoint& point : Points(series))
        count += shown.contains(point.key) ? 1 : 0;
    return count;
}

QAction* Command(const QWidget& frame, const char* name) {
    auto* action = frame.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

void AddPhrase(TMemTable& table, const std::string& text, int cases, int words) {
    table.Append();
    table.SetText("text", text);
    table.SetInteger("cases", cases);
    table.SetInteger("words", words);
    table.Post();
}

void AddWord(TMemTable& table, const std::string& word, int count, const std::string& positions) {
    table.Append();
    table.SetText("word", word);
    table.SetInteger("count", count);
    table.SetText("positions", positions);
    table.Post();
}

TEST(LFChart, TwentyFivePhrasesOfThreeFrequencies) {
    TAnalysisState state;
    state.mteRes.Open();
    for (int k = 0; k < 25; ++k)
        AddPhrase(state.mteRes, std::string(1, static_cast<char>('a' + k)),
                  k < 20   ? 2
                  : k < 24 ? 3
                           : 7,
                  1);
    TLFChartFrame frame;
    FillFrequencyChart(frame, state, TAnalysisPage::Phrases);
    EXPECT_EQ(Points(frame.Series1()), (std::vector<TPoint>{{2, 20}, {3, 4}, {7, 1}}));
    EXPECT_EQ(MarkTexts(*frame.Marks()), (std::vector<std::string>{"20", "4", "1"}));
    EXPECT_EQ(frame.PointCount(), 3);
    EXPECT_FALSE(frame.Paging());
    EXPECT_FALSE(Command(frame, "tbPages")->isEnabled());
    EXPECT_FALSE(Command(frame, "tbPages")->isChecked());
    EXPECT_EQ(PointsShown(frame.Series1()), 3);
    EXPECT_EQ(frame.ChartName(), "Numbers of phrases by their frequencies");
    EXPECT_EQ(frame.Chart()->yAxis->label(), "number of phrases");
    EXPECT_EQ(frame.Chart()->xAxis->label(), "frequency");
}

TEST(LFChart, ElevenFrequenciesArePagedTenAPage) {
    TLFChartFrame frame;
    // First seen order is not key order: the bars still stand in ascending order.
    for (int frequency : {30, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1})
        frame.AddFrequency(frequency);
    EXPECT_EQ(frame.FreqCounts().Entries().front().key, 30);
    frame.ShowData();
    ASSERT_EQ(Points(frame.Series1()).size(), 11u);
    EXPECT_EQ(Points(frame.Series1()).front(), (TPoint{1, 2}));
    EXPECT_EQ(Points(frame.Series1()).back(), (TPoint{30, 1}));
    QAction* paging = Command(frame, "tbPages");
    EXPECT_TRUE(paging->isEnabled());
    EXPECT_TRUE(paging->isChecked());
    EXPECT_TRUE(frame.Paging());
    EXPECT_EQ(frame.PageCount(), 2);
    EXPECT_EQ(PointsShown(frame.Series1()), 10);
    EXPECT_FALSE(frame.Chart()->xAxis->range().contains(30));

    frame.ShowPage(1);
    EXPECT_EQ(PointsShown(frame.Series1()), 1);
    EXPECT_TRUE(frame.Chart()->xAxis->range().contains(30));
    frame.ShowPage(5); // beyond the last page: stays on the last
    EXPECT_EQ(frame.Page(), 1);

    paging->trigger(); // released: all points
    EXPECT_FALSE(frame.Paging());
    EXPECT_EQ(PointsShown(frame.Series1()), 11);
    paging->trigger(); // pressed again: the first page
    EXPECT_EQ(frame.Page(), 0);
    EXPECT_EQ(PointsShown(frame.Series1()), 10);
}

// A long list without paging: its labels never pile up over the spike of
// the low frequencies, and a logarithmic frequency axis spreads them out.
TEST(LFChart, ALogarithmicFrequencyAxisAndLabelsThatNeverStack) {
    TLFChartFrame frame;
    for (int frequency = 1; frequency <= 40; ++frequency)
        for (int k = 0; k < 41 - frequency; ++k)
            frame.AddFrequency(frequency);
    frame.AddFrequency(60000);
    frame.ShowData();
    frame.SetPaging(false);
    frame.resize(600, 400);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QCustomPlot* chart = frame.Chart();
    chart->replot(QCustomPlot::rpImmediateRefresh);
    const int linear = frame.Marks()->DrawnCount();
    EXPECT_LE(linear, 3) << "one label over the spike, one at 60000";

    QAction* log = Command(frame, "aLogScale");
    EXPECT_TRUE(log->isVisible());
    log->trigger();
    EXPECT_TRUE(frame.LogScale());
    EXPECT_EQ(chart->xAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_GT(chart->xAxis->range().lower, 0);
    EXPECT_TRUE(chart->xAxis->range().contains(1) && chart->xAxis->range().contains(60000));
    chart->replot(QCustomPlot::rpImmediateRefresh);
    EXPECT_GT(frame.Marks()->DrawnCount(), linear + 3);
    // Zooming and moving go by shares of the logarithmic span.
    frame.SetAnimatedZoom(false);
    const QCPRange fitted = chart->xAxis->range();
    frame.ZoomIn();
    const QCPRange zoomed = chart->xAxis->range();
    EXPECT_NEAR(zoomed.lower * zoomed.upper, fitted.lower * fitted.upper,
                1e-6 * fitted.lower * fitted.upper)
        << "the same middle";
    EXPECT_LT(zoomed.upper / zoomed.lower, fitted.upper / fitted.lower);
    frame.MoveLeft();
    const QCPRange moved = chart->xAxis->range();
    EXPECT_GT(moved.lower, 0);
    EXPECT_NEAR(moved.upper / moved.lower, zoomed.upper / zoomed.lower,
                1e-6 * zoomed.upper / zoomed.lower);
    EXPECT_LT(moved.upper, zoomed.upper);

    log->trigger();
    EXPECT_EQ(chart->xAxis->scaleType(), QCPAxis::stLinear);
    EXPECT_LE(chart->xAxis->range().lower, 0);
}

TEST(LFChart, PageKeysWalkThePages) {
    TLFChartFrame frame;
    for (int frequency = 1; frequency <= 25; ++frequency)
        frame.AddFrequency(frequency);
    frame.ShowData();
    frame.resize(700, 500);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.Chart()->setFocus();
    QTest::keyClick(frame.Chart(), Qt::Key_PageDown);
    QTest::keyClick(frame.Chart(), Qt::Key_PageDown);
    EXPECT_EQ(frame.Page(), 2);
    EXPECT_EQ(PointsShown(frame.Series1()), 5);
    QTest::keyClick(frame.Chart(), Qt::Key_PageUp);
    EXPECT_EQ(frame.Page(), 1);
}

TEST(MultiLFChart, WordsAByAndSeeGiveOnePointEach) {
    TAnalysisState state;
    state.mteConcordance.Open();
    AddWord(state.mteConcordance, "see", 2, "5;9;");
    AddWord(state.mteConcordance, "a", 5, "1;3;11;13;15;");
    AddWord(state.mteConcordance, "be", 5, "17;20;23;26;29;");
    TMultiLFChartFrame frame;
    FillFrequencyChart(frame, state, TAnalysisPage::Concordance);
    EXPECT_EQ(Points(frame.Series1()), (std::vector<TPoint>{{1, 5}, {2, 5}, {3, 2}}));
    EXPECT_EQ(frame.MarkTexts(), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(MarkTexts(*frame.Marks()), (std::vector<std::string>{"1", "1", "1"}));
    EXPECT_FALSE(frame.Paging());
    EXPECT_EQ(frame.ChartName(), "Numbers of words by their frequencies and length");
    EXPECT_EQ(frame.Chart()->xAxis->label(), "words length(characters)");
    EXPECT_EQ(frame.Chart()->yAxis->label(), "frequency");
}

TEST(MultiLFChart, MarksFollowThePointsOfEachLength) {
    TMultiLFChartFrame frame;
    // Lengths arrive out of order, several frequencies per length; more
    // than ten points never turn paging on.
    const std::vector<std::pair<int, int>> rows = {{3, 7}, {3, 7}, {3, 2}, {1, 9}, {12, 1}, {1, 9},
                                                   {1, 9}, {3, 2}, {3, 7}, {2, 4}, {5, 1},  {6, 1},
                                                   {7, 1}, {8, 1}, {9, 1}, {10, 1}};
    for (const auto& [length, frequency] : rows)
        frame.AddItem(length, frequency);
    frame.ShowData();
    const std::vector<TPoint> points = Points(frame.Series1());
    ASSERT_EQ(points.size(), 11u);
    EXPECT_EQ(std::vector<TPoint>(points.begin(), points.begin() + 4),
              (std::vector<TPoint>{{1, 9}, {2, 4}, {3, 7}, {3, 2}}));
    EXPECT_EQ(std::vector<int>(frame.MarkTexts().begin(), frame.MarkTexts().begin() + 4),
              (std::vector<int>{3, 1, 3, 2}));
    EXPECT_EQ(frame.Series1GetMarkText(2), "3");
    EXPECT_EQ(points.back(), (TPoint{12, 1}));
    EXPECT_FALSE(frame.Paging());
    EXPECT_FALSE(Command(frame, "tbPages")->isEnabled());
}

TEST(ChartData, RowsAreTheRowsTheListShows) {
    TAnalysisState state;
    state.mteRes.Open();
    AddPhrase(state.mteRes, "the lamp", 3, 2);
    AddPhrase(state.mteRes, "the keeper", 3, 2);
    AddPhrase(state.mteRes, "lamp", 4, 1);
    state.mteRes.SetFilter([](const TMemTable& table, int row) {
        return table.Text(row, table.FieldIndex("text")).find("the") != std::string::npos;
    });
    state.mteRes.SetFiltered(true);
    state.mteRes.MoveTo(1);
    TLFChartFrame frame;
    FillFrequencyChart(frame, state, TAnalysisPage::Phrases);
    EXPECT_EQ(Points(frame.Series1()), (std::vector<TPoint>{{3, 2}}));
    EXPECT_EQ(state.mteRes.RecNo(), 1) << "the cursor stays where it was";

    state.mteConcordance.Open();
    AddWord(state.mteConcordance, "keeper", 2, "5;40;");
    const std::vector<TChartRow> rows = ChartRows(state, TAnalysisPage::Concordance);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].length, 6);
    EXPECT_EQ(rows[0].frequency, 2);
    EXPECT_TRUE(ChartRows(state, TAnalysisPage::Wordforms).empty()) << "a closed table";
}

TEST(ChartData, PositionsAndTitlesByPage) {
    TAnalysisState state;
    EXPECT_TRUE(ChartPositions(state, TAnalysisPage::Concordance).empty()) << "no list";
    state.mteConcordance.Open();
    AddWord(state.mteConcordance, "x", 2, "1;;100;");
    EXPECT_EQ(ChartPositions(state, TAnalysisPage::Concordance),
              (std::vector<std::int32_t>{1, 100}));
    state.mteRes.Open();
    AddPhrase(state.mteRes, "x", 2, 1);
    EXPECT_TRUE(ChartPositions(state, TAnalysisPage::Phrases).empty()) << "no tree";
    EXPECT_TRUE(ChartPositions(state, TAnalysisPage::Summary).empty());

    EXPECT_EQ(DispersionChartName(TAnalysisPage::Phrases), "Dispersion of word/phrase : ");
    EXPECT_EQ(DispersionChartName(TAnalysisPage::Wordforms), "Dispersion of wordform : ");
    EXPECT_EQ(DispersionChartName(TAnalysisPage::Concordance), "Dispersion of word : ");
    const std::vector<std::tuple<TAnalysisPage, bool, const char*, const char*>> titles = {
        {TAnalysisPage::Phrases, false, "number of phrases",
         "Numbers of phrases by their frequencies"},
        {TAnalysisPage::Wordforms, false, "number of wordforms",
         "Numbers of wordforms by their frequencies"},
        {TAnalysisPage::Concordance, false, "number of words",
         "Numbers of words by their frequencies"},
        {TAnalysisPage::Phrases, true, "phrase length(words)",
         "Numbers of phrases by their frequencies and length"},
        {TAnalysisPage::Wordforms, true, "wordform length(characters)",
         "Numbers of wordforms by their frequencies and length"},
        {TAnalysisPage::Concordance, true, "words length(characters)",
         "Numbers of words by their frequencies and length"},
    };
    for (const auto& [page, withLength, axis, name] : titles) {
        const TChartTitles got = FrequencyChartTitles(page, withLength);
        EXPECT_EQ(got.axisTitle, axis);
        EXPECT_EQ(got.chartName, name);
    }
}

TEST(SingleFreqChart, ArrowsOverTheWholeText) {
    TAnalysisState state;
    state.analysedText = std::string(100, 'x');
    state.mteConcordance.Open();
    AddWord(state.mteConcordance, "x", 2, "100;1;");
    TSingleFreqFrame frame;
    FillDispersionChart(frame, state, TAnalysisPage::Concordance, {1, 100});
    const QCPRange positions = frame.Chart()->yAxis->range();
    EXPECT_TRUE(positions.lower < 0 && positions.lower > -10 && positions.upper > 101 &&
                positions.upper < 112)
        << "the text's range, 0 to 101, with a small margin: " << positions.lower << " "
        << positions.upper;
    EXPECT_EQ(frame.Chart()->xAxis->range(), QCPRange(0, 2));
    EXPECT_EQ(frame.Series2()->Positions(), (std::vector<double>{1, 100}));
    EXPECT_EQ(MarkTexts(*frame.Marks()), (std::vector<std::string>{"1", "100"}));
    EXPECT_EQ(frame.ChartName(), "Dispersion of word : ");
    EXPECT_EQ(frame.mText()->toPlainText(), "x");
    // Positions have their own axis, with ticks and its title.
    QCPAxis* axis = frame.Chart()->yAxis;
    EXPECT_EQ(axis->label(), "position (characters)");
    EXPECT_TRUE(axis->visible() && axis->ticks() && axis->tickLabels());
    EXPECT_FALSE(frame.Chart()->xAxis->visible());
    EXPECT_EQ(frame.PointCount(), 0);
    EXPECT_FALSE(Command(frame, "tbPages")->isEnabled());
    EXPECT_FALSE(Command(frame, "aLogScale")->isVisible());

    // The arrows at both ends, heads and labels, stand inside the plot.
    frame.resize(500, 400);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.Chart()->replot(QCustomPlot::rpImmediateRefresh);
    const QRect plot = frame.Chart()->axisRect()->rect();
    const double room = QFontMetricsF(frame.Chart()->font()).height() / 2 + 9;
    for (double position : {1.0, 100.0}) {
        const double row = axis->coordToPixel(position);
        EXPECT_GE(row - plot.top(), room) << position;
        EXPECT_GE(plot.bottom() - row, room) << position;
    }
    EXPECT_EQ(frame.Marks()->DrawnCount(), 2);
}

// Thousands of arrows: each pixel row is drawn once and marks never
// overlap; zoomed in, every mark in view shows.
TEST(SingleFreqChart, CrowdedMarksAreThinnedAndComeBackWhenZoomed) {
    TSingleFreqFrame frame;
    frame.SetAnimatedZoom(false);
    frame.SetTextRange(0, 100001);
    for (int position = 0; position < 100000; position += 20)
        frame.AddPosition(position);
    frame.resize(800, 600);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QCustomPlot* chart = frame.Chart();
    chart->replot(QCustomPlot::rpImmediateRefresh);
    const int height = chart->axisRect()->height();
    EXPECT_GT(frame.Marks()->DrawnCount(), 5);
    EXPECT_LT(frame.Marks()->DrawnCount(), height / QFontMetrics(chart->font()).height() + 2);
    EXPECT_LE(frame.Series2()->DrawnCount(), height + 1);
    chart->yAxis->setRange(50000, 50200); // 10 positions in view
    chart->replot(QCustomPlot::rpImmediateRefresh);
    EXPECT_EQ(frame.Marks()->DrawnCount(), 11);
    EXPECT_EQ(frame.Series2()->DrawnCount(), 11);
}

class ChartZoom : public ::testing::Test {
protected:
    TLFChartFrame frame;
    void SetUp() override {
        frame.SetAnimatedZoom(false);
        frame.Chart()->xAxis->setRange(0, 100);
        frame.Chart()->yAxis->setRange(-50, 50);
    }
    QCPRange X() const { return frame.Chart()->xAxis->range(); }
    QCPRange Y() const { return frame.Chart()->yAxis->range(); }
};

TEST_F(ChartZoom, InAndOutAreNotInverseOriginalSizeUndoesBoth) {
    Command(frame, "aZoomIn")->trigger();
    EXPECT_EQ(X(), QCPRange(20, 80));
    EXPECT_EQ(Y(), QCPRange(-30, 30));
    Command(frame, "aZoomOut")->trigger();
    EXPECT_EQ(X(), QCPRange(8, 92));
    EXPECT_EQ(Y(), QCPRange(-42, 42));
    Command(frame, "aOriginalSize")->trigger();
    EXPECT_EQ(X(), QCPRange(0, 100));
    EXPECT_EQ(Y(), QCPRange(-50, 50));
    // Restored once: a second "Original size" changes nothing.
    frame.Chart()->xAxis->setRange(5, 6);
    EXPECT_FALSE(frame.OriginalSize());
    EXPECT_EQ(X(), QCPRange(5, 6));
}

TEST_F(ChartZoom, MovesShiftByAThirdAndAreNotUndone) {
    const std::vector<std::tuple<const char*, QCPRange, QCPRange>> cases = {
        {"aLeft", {-100.0 / 3, 200.0 / 3}, {-50, 50}},
        {"aRight", {100.0 / 3, 400.0 / 3}, {-50, 50}},
        {"aUp", {0, 100}, {-50 + 100.0 / 3, 50 + 100.0 / 3}},
        {"aDown", {0, 100}, {-50 - 100.0 / 3, 50 - 100.0 / 3}},
    };
    for (const auto& [command, x, y] : cases) {
        SetUp();
        Command(frame, command)->trigger();
        EXPECT_DOUBLE_EQ(X().lower, x.lower) << command;
        EXPECT_DOUBLE_EQ(X().upper, x.upper) << command;
        EXPECT_DOUBLE_EQ(Y().lower, y.lower) << command;
        EXPECT_DOUBLE_EQ(Y().upper, y.upper) << command;
        EXPECT_FALSE(frame.OriginalSize()) << command;
    }
    // Zoom, move, zoom: "Original size" returns to before the first zoom.
    SetUp();
    frame.ZoomIn();
    frame.MoveRight();
    frame.ZoomIn();
    EXPECT_TRUE(frame.OriginalSize());
    EXPECT_EQ(X(), QCPRange(0, 100));
}

TEST_F(ChartZoom, RectangleZoomIsUndoneToo) {
    frame.resize(600, 400);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.Chart()->replot(QCustomPlot::rpImmediateRefresh);
    QCPAxis* x = frame.Chart()->xAxis;
    QCPAxis* y = frame.Chart()->yAxis;
    const QPoint from(int(x->coordToPixel(10)), int(y->coordToPixel(40)));
    const QPoint to(int(x->coordToPixel(30)), int(y->coordToPixel(0)));
    QTest::mousePress(frame.Chart(), Qt::LeftButton, {}, from);
    QTest::mouseMove(frame.Chart(), to);
    QTest::mouseRelease(frame.Chart(), Qt::LeftButton, {}, to);
    QTRY_VERIFY(!frame.Animating());
    EXPECT_NEAR(X().lower, 10, 0.5);
    EXPECT_NEAR(X().upper, 30, 0.5);
    EXPECT_NEAR(Y().lower, 0, 0.5);
    EXPECT_NEAR(Y().upper, 40, 0.5);
    // Panning with the right button moves the view and is no zoom.
    const QPoint grab(300, 200);
    QTest::mousePress(frame.Chart(), Qt::RightButton, {}, grab);
    QTest::mouseMove(frame.Chart(), grab + QPoint(50, 0));
    QTest::mouseRelease(frame.Chart(), Qt::RightButton, {}, grab + QPoint(50, 0));
    EXPECT_LT(X().lower, 10);
    EXPECT_TRUE(frame.OriginalSize());
    EXPECT_EQ(X(), QCPRange(0, 100));
    // A right click that does not drag opens the frame's menu instead.
    auto* menu = frame.findChild<QMenu*>(QStringLiteral("pmChartFrame"));
    QTest::mouseClick(frame.Chart(), Qt::RightButton, {}, grab);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(X(), QCPRange(0, 100));
    menu->hide();
    // Dragged up and to the left, a rectangle zooms the same.
    frame.ZoomToRect(QRect(from, to));
    const QCPRange down = X();
    ASSERT_TRUE(frame.OriginalSize());
    frame.ZoomToRect(QRect(to, from));
    EXPECT_NEAR(X().lower, down.lower, 0.5);
    EXPECT_NEAR(X().upper, down.upper, 0.5);
}

TEST_F(ChartZoom, AnimatedZoomPassesThroughAndEndsOnTheTarget) {
    frame.SetAnimatedZoom(true);
    frame.resize(600, 400);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    std::vector<double> seen;
    QObject::connect(frame.Chart()->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged),
                     [&seen](const QCPRange& range) { seen.push_back(range.lower); });
    frame.ZoomIn();
    EXPECT_TRUE(frame.Animating());
    QTRY_VERIFY(!frame.Animating());
    EXPECT_EQ(X(), QCPRange(20, 80));
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](double v) { return v > 0 && v < 20; }));
    // A command during an animation starts from its target.
    frame.ZoomIn();
    frame.ZoomIn();
    QTRY_VERIFY(!frame.Animating());
    EXPECT_DOUBLE_EQ(X().lower, 20 + 60 * 0.2 + 36 * 0.2);
}

class ChartPicture : public ::testing::Test {
protected:
    QTemporaryDir folder;
    TLFChartFrame frame;
    void SetUp() override {
        frame.SetChartName(QStringLiteral("Numbers of phrases by their frequencies"));
        frame.SetAxisTitle(QStringLiteral("number of phrases"));
        for (int frequency : {2, 2, 3, 7})
            frame.AddFrequency(frequency);
        frame.ShowData();
    }
};

TEST_F(ChartPicture, PngSvgAndPdf) {
    QString error;
    for (const char* name : {"chart.png", "chart.svg", "chart.PDF"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(WriteChartPicture(frame, path, &error)) << error.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(64);
        if (path.endsWith("png"))
            EXPECT_TRUE(head.startsWith("\x89PNG"));
        else if (path.endsWith("svg"))
            EXPECT_TRUE(file.readAll().contains("number of phrases"));
        else
            EXPECT_TRUE(head.startsWith("%PDF"));
    }
    if (!test::CanReadPdf())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString text = test::PdfText(folder.filePath("chart.PDF"));
    EXPECT_TRUE(text.contains("Numbers of phrases by their frequencies")) << text.toStdString();
    EXPECT_TRUE(text.contains("number of phrases"));
    EXPECT_TRUE(text.contains("frequency"));
}

TEST_F(ChartPicture, ABadPathOrTypeLeavesNoFile) {
    QString error;
    const QString gif = folder.filePath("chart.gif");
    EXPECT_FALSE(WriteChartPicture(frame, gif, &error));
    EXPECT_TRUE(error.contains(gif));
    EXPECT_FALSE(QFile::exists(gif));
    const QString missing = folder.filePath("no/such/folder/chart.png");
    EXPECT_FALSE(WriteChartPicture(frame, missing, &error));
    EXPECT_TRUE(error.contains(missing));
    EXPECT_FALSE(QFile::exists(missing));
    // A device that is always full: every kind fails with the system's reason.
    for (const char* name : {"full.png", "full.svg", "full.pdf"}) {
        const QString full = folder.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), full));
        EXPECT_FALSE(WriteChartPicture(frame, full, &error)) << name;
        EXPECT_TRUE(error.contains(full) && error.contains("No space left on device"))
            << error.toStdString();
    }
}

} // namespace
} // namespace lexorin
