#pragma once

#include "appsettings.h"
#include "workspacelayout.h"

#include <QDir>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class AppSettingsDialog;
class PluginInfo;
class QAction;
class QActionGroup;
class QCheckBox;
class QCloseEvent;
class QDockWidget;
class QEvent;
class QLineEdit;
class QMenu;
class QRadioButton;
class QSplashScreen;
class QStackedWidget;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
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
    // layout. splash may be null. The splash screen lets events through: when the
    // window is closed meanwhile, no further plug-in is loaded or initialised and the
    // plug-ins initialised so far are shut down before this returns.
    bool InitializeComponents(QSplashScreen *splash);

    // Sets the "General" settings page of the dialog being built from the settings
    // file. The arguments (the dialog's tree and page stack, the owner text) are the
    // ones the plug-ins receive; the page needs none of them.
    void populateAppSettings(QTreeWidget *tree, QStackedWidget *pages, QString owner);
    // Stores the "General" page: the log types (applied to the log at once), the
    // register-access library and the extra settings rows.
    void saveAppSettings();

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
    // The settings dialog last built, while it exists.
    AppSettingsDialog *settingsDialog() const;

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
    void buildGeneralSettingsPage();
    void addExtraSettingRows();

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

    // Start-up and shut-down: plug-ins are initialised in list order, so the first
    // m_initialisedPlugins of the list are the ones to shut down.
    bool m_startingUp = false;
    bool m_windowClosed = false;
    int m_initialisedPlugins = 0;
    bool m_pluginsShutDown = false;

    // The settings dialog last built and its "General" page; the widgets belong to
    // the dialog.
    QPointer<AppSettingsDialog> m_settingsDialog;
    QTreeWidgetItem *m_generalItem = nullptr;
    QWidget *m_generalPage = nullptr;
    std::array<QCheckBox *, 7> m_logTypeBoxes{};
    QRadioButton *m_brellixButton = nullptr;
    QRadioButton *m_quarnibButton = nullptr;
    QList<QLineEdit *> m_extraSettingEdits;
    QStringList m_extraSettingNames; // the row of each line edit
};
