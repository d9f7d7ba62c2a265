#pragma once

#include "model/vyredidblockrecogniser.h"

#include <array>
#include <cstddef>

class VyrEdidItemBase;

// Which item the root builds for each kind of recognised block. The frame knows the kinds
// (VyrEdidBlockKind) but no item family: the families name their block items in one table,
// items/vyredidblockitemtable.cpp, which installs itself here when the program starts. The root
// reads it through create().
namespace VyrEdidBlockItems {

// Makes the item of block, a block of the EDID image that starts at image; the block object
// stays with the root. The root adds the item to the tree, then calls its InitItems().
using Factory = VyrEdidItemBase *(*)(unsigned char *image, const VyrEdidRecognisedBlock &block);

// One factory per kind, at the kind's number (VyrEdidBlockKind::Unknown is the last kind); null
// for a kind without item (None).
constexpr std::size_t KindCount = static_cast<std::size_t>(VyrEdidBlockKind::Unknown) + 1;
using Table = std::array<Factory, KindCount>;

// Installs the table the root reads from now on. Answers true, so that the table can install
// itself as a constant's initialiser.
bool install(const Table &table);

// The item for block; null for a kind without item. No table installed is a broken build: it
// stops the program with a message saying so.
VyrEdidItemBase *create(unsigned char *image, const VyrEdidRecognisedBlock &block);

} // namespace VyrEdidBlockItems
