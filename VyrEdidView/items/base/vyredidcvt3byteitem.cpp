#include "vyredidcvt3byteitem.h"

#include "model/datablock.h"

#include <QCoreApplication>

VyrEdidCVT3ByteItem::VyrEdidCVT3ByteItem(unsigned int section, unsigned int count, DataBlock *block)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::Cvt3Byte)
    , m_section(section)
    , m_count(count)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, QCoreApplication::translate("QObject", "CVT 3Byte Timings"));
}

bool VyrEdidCVT3ByteItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> VyrEdidCVT3ByteItem::GetItemLocations() const
{
    return m_block ? m_block->GetCvt3ByteTimingLocation(~0u, m_section) : QList<EdidItemLocation>();
}
