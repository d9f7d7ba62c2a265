#pragma once

#include "ceaextdatablockitem.h"

// A video capability data block (CTA-861-G, section 7.5.6): its title row and its payload byte.
class CeaExtDataBlockVideoCapItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockVideoCapItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                                unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;
};
