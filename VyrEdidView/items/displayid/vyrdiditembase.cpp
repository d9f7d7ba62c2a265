#include "vyrdiditembase.h"

#include "items/displayid/vyrediddispidblockitem.h"
#include "model/displayid/displayidblock.h"
#include "model/displayid/displayidlayout.h"

#include <QDebug>

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
    return {m_model->GetStartOffset() + offset + DisplayIDLayout::HeaderBytes,
            header.payloadLength + DisplayIDLayout::BlockHeaderBytes};
}

unsigned int VyrDIDItemBase::payloadLength() const
{
    const EdidItemLocation whole = Location();
    return whole.length > DisplayIDLayout::BlockHeaderBytes
               ? whole.length - DisplayIDLayout::BlockHeaderBytes
               : 0;
}

unsigned int VyrDIDItemBase::BaseOffset() const
{
    unsigned int offset = 0;
    if (!m_model || !m_model->calculateOffset(m_index, offset))
        return 0;
    return m_model->GetStartOffset() + offset + DisplayIDLayout::HeaderBytes
           + DisplayIDLayout::BlockHeaderBytes;
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
