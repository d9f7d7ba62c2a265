// Entry points of the simulated hardware tool library. Each call is counted and
// answers an armed test failure when there is one. "InitializeQuarnib" reads the
// machine anew; the other calls fail until it has run.

#include "quarnibsim.h"

#include <QtEndian>

#include <cstring>
#include <type_traits>

// The argument lists the program looks up (quarnibapi.h); a definition below that does
// not match fails to compile.
#define QUARNIBSIM_DECLARE(name, type) QUARNIBSIM_EXPORT std::remove_pointer_t<type> name;
QUARNIBSIM_DECLARE(InitializeQuarnib, QuarnibInitializeFn)
QUARNIBSIM_DECLARE(DeInitializeQuarnib, QuarnibDeInitializeFn)
QUARNIBSIM_DECLARE(EnumerateDevices, QuarnibEnumerateDevicesFn)
QUARNIBSIM_DECLARE(GetDeviceID, QuarnibGetDeviceIdFn)
QUARNIBSIM_DECLARE(GetDeviceInfo, QuarnibGetDeviceInfoFn)
QUARNIBSIM_DECLARE(MMRegRead32, QuarnibMmRegRead32Fn)
QUARNIBSIM_DECLARE(MMRegWrite32, QuarnibMmRegWrite32Fn)
QUARNIBSIM_DECLARE(ReadPCIConfigReg32, QuarnibReadPciConfigFn)
QUARNIBSIM_DECLARE(WritePCIConfigReg32, QuarnibWritePciConfigFn)
#undef QUARNIBSIM_DECLARE

namespace {

// Answers of a failed call.
constexpr int Failed = -1;
constexpr quint32 NoRegister = 0xFFFFFFFFu; // what a read of nothing returns

QuarnibSim &enter(const char *entry, bool &fail)
{
    QuarnibSim &sim = QuarnibSim::instance();
    fail = sim.calls.enter(entry) || !sim.initialized;
    return sim;
}

PciSimDevice *configDevice(QuarnibSim &sim, quint8 bus, quint8 device, quint8 function,
                           unsigned int offset)
{
    // Configuration registers are read and written as aligned dwords.
    if (offset % 4 != 0)
        return nullptr;
    return sim.machine.find(static_cast<unsigned int>(bus) << 8 | (device & 0x1Fu) << 3
                            | (function & 0x7u));
}

} // namespace

#ifndef QUARNIBSIM_NO_INITIALIZE
QUARNIBSIM_EXPORT int InitializeQuarnib(void *buffer)
{
    QuarnibSim &sim = QuarnibSim::instance();
    if (sim.calls.enter(__func__))
        return Failed;
    sim.load();
    sim.initialized = true;
    if (buffer) {
        char state[256] = "Simulated hardware tool library (not real hardware)";
        std::memcpy(buffer, state, sizeof state);
    }
    return 0;
}
#endif

QUARNIBSIM_EXPORT void DeInitializeQuarnib()
{
    QuarnibSim &sim = QuarnibSim::instance();
    sim.calls.enter(__func__);
    sim.initialized = false;
}

QUARNIBSIM_EXPORT DEVICE *EnumerateDevices()
{
    bool fail = false;
    QuarnibSim &sim = enter(__func__, fail);
    if (fail || sim.enumPosition >= sim.records.size())
        return nullptr;
    return reinterpret_cast<DEVICE *>(&sim.records[sim.enumPosition++]);
}

QUARNIBSIM_EXPORT quint16 GetDeviceID(DEVICE *record)
{
    bool fail = false;
    QuarnibSim &sim = enter(__func__, fail);
    const PciSimDevice *d = fail ? nullptr : sim.device(record);
    return d ? d->deviceId : 0xFFFF;
}

QUARNIBSIM_EXPORT int GetDeviceInfo(DEVICE *record, unsigned int kind, unsigned int *value)
{
    bool fail = false;
    QuarnibSim &sim = enter(__func__, fail);
    const PciSimDevice *d = fail ? nullptr : sim.device(record);
    if (!d || !value)
        return Failed;
    switch (kind) {
    case 6:
        *value = static_cast<unsigned int>(d->bus);
        return 0;
    case 7:
        *value = static_cast<unsigned int>(d->device);
        return 0;
    case 8:
        *value = static_cast<unsigned int>(d->function);
        return 0;
    default:
        return Failed;
    }
}

#ifndef QUARNIBSIM_NO_MM_WRITE
QUARNIBSIM_EXPORT void MMRegWrite32(DEVICE *record, unsigned int dwordIndex, quint32 value)
{
    bool fail = false;
    QuarnibSim &sim = enter(__func__, fail);
    sim.lastDwordIndex = dwordIndex;
    PciSimDevice *d = fail ? nullptr : sim.device(record);
    if (!d)
        return;
    const quint32 bytes = qToLittleEndian(value);
    d->writeRegisters(static_cast<uint64_t>(dwordIndex) * 4, &bytes, sizeof bytes);
}
#endif

QUARNIBSIM_EXPORT quint32 MMRegRead32(DEVICE *record, unsigned int dwordIndex)
{
    bool fail = false;
    QuarnibSim &sim = enter(__func__, fail);
    sim.lastDwordIndex = dwordIndex;
    const PciSimDevice *d = fail ? nullptr : sim.device(record);
    quint32 bytes = 0;
    if (!d || !d->readRegisters(static_cast<uint64_t>(dwordIndex) * 4, &bytes, sizeof bytes))
        return NoRegister;
    return qFromLittleEndian(bytes);
}

QUARNIBSIM_EXPORT int ReadPCIConfigReg32(quint8 bus, quint8 device, quint8 function,
                                         unsigned int offset, quint32 *value)
{
    bool fail = false;
    QuarnibSim &sim = enter(__func__, fail);
    const PciSimDevice *d = fail ? nullptr : configDevice(sim, bus, device, function, offset);
    quint32 bytes = 0;
    if (!d || !value || !d->readConfig(offset, &bytes, sizeof bytes))
        return Failed;
    *value = qFromLittleEndian(bytes);
    return 0;
}

QUARNIBSIM_EXPORT int WritePCIConfigReg32(quint8 bus, quint8 device, quint8 function,
                                          unsigned int offset, quint32 value)
{
    bool fail = false;
    QuarnibSim &sim = enter(__func__, fail);
    PciSimDevice *d = fail ? nullptr : configDevice(sim, bus, device, function, offset);
    const quint32 bytes = qToLittleEndian(value);
    return d && d->writeConfig(offset, &bytes, sizeof bytes) ? 0 : Failed;
}
