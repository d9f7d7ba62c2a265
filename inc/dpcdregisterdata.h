#pragma once

// One register of a DPCD snapshot: its address and the byte last read from it.
struct DpcdRegisterData
{
    unsigned int address = 0;
    unsigned int value = 0; // 0-255
};
