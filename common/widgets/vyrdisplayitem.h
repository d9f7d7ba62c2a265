#pragma once

#include <QTreeWidgetItem>

class VyrDevice;
class VyrDeviceManager;
class VyrDisplay;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Device-tree item of one display: its device manager, its graphics device, then the
// display (may be null). The item owns nothing.
class VyrDisplayItem : public QTreeWidgetItem
{
public:
    enum { Type = 1003 };

    VyrDisplayItem(VyrDeviceManager *deviceManager, VyrDevice *device, VyrDisplay *display);
    ~VyrDisplayItem() override;

    VyrDeviceManager *deviceManager() const { return m_deviceManager; }
    VyrDevice *device() const { return m_device; }
    VyrDisplay *display() const { return m_display; }

private:
    VyrDeviceManager *m_deviceManager = nullptr;
    VyrDevice *m_device = nullptr;
    VyrDisplay *m_display = nullptr;
};
