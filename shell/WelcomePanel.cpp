#include "WelcomePanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace lexorin {
namespace {

const char* kGrey = "color: gray;";

QLabel* Text(const QString& text, QWidget* parent, const char* style = "") {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QString::fromLatin1(style));
    // Long lines wrap in a narrow pane instead of widening it.
    label->setWordWrap(true);
    return label;
}

} // namespace

TWelcomePanel::TWelcomePanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pnWelcome"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    auto* column = new QVBoxLayout(this);
    column->addWidget(Text(QStringLiteral("  QUICK START GUIDE :"), this, "font-weight: bold;"));
    column->addWidget(Text(QStringLiteral("1) Load text :"), this, "font-weight: bold;"));
    column->addWidget(
        Text(QStringLiteral("use 'Text' menu to load text from file or"), this, kGrey));
    column->addWidget(
        Text(QStringLiteral("paste from clipboard into the right pane."), this, kGrey));
    column->addWidget(Text(QStringLiteral("2) Choose task :"), this, "font-weight: bold;"));

    struct TEntry {
        const char* explanation;
        const char* select;
        const char* link;
        const char* caption;
        const char* after;
    };
    const TEntry entries[] = {
        {"to build list of frequently used phrases and words,", "select", "lbPage1",
         "Phrase frequency", ""},
        {"to build list of all unique words and their contexts,", "select", "lbPage2",
         "Concordance", ""},
        {"to build list of frequently used lexemes,select", "", "lbPage3", "Wordforms",
         "(advanced analysis)"},
        {"to get statistics and readability parameters,select", "", "lbPage4", "Summary", ""},
    };
    int tag = 0;
    for (const TEntry& entry : entries) {
        column->addWidget(Text(QString::fromLatin1(entry.explanation), this, kGrey));
        auto* row = new QHBoxLayout;
        if (*entry.select != '\0')
            row->addWidget(Text(QString::fromLatin1(entry.select), this, kGrey));
        auto* link = new QLabel(this);
        link->setObjectName(QString::fromLatin1(entry.link));
        link->setText(QStringLiteral("<a href=\"#\" style=\"color: teal;\">%1</a>")
                          .arg(QString::fromLatin1(entry.caption)));
        link->setProperty("tag", tag);
        connect(link, &QLabel::linkActivated, this, [this, tag] { emit PageLinkClicked(tag); });
        row->addWidget(link);
        if (*entry.after != '\0')
            row->addWidget(Text(QString::fromLatin1(entry.after), this, kGrey));
        row->addStretch();
        column->addLayout(row);
        ++tag;
    }
    auto* last = new QHBoxLayout;
    last->addWidget(Text(QStringLiteral("3)"), this, "font-weight: bold;"));
    last->addWidget(Text(QStringLiteral("     Click "), this, kGrey));
    last->addWidget(Text(QStringLiteral("'Calculate'"), this, "font-weight: bold;"));
    last->addStretch();
    column->addLayout(last);
    column->addStretch();
    dontShow_ = new QCheckBox(QStringLiteral("don't show this guide upon next startup"), this);
    dontShow_->setMinimumWidth(0);
    dontShow_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    dontShow_->setObjectName(QStringLiteral("cbDontShowGuide"));
    column->addWidget(dontShow_);
}

} // namespace lexorin
