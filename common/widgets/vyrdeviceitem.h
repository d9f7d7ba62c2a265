#pragma once

#include <QTreeWidgetItem>

class VyrDevice;
class VyrDeviceManager;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Device-tree item of one graphics device: the device (may be null), then its device
// manager. The item owns nothing.
class VyrDeviceItem : public QTreeWidgetItem
{
public:
    enum { Type = 1001 };

    VyrDeviceItem(VyrDevice *device, VyrDeviceManager *deviceManager);
    ~VyrDeviceItem() override;

    VyrDevice *device() const { return m_device; }
    VyrDeviceManager *deviceManager() const { return m_deviceManager; }

private:
    VyrDevice *m_device = nullptr;
    VyrDeviceManager *m_deviceManager = nullptr;
};
