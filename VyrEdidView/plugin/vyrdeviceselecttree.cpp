#include "vyrdeviceselecttree.h"

#include "adapter.h"
#include "display.h"
#include "vyradapteritem.h"
#include "vyrbranchitem.h"
#include "vyrdevice.h"
#include "vyrdeviceitem.h"
#include "vyrdevicemanager.h"
#include "vyrdisplayitem.h"
#include "vyrsystemitem.h"
#include "vyrsystemmanager.h"

VyrDeviceSelectTree::VyrDeviceSelectTree(unsigned int viewOption)
    : QTreeWidget(nullptr)
    , m_viewOption(viewOption)
{
    setIconSize(QSize(24, 24));
    // The header names the layout from the start.
    UpdateDeviceView();
}

void VyrDeviceSelectTree::SetSystemManager(VyrSystemManager *systemManager)
{
    m_systemManager = systemManager;
    UpdateDeviceView();
}

void VyrDeviceSelectTree::SetViewOption(unsigned int viewOption)
{
    if (viewOption == m_viewOption)
        return;
    m_viewOption = viewOption;
    UpdateDeviceView();
}

void VyrDeviceSelectTree::UpdateDeviceView()
{
    clear();
    setHeaderLabels({(m_viewOption & VyrDeviceViewOption::DesktopView) ? tr("Desktop View")
                                                                       : tr("Device View")});
    if (!m_systemManager)
        return;
    for (int index = 0; index < m_systemManager->count(); ++index) {
        VyrDeviceManager *manager = m_systemManager->GetDeviceManager(index);
        if (!manager)
            continue;
        auto *systemItem = new VyrSystemItem(manager);
        for (VyrDevice *device : manager->devices()) {
            auto *deviceItem = new VyrDeviceItem(device, manager);
            addDeviceChildren(deviceItem, manager, device);
            systemItem->addChild(deviceItem);
        }
        addTopLevelItem(systemItem);
    }
    expandAll();
}

QTreeWidgetItem *VyrDeviceSelectTree::displayItem(VyrDeviceManager *manager, VyrDevice *device,
                                                  VyrDisplay *display)
{
    auto *item = new VyrDisplayItem(manager, device, display);
    item->Update();
    return item;
}

void VyrDeviceSelectTree::addDeviceChildren(QTreeWidgetItem *deviceItem, VyrDeviceManager *manager,
                                            VyrDevice *device) const
{
    if (m_viewOption & VyrDeviceViewOption::NoDeviceChildren)
        return;
    const bool displays = !(m_viewOption & VyrDeviceViewOption::NoDisplays);
    if (!(m_viewOption & VyrDeviceViewOption::DesktopView)) {
        if (displays) {
            for (VyrDisplay *display : device->GetEnabledDisplaysList())
                deviceItem->addChild(displayItem(manager, device, display));
            for (VyrDisplay *display : device->GetNotEnabledDisplaysList())
                deviceItem->addChild(displayItem(manager, device, display));
        }
        if (!(m_viewOption & VyrDeviceViewOption::NoBranches)) {
            for (VyrBranch *branch : device->branches())
                deviceItem->addChild(new VyrBranchItem(manager, device, branch));
        }
        return;
    }
    if (displays) {
        for (VyrDisplay *display : device->GetNotEnabledDisplaysList())
            deviceItem->addChild(displayItem(manager, device, display));
    }
    for (Adapter *adapter : device->GetActiveAdapterList()) {
        auto *adapterItem = new VyrAdapterItem(manager, device, adapter);
        if (displays) {
            // The driver is asked now: a display it no longer reports enabled is left out.
            for (VyrDisplay *display : adapter->enabledDisplays()) {
                if (display->IsEnabled())
                    adapterItem->addChild(displayItem(manager, device, display));
            }
        }
        deviceItem->addChild(adapterItem);
    }
}
