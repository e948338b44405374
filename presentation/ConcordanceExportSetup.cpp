#include "ConcordanceExportSetup.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace lexorin {
namespace {

QRadioButton* Choice(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    return button;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TfmConcordanceExportSetup::TfmConcordanceExportSetup(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("fmConcordanceExportSetup"));
    setWindowTitle(QStringLiteral("Concordance export setup"));

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    rbBasic_ = Choice(bevel, "rbBasic", "basic unload (words and their frequencies)",
                      "This form contains 2 columns : words and their frequencies");
    rbProfessional_ = Choice(bevel, "rbProfessional",
                             "professional unload (words, context before and context after)",
                             "Ths form contains 4 columns : position, context before, \n"
                             "word in question and context after . ");
    rbBasic_->setChecked(true);
    auto* choices = new QVBoxLayout(bevel);
    choices->setContentsMargins(20, 8, 20, 8);
    choices->addWidget(rbBasic_);
    choices->addWidget(rbProfessional_);

    QPushButton* ok = Button(this, "OKBtn", "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = Button(this, "CancelBtn", "Cancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    // A fixed border: the dialog is as large as its content, no larger.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TfmConcordanceExportSetup::Professional() const {
    return rbProfessional_->isChecked();
}

void TfmConcordanceExportSetup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

int ExecuteConcordanceExportSetup(QWidget* parent) {
    TfmConcordanceExportSetup dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return dialog.Professional() ? 2 : 1;
}

} // namespace lexorin
