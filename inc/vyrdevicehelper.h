#pragma once

#include "ivyrbrellixapi.h"
#include "ivyrdevhwreghlp.h"
#include "vyrhwdevice.h"

#include <QMap>
#include <QSharedPointer>

namespace DeviceHelpers {

class HwRegAddrAperture;

// The device model's one entry to register access: wraps the register-access
// interface chosen by VyrBrellixApiManager (shared with the manager, or not owned; may
// be null), keeps the PCI devices it reports by PCI location, and reads or writes one
// register described by an aperture.
class VyrDeviceHelper final : public IVyrPciHelper, public IVyrDevHwRegHlp
{
public:
    explicit VyrDeviceHelper(IVyrBrellixApi *api = nullptr);
    // Shares the interface: it stays alive with the helper and its device records, also
    // when the register-access setting replaces it meanwhile.
    explicit VyrDeviceHelper(QSharedPointer<IVyrBrellixApi> api);

    // The device records point back to this helper: it is neither copied nor moved.
    VyrDeviceHelper(const VyrDeviceHelper &) = delete;
    VyrDeviceHelper &operator=(const VyrDeviceHelper &) = delete;

    // Initialises the interface and enumerates its devices; true once at least one
    // device is known. A failed call may be repeated.
    bool Initialize();
    // Adds every device of one enumeration pass to the map; true when the map is not
    // empty afterwards.
    bool InitDevices();
    bool IsInitialized() const { return m_initialized; }

    // The record of the device at a PCI location; null when there is none.
    VyrHwDevice *GetHwDevice(unsigned int location) const;
    int GetHwDeviceCount() const { return m_devices.size(); }

    const void *GetDevice(unsigned int location) override;
    int GetDeviceInfo(const void *device, int kind, void *buffer, unsigned int size) override;
    const void *EnumDevices() override;
    int GetDeviceId(const void *device) override;

    bool ReadRegister(const VyrHwDevice &device, const HwRegAddrAperture &aperture, void *buffer,
                      unsigned long size) override;
    bool WriteRegister(const VyrHwDevice &device, const HwRegAddrAperture &aperture,
                       const void *buffer, unsigned long size) override;

private:
    QMap<unsigned int, QSharedPointer<VyrHwDevice>> m_devices;
    IVyrBrellixApi *m_api;
    QSharedPointer<IVyrBrellixApi> m_shared;
    bool m_initialized = false;
};

} // namespace DeviceHelpers
