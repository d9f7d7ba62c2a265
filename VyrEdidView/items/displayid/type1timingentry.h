#pragma once

#include "items/displayid/displayidtimingitem.h"

// The entry of one Type I detailed timing descriptor (20 bytes; DisplayID 1.3, section 4.4):
// "Type I Detailed Timing n" with its fields in edit cells.
class Type1TimingEntry : public DisplayIDTimingItem
{
    Q_OBJECT

public:
    // blockIndex: the timing data block in the section's block map; descIndex: the descriptor
    // in it, from 0; model: the section, not owned.
    Type1TimingEntry(unsigned int blockIndex, unsigned int descIndex, DisplayIDBlock *model);

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
    QString storedText(const QString &name) const override;
};
