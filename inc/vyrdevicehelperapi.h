#pragma once

#include "brellixapi.h"
#include "ivyrbrellixapi.h"

#include <QLibrary>
#include <QString>

namespace DeviceHelpers {

// The register-access interface over the device-helper library, which ships beside
// the program and is loaded by file name ("brellix", "brellix32", "brellix64", the
// first that loads). Every operation forwards to the entry point of the same name
// once Initialize has succeeded; before that nothing touches the library.
class VyrDeviceHelperApi : public IVyrBrellixApi
{
public:
    // libraryDir: the folder the library is loaded from; the application folder when
    // empty.
    explicit VyrDeviceHelperApi(const QString &libraryDir = QString());
    // Drops the loader without unloading the library.
    ~VyrDeviceHelperApi() override;

    VyrDeviceHelperApi(const VyrDeviceHelperApi &) = delete;
    VyrDeviceHelperApi &operator=(const VyrDeviceHelperApi &) = delete;

    // Loads the first of the library names that loads; false when none does.
    bool LoadLibrary();
    static QString GetLibPath();
    bool IsInitialized() const { return m_initialized; }

    bool Initialize() override;
    void Uninitialize() override;

    const void *GetDevice(unsigned int location) override;
    int GetDeviceInfo(const void *device, int kind, void *buffer, unsigned int size) override;
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

private:
    // The library's entry points; all null until bound.
    struct EntryPoints
    {
        BrellixInitializeFn initialize = nullptr;
        BrellixUninitializeFn uninitialize = nullptr;
        BrellixGetDeviceInfoFn getDeviceInfo = nullptr;
        BrellixEnumDevicesFn enumDevices = nullptr;
        BrellixGetDeviceFn getDevice = nullptr;
        BrellixGetDeviceIdFn getDeviceId = nullptr;
        BrellixReadIoFn readIo = nullptr;
        BrellixWriteIoFn writeIo = nullptr;
        BrellixReadMmFn readMm = nullptr;
        BrellixWriteMmFn writeMm = nullptr;
        BrellixReadCfgFn readCfg = nullptr;
        BrellixWriteCfgFn writeCfg = nullptr;
        BrellixReadIndFn readInd = nullptr;
        BrellixWriteIndFn writeInd = nullptr;
    };

    bool resolveEntryPoints();

    EntryPoints m_entry;
    QLibrary m_library;
    QString m_libraryDir;
    bool m_initialized = false;
};

} // namespace DeviceHelpers
