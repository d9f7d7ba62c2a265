#include "vyredidcvt3bytesubitem.h"

#include "items/base/descriptorbytes.h"
#include "model/datablock.h"

namespace {

// A CVT 3-byte code descriptor holds its four codes from byte 6 on (VESA E-EDID 1.4, section
// 3.10.3.8).
const unsigned int DescriptorCodesByte = 6;
const unsigned int CodeSize = 3;

} // namespace

VyrEdidCVT3ByteSubItem::VyrEdidCVT3ByteSubItem(unsigned int index, DataBlock *block,
                                               unsigned int section)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::Cvt3Byte)
    , m_index(index)
    , m_section(section)
    , m_block(block)
{}

bool VyrEdidCVT3ByteSubItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> VyrEdidCVT3ByteSubItem::GetItemLocations() const
{
    return timingBytes(m_block, m_section, DescriptorCodesByte + CodeSize * m_index, CodeSize,
                       &DataBlock::GetCvt3ByteTimingLocation, m_index);
}
