#pragma once

#include "ceaextlistitem.h"

// "Detailed Timings": the 18-byte detailed timing descriptors that follow the data blocks of a
// CEA-861 extension, one CeaExtDetiledTimingSubItem each with a remove button, and an add button
// on the list's row while the block has room for one more (at least 18 free bytes, fewer than six
// descriptors). Adding and removing go through the block, then every descriptor row is built
// again, so each row's number and its remove button match the descriptor's place.
// Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
class CeaExtDetiledTimingItem : public CeaExtListItem
{
    Q_OBJECT

public:
    CeaExtDetiledTimingItem(unsigned int startOffset, CeaExtBlock *block, unsigned char *image);

    bool InitItems() override;
    // Builds the descriptor rows again from the block.
    void updateBlockData();

    unsigned int dtdCount() const { return m_dtdCount; }

public slots:
    // Both ignore the role; onAddDTD ignores the index too.
    void onAddDTD(unsigned int index, bool add);
    void onRemoveDTD(unsigned int index, bool add);

protected:
    bool allowAdd() const override;

private:
    unsigned int m_dtdCount = 0;
};
