#pragma once

#include "ceaextdatablockitem.h"

// The HDMI vendor-specific data block (HDMI 1.4b, section 8.3.2): its title row and the whole
// block's bytes.
class CeaExtDataBlockVSHDMIItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockVSHDMIItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                              unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;
};
