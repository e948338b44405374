#include "WordListPages.h"

#include "CodePage.h"
#include "ElidedLabel.h"
#include "ResultGrid.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexorin {
namespace {

QLabel* DetailsLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLineEdit* FindBox(QWidget* page, const char* name) {
    auto* box = new QLineEdit(page);
    box->setObjectName(QString::fromLatin1(name));
    box->setPlaceholderText(QStringLiteral("find in the list"));
    box->setToolTip(QStringLiteral("Goes to the first word that begins with what you type"));
    return box;
}

QVBoxLayout* PageColumn(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 4, 2, 2);
    return column;
}

} // namespace

QLineEdit* NewSearchTermBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(
        QStringLiteral("A word or a phrase; * stands for any run of word characters, ? for one"));
    return box;
}

TCollocatesPage::TCollocatesPage(TResultGrid* grid, QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = PageColumn(this);
    auto* row = new QHBoxLayout;
    edCollocSearch_ = NewSearchTermBox(this, "edCollocSearch");
    auto* caption = new QLabel(QStringLiteral("&Word or phrase:"), this);
    caption->setBuddy(edCollocSearch_);
    row->addWidget(caption);
    row->addWidget(edCollocSearch_, 1);
    column->addLayout(row);
    lbCollocDetails_ = DetailsLabel(this, "lbCollocDetails");
    column->addWidget(lbCollocDetails_);
    edCollocLocator_ = FindBox(this, "edCollocLocator");
    column->addWidget(edCollocLocator_);
    grid->setParent(this);
    column->addWidget(grid, 1);
    connect(edCollocSearch_, &QLineEdit::returnPressed, this, &TCollocatesPage::CalculateRequested);
}

void TCollocatesPage::SetDetails(const QString& details) {
    lbCollocDetails_->setText(details);
}

TKeywordsPage::TKeywordsPage(TResultGrid* grid, QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = PageColumn(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Reference:"), this));
    lbKeywordReference_ = new TElidedLabel(this);
    lbKeywordReference_->setObjectName(QStringLiteral("lbKeywordReference"));
    lbKeywordReference_->setFrameShape(QFrame::StyledPanel);
    row->addWidget(lbKeywordReference_, 1);
    auto* choose = new QPushButton(QStringLiteral("Choose..."), this);
    choose->setObjectName(QStringLiteral("btKeywordReference"));
    choose->setToolTip(
        QStringLiteral("One or more texts, or a word list exported from the concordance (CSV)"));
    row->addWidget(choose);
    column->addLayout(row);
    auto* encodingRow = new QHBoxLayout;
    cbKeywordEncoding_ = new QComboBox(this);
    cbKeywordEncoding_->setObjectName(QStringLiteral("cbKeywordEncoding"));
    cbKeywordEncoding_->addItem(QStringLiteral("Automatic"), QString());
    for (const std::string& name : ReadableEncodings())
        cbKeywordEncoding_->addItem(QString::fromStdString(name), QString::fromStdString(name));
    cbKeywordEncoding_->setToolTip(QStringLiteral(
        "Automatic: UTF-8 and UTF-16 by their bytes, any other file in the text's 8-bit encoding"));
    auto* encodingCaption = new QLabel(QStringLiteral("Reference &encoding:"), this);
    encodingCaption->setBuddy(cbKeywordEncoding_);
    encodingRow->addWidget(encodingCaption);
    encodingRow->addWidget(cbKeywordEncoding_);
    encodingRow->addStretch();
    column->addLayout(encodingRow);
    lbKeywordDetails_ = DetailsLabel(this, "lbKeywordDetails");
    column->addWidget(lbKeywordDetails_);
    edKeywordLocator_ = FindBox(this, "edKeywordLocator");
    column->addWidget(edKeywordLocator_);
    grid->setParent(this);
    column->addWidget(grid, 1);
    connect(choose, &QPushButton::clicked, this, &TKeywordsPage::ChooseRequested);
    SetReferences({});
}

void TKeywordsPage::SetReferences(const QStringList& paths) {
    references_ = paths;
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    lbKeywordReference_->setText(names.isEmpty() ? QStringLiteral("(none chosen)")
                                                 : names.join(QStringLiteral(", ")));
    lbKeywordReference_->setToolTip(paths.join(QLatin1Char('\n')));
}

QString TKeywordsPage::Encoding() const {
    return cbKeywordEncoding_->currentData().toString();
}

void TKeywordsPage::SetEncoding(const QString& encoding) {
    // A name this build does not offer: by the bytes.
    cbKeywordEncoding_->setCurrentIndex(std::max(0, cbKeywordEncoding_->findData(encoding)));
}

void TKeywordsPage::SetDetails(const QString& details) {
    lbKeywordDetails_->setText(details);
}

} // namespace lexorin
