#pragma once

#include "noxapi.h"

#include <QString>

// The information record of one display, copied from the driver's display record.
struct VyrDisplayInfo
{
    VyrDisplayInfo() = default;
    explicit VyrDisplayInfo(const NOXDisplayInfo &record);
    // A null record gives an all-zero information record.
    explicit VyrDisplayInfo(const NOXDisplayInfo *record);

    // The display's key is displayID.iDisplayLogicalIndex.
    NOXDisplayIdentifier displayID = {0, 0, 0, 0};
    int iDisplayControllerIndex = 0;
    QString DisplayName;
    QString DisplayManufacturerName;
    int iDisplayType = 0;
    int iDisplayOutputType = 0;
    int iDisplayConnector = 0;
    int iDisplayInfoMask = 0;
    int iDisplayInfoValue = 0; // NOX_DISPLAY_DISPLAYINFO_*: bit 0 connected, bit 1 mapped

    // The same monitor on the same connector: names and connector are equal.
    bool Compare(const VyrDisplayInfo &other) const;
    // One "\t name = value" line per field under a "NOXDisplayInfo" title.
    QString toString() const;
};
