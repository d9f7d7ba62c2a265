#pragma once

#include "items/displayid/displayidtimingitem.h"

// The entry of one Type III short timing descriptor (3 bytes; DisplayID 1.3, section 4.6):
// "Type III Short Timing n" with its fields in edit cells.
class Type3TimingEntry : public DisplayIDTimingItem
{
    Q_OBJECT

public:
    // blockIndex: the timing data block in the section's block map; descIndex: the descriptor
    // in it, from 0; model: the section, not owned.
    Type3TimingEntry(unsigned int blockIndex, unsigned int descIndex, DisplayIDBlock *model);

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
    QString storedText(const QString &name) const override;
};
