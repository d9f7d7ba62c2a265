// Test controls of the simulated hardware tool library (see quarnibsimcontrol.h).

#include "quarnibsimcontrol.h"

#include "quarnibsim.h"

QUARNIBSIM_EXPORT int quarnibsim_reset()
{
    QuarnibSim &sim = QuarnibSim::instance();
    sim.calls.reset();
    sim.lastDwordIndex = 0;
    sim.initialized = false;
    return sim.load() ? 0 : -1;
}

QUARNIBSIM_EXPORT int quarnibsim_call_count(const char *entry)
{
    return entry ? QuarnibSim::instance().calls.count(entry) : 0;
}

QUARNIBSIM_EXPORT void quarnibsim_fail(const char *entry, int nth)
{
    if (entry)
        QuarnibSim::instance().calls.fail(entry, nth);
}

QUARNIBSIM_EXPORT unsigned int quarnibsim_last_dword_index()
{
    return QuarnibSim::instance().lastDwordIndex;
}
