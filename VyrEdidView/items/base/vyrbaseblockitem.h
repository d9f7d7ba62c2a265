#pragma once

#include "items/base/vyredidbasegroupitem.h"

#include <QList>

class DataBlock;

// The item of the 128-byte EDID base block (1.3 or 1.4). It shows no value itself: it is the
// parent of the seven field groups of the block, built by the constructor (no tree needed), so
// that the root can ask a base block item for its size and extension count before InitItems().
class VyrEdidBaseBlockItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    VyrEdidBaseBlockItem(unsigned char *block, Edid13Block *edid13, Edid14Block *edid14);

    bool InitItems() override;
    unsigned int GetNumberOfExtentions() override;
    void SetNumberOfExtentions(unsigned int count) override;
    unsigned int GetBlockSize() const override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // The seven groups in the order they were made: header, general information, basic
    // display parameters, colour characteristics, established timings, standard timings,
    // descriptors.
    const QList<VyrEdidItemBase *> &groups() const { return m_children; }

private:
    QList<VyrEdidItemBase *> m_children;
};

// The 8-byte header of the base block: no rows, no value.
class VyrEdidHeaderInfoItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    VyrEdidHeaderInfoItem(unsigned char *block, Edid13Block *edid13, Edid14Block *edid14);

    QList<EdidItemLocation> GetItemLocations() const override;
};
