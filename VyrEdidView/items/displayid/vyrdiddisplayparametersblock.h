#pragma once

#include "items/displayid/vyrdiditembase.h"

// The display parameters data block (tag 0x01): image size, pixel counts, feature flags, gamma,
// aspect ratio and colour depths. A payload that is not 12 bytes is shown read-only: the model
// reads and writes only that layout.
class VyrDIDDisplayParametersBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
    QString storedText(const QString &name) const override;

private:
    bool isEditable() const;
};
