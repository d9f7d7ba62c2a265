#pragma once

#include "items/displayid/vyrdiditembase.h"

class VyrDIDComboBoxItem;
class VyrDIDTreeItem;
struct DidColorPoint;

// The colour characteristics data block (tag 0x02): the coordinate type (bit 7 of the data
// block's revision byte), the counts of white points and primaries, and each point's 12-bit
// coordinates, primaries first. A point cell writes its own point; a count edit that would
// change the payload length is refused.
class VyrDIDColorCharacteristicsBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
    QString storedText(const QString &name) const override;
    // The data block's tag byte (its header included), not its first payload byte.
    unsigned int BaseOffset() const override;

private:
    // Adds the two cells of point k to group.
    void addPoint(VyrDIDTreeItem *group, unsigned k, const DidColorPoint &point, bool editable);

    // The coordinate type list; owned by the tree.
    VyrDIDComboBoxItem *m_type = nullptr;
};
