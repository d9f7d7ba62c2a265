#pragma once

#include "frame/vyrediditembase.h"

class CeaExtBlock;

// One field row of a CEA-861 detailed timing: its title and the descriptor bytes of the field.
// Field codes 10 to 27 (a base block descriptor's field codes plus 10); any
// other code has no title and covers the whole descriptor.
// Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
class CeaExtDetiledTimingSubChildItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    static constexpr unsigned int FirstFieldCode = 10;

    // index: the descriptor's number in the block (0 = the first after the data blocks).
    CeaExtDetiledTimingSubChildItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                                    unsigned char *image);

    // The title is set by the constructor: nothing to build.
    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int fieldCode() const { return m_fieldCode; }

private:
    unsigned int m_index;
    unsigned int m_fieldCode;
    CeaExtBlock *m_block;
};
