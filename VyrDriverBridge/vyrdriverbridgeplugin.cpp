#include "vyrdriverbridgeplugin.h"

#include "display.h"
#include "mstdevicedata.h"
#include "selectionchangeevent.h"
#include "updatedataevent.h"
#include "vyradapteritem.h"
#include "vyrbaselogger.h"
#include "vyrbranchitem.h"
#include "vyrdeviceitem.h"
#include "vyrdevicemanager.h"
#include "vyrdisplayitem.h"
#include "vyrsystemmanager.h"

#include <QAction>
#include <QCoreApplication>
#include <QDebug>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QTreeWidgetItem>

#include <cstring>

VyrDriverBridgePlugIn::VyrDriverBridgePlugIn() = default;

VyrDriverBridgePlugIn::~VyrDriverBridgePlugIn()
{
    // The pages own their boxes and layouts.
    for (const QPointer<QWidget> &page : {m_eventPage, m_reportsPage}) {
        if (!page)
            continue;
        if (m_settingsPages)
            m_settingsPages->removeWidget(page);
        delete page.data();
    }
    if (m_settingsTree && m_rootSettingsItem) {
        const int index = m_settingsTree->indexOfTopLevelItem(m_rootSettingsItem);
        if (index >= 0)
            delete m_settingsTree->takeTopLevelItem(index);
    }
    m_rootSettingsItem = nullptr;
}

QStringList VyrDriverBridgePlugIn::pluginInfo() const
{
    return {tr("VYR Driver Bridge Plug-In"), tr("Ver. 1.0"), tr("driverbridge.doNetGetConfig"),
            tr("driverbridge.doNetGetDbgLog"), tr("driverbridge.doNetRefreshDevices")};
}

void VyrDriverBridgePlugIn::setAppLogger(AppLoggerInfo loggerInfo)
{
    m_loggerInfo = loggerInfo;
}

bool VyrDriverBridgePlugIn::isFunctionSupported(VyrDriverFnSupported function)
{
    return static_cast<int>(function) <= 0;
}

SupportedFileTypes VyrDriverBridgePlugIn::fileNameExtensions() const
{
    SupportedFileTypes types;
    types.names << tr("Device Manager");
    types.options << FileOpenSaveOption(tr("Device Config File (*.xml)"), true, true);
    return types;
}

void VyrDriverBridgePlugIn::printLog(AppLogType type, const QString &text) const
{
    if (m_loggerInfo.logger)
        m_loggerInfo.logger->PrintLog(type, tr("VyrDriverBridgePlugIn: ") + text);
}

void VyrDriverBridgePlugIn::initPlugin(WorkSpaceLayout *layout)
{
    printLog(AppLogPerformance, tr("Plugin Init Start"));
    m_workspace = layout;
    // The device model lives until the process ends; it logs through this plug-in's
    // logger record, so the log components set later reach it at once.
    m_deviceManager = new VyrDeviceManager(&m_loggerInfo);
    if (!m_systemManager)
        m_systemManager = new VyrSystemManager(&m_loggerInfo);
    m_systemManager->AddDeviceManager(m_deviceManager);

    // The program's main window is known by its signals only.
    if (layout && layout->mainWindow) {
        QObject *window = layout->mainWindow;
        connect(window, SIGNAL(Signal_DisplayModeChanged()), this, SLOT(onDisplayModeChanged()));
        connect(window, SIGNAL(Signal_DeviceConfigChanged()), this, SLOT(onDeviceConfigChanged()));
        connect(window, SIGNAL(Signal_DeviceNodesChanged()), this, SLOT(onDeviceNodeChanged()));
    }

    addActions();
    addMenu(layout ? layout->menuBar : nullptr);
    addToolBar();
    printLog(AppLogPerformance, tr("Plugin Init end"));
}

void VyrDriverBridgePlugIn::addActions()
{
    m_refreshAction = new QAction(QIcon(QStringLiteral(":/icons/Images/refreshinfo.png")),
                                  tr("&Refresh Configuration"), this);
    connect(m_refreshAction, &QAction::triggered, this, &VyrDriverBridgePlugIn::updateData);
    m_libVersionAction = new QAction(QIcon(QStringLiteral(":/icons/Images/libver.png")),
                                     tr("&Lib Version Info"), this);
    connect(m_libVersionAction, &QAction::triggered, this,
            &VyrDriverBridgePlugIn::onGetDriverLibVersions);

    // Both actions are reached from the program's plug-in menu.
    if (m_workspace && m_workspace->pluginMenu) {
        QMenu *menu = m_workspace->pluginMenu->addMenu(tr("Driver Bridge"));
        menu->addAction(m_refreshAction);
        menu->addAction(m_libVersionAction);
    }
}

void VyrDriverBridgePlugIn::addMenu(QMenuBar *menuBar)
{
    Q_UNUSED(menuBar)
}

void VyrDriverBridgePlugIn::addToolBar()
{}

void VyrDriverBridgePlugIn::sendToMainWindow(QEvent *event)
{
    if (m_workspace && m_workspace->mainWindow)
        QCoreApplication::sendEvent(m_workspace->mainWindow, event);
}

void VyrDriverBridgePlugIn::updateData()
{
    if (!m_deviceManager)
        return;
    m_deviceManager->Refresh(false);
    UpdateDataEvent event;
    sendToMainWindow(&event);
}

void VyrDriverBridgePlugIn::updateSelected(QTreeWidgetItem *item)
{
    if (!item || !m_deviceManager)
        return;
    VyrDeviceSelection &selection = m_deviceManager->selection();
    selection = VyrDeviceSelection();
    // The type tells the item class; the cast guards against a plain item of that type.
    switch (item->type()) {
    case VyrDeviceItem::Type:
        if (const auto *deviceItem = dynamic_cast<VyrDeviceItem *>(item))
            selection.device = deviceItem->device();
        break;
    case VyrAdapterItem::Type:
        if (const auto *adapterItem = dynamic_cast<VyrAdapterItem *>(item))
            selection.adapter = adapterItem->adapter();
        break;
    case VyrDisplayItem::Type:
        if (const auto *displayItem = dynamic_cast<VyrDisplayItem *>(item))
            selection.display = displayItem->display();
        break;
    case VyrBranchItem::Type:
        if (const auto *branchItem = dynamic_cast<VyrBranchItem *>(item))
            selection.branch = branchItem->branch();
        break;
    default:
        // A system item, or anything else, selects nothing.
        break;
    }
    SelectionChangeEvent event;
    sendToMainWindow(&event);
}

void VyrDriverBridgePlugIn::refreshOnEvent(int bit)
{
    if (!m_deviceManager)
        return;
    if (m_eventHandlingWord & (1u << bit))
        m_deviceManager->Refresh(false);
    qDebug() << "Got Mode Change Event";
}

void VyrDriverBridgePlugIn::onDisplayModeChanged()
{
    refreshOnEvent(0);
}

void VyrDriverBridgePlugIn::onDeviceConfigChanged()
{
    refreshOnEvent(1);
}

void VyrDriverBridgePlugIn::onDeviceNodeChanged()
{
    refreshOnEvent(2);
}

bool VyrDriverBridgePlugIn::isChildMstDevice(VyrDisplayItem *first, VyrDisplayItem *second,
                                             unsigned int length) const
{
    if (length == 0)
        return true;
    const VyrDisplay *a = first ? first->display() : nullptr;
    const VyrDisplay *b = second ? second->display() : nullptr;
    if (!a || !b || !a->isMst() || !b->isMst() || !a->mst() || !b->mst())
        return false;
    // A relative address has 16 bytes; a longer length compares all of them.
    const size_t count = qMin<size_t>(length, sizeof(MSTDeviceData::rad));
    return std::memcmp(a->mst()->rad, b->mst()->rad, count) == 0;
}
