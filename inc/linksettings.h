#pragma once

#include <QtGlobal>

// Lane count and link rate of a DisplayPort link.
struct LinkSettings
{
    quint32 laneCount = 0;
    quint32 linkRate = 0;
};
