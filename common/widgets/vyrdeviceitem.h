#pragma once

#include <QCoreApplication>
#include <QTreeWidgetItem>

class VyrDevice;
class VyrDeviceManager;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Device-tree item of one graphics device: the device (may be null), then its device
// manager. The item owns nothing. It shows "<adapter name> on PCI_BUS <bus>" with a device
// icon, on white, or on red while the device is disabled.
class VyrDeviceItem : public QTreeWidgetItem
{
    Q_DECLARE_TR_FUNCTIONS(VyrDeviceItem)

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
