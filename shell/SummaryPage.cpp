#include "SummaryPage.h"

#include "QtCp1251.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cstring>

namespace lexorin {
namespace {

// Labels that the page shows on two lines.
QString PageLabel(const TSummaryField& field) {
    if (std::strcmp(field.control, "edSentencesPerParagraph") == 0)
        return QStringLiteral("Avg. sentences per\nparagraph");
    if (std::strcmp(field.control, "edCharacters") == 0)
        return QStringLiteral("Number of characters\n(without blanks)");
    return QString::fromLatin1(field.label);
}

bool IsMemo(const char* control) {
    return control[0] == 'm';
}

} // namespace

TSummaryPage::TSummaryPage(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const TSummaryField& field : SummaryFields(TTextStatistics{})) {
        grid->addWidget(new QLabel(PageLabel(field), this), row, 0, Qt::AlignTop);
        QWidget* box = nullptr;
        if (IsMemo(field.control)) {
            auto* memo = new QPlainTextEdit(this);
            memo->setReadOnly(true);
            memo->setMaximumHeight(56);
            box = memo;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(true);
            box = edit;
        }
        box->setObjectName(QString::fromLatin1(field.control));
        grid->addWidget(box, row, 1);
        if (field.noteControl != nullptr) {
            auto* note = new QLabel(QStringLiteral("0"), this);
            note->setObjectName(QString::fromLatin1(field.noteControl));
            note->hide();
            grid->addWidget(note, row, 2, Qt::AlignTop);
        }
        ++row;
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
}

void TSummaryPage::Show(const std::vector<TSummaryField>& fields) {
    for (const TSummaryField& field : fields) {
        const QString name = QString::fromLatin1(field.control);
        if (auto* edit = findChild<QLineEdit*>(name))
            edit->setText(FromCp1251(field.value));
        else if (auto* memo = findChild<QPlainTextEdit*>(name))
            memo->setPlainText(FromCp1251(field.value));
        if (field.noteControl == nullptr)
            continue;
        auto* note = findChild<QLabel*>(QString::fromLatin1(field.noteControl));
        note->setText(FromCp1251(field.note));
        note->show();
    }
}

void TSummaryPage::Clear() {
    for (auto* edit : findChildren<QLineEdit*>())
        edit->clear();
    for (auto* memo : findChildren<QPlainTextEdit*>())
        memo->clear();
    for (auto* label : findChildren<QLabel*>())
        if (label->objectName().startsWith(QLatin1Char('l')))
            label->hide();
}

} // namespace lexorin
