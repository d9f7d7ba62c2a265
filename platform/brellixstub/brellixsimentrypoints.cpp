// Entry points of the simulated device-helper library. Each call is counted and
// answers an armed test failure when there is one; every call but "Initialize" fails
// until "Initialize" has run. Device handles point to the machine's devices.

#include "brellixapi.h"
#include "brellixsim.h"

#include <QtEndian>

#include <cstring>
#include <type_traits>

// The argument lists the program looks up (brellixapi.h); a definition below that does
// not match fails to compile.
#define BRELLIXSIM_DECLARE(name, type) BRELLIXSIM_EXPORT std::remove_pointer_t<type> name;
BRELLIXSIM_DECLARE(Initialize, BrellixInitializeFn)
BRELLIXSIM_DECLARE(Uninitialize, BrellixUninitializeFn)
BRELLIXSIM_DECLARE(GetDeviceInfo, BrellixGetDeviceInfoFn)
BRELLIXSIM_DECLARE(EnumDevices, BrellixEnumDevicesFn)
BRELLIXSIM_DECLARE(GetDevice, BrellixGetDeviceFn)
BRELLIXSIM_DECLARE(GetDeviceId, BrellixGetDeviceIdFn)
BRELLIXSIM_DECLARE(ReadIoRegister, BrellixReadIoFn)
BRELLIXSIM_DECLARE(WriteIoRegister, BrellixWriteIoFn)
BRELLIXSIM_DECLARE(ReadMmRegister, BrellixReadMmFn)
BRELLIXSIM_DECLARE(WriteMmRegister, BrellixWriteMmFn)
BRELLIXSIM_DECLARE(ReadCfgRegister, BrellixReadCfgFn)
BRELLIXSIM_DECLARE(WriteCfgRegister, BrellixWriteCfgFn)
BRELLIXSIM_DECLARE(ReadIndRegister, BrellixReadIndFn)
BRELLIXSIM_DECLARE(WriteIndRegister, BrellixWriteIndFn)
#undef BRELLIXSIM_DECLARE

// Counts the call and answers failure when it is armed or the library is not ready.
#define BRELLIXSIM_ENTER(failure)                                                                  \
    BrellixSim &sim = BrellixSim::instance();                                                      \
    if (sim.calls.enter(__func__) || !sim.initialized)                                             \
        return failure;

// Names the device of a handle, or answers failure.
#define BRELLIXSIM_DEVICE(handle, failure)                                                         \
    PciSimDevice *d = sim.machine.fromHandle(handle);                                              \
    if (!d)                                                                                        \
        return failure;

namespace {

// Register spaces (the values of the program's EHwRegSpaceType).
enum Space { Memory = 1, Io = 2, Config = 3 };

bool readSpace(const PciSimDevice &d, int space, unsigned long long address, void *buffer,
               size_t size)
{
    switch (space) {
    case Memory:
        return d.readRegisters(address, buffer, size);
    case Io:
        return d.readIo(address, buffer, size);
    case Config:
        return d.readConfig(address, buffer, size);
    default:
        return false;
    }
}

bool writeSpace(PciSimDevice &d, int space, unsigned long long address, const void *buffer,
                size_t size)
{
    switch (space) {
    case Memory:
        return d.writeRegisters(address, buffer, size);
    case Io:
        return d.writeIo(address, buffer, size);
    case Config:
        return d.writeConfig(address, buffer, size);
    default:
        return false;
    }
}

// Writes the index register and checks the data register of an index/data pair;
// answers the index of the register reached, or false when either register is not
// there. Values behind the pair are at most 32 bits wide.
bool selectIndirect(PciSimDevice &d, unsigned long long indexAddress, unsigned long indexSize,
                    int indexSpace, unsigned int indexValue, unsigned long long dataAddress,
                    int dataSpace, unsigned long size, uint32_t &index)
{
    if (indexSize == 0 || indexSize > 4 || size == 0 || size > 4)
        return false;
    const uint32_t indexBytes = qToLittleEndian(static_cast<uint32_t>(indexValue));
    uint32_t data = 0;
    if (!writeSpace(d, indexSpace, indexAddress, &indexBytes, indexSize)
        || !readSpace(d, dataSpace, dataAddress, &data, size))
        return false;
    index = indexSize == 4 ? indexValue : indexValue & ((1u << (8 * indexSize)) - 1u);
    return true;
}

} // namespace

BRELLIXSIM_EXPORT int Initialize()
{
    BrellixSim &sim = BrellixSim::instance();
    if (!sim.loaded) {
        sim.machine.loadFromEnvironment("VYRSIM_BRELLIX_MACHINE");
        sim.calls.traceTo(qgetenv("VYRSIM_BRELLIX_TRACE"));
        sim.loaded = true;
    }
    if (sim.calls.enter(__func__))
        return 0;
    sim.initialized = true;
    sim.enumPosition = 0;
    return 1;
}

BRELLIXSIM_EXPORT void Uninitialize()
{
    BrellixSim &sim = BrellixSim::instance();
    sim.calls.enter(__func__);
    sim.initialized = false;
}

BRELLIXSIM_EXPORT int GetDeviceInfo(const void *device, int kind, void *buffer, unsigned int size)
{
    BRELLIXSIM_ENTER(0)
    BRELLIXSIM_DEVICE(device, 0)
    const auto put = [buffer, size](const auto value) -> int {
        if (!buffer || size < sizeof value)
            return 0;
        std::memcpy(buffer, &value, sizeof value);
        return static_cast<int>(sizeof value);
    };
    switch (kind) {
    case 1:
        return put(static_cast<uint32_t>(d->location()));
    case 2:
        return put(static_cast<uint64_t>(d->registerBase));
    case 3:
        return put(static_cast<uint32_t>(d->ioBase));
    case 6:
        return put(static_cast<uint16_t>(d->deviceId));
    default:
        return 0;
    }
}

BRELLIXSIM_EXPORT const void *EnumDevices()
{
    BRELLIXSIM_ENTER(nullptr)
    if (sim.enumPosition < sim.machine.devices.size())
        return &sim.machine.devices[sim.enumPosition++];
    sim.enumPosition = 0;
    return nullptr;
}

BRELLIXSIM_EXPORT const void *GetDevice(unsigned int location)
{
    BRELLIXSIM_ENTER(nullptr)
    return sim.machine.find(location);
}

BRELLIXSIM_EXPORT int GetDeviceId(const void *device)
{
    BRELLIXSIM_ENTER(-1)
    BRELLIXSIM_DEVICE(device, -1)
    return d->deviceId;
}

BRELLIXSIM_EXPORT bool ReadIoRegister(const void *device, unsigned short port, void *buffer,
                                      unsigned long size)
{
    BRELLIXSIM_ENTER(false)
    BRELLIXSIM_DEVICE(device, false)
    return d->readIo(port, buffer, size);
}

BRELLIXSIM_EXPORT bool WriteIoRegister(const void *device, unsigned short port, const void *buffer,
                                       unsigned long size)
{
    BRELLIXSIM_ENTER(false)
    BRELLIXSIM_DEVICE(device, false)
    return d->writeIo(port, buffer, size);
}

BRELLIXSIM_EXPORT bool ReadMmRegister(const void *device, unsigned long long address, void *buffer,
                                      unsigned long size)
{
    BRELLIXSIM_ENTER(false)
    BRELLIXSIM_DEVICE(device, false)
    return d->readRegisters(address, buffer, size);
}

BRELLIXSIM_EXPORT bool WriteMmRegister(const void *device, unsigned long long address,
                                       const void *buffer, unsigned long size)
{
    BRELLIXSIM_ENTER(false)
    BRELLIXSIM_DEVICE(device, false)
    return d->writeRegisters(address, buffer, size);
}

BRELLIXSIM_EXPORT bool ReadCfgRegister(const void *device, unsigned int offset, void *buffer,
                                       unsigned long size)
{
    BRELLIXSIM_ENTER(false)
    BRELLIXSIM_DEVICE(device, false)
    return d->readConfig(offset, buffer, size);
}

BRELLIXSIM_EXPORT bool WriteCfgRegister(const void *device, unsigned int offset, const void *buffer,
                                        unsigned long size)
{
    BRELLIXSIM_ENTER(false)
    BRELLIXSIM_DEVICE(device, false)
    return d->writeConfig(offset, buffer, size);
}

BRELLIXSIM_EXPORT bool ReadIndRegister(const void *device, unsigned long long indexAddress,
                                       unsigned long indexSize, int indexSpace,
                                       unsigned int indexValue, unsigned long long dataAddress,
                                       int dataSpace, void *buffer, unsigned long size)
{
    BRELLIXSIM_ENTER(false)
    BRELLIXSIM_DEVICE(device, false)
    uint32_t index = 0;
    if (!buffer
        || !selectIndirect(*d, indexAddress, indexSize, indexSpace, indexValue, dataAddress,
                           dataSpace, size, index))
        return false;
    const uint32_t value = qToLittleEndian(d->indirect[index]);
    std::memcpy(buffer, &value, size);
    return true;
}

#ifndef BRELLIXSIM_NO_WRITE_IND
BRELLIXSIM_EXPORT bool WriteIndRegister(const void *device, unsigned long long indexAddress,
                                        unsigned long indexSize, int indexSpace,
                                        unsigned int indexValue, unsigned long long dataAddress,
                                        int dataSpace, const void *buffer, unsigned long size)
{
    BRELLIXSIM_ENTER(false)
    BRELLIXSIM_DEVICE(device, false)
    uint32_t index = 0;
    if (!buffer
        || !selectIndirect(*d, indexAddress, indexSize, indexSpace, indexValue, dataAddress,
                           dataSpace, size, index))
        return false;
    uint32_t value = qToLittleEndian(d->indirect[index]);
    std::memcpy(&value, buffer, size);
    d->indirect[index] = qFromLittleEndian(value);
    return true;
}
#endif
