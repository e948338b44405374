#include "ExceptionDlg.h"

#include "ExceptionLog.h"
#include "TempFile.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace lexorin {
namespace {

using test::ReadFileBytes;

TEST(ExceptionDialog, ShowsTheMessageAndCompletesTheDetails) {
    const std::string log = ::testing::TempDir() + "dialog_Err.log";
    std::remove(log.c_str());
    TExceptionDialog dialog("Cannot open file \"x.txt\"", typeid(std::runtime_error).name(),
                            nullptr, log);
    EXPECT_EQ(dialog.windowTitle(), "Lexorin - application error");
    EXPECT_EQ(dialog.Message(), "Cannot open file \"x.txt\".");
    EXPECT_TRUE(dialog.Details().startsWith("Exception class: std::runtime_error\n"
                                            "Exception address: "));
    auto* ok = dialog.findChild<QPushButton*>("OkBtn");
    auto* details = dialog.findChild<QPushButton*>("DetailsBtn");
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->text(), "&Details >>");
    EXPECT_FALSE(dialog.Expanded());

    dialog.CompleteDetails();
    const QString text = dialog.Details();
    const QStringList headings = {"Exception class:",
                                  "Stack list, generated",
                                  "System   :",
                                  "Processor:",
                                  "Display  :",
                                  "List of loaded modules:",
                                  "Active Controls hiearchy:"};
    int at = -1;
    for (const QString& heading : headings) {
        const int next = text.indexOf(heading);
        EXPECT_GT(next, at) << heading.toStdString();
        at = next;
    }
    const std::string logged = ReadFileBytes(log);
    EXPECT_NE(logged.find("Cannot open file \"x.txt\".\r\nException class: std::runtime_error\r\n"),
              std::string::npos);
    EXPECT_NE(logged.find("List of loaded modules:\r\n"), std::string::npos);

    details->click();
    EXPECT_TRUE(dialog.Expanded());
    EXPECT_EQ(details->text(), "<< &Details");
    details->click();
    EXPECT_FALSE(dialog.Expanded());

    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(&dialog, &copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), dialog.Message() + "\r\n" + dialog.Details());
}

TEST(ExceptionDialog, ASecondErrorGetsAPlainMessageBox) {
    std::vector<QString> plain;
    PlainErrorBox = [&](const QString&, const QString& message) { plain.push_back(message); };
    const std::string log = ::testing::TempDir() + "second_Err.log";
    std::remove(log.c_str());
    QTimer::singleShot(0, [&] {
        ReportException(std::runtime_error("second"), log);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = dynamic_cast<TExceptionDialog*>(w); d != nullptr) {
                d->CompleteDetails(); // as it would once on screen
                d->accept();
            }
    });
    ReportException(std::runtime_error("first"), log);
    EXPECT_EQ(plain, std::vector<QString>{"second"});
    const std::string logged = ReadFileBytes(log);
    EXPECT_NE(logged.find("first."), std::string::npos);
    EXPECT_EQ(logged.find("second"), std::string::npos) << "the second error is not logged";
}

} // namespace
} // namespace lexorin
