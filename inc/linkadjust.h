#pragma once

#include <QtGlobal>

// Drive settings of one DisplayPort lane: voltage swing, pre-emphasis and a third lane
// value (post-cursor 2), each sent to the driver as a byte.
struct LinkAdjust
{
    quint32 voltageSwing = 0;
    quint32 preEmphasis = 0;
    quint32 postCursor2 = 0;
};
