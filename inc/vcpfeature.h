#pragma once

// One VCP code a monitor lists in its MCCS capability string, with the maximum and
// current value the display reads for it afterwards (both 0 until then).
struct VcpFeature
{
    unsigned int code = 0;
    unsigned int max = 0;
    unsigned int current = 0;
};
