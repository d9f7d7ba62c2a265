#include "vyradapteritem.h"

VyrAdapterItem::VyrAdapterItem(VyrDeviceManager *deviceManager, VyrDevice *device, Adapter *adapter)
    : QTreeWidgetItem(Type)
    , m_deviceManager(deviceManager)
    , m_device(device)
    , m_adapter(adapter)
{}

VyrAdapterItem::~VyrAdapterItem() = default;
