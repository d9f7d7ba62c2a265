#pragma once

#include <QTreeWidget>

class VyrDevice;
class VyrDeviceManager;
class VyrDisplay;
class VyrSystemManager;

// Bits of a device tree's view option (the device select widget passes its own on).
namespace VyrDeviceViewOption {
enum : unsigned int {
    DesktopView = 1,      // adapters under the device, enabled displays under their adapter
    NoDeviceChildren = 2, // devices are shown without children
    NoDisplays = 4,       // no display items
    NoBranches = 8,       // no MST branch items in the Device View
    DeviceActions = 16,   // "Start Device", "Stop Device", "Restart Device" may be offered
    SystemActions = 32,   // the system actions may be offered
    InstallAction = 64    // "Install Device Driver" may be offered
};
} // namespace VyrDeviceViewOption

// The device model as a one-column tree of systems, graphics devices, adapters, displays
// and MST branches (item types 1000 to 1004, common/widgets/vyr*item.h). Two layouts:
// the Device View puts the displays and branches straight under their device; the
// Desktop View puts the displays that are not enabled under the device and the enabled
// ones under their active adapter. Every build starts from an empty tree. The items
// point into the model, so the tree must be rebuilt whenever the model is.
class VyrDeviceSelectTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit VyrDeviceSelectTree(unsigned int viewOption);

    // Keeps the manager (not owned); null clears the tree, otherwise it is rebuilt.
    void SetSystemManager(VyrSystemManager *systemManager);
    // Keeps a different option and rebuilds; the same option does nothing.
    void SetViewOption(unsigned int viewOption);
    // Rebuilds the whole tree from the model.
    void UpdateDeviceView();

    VyrSystemManager *systemManager() const { return m_systemManager; }
    unsigned int viewOption() const { return m_viewOption; }

private:
    void addDeviceChildren(QTreeWidgetItem *deviceItem, VyrDeviceManager *manager,
                           VyrDevice *device) const;
    static QTreeWidgetItem *displayItem(VyrDeviceManager *manager, VyrDevice *device,
                                        VyrDisplay *display);

    VyrSystemManager *m_systemManager = nullptr;
    unsigned int m_viewOption = 0;
};
