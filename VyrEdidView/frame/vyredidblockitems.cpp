#include "vyredidblockitems.h"

#include <QtGlobal>

namespace {

// Null until the item table installs itself, before main() runs.
const VyrEdidBlockItems::Table *installedTable = nullptr;

} // namespace

namespace VyrEdidBlockItems {

bool install(const Table &table)
{
    installedTable = &table;
    return true;
}

VyrEdidItemBase *create(unsigned char *image, const VyrEdidRecognisedBlock &block)
{
    if (!installedTable)
        qFatal("VyrEdidBlockItems: no block item table is installed; every program that builds "
               "the EDID tree links the items library (vyredidview)");
    const auto kind = static_cast<std::size_t>(block.kind);
    const Factory factory = kind < KindCount ? (*installedTable)[kind] : nullptr;
    return factory ? factory(image, block) : nullptr;
}

} // namespace VyrEdidBlockItems
