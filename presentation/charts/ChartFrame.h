// The frame of a chart tab: a title, the chart with its own toolbar for
// zooming, moving and paging, and a "Close tab" button. The descendants
// fill the chart; this frame owns what they share: the zoom arithmetic with
// its undo, the moves, paging, the mouse gestures and saving a picture.
#pragma once

#include "ChartIcons.h"

#include <QFrame>
#include <array>
#include <optional>
#include <qcustomplot.h>
#include <unordered_map>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QVariantAnimation;

namespace lexorin {

class TFlowLayout;

// Counts by key, the keys in first-seen order.
class TKeyCounts {
public:
    struct TEntry {
        int key = 0;
        int count = 0;
    };
    void Add(int key);
    const std::vector<TEntry>& Entries() const { return entries_; }

private:
    std::vector<TEntry> entries_;
    std::unordered_map<int, std::size_t> index_;
};

class TDiagramFrame : public QFrame {
    Q_OBJECT
public:
    // Points shown per page while paging is on.
    static constexpr int kPointsPerPage = 10;

    explicit TDiagramFrame(QWidget* parent = nullptr);

    QCustomPlot* Chart() const { return chart_; }
    void SetChartName(const QString& name);
    QString ChartName() const;
    int PointCount() const { return pointCount_; }

    virtual void ZoomIn();
    virtual void ZoomOut();
    virtual void MoveLeft();
    virtual void MoveRight();
    virtual void MoveUp();
    virtual void MoveDown();
    // Turns the accumulated data into chart points; called once, after the
    // last one.
    virtual void ShowData();

    // Zooms all four axes by a percentage: above 100 in, below 100 out.
    void Zoom(double percent);
    // Zooms to a rectangle of the chart, in its pixels, dragged either way;
    // a rectangle a few pixels small is taken for a click.
    void ZoomToRect(const QRect& dragged);
    // Undoes the zooming since the last undo; false when there was none.
    bool OriginalSize();
    // Zoom steps are drawn in between unless switched off.
    void SetAnimatedZoom(bool on) { animatedZoom_ = on; }
    bool Animating() const;

    // Paging: at most kPointsPerPage points of the series a page.
    bool Paging() const { return paging_; }
    int Page() const { return page_; }
    int PageCount() const;
    void ShowPage(int page);
    // Presses or releases tbPages, as a click does.
    void SetPaging(bool on);
    // A logarithmic frequency axis (or a linear one again), as the toolbar's
    // "Logarithmic" button gives; for the frequency charts.
    void SetLogScale(bool on);
    bool LogScale() const;

    // The frame as a picture: the titles above the chart, `size` in all.
    void RenderPicture(QCPPainter& painter, const QSize& size);
    // Asks for a file and writes the picture to it.
    void SavePictureExecute();

signals:
    // The user confirmed closing the tab sheet the frame stands in; the
    // receiver destroys it once the click has been handled.
    void CloseTabRequested(QWidget* tabSheet);

protected:
    // The series that paging and ranging follow; nullptr when the chart has
    // none.
    virtual QCPAbstractPlottable* PagedSeries() const { return nullptr; }
    // The charted item shown below the title, when the chart has one.
    virtual QString ItemText() const { return {}; }

    // Offers the "Logarithmic" command for this axis.
    void OfferLogScale(QCPAxis* frequencyAxis);
    void FillBarSeries(QCPBars* series, const TKeyCounts& list);
    // Ranges fitted to every point of PagedSeries, with room for the marks.
    void FitRanges();
    void SetPointCount(int count) { pointCount_ = count; }

    QWidget* pnTop() const { return pnTop_; }
    QWidget* pnBot() const { return pnBot_; }

private:
    using TRanges = std::array<QCPRange, 4>;
    std::array<QCPAxis*, 4> Axes() const;
    TRanges Ranges() const;
    void ApplyRanges(const TRanges& ranges);
    void AnimateTo(const TRanges& target);
    void FinishAnimation();
    void SaveRangesBeforeZoom();
    void Shift(QCPAxis* axis, double thirds);
    void FitRanges(int first, int last);
    void tbPagesClick();
    void Button1Click();
    void ChartMousePress(QMouseEvent* event);
    void ChartMouseMove(QMouseEvent* event);
    void ChartMouseRelease(QMouseEvent* event);
    void ShowPageLabel();
    // A line between groups of commands.
    void AddSeparator();
    QAction* AddCommand(const char* name, const QString& caption,
                        std::optional<TChartIcon> icon = {}, const QKeySequence& key = {});

    QWidget* pnTop_;
    QLabel* lbChartName_;
    QWidget* tbChart_;
    TFlowLayout* toolbar_;
    QAction* tbPages_;
    QAction* aLogScale_;
    QCPAxis* frequencyAxis_ = nullptr;
    QLabel* lbPage_;
    QCustomPlot* chart_;
    QWidget* pnBot_;
    QPushButton* Button1_;
    QMenu* pmChart_;
    QVariantAnimation* animation_;

    int pointCount_ = 0;
    bool paging_ = false;
    int page_ = 0;
    bool animatedZoom_ = true;
    TRanges animationStart_{};
    TRanges animationTarget_{};
    std::optional<TRanges> savedRanges_;
    // Panning with the right mouse button.
    std::optional<QPoint> panStart_;
    TRanges panRanges_{};
    bool panMoved_ = false;
};

} // namespace lexorin
