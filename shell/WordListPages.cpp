#include "WordListPages.h"

#include "ElidedLabel.h"
#include "ResultGrid.h"

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

QVBoxLayout* PageColumn(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 4, 2, 2);
    return column;
}

} // namespace

TCollocatesPage::TCollocatesPage(TResultGrid* grid, QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = PageColumn(this);
    auto* row = new QHBoxLayout;
    edCollocSearch_ = new QLineEdit(this);
    edCollocSearch_->setObjectName(QStringLiteral("edCollocSearch"));
    edCollocSearch_->setToolTip(
        QStringLiteral("A word or a phrase; * stands for any run of word characters, ? for one"));
    auto* caption = new QLabel(QStringLiteral("&Word or phrase:"), this);
    caption->setBuddy(edCollocSearch_);
    row->addWidget(caption);
    row->addWidget(edCollocSearch_, 1);
    column->addLayout(row);
    lbCollocDetails_ = DetailsLabel(this, "lbCollocDetails");
    column->addWidget(lbCollocDetails_);
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
    lbKeywordDetails_ = DetailsLabel(this, "lbKeywordDetails");
    column->addWidget(lbKeywordDetails_);
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

void TKeywordsPage::SetDetails(const QString& details) {
    lbKeywordDetails_->setText(details);
}

} // namespace lexorin
