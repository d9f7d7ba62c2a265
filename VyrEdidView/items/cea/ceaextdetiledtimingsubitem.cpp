#include "ceaextdetiledtimingsubitem.h"

#include "ceaextdetiledtimingsubchilditem.h"
#include "model/cea/ceaextblock.h"

CeaExtDetiledTimingSubItem::CeaExtDetiledTimingSubItem(unsigned int index, CeaExtBlock *block,
                                                       unsigned char *image)
    : VyrEdidDetiledTimingItem(index, index + 1, block)
    , m_ceaBlock(block)
{
    m_bytes = image;
    setText(VyrEdidColumn::Property, tr("Detailed Timings Info"));
}

QList<EdidItemLocation> CeaExtDetiledTimingSubItem::GetItemLocations() const
{
    return m_ceaBlock ? m_ceaBlock->GetDetiledTimingLocation(FieldCode, m_slotNumber, m_bytes)
                      : QList<EdidItemLocation>();
}

VyrEdidItemBase *CeaExtDetiledTimingSubItem::createFieldRow(unsigned int code)
{
    return new CeaExtDetiledTimingSubChildItem(
        code + CeaExtDetiledTimingSubChildItem::FirstFieldCode, m_slotNumber, m_ceaBlock, m_bytes);
}
