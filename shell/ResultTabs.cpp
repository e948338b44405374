#include "ResultTabs.h"

#include "UserDialogs.h"

#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lexorin {

TResultTabs::TResultTabs(QTabWidget* pages) : QObject(pages), pages_(pages) {
    menu_ = new QMenu(pages);
    menu_->setObjectName(QStringLiteral("pmTabs"));
    close_ = menu_->addAction(QStringLiteral("Close tab"));
    close_->setObjectName(QStringLiteral("miCloseTab"));
    activate_ = menu_->addAction(QStringLiteral("Activate tab"));
    activate_->setObjectName(QStringLiteral("miActivateTab"));
    connect(close_, &QAction::triggered, this, &TResultTabs::CloseMenuTab);
    connect(activate_, &QAction::triggered, this, [this] {
        if (menuTab_ > 0 && menuTab_ < pages_->count())
            pages_->setCurrentIndex(menuTab_);
    });
    pages_->tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pages_->tabBar(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ContextPopup(pos); });
}

int TResultTabs::AddTab(TTabKind kind, QWidget* frame) {
    const bool chart = kind == TTabKind::Chart;
    const int number = chart ? ++chartTabCount_ : ++reportTabCount_;
    const QString word = chart ? QStringLiteral("Chart") : QStringLiteral("Report");
    auto* tab = new QWidget;
    tab->setObjectName(word + QStringLiteral("Tab") + QString::number(number));
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    frame->setObjectName(word + QStringLiteral("Frame") + QString::number(number));
    layout->addWidget(frame);
    const int index = pages_->addTab(tab, QStringLiteral(" %1 %2 ").arg(word).arg(number));
    pages_->setCurrentIndex(index);
    return number;
}

void TResultTabs::RemoveTabs(const QString& word) {
    for (int index = pages_->count() - 1; index > 0; --index)
        if (pages_->tabText(index).contains(word))
            DestroyTab(index);
}

void TResultTabs::RemoveChartTabs() {
    RemoveTabs(QStringLiteral("Chart"));
    chartTabCount_ = 0;
}

void TResultTabs::RemoveReportTabs() {
    RemoveTabs(QStringLiteral("Report"));
    reportTabCount_ = 0;
}

void TResultTabs::DestroyTab(int index) {
    QWidget* tab = pages_->widget(index);
    pages_->removeTab(index);
    delete tab;
}

void TResultTabs::KeepTab(QWidget* tab, std::function<void()> close) {
    keptTab_ = tab;
    closeKeptTab_ = std::move(close);
}

void TResultTabs::PostCloseTab(QWidget* tab) {
    QMetaObject::invokeMethod(
        this,
        [this, guarded = QPointer<QWidget>(tab)] {
            if (guarded == nullptr)
                return;
            const int index = pages_->indexOf(guarded);
            if (index > 0)
                DestroyTab(index);
        },
        Qt::QueuedConnection);
}

bool TResultTabs::ContextPopup(const QPoint& tabBarPos) {
    const int index = pages_->tabBar()->tabAt(tabBarPos);
    if (index <= 0)
        return false;
    menuTab_ = index;
    activate_->setEnabled(index != pages_->currentIndex());
    menu_->popup(pages_->tabBar()->mapToGlobal(tabBarPos));
    return true;
}

void TResultTabs::CloseMenuTab() {
    if (menuTab_ <= 0 || menuTab_ >= pages_->count())
        return;
    const QString question =
        QStringLiteral("Close ") + pages_->tabText(menuTab_) + QStringLiteral(" ?");
    if (!UserDialogs().Confirm(pages_->window(), question))
        return;
    if (keptTab_ != nullptr && pages_->widget(menuTab_) == keptTab_)
        closeKeptTab_();
    else
        DestroyTab(menuTab_);
}

} // namespace lexorin
