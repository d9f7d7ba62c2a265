#pragma once

// Shared by tst_edid13block and tst_edid14block: compares what an EDID base block object decodes
// with what the reference decoder edid-decode prints for block 0, writes back every record a
// base block reads, and checks what single edits change.
//
// Deliberate differences from edid-decode (not compared):
// - Established timing row 16 is 1152 x 872 here (the line count of the original mode);
//   edid-decode prints 1152x870. Only its width and rate are compared.
// - Refresh rates are compared as whole Hz (the tables hold whole numbers; edid-decode prints
//   the exact DMT rate, e.g. 59.94 Hz for 640x480 at 60).
// - Standard timing codes whose first byte is 0x00 or 0x01 (other than the empty pair 01 01)
//   decode here as 248 or 256 pixels wide; edid-decode skips them as unused, so only the codes
//   it lists are compared.
// - 0xFE strings that edid-decode reads as an SPWG panel layout, and strings with non-ASCII
//   bytes, are not compared as text.
// - Range limits: edid-decode adds the EDID 1.4 rate offsets to the rates it prints; the record
//   holds the stored bytes and the offset kinds, so the offsets are added before comparing.

#include "edidbytes.h"
#include "model/base/edid13block.h"
#include "model/base/edid14block.h"
#include "vyrtestutil.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QtTest>

#include <functional>

namespace EdidBaseCheck {

inline QByteArray block0(const QByteArray &sample)
{
    return sample.left(128);
}

// A 128-byte block as Block::InitBuffer makes it.
template <typename Block> QByteArray emptyBlockOf()
{
    QByteArray block(128, '\0');
    Block::InitBuffer(VyrTest::bytes(block), 128);
    return block;
}

// An edit of a base block and the bytes it may change besides the checksum.
template <typename Block> struct EditCase
{
    const char *name;
    std::function<void(Block &)> edit;
    QList<int> allowed;
};

// Runs every edit on its own copy of original: each changes some byte, none but its allowed
// ones (the checksum aside), and leaves a checksum that holds, for edid-decode as well.
template <typename Block>
void checkEdits(const QByteArray &original, const QList<EditCase<Block>> &cases)
{
    for (const EditCase<Block> &c : cases) {
        QByteArray block = VyrTest::snapshot(original);
        Block object(VyrTest::bytes(block), 128, 0, nullptr);
        c.edit(object);
        QList<int> changed = VyrTest::changedBytes(original, block);
        changed.removeAll(127);
        QVERIFY2(!changed.isEmpty(), c.name);
        for (int i : changed)
            QVERIFY2(
                c.allowed.contains(i),
                qPrintable(QStringLiteral("%1 changed byte %2").arg(QLatin1String(c.name)).arg(i)));
        QVERIFY2(VyrTest::checksumOk(block), c.name);
        if (VyrTest::haveEdidDecode())
            QVERIFY2(VyrTest::edidDecodeChecksumsOk(block), c.name);
    }
}

// Writes back every record its getter returned, group by group.
void writeBackEverything(Edid13Block &block);

// Compares the decoded fields of block (over image, whose block 0 it decodes) with edid-decode;
// answers the differences found.
QStringList compareWithEdidDecode(Edid13Block &block, const QByteArray &image, bool edid14);

// Writes back the EDID 1.4 descriptor groups: colour management, CVT codes, established
// timings III.
void writeBackEdid14Descriptors(Edid14Block &block);

// Compares the EDID 1.4 descriptors (colour management, CVT codes, established timings III,
// CVT range limits) with edid-decode.
QStringList compareEdid14Descriptors(Edid14Block &block, const QByteArray &image);

} // namespace EdidBaseCheck
