#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QActionGroup;
class QMainWindow;
class QMenu;
class QMenuBar;
class QStackedWidget;
class QStatusBar;
class QToolBar;
class VyrApplicationLogger;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// The parts of the main window handed to every plug-in's initPlugin(). All of it
// belongs to the main window; plug-ins may keep the pointers while it lives.
struct WorkSpaceLayout
{
    VyrApplicationLogger *logger = nullptr;
    QMenu *windowMenu = nullptr;       // holds the log window's show/hide action
    QMenu *pluginMenu = nullptr;       // plug-ins add their submenus here
    QMenu *settingsMenu = nullptr;     // holds "&Application Settings"
    QMenu *helpMenu = nullptr;         // holds "&About" and "About &Plugins"
    QMainWindow *mainWindow = nullptr; // receives the device events, sends the change signals
    QStringList arguments;             // the whole command line, program path first
    QToolBar *toolBar = nullptr;
    QActionGroup *actionGroup = nullptr; // exclusive group for the plug-ins' checkable actions
    QMenuBar *menuBar = nullptr;
    QStatusBar *statusBar = nullptr;
    QStackedWidget *workspaceStack = nullptr;         // central widget; plug-ins add their pages
    QHash<QString, QString> *extraSettings = nullptr; // rows shown on the "General" settings page
};
