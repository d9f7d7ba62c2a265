#include "CeaExtDataBlockGenericSubItem.h"

#include "model/cea/ceaextblock.h"

CeaExtDataBlockGenericSubItem::CeaExtDataBlockGenericSubItem(unsigned int fieldCode,
                                                             unsigned int index,
                                                             unsigned int byteIndex,
                                                             CeaExtBlock *block,
                                                             unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
    , m_byteIndex(byteIndex)
{
    setText(VyrEdidColumn::Property,
            fieldCode == VendorIdCode ? tr("Vendor IEEE ID") : tr("Byte %1").arg(byteIndex));
}

bool CeaExtDataBlockGenericSubItem::InitItems()
{
    m_edit = placeLineEdit(this, storedText(), QStringLiteral("[HEX]"),
                           [this](const QString &text) { onItemDataChanged(text); });
    return true;
}

QString CeaExtDataBlockGenericSubItem::storedText() const
{
    CeaGenericDataBlock record{};
    if (m_block)
        m_block->GetGenericDataBlock(m_index, &record);
    if (m_fieldCode == VendorIdCode)
        return QString::asprintf("0x%06X", record.oui).toUpper();
    const unsigned int value = m_byteIndex < CeaMaxGenericPayload ? record.payload[m_byteIndex] : 0;
    return QString::number(value, 16).toUpper();
}

// Text that is not a hexadecimal number writes nothing; either way the editor then shows what
// the block holds (a byte keeps the low 8 bits of what was typed: "1FF" is stored and shown as
// "FF").
void CeaExtDataBlockGenericSubItem::onItemDataChanged(const QString &text)
{
    bool ok = false;
    if (m_fieldCode == VendorIdCode) {
        const uint oui = text.trimmed().toUInt(&ok, 16); // "0x" accepted
        if (ok) {
            editRecord<CeaGenericDataBlock>(
                m_block, &CeaExtBlock::GetGenericDataBlock, &CeaExtBlock::SetGenericDataBlock,
                [&](CeaGenericDataBlock &r) { r.oui = oui & 0xFFFFFFu; }, m_index);
        }
    } else {
        const short value = text.trimmed().toShort(&ok, 16);
        if (ok && m_byteIndex < CeaMaxGenericPayload) {
            editRecord<CeaGenericDataBlock>(
                m_block, &CeaExtBlock::GetGenericDataBlock, &CeaExtBlock::SetGenericDataBlock,
                [&](CeaGenericDataBlock &r) {
                    r.payload[m_byteIndex] = static_cast<quint8>(value & 0xFF);
                },
                m_index);
        }
    }
    if (!isDetached())
        setEditorText(m_edit, storedText());
}

QList<EdidItemLocation> CeaExtDataBlockGenericSubItem::GetItemLocations() const
{
    return m_block
               ? m_block->GetGenericDataBlockLocation(m_fieldCode, m_index, m_byteIndex, m_bytes)
               : QList<EdidItemLocation>();
}
