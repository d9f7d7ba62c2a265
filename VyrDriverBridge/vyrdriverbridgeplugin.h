#pragma once

#include "apploggerinfo.h"
#include "applogtype.h"
#include "driverbridgesettingstable.h"
#include "fwdevicemanagerexportinterface.h"
#include "fwinterface.h"
#include "plugincomponentinfo.h"
#include "supportedfiletypes.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>

class QAction;
class QCheckBox;
class QEvent;
class QMenuBar;
class QSettings;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class VyrDisplayItem;

// The driver bridge plug-in: creates and owns the process's device model (one system
// manager with the local device manager) and exports it to the other plug-ins through
// the program. It keeps the report, log and event-handling settings of the model, adds
// them as two pages to the program's settings dialog, refreshes the model on demand or
// on the main window's change signals, tells the main window about refreshes and
// selections with two custom events, and scans a driver file for the version markers
// of the driver's libraries.
class VyrDriverBridgePlugIn : public QObject,
                              public FwInterface,
                              public FwDeviceManagerExportInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "VyrDriverBridgePlugIn")
    Q_INTERFACES(FwInterface FwDeviceManagerExportInterface)

public:
    VyrDriverBridgePlugIn();
    ~VyrDriverBridgePlugIn() override;

    VyrDriverBridgePlugIn(const VyrDriverBridgePlugIn &) = delete;
    VyrDriverBridgePlugIn &operator=(const VyrDriverBridgePlugIn &) = delete;

    // ---- both interfaces ----------------------------------------------------------------
    qint32 GetInterfaceVersion() override { return VyrPluginInterfaceVersion; }

    // ---- FwInterface --------------------------------------------------------------------
    // Builds the device model, connects the main window's change signals and adds the
    // "Driver Bridge" menu with the two actions.
    void initPlugin(WorkSpaceLayout *layout) override;
    quint32 getPriority() const override { return 0; }
    QStringList pluginInfo() const override;
    void setAppLogger(AppLoggerInfo loggerInfo) override;
    QList<PluginComponentInfo> getComponentInfoList() override { return m_componentList; }
    // Keeps the stores and reads the three settings words and the dump-file list.
    void SetSettings(AppSettings *settings) override;
    // Adds "Device Configuration" with its pages "Reports" and "Event Handling" to the
    // settings dialog's tree and page stack.
    void populateSettings(QTreeWidget *tree, QStackedWidget *pages, QString owner) override;
    // Stores the words the boxes of the pages show; the log components take effect at once.
    void saveSettings(QString owner) override;

    // ---- FwDeviceManagerExportInterface -------------------------------------------------
    VyrDeviceManager *getDeviceManager() const override { return m_deviceManager; }
    VyrSystemManager *getSystemManager() const override { return m_systemManager; }
    // True for every function code up to 0.
    bool isFunctionSupported(VyrDriverFnSupported function) override;

    // ---- further operations -------------------------------------------------------------
    SupportedFileTypes fileNameExtensions() const;
    void addActions();
    void addMenu(QMenuBar *menuBar);
    void addToolBar();
    // Logs "VyrDriverBridgePlugIn: " + text with the given type while a logger is set.
    void printLog(AppLogType type, const QString &text) const;
    // True when the first length bytes of the MST relative addresses of the two items'
    // displays are equal, and always for length 0. With a positive length, a missing
    // item or display, or a display without MST data, answers false.
    bool isChildMstDevice(VyrDisplayItem *first, VyrDisplayItem *second, unsigned int length) const;
    // The version markers "[WEX LIB=...]" left in a driver file by the driver's
    // libraries, without their brackets and in file order, followed by "No Version
    // Information" when fewer than two were found; or the single entry "Failed to open
    // file".
    QStringList getDriverLibVersions(QString path) const;

    // ---- state ------------------------------------------------------------------------
    const AppLoggerInfo &loggerInfo() const { return m_loggerInfo; }
    quint32 reportsWord() const { return m_reportsWord; }
    quint32 appLogWord() const { return m_appLogWord; }
    quint32 eventHandlingWord() const { return m_eventHandlingWord; }
    const QStringList &dumpFileList() const { return m_dumpFileList; }
    QAction *refreshAction() const { return m_refreshAction; }
    QAction *libVersionAction() const { return m_libVersionAction; }

public slots:
    // Rebuilds the device model, then sends an UpdateDataEvent to the main window.
    void updateData();
    // Writes the object of the picked device-tree item into the device manager's
    // selection record, then sends a SelectionChangeEvent to the main window.
    void updateSelected(QTreeWidgetItem *item);
    void onDisplayModeChanged();
    void onDeviceConfigChanged();
    void onDeviceNodeChanged();
    // Asks for a driver file and shows the library version markers found in it.
    void onGetDriverLibVersions();
    void onSettingsSelectionChanged();
    void editRegistry() {}
    void refresh() {}
    // The command line reaches every plug-in in the workspace; this one does not act on it.
    void onCmdLine(QStringList &arguments) { Q_UNUSED(arguments) }

private:
    QSettings *iniSettings() const;
    quint32 &word(DriverBridgeWord which);
    void refreshOnEvent(int bit);
    void sendToMainWindow(QEvent *event);
    QWidget *createSettingsPage(bool eventPage);
    void showWord(DriverBridgeWord which, quint32 value);

    AppLoggerInfo m_loggerInfo;
    // Every log component is on until the settings are read.
    quint32 m_appLogWord = 0xFFFFFFFFu;
    QList<PluginComponentInfo> m_componentList;
    WorkSpaceLayout *m_workspace = nullptr;
    VyrDeviceManager *m_deviceManager = nullptr;
    VyrSystemManager *m_systemManager = nullptr;
    QAction *m_refreshAction = nullptr;
    QAction *m_libVersionAction = nullptr;
    AppSettings *m_settings = nullptr;
    // The settings dialog and its pages belong to the program, which may delete them
    // at any time after the dialog closed: they are watched, never assumed alive.
    QPointer<QTreeWidget> m_settingsTree;
    QPointer<QStackedWidget> m_settingsPages;
    QTreeWidgetItem *m_reportsItem = nullptr;
    QTreeWidgetItem *m_eventItem = nullptr;
    QTreeWidgetItem *m_regDumpItem = nullptr;
    QPointer<QWidget> m_reportsPage;
    QPointer<QWidget> m_eventPage;
    // Until a stored value is read, reports go into the configuration report.
    quint32 m_reportsWord = 1;
    quint32 m_eventHandlingWord = 0;
    // The boxes of the pages, in the order of driverBridgeSettingsBoxes.
    std::array<QPointer<QCheckBox>, DriverBridgeSettingsBoxCount> m_boxes;
    QStringList m_dumpFileList;
    QTreeWidgetItem *m_rootSettingsItem = nullptr;
};
