// What every suite that drives the main window holds: scripted dialogs, the
// window, a folder of its own that is also where the program keeps its
// files, and look-ups of the window's named parts.
#pragma once

#include "MainWindow.h"
#include "NamedChild.h"
#include "ProgramFiles.h"
#include "ScriptedDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace lexorin::test {

class TWindowFixture {
protected:
    std::unique_ptr<TScriptedDialogs> dialogs;
    std::unique_ptr<TfmLexorin> window;
    QTemporaryDir folder;

    template <typename T> T* Child(const char* name) const {
        return NamedChild<T>(window.get(), name);
    }
    // Scripted dialogs and a new window, shown, keeping its files in the
    // folder.
    void OpenWindow() {
        SetProgramFolder(folder.path());
        dialogs = std::make_unique<TScriptedDialogs>();
        window = std::make_unique<TfmLexorin>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the window is not shown");
    }
    // Destroys the window, answering Yes to whatever it asks on the way.
    void CloseWindow() {
        if (dialogs != nullptr)
            dialogs->answers = {true};
        window.reset();
        dialogs.reset();
    }
    // Writes a file into the folder and returns its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) const {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    // Shows a task page.
    void SetPage(TAnalysisPage page) const {
        Child<QTabWidget>("pcOp")->setCurrentIndex(TfmLexorin::TabIndexOf(page));
    }
};

} // namespace lexorin::test
