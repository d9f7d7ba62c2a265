#include "vyrdisplayitem.h"

VyrDisplayItem::VyrDisplayItem(VyrDeviceManager *deviceManager, VyrDevice *device,
                               VyrDisplay *display)
    : QTreeWidgetItem(Type)
    , m_deviceManager(deviceManager)
    , m_device(device)
    , m_display(display)
{}

VyrDisplayItem::~VyrDisplayItem() = default;
