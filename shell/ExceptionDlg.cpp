#include "ExceptionDlg.h"

#include "ExceptionLog.h"
#include "ProgramFiles.h"
#include "QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <typeinfo>

namespace lexorin {

std::function<void(const QString&, const QString&)> PlainErrorBox = [](const QString& title,
                                                                       const QString& message) {
    QMessageBox::critical(nullptr, title, message);
};

namespace {

const QString kTitle = QStringLiteral("Lexorin - application error");
const QString kDetails = QStringLiteral("&Details");

QString Crlf(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

std::string ActiveControls() {
    std::string block = "Active Controls hiearchy:\r\n";
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget())
        block += std::string(w->metaObject()->className()) + " \"" + w->objectName().toStdString() +
                 "\"\r\n";
    return block + SeparatorLine() + "\r\n";
}

std::string SystemBlock() {
    std::string block;
    for (const std::string& line : SystemLines())
        block += line + "\r\n";
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        block += "Display  : " + std::to_string(size.width()) + "x" +
                 std::to_string(size.height()) + " pixels, " + std::to_string(screen->depth()) +
                 " bpp\r\n";
    }
    return block + SeparatorLine() + "\r\n";
}

bool reportOpen = false;

} // namespace

TExceptionDialog::TExceptionDialog(const QString& message, const std::string& className,
                                   const void* address, std::string logPath, QWidget* parent)
    : QDialog(parent), logPath_(std::move(logPath)) {
    setObjectName(QStringLiteral("ExceptionDialog"));
    setWindowTitle(kTitle);
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("TextLabel"));
    text_->setReadOnly(true);
    text_->setFrameShape(QFrame::NoFrame);
    text_->setToolTip(QStringLiteral("Use Ctrl+C to copy the report to the clipboard"));
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text_->setPlainText(Crlf(QString::fromStdString(ReportMessage(message.toStdString()))));
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("OkBtn"));
    ok_->setDefault(true);
    details_ = new QPushButton(kDetails + QStringLiteral(" >>"), this);
    details_->setObjectName(QStringLiteral("DetailsBtn"));
    details_->setToolTip(QStringLiteral("Show or hide additional information"));
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line_ = line;
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("DetailsMemo"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    report_ = DetailsHeader(className, address);
    memo_->setPlainText(Crlf(FromProgramText(report_)));

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(details_);
    buttons->addStretch();
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line_);
    layout->addWidget(memo_, 1);
    line_->hide();
    memo_->hide();
    resize(520, 130);
    collapsedHeight_ = 130;
    setFixedHeight(collapsedHeight_);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(details_, &QPushButton::clicked, this, [this] { ToggleDetails(); });
}

QString TExceptionDialog::Message() const {
    return text_->toPlainText();
}

QString TExceptionDialog::Details() const {
    return memo_->toPlainText();
}

bool TExceptionDialog::Expanded() const {
    return !memo_->isHidden();
}

void TExceptionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!completed_)
        QTimer::singleShot(0, this, [this] { CompleteDetails(); });
}

void TExceptionDialog::CompleteDetails() {
    if (completed_)
        return;
    completed_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ok_->setEnabled(false);
    details_->setEnabled(false);
    const auto now = std::chrono::system_clock::now();
    report_ += StackBlock(CurrentStack(), now) + SystemBlock() + ModulesBlock(LoadedModules()) +
               ActiveControls();
    memo_->setPlainText(Crlf(FromProgramText(report_)));
    AppendToLog(logPath_, ToProgramText(Message()), report_, now);
    memo_->verticalScrollBar()->setValue(0);
    ok_->setEnabled(true);
    details_->setEnabled(true);
    ok_->setFocus();
    QApplication::restoreOverrideCursor();
}

void TExceptionDialog::ToggleDetails() {
    const bool expand = memo_->isHidden();
    line_->setVisible(expand);
    memo_->setVisible(expand);
    if (expand) {
        details_->setText(QStringLiteral("<< ") + kDetails);
        setMinimumHeight(collapsedHeight_ + 100);
        const QScreen* screen = this->screen();
        setMaximumHeight(screen != nullptr ? screen->availableGeometry().height()
                                           : QWIDGETSIZE_MAX);
        resize(width(), collapsedHeight_ + 300);
    } else {
        details_->setText(kDetails + QStringLiteral(" >>"));
        setFixedHeight(collapsedHeight_);
    }
}

void TExceptionDialog::CopyReport() {
    QGuiApplication::clipboard()->setText(Message() + QStringLiteral("\r\n") + Details());
    QApplication::beep();
}

void TExceptionDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyReport();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ReportException(const std::exception& error, const std::string& logPath) {
    // Messages are UTF-8.
    const QString message = QString::fromStdString(error.what());
    if (reportOpen) {
        PlainErrorBox(kTitle, message);
        return;
    }
    reportOpen = true;
    const std::string path = logPath.empty() ? ErrorLogPath().toStdString() : logPath;
    // The code address the error came back to: where it was reported.
    TExceptionDialog dialog(message, typeid(error).name(), __builtin_return_address(0), path,
                            QApplication::activeWindow());
    QApplication::beep();
    dialog.exec();
    reportOpen = false;
}

} // namespace lexorin
