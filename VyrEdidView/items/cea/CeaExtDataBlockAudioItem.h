#pragma once

#include "ceaextdatablockitem.h"

// An audio data block (CTA-861-G, section 7.5.2): its title row; the item reports the block's bytes
// as given by the block object for the first short audio descriptor.
class CeaExtDataBlockAudioItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockAudioItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                             unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;
};
