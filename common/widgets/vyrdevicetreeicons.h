#pragma once

#include <QString>

// The icons of the device-tree items (resources of this library, ":/icons/Images/...").
namespace VyrDeviceTreeIcons {

// A system item by the kind of its device manager: 1 a saved configuration, 2 a system
// on the network, any other kind (0, the local system) a computer.
QString system(int managerKind);
QString device();
QString adapter();
QString branch();
// A display item by its signal type (the driver's sink type code) and whether the driver
// reports it enabled: flat panel monitors for HDMI and DisplayPort, a laptop for panels,
// a digital flat panel for DVI and the component-video kinds, a tube monitor for the rest.
QString display(quint32 signalType, bool enabled);

} // namespace VyrDeviceTreeIcons
