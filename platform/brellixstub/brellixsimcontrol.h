#pragma once

// Test controls of the simulated device-helper library: extra exported functions that
// tests resolve by name.

extern "C" {
// Reloads the machine (VYRSIM_BRELLIX_MACHINE, else the demo), ends the initialised
// state and clears the call counters and armed failures. 0, or -1 when the machine
// file cannot be read (the demo is used then).
typedef int (*BrellixSimResetFn)();
// Calls of an entry point since the last reset.
typedef int (*BrellixSimCallCountFn)(const char *entry);
// Makes the nth call from now (1 = the next) of an entry point fail; 0: every call.
typedef void (*BrellixSimFailFn)(const char *entry, int nth);
}
