#include "ConcordanceExportSetup.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace lexorin {
namespace {

template <typename T> T* Part(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

// Runs the dialog and has `answer` act on it once it is on screen.
int Execute(const std::function<void(QWidget*)>& answer) {
    QTimer::singleShot(0, [answer] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "fmConcordanceExportSetup" && top->isVisible())
                answer(top);
    });
    return ExecuteConcordanceExportSetup(nullptr);
}

TEST(ConcordanceExportSetup, CaptionsHintsAndButtons) {
    TfmConcordanceExportSetup dialog;
    EXPECT_EQ(dialog.windowTitle(), "Concordance export setup");
    auto* basic = Part<QRadioButton>(&dialog, "rbBasic");
    auto* professional = Part<QRadioButton>(&dialog, "rbProfessional");
    ASSERT_TRUE(basic && professional);
    EXPECT_EQ(basic->text(), "basic unload (words and their frequencies)");
    EXPECT_EQ(basic->toolTip(), "This form contains 2 columns : words and their frequencies");
    EXPECT_TRUE(basic->isChecked());
    EXPECT_EQ(professional->text(),
              "professional unload (words, context before and context after)");
    EXPECT_EQ(professional->toolTip(), "Ths form contains 4 columns : position, context before, "
                                       "\nword in question and context after . ");
    auto* ok = Part<QPushButton>(&dialog, "OKBtn");
    auto* cancel = Part<QPushButton>(&dialog, "CancelBtn");
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint) << "no title-bar buttons";
    dialog.show();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "a fixed border";
    EXPECT_GE(dialog.width(), professional->sizeHint().width()) << "every caption readable";
}

TEST(ConcordanceExportSetup, ChoicesAndTheirCodes) {
    const auto click = [](const char* name) {
        return [name](QWidget* dialog) { Part<QAbstractButton>(dialog, name)->click(); };
    };
    EXPECT_EQ(Execute(click("OKBtn")), 1) << "basic by default";
    EXPECT_EQ(Execute([](QWidget* dialog) {
                  Part<QRadioButton>(dialog, "rbProfessional")->click();
                  Part<QPushButton>(dialog, "OKBtn")->click();
              }),
              2);
    EXPECT_EQ(Execute(click("OKBtn")), 1) << "a new dialog starts with basic again";
    EXPECT_EQ(Execute([](QWidget* dialog) {
                  Part<QRadioButton>(dialog, "rbProfessional")->click();
                  Part<QPushButton>(dialog, "CancelBtn")->click();
              }),
              0);
    EXPECT_EQ(Execute([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }), 0);
    EXPECT_EQ(Execute([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); }), 1);
}

} // namespace
} // namespace lexorin
