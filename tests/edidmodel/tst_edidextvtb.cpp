#include "edidbytes.h"
#include "extblockimage.h"
#include "model/vtb/edidextvtb.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <cstring>
#include <memory>
#include <set>
#include <tuple>

using namespace ExtBlockImage;
using namespace VyrTest;

namespace {

constexpr char Filler = '\x5C';

// A 512-byte image whose block 1 is a VTB-EXT block with the given counts and entry bytes;
// the other bytes hold a filler that no VTB-EXT operation may touch.
QByteArray vtbImage(unsigned dtbs, unsigned cvts, unsigned sts, const QByteArray &entries = {})
{
    QByteArray block(128, '\0');
    EdidExtVtb::InitBuffer(bytes(block), 128);
    block[2] = static_cast<char>(dtbs);
    block[3] = static_cast<char>(cvts);
    block[4] = static_cast<char>(sts);
    block.replace(5, entries.size(), entries);
    QByteArray image(512, Filler);
    image.replace(BlockOffset, 128, block);
    EdidExtVtb vtb(bytes(image) + BlockOffset, 384, BlockOffset, nullptr);
    vtb.RecalcCheckSum();
    return image;
}

QByteArray bytesOf(const void *entry, int size)
{
    return entry ? QByteArray(static_cast<const char *>(entry), size) : QByteArray();
}

// A detailed timing with every field distinct, so that moved or mixed-up bytes show.
DetailedTiming someTiming(QRandomGenerator &random)
{
    DetailedTiming t;
    t.pixelClock = random.bounded(1u, 65536u);
    t.hActive = random.bounded(4096u);
    t.vActive = random.bounded(4096u);
    t.hBlanking = random.bounded(4096u);
    t.vBlanking = random.bounded(4096u);
    t.hSyncOffset = random.bounded(1024u);
    t.hSyncWidth = random.bounded(1024u);
    t.vSyncOffset = random.bounded(64u);
    t.vSyncWidth = random.bounded(64u);
    t.hBorder = random.bounded(256u);
    t.vBorder = random.bounded(256u);
    t.hImageSize = random.bounded(4096u);
    t.vImageSize = random.bounded(4096u);
    t.interlaced = random.bounded(2u) != 0;
    t.syncType = random.bounded(4u);
    t.syncFlag1 = random.bounded(2u) != 0;
    t.syncFlag2 = random.bounded(2u) != 0;
    t.stereoMode = random.bounded(7u);
    return t;
}

Cvt3ByteTiming someCvt(QRandomGenerator &random)
{
    static const AspectRatioCode aspects[] = {AspectRatio4x3, AspectRatio16x9, AspectRatio16x10};
    Cvt3ByteTiming c;
    c.defined = true;
    c.lines = 2 * random.bounded(1u, 4096u);
    c.aspect = aspects[random.bounded(3u)];
    c.preferredRate = random.bounded(4u);
    c.rate50Hz = random.bounded(2u) != 0;
    c.rate60Hz = true;
    c.rate75Hz = random.bounded(2u) != 0;
    c.rate85Hz = random.bounded(2u) != 0;
    c.rate60HzReducedBlanking = random.bounded(2u) != 0;
    return c;
}

StandardTiming someStandard(QRandomGenerator &random)
{
    static const AspectRatioCode aspects[] = {AspectRatio16x10, AspectRatio4x3, AspectRatio5x4,
                                              AspectRatio16x9};
    StandardTiming s;
    s.defined = true;
    s.width = (random.bounded(1u, 225u) + 31) * 8;
    s.refreshRate = 60 + random.bounded(64u);
    s.aspect = aspects[random.bounded(4u)];
    return s;
}

} // namespace

class tst_EdidExtVtb : public QObject
{
    Q_OBJECT

private slots:
    void freshBlockLayout();
    void capacity_data();
    void capacity();
    void addsUntilRefused_data();
    void addsUntilRefused();
    void listsMoveAsEntriesComeAndGo();
    void randomAddRemoveSequences_data();
    void randomAddRemoveSequences();
    void entryArguments();
    void corruptCountsAreReadOnly_data();
    void corruptCountsAreReadOnly();
    void locations_data();
    void locations();
    void agreesWithEdidDecode_data();
    void agreesWithEdidDecode();
};

void tst_EdidExtVtb::freshBlockLayout()
{
    QByteArray image = vtbImage(0, 0, 0);
    EdidExtVtb vtb(blockOf(image), 384, BlockOffset, nullptr);
    QCOMPARE(image.mid(BlockOffset, 5), QByteArray("\x10\x01\x00\x00\x00", 5));
    QCOMPARE(image.mid(BlockOffset + 5, 122), QByteArray(122, '\0'));
    QVERIFY(vtb.IsChecksumValid());
    QCOMPARE(vtb.GetBlockSize(), 128u);
    QCOMPARE(vtb.GetVersion(), 1u);
    QCOMPARE(vtb.GetRawData(), blockOf(image));
    QCOMPARE(vtb.GetFreeBytesNumber(), 122u);
    QVERIFY(vtb.AllowNewDTB() && vtb.AllowNewCVT() && vtb.AllowNewST());
    QCOMPARE(vtb.DTBCount() + vtb.CVTCount() + vtb.STCount(), 0u);
    QCOMPARE(vtb.getVtbBlockData(VtbStandardTimings), blockOf(image) + 5);
}

void tst_EdidExtVtb::capacity_data()
{
    QTest::addColumn<unsigned>("dtbs");
    QTest::addColumn<unsigned>("cvts");
    QTest::addColumn<unsigned>("sts");
    QTest::addColumn<unsigned>("freeBytes");
    QTest::addColumn<bool>("dtb");
    QTest::addColumn<bool>("cvt");
    QTest::addColumn<bool>("st");

    QTest::newRow("empty") << 0u << 0u << 0u << 122u << true << true << true;
    QTest::newRow("5 DTBs: 32 free") << 5u << 0u << 0u << 32u << true << true << true;
    QTest::newRow("6 DTBs: 14 free") << 6u << 0u << 0u << 14u << false << true << true;
    QTest::newRow("19 free: a DTB still fits") << 5u << 3u << 2u << 19u << true << true << true;
    QTest::newRow("18 free: no DTB (strict)") << 5u << 4u << 1u << 18u << false << true << true;
    QTest::newRow("4 free") << 6u << 0u << 5u << 4u << false << true << true;
    QTest::newRow("3 free: no CVT (strict)") << 6u << 1u << 4u << 3u << false << false << true;
    QTest::newRow("2 free: no ST (strict)") << 0u << 0u << 60u << 2u << false << false << false;
    QTest::newRow("40 CVTs") << 0u << 40u << 0u << 2u << false << false << false;
    QTest::newRow("61 STs: full") << 0u << 0u << 61u << 0u << false << false << false;
}

void tst_EdidExtVtb::capacity()
{
    QFETCH(unsigned, dtbs);
    QFETCH(unsigned, cvts);
    QFETCH(unsigned, sts);
    QFETCH(unsigned, freeBytes);
    QFETCH(bool, dtb);
    QFETCH(bool, cvt);
    QFETCH(bool, st);

    QByteArray image = vtbImage(dtbs, cvts, sts);
    EdidExtVtb vtb(blockOf(image), 384, BlockOffset, nullptr);
    QCOMPARE(vtb.DTBCount(), dtbs);
    QCOMPARE(vtb.CVTCount(), cvts);
    QCOMPARE(vtb.STCount(), sts);
    QCOMPARE(vtb.GetFreeBytesNumber(), freeBytes);
    QCOMPARE(vtb.AllowNewDTB(), dtb);
    QCOMPARE(vtb.AllowNewCVT(), cvt);
    QCOMPARE(vtb.AllowNewST(), st);
    QCOMPARE(vtb.getVtbBlockData(VtbCvtCodes), blockOf(image) + 5 + 18 * dtbs);
    QCOMPARE(vtb.getVtbBlockData(VtbStandardTimings), blockOf(image) + 5 + 18 * dtbs + 3 * cvts);
    QCOMPARE(vtb.GetByteIndexOfST(1), 18 * dtbs + 3 * cvts + 2);

    // The add answers follow the Allow tests; a refused add changes nothing.
    const QByteArray before = snapshot(image);
    auto restore = [&] { std::memcpy(image.data(), before.constData(), size_t(before.size())); };
    QCOMPARE(vtb.AddDTB(), dtb);
    QCOMPARE(image == before, !dtb);
    restore();
    QCOMPARE(vtb.AddCVT(), cvt);
    QCOMPARE(image == before, !cvt);
    restore();
    QCOMPARE(vtb.AddST(), st);
    QCOMPARE(image == before, !st);
}

void tst_EdidExtVtb::addsUntilRefused_data()
{
    QTest::addColumn<unsigned>("dtbs");
    QTest::addColumn<int>("list");
    QTest::addColumn<unsigned>("adds");
    QTest::newRow("DTBs into an empty block") << 0u << int(VtbDetailedTimings) << 6u;
    QTest::newRow("CVT codes into an empty block") << 0u << int(VtbCvtCodes) << 40u;
    QTest::newRow("standard timings into an empty block") << 0u << int(VtbStandardTimings) << 60u;
    QTest::newRow("CVT codes after 6 DTBs") << 6u << int(VtbCvtCodes) << 4u;
    QTest::newRow("standard timings after 6 DTBs") << 6u << int(VtbStandardTimings) << 6u;
}

void tst_EdidExtVtb::addsUntilRefused()
{
    QFETCH(unsigned, dtbs);
    QFETCH(int, list);
    QFETCH(unsigned, adds);

    QByteArray image = vtbImage(dtbs, 0, 0);
    EdidExtVtb vtb(blockOf(image), 384, BlockOffset, nullptr);
    auto add = [&] {
        return list == VtbDetailedTimings ? vtb.AddDTB()
               : list == VtbCvtCodes      ? vtb.AddCVT()
                                          : vtb.AddST();
    };
    unsigned done = 0;
    while (add()) {
        ++done;
        QVERIFY(vtb.IsChecksumValid());
        QVERIFY(done <= adds);
    }
    QCOMPARE(done, adds);
    const QByteArray full = snapshot(image);
    QVERIFY(!add());
    QCOMPARE(image, full);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(VyrTest::readSample("vtbext-nec6946-1.bin").left(128)
                                           + image.mid(BlockOffset, 128)));
}

// The fixed cases: entries move as whole entries, keep their values and leave zeros behind.
void tst_EdidExtVtb::listsMoveAsEntriesComeAndGo()
{
    const QByteArray cvts = QByteArray::fromHex("1b287f"
                                                "572806");
    const QByteArray sts = QByteArray::fromHex("d1c0"
                                               "8180"
                                               "6140");
    QByteArray image = vtbImage(0, 2, 3, cvts + sts);
    EdidExtVtb vtb(blockOf(image), 384, BlockOffset, nullptr);

    // The first DTB pushes the CVT codes and standard timings up by 18 bytes.
    QVERIFY(vtb.AddDTB());
    QCOMPARE(image.mid(BlockOffset + 2, 3), QByteArray("\x01\x02\x03", 3));
    QCOMPARE(image.mid(BlockOffset + 5, 18), QByteArray(18, '\0'));
    QCOMPARE(image.mid(BlockOffset + 23, 12).toHex(), (cvts + sts).toHex());
    QCOMPARE(bytesOf(vtb.GetCVT(1), 3).toHex(), QByteArray("572806"));
    QCOMPARE(bytesOf(vtb.GetST(2), 2).toHex(), QByteArray("6140"));
    QCOMPARE(image.mid(BlockOffset + 35, 92), QByteArray(92, '\0'));
    QVERIFY(vtb.IsChecksumValid());

    // Removing the only DTB brings them back to byte 5 and zeroes the 18 freed bytes.
    image[BlockOffset + 5] = '\x7F'; // a non-zero DTB, to see it go
    vtb.RecalcCheckSum();
    QVERIFY(vtb.RemoveDTB(0));
    QCOMPARE(image.mid(BlockOffset + 2, 3), QByteArray("\x00\x02\x03", 3));
    QCOMPARE(image.mid(BlockOffset + 5, 12).toHex(), (cvts + sts).toHex());
    QCOMPARE(image.mid(BlockOffset + 17, 110), QByteArray(110, '\0'));
    QVERIFY(vtb.IsChecksumValid());

    // Removing standard timing 0 of 3 shifts the other two down and clears two bytes.
    QVERIFY(vtb.RemoveST(0));
    QCOMPARE(image[BlockOffset + 4], '\x02');
    QCOMPARE(image.mid(BlockOffset + 11, 4).toHex(), QByteArray("81806140"));
    QCOMPARE(image.mid(BlockOffset + 15, 112), QByteArray(112, '\0'));

    // Removing the last CVT code with standard timings after it.
    QVERIFY(vtb.RemoveCVT(1));
    QCOMPARE(image.mid(BlockOffset + 3, 9).toHex(), QByteArray("0102"
                                                               "1b287f"
                                                               "81806140"));
    QCOMPARE(image.mid(BlockOffset + 12, 115), QByteArray(115, '\0'));
    QVERIFY(!vtb.RemoveCVT(1)); // no longer there
    QVERIFY(!vtb.RemoveST(61));
    QVERIFY(vtb.IsChecksumValid());
    QCOMPARE(image.left(BlockOffset), QByteArray(BlockOffset, Filler));
    QCOMPARE(image.mid(BlockOffset + 128), QByteArray(256, Filler));
}

void tst_EdidExtVtb::randomAddRemoveSequences_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

// Random adds, edits and removes against a plain model of the three lists: after every step
// the block holds exactly the model's entries, packed, with a zero tail and a valid checksum.
void tst_EdidExtVtb::randomAddRemoveSequences()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    QByteArray image = vtbImage(0, 0, 0);
    const QByteArray outside = outsideBlock(image);
    EdidExtVtb vtb(blockOf(image), 384, BlockOffset, nullptr);
    QList<QByteArray> lists[3]; // DTBs, CVT codes, standard timings
    const int sizes[3] = {18, 3, 2};

    for (int step = 0; step < 300; ++step) {
        const int list = int(random.bounded(3u));
        const bool add = random.bounded(5u) < 3;
        const unsigned count = unsigned(lists[list].size());
        if (add) {
            const int used = 18 * lists[0].size() + 3 * lists[1].size() + 2 * lists[2].size();
            const bool allowed = 122 - used > sizes[list];
            const bool added = list == 0 ? vtb.AddDTB() : list == 1 ? vtb.AddCVT() : vtb.AddST();
            QCOMPARE(added, allowed);
            if (!added)
                continue;
            QByteArray entry;
            if (list == 0) {
                DetailedTiming t = someTiming(random);
                vtb.SetDetailedTiming(count, &t);
                entry = bytesOf(vtb.GetDTB(count), 18);
                DetailedTiming back;
                QVERIFY(vtb.GetDetailedTiming(count, &back));
                QCOMPARE(back.hActive, t.hActive);
                QCOMPARE(back.vSyncWidth, t.vSyncWidth);
                QCOMPARE(back.stereoMode, t.stereoMode);
            } else if (list == 1) {
                const Cvt3ByteTiming c = someCvt(random);
                vtb.SetCvt3ByteTiming(count, &c);
                entry = bytesOf(vtb.GetCVT(count), 3);
                Cvt3ByteTiming back;
                QVERIFY(vtb.GetCvt3ByteTiming(count, &back));
                QCOMPARE(back.lines, c.lines);
                QCOMPARE(back.aspect, c.aspect);
            } else {
                StandardTiming s = someStandard(random);
                QVERIFY(vtb.SetStandardTiming(count, 0, &s));
                entry = bytesOf(vtb.GetST(count), 2);
                StandardTiming back;
                QVERIFY(vtb.GetStandardTiming(0, count, &back));
                QCOMPARE(back.width, s.width);
                QCOMPARE(back.refreshRate, s.refreshRate);
            }
            lists[list].append(entry);
        } else {
            const unsigned index = random.bounded(count + 1); // sometimes one past the end
            const bool removed = list == 0   ? vtb.RemoveDTB(index)
                                 : list == 1 ? vtb.RemoveCVT(index)
                                             : vtb.RemoveST(index);
            QCOMPARE(removed, index < count);
            if (removed)
                lists[list].removeAt(int(index));
        }

        QCOMPARE(vtb.DTBCount(), unsigned(lists[0].size()));
        QCOMPARE(vtb.CVTCount(), unsigned(lists[1].size()));
        QCOMPARE(vtb.STCount(), unsigned(lists[2].size()));
        const QByteArray packed = lists[0].join() + lists[1].join() + lists[2].join();
        QCOMPARE(image.mid(BlockOffset + 5, packed.size()).toHex(), packed.toHex());
        QCOMPARE(image.mid(BlockOffset + 5 + packed.size(), 122 - packed.size()),
                 QByteArray(122 - packed.size(), '\0'));
        QCOMPARE(vtb.GetFreeBytesNumber(), unsigned(122 - packed.size()));
        QVERIFY(vtb.IsChecksumValid());
        QCOMPARE(outsideBlock(image), outside);
    }
    QVERIFY(VyrTest::edidDecodeChecksumsOk(VyrTest::readSample("vtbext-nec6946-1.bin").left(128)
                                           + image.mid(BlockOffset, 128)));
}

// The standard timing getter takes its entry from the index argument, the setter from the
// section argument; missing entries are refused.
void tst_EdidExtVtb::entryArguments()
{
    QByteArray image = vtbImage(0, 1, 2,
                                QByteArray::fromHex("000000"
                                                    "0101"
                                                    "d1c0"));
    EdidExtVtb vtb(blockOf(image), 384, BlockOffset, nullptr);

    StandardTiming st;
    QVERIFY(vtb.GetStandardTiming(7, 1, &st));
    QVERIFY(st.defined);
    QCOMPARE(st.width, 1920u);
    QCOMPARE(st.aspect, AspectRatio16x9);
    StandardTiming unused;
    unused.width = 99;
    QVERIFY(vtb.GetStandardTiming(1, 0, &unused)); // 01 01: the entry exists but is unused
    QVERIFY(!unused.defined);
    QCOMPARE(unused.width, 99u);
    QVERIFY(!vtb.GetStandardTiming(0, 2, &st));

    st.width = 1280;
    st.refreshRate = 75;
    st.aspect = AspectRatio5x4;
    QVERIFY(vtb.SetStandardTiming(0, 1, &st));
    QCOMPARE(image.mid(BlockOffset + 8, 4).toHex(), QByteArray("818f"
                                                               "d1c0"));
    QVERIFY(!vtb.SetStandardTiming(2, 0, &st));
    QVERIFY(!vtb.SetStandardTiming(0, 0, nullptr));

    Cvt3ByteTiming cvt;
    QVERIFY(vtb.GetCvt3ByteTiming(0, &cvt));
    QVERIFY(!cvt.defined);
    const QByteArray before = snapshot(image);
    QVERIFY(!vtb.GetCvt3ByteTiming(1, &cvt));
    vtb.SetCvt3ByteTiming(1, &cvt);
    DetailedTiming dt;
    vtb.SetDetailedTiming(0, &dt);
    QVERIFY(!vtb.GetDetailedTiming(0, &dt));
    QCOMPARE(image, before);
    QVERIFY(vtb.IsChecksumValid());
}

void tst_EdidExtVtb::corruptCountsAreReadOnly_data()
{
    QTest::addColumn<unsigned>("dtbs");
    QTest::addColumn<unsigned>("cvts");
    QTest::addColumn<unsigned>("sts");
    QTest::addColumn<unsigned>("readDtbs");
    QTest::addColumn<unsigned>("readCvts");
    QTest::addColumn<unsigned>("readSts");

    QTest::newRow("7 DTBs") << 7u << 0u << 0u << 6u << 0u << 0u;
    QTest::newRow("41 CVT codes") << 0u << 41u << 0u << 0u << 40u << 0u;
    QTest::newRow("62 standard timings") << 0u << 0u << 62u << 0u << 0u << 61u;
    QTest::newRow("6 DTBs and 5 CVT codes") << 6u << 5u << 0u << 6u << 4u << 0u;
    QTest::newRow("lists past byte 126") << 6u << 4u << 2u << 6u << 4u << 1u;
    QTest::newRow("all 0xFF") << 255u << 255u << 255u << 6u << 4u << 1u;
}

// Counts that claim more than the entry area: entries are read as far as they fit, no byte is
// free, and nothing in the block is ever written.
void tst_EdidExtVtb::corruptCountsAreReadOnly()
{
    QFETCH(unsigned, dtbs);
    QFETCH(unsigned, cvts);
    QFETCH(unsigned, sts);
    QFETCH(unsigned, readDtbs);
    QFETCH(unsigned, readCvts);
    QFETCH(unsigned, readSts);

    // The block alone on the heap, so that any read or write past it is caught by the
    // address sanitizer build.
    QByteArray bytes = vtbImage(dtbs, cvts, sts).mid(BlockOffset, 128);
    for (int i = 5; i < 127; ++i)
        bytes[i] = static_cast<char>(i);
    std::unique_ptr<unsigned char[]> block(new unsigned char[128]);
    std::memcpy(block.get(), bytes.constData(), 128);
    EdidExtVtb vtb(block.get(), 128, BlockOffset, nullptr);
    vtb.RecalcCheckSum(); // the one write a caller may force
    std::memcpy(bytes.data(), block.get(), 128);
    auto unchanged = [&] { return std::memcmp(block.get(), bytes.constData(), 128) == 0; };

    QCOMPARE(vtb.DTBCount(), readDtbs);
    QCOMPARE(vtb.CVTCount(), readCvts);
    QCOMPARE(vtb.STCount(), readSts);
    QCOMPARE(vtb.GetFreeBytesNumber(), 0u);
    QVERIFY(!vtb.AllowNewDTB() && !vtb.AllowNewCVT() && !vtb.AllowNewST());

    DetailedTiming dt;
    Cvt3ByteTiming cvt;
    StandardTiming st;
    for (unsigned i = 0; i < 64; ++i) {
        QCOMPARE(vtb.GetDetailedTiming(i, &dt), i < readDtbs);
        QCOMPARE(vtb.GetCvt3ByteTiming(i, &cvt), i < readCvts);
        QCOMPARE(vtb.GetStandardTiming(0, i, &st), i < readSts);
        QCOMPARE(vtb.GetDetailedTimingLocation(0xFFFFFFFFu, i).isEmpty(), i >= readDtbs);
        vtb.SetDetailedTiming(i, &dt);
        vtb.SetCvt3ByteTiming(i, &cvt);
        QVERIFY(!vtb.SetStandardTiming(i, 0, &st));
        QVERIFY(!vtb.RemoveDTB(i));
        QVERIFY(!vtb.RemoveCVT(i));
        QVERIFY(!vtb.RemoveST(i));
    }
    QVERIFY(!vtb.AddDTB() && !vtb.AddCVT() && !vtb.AddST());
    vtb.ClearTail();
    QVERIFY(unchanged());
    const unsigned end = 5 + 18 * readDtbs + 3 * readCvts + 2 * readSts;
    QVERIFY(end <= 127);
    const QList<EdidItemLocation> sts2 = vtb.GetStandardTimingLocation(0xFFFFFFFFu, 0);
    if (readSts > 0)
        QCOMPARE(sts2.value(0).offset + sts2.value(0).length, BlockOffset + end);
}

using LocationList = QList<QPair<unsigned, unsigned>>;

void tst_EdidExtVtb::locations_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<unsigned>("index");
    QTest::addColumn<LocationList>("expected"); // image offsets, block at 128 with 2/2/2 entries

    const unsigned all = 0xFFFFFFFFu;
    const unsigned d1 = 128 + 5 + 18;
    QTest::newRow("DTB 1 pixel clock") << 0 << 12u << 1u << LocationList{{151, 2}};
    QTest::newRow("DTB 1 h active") << 0 << 0u << 1u << LocationList{{d1 + 2, 1}, {d1 + 4, 1}};
    QTest::newRow("DTB 1 v active") << 0 << 1u << 1u << LocationList{{d1 + 5, 1}, {d1 + 7, 1}};
    QTest::newRow("DTB 1 h blanking") << 0 << 2u << 1u << LocationList{{d1 + 3, 1}, {d1 + 4, 1}};
    QTest::newRow("DTB 1 v blanking") << 0 << 3u << 1u << LocationList{{d1 + 6, 1}, {d1 + 7, 1}};
    QTest::newRow("DTB 1 h sync offset")
        << 0 << 4u << 1u << LocationList{{d1 + 8, 1}, {d1 + 11, 1}};
    QTest::newRow("DTB 1 v sync offset") << 0 << 5u << 1u << LocationList{{d1 + 10, 2}};
    QTest::newRow("DTB 1 h sync width") << 0 << 6u << 1u << LocationList{{d1 + 9, 1}, {d1 + 11, 1}};
    QTest::newRow("DTB 1 v sync width") << 0 << 7u << 1u << LocationList{{d1 + 10, 2}};
    QTest::newRow("DTB 1 h border") << 0 << 8u << 1u << LocationList{{d1 + 15, 1}};
    QTest::newRow("DTB 1 v border") << 0 << 9u << 1u << LocationList{{d1 + 16, 1}};
    QTest::newRow("DTB 1 h size") << 0 << 10u << 1u << LocationList{{d1 + 12, 1}, {d1 + 14, 1}};
    QTest::newRow("DTB 1 v size") << 0 << 11u << 1u << LocationList{{d1 + 13, 1}, {d1 + 14, 1}};
    QTest::newRow("DTB 1 flags") << 0 << 17u << 1u << LocationList{{d1 + 17, 1}};
    QTest::newRow("DTB 0 whole") << 0 << 18u << 0u << LocationList{{133, 18}};
    QTest::newRow("DTB list") << 0 << 0u << all << LocationList{{133, 36}};
    QTest::newRow("DTB 2 missing") << 0 << 12u << 2u << LocationList{};
    QTest::newRow("CVT 1") << 1 << 1u << 7u << LocationList{{169 + 3, 3}};
    QTest::newRow("CVT list") << 1 << all << all << LocationList{{169, 6}};
    QTest::newRow("CVT 2 missing") << 1 << 2u << 0u << LocationList{};
    QTest::newRow("ST 1") << 2 << 1u << 0u << LocationList{{175 + 2, 2}};
    QTest::newRow("ST list") << 2 << all << all << LocationList{{175, 4}};
    QTest::newRow("ST 2 missing") << 2 << 2u << all << LocationList{};
}

void tst_EdidExtVtb::locations()
{
    QFETCH(int, list);
    QFETCH(unsigned, code);
    QFETCH(unsigned, index);
    QFETCH(LocationList, expected);

    QByteArray image = vtbImage(2, 2, 2);
    EdidExtVtb vtb(blockOf(image), 384, BlockOffset, nullptr);
    QList<EdidItemLocation> got;
    if (list == 0)
        got = vtb.GetDetailedTimingLocation(code, index);
    else if (list == 1)
        got = vtb.GetCvt3ByteTimingLocation(code, index); // entry index first
    else
        got = vtb.GetStandardTimingLocation(code, index);
    LocationList actual;
    for (const EdidItemLocation &loc : got)
        actual.append({loc.offset, loc.length});
    QCOMPARE(actual, expected);

    // Sections without entries answer nothing, even for the whole list.
    QByteArray empty = vtbImage(0, 0, 0);
    EdidExtVtb none(blockOf(empty), 384, BlockOffset, nullptr);
    QVERIFY(none.GetDetailedTimingLocation(0, 0xFFFFFFFFu).isEmpty());
    QVERIFY(none.GetCvt3ByteTimingLocation(0xFFFFFFFFu, 0xFFFFFFFFu).isEmpty());
    QVERIFY(none.GetStandardTimingLocation(0xFFFFFFFFu, 0xFFFFFFFFu).isEmpty());
}

void tst_EdidExtVtb::agreesWithEdidDecode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const QString &name : VyrTest::sampleNames()) {
        if (name.startsWith(QLatin1String("vtbext-")))
            QTest::newRow(qPrintable(name)) << VyrTest::readSample(name).left(256);
    }
    // One DTB of a sample, then CVT codes (with an unused one and the reduced-blanking rate)
    // and standard timings (with an unused pair).
    const QByteArray sample = VyrTest::readSample("vtbext-bdsc100-1.bin");
    const QByteArray entries = sample.mid(128 + 5, 18)
                               + QByteArray::fromHex("1b287f"
                                                     "1b2420"
                                                     "000000"
                                                     "57280a"
                                                     "7f1556")
                               + QByteArray::fromHex("d1c0"
                                                     "8180"
                                                     "6140"
                                                     "0101"
                                                     "a940"
                                                     "3b00");
    QByteArray crafted = sample.left(128) + vtbImage(1, 5, 6, entries).mid(BlockOffset, 128);
    QTest::newRow("crafted lists") << crafted;
}

// The three lists as edid-decode prints them are the entries the model decodes.
void tst_EdidExtVtb::agreesWithEdidDecode()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QFETCH(QByteArray, bytes);
    EdidExtVtb vtb(reinterpret_cast<unsigned char *>(bytes.data()) + 128, 128, 128, nullptr);
    QVERIFY(vtb.IsChecksumValid());
    QVERIFY(VyrTest::edidDecodeChecksumsOk(bytes));
    const QString text = VyrTest::edidDecode(bytes);
    const QString decoded = text.mid(text.indexOf(QLatin1String("Video Timing Extension Block")));
    QVERIFY2(decoded.contains(QStringLiteral("Version: %1\n").arg(vtb.GetVersion())),
             qPrintable(text));

    // Detailed timings: size, clock, image size, porches and polarities.
    const QRegularExpression dtdRe(QStringLiteral(
        "DTD:\\s+(\\d+)x(\\d+)\\S*\\s.*?([\\d.]+) MHz \\((\\d+) mm x (\\d+) mm\\)\\s+"
        "Hfront\\s+(\\d+) Hsync\\s+(\\d+) Hback\\s+(\\d+) Hpol (\\w)\\s+"
        "Vfront\\s+(\\d+) Vsync\\s+(\\d+) Vback\\s+(\\d+) Vpol (\\w)"));
    QStringList expectedDtds, decodedDtds;
    for (unsigned i = 0; i < vtb.DTBCount(); ++i) {
        DetailedTiming t;
        QVERIFY(vtb.GetDetailedTiming(i, &t));
        QCOMPARE(t.syncType, 3u); // every sample DTD has separate digital sync
        expectedDtds << QStringLiteral("%1x%2 %3 %4x%5 %6/%7/%8%9 %10/%11/%12%13")
                            .arg(t.hActive)
                            .arg(t.vActive)
                            .arg(t.pixelClock / 100.0, 0, 'f', 6)
                            .arg(t.hImageSize)
                            .arg(t.vImageSize)
                            .arg(t.hSyncOffset)
                            .arg(t.hSyncWidth)
                            .arg(t.hBlanking - t.hSyncOffset - t.hSyncWidth)
                            .arg(t.syncFlag1 ? "P" : "N")
                            .arg(t.vSyncOffset)
                            .arg(t.vSyncWidth)
                            .arg(t.vBlanking - t.vSyncOffset - t.vSyncWidth)
                            .arg(t.syncFlag2 ? "P" : "N");
    }
    for (auto it = dtdRe.globalMatch(decoded); it.hasNext();) {
        const auto m = it.next();
        decodedDtds << QStringLiteral("%1x%2 %3 %4x%5 %6/%7/%8%9 %10/%11/%12%13")
                           .arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4),
                                m.captured(5), m.captured(6), m.captured(7), m.captured(8),
                                m.captured(9))
                           .arg(m.captured(10), m.captured(11), m.captured(12), m.captured(13));
    }
    QCOMPARE(decodedDtds, expectedDtds);

    // CVT codes: one line per enabled rate with the line count, aspect and blanking.
    static const QMap<quint32, QString> aspectText{{AspectRatio4x3, QStringLiteral("4:3")},
                                                   {AspectRatio16x9, QStringLiteral("16:9")},
                                                   {AspectRatio16x10, QStringLiteral("16:10")},
                                                   {AspectRatio5x4, QStringLiteral("5:4")}};
    std::multiset<QString> expectedCvts, decodedCvts;
    for (unsigned i = 0; i < vtb.CVTCount(); ++i) {
        Cvt3ByteTiming c;
        QVERIFY(vtb.GetCvt3ByteTiming(i, &c));
        if (!c.defined)
            continue;
        const bool rates[4] = {c.rate50Hz, c.rate60Hz, c.rate75Hz, c.rate85Hz};
        const int hz[4] = {50, 60, 75, 85};
        for (int r = 0; r < 4; ++r) {
            if (rates[r])
                expectedCvts.insert(QStringLiteral("%1 %2 %3%4")
                                        .arg(c.lines)
                                        .arg(aspectText[c.aspect])
                                        .arg(hz[r])
                                        .arg(unsigned(r) == c.preferredRate ? " preferred" : ""));
        }
        if (c.rate60HzReducedBlanking)
            expectedCvts.insert(
                QStringLiteral("%1 %2 60 RB").arg(c.lines).arg(aspectText[c.aspect]));
    }
    const QRegularExpression cvtRe(
        QStringLiteral("CVT:\\s+\\d+x(\\d+)\\s+([\\d.]+) "
                       "Hz\\s+(\\d+:\\d+)[^\\n]*?(\\(RB\\)|\\(preferred vertical rate\\))?\\n"));
    for (auto it = cvtRe.globalMatch(decoded); it.hasNext();) {
        const auto m = it.next();
        const int hz = qRound(m.captured(2).toDouble());
        const QString tail = m.captured(4) == QLatin1String("(RB)") ? QStringLiteral(" RB")
                             : m.captured(4).isEmpty()              ? QString()
                                                                    : QStringLiteral(" preferred");
        decodedCvts.insert(
            QStringLiteral("%1 %2 %3%4").arg(m.captured(1), m.captured(3)).arg(hz).arg(tail));
    }
    QCOMPARE(QStringList(decodedCvts.begin(), decodedCvts.end()),
             QStringList(expectedCvts.begin(), expectedCvts.end()));

    // Standard timings: width, refresh rate and aspect of every used entry.
    static const QMap<quint32, double> aspectRatio{{AspectRatio16x10, 10.0 / 16},
                                                   {AspectRatio4x3, 3.0 / 4},
                                                   {AspectRatio5x4, 4.0 / 5},
                                                   {AspectRatio16x9, 9.0 / 16}};
    QStringList expectedSts, decodedSts;
    for (unsigned i = 0; i < vtb.STCount(); ++i) {
        StandardTiming s;
        QVERIFY(vtb.GetStandardTiming(0, i, &s));
        if (s.defined)
            expectedSts << QStringLiteral("%1x%2 %3 %4")
                               .arg(s.width)
                               .arg(unsigned(s.width * aspectRatio[s.aspect]))
                               .arg(s.refreshRate)
                               .arg(aspectText[s.aspect]);
    }
    const QRegularExpression stRe(QStringLiteral(
        "(?:DMT 0x[0-9a-f]+|GTF|CVT)\\s*:\\s+(\\d+)x(\\d+)\\s+([\\d.]+) Hz\\s+(\\d+:\\d+)"));
    const QString stPart = decoded.mid(decoded.indexOf(QLatin1String("Standard Timings:")));
    if (!expectedSts.isEmpty())
        QVERIFY2(decoded.contains(QLatin1String("Standard Timings:")), qPrintable(decoded));
    for (auto it = stRe.globalMatch(
             decoded.contains(QLatin1String("Standard Timings:")) ? stPart : QString());
         it.hasNext();) {
        const auto m = it.next();
        decodedSts << QStringLiteral("%1x%2 %3 %4")
                          .arg(m.captured(1), m.captured(2))
                          .arg(qRound(m.captured(3).toDouble()))
                          .arg(m.captured(4));
    }
    QCOMPARE(decodedSts, expectedSts);
}

QTEST_GUILESS_MAIN(tst_EdidExtVtb)
#include "tst_edidextvtb.moc"
