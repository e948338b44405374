// The preview of a report: a toolbar with zoom, page and print buttons, and
// the page view. The pages are found a slice of rows at a time, so that the
// window keeps answering while a long report is laid out.
#pragma once

#include <QWidget>
#include <memory>

class QButtonGroup;
class QLabel;
class QPrinter;
class QProgressBar;
class QTimer;
class QToolButton;

namespace lexorin {

class TPreviewPages;
class TReportDocument;

class TfrRepPreview : public QWidget {
    Q_OBJECT
public:
    explicit TfrRepPreview(QWidget* parent = nullptr);

    // Shows a prepared report at 100 percent from its first page once its
    // pages are laid out.
    void SetReport(std::shared_ptr<TReportDocument> document);
    const TReportDocument* Report() const { return document_.get(); }
    // Lays out the rest of the pages now.
    void FinishLayout();
    // Prints the pages the printer's range asks for (all when it has none).
    void Print(QPrinter& printer);

    QWidget* Panel1;
    TPreviewPages* PreviewMain;
    QToolButton* sbZoom100;
    QToolButton* sbZoomToFit;
    QToolButton* frSpeedButton3;
    QToolButton* sbFirst;
    QToolButton* sbPrev;
    QToolButton* sbNext;
    QToolButton* sbLast;
    QToolButton* sbPrint;
    QToolButton* sbSavePdf;
    QLabel* lbPage;
    QProgressBar* pbLayout;

signals:
    // "Save as PDF" was pressed.
    void SavePdfRequested();

private:
    void sbZoom100Click();
    void sbZoomToFitClick();
    void frSpeedButton3Click();
    void sbFirstClick();
    void sbPrevClick();
    void sbNextClick();
    void sbLastClick();
    void sbPrintClick();
    void LayOutSome();
    void ShowPageNumber();
    void UpdateButtons();
    QToolButton* MakeButton(const char* name, const char* hint, const QIcon& icon);

    std::shared_ptr<TReportDocument> document_;
    QButtonGroup* zoomGroup_;
    QTimer* layoutTimer_;
};

} // namespace lexorin
