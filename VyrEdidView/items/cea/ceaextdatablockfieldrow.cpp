#include "ceaextdatablockfieldrow.h"

#include "model/cea/ceaextblock.h"

CeaExtDataBlockFieldRow::CeaExtDataBlockFieldRow(unsigned int fieldCode, unsigned int index,
                                                 CeaExtBlock *block, unsigned char *image,
                                                 const QString &label, Locate locate)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
    , m_locate(locate)
{
    setText(VyrEdidColumn::Property, label);
}

QList<EdidItemLocation> CeaExtDataBlockFieldRow::GetItemLocations() const
{
    return m_block ? (m_block->*m_locate)(m_fieldCode, m_index, m_bytes)
                   : QList<EdidItemLocation>();
}
