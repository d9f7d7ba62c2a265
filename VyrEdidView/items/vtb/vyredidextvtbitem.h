#pragma once

#include "frame/vyrediditembase.h"

class EdidExtVtb;

// A VTB-EXT (video timing block) extension block. The item shows its title and reports the block's
// bytes.
class VyrEdidExtVtbItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidExtVtbItem(unsigned char *image, unsigned int startOffset, EdidExtVtb *block);

    bool InitItems() override;
    unsigned int GetBlockSize() const override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int startOffset() const { return m_startOffset; }
    EdidExtVtb *block() const { return m_block; }

private:
    unsigned int m_startOffset;
    EdidExtVtb *m_block;
};
