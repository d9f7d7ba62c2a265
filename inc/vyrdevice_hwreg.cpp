#include "ivyrdevhwreghlp.h"
#include "vyrdevice.h"
#include "vyrhwdevice.h"

using DeviceHelpers::HwRegAddrAperture;
using DeviceHelpers::IVyrDevHwRegHlp;

bool VyrDevice::ReadHwRegister(const HwRegAddrAperture &aperture, void *buffer, unsigned long size)
{
    IVyrDevHwRegHlp *helper = m_hwDevice ? m_hwDevice->GetHelper() : nullptr;
    return helper && helper->ReadRegister(*m_hwDevice, aperture, buffer, size);
}

bool VyrDevice::WriteHwRegister(const HwRegAddrAperture &aperture, const void *buffer,
                                unsigned long size)
{
    IVyrDevHwRegHlp *helper = m_hwDevice ? m_hwDevice->GetHelper() : nullptr;
    return helper && helper->WriteRegister(*m_hwDevice, aperture, buffer, size);
}

bool VyrDevice::ReadHwRegister(const HwRegAddrAperture &aperture, unsigned int *value)
{
    return ReadHwRegister(aperture, value, sizeof *value);
}

bool VyrDevice::WriteHwRegister(const HwRegAddrAperture &aperture, unsigned int value)
{
    return WriteHwRegister(aperture, &value, sizeof value);
}

unsigned int VyrDevice::readRegister(const HwRegAddrAperture &aperture)
{
    // Zeroed first, and 0 after a failed read: never what the stack or a library that
    // failed half-way left there.
    unsigned int value = 0;
    return ReadHwRegister(aperture, &value) ? value : 0;
}

bool VyrDevice::writeRegister(const HwRegAddrAperture &aperture, unsigned int value)
{
    return WriteHwRegister(aperture, value);
}
