#pragma once

#include "items/displayid/didtimingitems.h"
#include "items/displayid/vyrdiditembase.h"

namespace VyrDIDTimingEntries {

// Adds under item, a Type I, II or III timing data block already in its tree, one Entry per
// descriptor (0 to count - 1): each is added, given the whole data block as its location
// (header included, so selecting an entry shows its data block), then built.
template <typename Entry> void addTo(VyrDIDItemBase *item, unsigned int count)
{
    const EdidItemLocation block = item->Location();
    for (unsigned int desc = 0; desc < count; ++desc) {
        auto *entry = new Entry(item->index(), desc, item->model());
        QObject::connect(entry, &DetailedTimingDesc::editingFinished, item,
                         &VyrDIDItemBase::onEdidtingFinished);
        item->addChild(entry);
        entry->SetLocation(block);
        entry->InitItems();
    }
}

} // namespace VyrDIDTimingEntries
