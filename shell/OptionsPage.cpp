#include "OptionsPage.h"

#include "CodePage.h"
#include "CsvExport.h"
#include "UserDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <tuple>

namespace lexorin {
namespace {

// A spin box that changes by its arrows: the mouse wheel scrolls the page
// instead of changing the value under the pointer.
class TArrowSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

// A drop-down that the mouse wheel changes only once it has the focus, so
// that scrolling the page over it changes nothing.
class TFocusComboBox : public QComboBox {
public:
    explicit TFocusComboBox(QWidget* parent) : QComboBox(parent) {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void wheelEvent(QWheelEvent* event) override {
        if (hasFocus())
            QComboBox::wheelEvent(event);
        else
            event->ignore();
    }
};

using TOptions = TAnalysisOptions;

// The last text of a CSV field that the export could use.
constexpr const char* kAccepted = "acceptedText";

struct TPageBuilder {
    TOptionsPage* owner;
    QWidget* page;
    std::vector<std::function<void(TOptions&)>>& readers;
    std::vector<std::function<void(const TOptions&)>>& writers;
    QFormLayout* form = nullptr;

    void Group(const QString& title, QVBoxLayout* column) {
        auto* box = new QGroupBox(title, page);
        form = new QFormLayout(box);
        column->addWidget(box);
    }

    QCheckBox* Check(const char* name, const QString& caption, bool TOptions::*member) {
        auto* box = new QCheckBox(caption, page);
        box->setObjectName(QString::fromLatin1(name));
        readers.push_back([box, member](TOptions& o) { o.*member = box->isChecked(); });
        writers.push_back([box, member](const TOptions& o) { box->setChecked(o.*member); });
        return box;
    }

    void AddCheck(const char* name, const QString& caption, bool TOptions::*member) {
        form->addRow(Check(name, caption, member));
    }

    // "Exclude" and the link to the ignored-words list.
    void AddExclude(const char* name, bool TOptions::*member) {
        auto* row = new QHBoxLayout;
        row->addWidget(Check(name, QStringLiteral("Exclude"), member));
        auto* link = new QLabel(QStringLiteral("<a href=\"#\">ignored words</a>"), page);
        QObject::connect(link, &QLabel::linkActivated, owner,
                         &TOptionsPage::IgnoredWordsLinkActivated);
        row->addWidget(link);
        row->addStretch();
        form->addRow(row);
    }

    // Spin boxes change by their arrows only.
    void AddSpin(const char* name, const QString& caption, int TOptions::*member, int minimum,
                 int maximum, int step = 1) {
        auto* spin = new TArrowSpinBox(page);
        spin->setObjectName(QString::fromLatin1(name));
        spin->setRange(minimum, maximum);
        spin->setSingleStep(step);
        spin->findChild<QLineEdit*>()->setReadOnly(true);
        readers.push_back([spin, member](TOptions& o) { o.*member = spin->value(); });
        writers.push_back([spin, member](const TOptions& o) { spin->setValue(o.*member); });
        form->addRow(caption, spin);
    }

    void AddRadioPair(const char* minName, bool TOptions::*minMember, const char* exactName,
                      bool TOptions::*exactMember) {
        auto* row = new QHBoxLayout;
        auto* group = new QWidget(page);
        group->setLayout(row);
        for (auto [name, caption, member] :
             {std::tuple{minName, "minimal", minMember}, {exactName, "exact", exactMember}}) {
            auto* radio = new QRadioButton(QString::fromLatin1(caption), group);
            radio->setObjectName(QString::fromLatin1(name));
            row->addWidget(radio);
            readers.push_back([radio, m = member](TOptions& o) { o.*m = radio->isChecked(); });
            writers.push_back([radio, m = member](const TOptions& o) {
                if (o.*m)
                    radio->setChecked(true);
            });
        }
        row->setContentsMargins(0, 0, 0, 0);
        form->addRow(group);
    }

    // A drop-down of choices, each a caption and the option's value for it;
    // a value that is none of them chooses the first.
    QComboBox* AddChoice(const char* name, const QString& caption, std::string TOptions::*member,
                         const std::vector<std::pair<std::string, std::string>>& choices) {
        auto* combo = new TFocusComboBox(page);
        combo->setObjectName(QString::fromLatin1(name));
        for (const auto& [value, text] : choices)
            combo->addItem(QString::fromStdString(text), QString::fromStdString(value));
        readers.push_back([combo, member](TOptions& o) {
            o.*member = combo->currentData().toString().toStdString();
        });
        writers.push_back([combo, member](const TOptions& o) {
            combo->setCurrentIndex(std::max(0, combo->findData(QString::fromStdString(o.*member))));
        });
        form->addRow(caption, combo);
        return combo;
    }

    // A drop-down whose choice is the option's number: 0 for the first.
    void AddIndexChoice(const char* name, const QString& caption, int TOptions::*member,
                        const QStringList& choices) {
        auto* combo = new TFocusComboBox(page);
        combo->setObjectName(QString::fromLatin1(name));
        combo->addItems(choices);
        readers.push_back([combo, member](TOptions& o) { o.*member = combo->currentIndex(); });
        writers.push_back([combo, member](const TOptions& o) {
            combo->setCurrentIndex(std::clamp(o.*member, 0, combo->count() - 1));
        });
        form->addRow(caption, combo);
    }

    QLineEdit* AddText(const char* name, const QString& caption, std::string TOptions::*member,
                       int maxLength = 0) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QString::fromLatin1(name));
        if (maxLength > 0)
            edit->setMaxLength(maxLength);
        readers.push_back([edit, member](TOptions& o) { o.*member = edit->text().toStdString(); });
        writers.push_back([edit, member](const TOptions& o) {
            edit->setText(QString::fromStdString(o.*member));
            edit->setProperty(kAccepted, edit->text());
        });
        form->addRow(caption, edit);
        return edit;
    }
};

} // namespace

TOptionsPage::TOptionsPage(QAction* saveOptions, QAction* restoreDefaults, QWidget* parent)
    : QWidget(parent) {
    // The groups in one column, scrolled when the pane is lower than they
    // are, so that no field is ever squeezed.
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    TPageBuilder b{this, content, readers_, writers_};
    b.Group(QStringLiteral("General"), column);
    b.AddCheck("cbCaseSens", QStringLiteral("Case sensitive"), &TOptions::cbCaseSens);
    b.AddSpin("rxseSize", QStringLiteral("Font size"), &TOptions::rxseSize, 8, 18, 2);
    b.AddCheck("cbLayout", QStringLiteral("Auto-save layout"), &TOptions::cbLayout);
    std::vector<std::pair<std::string, std::string>> languages = {{"", "Default"}};
    languages.insert(languages.end(), SortLanguages().begin(), SortLanguages().end());
    b.AddChoice("cbSortLanguage", QStringLiteral("Sort language"), &TOptions::cbSortLanguage,
                languages)
        ->setToolTip(QStringLiteral("Whose alphabet the lists follow, from the next calculation"));

    b.Group(QStringLiteral("Phrase frequency"), column);
    b.AddSpin("rseWords", QStringLiteral("Words in phrase"), &TOptions::rseWords, 1, 99);
    b.AddRadioPair("rbMinWords", &TOptions::rbMinWords, "rbExactWords", &TOptions::rbExactWords);
    b.AddText("edBreakChars", QStringLiteral("Phrase stop chars"), &TOptions::edBreakChars);
    b.AddCheck("cbIncludeSubstrings", QStringLiteral("Include substrings"),
               &TOptions::cbIncludeSubstrings);
    b.AddExclude("cbWordsUseIgnored", &TOptions::cbWordsUseIgnored);
    b.AddSpin("rseCases", QStringLiteral("Min.frequency"), &TOptions::rseCases, 2, 99);
    b.AddCheck("cbAutoPhraseHeight", QStringLiteral("Adjust row height"),
               &TOptions::cbAutoPhraseHeight);

    b.Group(QStringLiteral("Concordance"), column);
    b.AddSpin("rseConcMinFreq", QStringLiteral("Min.frequency"), &TOptions::rseConcMinFreq, 1, 99);
    b.AddExclude("cbConcordanceUseIgnored", &TOptions::cbConcordanceUseIgnored);
    b.AddSpin("rseConLength", QStringLiteral("Context length(left/right)"), &TOptions::rseConLength,
              1, 99);
    b.AddCheck("cbConcExcludeNumbers", QStringLiteral("Exclude numbers"),
               &TOptions::cbConcExcludeNumbers);
    b.AddText("edContextBreakChars", QStringLiteral("Context stop chars"),
              &TOptions::edContextBreakChars);
    b.AddCheck("cbConcCapitalize", QStringLiteral("Capitalize words in CSV"),
               &TOptions::cbConcCapitalize);

    b.Group(QStringLiteral("Wordforms"), column);
    b.AddSpin("rseChars", QStringLiteral("Length (characters)"), &TOptions::rseChars, 1, 99);
    b.AddRadioPair("rbMin", &TOptions::rbMin, "rbExact", &TOptions::rbExact);
    b.AddSpin("rseWordCases", QStringLiteral("Min.frequency"), &TOptions::rseWordCases, 2, 99);
    b.AddCheck("cbPrefOnly", QStringLiteral("Prefixes only"), &TOptions::cbPrefOnly);

    b.Group(QStringLiteral("Collocates"), column);
    b.AddSpin("rseCollocLeft", QStringLiteral("Span left (words)"), &TOptions::rseCollocLeft, 0,
              99);
    b.AddSpin("rseCollocRight", QStringLiteral("Span right (words)"), &TOptions::rseCollocRight, 0,
              99);
    b.AddCheck("cbCollocStopAtBreaks", QStringLiteral("Spans end at phrase stop chars"),
               &TOptions::cbCollocStopAtBreaks);
    b.AddSpin("rseCollocMinObserved", QStringLiteral("Min.frequency in spans (O)"),
              &TOptions::rseCollocMinObserved, 1, 9999);
    b.AddSpin("rseCollocMinFrequency", QStringLiteral("Min.frequency in text (f_c)"),
              &TOptions::rseCollocMinFrequency, 1, 9999);

    b.Group(QStringLiteral("Keywords"), column);
    b.AddIndexChoice("cbKeywordThreshold", QStringLiteral("Log-likelihood at least"),
                     &TOptions::cbKeywordThreshold,
                     {QStringLiteral("any"), QStringLiteral("3.84 (p < 0.05)"),
                      QStringLiteral("6.63 (p < 0.01)"), QStringLiteral("10.83 (p < 0.001)"),
                      QStringLiteral("15.13 (p < 0.0001)")});
    b.AddSpin("rseKeywordMinFreq", QStringLiteral("Min.frequency (both texts)"),
              &TOptions::rseKeywordMinFreq, 1, 9999);

    b.Group(QStringLiteral("CSV export"), column);
    const std::array<QLineEdit*, 3> csvFields = {
        b.AddText("edSeparator", QStringLiteral("Field separator"), &TOptions::edSeparator, 1),
        b.AddText("edQuote", QStringLiteral("Quote character"), &TOptions::edQuote, 1),
        b.AddText("edDecimalSeparator", QStringLiteral("Decimal separator"),
                  &TOptions::edDecimalSeparator, 1)};
    for (QLineEdit* edit : csvFields)
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { CheckCsvField(edit); });
    b.AddCheck("cbShowTitles", QStringLiteral("Export column titles"), &TOptions::cbShowTitles);
    b.AddCheck("cbDupQuotes", QStringLiteral("Duplicate quotes in text"), &TOptions::cbDupQuotes);
    b.AddCheck("cbProtectFormulas", QStringLiteral("Protect cells from spreadsheet formulas"),
               &TOptions::cbProtectFormulas);
    column->addStretch();

    auto* buttons = new QHBoxLayout;
    for (auto [action, caption] :
         {std::pair{saveOptions, "Save settings"}, std::pair{restoreDefaults, "Restore default"}}) {
        auto* button = new QPushButton(QString::fromLatin1(caption), this);
        button->setToolTip(action->toolTip());
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(scroll, 1);
    page->addLayout(buttons);
    SetOptions(TAnalysisOptions{});
}

TAnalysisOptions TOptionsPage::Options() const {
    TAnalysisOptions options;
    for (const auto& read : readers_)
        read(options);
    return options;
}

void TOptionsPage::SetOptions(const TAnalysisOptions& options) {
    for (const auto& write : writers_)
        write(options);
}

void TOptionsPage::AddControl(std::function<void(TAnalysisOptions&)> read,
                              std::function<void(const TAnalysisOptions&)> write) {
    write(TAnalysisOptions{});
    readers_.push_back(std::move(read));
    writers_.push_back(std::move(write));
}

QString TOptionsPage::CsvProblem() const {
    return QString::fromStdString(CsvOptionsProblem(Options()));
}

void TOptionsPage::CheckCsvField(QLineEdit* edit) {
    if (edit->text() == edit->property(kAccepted).toString())
        return;
    const QString problem = CsvProblem();
    if (problem.isEmpty()) {
        edit->setProperty(kAccepted, edit->text());
        return;
    }
    edit->setText(edit->property(kAccepted).toString());
    UserDialogs().Warn(this, problem);
}

void TOptionsPage::RestoreDefaults() {
    const TAnalysisOptions current = Options();
    TAnalysisOptions defaults;
    defaults.cbLayout = current.cbLayout;
    defaults.cbConcExcludeNumbers = current.cbConcExcludeNumbers;
    SetOptions(defaults);
}

} // namespace lexorin
