#include "vyrdevicehelper.h"

#include "hwregaddraperture.h"

#include <utility>

namespace DeviceHelpers {

VyrDeviceHelper::VyrDeviceHelper(IVyrBrellixApi *api)
    : m_api(api)
{}

VyrDeviceHelper::VyrDeviceHelper(QSharedPointer<IVyrBrellixApi> api)
    : m_api(api.data())
    , m_shared(std::move(api))
{}

bool VyrDeviceHelper::Initialize()
{
    if (m_initialized)
        return true;
    if (!m_api)
        return false;
    m_initialized = m_api->Initialize();
    if (!m_initialized)
        return false;
    m_initialized = InitDevices();
    return m_initialized;
}

bool VyrDeviceHelper::InitDevices()
{
    while (const void *handle = EnumDevices()) {
        const int id = GetDeviceId(handle);
        if ((id & 0xFFFF) == 0xFFFF)
            continue;
        quint64 memoryBase = 0;
        quint32 ioBase = 0;
        quint32 location = 0;
        if (GetDeviceInfo(handle, PciInfoMemoryBase, &memoryBase, sizeof memoryBase) == 0
            || GetDeviceInfo(handle, PciInfoIoBase, &ioBase, sizeof ioBase) == 0
            || GetDeviceInfo(handle, PciInfoLocation, &location, sizeof location) == 0)
            continue;
        // A later device at the same location replaces the earlier one.
        m_devices.insert(location, QSharedPointer<VyrHwDevice>::create(
                                       this, handle, static_cast<quint16>(id), location, memoryBase,
                                       static_cast<quint16>(ioBase & 0xFFFF)));
    }
    return !m_devices.isEmpty();
}

VyrHwDevice *VyrDeviceHelper::GetHwDevice(unsigned int location) const
{
    // value() never adds a key for an unknown location.
    return m_devices.value(location).data();
}

const void *VyrDeviceHelper::GetDevice(unsigned int location)
{
    return m_initialized ? m_api->GetDevice(location) : nullptr;
}

int VyrDeviceHelper::GetDeviceInfo(const void *device, int kind, void *buffer, unsigned int size)
{
    return m_initialized ? m_api->GetDeviceInfo(device, kind, buffer, size) : 0;
}

const void *VyrDeviceHelper::EnumDevices()
{
    return m_initialized ? m_api->EnumDevices() : nullptr;
}

int VyrDeviceHelper::GetDeviceId(const void *device)
{
    return m_initialized ? m_api->GetDeviceId(device) : -1;
}

namespace {

// The operations of one direction of register access: reads fill a buffer, writes
// take one.
template <typename Buffer> struct RegisterOps
{
    bool (IVyrBrellixApi::*memory)(const void *, unsigned long long, Buffer, unsigned long);
    bool (IVyrBrellixApi::*io)(const void *, const unsigned short &, Buffer, unsigned long);
    bool (IVyrBrellixApi::*config)(const void *, unsigned int, Buffer, unsigned long);
    bool (IVyrBrellixApi::*indirect)(const void *, unsigned long long, unsigned long,
                                     const EHwRegSpaceType &, unsigned int, unsigned long long,
                                     const EHwRegSpaceType &, Buffer, unsigned long);
};

const RegisterOps<void *> ReadOps{&IVyrBrellixApi::ReadMmRegister, &IVyrBrellixApi::ReadIoRegister,
                                  &IVyrBrellixApi::ReadCfgRegister,
                                  &IVyrBrellixApi::ReadIndRegister};
const RegisterOps<const void *> WriteOps{
    &IVyrBrellixApi::WriteMmRegister, &IVyrBrellixApi::WriteIoRegister,
    &IVyrBrellixApi::WriteCfgRegister, &IVyrBrellixApi::WriteIndRegister};

// Size of the index register written before an indirect access.
constexpr unsigned long IndexRegisterSize = 4;

// One register access by the aperture's space; the result of the interface unchanged.
template <typename Buffer>
bool access(IVyrBrellixApi *api, const RegisterOps<Buffer> &ops, const void *handle,
            const HwRegAddrAperture &aperture, Buffer buffer, unsigned long size)
{
    if (!api)
        return false;
    switch (aperture.GetType()) {
    case HwRegSpaceMemory:
        return (api->*ops.memory)(handle, aperture.GetWideAddress(), buffer, size);
    case HwRegSpaceIo:
        return (api->*ops.io)(handle, static_cast<unsigned short>(aperture.GetAddress()), buffer,
                              size);
    case HwRegSpaceConfig:
        return (api->*ops.config)(handle, static_cast<unsigned int>(aperture.GetAddress()), buffer,
                                  size);
    case HwRegSpaceIndirect: {
        // Only a description that carries the signature word is used.
        const HwRegIndirectDescription *d = aperture.GetIndirect();
        if (!d || d->data.signature != HwRegIndirectSignature)
            return false;
        return (api->*ops.indirect)(handle, d->index.aperture.GetWideAddress(), IndexRegisterSize,
                                    d->index.aperture.GetType(), d->index.value,
                                    d->data.aperture.GetWideAddress(), d->data.aperture.GetType(),
                                    buffer, size);
    }
    }
    return false;
}

} // namespace

bool VyrDeviceHelper::ReadRegister(const VyrHwDevice &device, const HwRegAddrAperture &aperture,
                                   void *buffer, unsigned long size)
{
    return access(m_api, ReadOps, device.GetHandle(), aperture, buffer, size);
}

bool VyrDeviceHelper::WriteRegister(const VyrHwDevice &device, const HwRegAddrAperture &aperture,
                                    const void *buffer, unsigned long size)
{
    return access(m_api, WriteOps, device.GetHandle(), aperture, buffer, size);
}

} // namespace DeviceHelpers
