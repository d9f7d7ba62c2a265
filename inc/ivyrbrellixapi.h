#pragma once

#include "ehwregspacetype.h"
#include "ivyrpcihelper.h"

namespace DeviceHelpers {

// Register-level access to the graphics hardware: PCI configuration space, I/O ports,
// memory-mapped registers and index/data register pairs. Implemented over the
// device-helper library (VyrDeviceHelperApi) and over the hardware tool library
// (QuarnibApiAdapter); VyrBrellixApiManager chooses one. Every read and write answers
// true when it was done. The order of the virtual functions is part of the interface.
class IVyrBrellixApi : public IVyrPciHelper
{
public:
    virtual ~IVyrBrellixApi() = default;

    virtual bool Initialize() = 0;
    virtual void Uninitialize() = 0;

    virtual bool ReadIoRegister(const void *device, const unsigned short &port, void *buffer,
                                unsigned long size) = 0;
    virtual bool WriteIoRegister(const void *device, const unsigned short &port, const void *buffer,
                                 unsigned long size) = 0;
    virtual bool ReadMmRegister(const void *device, unsigned long long address, void *buffer,
                                unsigned long size) = 0;
    virtual bool WriteMmRegister(const void *device, unsigned long long address, const void *buffer,
                                 unsigned long size) = 0;
    virtual bool ReadCfgRegister(const void *device, unsigned int offset, void *buffer,
                                 unsigned long size) = 0;
    virtual bool WriteCfgRegister(const void *device, unsigned int offset, const void *buffer,
                                  unsigned long size) = 0;
    // Writes indexValue to the index register (indexSize bytes at indexAddress in
    // indexSpace), then reads the data register at dataAddress in dataSpace.
    virtual bool ReadIndRegister(const void *device, unsigned long long indexAddress,
                                 unsigned long indexSize, const EHwRegSpaceType &indexSpace,
                                 unsigned int indexValue, unsigned long long dataAddress,
                                 const EHwRegSpaceType &dataSpace, void *buffer,
                                 unsigned long size) = 0;
    virtual bool WriteIndRegister(const void *device, unsigned long long indexAddress,
                                  unsigned long indexSize, const EHwRegSpaceType &indexSpace,
                                  unsigned int indexValue, unsigned long long dataAddress,
                                  const EHwRegSpaceType &dataSpace, const void *buffer,
                                  unsigned long size) = 0;
};

} // namespace DeviceHelpers
