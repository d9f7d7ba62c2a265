#include "ceaextlistitem.h"

#include <QHBoxLayout>

CeaExtListItem::CeaExtListItem(unsigned int startOffset, CeaExtBlock *block, unsigned char *image)
    // 1114: every CEA-861 item below the block item but the general information.
    : VyrEdidItemBase(image, VyrEdidItemKind::DetailedTiming)
    , m_block(block)
    , m_startOffset(startOffset)
{}

QList<EdidItemLocation> CeaExtListItem::GetItemLocations() const
{
    return {};
}

bool CeaExtListItem::addButtonShown() const
{
    return m_addButton && !m_addButton->isHidden();
}

void CeaExtListItem::refreshAddButton()
{
    if (m_addButton && !isDetached())
        m_addButton->setHidden(!allowAdd());
}

bool CeaExtListItem::commitBeforeChange()
{
    if (isDetached())
        return false;
    commitPendingEdit();
    return !isDetached();
}

QWidget *CeaExtListItem::holderOf(QWidget *button)
{
    auto *holder = new QWidget;
    auto *layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(button);
    layout->addStretch();
    return holder;
}
