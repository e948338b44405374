// The chart and report tabs beside the text tab: their numbering, the tab
// strip's pop-up menu, their removal, and the deferred closing a frame asks
// for from inside its own click.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;
class QTabWidget;
class QWidget;

namespace lexorin {

enum class TTabKind { Chart, Report };

class TResultTabs : public QObject {
    Q_OBJECT
public:
    // `pages` is pcText; its first tab, the text tab, is never closed.
    explicit TResultTabs(QTabWidget* pages);

    // Opens " Chart %d " or " Report %d " with the frame filling it, named
    // "ChartTab<n>"/"ChartFrame<n>" (or Report...), and makes it the active
    // tab; returns its number.
    int AddTab(TTabKind kind, QWidget* frame);
    void RemoveChartTabs();
    void RemoveReportTabs();
    int ChartTabCount() const { return chartTabCount_; }
    int ReportTabCount() const { return reportTabCount_; }

    // Destroys the tab once the current event has been handled, so that a
    // frame may ask for its own tab to close from its button's click.
    void PostCloseTab(QWidget* tab);

    // A tab the window keeps and shows again (the KWIC lines): the strip's
    // "Close tab" calls `close` for it instead of destroying it.
    void KeepTab(QWidget* tab, std::function<void()> close);

    // The context-menu request at a point of the tab strip: opens pmTabs
    // over a chart or report tab; false when no menu opens.
    bool ContextPopup(const QPoint& tabBarPos);
    QMenu* Menu() const { return menu_; }
    int MenuTab() const { return menuTab_; }

private:
    void CloseMenuTab();
    void RemoveTabs(const QString& word);
    void DestroyTab(int index);

    QTabWidget* pages_;
    QMenu* menu_;
    QAction* close_;
    QAction* activate_;
    int menuTab_ = -1;
    QPointer<QWidget> keptTab_;
    std::function<void()> closeKeptTab_;
    int chartTabCount_ = 0;
    int reportTabCount_ = 0;
};

} // namespace lexorin
