#pragma once

#include "items/displayid/vyrdiditembase.h"

class VyrDIDCheckBoxItems;
class VyrDIDComboBoxItem;
class VyrDIDLineEditItem;
struct DidDisplayInterfaceDataBlock;

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
    // proprietary interface; disables (and collapses) the others. The sub-type and the number
    // of links share one field: both rows show the stored one, after any edit, as a fresh build
    // would; a type without sub-types shows "N/A" as its sub-type. The LVDS and proprietary
    // boxes show the stored attribute bits.
    void showInterface(const DidDisplayInterfaceDataBlock &record);

    // The rows showInterface() switches and sets; owned by the tree.
    VyrDIDComboBoxItem *m_analogSubType = nullptr;
    VyrDIDLineEditItem *m_links = nullptr;
    VyrDIDCheckBoxItems *m_lvdsAttributes = nullptr;
    VyrDIDCheckBoxItems *m_proprietaryAttributes = nullptr;
};
