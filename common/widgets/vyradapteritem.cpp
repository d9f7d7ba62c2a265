#include "vyradapteritem.h"

#include "adapter.h"
#include "vyrdevicetreeicons.h"

#include <QIcon>

VyrAdapterItem::VyrAdapterItem(VyrDeviceManager *deviceManager, VyrDevice *device, Adapter *adapter)
    : QTreeWidgetItem(Type)
    , m_deviceManager(deviceManager)
    , m_device(device)
    , m_adapter(adapter)
{
    if (!m_adapter)
        return;
    setText(0, m_adapter->adapterInfo().DisplayName);
    setIcon(0, QIcon(VyrDeviceTreeIcons::adapter()));
}

VyrAdapterItem::~VyrAdapterItem() = default;
