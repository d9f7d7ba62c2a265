#include "ceaextdetiledtimingsubitem.h"

#include "ceaextdetiledtimingsubchilditem.h"
#include "model/cea/ceaextblock.h"

CeaExtDetiledTimingSubItem::CeaExtDetiledTimingSubItem(unsigned int index, CeaExtBlock *block,
                                                       unsigned char *image)
    : VyrEdidDtdFieldsItem(image, VyrEdidItemKind::DetailedTiming, block, index)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("Detailed Timings Info"));
}

bool CeaExtDetiledTimingSubItem::InitItems()
{
    return m_block && buildFieldRows();
}

QList<EdidItemLocation> CeaExtDetiledTimingSubItem::GetItemLocations() const
{
    return m_block ? m_block->GetDetiledTimingLocation(FieldCode, m_dtdIndex, m_bytes)
                   : QList<EdidItemLocation>();
}

VyrEdidItemBase *CeaExtDetiledTimingSubItem::createFieldRow(unsigned int field)
{
    return new CeaExtDetiledTimingSubChildItem(
        field + CeaExtDetiledTimingSubChildItem::FirstFieldCode, m_dtdIndex, m_block, m_bytes);
}
