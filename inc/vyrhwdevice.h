#pragma once

#include <QtGlobal>

namespace DeviceHelpers {

class IVyrDevHwRegHlp;

// One PCI device found by the register helper: its handle in the register-access
// interface, ids, PCI location and register bases, and the helper that reads and
// writes its registers.
class VyrHwDevice
{
public:
    VyrHwDevice(IVyrDevHwRegHlp *helper, const void *handle, quint16 deviceId, quint32 location,
                quint64 memoryBase, quint16 ioBase)
        : m_helper(helper)
        , m_handle(handle)
        , m_deviceId(deviceId)
        , m_location(location)
        , m_memoryBase(memoryBase)
        , m_ioBase(ioBase)
    {}

    IVyrDevHwRegHlp *GetHelper() const { return m_helper; }
    const void *GetHandle() const { return m_handle; }
    quint16 GetDeviceId() const { return m_deviceId; }
    quint32 GetLocation() const { return m_location; }
    quint64 GetMemoryBase() const { return m_memoryBase; }
    quint16 GetIoBase() const { return m_ioBase; }

private:
    IVyrDevHwRegHlp *m_helper;
    const void *m_handle;
    quint16 m_deviceId;
    quint32 m_location;
    quint64 m_memoryBase;
    quint16 m_ioBase;
};

} // namespace DeviceHelpers
