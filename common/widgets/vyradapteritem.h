#pragma once

#include <QTreeWidgetItem>

class Adapter;
class VyrDevice;
class VyrDeviceManager;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Device-tree item of one adapter: its device manager, its graphics device, then the
// adapter (may be null). The item owns nothing. It shows the display name of the
// adapter's information record with an adapter icon.
class VyrAdapterItem : public QTreeWidgetItem
{
public:
    enum { Type = 1002 };

    VyrAdapterItem(VyrDeviceManager *deviceManager, VyrDevice *device, Adapter *adapter);
    ~VyrAdapterItem() override;

    VyrDeviceManager *deviceManager() const { return m_deviceManager; }
    VyrDevice *device() const { return m_device; }
    Adapter *adapter() const { return m_adapter; }

private:
    VyrDeviceManager *m_deviceManager = nullptr;
    VyrDevice *m_device = nullptr;
    Adapter *m_adapter = nullptr;
};
