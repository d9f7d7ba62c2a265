#include "vyrsystemitem.h"

VyrSystemItem::VyrSystemItem(VyrDeviceManager *deviceManager)
    : QTreeWidgetItem(Type)
    , m_deviceManager(deviceManager)
{}

VyrSystemItem::~VyrSystemItem() = default;
