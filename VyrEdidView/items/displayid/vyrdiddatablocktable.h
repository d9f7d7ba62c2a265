#pragma once

#include "model/displayid/displayidrecords.h"

#include <QString>

class DisplayIDBlock;
class VyrDIDItemBase;

// One kind of data block the DisplayID tree shows: its tag, the title of its item (and of its
// entry in the list of blocks to add), whether a new one can be added, and its item.
struct VyrDIDDataBlockKind
{
    unsigned int tag;
    const char *title; // untranslated, context "VyrDIDDataBlocks"
    bool addable;
    VyrDIDItemBase *(*create)(unsigned int index, DisplayIDBlock *model);
};

namespace VyrDIDDataBlocks {

// The data block kinds with an item, tags 0x00 to 0x10 in tag order. Other tags (Type V and VI
// timings, tiled display, vendor specific, reserved) have no item.
constexpr int Count = 17;
extern const VyrDIDDataBlockKind Table[Count];

// The kind of tag; null when no item shows it.
const VyrDIDDataBlockKind *find(unsigned int tag);
// The translated title of the item of tag; empty when there is none.
QString title(unsigned int tag);

} // namespace VyrDIDDataBlocks
