#include "vyrdidtreewidgetitem.h"

#include "frame/vyredidkinds.h"
#include "frame/vyredidrows.h"

VyrDIDTreeWidgetItem::VyrDIDTreeWidgetItem()
    : QObject(nullptr)
    , QTreeWidgetItem(VyrEdidItemKind::DisplayIdRow)
{}

VyrDIDTreeWidgetItem::~VyrDIDTreeWidgetItem()
{
    // As for every EDID row: nothing reaches this row once its tree item part goes.
    VyrEdidRows::detach(this);
}

void VyrDIDTreeWidgetItem::SetLocation(const EdidItemLocation &location)
{
    m_locations = {location};
}

QList<EdidItemLocation> VyrDIDTreeWidgetItem::GetItemLocations(bool focusedOnly) const
{
    Q_UNUSED(focusedOnly)
    return m_locations;
}
