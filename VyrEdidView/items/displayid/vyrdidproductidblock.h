#pragma once

#include "items/displayid/vyrdidresizingitem.h"

// The product identification data block (tag 0x00): vendor ID, product code, serial number,
// week and year of manufacture, and the product name, whose length resizes the data block. A
// payload of another length than its fixed part and name is shown read-only.
struct DidProductIdDataBlock;

class VyrDIDProductIdBlock : public VyrDIDResizingItem
{
    Q_OBJECT

public:
    using VyrDIDResizingItem::VyrDIDResizingItem;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
    QString storedText(const QString &name) const override;

private:
    // The text of the row reporting under name for record; null for no such row.
    static QString shownText(const QString &name, const DidProductIdDataBlock &record);
    // Whether the payload is exactly the fixed 12 bytes and the name: the model writes that
    // layout, and would cut bytes behind the name.
    bool isComplete() const;
};
