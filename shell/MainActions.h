// The commands of the main window with their captions, hints, shortcuts
// and images, and the menus, pop-up menus and toolbar that carry them.
#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class QToolButton;

namespace lexorin {

struct TMainActions {
    QAction* EditCopy;
    QAction* EditPaste;
    QAction* EditCut;
    QAction* EditDelete;
    QAction* aSearch;
    QAction* aCancel;
    QAction* aPasteText;
    QAction* aPasteFile;
    QAction* aPhrases;
    QAction* aWords;
    QAction* aOpts;
    QAction* aSaveOpts;
    QAction* aRestoreDefaulf;
    QAction* aReload;
    QAction* aFind;
    QAction* aClose;
    QAction* aHelp;
    QAction* aAbout;
    QAction* aExport;
    QAction* aClearSelection;
    QAction* aAddToIgnored;
    QAction* aDispersionChart;
    QAction* aLFChart;
    QAction* aMultiLFChart;
    QAction* aPrint;
    QAction* aNextOcc;
    QAction* aPrevOcc;
    QAction* aKwic;
    QAction* aCollocates;
    QAction* aKeywords;
    // Menu commands outside the action list.
    QAction* miConcordance;
    QAction* Summary;

    QMenu* miText;
    QMenu* miTools;
    QMenu* miHelp;
    QMenu* pmText;
    QMenu* pmGrid;
    QMenu* pmChart;
    QToolButton* tbSearch;
    QToolButton* tbWordWrap;

    // Every command whose shortcut the window takes, also from edit boxes.
    QList<QAction*> windowShortcuts;
};

// Creates the commands as children of the window, its main menu and its
// toolbar.
TMainActions CreateMainActions(QMainWindow* window);

} // namespace lexorin
