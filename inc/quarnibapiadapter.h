#pragma once

#include "ivyrbrellixapi.h"
#include "quarnibdeviceinfo.h"
#include "quarnibinterface.h"

#include <QMap>

namespace DeviceHelpers {

// The register-access interface over the hardware tool library: the library's device
// list becomes device handles, each device's I/O and memory-mapped register bases are
// found from its PCI base address registers, and register access goes through the
// library's 32-bit calls (I/O and memory registers alike through its memory-mapped
// register calls, addressed by dword). Indirect registers are not supported.
class QuarnibApiAdapter : public IVyrBrellixApi
{
public:
    // The tool library is searched for once here (without a logger).
    QuarnibApiAdapter();
    ~QuarnibApiAdapter() override;

    QuarnibApiAdapter(const QuarnibApiAdapter &) = delete;
    QuarnibApiAdapter &operator=(const QuarnibApiAdapter &) = delete;

    bool Initialize() override;
    void Uninitialize() override;

    const void *GetDevice(unsigned int location) override;
    // Answers the size of the datum delivered; 0 (nothing delivered) for an unknown
    // handle or kind, a null buffer or one that is too small.
    int GetDeviceInfo(const void *device, int kind, void *buffer, unsigned int size) override;
    // One pass over the devices, then null; the next call starts a new pass.
    const void *EnumDevices() override;
    int GetDeviceId(const void *device) override;

    bool ReadIoRegister(const void *device, const unsigned short &port, void *buffer,
                        unsigned long size) override;
    bool WriteIoRegister(const void *device, const unsigned short &port, const void *buffer,
                         unsigned long size) override;
    bool ReadMmRegister(const void *device, unsigned long long address, void *buffer,
                        unsigned long size) override;
    bool WriteMmRegister(const void *device, unsigned long long address, const void *buffer,
                         unsigned long size) override;
    bool ReadCfgRegister(const void *device, unsigned int offset, void *buffer,
                         unsigned long size) override;
    bool WriteCfgRegister(const void *device, unsigned int offset, const void *buffer,
                          unsigned long size) override;
    bool ReadIndRegister(const void *device, unsigned long long indexAddress,
                         unsigned long indexSize, const EHwRegSpaceType &indexSpace,
                         unsigned int indexValue, unsigned long long dataAddress,
                         const EHwRegSpaceType &dataSpace, void *buffer,
                         unsigned long size) override;
    bool WriteIndRegister(const void *device, unsigned long long indexAddress,
                          unsigned long indexSize, const EHwRegSpaceType &indexSpace,
                          unsigned int indexValue, unsigned long long dataAddress,
                          const EHwRegSpaceType &dataSpace, const void *buffer,
                          unsigned long size) override;

    // Makes a device of the tool library's list the current one.
    bool SelectDevice(int index);
    // Register bases from the base address registers of the device at a location.
    bool GetDeviceIoHwRegBase(quint16 location, quint32 &base);
    bool GetDeviceMmHwRegBase(quint16 location, quint64 &base);

private:
    enum class Space { Register, Config };
    // The record of a handle, made the library's current device; null when unknown or
    // when it cannot be selected.
    const QuarnibDeviceInfo *selected(const void *device);
    bool read32(const void *device, Space space, unsigned int address, void *buffer,
                unsigned long size);
    bool write32(const void *device, Space space, unsigned int address, const void *buffer,
                 unsigned long size);
    bool readBars(quint16 location, quint32 (&bars)[6]);

    QuarnibInterface m_quarnib;
    QMap<const void *, QuarnibDeviceInfo *> m_devices;
    int m_enumPosition = 0;
    bool m_initialized = false;
};

} // namespace DeviceHelpers
