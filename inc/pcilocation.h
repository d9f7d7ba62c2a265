#pragma once

namespace DeviceHelpers {

// Parts of a PCI location (bus << 8 | device << 3 | function).
inline unsigned int PciGetBus(unsigned int location)
{
    return (location >> 8) & 0xFFu;
}

inline unsigned int PciGetDev(unsigned int location)
{
    return (location >> 3) & 0x1Fu;
}

inline unsigned int PciGetFunc(unsigned int location)
{
    return location & 0x7u;
}

} // namespace DeviceHelpers
