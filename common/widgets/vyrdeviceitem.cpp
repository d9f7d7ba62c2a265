#include "vyrdeviceitem.h"

VyrDeviceItem::VyrDeviceItem(VyrDevice *device, VyrDeviceManager *deviceManager)
    : QTreeWidgetItem(Type)
    , m_device(device)
    , m_deviceManager(deviceManager)
{}

VyrDeviceItem::~VyrDeviceItem() = default;
