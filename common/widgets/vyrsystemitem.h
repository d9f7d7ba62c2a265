#pragma once

#include <QTreeWidgetItem>

class VyrDeviceManager;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Device-tree item of one system: the device manager it shows. Whoever shows a device
// tree builds these items; other plug-ins read the item type and the model pointer of
// the item the user picked. The item owns nothing. It shows the manager's name and an
// icon and background colour by the manager's kind: white with a computer for the local
// system (and any unknown kind), yellow with a disk for kind 1, green with a network for
// kind 2.
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
