#include "edidblocktable.h"

#include "model/base/edid13block.h"
#include "model/cea/ceaextblock.h"
#include "model/vyredidblockrecogniser.h"

#include <cstring>

namespace {

// The names the monitor INF file prints for the blocks.
QString blockName(const VyrEdidRecognisedBlock &block, const EdidImage &image)
{
    switch (block.kind) {
    case VyrEdidBlockKind::DisplayIdBase:
        return QStringLiteral("DID BaseBlock");
    case VyrEdidBlockKind::Edid14:
        return QStringLiteral("EDID1.4 BaseBlock");
    case VyrEdidBlockKind::Edid13:
        return QStringLiteral("EDID1.3 BaseBlock");
    case VyrEdidBlockKind::DisplayIdExtension:
        return QStringLiteral("DID ExtBlock");
    case VyrEdidBlockKind::CeaExtension:
        return QStringLiteral("CEA ExtBlock");
    case VyrEdidBlockKind::DiExtension:
        return QStringLiteral("DI ExtBlock");
    case VyrEdidBlockKind::VtbExtension:
        return QStringLiteral("VTB-EXT");
    case VyrEdidBlockKind::Unknown:
        return QString::asprintf("Unknown ExtBlock (Tag 0x%02X)", image[block.offset]);
    case VyrEdidBlockKind::None:
        break;
    }
    return QString();
}

} // namespace

EdidBlockTable EdidBlockTable::analyse(const EdidImage &source)
{
    // The block objects take a writable buffer; they work on a copy, so the caller's image
    // stays exactly as it is.
    EdidImage image;
    std::memcpy(image, source, EdidImageSize);

    EdidBlockTable table;
    for (const VyrEdidRecognisedBlock &found : VyrEdidBlockRecogniser::recognise(image)) {
        if (table.blockCount == 0)
            table.announcedBlocks = 1 + VyrEdidBlockRecogniser::announcedExtensions(found);
        switch (found.kind) {
        case VyrEdidBlockKind::Edid14:
        case VyrEdidBlockKind::Edid13: {
            // An EDID base block gives the monitor summary and its modes (Edid14Block reads
            // its own fields through the same virtual operations).
            auto *base = static_cast<Edid13Block *>(found.block.get());
            base->GetMaxResolution(&table.maxResolution);
            base->GetMonInfo(&table.monitorInfo);
            break;
        }
        case VyrEdidBlockKind::CeaExtension:
            // The largest mode over the base block and every CEA-861 block.
            static_cast<CeaExtBlock *>(found.block.get())->GetMaxResolution(&table.maxResolution);
            break;
        default:
            break;
        }
        table.append(found.size(), blockName(found, image));
    }
    return table;
}

// Counts a block of size bytes after the last one. A block that is empty or would run past
// the image is not counted, so the covered size never leaves the image.
bool EdidBlockTable::append(quint32 size, const QString &name)
{
    const quint32 start = coveredSize();
    if (size == 0 || blockCount == MaxBlocks || size > EdidImageSize - start)
        return false;
    offsets[blockCount + 1] = start + size;
    ++blockCount;
    blockNames.append(name);
    return true;
}
