#pragma once

#include <QString>

struct AdapterInfo;

// The description of one driver adapter, copied from the driver's adapter record.
// The reserved fields and the driver key are not part of that record and stay empty.
struct VyrAdapterInfo
{
    VyrAdapterInfo() = default;
    explicit VyrAdapterInfo(const AdapterInfo &record);
    // A null record gives an empty description.
    explicit VyrAdapterInfo(const AdapterInfo *record);

    int iAdapterIndex = 0;
    QString UDID;
    int iBusNumber = 0;
    int iDeviceNumber = 0;
    int iFunctionNumber = 0;
    int iVendorID = 0;
    QString AdapterName;
    QString DisplayName;
    int iPresent = 0;
    int iReserved1 = 0;
    QString ReservedText1;
    QString DriverKey; // the adapter's key below the display device class in the registry
    QString ReservedText2;
    int iReserved2 = 0;
    int iXScreenNum_Lnx = 0;
    int iDrvIndex_Lnx = 0;
    QString XScreenConfigName_Lnx;

    // Equal when the same adapter is described: every field but the adapter index and
    // the display name.
    bool operator==(const VyrAdapterInfo &other) const;
    bool operator!=(const VyrAdapterInfo &other) const { return !(*this == other); }

    // One "\tname = value" line per field under a "VyrAdapterInfo" title.
    QString toString() const;
};
