// CEA-861 extension block: recognition, the map of the data block collection and of the
// detailed timings, adding and removing data blocks and detailed timings, locations and the
// report, compared with edid-decode where it has an opinion.

#include "ceatestsupport.h"
#include "checksumcounter.h"
#include "edidbytes.h"
#include "model/cea/ceaextblock.h"
#include "reportsink.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QtTest>

#include <algorithm>
#include <functional>

using namespace CeaTest;
using namespace VyrTest;

class tst_CeaExtBlock : public QObject
{
    Q_OBJECT

private slots:
    void freshBlock();
    void map_data();
    void map();
    void addEachKind_data();
    void addEachKind();
    void addRemoveSequence();
    void growthMovesTimingsOnlyByTheRoomNeeded();
    void noRoomRefused();
    void tenthDataBlockRefused();
    void removeLastTimingMarksCollectionEnd();
    void tagSixBlockSurvivesAnAdd();
    void descriptorAfterTimingsIsKept();
    void tagZeroHeaderInsideCollection();
    void samples_data();
    void samples();
    void generalInfo();
    void locations();
    void report();
    void modes();
};

void tst_CeaExtBlock::freshBlock()
{
    // InitBuffer writes the tag, revision 3 and zeros over whatever was there.
    QByteArray init(128, '\x55');
    QVERIFY(CeaExtBlock::InitBuffer(bytes(init), 128));
    QCOMPARE(int(init[0]), 0x02);
    QCOMPARE(int(init[1]), 3);
    QCOMPARE(init.mid(2, 125), QByteArray(125, '\0'));

    QByteArray b(128, '\0');
    auto *p = bytes(b);
    CeaExtBlock::InitBuffer(p, 128);
    CeaExtBlock block(p, 128, 128, nullptr);
    QCOMPARE(block.dataBlockCount(), 0u);
    QCOMPARE(block.freeDataBlockBytes(), 123u);
    QCOMPARE(block.freeDtdBytes(), 0u);
    QVERIFY(block.AllowNewDataBlocks());
    QVERIFY(block.AllowNewDTDs());

    block.AddDTD();
    QCOMPARE(int(p[2]), 19);    // six slots reserved up to byte 126
    QCOMPARE(int(p[19]), 0x18); // pixel clock word 5400
    QCOMPARE(int(p[20]), 0x15);
    QCOMPARE(int(p[3] & 0x0F), 1);
    QCOMPARE(block.freeDataBlockBytes(), 15u);
    QCOMPARE(block.freeDtdBytes(), 90u);
    QVERIFY(invariantFault(block, p).isEmpty());

    // Data blocks using 40 bytes before the first timing: t = 72, byte 2 = 55.
    QByteArray c(128, '\0');
    auto *q = bytes(c);
    CeaExtBlock::InitBuffer(q, 128);
    CeaExtBlock other(q, 128, 0, nullptr);
    for (int i = 0; i < 10; ++i)
        other.AddDataBlock(CeaBlockAudio);
    QCOMPARE(other.dataBlockCount(), 9u); // the tenth is refused
    other.RemoveDataBlock(8);
    // 8 x 4 = 32 bytes; grow one block to reach 40.
    QVERIFY(other.resizeDataBlock(0, 12));
    QCOMPARE(other.freeDataBlockBytes(), 83u);
    other.AddDTD();
    QCOMPARE(int(q[2]), 55);
    QCOMPARE(other.freeDataBlockBytes(), 11u);
    QVERIFY(invariantFault(other, q).isEmpty());

    // Revisions below 3 offer no new data blocks; adding is still possible for a caller.
    QByteArray r(128, '\0');
    auto *rev = bytes(r);
    CeaExtBlock::InitBuffer(rev, 128);
    rev[1] = 2;
    CeaExtBlock old(rev, 128, 0, nullptr);
    QVERIFY(!old.AllowNewDataBlocks());
    QVERIFY(!old.IsDataBlockSupported(CeaBlockVideo));
    QVERIFY(old.AllowNewDTDs());
    old.AddDataBlock(CeaBlockVideo);
    QCOMPARE(old.dataBlockCount(), 1u);
}

void tst_CeaExtBlock::map_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QVector<int>>("kinds");
    QTest::addColumn<unsigned>("dtds");
    QTest::addColumn<unsigned>("freeData");
    QTest::addColumn<unsigned>("freeDtd");

    const QByteArray two = QByteArray::fromHex("411023090707"); // video: 1 SVD, audio: 1 SAD
    const QVector<int> videoAudio{CeaBlockVideo, CeaBlockAudio};
    QTest::newRow("d=0 collection read to the first tag 0")
        << makeExt(0, 0, two) << videoAudio << 0u << 117u << 0u;
    QTest::newRow("d=2 like d=0") << makeExt(2, 0, two) << videoAudio << 0u << 117u << 0u;
    QTest::newRow("d=4 only a timing")
        << makeExt(4, 0, two.left(0), 1) << QVector<int>{} << 1u << 0u << 105u;
    QTest::newRow("d=4 no timing") << makeExt(4, 0, {}) << QVector<int>{} << 0u << 123u << 0u;
    QTest::newRow("d=10 collection then two timings")
        << makeExt(10, 0, two, 2) << videoAudio << 2u << 0u << 81u;
    QTest::newRow("d=15 padding before the timings")
        << makeExt(15, 0, two, 1) << videoAudio << 1u << 5u << 94u;
    QTest::newRow("d=11 no timing: everything after the collection is free")
        << makeExt(11, 0, two) << videoAudio << 0u << 117u << 0u;
    QTest::newRow("d=110 timing would pass byte 126")
        << makeExt(110, 0, two, 0).replace(110, 17, sampleDtd().left(17)) << videoAudio << 0u
        << 117u << 0u;
    QTest::newRow("d=127") << makeExt(127, 0, two) << videoAudio << 0u << 117u << 0u;
    QTest::newRow("d=200 means no timings")
        << makeExt(200, 0, two) << videoAudio << 0u << 117u << 0u;
    // The bytes of the cut block stay before byte 2: none of them is free.
    QTest::newRow("block runs past byte 2") << makeExt(8, 0,
                                                       QByteArray::fromHex("4101"
                                                                           "2309070707"),
                                                       1)
                                            << QVector<int>{CeaBlockVideo} << 1u << 0u << 101u;
    QTest::newRow("block runs past byte 126")
        << makeExt(0, 0,
                   (QByteArray::fromHex("5F") + QByteArray(31, '\x01')).repeated(3)
                       + QByteArray::fromHex("5F"))
        << QVector<int>{CeaBlockVideo, CeaBlockVideo, CeaBlockVideo} << 0u << 27u << 0u;
    QTest::newRow("tag 6 is a data block")
        << makeExt(0, 0,
                   QByteArray::fromHex("4101"
                                       "C1FF"
                                       "4101"))
        << QVector<int>{CeaBlockVideo, CeaBlockDummy, CeaBlockVideo} << 0u << 117u << 0u;
    QTest::newRow("d=0 tag 0 ends the scan") << makeExt(0, 0,
                                                        QByteArray::fromHex("4101"
                                                                            "01FF"
                                                                            "4101"))
                                             << QVector<int>{CeaBlockVideo} << 0u << 121u << 0u;
    // With byte 2 set the collection runs to byte 2: tag 0 headers are data blocks there, only
    // the zero bytes right before byte 2 are padding.
    QTest::newRow("d=17 tag 0 headers inside the collection")
        << makeExt(17, 0,
                   QByteArray::fromHex("4101"
                                       "00"
                                       "01FF"
                                       "4101"),
                   1)
        << QVector<int>{CeaBlockVideo, CeaBlockDummy, CeaBlockDummy, CeaBlockVideo} << 1u << 6u
        << 92u;
    // A slot without a pixel clock is a display descriptor: the slots after it count too.
    QTest::newRow("descriptor between timings")
        << makeExt(4, 0, {}, 3).replace(22, 2, QByteArray(2, '\0')) << QVector<int>{} << 2u << 0u
        << 69u;
    QTest::newRow("descriptor after an empty slot") << makeExt(4, 0, {}, 3)
                                                           .replace(4, 36, QByteArray(36, '\0'))
                                                           .replace(40, 2, QByteArray(2, '\0'))
                                                    << QVector<int>{} << 0u << 0u << 69u;
    QTest::newRow("twelve data blocks all mapped")
        << makeExt(28, 0, QByteArray::fromHex("4101").repeated(12), 1)
        << QVector<int>(12, CeaBlockVideo) << 1u << 0u << 81u;
    QTest::newRow("extended and vendor tags")
        << makeExt(0, 0,
                   QByteArray::fromHex("E305C000"
                                       "E20003"
                                       "6503 0C00 1000"
                                       "6701 0203 0405 0607"
                                       "E0"
                                       "4101"))
        << QVector<int>{CeaBlockColorimetry,    CeaBlockVideoCapability, CeaBlockHdmiVsdb,
                        CeaBlockVendorSpecific, CeaBlockDummy,           CeaBlockVideo}
        << 0u << 99u << 0u;
}

void tst_CeaExtBlock::map()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QVector<int>, kinds);
    QFETCH(unsigned, dtds);
    QFETCH(unsigned, freeData);
    QFETCH(unsigned, freeDtd);
    const QByteArray before = bytes;
    CeaExtBlock block(reinterpret_cast<unsigned char *>(bytes.data()), 128, 128, nullptr);
    QCOMPARE(ourKinds(block), kinds);
    QCOMPARE(block.dtdCount(), dtds);
    QCOMPARE(block.freeDataBlockBytes(), freeData);
    QCOMPARE(block.freeDtdBytes(), freeDtd);
    QCOMPARE(bytes, before); // reading never writes
    CeaGeneralInfo info;
    block.GetGeneralInfo(&info);
    QCOMPARE(info.dataBlockCount, static_cast<unsigned>(kinds.size()));
    QCOMPARE(info.dtdCount, dtds);
    QCOMPARE(info.freeDataBlockBytes, freeData);
    QCOMPARE(info.freeDtdBytes, freeDtd);
}

void tst_CeaExtBlock::addEachKind_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("audio") << 1 << QByteArray::fromHex("23080000");
    QTest::newRow("video") << 2 << QByteArray::fromHex("4101");
    QTest::newRow("HDMI VSDB") << 3 << QByteArray::fromHex("65030C000000");
    QTest::newRow("speaker allocation") << 4 << QByteArray::fromHex("83000000");
    QTest::newRow("video capability") << 5 << QByteArray::fromHex("E20000");
    QTest::newRow("colorimetry") << 6 << QByteArray::fromHex("E3050000");
    QTest::newRow("vendor-specific") << 7 << QByteArray::fromHex("63010000");
    QTest::newRow("vendor-specific video") << 8 << QByteArray::fromHex("E401010000");
    QTest::newRow("vendor-specific audio") << 9 << QByteArray::fromHex("E411010000");
    // 7, 15 or 31 payload bytes (edid-decode refuses any other length): the shortest.
    QTest::newRow("VESA DTC") << 10 << (QByteArray::fromHex("A7") + QByteArray(7, '\0'));
    // A fixed 30-byte payload after the extended tag (edid-decode refuses any other length).
    QTest::newRow("VESA video display device")
        << 11 << (QByteArray::fromHex("FF02") + QByteArray(30, '\0'));
    QTest::newRow("VESA video") << 12 << QByteArray::fromHex("E20300");
    QTest::newRow("HDMI video") << 13 << QByteArray::fromHex("E20400");
    QTest::newRow("misc. audio fields") << 14 << QByteArray::fromHex("E21000");
    // The stream count byte and one more (edid-decode calls one byte an empty block).
    QTest::newRow("HDMI audio") << 15 << QByteArray::fromHex("E3120000");
}

void tst_CeaExtBlock::addEachKind()
{
    QFETCH(int, id);
    QFETCH(QByteArray, expected);
    QByteArray image = baseBlock() + makeExt(0, 0, {});
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    QVERIFY(block.IsDataBlockSupported(static_cast<CeaBlockID>(id)));
    block.AddDataBlock(static_cast<CeaBlockID>(id));
    QCOMPARE(image.mid(132, expected.size()), expected);
    QCOMPARE(static_cast<int>(p[2]), 4 + expected.size());
    QCOMPARE(block.GetDataBlockID(0), static_cast<CeaBlockID>(id));
    QCOMPARE(block.dataBlockEntry(0)->minSize, static_cast<quint32>(expected.size()));
    QVERIFY2(invariantFault(block, p).isEmpty(), qPrintable(invariantFault(block, p)));
    QVERIFY(VyrTest::edidDecodeChecksumsOk(image));
    compareWithEdidDecode(block, image);
}

// A sequence over a fresh block: every step keeps byte 2, byte 3, the free bytes and the
// checksum consistent, and edid-decode reads what the map holds.
void tst_CeaExtBlock::addRemoveSequence()
{
    QByteArray image = baseBlock() + makeExt(0, 0, {});
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);

    struct Step
    {
        const char *what;
        std::function<void()> run;
        int byte2; // -1: not checked
    };
    const QVector<Step> steps = {
        {"add DTD", [&] { block.AddDTD(); }, 19},
        {"add video (fits the free data bytes)", [&] { block.AddDataBlock(CeaBlockVideo); }, 19},
        {"add audio", [&] { block.AddDataBlock(CeaBlockAudio); }, 19},
        {"add HDMI VSDB", [&] { block.AddDataBlock(CeaBlockHdmiVsdb); }, 19},
        {"add colorimetry (moves the timings by 1)",
         [&] { block.AddDataBlock(CeaBlockColorimetry); }, 20},
        {"add DTD 2", [&] { block.AddDTD(); }, 20},
        {"add DTD 3", [&] { block.AddDTD(); }, 20},
        {"add DTD 4", [&] { block.AddDTD(); }, 20},
        {"add DTD 5", [&] { block.AddDTD(); }, 20},
        {"add DTD 6 (refused: no room)", [&] { block.AddDTD(); }, 20},
        {"remove video (the timings follow)", [&] { block.RemoveDataBlock(0); }, 18},
        {"add DTD 6", [&] { block.AddDTD(); }, 18},
        {"remove DTD 2", [&] { block.RemoveDTD(2); }, 18},
        {"add speaker allocation (moves the timings by 3)",
         [&] { block.AddDataBlock(CeaBlockSpeakerAllocation); }, 22},
        {"remove DTD 0", [&] { block.RemoveDTD(0); }, 22},
        {"remove DTD 0", [&] { block.RemoveDTD(0); }, 22},
        {"remove DTD 0", [&] { block.RemoveDTD(0); }, 22},
        {"remove DTD 0", [&] { block.RemoveDTD(0); }, 22},
        {"remove last DTD", [&] { block.RemoveDTD(0); }, 4 + 4 + 6 + 4 + 4},
        {"remove audio", [&] { block.RemoveDataBlock(0); }, 4 + 6 + 4 + 4},
        {"add video again", [&] { block.AddDataBlock(CeaBlockVideo); }, 4 + 6 + 4 + 4 + 2},
        {"remove HDMI VSDB", [&] { block.RemoveDataBlock(0); }, 4 + 4 + 4 + 2},
        {"remove", [&] { block.RemoveDataBlock(2); }, 4 + 4 + 4},
        {"remove", [&] { block.RemoveDataBlock(0); }, 4 + 4},
        {"remove", [&] { block.RemoveDataBlock(0); }, 0},
    };
    for (const Step &step : steps) {
        step.run();
        const QString fault = invariantFault(block, p);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(step.what, fault)));
        if (step.byte2 >= 0)
            QVERIFY2(p[2] == step.byte2,
                     qPrintable(QStringLiteral("%1: byte 2 = %2").arg(step.what).arg(p[2])));
        QVERIFY2((p[3] & 0x0F) == static_cast<int>(block.dtdCount()), step.what);
        QVERIFY2(VyrTest::edidDecodeChecksumsOk(image), step.what);
        compareWithEdidDecode(block, image);
        if (QTest::currentTestFailed()) {
            qWarning("after step: %s", step.what);
            return;
        }
    }
    QCOMPARE(image.mid(130, 125), QByteArray(125, '\0')); // everything cleared again
}

void tst_CeaExtBlock::growthMovesTimingsOnlyByTheRoomNeeded()
{
    // Collection of 6 bytes, 4 bytes of padding, two timings from byte 14.
    QByteArray image = baseBlock()
                       + makeExt(14, 0,
                                 QByteArray::fromHex("4101"
                                                     "83010000"),
                                 2);
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    QCOMPARE(block.freeDataBlockBytes(), 4u);
    const QByteArray timings = image.mid(128 + 14, 36);

    QVERIFY(block.resizeDataBlock(0, 5)); // +3 fits the padding
    QCOMPARE(static_cast<int>(p[2]), 14);
    QVERIFY(block.resizeDataBlock(0, 9)); // +4: 1 byte free, the timings move by 3
    QCOMPARE(static_cast<int>(p[2]), 17);
    QCOMPARE(image.mid(128 + 17, 36), timings);
    QCOMPARE(image.mid(128 + 4, 13), QByteArray::fromHex("48010000000000000083010000"));
    block.RecalcCheckSum();
    QVERIFY(invariantFault(block, p).isEmpty());
    compareWithEdidDecode(block, image);

    block.AddDataBlock(CeaBlockVideoCapability); // 3 bytes, none free: moves by 3
    QCOMPARE(static_cast<int>(p[2]), 20);
    QCOMPARE(image.mid(128 + 20, 36), timings);
    QVERIFY(invariantFault(block, p).isEmpty());
    compareWithEdidDecode(block, image);
}

void tst_CeaExtBlock::noRoomRefused()
{
    // Five timings (90 bytes) and a 32-byte block: 1 byte left.
    QByteArray image =
        baseBlock() + makeExt(36, 0, QByteArray::fromHex("5F") + QByteArray(31, '\x10'), 5);
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    QCOMPARE(block.freeDataBlockBytes() + block.freeDtdBytes(), 1u);
    const QByteArray before = VyrTest::snapshot(image);
    QVERIFY(!block.AllowNewDataBlocks());
    QVERIFY(!block.IsDataBlockSupported(CeaBlockVideo));
    block.AddDataBlock(CeaBlockVideo);
    block.AddDTD();
    QVERIFY(!block.resizeDataBlock(0, 33)); // above 32 bytes
    QCOMPARE(image, before);

    block.RemoveDataBlock(0); // 33 bytes free; the timings follow the collection
    QCOMPARE(static_cast<int>(p[2]), 4);
    QCOMPARE(block.freeDataBlockBytes(), 0u);
    QCOMPARE(block.freeDtdBytes(), 33u);
    block.AddDataBlock(CeaBlockAudio);
    QVERIFY(block.resizeDataBlock(0, 32));
    const QByteArray full = VyrTest::snapshot(image);
    QVERIFY(!block.resizeDataBlock(0, 2)); // below the kind's minimum
    QCOMPARE(image, full);
    block.AddDataBlock(CeaBlockSpeakerAllocation); // 4 > 1 free
    QCOMPARE(image, full);
    QCOMPARE(block.dataBlockCount(), 1u);
    QVERIFY(!block.AllowNewDTDs());
}

void tst_CeaExtBlock::tenthDataBlockRefused()
{
    QByteArray image = baseBlock() + makeExt(0, 0, {});
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    for (int i = 0; i < 9; ++i)
        block.AddDataBlock(CeaBlockVideo);
    QVERIFY(!block.AllowNewDataBlocks());
    const QByteArray before = VyrTest::snapshot(image);
    block.AddDataBlock(CeaBlockVideo);
    QCOMPARE(image, before);

    // A loaded block with more than nine data blocks keeps and maps all of them.
    QByteArray loaded = baseBlock() + makeExt(0, 0, QByteArray::fromHex("4101").repeated(11));
    CeaExtBlock many(bytes(loaded) + 128, 128, 128, nullptr);
    QCOMPARE(many.dataBlockCount(), 11u);
    QVERIFY(!many.AllowNewDataBlocks());
    many.RemoveDataBlock(10);
    QCOMPARE(many.dataBlockCount(), 10u);
    QCOMPARE(static_cast<int>(loaded[128 + 2]), 24); // byte 2 now marks the collection's end
    compareWithEdidDecode(many, loaded);
}

void tst_CeaExtBlock::removeLastTimingMarksCollectionEnd()
{
    QByteArray image = baseBlock() + makeExt(30, 0, QByteArray::fromHex("4101"), 1);
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    block.RemoveDTD(0);
    QCOMPARE(static_cast<int>(p[2]), 6);
    QCOMPARE(block.freeDataBlockBytes(), 121u);
    QVERIFY(invariantFault(block, p).isEmpty());
    compareWithEdidDecode(block, image);
    block.RemoveDataBlock(0);
    QCOMPARE(static_cast<int>(p[2]), 0);
    QVERIFY(invariantFault(block, p).isEmpty());
}

// A block with tag code 6 (the Video Format Data Block of current CTA-861) is one data block
// like any other: the blocks after it stay in the collection, and a new block goes after them
// instead of over them.
void tst_CeaExtBlock::tagSixBlockSurvivesAnAdd()
{
    const QByteArray collection = QByteArray::fromHex("4101"
                                                      "C1FF"
                                                      "4101");
    QByteArray image = baseBlock() + makeExt(10, 0, collection);
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    compareWithEdidDecode(block, image);
    block.AddDataBlock(CeaBlockAudio);
    QCOMPARE(ourKinds(block),
             (QVector<int>{CeaBlockVideo, CeaBlockDummy, CeaBlockVideo, CeaBlockAudio}));
    QCOMPARE(image.mid(128 + 4, collection.size()), collection);
    QCOMPARE(static_cast<int>(p[2]), 14);
    QVERIFY(invariantFault(block, p).isEmpty());
    compareWithEdidDecode(block, image);
}

// Checks the block after an edit: byte 2, the free bytes and the checksum agree, edid-decode
// reads what the map holds, and it finds no zero byte inside the collection besides the tag 0
// headers the block came with.
static void checkAfterEdit(CeaExtBlock &block, const QByteArray &image, const char *step)
{
    const auto *p = reinterpret_cast<const unsigned char *>(image.constData()) + 128;
    const QString fault = invariantFault(block, p);
    QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(step, fault)));
    QVERIFY2(VyrTest::edidDecodeChecksumsOk(image), step);
    compareWithEdidDecode(block, image);
    int zeroBytes = 0;
    for (unsigned i = 0; i < block.dataBlockCount(); ++i)
        zeroBytes +=
            block.dataBlockEntry(i)->size == 1 && p[4 + block.dataBlockEntry(i)->offset] == 0;
    const QStringList lines = decodeCta(image).value(0).lines;
    QVERIFY2(std::count_if(lines.begin(), lines.end(),
                           [](const QString &line) { return isZeroByteTitle(line.trimmed()); })
                 == zeroBytes,
             step);
}

// A display descriptor after the timings (real monitors keep their serial number string
// there) belongs to the slots: a new timing goes before it, it moves with the timings when the
// collection grows or shrinks, a removed timing's gap closes over it, and it stays when the
// last timing goes.
void tst_CeaExtBlock::descriptorAfterTimingsIsKept()
{
    QByteArray image = baseBlock() + makeExt(10, 0, QByteArray::fromHex("4190 23090707"), 2);
    image.replace(128 + 10 + 36, 18, serialDescriptor());
    VyrTest::fixChecksum(image, 128);
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    QCOMPARE(block.dtdCount(), 2u);
    QCOMPARE(block.slotCount(), 3u);
    const auto serialAt = [&](unsigned slot) {
        return image.mid(128 + p[2] + 18 * static_cast<int>(slot), 18) == serialDescriptor();
    };

    struct Step
    {
        const char *what;
        std::function<void()> run;
        int byte2;
        unsigned dtds;
        unsigned serialSlot;
    };
    const QVector<Step> steps = {
        {"add a timing", [&] { block.AddDTD(); }, 10, 3, 3},
        {"add a data block (moves the slots)", [&] { block.AddDataBlock(CeaBlockColorimetry); }, 14,
         3, 3},
        {"grow a data block", [&] { block.resizeDataBlock(0, 4); }, 16, 3, 3},
        {"shrink it again", [&] { block.resizeDataBlock(0, 2); }, 14, 3, 3},
        {"remove timing 0", [&] { block.RemoveDTD(0); }, 14, 2, 2},
        {"remove timing 1", [&] { block.RemoveDTD(1); }, 14, 1, 1},
        {"remove the last timing", [&] { block.RemoveDTD(0); }, 14, 0, 0},
        {"remove a data block", [&] { block.RemoveDataBlock(0); }, 12, 0, 0},
        {"add a timing before it", [&] { block.AddDTD(); }, 12, 1, 1},
    };
    for (const Step &step : steps) {
        step.run();
        block.RecalcCheckSum();
        QVERIFY2(p[2] == step.byte2,
                 qPrintable(QStringLiteral("%1: byte 2 = %2").arg(step.what).arg(p[2])));
        QVERIFY2(block.dtdCount() == step.dtds, step.what);
        QVERIFY2(serialAt(step.serialSlot), step.what);
        QVERIFY2(block.slotCount() == step.dtds + 1, step.what);
        checkAfterEdit(block, image, step.what);
        QVERIFY2(decodeCta(image).value(0).lines.contains(
                     QLatin1String("    Display Product Serial Number: '123456'")),
                 step.what);
        if (QTest::currentTestFailed())
            return;
    }
}

// A reserved tag 0 header inside the collection (real TVs and monitors have one between their
// data blocks) is a data block: the blocks after it are neither hidden nor overwritten by a new
// one. Removing or shrinking a data block leaves no zero byte inside the collection.
void tst_CeaExtBlock::tagZeroHeaderInsideCollection()
{
    const QByteArray collection = QByteArray::fromHex("420102"
                                                      "00"
                                                      "65030c001000"
                                                      "83010000");
    QByteArray image = baseBlock() + makeExt(4 + 14, 0, collection, 1);
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    const QVector<int> kinds{CeaBlockVideo, CeaBlockDummy, CeaBlockHdmiVsdb,
                             CeaBlockSpeakerAllocation};
    QCOMPARE(ourKinds(block), kinds);
    compareWithEdidDecode(block, image);

    block.AddDataBlock(CeaBlockAudio);
    QCOMPARE(ourKinds(block), kinds + QVector<int>{CeaBlockAudio});
    QCOMPARE(image.mid(128 + 4, collection.size()), collection);
    QCOMPARE(static_cast<int>(p[2]), 4 + 14 + 4);
    QCOMPARE(image.mid(128 + 22, 18), sampleDtd());
    compareWithEdidDecode(block, image);

    QVERIFY(block.resizeDataBlock(0, 2)); // the video block loses a descriptor
    block.RecalcCheckSum();
    QCOMPARE(static_cast<int>(p[2]), 21);
    checkAfterEdit(block, image, "shrink the video block");
    block.RemoveDataBlock(2); // the HDMI block after the tag 0 header
    QCOMPARE(static_cast<int>(p[2]), 15);
    QCOMPARE(image.mid(128 + 15, 18), sampleDtd());
    QCOMPARE(image.mid(128 + 33, 127 - 33), QByteArray(127 - 33, '\0'));
    QCOMPARE(ourKinds(block), (QVector<int>{CeaBlockVideo, CeaBlockDummy, CeaBlockSpeakerAllocation,
                                            CeaBlockAudio}));
    checkAfterEdit(block, image, "remove the HDMI block");

    // Bytes before byte 2 that no data block explains (a block running past byte 2) are never
    // taken for free space.
    QByteArray cut = baseBlock() + makeExt(8, 0, QByteArray::fromHex("4101230907"), 1);
    auto *q = bytes(cut) + 128;
    CeaExtBlock cutBlock(q, 128, 128, nullptr);
    cutBlock.AddDataBlock(CeaBlockVideo);
    QCOMPARE(cut.mid(128 + 4, 6), QByteArray::fromHex("410123094101"));
    QCOMPARE(static_cast<int>(q[2]), 10);
    QCOMPARE(cut.mid(128 + 10, 18), sampleDtd());
    QVERIFY(invariantFault(cutBlock, q).isEmpty());
}

void tst_CeaExtBlock::samples_data()
{
    QTest::addColumn<QString>("sample");
    for (const QString &name : VyrTest::sampleNames()) {
        const QByteArray bytes = VyrTest::readSample(name);
        for (int at = 128; at + 128 <= bytes.size(); at += 128)
            if (bytes[at] == 0x02) {
                QTest::newRow(qPrintable(name)) << name;
                break;
            }
    }
}

// Real blocks map to what edid-decode reads; then each takes an edit sequence and still does.
void tst_CeaExtBlock::samples()
{
    QFETCH(QString, sample);
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QByteArray image = VyrTest::readSample(sample);
    QVector<int> ctaBlocks;
    for (int at = 128; at + 128 <= image.size(); at += 128)
        if (image.at(at) == 0x02)
            ctaBlocks << at;
    // edid-decode reads the blocks declared in byte 126; compare those.
    const int declared = static_cast<unsigned char>(image[126]);
    for (int n = 0; n < ctaBlocks.size(); ++n) {
        const int at = ctaBlocks[n];
        if (at / 128 > declared)
            break;
        auto *p = bytes(image) + at;
        CeaExtBlock block(p, static_cast<unsigned>(image.size() - at), static_cast<unsigned>(at),
                          nullptr);
        compareWithEdidDecode(block, image, n);
        if (QTest::currentTestFailed())
            return;

        block.RemoveDataBlock(0);
        if (block.AllowNewDataBlocks() && block.IsDataBlockSupported(CeaBlockSpeakerAllocation))
            block.AddDataBlock(CeaBlockSpeakerAllocation);
        if (block.dtdCount() > 0)
            block.RemoveDTD(block.dtdCount() - 1);
        if (block.AllowNewDTDs())
            block.AddDTD();
        if (block.dataBlockCount() > 0)
            block.resizeDataBlock(0, block.dataBlockEntry(0)->size + 1);
        block.RecalcCheckSum();
        QVERIFY2(invariantFault(block, p).isEmpty(), qPrintable(invariantFault(block, p)));
        compareWithEdidDecode(block, image, n);
    }
}

void tst_CeaExtBlock::generalInfo()
{
    QByteArray image = baseBlock() + makeExt(4, 0x5A, {}, 2);
    auto *p = bytes(image) + 128;
    ChecksumCounter counter;
    CeaExtBlock block(p, 128, 128, &counter);
    CeaGeneralInfo info;
    block.GetGeneralInfo(&info);
    QCOMPARE(info.dtdOffset, 4u);
    QCOMPARE(info.nativeDtdCount, 10u);
    QCOMPARE(info.dtdCount, 2u);
    QVERIFY(info.ycbcr422);
    QVERIFY(!info.ycbcr444);
    QVERIFY(info.basicAudio);
    QVERIFY(!info.underscan);
    info.ycbcr422 = false;
    info.underscan = true;
    info.nativeDtdCount = 3; // not written
    info.dtdOffset = 99;     // not written
    block.SetGeneralInfo(&info);
    QCOMPARE(static_cast<int>(p[3]), 0xCA);
    QCOMPARE(counter.count, 1);
    QCOMPARE(static_cast<int>(p[2]), 4);
    QVERIFY(sumsToZero(p, 128));
    QVERIFY(VyrTest::edidDecode(image).contains(QLatin1String("Underscans IT Video Formats")));
}

void tst_CeaExtBlock::locations()
{
    QByteArray image(512, '\0');
    image.replace(0, 128, baseBlock());
    image.replace(256, 128, makeExt(10, 0, QByteArray::fromHex("830100000000"), 2));
    auto *base = bytes(image);
    // Built as the tree builds it: start offset 0, the image start given to every query.
    CeaExtBlock block(base + 256, 256, 0, nullptr);
    auto one = [](quint32 offset, quint32 length) {
        QList<EdidItemLocation> list;
        EdidItemLocation l;
        l.offset = offset;
        l.length = length;
        list << l;
        return list;
    };
    auto same = [](const QList<EdidItemLocation> &a, const QList<EdidItemLocation> &b) {
        if (a.size() != b.size())
            return false;
        for (int i = 0; i < a.size(); ++i)
            if (a[i].offset != b[i].offset || a[i].length != b[i].length)
                return false;
        return true;
    };
    QVERIFY(same(block.GetGeneralInfoLocation(2, 0, base), one(257, 1)));
    QVERIFY(same(block.GetGeneralInfoLocation(3, 0, base), one(258, 1)));
    QVERIFY(same(block.GetGeneralInfoLocation(4, 0, base), one(383, 1)));
    QVERIFY(same(block.GetGeneralInfoLocation(7, 0, base), one(259, 1)));
    QVERIFY(same(block.GetGeneralInfoLocation(0xFFFFFFFFu, 0, base), one(256, 128)));
    // Second timing starts at block byte 28.
    QVERIFY(same(block.GetDetiledTimingLocation(10, 1, base), one(284 + 2, 1) + one(284 + 4, 1)));
    QVERIFY(same(block.GetDetiledTimingLocation(17, 1, base), one(284 + 10, 2)));
    QVERIFY(same(block.GetDetiledTimingLocation(22, 0, base), one(266, 2)));
    QVERIFY(same(block.GetDetiledTimingLocation(25, 0, base), one(266 + 17, 1)));
    QVERIFY(same(block.GetDetiledTimingLocation(0xFFFFFFFFu, 1, base), one(284, 18)));
    QVERIFY(block.GetDetiledTimingLocation(10, 2, base).isEmpty());
    QVERIFY(same(block.GetSpeakersAllocationLocation(86, 0, base), one(262, 1)));
    QVERIFY(same(block.GetSpeakersAllocationLocation(0xFFFFFFFFu, 0, base), one(261, 2)));
}

void tst_CeaExtBlock::report()
{
    QByteArray image = VyrTest::readSample("bad-ext-checksum-gsm7666-1.bin");
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    ReportSink sink;
    QCOMPARE(block.Validate(&sink), 1);
    QCOMPARE(sink.lines.value(0), QStringLiteral("\r\nValidating CEA3 Extension Block. Data "
                                                 "Range: Byte[128] --> Byte[255]\r\n"));
    QCOMPARE(sink.lines.value(1), QStringLiteral("  Error: Invalid checksum. 0xA3 (stored "
                                                 "checksum) instead 0xAD (calculated "
                                                 "checksum).\r\n"));
    block.RecalcCheckSum();
    sink.lines.clear();
    QCOMPARE(block.Validate(&sink), 0);
    QCOMPARE(sink.lines.last(), QStringLiteral("  Block is valid\r\n"));

    sink.lines.clear();
    QVERIFY(!CeaExtBlock::ValidateCeaExt(&sink, p, 0, 100));
    QCOMPARE(sink.lines.value(0),
             QStringLiteral("  CEA Ext Block...: 100 - unsufficient size. Required 128 bytes\r\n"));
    QVERIFY(!CeaExtBlock::ValidateCeaExt(&sink, bytes(image), 0, 256));
    QCOMPARE(sink.lines.value(1), QStringLiteral("  CEA Ext Block...: Byte[0] = 0x00 does not "
                                                 "match CEA extension tag (0x02)\r\n"));
    QVERIFY(CeaExtBlock::ValidateCeaExt(&sink, bytes(image), 128, 256));

    QString name, description, title;
    block.FillCellInfo(130, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("DTD Offset inside Extension Block"));
    QCOMPARE(description, QStringLiteral("Byte[2] of Extension Block"));
    QCOMPARE(title, QStringLiteral("CEA-v3"));
    block.FillCellInfo(132, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("Data Block Tag/Data Block Length"));
    block.FillCellInfo(255, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("Checksum"));
    const unsigned d = p[2];
    block.FillCellInfo(128 + d + 18, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("Pixel Clock. Low Order Bits"));
    name.clear();
    block.FillCellInfo(127, &name, &description, &title); // not in this block
    QVERIFY(name.isEmpty());
}

void tst_CeaExtBlock::modes()
{
    // One timing, one SVD (VIC 16, which also has a 1000/1001 clock), one HDMI VIC 1.
    QByteArray image = baseBlock()
                       + makeExt(0, 0,
                                 QByteArray::fromHex("4190"
                                                     "6B03 0C00 1000 0020 2000 2001"));
    auto *p = bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    block.AddDTD();
    ReportSink sink;
    block.FillModeInfo(&sink);
    QCOMPARE(sink.modes.size(), 1 + 2 + 2);
    QCOMPARE(int(sink.modes[0].sourceKind), int(ModeSourceDetailedTiming));
    QCOMPARE(sink.modes[1].vic, 16u);
    QCOMPARE(sink.modes[1].pixelClock, 148500u);
    QCOMPARE(int(sink.modes[2].rateVariant), 1);
    QCOMPARE(int(sink.modes[3].sourceKind), int(ModeSourceHdmiVic));
    QCOMPARE(sink.modes[3].hActive, 3840u);
    for (const ModeInfo &m : sink.modes)
        QCOMPARE(m.section, CeaExtBlock::CeaTimingSection);

    Resolution r;
    block.GetMaxResolution(&r);
    QCOMPARE(r.width, 3840u);
    QCOMPARE(r.height, 2160u);
}

QTEST_GUILESS_MAIN(tst_CeaExtBlock)
#include "tst_ceaextblock.moc"
