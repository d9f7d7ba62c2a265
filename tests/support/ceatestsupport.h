#pragma once

#include "edidbytes.h"

// Helpers shared by the CEA-861 extension tests: building extension blocks and full EDID
// images, and reading edid-decode's report of the CTA-861 blocks for comparison.

#include "model/cea/ceaextblock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace CeaTest {

// The titles of a CEA extension's row and of its data-block collection row in the EDID tree.
inline const QString Cea = QStringLiteral("CEA Extention");
inline const QString Blocks = QStringLiteral("Data Blocks");

// The path of a row below the first CEA extension's data-block collection.
inline QStringList dataBlockPath(const QStringList &rows)
{
    return QStringList{Cea, Blocks} + rows;
}

// Byte offset of image as an unsigned number.
inline int byteAt(const QByteArray &image, int offset)
{
    return static_cast<unsigned char>(image.at(offset));
}

// A real base block declaring one extension.
QByteArray baseBlock();

// An 18-byte detailed timing: 1920x1080 at 60 Hz, 148.5 MHz.
QByteArray sampleDtd();

// An 18-byte display product serial number descriptor (tag 0xFF) holding "123456", as real
// monitors keep one after the detailed timings of their CEA-861 block.
QByteArray serialDescriptor();

// Extension block: header (byte 2 = d, byte 3 = flags), the collection from byte 4, dtds
// detailed timings from byte d (when d >= 4), checksum.
QByteArray makeExt(unsigned d, unsigned flags, const QByteArray &collection, int dtds = 0);

// A base block and one extension holding collection from byte 4 and no detailed timing (the
// collection's first byte is image byte 132).
QByteArray imageWithCollection(const QByteArray &collection);

// Crafted CEA-861 blocks after baseBlock() that carry byte patterns of real displays which an
// edit once broke: a serial number descriptor after the detailed timings, a reserved tag 0
// header inside the collection, video codes 65-127 and 193-219 beside native VICs with an HDMI
// block's 3D mask and an HDR static metadata block, and zero padding before byte 2 with the
// slots up to byte 126. Each is a 256-byte image with valid checksums.
QVector<VyrTest::NamedImage> patternImages();

// Video data blocks, one per entry of lengths (bytes in all, header included, 1 to 32), holding
// VICs 1, 2, ...: a collection of an exact size.
QByteArray videoBlocks(const QVector<int> &lengths);

// The CeaBlockID that an edid-decode data block title stands for (CeaBlockDummy for a kind we
// have no item for, a reserved tag 0 header included).
int kindOfTitle(const QString &title);

// Whether an edid-decode data block title is a zero-length tag 0 block: a zero byte, which at
// the end of the collection is padding before the detailed timings.
bool isZeroByteTitle(const QString &title);

// What edid-decode reports for one CTA-861 block.
struct CtaReport
{
    QVector<int> kinds; // CeaBlockID per data block, the zero bytes at the end left out
    QStringList titles;
    QStringList dtds;  // "WxH[i] clock MHz"
    QStringList lines; // every line of the block's section
};

// One report per CTA-861 block of image, in block order.
QVector<CtaReport> decodeCta(const QByteArray &image);

// The kind of every data block of block, in map order.
QVector<int> ourKinds(CeaExtBlock &block);

// The detailed timings of block as "WxH[i] clock MHz".
QStringList ourDtds(CeaExtBlock &block);

// Compares the data blocks and detailed timings of block with edid-decode's report of the
// ctaIndex-th CTA-861 block of image (a failure is recorded with the Qt Test macros).
void compareWithEdidDecode(CeaExtBlock &block, const QByteArray &image, int ctaIndex = 0);

// Byte 2 tells where the collection ends; the free bytes, the collection and the slots (detailed
// timings and display descriptors) make up the 123 bytes from byte 4 to byte 126; byte 127 is
// the checksum. Empty when all of this holds, else what does not.
QString invariantFault(CeaExtBlock &block, const unsigned char *bytes);

} // namespace CeaTest
