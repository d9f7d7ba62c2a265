#pragma once

#include <QTreeWidgetItem>

class VyrDeviceManager;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Device-tree item of one system: the device manager it shows. Whoever shows a device
// tree builds these items; other plug-ins read the item type and the model pointer of
// the item the user picked. The item owns nothing.
class VyrSystemItem : public QTreeWidgetItem
{
public:
    enum { Type = 1000 };

    explicit VyrSystemItem(VyrDeviceManager *deviceManager);
    ~VyrSystemItem() override;

    VyrDeviceManager *deviceManager() const { return m_deviceManager; }

private:
    VyrDeviceManager *m_deviceManager = nullptr;
};
