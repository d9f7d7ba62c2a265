#include "quarnibsim.h"

#include "pcisimstate.h"

#include <cstring>

namespace {

__attribute__((destructor)) void releaseState()
{
    PciSimState<QuarnibSim>::release();
}

} // namespace

QuarnibSim &QuarnibSim::instance()
{
    return PciSimState<QuarnibSim>::instance();
}

bool QuarnibSim::load()
{
    const bool ok = machine.loadFromEnvironment("VYRSIM_QUARNIB_MACHINE");
#ifdef QUARNIBSIM_DEVICE_COUNT
    machine.growTo(QUARNIBSIM_DEVICE_COUNT);
#endif
    records.assign(machine.devices.size(), QuarnibSimRecord{});
    for (size_t i = 0; i < records.size(); ++i) {
        const PciSimDevice &d = machine.devices[i];
        QuarnibSimRecord &r = records[i];
        std::memcpy(r.signature, "QSIM", 4);
        r.slot = static_cast<uint32_t>(i);
        r.bus = static_cast<uint8_t>(d.bus);
        r.device = static_cast<uint8_t>(d.device);
        r.function = static_cast<uint8_t>(d.function);
        r.vendorId = d.vendorId;
        r.deviceId = d.deviceId;
        const QByteArray name = d.name.toUtf8().left(sizeof r.name - 1);
        std::memcpy(r.name, name.constData(), static_cast<size_t>(name.size()));
    }
    enumPosition = 0;
    return ok;
}

PciSimDevice *QuarnibSim::device(const DEVICE *record)
{
    if (!record)
        return nullptr;
    QuarnibSimRecord r;
    std::memcpy(&r, record, sizeof r);
    if (std::memcmp(r.signature, "QSIM", 4) != 0 || r.slot >= machine.devices.size())
        return nullptr;
    PciSimDevice &d = machine.devices[r.slot];
    const unsigned int location = static_cast<unsigned int>(r.bus) << 8
                                  | static_cast<unsigned int>(r.device) << 3
                                  | static_cast<unsigned int>(r.function);
    return d.location() == location ? &d : nullptr;
}
