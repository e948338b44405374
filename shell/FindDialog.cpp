#include "FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lexorin {

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fdFind"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);
    findText_ = new QLineEdit(this);
    findText_->setObjectName(QStringLiteral("edFindText"));
    auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    label->setBuddy(findText_);
    wholeWord_ = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    wholeWord_->setObjectName(QStringLiteral("cbWholeWord"));
    matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
    matchCase_->setObjectName(QStringLiteral("cbMatchCase"));
    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    auto* up = new QRadioButton(QStringLiteral("&Up"), direction);
    up->setObjectName(QStringLiteral("rbUp"));
    auto* down = new QRadioButton(QStringLiteral("&Down"), direction);
    down->setObjectName(QStringLiteral("rbDown"));
    down->setChecked(true);
    findNext_ = new QPushButton(QStringLiteral("&Find Next"), this);
    findNext_->setObjectName(QStringLiteral("btFindNext"));
    findNext_->setDefault(true);
    findNext_->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btCancel"));

    auto* directions = new QHBoxLayout(direction);
    directions->addWidget(up);
    directions->addWidget(down);
    auto* checks = new QVBoxLayout;
    checks->addStretch();
    checks->addWidget(wholeWord_);
    checks->addWidget(matchCase_);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(findText_, 0, 1, 1, 2);
    layout->addLayout(checks, 1, 0, 1, 2);
    layout->addWidget(direction, 1, 2);
    layout->addLayout(buttons, 0, 3, 2, 1);
    layout->setColumnStretch(1, 1);

    connect(findText_, &QLineEdit::textChanged, this,
            [this](const QString& text) { findNext_->setEnabled(!text.isEmpty()); });
    connect(findNext_, &QPushButton::clicked, this,
            [this] { emit FindNext(FindText(), MatchCase(), WholeWord()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFindDialog::SetFindText(const QString& text) {
    findText_->setText(text);
    findText_->selectAll();
}

QString TFindDialog::FindText() const {
    return findText_->text();
}

bool TFindDialog::MatchCase() const {
    return matchCase_->isChecked();
}

bool TFindDialog::WholeWord() const {
    return wholeWord_->isChecked();
}

} // namespace lexorin
