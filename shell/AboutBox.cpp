#include "AboutBox.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace lexorin {

void ShowAboutBox(QWidget* parent) {
    QDialog box(parent);
    box.setObjectName(QStringLiteral("AboutBox"));
    box.setWindowTitle(QStringLiteral("About"));
    auto* layout = new QVBoxLayout(&box);
    if (!QApplication::windowIcon().isNull()) {
        auto* icon = new QLabel(&box);
        icon->setObjectName(QStringLiteral("ProgramIcon"));
        icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
        layout->addWidget(icon);
    }
    auto* product = new QLabel(QStringLiteral("Lexorin"), &box);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont large = product->font();
    large.setPointSize(large.pointSize() + 6);
    large.setBold(true);
    product->setFont(large);
    layout->addWidget(product);
    auto* description = new QLabel(QStringLiteral("Text analyser"), &box);
    description->setObjectName(QStringLiteral("Comments"));
    layout->addWidget(description);
    auto* version =
        new QLabel(QStringLiteral("Version ") + QApplication::applicationVersion(), &box);
    version->setObjectName(QStringLiteral("Version"));
    layout->addWidget(version);
    auto* buttons = new QDialogButtonBox(&box);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.exec();
}

} // namespace lexorin
