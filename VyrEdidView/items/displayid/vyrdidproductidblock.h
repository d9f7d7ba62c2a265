#pragma once

#include "items/displayid/vyrdidresizingitem.h"

// The product identification data block (tag 0x00): vendor ID, product code, serial number,
// week and year of manufacture, and the product name, whose length resizes the data block. A
// payload of another length than its fixed part and name is shown read-only.
class VyrDIDProductIdBlock : public VyrDIDResizingItem
{
    Q_OBJECT

public:
    using VyrDIDResizingItem::VyrDIDResizingItem;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;

private:
    // Whether the payload is exactly the fixed 12 bytes and the name: the model writes that
    // layout, and would cut bytes behind the name.
    bool isComplete() const;
};
