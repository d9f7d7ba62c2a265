#pragma once

// State of the simulated hardware tool library: its machine, one device record per
// device, the enumeration position, call counters and armed failures.

#include "pcisimcalls.h"
#include "pcisimmachine.h"
#include "quarnibapi.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#define QUARNIBSIM_EXPORT extern "C" __attribute__((visibility("default")))

// The library's device record: what it hands out and gets back (as the caller's copy).
// Bytes 268-271 belong to the caller.
struct QuarnibSimRecord
{
    char signature[4]; // "QSIM"
    uint32_t slot;     // position in the machine's device list
    uint8_t bus;
    uint8_t device;
    uint8_t function;
    uint8_t reserved0;
    uint16_t vendorId;
    uint16_t deviceId;
    char name[96];
    uint8_t reserved1[156];
    uint16_t callerWord0;
    uint16_t callerWord1;
};
static_assert(sizeof(QuarnibSimRecord) == sizeof(DEVICE), "one DEVICE record");

struct QuarnibSim
{
    static QuarnibSim &instance();

    // Reads the machine anew and makes one record per device.
    bool load();
    // The device a record (the library's or a caller's copy) names; null for none.
    PciSimDevice *device(const DEVICE *record);

    PciSimMachine machine;
    std::vector<QuarnibSimRecord> records;
    PciSimCalls calls;
    bool initialized = false;
    size_t enumPosition = 0;
    unsigned int lastDwordIndex = 0;
};
