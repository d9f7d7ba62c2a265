#include "CeaExtDataBlockVideoCapItem.h"

#include "CeaExtDataBlockVideoCapSubItem.h"
#include "model/cea/ceaextblock.h"

CeaExtDataBlockVideoCapItem::CeaExtDataBlockVideoCapItem(unsigned int fieldCode, unsigned int index,
                                                         CeaExtBlock *block, unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("CEA Video Capabilities"));
}

QString CeaExtDataBlockVideoCapItem::labelOf(unsigned int code)
{
    for (const FieldRow &entry : Rows) {
        if (entry.code == code)
            return tr(entry.label);
    }
    return QString();
}

bool CeaExtDataBlockVideoCapItem::InitItems()
{
    CeaVideoCaps caps{};
    if (m_block)
        m_block->GetVideoCaps(m_index, &caps);
    for (const FieldRow &entry : Rows) {
        auto *row = new CeaExtDataBlockVideoCapSubItem(entry.code, m_index, m_block, m_bytes);
        addChild(row);
        row->InitItems();
        const auto set = entry.set;
        placeComboBox(row, entry.entries(), static_cast<int>(entry.get(caps)), [this, set](int k) {
            if (k < 0)
                return;
            editRecord<CeaVideoCaps>(
                m_block, &CeaExtBlock::GetVideoCaps, &CeaExtBlock::SetVideoCaps,
                [&](CeaVideoCaps &c) { set(c, static_cast<unsigned int>(k)); }, m_index);
        });
    }
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockVideoCapItem::GetItemLocations() const
{
    return m_block ? m_block->GetVideoCapsLocation(~0u, m_index, m_bytes)
                   : QList<EdidItemLocation>();
}
