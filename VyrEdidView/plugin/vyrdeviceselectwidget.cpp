#include "vyrdeviceselectwidget.h"

#include "plugin/vyrdeviceselecttree.h"
#include "vyradapteritem.h"
#include "vyrbranchitem.h"
#include "vyrdevice.h"
#include "vyrdeviceitem.h"
#include "vyrdevicemanager.h"
#include "vyrdisplayitem.h"
#include "vyrsystemitem.h"
#include "vyrsystemmanager.h"
#include "vyruiservice.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

// The device manager of an item of the class Item; null for an item of another class.
template <typename Item> VyrDeviceManager *managerIf(QTreeWidgetItem *item)
{
    auto *typed = dynamic_cast<Item *>(item);
    return typed ? typed->deviceManager() : nullptr;
}

// The device manager an item of the device tree belongs to; null for any other item.
VyrDeviceManager *managerOf(QTreeWidgetItem *item)
{
    switch (item->type()) {
    case VyrSystemItem::Type:
        return managerIf<VyrSystemItem>(item);
    case VyrDeviceItem::Type:
        return managerIf<VyrDeviceItem>(item);
    case VyrAdapterItem::Type:
        return managerIf<VyrAdapterItem>(item);
    case VyrDisplayItem::Type:
        return managerIf<VyrDisplayItem>(item);
    case VyrBranchItem::Type:
        return managerIf<VyrBranchItem>(item);
    default:
        return nullptr;
    }
}

// The model object an item stands for, as the record that names it alone; an empty record for
// a system item or an item without one. Reads the item's own fields only.
VyrDeviceSelection pickOf(QTreeWidgetItem *item)
{
    switch (item->type()) {
    case VyrDeviceItem::Type:
        if (auto *device = dynamic_cast<VyrDeviceItem *>(item))
            return VyrDeviceSelection{device->device(), nullptr, nullptr, nullptr};
        break;
    case VyrAdapterItem::Type:
        if (auto *adapter = dynamic_cast<VyrAdapterItem *>(item))
            return VyrDeviceSelection{nullptr, adapter->adapter(), nullptr, nullptr};
        break;
    case VyrDisplayItem::Type:
        if (auto *display = dynamic_cast<VyrDisplayItem *>(item))
            return VyrDeviceSelection{nullptr, nullptr, display->display(), nullptr};
        break;
    case VyrBranchItem::Type:
        if (auto *branch = dynamic_cast<VyrBranchItem *>(item))
            return VyrDeviceSelection{nullptr, nullptr, nullptr, branch->branch()};
        break;
    default:
        break;
    }
    return VyrDeviceSelection();
}

bool samePick(const VyrDeviceSelection &one, const VyrDeviceSelection &other)
{
    return one.device == other.device && one.adapter == other.adapter
           && one.display == other.display && one.branch == other.branch;
}

// Makes the item's object the only entry of the record; an item without one (or a system
// item) leaves the record as it is.
void writeSelection(QTreeWidgetItem *item, VyrDeviceSelection &record)
{
    const VyrDeviceSelection pick = pickOf(item);
    if (!samePick(pick, VyrDeviceSelection()))
        record = pick;
}

// Each set entry of source, in the order device, adapter, display, branch, replaces the
// whole target record with that entry alone.
void copySelection(const VyrDeviceSelection &source, VyrDeviceSelection &target)
{
    if (source.device)
        target = VyrDeviceSelection{source.device, nullptr, nullptr, nullptr};
    if (source.adapter)
        target = VyrDeviceSelection{nullptr, source.adapter, nullptr, nullptr};
    if (source.display)
        target = VyrDeviceSelection{nullptr, nullptr, source.display, nullptr};
    if (source.branch)
        target = VyrDeviceSelection{nullptr, nullptr, nullptr, source.branch};
}

} // namespace

VyrDeviceSelectWidget::VyrDeviceSelectWidget(unsigned int viewOption, QWidget *parent)
    : QWidget(parent)
    , m_viewOption(static_cast<quint8>(viewOption & 0xFFu))
{
    m_desktopView = new QRadioButton(tr("Desktop View"), this);
    m_deviceView = new QRadioButton(tr("Device View"), this);
    m_tree = new VyrDeviceSelectTree(m_viewOption);

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            &VyrDeviceSelectWidget::onCurrentItemChanged);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this,
            &VyrDeviceSelectWidget::onItemSelectionChanged);
    connect(m_deviceView, &QRadioButton::toggled, this, &VyrDeviceSelectWidget::onDeviceViewSelect);

    m_refreshButton = new QToolButton(this);
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    row->addWidget(m_deviceView);
    row->addWidget(m_desktopView);
    row->addStretch(1);
    row->addWidget(m_refreshButton);
    layout->addLayout(row);
    layout->addWidget(m_tree);

    showRadioButtons();

    m_refreshButton->setToolTip(QStringLiteral("Refresh Configuration"));
    m_refreshButton->setIcon(QIcon(QStringLiteral(":/icons/Images/refreshinfo.png")));
    connect(m_refreshButton, &QToolButton::clicked, this,
            &VyrDeviceSelectWidget::onUpdateConfiguration);

    // The tree owns the actions; they make its context menu in the order added.
    m_installDriver = new QAction(tr("Install Device Driver"), m_tree);
    m_stopDevice = new QAction(tr("Stop Device"), m_tree);
    m_startDevice = new QAction(tr("Start Device"), m_tree);
    m_restartDevice = new QAction(tr("Restart Device"), m_tree);
    m_connectSystem = new QAction(tr("Connect to System"), m_tree);
    m_connectAndroid = new QAction(tr("Connect to Android System"), m_tree);
    m_loadConfig = new QAction(tr("Load Configuration"), m_tree);
    m_refreshConfig = new QAction(tr("Refresh Configuration"), m_tree);
    m_removeSystem = new QAction(tr("Remove System"), m_tree);
    m_saveConfig = new QAction(tr("Save Configuration"), m_tree);
    m_tree->addActions({m_connectSystem, m_connectAndroid, m_loadConfig, m_saveConfig,
                        m_refreshConfig, m_removeSystem, m_installDriver, m_stopDevice,
                        m_startDevice, m_restartDevice});
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            &VyrDeviceSelectWidget::showContextMenu);

    // What the menu offers always follows the option bits and the selection (with nothing
    // selected yet: nothing).
    onItemSelectionChanged();

    connect(m_loadConfig, &QAction::triggered, this, &VyrDeviceSelectWidget::onOpenConfig);
    connect(m_saveConfig, &QAction::triggered, this, &VyrDeviceSelectWidget::onConfigSave);
    connect(m_refreshConfig, &QAction::triggered, this, &VyrDeviceSelectWidget::onConfigRefresh);
    connect(m_removeSystem, &QAction::triggered, this, &VyrDeviceSelectWidget::onConfigClose);
    connect(m_installDriver, &QAction::triggered, this,
            &VyrDeviceSelectWidget::onInstallDriverAction);
    connect(m_startDevice, &QAction::triggered, this, &VyrDeviceSelectWidget::onStartDeviceAction);
    connect(m_stopDevice, &QAction::triggered, this, &VyrDeviceSelectWidget::onStopDeviceAction);
    connect(m_restartDevice, &QAction::triggered, this,
            &VyrDeviceSelectWidget::onRestartDeviceAction);
}

VyrDeviceSelectWidget::~VyrDeviceSelectWidget()
{
    // Clearing the dying tree must not reach this half-destroyed widget.
    m_tree->disconnect(this);
    m_tree->setParent(nullptr);
    delete m_tree;
}

QList<QAction *> VyrDeviceSelectWidget::contextActions() const
{
    return m_tree->actions();
}

QList<QAction *> VyrDeviceSelectWidget::visibleContextActions() const
{
    QList<QAction *> visible;
    for (QAction *action : m_tree->actions()) {
        if (action->isVisible())
            visible << action;
    }
    return visible;
}

void VyrDeviceSelectWidget::showContextMenu(const QPoint &position)
{
    const QList<QAction *> actions = visibleContextActions();
    if (actions.isEmpty())
        return;
    QMenu::exec(actions, m_tree->viewport()->mapToGlobal(position), nullptr, m_tree);
}

void VyrDeviceSelectWidget::showRadioButtons()
{
    // Checking one button of the exclusive pair unchecks the other.
    if (m_viewOption & VyrDeviceViewOption::DesktopView)
        m_desktopView->setChecked(true);
    else
        m_deviceView->setChecked(true);
    const bool hidden =
        m_viewOption & (VyrDeviceViewOption::NoDeviceChildren | VyrDeviceViewOption::NoDisplays);
    m_desktopView->setHidden(hidden);
    m_deviceView->setHidden(hidden);
}

void VyrDeviceSelectWidget::SetSystemManager(VyrSystemManager *systemManager)
{
    if (systemManager == m_systemManager)
        return;
    m_systemManager = systemManager;
    m_tree->SetSystemManager(systemManager);
    m_tree->SetViewOption(m_viewOption);
    if (!systemManager)
        return;
    connect(systemManager, &VyrSystemManager::deviceManagerListChanged, this,
            &VyrDeviceSelectWidget::onConfigurationChanged, Qt::UniqueConnection);
    connectDeviceManagers();
}

void VyrDeviceSelectWidget::connectDeviceManagers()
{
    // Every listed manager, not only the local one: the items of a manager that rebuilds
    // point into its old model until the tree is built again.
    for (VyrDeviceManager *manager : m_systemManager->deviceManagers()) {
        connect(manager, &VyrDeviceManager::configurationChangedSignal, this,
                &VyrDeviceSelectWidget::onConfigurationChanged, Qt::UniqueConnection);
    }
}

void VyrDeviceSelectWidget::SetViewOption(unsigned int viewOption)
{
    const auto option = static_cast<quint8>(viewOption & 0xFFu);
    // The same option changes nothing, and nothing is read from the items: they may point
    // into a model that has just been rebuilt and wait for their own rebuild.
    if (option == m_viewOption)
        return;
    m_viewOption = option;
    rebuildKeepingPick();
    showRadioButtons();
    onItemSelectionChanged();
}

void VyrDeviceSelectWidget::UpdateDeviceView()
{
    m_tree->UpdateDeviceView();
    SetInitialSelection();
}

void VyrDeviceSelectWidget::SetInitialSelection()
{
    if (m_tree->topLevelItemCount() > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
}

void VyrDeviceSelectWidget::onConfigurationChanged()
{
    if (m_systemManager)
        connectDeviceManagers();
    UpdateDeviceView();
}

void VyrDeviceSelectWidget::onUpdateConfiguration()
{
    if (m_systemManager && m_systemManager->localDeviceManager())
        m_systemManager->localDeviceManager()->Refresh(false);
}

void VyrDeviceSelectWidget::onCurrentItemChanged(QTreeWidgetItem *current,
                                                 QTreeWidgetItem *previous)
{
    VyrDeviceManager *manager = m_systemManager && current ? managerOf(current) : nullptr;
    if (manager) {
        writeSelection(current, manager->selection());
        if (manager != m_systemManager->GetSelectedDeviceManager())
            m_systemManager->SelectDeviceManager(manager);
        // A manager the system does not list leaves no manager selected.
        if (VyrDeviceManager *selected = m_systemManager->GetSelectedDeviceManager())
            copySelection(VyrDeviceSelection(manager->selection()), selected->selection());
    }
    emit currentItemChanged(current, previous);
}

void VyrDeviceSelectWidget::onItemSelectionChanged()
{
    for (QAction *action : m_tree->actions())
        action->setVisible(false);
    const QList<QTreeWidgetItem *> selected = m_tree->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *item = selected.first();
    const bool deviceActions = m_viewOption & VyrDeviceViewOption::DeviceActions;
    const bool systemActions = m_viewOption & VyrDeviceViewOption::SystemActions;
    const bool installAction = m_viewOption & VyrDeviceViewOption::InstallAction;
    if (item->type() == VyrDeviceItem::Type) {
        m_installDriver->setVisible(installAction);
        auto *deviceItem = dynamic_cast<VyrDeviceItem *>(item);
        VyrDevice *device = deviceItem ? deviceItem->device() : nullptr;
        if (!device)
            return;
        // A running device can be stopped or restarted, a stopped one started.
        m_startDevice->setVisible(deviceActions && !device->enabled());
        m_stopDevice->setVisible(deviceActions && device->enabled());
        m_restartDevice->setVisible(deviceActions && device->enabled());
        return;
    }
    if (item->type() != VyrSystemItem::Type)
        return;
    auto *systemItem = dynamic_cast<VyrSystemItem *>(item);
    VyrDeviceManager *manager = systemItem ? systemItem->deviceManager() : nullptr;
    if (!manager)
        return;
    switch (manager->kind()) {
    case 0:
        m_installDriver->setVisible(installAction);
        for (QAction *action :
             {m_connectSystem, m_connectAndroid, m_loadConfig, m_saveConfig, m_refreshConfig})
            action->setVisible(systemActions);
        break;
    case 1:
        m_removeSystem->setVisible(systemActions);
        break;
    case 2:
        for (QAction *action : {m_saveConfig, m_refreshConfig, m_removeSystem})
            action->setVisible(systemActions);
        break;
    default:
        break;
    }
}

void VyrDeviceSelectWidget::onDeviceViewSelect(bool state)
{
    if (state)
        m_viewOption = static_cast<quint8>(m_viewOption & ~VyrDeviceViewOption::DesktopView);
    else
        m_viewOption = static_cast<quint8>(m_viewOption | VyrDeviceViewOption::DesktopView);
    rebuildKeepingPick();
}

void VyrDeviceSelectWidget::rebuildKeepingPick()
{
    if (m_tree->viewOption() == m_viewOption)
        return;
    QTreeWidgetItem *current = m_tree->currentItem();
    VyrDeviceManager *manager = m_systemManager && current ? managerOf(current) : nullptr;
    const int type = current ? current->type() : 0;
    const VyrDeviceSelection pick = current ? pickOf(current) : VyrDeviceSelection();
    // Only a pick the model still holds is looked for: its manager is listed and, below the
    // system item, names the object in its record. A rebuild of the model clears that record,
    // so the items of a model that is gone are never matched by their old addresses.
    const bool held = manager && m_systemManager->deviceManagers().contains(manager)
                      && (type == VyrSystemItem::Type || samePick(manager->selection(), pick));

    // Clearing the tree makes nothing current, which is reported.
    m_tree->SetViewOption(m_viewOption);
    if (!held)
        return;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->type() == type && managerOf(*it) == manager && samePick(pickOf(*it), pick)) {
            m_tree->setCurrentItem(*it);
            return;
        }
    }
    // Not in this layout (an adapter in the Device View, a branch or a display off the
    // desktop in the Desktop View): nothing is current, and nothing is picked either.
    manager->selection() = VyrDeviceSelection();
}

void VyrDeviceSelectWidget::onInstallDriverAction()
{
    if (!m_systemManager)
        return;
    QString fileName = VyrUiService::instance()->openFileName(
        tr("Install Driver"), QCoreApplication::applicationDirPath(), tr("Driver Files(*.inf)"));
    if (!fileName.isEmpty())
        m_systemManager->InstallDeviceDriver(fileName);
}

void VyrDeviceSelectWidget::startStopCurrentDevice(int option)
{
    QTreeWidgetItem *current = m_tree->currentItem();
    if (!current || current->type() != VyrDeviceItem::Type)
        return;
    auto *deviceItem = dynamic_cast<VyrDeviceItem *>(current);
    if (deviceItem && deviceItem->device())
        deviceItem->device()->StartStopDevice(static_cast<DeviceStartStopOption>(option));
}

void VyrDeviceSelectWidget::onStartDeviceAction()
{
    startStopCurrentDevice(DeviceStart);
}

void VyrDeviceSelectWidget::onStopDeviceAction()
{
    startStopCurrentDevice(DeviceStop);
}

void VyrDeviceSelectWidget::onRestartDeviceAction()
{
    startStopCurrentDevice(DeviceRestart);
}

void VyrDeviceSelectWidget::onOpenConfig()
{}

void VyrDeviceSelectWidget::onConfigSave()
{}

void VyrDeviceSelectWidget::onConfigRefresh()
{
    QTreeWidgetItem *current = m_tree->currentItem();
    if (!current || current->type() != VyrSystemItem::Type)
        return;
    auto *systemItem = dynamic_cast<VyrSystemItem *>(current);
    if (!systemItem || !systemItem->deviceManager())
        return;
    // A rebuild of the model rebuilds the tree before Refresh returns: what is current
    // afterwards is an item of the new tree.
    systemItem->deviceManager()->Refresh(false);
    emit refreshConfigSignal(m_tree->currentItem());
}

void VyrDeviceSelectWidget::onConfigClose()
{
    QTreeWidgetItem *current = m_tree->currentItem();
    if (!m_systemManager || !current || current->type() != VyrSystemItem::Type)
        return;
    auto *systemItem = dynamic_cast<VyrSystemItem *>(current);
    if (!systemItem)
        return;
    const int index = m_systemManager->GetDeviceManagerIndex(systemItem->deviceManager());
    if (index >= 0)
        m_systemManager->RemoveDeviceManagerByIndex(index);
}
