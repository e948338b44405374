#include "UserDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace lexorin {
namespace {

class TDesktopDialogs : public TUserDialogs {
public:
    void Inform(QWidget* parent, const QString& message) override {
        QMessageBox::information(parent, QApplication::applicationDisplayName(), message);
    }
    void Warn(QWidget* parent, const QString& message) override {
        QMessageBox::warning(parent, QApplication::applicationDisplayName(), message);
    }
    bool Confirm(QWidget* parent, const QString& question) override {
        return QMessageBox::question(parent, QStringLiteral("Confirm"), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    }
    QString OpenFileName(QWidget* parent, const QString& directory,
                         const QStringList& filters) override {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), directory,
                                            filters.join(QStringLiteral(";;")));
    }
    QStringList OpenFileNames(QWidget* parent, const QString& directory,
                              const QStringList& filters) override {
        return QFileDialog::getOpenFileNames(parent, QStringLiteral("Open"), directory,
                                             filters.join(QStringLiteral(";;")));
    }
    bool OpenDocument(const QUrl& document) override { return QDesktopServices::openUrl(document); }
    QString SaveFileName(QWidget* parent, const QString& directory, const QStringList& filters,
                         const QString& defaultSuffix) override {
        QFileDialog dialog(parent, QStringLiteral("Save"), directory,
                           filters.join(QStringLiteral(";;")));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        // A name typed without an extension gets the one of the file type
        // chosen, as "Name (*.ext)" gives it.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) {
                             const QRegularExpressionMatch extension =
                                 QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
                             if (extension.hasMatch())
                                 dialog.setDefaultSuffix(extension.captured(1));
                         });
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().constFirst()
                   : QString();
    }
    QString AskText(QWidget* parent, const QString& title, const QString& prompt) override {
        return QInputDialog::getText(parent, title, prompt);
    }
};

TUserDialogs* current = nullptr;

} // namespace

TUserDialogs& UserDialogs() {
    static TDesktopDialogs desktop;
    return current != nullptr ? *current : desktop;
}

void SetUserDialogs(TUserDialogs* dialogs) {
    current = dialogs;
}

} // namespace lexorin
