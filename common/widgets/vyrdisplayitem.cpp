#include "vyrdisplayitem.h"

#include "display.h"
#include "vyrdevicetreeicons.h"

#include <QIcon>

VyrDisplayItem::VyrDisplayItem(VyrDeviceManager *deviceManager, VyrDevice *device,
                               VyrDisplay *display)
    : QTreeWidgetItem(Type)
    , m_deviceManager(deviceManager)
    , m_device(device)
    , m_display(display)
{}

VyrDisplayItem::~VyrDisplayItem() = default;

void VyrDisplayItem::Update()
{
    if (!m_display)
        return;
    const VyrDisplayInfo &info = m_display->info();
    setText(0, tr("%1 (%2)").arg(info.DisplayName).arg(info.displayID.iDisplayLogicalIndex));
    setIcon(0, QIcon(VyrDeviceTreeIcons::display(m_display->signalType(), m_display->IsEnabled())));
}
