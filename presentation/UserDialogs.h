// Modal questions and file choices of the window, behind one seam so that
// tests can script the answers and read the exact texts asked.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace lexorin {

class TUserDialogs {
public:
    virtual ~TUserDialogs() = default;
    virtual void Inform(QWidget* parent, const QString& message) = 0;
    virtual void Warn(QWidget* parent, const QString& message) = 0;
    // Yes and No; true for Yes.
    virtual bool Confirm(QWidget* parent, const QString& question) = 0;
    // The chosen file, or an empty string when the user cancels.
    virtual QString OpenFileName(QWidget* parent, const QString& directory,
                                 const QStringList& filters) = 0;
    // One or more existing files, or none when the user cancels.
    virtual QStringList OpenFileNames(QWidget* parent, const QString& directory,
                                      const QStringList& filters) = 0;
    // Shows a document with the desktop's program for it; false when none
    // could be started.
    virtual bool OpenDocument(const QUrl& document) = 0;
    // The file to write, or an empty string when the user cancels. A name
    // typed without an extension gets `defaultSuffix`; the dialog asks
    // before a file is replaced.
    virtual QString SaveFileName(QWidget* parent, const QString& directory,
                                 const QStringList& filters, const QString& defaultSuffix) = 0;
    // A line of text the user types after `prompt`, or an empty string when
    // the user cancels.
    virtual QString AskText(QWidget* parent, const QString& title, const QString& prompt) = 0;
};

// The dialogs in use: the desktop's own unless a test has put others.
TUserDialogs& UserDialogs();
// Replaces the dialogs in use (nullptr: the desktop's again); for tests.
void SetUserDialogs(TUserDialogs* dialogs);

} // namespace lexorin
