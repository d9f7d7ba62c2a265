#pragma once

namespace DeviceHelpers {

// Kinds of device information answered by GetDeviceInfo.
enum PciDeviceInfoKind : int {
    PciInfoLocation = 1,   // PCI location, 4 bytes
    PciInfoMemoryBase = 2, // base of the memory-mapped register aperture, 8 bytes
    PciInfoIoBase = 3,     // base of the I/O register range, 4 bytes
    PciInfoDeviceId = 6,   // PCI device id, 2 bytes
};

// Finding PCI devices and their data. A device is named by an opaque handle that the
// implementation hands out. A PCI location is bus << 8 | device << 3 | function.
// The order of the virtual functions is part of the register-access interface.
class IVyrPciHelper
{
public:
    // Handle of the device at a PCI location; null when there is none.
    virtual const void *GetDevice(unsigned int location) = 0;
    // Writes one datum of a device (a PciDeviceInfoKind) into buffer; nonzero when the
    // datum was delivered.
    virtual int GetDeviceInfo(const void *device, int kind, void *buffer, unsigned int size) = 0;
    // The next device of an enumeration pass; null ends the pass.
    virtual const void *EnumDevices() = 0;
    // The 16-bit PCI device id, -1 for an unknown handle.
    virtual int GetDeviceId(const void *device) = 0;

protected:
    // Never deleted through this interface.
    ~IVyrPciHelper() = default;
};

} // namespace DeviceHelpers
