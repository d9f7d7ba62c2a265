#include "vyrdeviceitem.h"

#include "vyrdevice.h"
#include "vyrdevicetreeicons.h"

#include <QColor>
#include <QIcon>

VyrDeviceItem::VyrDeviceItem(VyrDevice *device, VyrDeviceManager *deviceManager)
    : QTreeWidgetItem(Type)
    , m_device(device)
    , m_deviceManager(deviceManager)
{
    if (!m_device)
        return;
    const VyrDeviceInfo &info = m_device->info();
    setText(0, tr("%1 on PCI_BUS %2").arg(info.name).arg(info.busNumber));
    setData(0, Qt::BackgroundRole, m_device->enabled() ? QColor(Qt::white) : QColor(Qt::red));
    setIcon(0, QIcon(VyrDeviceTreeIcons::device()));
}

VyrDeviceItem::~VyrDeviceItem() = default;
