// Message boxes and file dialogs that answer from a script and remember
// exactly what they were asked.
#pragma once

#include "UserDialogs.h"

#include <QList>
#include <QStringList>

namespace lexorin::test {

class TScriptedDialogs : public TUserDialogs {
public:
    TScriptedDialogs() { SetUserDialogs(this); }
    ~TScriptedDialogs() override { SetUserDialogs(nullptr); }

    // "inform: ...", "warn: ...", "confirm: ...", "open: <directory>",
    // "save: <directory>", "document: <file>", "ask: <prompt>".
    QStringList asked;
    // Answers to the confirmations in turn; Yes once they run out.
    QList<bool> answers;
    // Files chosen in the open dialog in turn; cancelled once they run out.
    QStringList files;
    // Files chosen in the save dialog in turn; cancelled once they run out.
    QStringList saveFiles;
    // Texts typed when asked, in turn; cancelled once they run out.
    QStringList texts;
    // The file types and the default extension the last save dialog offered.
    QStringList saveFilters;
    QString saveSuffix;

    void Inform(QWidget*, const QString& message) override { asked << "inform: " + message; }
    void Warn(QWidget*, const QString& message) override { asked << "warn: " + message; }
    bool Confirm(QWidget*, const QString& question) override {
        asked << "confirm: " + question;
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    QString OpenFileName(QWidget*, const QString& directory, const QStringList&) override {
        asked << "open: " + directory;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    // The open dialog's files of a choice of several: the next entry of
    // `files`, split at "|".
    QStringList OpenFileNames(QWidget* parent, const QString& directory,
                              const QStringList& filters) override {
        const QString chosen = OpenFileName(parent, directory, filters);
        return chosen.isEmpty() ? QStringList() : chosen.split(QLatin1Char('|'));
    }
    bool OpenDocument(const QUrl& document) override {
        asked << "document: " + document.toLocalFile();
        return true;
    }
    QString AskText(QWidget*, const QString&, const QString& prompt) override {
        asked << "ask: " + prompt;
        return texts.isEmpty() ? QString() : texts.takeFirst();
    }
    QString SaveFileName(QWidget*, const QString& directory, const QStringList& filters,
                         const QString& defaultSuffix) override {
        asked << "save: " + directory;
        saveFilters = filters;
        saveSuffix = defaultSuffix;
        return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
    }
};

} // namespace lexorin::test
