#include "edidblocktable.h"

#include "model/base/edid13block.h"
#include "model/base/edid14block.h"
#include "model/cea/ceaextblock.h"
#include "model/diext/diextblock.h"
#include "model/displayid/displayidblock.h"
#include "model/vtb/edidextvtb.h"

#include <cstring>

EdidBlockTable EdidBlockTable::analyse(const EdidImage &source)
{
    // The block objects take a writable buffer; they work on a copy, so the caller's image
    // stays exactly as it is.
    EdidImage image;
    std::memcpy(image, source, EdidImageSize);

    EdidBlockTable table;
    unsigned extensions = 0;
    // An EDID base block gives the monitor summary and its modes as well (Edid14Block reads
    // its own fields through the same virtual operations).
    const auto edidBase = [&table, &extensions](Edid13Block &block, const char *name) {
        block.GetMaxResolution(&table.maxResolution);
        block.GetMonInfo(&table.monitorInfo);
        extensions = block.GetNumOfExtensions();
        table.append(block.GetBlockSize(), name);
    };
    if (DisplayIDBlock::IsDisplayIDBaseBlock(image, EdidImageSize)) {
        const DisplayIDBlock block(image, EdidImageSize, 0, nullptr);
        extensions = block.GetNumOfExtensions();
        table.append(block.GetBlockSize(), "DID BaseBlock");
    } else if (Edid14Block::IsEdid14(image, EdidImageSize)) {
        Edid14Block block(image, EdidImageSize, 0, nullptr);
        edidBase(block, "EDID1.4 BaseBlock");
    } else if (Edid13Block::IsEdid13(image, EdidImageSize)) {
        Edid13Block block(image, EdidImageSize, 0, nullptr);
        edidBase(block, "EDID1.3 BaseBlock");
    }
    if (table.blockCount == 0)
        return EdidBlockTable();

    for (unsigned pass = 0; pass < extensions; ++pass) {
        const quint32 start = table.coveredSize();
        if (start >= EdidImageSize || table.blockCount == MaxBlocks)
            break;
        unsigned char *p = image + start;
        const unsigned rest = EdidImageSize - start;
        bool added = false;
        if (DisplayIDBlock::IsDisplayIDExtBlock(p, rest)) {
            const DisplayIDBlock block(p, rest, 0, nullptr);
            added = table.append(block.GetBlockSize(), "DID ExtBlock");
        } else if (CeaExtBlock::IsCeaExt(p, rest)) {
            const CeaExtBlock block(p, rest, 0, nullptr);
            block.GetMaxResolution(&table.maxResolution);
            added = table.append(block.GetBlockSize(), "CEA ExtBlock");
        } else if (DiExtBlock::IsDiExt(p, rest)) {
            const DiExtBlock block(p, rest, 0, nullptr);
            added = table.append(block.GetBlockSize(), "DI ExtBlock");
        } else if (EdidExtVtb::IsEdidExtVtb(rest, p)) {
            const EdidExtVtb block(p, rest, 0, nullptr);
            added = table.append(block.GetBlockSize(), "VTB-EXT");
        }
        // An unrecognised block would be tested again in every further pass: it ends the list.
        if (!added)
            break;
    }
    return table;
}

// Counts a block of size bytes after the last one. A block that is empty or would run past
// the image is not counted, so the covered size never leaves the image.
bool EdidBlockTable::append(quint32 size, const char *name)
{
    const quint32 start = coveredSize();
    if (size == 0 || blockCount == MaxBlocks || size > EdidImageSize - start)
        return false;
    offsets[blockCount + 1] = start + size;
    ++blockCount;
    blockNames.append(QString::fromLatin1(name));
    return true;
}
