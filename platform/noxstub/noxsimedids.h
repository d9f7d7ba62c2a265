#pragma once

#include <cstddef>

// An EDID compiled into the simulated library, found by key ("tv", "dpmonitor", ...).
struct NoxSimEdid
{
    const char *key;
    const unsigned char *data;
    size_t size;
};

// Terminated by a row whose key is null.
extern const NoxSimEdid noxSimEdids[];
