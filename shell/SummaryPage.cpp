#include "SummaryPage.h"

#include "QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>
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
    // The fields scroll when the pane is lower than they are, so that no
    // label or box is ever squeezed.
    auto* content = new QWidget;
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(scroll);
    auto* grid = new QGridLayout(content);
    int row = 0;
    for (const TSummaryField& field : SummaryFields(TTextStatistics{})) {
        grid->addWidget(new QLabel(PageLabel(field), content), row, 0, Qt::AlignTop);
        QWidget* box = nullptr;
        if (IsMemo(field.control)) {
            auto* memo = new QPlainTextEdit(content);
            memo->setReadOnly(true);
            // Three lines of the sentence in sight.
            memo->setFixedHeight(memo->fontMetrics().lineSpacing() * 3 +
                                 2 * (memo->frameWidth() + 4));
            box = memo;
        } else {
            auto* edit = new QLineEdit(content);
            edit->setReadOnly(true);
            box = edit;
        }
        box->setObjectName(QString::fromLatin1(field.control));
        grid->addWidget(box, row, 1);
        if (field.noteControl != nullptr) {
            auto* note = new QLabel(QStringLiteral("0"), content);
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
            edit->setText(FromTextBytes(field.value));
        else if (auto* memo = findChild<QPlainTextEdit*>(name))
            memo->setPlainText(FromTextBytes(field.value));
        if (field.noteControl == nullptr)
            continue;
        auto* note = findChild<QLabel*>(QString::fromLatin1(field.noteControl));
        note->setText(FromProgramText(field.note));
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
