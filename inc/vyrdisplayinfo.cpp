#include "vyrdisplayinfo.h"

#include "noxtext.h"

VyrDisplayInfo::VyrDisplayInfo(const NOXDisplayInfo &record)
    : displayID(record.displayID)
    , iDisplayControllerIndex(record.iDisplayControllerIndex)
    , DisplayName(noxText(record.strDisplayName))
    , DisplayManufacturerName(noxText(record.strDisplayManufacturerName))
    , iDisplayType(record.iDisplayType)
    , iDisplayOutputType(record.iDisplayOutputType)
    , iDisplayConnector(record.iDisplayConnector)
    , iDisplayInfoMask(record.iDisplayInfoMask)
    , iDisplayInfoValue(record.iDisplayInfoValue)
{}

VyrDisplayInfo::VyrDisplayInfo(const NOXDisplayInfo *record)
{
    if (record != nullptr)
        *this = VyrDisplayInfo(*record);
}

bool VyrDisplayInfo::Compare(const VyrDisplayInfo &other) const
{
    return DisplayName == other.DisplayName
           && DisplayManufacturerName == other.DisplayManufacturerName
           && iDisplayConnector == other.iDisplayConnector;
}

QString VyrDisplayInfo::toString() const
{
    const auto hex = [](int value) {
        return QStringLiteral("0x") + QString::number(static_cast<quint32>(value), 16).toUpper();
    };
    QString text = QStringLiteral("NOXDisplayInfo\n");
    text += QStringLiteral("\t displayID.iDisplayLogicalAdapterIndex = %1\n")
                .arg(displayID.iDisplayLogicalAdapterIndex);
    text += QStringLiteral("\t displayID.iDisplayLogicalIndex = %1\n")
                .arg(displayID.iDisplayLogicalIndex);
    text += QStringLiteral("\t displayID.iDisplayPhysicalAdapterIndex = %1\n")
                .arg(displayID.iDisplayPhysicalAdapterIndex);
    text += QStringLiteral("\t displayID.iDisplayPhysicalIndex = %1\n")
                .arg(displayID.iDisplayPhysicalIndex);
    text += QStringLiteral("\t iDisplayConnector = %1\n").arg(iDisplayConnector);
    text += QStringLiteral("\t iDisplayControllerIndex = %1\n").arg(iDisplayControllerIndex);
    text += QStringLiteral("\t iDisplayInfoMask = %1\n").arg(hex(iDisplayInfoMask));
    text += QStringLiteral("\t iDisplayInfoValue = %1\n").arg(hex(iDisplayInfoValue));
    text += QStringLiteral("\t iDisplayOutputType = %1\n").arg(iDisplayOutputType);
    text += QStringLiteral("\t iDisplayType = %1\n").arg(iDisplayType);
    text += QStringLiteral("\t DisplayManufacturerName = %1\n").arg(DisplayManufacturerName);
    text += QStringLiteral("\t DisplayName = %1").arg(DisplayName);
    return text;
}
