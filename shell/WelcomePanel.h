// The quick-start guide shown in place of the text until one is loaded.
#pragma once

#include <QFrame>

class QCheckBox;

namespace lexorin {

class TWelcomePanel : public QFrame {
    Q_OBJECT
public:
    explicit TWelcomePanel(QWidget* parent = nullptr);

    QCheckBox* DontShowGuide() const { return dontShow_; }

signals:
    // A task link was clicked: the index of its page in the task tabs.
    void PageLinkClicked(int page);

private:
    QCheckBox* dontShow_;
};

} // namespace lexorin
