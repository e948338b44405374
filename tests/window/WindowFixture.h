// What every suite that drives the main window holds: scripted dialogs, the
// window, a folder of its own that is also where the program keeps its
// files, and look-ups of the window's named parts.
#pragma once

#include "MainWindow.h"
#include "NamedChild.h"
#include "ProgramFiles.h"
#include "ScriptedDialogs.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
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
    // The buttons and labels of a bar that are not wholly in sight: hidden,
    // narrower than their text, outside the bar or over one another.
    static QStringList OutOfSight(QWidget* bar) {
        QStringList out;
        QList<QRect> taken;
        for (QWidget* widget : bar->findChildren<QWidget*>()) {
            if (qobject_cast<QAbstractButton*>(widget) == nullptr &&
                qobject_cast<QLabel*>(widget) == nullptr)
                continue;
            const QString name = widget->objectName() + " " + widget->toolTip() + " " +
                                 widget->property("text").toString();
            const QRect place(widget->mapTo(bar, QPoint(0, 0)), widget->size());
            if (!widget->isVisibleTo(bar))
                out << "hidden: " + name;
            else if (widget->width() < widget->sizeHint().width())
                out << "cut: " + name;
            else if (!bar->rect().contains(place))
                out << "outside: " + name;
            else if (std::any_of(taken.begin(), taken.end(),
                                 [&](const QRect& other) { return other.intersects(place); }))
                out << "overlapping: " + name;
            taken << place;
        }
        return out;
    }
    // Shows a task page.
    void SetPage(TAnalysisPage page) const {
        Child<QTabWidget>("pcOp")->setCurrentIndex(TfmLexorin::TabIndexOf(page));
    }
};

} // namespace lexorin::test
