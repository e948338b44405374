// The report of an error that no command handled: the message, details
// that expand on request, Ctrl+C to copy, and the log beside the program.
#pragma once

#include <QDialog>
#include <exception>
#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lexorin {

class TExceptionDialog : public QDialog {
public:
    // `className` and `address` head the details; the report is appended to
    // `logPath` once the details are complete.
    TExceptionDialog(const QString& message, const std::string& className, const void* address,
                     std::string logPath, QWidget* parent = nullptr);

    QString Message() const;
    QString Details() const;
    bool Expanded() const;
    // Adds the stack, the system, the modules and the active controls to the
    // details and logs the report. Runs once the dialog is on screen.
    void CompleteDetails();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ToggleDetails();
    void CopyReport();

    QPlainTextEdit* text_;
    QPushButton* ok_;
    QPushButton* details_;
    QWidget* line_;
    QPlainTextEdit* memo_;
    std::string logPath_;
    std::string report_; // the details, Windows-1251 as the log, lines ended by CR LF
    bool completed_ = false;
    int collapsedHeight_ = 0;
};

// Shows the report of an error; while a report is open, a further error gets
// a plain message box and is not logged. `logPath` empty: the log beside the
// running program.
void ReportException(const std::exception& error, const std::string& logPath = {});

// Replaceable for tests: the plain message box of a second error.
extern std::function<void(const QString& title, const QString& message)> PlainErrorBox;

} // namespace lexorin
