#include "vyrdiditembase.h"

#include "items/displayid/vyrediddispidblockitem.h"
#include "model/displayid/displayidblock.h"

#include <QDebug>

// Bytes in front of a data block's payload: the section header, then the data block header.
static constexpr unsigned int SectionHeaderBytes = 4;
static constexpr unsigned int BlockHeaderBytes = 3;

VyrDIDItemBase::VyrDIDItemBase(unsigned int index, DisplayIDBlock *model)
    : m_index(index)
    , m_model(model)
{
    SetLocation(Location());
}

EdidItemLocation VyrDIDItemBase::Location() const
{
    unsigned int offset = 0;
    if (!m_model || !m_model->calculateOffset(m_index, offset))
        return {0, 0};
    DisplayID_Block_Header header;
    m_model->GetDisplayBlockHeader(m_index, &header);
    return {m_model->GetStartOffset() + offset + SectionHeaderBytes,
            header.payloadLength + BlockHeaderBytes};
}

unsigned int VyrDIDItemBase::payloadLength() const
{
    const EdidItemLocation whole = Location();
    return whole.length > BlockHeaderBytes ? whole.length - BlockHeaderBytes : 0;
}

unsigned int VyrDIDItemBase::BaseOffset() const
{
    unsigned int offset = 0;
    if (!m_model || !m_model->calculateOffset(m_index, offset))
        return 0;
    return m_model->GetStartOffset() + offset + SectionHeaderBytes + BlockHeaderBytes;
}

void VyrDIDItemBase::onEdidtingFinished(const QString &name, const QVariant &value)
{
    editAndShowStored(sender(), name, [&] { DoEdit(name, value); });
}

void VyrDIDItemBase::rebuildSection()
{
    for (QTreeWidgetItem *row = QTreeWidgetItem::parent(); row; row = row->parent()) {
        if (auto *section = dynamic_cast<VyrEdidDispIdBlockItem *>(row)) {
            section->requestRebuild();
            return;
        }
    }
}

void VyrDIDItemBase::logEdit(const char *who, const QString &name, const QVariant &value)
{
    QDebug debug = qDebug().nospace();
    if (who)
        debug << who << ' ';
    debug << "edited \"" << qPrintable(name) << "\"  " << value;
}
