#include "KwicFrame.h"

#include "FlowLayout.h"
#include "ResultGrid.h"
#include "WordListPages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace lexorin {
namespace {

// A caption and its field, kept together when the row wraps.
QWidget* Pair(QWidget* parent, const QString& caption, QWidget* field) {
    auto* pair = new QWidget(parent);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption, pair);
    label->setBuddy(field);
    row->addWidget(label);
    row->addWidget(field);
    return pair;
}

// Commands as compact buttons, so that more of them share a row of a
// narrow pane.
QToolButton* Button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

} // namespace

TKwicFrame::TKwicFrame(TResultGrid* grid, QWidget* parent) : QWidget(parent) {
    auto* controls = new QWidget(this);
    controls->setObjectName(QStringLiteral("pnKwicControls"));
    auto* flow = new TFlowLayout(controls);
    flow->setContentsMargins(4, 4, 4, 0);
    edKwicSearch_ = NewSearchTermBox(controls, "edKwicSearch");
    edKwicSearch_->setFixedWidth(edKwicSearch_->fontMetrics().averageCharWidth() * 20);
    flow->addWidget(Pair(controls, QStringLiteral("&Search:"), edKwicSearch_));
    edKwicNear_ = new QLineEdit(controls);
    edKwicNear_->setObjectName(QStringLiteral("edKwicNear"));
    edKwicNear_->setToolTip(
        QStringLiteral("Only the lines with this word within the collocates' span"));
    edKwicNear_->setFixedWidth(edKwicNear_->fontMetrics().averageCharWidth() * 12);
    flow->addWidget(Pair(controls, QStringLiteral("&Near:"), edKwicNear_));
    seKwicSpan_ = new QSpinBox(controls);
    seKwicSpan_->setObjectName(QStringLiteral("seKwicSpan"));
    seKwicSpan_->setRange(0, 99);
    seKwicSpan_->setToolTip(QStringLiteral("Words shown on each side of the match"));
    flow->addWidget(Pair(controls, QStringLiteral("S&pan:"), seKwicSpan_));

    auto* keys = new QWidget(controls);
    auto* keyRow = new QHBoxLayout(keys);
    keyRow->setContentsMargins(0, 0, 0, 0);
    keyRow->addWidget(new QLabel(QStringLiteral("Sort by:"), keys));
    QStringList choices{QStringLiteral("L5"), QStringLiteral("L4"), QStringLiteral("L3"),
                        QStringLiteral("L2"), QStringLiteral("L1"), QStringLiteral("K"),
                        QStringLiteral("R1"), QStringLiteral("R2"), QStringLiteral("R3"),
                        QStringLiteral("R4"), QStringLiteral("R5")};
    for (std::size_t k = 0; k < cbKwicSort_.size(); ++k) {
        auto* combo = new QComboBox(keys);
        combo->setObjectName(QStringLiteral("cbKwicSort%1").arg(k + 1));
        combo->addItem(QStringLiteral("-"), QString());
        for (const QString& key : choices)
            combo->addItem(key, key);
        combo->setToolTip(QStringLiteral(
            "The word the lines sort by: L5 ... L1 to the left, K the match, R1 ... R5 to the "
            "right; - for none. Ties keep the text's order."));
        keyRow->addWidget(combo);
        cbKwicSort_[k] = combo;
    }
    flow->addWidget(keys);

    // A command of the row: its button, which emits `request` when clicked.
    const auto command = [&](const char* name, const QString& caption, const QString& hint,
                             void (TKwicFrame::*request)()) {
        QToolButton* button = Button(controls, name, caption, hint);
        flow->addWidget(button);
        connect(button, &QToolButton::clicked, this, request);
        return button;
    };
    btKwicShow_ =
        command("btKwicShow", QStringLiteral("Show"),
                QStringLiteral("Find the lines and sort them"), &TKwicFrame::ShowRequested);
    btKwicExport_ =
        command("btKwicExport", QStringLiteral("Export..."),
                QStringLiteral("Export the lines to CSV (Excel)"), &TKwicFrame::ExportRequested);
    btKwicPrint_ = command("btKwicPrint", QStringLiteral("Print"),
                           QStringLiteral("A report of the lines"), &TKwicFrame::PrintRequested);
    command("btKwicClose", QStringLiteral("Close tab"), QStringLiteral("Close the KWIC tab"),
            &TKwicFrame::CloseRequested);

    lbKwicDetails_ = new QLabel(this);
    lbKwicDetails_->setObjectName(QStringLiteral("lbKwicDetails"));
    lbKwicDetails_->setWordWrap(true);
    lbKwicDetails_->setContentsMargins(4, 0, 4, 0);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(controls);
    column->addWidget(lbKwicDetails_);
    grid->setParent(this);
    column->addWidget(grid, 1);

    connect(edKwicSearch_, &QLineEdit::returnPressed, this, &TKwicFrame::ShowRequested);
    connect(edKwicNear_, &QLineEdit::returnPressed, this, &TKwicFrame::ShowRequested);
}

QString TKwicFrame::Term() const {
    return edKwicSearch_->text();
}

QString TKwicFrame::Near() const {
    return edKwicNear_->text();
}

void TKwicFrame::SetSearch(const QString& term, const QString& near) {
    edKwicSearch_->setText(term);
    edKwicNear_->setText(near);
}

int TKwicFrame::Span() const {
    return seKwicSpan_->value();
}

void TKwicFrame::SetSpan(int span) {
    seKwicSpan_->setValue(span);
}

QString TKwicFrame::SortKeys() const {
    QStringList keys;
    for (const QComboBox* combo : cbKwicSort_)
        if (const QString key = combo->currentData().toString(); !key.isEmpty())
            keys << key;
    return keys.join(QLatin1Char(','));
}

void TKwicFrame::SetSortKeys(const QString& keys) {
    const QStringList chosen = keys.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (int k = 0; k < static_cast<int>(cbKwicSort_.size()); ++k) {
        QComboBox* combo = cbKwicSort_[static_cast<std::size_t>(k)];
        const int index = k < chosen.size() ? combo->findData(chosen[k].trimmed().toUpper()) : 0;
        combo->setCurrentIndex(std::max(0, index));
    }
}

void TKwicFrame::SetDetails(const QString& details) {
    lbKwicDetails_->setText(details);
}

void TKwicFrame::SetCommandsEnabled(bool search, bool lines) {
    btKwicShow_->setEnabled(search);
    btKwicExport_->setEnabled(lines);
    btKwicPrint_->setEnabled(lines);
}

void TKwicFrame::FocusSearch() {
    edKwicSearch_->setFocus();
    edKwicSearch_->selectAll();
}

} // namespace lexorin
