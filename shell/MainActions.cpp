#include "MainActions.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace lexorin {
namespace {

struct TActionMaker {
    QMainWindow* window;
    TMainActions& actions;

    QAction* Make(const char* name, const char* caption, const char* hint, const char* keys,
                  const char* image) {
        auto* action = new QAction(QString::fromLatin1(caption), window);
        action->setObjectName(QString::fromLatin1(name));
        // The hint is a tooltip only: as a status tip it would cover the
        // status bar's panels.
        action->setToolTip(QString::fromLatin1(hint));
        action->setIcon(QIcon::fromTheme(QString::fromLatin1(image)));
        if (*keys != '\0') {
            action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
            action->setShortcutContext(Qt::WindowShortcut);
            actions.windowShortcuts.append(action);
        }
        window->addAction(action);
        return action;
    }

    // A standard edit command: the focused control handles its keys itself,
    // so the command's shortcut is only shown, never taken from the window.
    QAction* Edit(const char* name, const char* caption, const char* hint, const char* keys,
                  const char* image) {
        auto* action = new QAction(QString::fromLatin1(caption), window);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(QString::fromLatin1(hint));
        action->setIcon(QIcon::fromTheme(QString::fromLatin1(image)));
        action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        action->setShortcutContext(Qt::WidgetShortcut);
        return action;
    }
};

QMenu* Menu(QMenuBar* bar, const char* name, const char* caption, const char* hint) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->setToolTip(QString::fromLatin1(hint));
    menu->setToolTipsVisible(true);
    return menu;
}

QMenu* Popup(QMainWindow* window, const char* name, QList<QAction*> items) {
    auto* menu = new QMenu(window);
    menu->setObjectName(QString::fromLatin1(name));
    for (QAction* item : items) {
        if (item == nullptr)
            menu->addSeparator();
        else
            menu->addAction(item);
    }
    return menu;
}

// A menu item that carries a command: its own name (and hint), the
// command's caption, image, shortcut text and enabled state. The keys are
// only shown (after a tab, where menus show keys): the command takes them
// from the whole window, and a second binding would make them ambiguous.
void Item(QMenu* menu, const char* name, QAction* command, const char* hint = nullptr) {
    QString caption = command->text();
    if (!command->shortcut().isEmpty())
        caption += QLatin1Char('\t') + command->shortcut().toString(QKeySequence::NativeText);
    auto* item = new QAction(command->icon(), caption, menu);
    item->setObjectName(QString::fromLatin1(name));
    item->setToolTip(hint != nullptr ? QString::fromLatin1(hint) : command->toolTip());
    item->setEnabled(command->isEnabled());
    QObject::connect(command, &QAction::changed, item,
                     [item, command] { item->setEnabled(command->isEnabled()); });
    QObject::connect(item, &QAction::triggered, command, [command] { command->trigger(); });
    menu->addAction(item);
}

void Name(QToolBar* bar, QAction* action, const char* name) {
    bar->widgetForAction(action)->setObjectName(QString::fromLatin1(name));
}

} // namespace

TMainActions CreateMainActions(QMainWindow* window) {
    TMainActions a{};
    TActionMaker m{window, a};
    a.EditCopy = m.Edit("EditCopy", "&Copy", "Copy", "Ctrl+C", "edit-copy");
    a.EditPaste = m.Edit("EditPaste", "&Paste", "Paste", "Ctrl+V", "edit-paste");
    a.EditCut = m.Edit("EditCut", "Cu&t", "Cut", "Ctrl+X", "edit-cut");
    a.EditDelete = m.Edit("EditDelete", "&Delete", "", "Del", "edit-delete");
    a.aSearch =
        m.Make("aSearch", "Calculate", "Start calculation", "Ctrl+S", "media-playback-start");
    a.aCancel = m.Make("aCancel", "C&ancel", "Cancel the calculation", "Ctrl+A", "process-stop");
    a.aPasteText = m.Make("aPasteText", "Paste from clipboard", "Paste text from clipboard",
                          "Ctrl+V", "insert-text");
    a.aPasteFile = m.Make("aPasteFile", "&Load from file...", "Load text from file", "Ctrl+L",
                          "document-open");
    a.aPhrases = m.Make("aPhrases", "Words and &phrases", "Calculate word and phrase frequencies",
                        "Ctrl+P", "view-list-text");
    a.aWords = m.Make("aWords", "&Wordforms", "Calculate wordform frequencies", "Ctrl+W",
                      "tools-check-spelling");
    a.aOpts = m.Make("aOpts", "&Options", "Options", "Ctrl+O", "configure");
    a.aSaveOpts = m.Make("aSaveOpts", "Save options", "Save options", "", "document-save");
    a.aRestoreDefaulf =
        m.Make("aRestoreDefaulf", "Restore default", "Restore default options", "", "edit-undo");
    a.aReload = m.Make("aReload", "&Reload file", "Reload file", "Ctrl+R", "view-refresh");
    a.aFind =
        m.Make("aFind", "&Find...", "Open standard Find dialog for text", "Ctrl+F", "edit-find");
    a.aClose = m.Make("aClose", "E&xit", "Close Lexorin", "Ctrl+X", "application-exit");
    a.aHelp = m.Make("aHelp", "Lexorin Help", "Lexorin Help ", "F1", "help-contents");
    a.aAbout = m.Make("aAbout", "About", "About this version", "Shift+F1", "help-about");
    a.aExport =
        m.Make("aExport", "&Export", "Export results to CSV (Excel)", "Ctrl+E", "document-export");
    a.aClearSelection = m.Make("aClearSelection", "Clear all selections", "Clear all selections",
                               "", "edit-clear-all");
    a.aAddToIgnored = m.Make("aAddToIgnored", "Add to ignored", "Add this word to ignored words",
                             "", "list-remove");
    a.aDispersionChart = m.Make("aDispersionChart", "Dispersion chart",
                                "Word/phrase dispersion chart", "", "office-chart-line");
    a.aLFChart = m.Make("aLFChart", "Quantities by frequencies ", "Frequencies chart", "",
                        "office-chart-bar");
    a.aMultiLFChart = m.Make("aMultiLFChart", "Quantities by frequencies and length",
                             "Quantities by frequencies and length", "", "office-chart-scatter");
    a.aPrint = m.Make("aPrint", "Print", "Print results", "Ctrl+T", "document-print");
    a.aNextOcc = m.Make("aNextOcc", "Next occurrence", "Next occurrence", "F3", "go-down");
    a.aPrevOcc =
        m.Make("aPrevOcc", "Previous occurrence", "Previous occurrence", "Shift+F3", "go-up");
    a.aKwic = m.Make("aKwic", "&KWIC lines...",
                     "Key-word-in-context lines of a word or phrase, sorted by their neighbours",
                     "Ctrl+K", "format-justify-center");
    a.aCollocates = m.Make("aCollocates", "Co&llocates",
                           "Words that stand near a word or phrase more often than chance",
                           "Ctrl+Shift+L", "view-list-details");
    a.aKeywords =
        m.Make("aKeywords", "&Keywords", "Words that set the text apart from a reference text",
               "Ctrl+Shift+K", "view-sort-descending");
    a.miConcordance = m.Make("miConcordance", "Concor&dance",
                             "Concordance : list of all unique words  with contexts", "Ctrl+D",
                             "format-list-unordered");
    a.Summary = m.Make("Summary", "S&ummary", "Summary statistical parameters of the text",
                       "Ctrl+U", "view-statistics");

    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("mMain"));
    a.miText = Menu(bar, "miText", "Text", "Load text");
    Item(a.miText, "File1", a.aPasteFile);
    Item(a.miText, "Reloadfile1", a.aReload);
    Item(a.miText, "Clipboard1", a.aPasteText);
    a.miText->addSeparator();
    Item(a.miText, "NextOccurrence1", a.aNextOcc);
    Item(a.miText, "PreviousOccurrence1", a.aPrevOcc);
    a.miText->addSeparator();
    Item(a.miText, "Close1", a.aClose);
    a.miTools = Menu(bar, "miTools", "Tools", "Tools");
    QMenu* calculate = a.miTools->addMenu(QStringLiteral("Calculate"));
    calculate->setObjectName(QStringLiteral("miSearch"));
    calculate->menuAction()->setObjectName(QStringLiteral("miSearch"));
    calculate->menuAction()->setToolTip(QStringLiteral("Search repeatable words and phrases"));
    calculate->setToolTipsVisible(true);
    Item(calculate, "Phraseswords1", a.aPhrases);
    calculate->addAction(a.miConcordance);
    Item(calculate, "Wordparts1", a.aWords);
    calculate->addAction(a.Summary);
    calculate->addAction(a.aCollocates);
    calculate->addAction(a.aKeywords);
    Item(a.miTools, "miKwic", a.aKwic);
    Item(a.miTools, "miFind", a.aFind);
    Item(a.miTools, "Export1", a.aExport);
    Item(a.miTools, "Print1", a.aPrint);
    Item(a.miTools, "Options1", a.aOpts, "Configure calculation settings and ignored words");
    a.miHelp = Menu(bar, "miHelp", "Help", "");
    Item(a.miHelp, "miLexorinHelp", a.aHelp);
    Item(a.miHelp, "miAbout", a.aAbout);

    a.pmText =
        Popup(window, "pmText",
              {a.EditCopy, a.aPasteFile, a.aReload, a.aPasteText, nullptr, a.aClearSelection});
    a.pmGrid = new QMenu(window);
    a.pmGrid->setObjectName(QStringLiteral("pmGrid"));
    Item(a.pmGrid, "Copy2", a.EditCopy);
    Item(a.pmGrid, "Dispersionchart2", a.aDispersionChart);
    Item(a.pmGrid, "Addtoignored1", a.aAddToIgnored);
    Item(a.pmGrid, "Kwiclines1", a.aKwic);
    a.pmChart = Popup(window, "pmChart", {a.aLFChart, a.aDispersionChart, a.aMultiLFChart});

    QToolBar* tools = window->addToolBar(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("tbMain"));
    tools->setMovable(false);
    tools->addSeparator();
    tools->addActions({a.aPasteFile, a.aReload, a.aPasteText});
    tools->addSeparator();
    a.tbSearch = new QToolButton(tools);
    a.tbSearch->setObjectName(QStringLiteral("tbSearch"));
    a.tbSearch->setDefaultAction(a.aSearch);
    tools->addWidget(a.tbSearch);
    tools->addSeparator();
    tools->addActions({a.aOpts, a.aExport, a.aLFChart, a.aPrint});
    Name(tools, a.aLFChart, "tbChart");
    auto* chart = static_cast<QToolButton*>(tools->widgetForAction(a.aLFChart));
    chart->setMenu(a.pmChart);
    chart->setPopupMode(QToolButton::MenuButtonPopup);
    tools->addSeparator();
    tools->addActions({a.aFind, a.EditCopy});
    a.tbWordWrap = new QToolButton(tools);
    a.tbWordWrap->setObjectName(QStringLiteral("tbWordWrap"));
    a.tbWordWrap->setCheckable(true);
    a.tbWordWrap->setToolTip(QStringLiteral("Wrap text"));
    a.tbWordWrap->setIcon(QIcon::fromTheme(QStringLiteral("text-wrap")));
    tools->addWidget(a.tbWordWrap);
    tools->addActions({a.aNextOcc, a.aPrevOcc, a.aClearSelection});
    Name(tools, a.aNextOcc, "tbNext");
    Name(tools, a.aPrevOcc, "tbPrev");
    Name(tools, a.aClearSelection, "tbClear");
    tools->addSeparator();
    tools->addActions({a.aHelp, a.aAbout});
    return a;
}

} // namespace lexorin
