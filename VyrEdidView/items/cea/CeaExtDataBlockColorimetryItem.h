#pragma once

#include "ceaextdatablockflagsitem.h"

// A colorimetry data block (CTA-861-G, section 7.5.5): one check box per colorimetry and
// metadata profile flag; the reserved bits of both payload bytes are kept.
class CeaExtDataBlockColorimetryItem : public CeaExtDataBlockFlagsItem<CeaColometry>
{
    Q_OBJECT

public:
    CeaExtDataBlockColorimetryItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                                   unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // The label of a row's field code; empty for a code the block does not have.
    static QString labelOf(unsigned int code);

private:
    static const FlagRow Rows[9];
};
