#include "vyrvbiosinfo.h"

#include "noxapi.h"
#include "noxtext.h"

void VyrVBiosInfo::Update(const NOXBiosInfo &record)
{
    partNumber = noxText(record.strPartNumber);
    version = noxText(record.strVersion);
    date = noxText(record.strDate);
}

bool VyrVBiosInfo::operator==(const VyrVBiosInfo &other) const
{
    return partNumber == other.partNumber && version == other.version && date == other.date;
}
