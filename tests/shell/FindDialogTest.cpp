#include "FindDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace lexorin {
namespace {

template <typename T> T* Child(const QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

TEST(FindDialog, HasTheStandardControls) {
    TFindDialog dialog;
    EXPECT_EQ(dialog.objectName(), "fdFind");
    EXPECT_EQ(dialog.windowTitle(), "Find");
    EXPECT_FALSE(dialog.isModal());
    auto* edit = Child<QLineEdit>(dialog, "edFindText");
    ASSERT_NE(edit, nullptr);
    const QLabel* label = nullptr;
    for (const QLabel* l : dialog.findChildren<QLabel*>())
        if (l->buddy() == edit)
            label = l;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Fi&nd what:");
    EXPECT_EQ(Child<QCheckBox>(dialog, "cbWholeWord")->text(), "Match &whole word only");
    EXPECT_EQ(Child<QCheckBox>(dialog, "cbMatchCase")->text(), "Match &case");
    auto* up = Child<QRadioButton>(dialog, "rbUp");
    auto* down = Child<QRadioButton>(dialog, "rbDown");
    EXPECT_EQ(up->text(), "&Up");
    EXPECT_EQ(down->text(), "&Down");
    EXPECT_TRUE(down->isChecked());
    auto* group = qobject_cast<QGroupBox*>(up->parentWidget());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), "Direction");
    auto* findNext = Child<QPushButton>(dialog, "btFindNext");
    EXPECT_EQ(findNext->text(), "&Find Next");
    EXPECT_TRUE(findNext->isDefault());
    EXPECT_FALSE(findNext->isEnabled()) << "nothing to find yet";
    EXPECT_EQ(Child<QPushButton>(dialog, "btCancel")->text(), "Cancel");

    dialog.SetFindText("word");
    EXPECT_EQ(edit->text(), "word");
    EXPECT_EQ(edit->selectedText(), "word");
    EXPECT_TRUE(findNext->isEnabled());
    edit->clear();
    EXPECT_FALSE(findNext->isEnabled());
}

TEST(FindDialog, FindNextCarriesTheTextAndTheChoicesAndStaysOpen) {
    TFindDialog dialog;
    dialog.show();
    auto* edit = Child<QLineEdit>(dialog, "edFindText");
    QSignalSpy found(&dialog, &TFindDialog::FindNext);
    QTest::keyClicks(edit, "abc");
    QTest::mouseClick(Child<QCheckBox>(dialog, "cbMatchCase"), Qt::LeftButton);
    QTest::mouseClick(Child<QRadioButton>(dialog, "rbUp"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(dialog, "btFindNext"), Qt::LeftButton);
    ASSERT_EQ(found.count(), 1);
    EXPECT_EQ(found[0][0].toString(), "abc");
    EXPECT_TRUE(found[0][1].toBool());
    EXPECT_FALSE(found[0][2].toBool());
    EXPECT_TRUE(dialog.isVisible());

    Child<QCheckBox>(dialog, "cbWholeWord")->setChecked(true);
    Child<QCheckBox>(dialog, "cbMatchCase")->setChecked(false);
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(found.count(), 2);
    EXPECT_EQ(found[1][0].toString(), "abc");
    EXPECT_FALSE(found[1][1].toBool());
    EXPECT_TRUE(found[1][2].toBool());
    EXPECT_EQ(dialog.FindText(), "abc");
    EXPECT_FALSE(dialog.MatchCase());
    EXPECT_TRUE(dialog.WholeWord());

    edit->clear();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(found.count(), 2) << "nothing to find";
    QTest::mouseClick(Child<QPushButton>(dialog, "btCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace lexorin
