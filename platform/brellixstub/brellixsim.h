#pragma once

// State of the simulated device-helper library: its machine, whether "Initialize" has
// run, the enumeration position, call counters and armed failures.

#include "pcisimcalls.h"
#include "pcisimmachine.h"

#include <cstddef>

#define BRELLIXSIM_EXPORT extern "C" __attribute__((visibility("default")))

struct BrellixSim
{
    static BrellixSim &instance();

    PciSimMachine machine;
    PciSimCalls calls;
    bool loaded = false;
    bool initialized = false;
    size_t enumPosition = 0;
};
