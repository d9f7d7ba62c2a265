#include "vyradapterinfo.h"

#include "noxapi.h"
#include "noxtext.h"

VyrAdapterInfo::VyrAdapterInfo(const AdapterInfo &record)
    : iAdapterIndex(record.iAdapterIndex)
    , UDID(noxText(record.strUDID))
    , iBusNumber(record.iBusNumber)
    , iDeviceNumber(record.iDeviceNumber)
    , iFunctionNumber(record.iFunctionNumber)
    , iVendorID(record.iVendorID)
    , AdapterName(noxText(record.strAdapterName))
    , DisplayName(noxText(record.strDisplayName))
    , iPresent(record.iPresent)
    , iXScreenNum_Lnx(record.iXScreenNum)
    , iDrvIndex_Lnx(record.iDrvIndex)
    , XScreenConfigName_Lnx(noxText(record.strXScreenConfigName))
{}

VyrAdapterInfo::VyrAdapterInfo(const AdapterInfo *record)
{
    if (record != nullptr)
        *this = VyrAdapterInfo(*record);
}

bool VyrAdapterInfo::operator==(const VyrAdapterInfo &other) const
{
    return iBusNumber == other.iBusNumber && iDeviceNumber == other.iDeviceNumber
           && iReserved1 == other.iReserved1 && iFunctionNumber == other.iFunctionNumber
           && iReserved2 == other.iReserved2 && iPresent == other.iPresent
           && iVendorID == other.iVendorID && AdapterName == other.AdapterName
           && ReservedText1 == other.ReservedText1 && DriverKey == other.DriverKey
           && ReservedText2 == other.ReservedText2 && UDID == other.UDID
           && iDrvIndex_Lnx == other.iDrvIndex_Lnx && iXScreenNum_Lnx == other.iXScreenNum_Lnx
           && XScreenConfigName_Lnx == other.XScreenConfigName_Lnx;
}

QString VyrAdapterInfo::toString() const
{
    QString text = QStringLiteral("VyrAdapterInfo\n");
    text += QStringLiteral("\tiAdapterIndex =%1\n").arg(iAdapterIndex);
    text += QStringLiteral("\tiBusNumber = %1\n").arg(iBusNumber);
    text += QStringLiteral("\tiDeviceNumber = %1\n").arg(iDeviceNumber);
    text += QStringLiteral("\tiXScreenNum_Lnx = %1\n").arg(iXScreenNum_Lnx);
    text += QStringLiteral("\tiDrvIndex_Lnx = %1\n").arg(iDrvIndex_Lnx);
    text += QStringLiteral("\tXScreenConfigName_Lnx = %1\n").arg(XScreenConfigName_Lnx);
    text += QStringLiteral("\tiFunctionNumber = %1\n").arg(iFunctionNumber);
    text += QStringLiteral("\tiPresent = %1\n").arg(iPresent);
    text += QStringLiteral("\tiVendorID = %1\n").arg(iVendorID);
    text += QStringLiteral("\tAdapterName = %1\n").arg(AdapterName);
    text += QStringLiteral("\tDisplayName = %1\n").arg(DisplayName);
    text += QStringLiteral("\tUDID = %1").arg(UDID);
    return text;
}
