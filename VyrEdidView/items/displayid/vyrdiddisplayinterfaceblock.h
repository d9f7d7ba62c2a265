#pragma once

#include "items/displayid/vyrdiditembase.h"

class VyrDIDCheckBoxItems;
class VyrDIDComboBoxItem;

// The display interface data block (tag 0x0F, DisplayID 1.3 section 4.16): interface type and
// number of links or analog sub-type, interface standard version, colour depths per encoding,
// content protection and the LVDS or proprietary attribute flags. Rows that do not apply to the
// chosen interface type are disabled.
class VyrDIDDisplayInterfaceBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;

private:
    // Enables the analog sub-type row for the analog type and the attribute group of an LVDS or
    // proprietary interface; disables (and collapses) the others. A type without sub-types shows
    // "N/A" as its sub-type.
    void applyInterfaceType(unsigned int type);

    // The rows applyInterfaceType() switches; owned by the tree.
    VyrDIDComboBoxItem *m_analogSubType = nullptr;
    VyrDIDCheckBoxItems *m_lvdsAttributes = nullptr;
    VyrDIDCheckBoxItems *m_proprietaryAttributes = nullptr;
};
