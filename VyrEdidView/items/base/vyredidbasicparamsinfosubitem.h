#pragma once

#include "items/base/vyredidbasegroupitem.h"

// One row of the "Basic Params Info" group. Its code picks the title: 0 video input, 1 screen
// size, 2 gamma, 3 colour type, 5 to 10 the feature flags of byte 24 (4 is not used). Every row
// shows the whole group, bytes 20 to 24.
class VyrEdidBasicParamsInfoSubItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    enum Code : unsigned {
        VideoInput = 0,
        ScreenSize = 1,
        Gamma = 2,
        ColorType = 3,
        Standby = 5,
        Suspend = 6,
        ActiveOff = 7,
        StandardColorSpace = 8,
        ContinuousFrequency = 9, // EDID 1.3: GTF with default values
        PreferredTiming = 10,
        CodeCount
    };

    VyrEdidBasicParamsInfoSubItem(unsigned int code, Edid13Block *edid13, Edid14Block *edid14);

    QList<EdidItemLocation> GetItemLocations() const override;
};
