#pragma once

#include "items/displayid/displayidtimingitem.h"

// The entry of one Type II detailed timing descriptor (11 bytes; DisplayID 1.3, section 4.5):
// "Type II Detailed Timing n" with its fields in edit cells.
class Type2TimingEntry : public DisplayIDTimingItem
{
    Q_OBJECT

public:
    // blockIndex: the timing data block in the section's block map; descIndex: the descriptor
    // in it, from 0; model: the section, not owned.
    Type2TimingEntry(unsigned int blockIndex, unsigned int descIndex, DisplayIDBlock *model);

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
    QString storedText(const QString &name) const override;
};
