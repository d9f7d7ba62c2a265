#pragma once

#include "ceaextdatablockitem.h"

// A speaker allocation data block (CTA-861-G, section 7.5.3): its title row and its two payload
// bytes.
class CeaExtDataBlockSpeakerAllocItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockSpeakerAllocItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                                    unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;
};
