// The page view of a report preview: the prepared pages one below the other
// at a zoom, with scroll bars, a current page, wheel scrolling and Ctrl+wheel
// zooming. Only the pages in sight are drawn.
#pragma once

#include <QAbstractScrollArea>
#include <memory>

namespace lexorin {

class TReportDocument;

enum class TZoomMode { Factor, WholePage, PageWidth };

class TPreviewPages : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TPreviewPages(QWidget* parent = nullptr);

    // Shows the pages of `document` once its page count is known.
    void SetReport(std::shared_ptr<const TReportDocument> document);
    void SetZoomFactor(double factor);
    void SetZoomMode(TZoomMode mode);
    TZoomMode ZoomMode() const { return mode_; }
    double Zoom() const { return zoom_; }

    // 0-based; -1 while there are no pages.
    int CurrentPage() const { return current_; }
    int PageCount() const;
    // Scrolls to a page; a page out of range is ignored.
    void ShowPage(int page);

signals:
    void CurrentPageChanged(int page, int count);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    double Scale() const; // screen pixels per template pixel
    double PageTop(int page) const;
    double Stride() const;
    void FitZoom();
    void UpdateScrollBars();
    void SetCurrent(int page);

    std::shared_ptr<const TReportDocument> document_;
    TZoomMode mode_ = TZoomMode::Factor;
    double zoom_ = 1.0;
    int current_ = -1;
    bool scrollingToPage_ = false;
};

} // namespace lexorin
