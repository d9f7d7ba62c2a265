#pragma once

#include "ceaextdatablockflagsitem.h"

// A speaker allocation data block (CTA-861-G, section 7.5.3): one check box per speaker pair,
// grouped as front, top and rear speakers.
class CeaExtDataBlockSpeakerAllocItem : public CeaExtDataBlockFlagsItem<CeaSpeakerAllocation>
{
    Q_OBJECT

public:
    CeaExtDataBlockSpeakerAllocItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                                    unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // The label of a row's field code; empty for a code the block does not have.
    static QString labelOf(unsigned int code);

private:
    static const FlagRow Rows[13];
};
