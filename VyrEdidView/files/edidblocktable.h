#pragma once

#include "edidimage.h"
#include "model/base/edidbaserecords.h"
#include "model/edidtypes.h"
#include "model/vyredidblockrecogniser.h"

#include <QStringList>

#include <array>

// The blocks recognised in an EDID image, as the file writers need them: how many, where each
// starts, their names (the monitor INF file prints them), the monitor summary of the base
// block and the largest mode listed by the base block and the CEA-861 blocks.
//
// The blocks are those the EDID tree shows: VyrEdidBlockRecogniser finds them for both.
class EdidBlockTable
{
public:
    // The base block and up to six extension blocks: the offset table has eight entries. A
    // 512-byte image holds at most four 128-byte blocks; only short DisplayID sections could
    // make more recognisable.
    static constexpr quint32 MaxBlocks = VyrEdidBlockRecogniser::MaxBlocks;

    static EdidBlockTable analyse(const EdidImage &image);

    // Number of image bytes the recognised blocks cover, from byte 0: what a writer writes.
    quint32 coveredSize() const { return offsets[qMin(blockCount, MaxBlocks)]; }

    quint32 blockCount = 0;
    // Blocks the first block announces, itself included (0 without a first block). More than
    // blockCount when the EDID is longer than the image: those blocks are not written.
    quint32 announcedBlocks = 0;
    // Entry 0 is 0; entry k + 1 is the end of block k.
    std::array<quint32, MaxBlocks + 1> offsets{};
    // "EDID1.3 BaseBlock", "EDID1.4 BaseBlock", "DID BaseBlock", "CEA ExtBlock", "DI ExtBlock",
    // "VTB-EXT", "DID ExtBlock" or, for an extension no class reads, "Unknown ExtBlock (Tag
    // 0xNN)" with its tag byte; one per block in image order.
    QStringList blockNames;
    // All zero for a DisplayID base section or when no block is recognised.
    MonitorInfo monitorInfo{};
    Resolution maxResolution{};

private:
    bool append(quint32 size, const QString &name);
};
