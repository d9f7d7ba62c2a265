#pragma once

#include "model/edidtypes.h"

#include <QList>
#include <QObject>
#include <QTreeWidgetItem>

// A row below a DisplayID block item (item type 1119): a Qt object and a tree item that knows
// which bytes of the EDID image it shows. A row that edits two values holds the left value's
// location first and the right one's second.
class VyrDIDTreeWidgetItem : public QObject, public QTreeWidgetItem
{
    Q_OBJECT

public:
    VyrDIDTreeWidgetItem();
    ~VyrDIDTreeWidgetItem() override;

    VyrDIDTreeWidgetItem(const VyrDIDTreeWidgetItem &) = delete;
    VyrDIDTreeWidgetItem &operator=(const VyrDIDTreeWidgetItem &) = delete;

    // The location list becomes exactly {location}.
    void SetLocation(const EdidItemLocation &location);
    // The row's image ranges. With focusedOnly, the part of a two-value cell that has the
    // focus; the whole list otherwise.
    virtual QList<EdidItemLocation> GetItemLocations(bool focusedOnly) const;

protected:
    QList<EdidItemLocation> m_locations;
};
