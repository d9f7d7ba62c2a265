#include "descriptorbytes.h"

#include "model/base/edid13block.h"

QList<EdidItemLocation> descriptorBytes(DataBlock *block, unsigned int slotNumber,
                                        unsigned int offset, unsigned int length)
{
    auto *base = dynamic_cast<Edid13Block *>(block);
    if (!base)
        return {};
    const QList<EdidItemLocation> whole = base->GetStringDescriptorLocation(~0u, slotNumber);
    if (whole.isEmpty())
        return {};
    return {{whole.first().offset + offset, length}};
}

QList<EdidItemLocation> timingBytes(DataBlock *block, unsigned int section, unsigned int offset,
                                    unsigned int length, TimingLocationQuery query,
                                    unsigned int code)
{
    if (!block)
        return {};
    if (section != 0) {
        const QList<EdidItemLocation> own = descriptorBytes(block, section, offset, length);
        if (!own.isEmpty())
            return own;
    }
    return (block->*query)(code, section);
}
