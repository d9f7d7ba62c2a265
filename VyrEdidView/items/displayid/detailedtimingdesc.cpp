#include "detailedtimingdesc.h"

unsigned int DetailedTimingDesc::BaseOffset() const
{
    return m_locations.isEmpty() ? 0 : m_locations.first().offset;
}

void DetailedTimingDesc::onEdidtingFinished(const QString &name, const QVariant &value)
{
    editAndShowStored(sender(), name, [&] { DoEdit(name, value); });
}
