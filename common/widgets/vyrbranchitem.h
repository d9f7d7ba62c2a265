#pragma once

#include <QCoreApplication>
#include <QTreeWidgetItem>

class VyrDevice;
class VyrDeviceManager;
struct VyrBranch;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// Device-tree item of one DisplayPort MST branch: its device manager, its graphics
// device, then the branch (may be null). The item owns nothing. It shows
// "Branch Device [<tree id in lower-case hexadecimal>]" with a branch icon.
class VyrBranchItem : public QTreeWidgetItem
{
    Q_DECLARE_TR_FUNCTIONS(VyrBranchItem)

public:
    enum { Type = 1004 };

    VyrBranchItem(VyrDeviceManager *deviceManager, VyrDevice *device, VyrBranch *branch);
    ~VyrBranchItem() override;

    VyrDeviceManager *deviceManager() const { return m_deviceManager; }
    VyrDevice *device() const { return m_device; }
    VyrBranch *branch() const { return m_branch; }

private:
    VyrDeviceManager *m_deviceManager = nullptr;
    VyrDevice *m_device = nullptr;
    VyrBranch *m_branch = nullptr;
};
