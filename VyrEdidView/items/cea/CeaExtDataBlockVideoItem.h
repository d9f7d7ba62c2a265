#pragma once

#include "ceaextdatablockitem.h"

// A video data block (CTA-861-G, section 7.5.1): its title row and the whole block's bytes.
class CeaExtDataBlockVideoItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockVideoItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                             unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;
};
