#pragma once

// Test controls of the simulated hardware tool library: extra exported functions that
// tests resolve by name.

extern "C" {
// Reloads the machine (VYRSIM_QUARNIB_MACHINE, else the built-in one) and clears the
// call counters and armed failures. 0, or -1 when the machine file cannot be read.
typedef int (*QuarnibSimResetFn)();
// Calls of an entry point since the last reset.
typedef int (*QuarnibSimCallCountFn)(const char *entry);
// Makes the nth call from now (1 = the next) of an entry point fail; 0: every call.
typedef void (*QuarnibSimFailFn)(const char *entry, int nth);
// The dword index passed by the last "MMRegRead32" or "MMRegWrite32" call.
typedef unsigned int (*QuarnibSimLastDwordIndexFn)();
}
