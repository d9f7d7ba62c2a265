#pragma once

#include "ceaextdatablockitem.h"

// A colorimetry data block (CTA-861-G, section 7.5.5): its title row and its two payload bytes.
class CeaExtDataBlockColorimetryItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockColorimetryItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                                   unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;
};
