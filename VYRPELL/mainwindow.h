#pragma once

#include "appsettings.h"
#include "workspacelayout.h"

#include <QDir>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <memory>

class PluginInfo;
class QAction;
class QActionGroup;
class QCloseEvent;
class QDockWidget;
class QEvent;
class QMenu;
class QSplashScreen;
class QStackedWidget;
class QTextEdit;
class VyrApplicationLogger;
class VyrSystemManager;

namespace Ui {
class MainWindow;
}

// The program's main window: hosts the plug-ins found in "plugins" beside the
// executable, hands them its menus, tool bar, status bar and central page stack,
// forwards the device events to them and shows the application log.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QStringList arguments, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Loads and initialises the plug-ins, then restores the window's geometry and
    // layout. splash may be null.
    bool InitializeComponents(QSplashScreen *splash);

    WorkSpaceLayout *workSpaceLayout() { return &m_layout; }
    AppSettings *appSettings() { return &m_appSettings; }
    VyrApplicationLogger *appLogger() const { return m_appLogger.get(); }
    const QList<PluginInfo *> &plugins() const { return m_plugins; }
    const QDir &pluginDirectory() const { return m_pluginDirectory; }
    VyrSystemManager *systemManager() const { return m_systemManager; }
    QTextEdit *logWindow() const { return m_logWindow; }
    QDockWidget *logDock() const { return m_logDock; }
    // True once the window was closed and the plug-ins were shut down.
    bool isShutDown() const { return m_pluginsShutDown; }

signals:
    void Signal_DeviceNodesChanged();
    void Signal_DeviceConfigChanged();
    void Signal_DisplayModeChanged();

public slots:
    void onSettings();
    void onSettingsSelectionChanged();
    void about();
    void aboutPlugins();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void centerOnScreen();
    void createSettings();
    void createMenus();
    void createLogWindow();
    void loadPlugins(QSplashScreen *splash);
    bool initPlugins(QSplashScreen *splash);
    void shutDownPlugins();

    std::unique_ptr<Ui::MainWindow> m_ui;
    WorkSpaceLayout m_layout;
    AppSettings m_appSettings;
    std::unique_ptr<VyrApplicationLogger> m_appLogger;
    QTextEdit *m_logWindow = nullptr;
    QDockWidget *m_logDock = nullptr;
    QStackedWidget *m_workspaceStack = nullptr;
    QActionGroup *m_actionGroup = nullptr;
    QHash<QString, QString> m_extraSettings;

    QMenu *m_fileMenu = nullptr;
    QMenu *m_pluginMenu = nullptr;
    QMenu *m_settingsMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_quitAction = nullptr;
    QAction *m_settingsAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_aboutPluginsAction = nullptr;

    QDir m_pluginDirectory;
    QList<PluginInfo *> m_plugins;
    VyrSystemManager *m_systemManager = nullptr;
    bool m_pluginsShutDown = false;
};
