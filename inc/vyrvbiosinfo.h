#pragma once

#include <QString>

struct NOXBiosInfo;

// The adapter's video BIOS: part number, version and date.
struct VyrVBiosInfo
{
    QString partNumber;
    QString version;
    QString date;

    void Update(const NOXBiosInfo &record);
    bool operator==(const VyrVBiosInfo &other) const;
    bool operator!=(const VyrVBiosInfo &other) const { return !(*this == other); }
};
