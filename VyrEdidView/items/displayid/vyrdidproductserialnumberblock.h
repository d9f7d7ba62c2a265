#pragma once

#include "items/displayid/vyrdidresizingitem.h"

// The product serial number data block (tag 0x0A): its text in the row "STR", which covers the
// whole payload. A text of another length grows or shrinks the data block; one of more than 247
// characters is refused.
class VyrDIDProductSerialNumberBlock : public VyrDIDResizingItem
{
    Q_OBJECT

public:
    using VyrDIDResizingItem::VyrDIDResizingItem;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
    QString storedText(const QString &name) const override;
};
