#include "vyrdevicehelperapi.h"

#include <QCoreApplication>
#include <QStringList>

namespace DeviceHelpers {

// File names of the device-helper library in the order they are tried; the library
// loader adds the platform's prefix and suffix.
static const QStringList libNames = {QStringLiteral("brellix"), QStringLiteral("brellix32"),
                                     QStringLiteral("brellix64")};

namespace {

template <typename Fn> bool bind(QLibrary &library, const char *name, Fn &slot)
{
    slot = reinterpret_cast<Fn>(library.resolve(name));
    return slot != nullptr;
}

} // namespace

VyrDeviceHelperApi::VyrDeviceHelperApi(const QString &libraryDir)
    : m_libraryDir(libraryDir)
{}

VyrDeviceHelperApi::~VyrDeviceHelperApi() = default;

QString VyrDeviceHelperApi::GetLibPath()
{
    return QStringLiteral("brelix");
}

bool VyrDeviceHelperApi::LoadLibrary()
{
    const QString dir =
        m_libraryDir.isEmpty() ? QCoreApplication::applicationDirPath() : m_libraryDir;
    for (const QString &name : libNames) {
        m_library.setFileName(dir + QLatin1Char('/') + name);
        if (m_library.load())
            return true;
    }
    return false;
}

bool VyrDeviceHelperApi::resolveEntryPoints()
{
    // Every name is needed; the first one missing ends the binding.
    return bind(m_library, "Initialize", m_entry.initialize)
           && bind(m_library, "Uninitialize", m_entry.uninitialize)
           && bind(m_library, "GetDeviceInfo", m_entry.getDeviceInfo)
           && bind(m_library, "EnumDevices", m_entry.enumDevices)
           && bind(m_library, "GetDevice", m_entry.getDevice)
           && bind(m_library, "GetDeviceId", m_entry.getDeviceId)
           && bind(m_library, "ReadIoRegister", m_entry.readIo)
           && bind(m_library, "WriteIoRegister", m_entry.writeIo)
           && bind(m_library, "ReadMmRegister", m_entry.readMm)
           && bind(m_library, "WriteMmRegister", m_entry.writeMm)
           && bind(m_library, "ReadCfgRegister", m_entry.readCfg)
           && bind(m_library, "WriteCfgRegister", m_entry.writeCfg)
           && bind(m_library, "ReadIndRegister", m_entry.readInd)
           && bind(m_library, "WriteIndRegister", m_entry.writeInd);
}

bool VyrDeviceHelperApi::Initialize()
{
    if (m_initialized)
        return true;
    if (!LoadLibrary())
        return false;
    // A library without every entry point stays loaded but unusable.
    if (!resolveEntryPoints())
        return false;
    if (m_entry.initialize() == 0)
        return false;
    m_initialized = true;
    return true;
}

void VyrDeviceHelperApi::Uninitialize()
{
    if (!m_initialized)
        return;
    m_entry.uninitialize();
    m_initialized = false;
    m_entry = EntryPoints();
    m_library.unload();
}

const void *VyrDeviceHelperApi::GetDevice(unsigned int location)
{
    return m_initialized ? m_entry.getDevice(location) : nullptr;
}

int VyrDeviceHelperApi::GetDeviceInfo(const void *device, int kind, void *buffer, unsigned int size)
{
    return m_initialized ? m_entry.getDeviceInfo(device, kind, buffer, size) : 0;
}

const void *VyrDeviceHelperApi::EnumDevices()
{
    return m_initialized ? m_entry.enumDevices() : nullptr;
}

int VyrDeviceHelperApi::GetDeviceId(const void *device)
{
    return m_initialized ? m_entry.getDeviceId(device) : -1;
}

bool VyrDeviceHelperApi::ReadIoRegister(const void *device, const unsigned short &port,
                                        void *buffer, unsigned long size)
{
    return m_initialized && m_entry.readIo(device, port, buffer, size);
}

bool VyrDeviceHelperApi::WriteIoRegister(const void *device, const unsigned short &port,
                                         const void *buffer, unsigned long size)
{
    return m_initialized && m_entry.writeIo(device, port, buffer, size);
}

bool VyrDeviceHelperApi::ReadMmRegister(const void *device, unsigned long long address,
                                        void *buffer, unsigned long size)
{
    return m_initialized && m_entry.readMm(device, address, buffer, size);
}

bool VyrDeviceHelperApi::WriteMmRegister(const void *device, unsigned long long address,
                                         const void *buffer, unsigned long size)
{
    return m_initialized && m_entry.writeMm(device, address, buffer, size);
}

bool VyrDeviceHelperApi::ReadCfgRegister(const void *device, unsigned int offset, void *buffer,
                                         unsigned long size)
{
    return m_initialized && m_entry.readCfg(device, offset, buffer, size);
}

bool VyrDeviceHelperApi::WriteCfgRegister(const void *device, unsigned int offset,
                                          const void *buffer, unsigned long size)
{
    return m_initialized && m_entry.writeCfg(device, offset, buffer, size);
}

bool VyrDeviceHelperApi::ReadIndRegister(const void *device, unsigned long long indexAddress,
                                         unsigned long indexSize, const EHwRegSpaceType &indexSpace,
                                         unsigned int indexValue, unsigned long long dataAddress,
                                         const EHwRegSpaceType &dataSpace, void *buffer,
                                         unsigned long size)
{
    return m_initialized
           && m_entry.readInd(device, indexAddress, indexSize, static_cast<int>(indexSpace),
                              indexValue, dataAddress, static_cast<int>(dataSpace), buffer, size);
}

bool VyrDeviceHelperApi::WriteIndRegister(const void *device, unsigned long long indexAddress,
                                          unsigned long indexSize,
                                          const EHwRegSpaceType &indexSpace,
                                          unsigned int indexValue, unsigned long long dataAddress,
                                          const EHwRegSpaceType &dataSpace, const void *buffer,
                                          unsigned long size)
{
    return m_initialized
           && m_entry.writeInd(device, indexAddress, indexSize, static_cast<int>(indexSpace),
                               indexValue, dataAddress, static_cast<int>(dataSpace), buffer, size);
}

} // namespace DeviceHelpers
