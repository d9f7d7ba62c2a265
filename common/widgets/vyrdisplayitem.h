#pragma once

#include <QCoreApplication>
#include <QTreeWidgetItem>

class VyrDevice;
class VyrDeviceManager;
class VyrDisplay;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Device-tree item of one display: its device manager, its graphics device, then the
// display (may be null). The item owns nothing. Update() gives it its text and icon.
class VyrDisplayItem : public QTreeWidgetItem
{
    Q_DECLARE_TR_FUNCTIONS(VyrDisplayItem)

public:
    enum { Type = 1003 };

    VyrDisplayItem(VyrDeviceManager *deviceManager, VyrDevice *device, VyrDisplay *display);
    ~VyrDisplayItem() override;

    // Shows "<display name> (<logical index>)" and the icon of the display's signal type,
    // greyed when the driver reports the display not enabled (it is asked now). Nothing
    // without a display.
    void Update();

    VyrDeviceManager *deviceManager() const { return m_deviceManager; }
    VyrDevice *device() const { return m_device; }
    VyrDisplay *display() const { return m_display; }

private:
    VyrDeviceManager *m_deviceManager = nullptr;
    VyrDevice *m_device = nullptr;
    VyrDisplay *m_display = nullptr;
};
