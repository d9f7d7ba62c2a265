#pragma once

namespace DeviceHelpers {

class HwRegAddrAperture;
class VyrHwDevice;

// Reading and writing one register of a device, described by an aperture. The device
// model reaches it through the pointer kept in each VyrHwDevice.
class IVyrDevHwRegHlp
{
public:
    virtual bool ReadRegister(const VyrHwDevice &device, const HwRegAddrAperture &aperture,
                              void *buffer, unsigned long size) = 0;
    virtual bool WriteRegister(const VyrHwDevice &device, const HwRegAddrAperture &aperture,
                               const void *buffer, unsigned long size) = 0;

protected:
    // Never deleted through this interface.
    ~IVyrDevHwRegHlp() = default;
};

} // namespace DeviceHelpers
