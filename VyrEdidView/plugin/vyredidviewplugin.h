#pragma once

#include "apploggerinfo.h"
#include "applogtype.h"
#include "fwdevicemanagerimportinterface.h"
#include "fwfileinterface.h"
#include "fwinterface.h"
#include "plugincomponentinfo.h"
#include "supportedfiletypes.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class EdidLoadSaveForm;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QWidget;
class VyrDeviceManager;
class VyrEdidViewForm;

// The EDID view plug-in: puts a three-step workspace into the program's page stack --
// load an EDID image from a display of the device model, view and edit it in the EDID
// tree beside its hex view, save it -- with a title line naming the page and a navigation
// bar whose buttons name the page they lead to. The action "View EDID" (also in the menu
// "Display EDID Tool") brings the workspace to the front. Every rebuild of the device
// model returns the workspace to the load page.
class VyrEdidViewPlugIn : public QObject,
                          public FwInterface,
                          public FwFileInterface,
                          public FwDeviceManagerImportInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "VyrEdidViewPlugIn")
    Q_INTERFACES(FwInterface FwFileInterface FwDeviceManagerImportInterface)

public:
    enum Page { LoadPage = 0, ViewPage = 1, SavePage = 2 };

    explicit VyrEdidViewPlugIn(QObject *parent = nullptr);
    ~VyrEdidViewPlugIn() override;

    VyrEdidViewPlugIn(const VyrEdidViewPlugIn &) = delete;
    VyrEdidViewPlugIn &operator=(const VyrEdidViewPlugIn &) = delete;

    // ---- the three interfaces ----------------------------------------------------------
    qint32 GetInterfaceVersion() override { return VyrPluginInterfaceVersion; }

    // ---- FwInterface --------------------------------------------------------------------
    // Adds the action, the menu and the workspace (when the layout has a page stack).
    void initPlugin(WorkSpaceLayout *layout) override;
    quint32 getPriority() const override { return 3; }
    QStringList pluginInfo() const override;
    void setAppLogger(AppLoggerInfo loggerInfo) override;
    QList<PluginComponentInfo> getComponentInfoList() override { return m_componentList; }

    // ---- FwFileInterface ----------------------------------------------------------------
    void fileOpen(QString fileName) override;
    // The program never asks for it; nothing is saved.
    bool fileSave() override;
    bool fileSaveAs() override;
    void print() override;
    SupportedFileTypes fileNameExtensions() const override;

    // ---- FwDeviceManagerImportInterface -------------------------------------------------
    // Shows the model in both forms and returns to the load page whenever it is rebuilt.
    // Null (no device plug-in): no connection, empty device trees.
    void setSystemManager(VyrSystemManager *systemManager) override;
    void onDeviceSelected() override;
    void onUpdateDeviceData() override;

    // ---- own operations -----------------------------------------------------------------
    // Logs "VyrEdidViewPlugIn: " + text with the given type while a logger is set.
    void printLog(AppLogType type, const QString &text) const;
    void addActions();
    void addMenu();
    void addToolBar();
    void initWarkspaces();
    // Shows the page of the page index, its title and its buttons.
    void switchToPage();
    void updateNavigationButtons();

    // ---- state --------------------------------------------------------------------------
    int pageIndex() const { return m_pageIndex; }
    bool displaySelected() const { return m_displaySelected; }
    const AppLoggerInfo &loggerInfo() const { return m_loggerInfo; }
    QAction *viewAction() const { return m_viewAction; }
    QMenu *viewMenu() const { return m_viewMenu; }
    QWidget *workspace() const;
    EdidLoadSaveForm *loadForm() const { return m_loadForm; }
    EdidLoadSaveForm *saveForm() const { return m_saveForm; }
    VyrEdidViewForm *viewForm() const { return m_viewForm; }
    QStackedWidget *pageStack() const { return m_pageStack; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QPushButton *startOverButton() const { return m_startOver; }
    QPushButton *prevButton() const { return m_prev; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *doneButton() const { return m_done; }
    VyrDeviceManager *deviceManager() const { return m_deviceManager; }
    VyrSystemManager *systemManager() const { return m_systemManager; }

public slots:
    void onNavigateToSelf();
    void onConfigurationChanged();
    void onDisplaySelected(bool selected);
    void onStartOver();
    void onPrev();
    void onNext();
    void onFinish();

private:
    void enterViewPage();
    // Says in the status bar and the log how many blocks the EDID announces and how many the
    // image keeps, when it keeps fewer.
    void announceLeftOutBlocks();
    // The workspace went with the program's page stack: every pointer into it is dropped.
    void forgetWorkspace();

    AppLoggerInfo m_loggerInfo;
    QList<PluginComponentInfo> m_componentList;
    WorkSpaceLayout *m_layout = nullptr;
    QMenu *m_viewMenu = nullptr;
    QAction *m_viewAction = nullptr;
    VyrEdidViewForm *m_viewForm = nullptr;
    // The workspace belongs to the program's page stack once it is added: the program may
    // delete it (with the window) before this object goes.
    QPointer<QWidget> m_pageWidget;
    QStackedWidget *m_pageStack = nullptr;
    QPointer<QScrollArea> m_scrollArea;
    EdidLoadSaveForm *m_loadForm = nullptr;
    EdidLoadSaveForm *m_saveForm = nullptr;
    QPushButton *m_startOver = nullptr;
    QPushButton *m_prev = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_done = nullptr;
    QLabel *m_titleLabel = nullptr;
    VyrDeviceManager *m_deviceManager = nullptr;
    VyrSystemManager *m_systemManager = nullptr;
    int m_pageIndex = LoadPage;
    bool m_displaySelected = false;
    // The page shown last: the view page reloads the display's EDID only when entered
    // from the load page.
    int m_shownPage = -1;
};
