// Test controls of the simulated device-helper library (see brellixsimcontrol.h).

#include "brellixsimcontrol.h"

#include "brellixsim.h"
#include "pcisimstate.h"

namespace {

__attribute__((destructor)) void releaseState()
{
    PciSimState<BrellixSim>::release();
}

} // namespace

BrellixSim &BrellixSim::instance()
{
    return PciSimState<BrellixSim>::instance();
}

BRELLIXSIM_EXPORT int brellixsim_reset()
{
    BrellixSim &sim = BrellixSim::instance();
    sim.calls.reset();
    sim.calls.traceTo(qgetenv("VYRSIM_BRELLIX_TRACE"));
    sim.initialized = false;
    sim.enumPosition = 0;
    sim.loaded = true;
    return sim.machine.loadFromEnvironment("VYRSIM_BRELLIX_MACHINE") ? 0 : -1;
}

BRELLIXSIM_EXPORT int brellixsim_call_count(const char *entry)
{
    return entry ? BrellixSim::instance().calls.count(entry) : 0;
}

BRELLIXSIM_EXPORT void brellixsim_fail(const char *entry, int nth)
{
    if (entry)
        BrellixSim::instance().calls.fail(entry, nth);
}
