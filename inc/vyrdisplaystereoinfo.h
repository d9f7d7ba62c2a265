#pragma once

#include "noxapi.h"

#include <QtGlobal>

// The stereo 3D state of a display: the nine values of the driver's stereo 3D
// information record after its size word.
class VyrDisplayStereoInfo
{
public:
    static constexpr int ValueCount = 9;

    VyrDisplayStereoInfo() = default;
    explicit VyrDisplayStereoInfo(const tagZOVRETH_DISPLAY_STEREO3D_INFO &record)
    {
        for (int i = 0; i < ValueCount; ++i)
            values[i] = record.ulValues[i];
    }

    // Stereo states are never taken as equal: every refresh reports a new one.
    bool Compare(const VyrDisplayStereoInfo &) const { return false; }

    quint32 values[ValueCount] = {};
};
