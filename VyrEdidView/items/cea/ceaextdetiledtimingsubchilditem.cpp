#include "ceaextdetiledtimingsubchilditem.h"

#include "model/cea/ceaextblock.h"
#include "vyrediddtdfieldsitem.h"

CeaExtDetiledTimingSubChildItem::CeaExtDetiledTimingSubChildItem(unsigned int fieldCode,
                                                                 unsigned int index,
                                                                 CeaExtBlock *block,
                                                                 unsigned char *image)
    // 1114: every CEA-861 item below the block item but the general information.
    : VyrEdidItemBase(image, VyrEdidItemKind::DetailedTiming)
    , m_index(index)
    , m_fieldCode(fieldCode)
    , m_block(block)
{
    const unsigned int field = fieldCode - FirstFieldCode; // wraps for codes below 10
    setText(VyrEdidColumn::Property, VyrEdidDtdFieldsItem::fieldLabel(field));
}

bool CeaExtDetiledTimingSubChildItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> CeaExtDetiledTimingSubChildItem::GetItemLocations() const
{
    return m_block ? m_block->GetDetiledTimingLocation(m_fieldCode, m_index, m_bytes)
                   : QList<EdidItemLocation>();
}
