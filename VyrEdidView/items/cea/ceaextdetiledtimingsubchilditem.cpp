#include "ceaextdetiledtimingsubchilditem.h"

#include "items/base/vyrediddetiledtimingsubitem.h"
#include "model/cea/ceaextblock.h"

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
    // A base block field's label; codes below 10 wrap to no label.
    setText(VyrEdidColumn::Property,
            VyrEdidDetiledTimingSubItem::fieldLabel(fieldCode - FirstFieldCode));
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
