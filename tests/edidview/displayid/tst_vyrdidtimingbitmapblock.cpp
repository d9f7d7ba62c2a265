#include "connectwarninghandler.h"
#include "displayidfixtures.h"
#include "edidchecks.h"
#include "edidtreeharness.h"
#include "items/displayid/didcelldata.h"
#include "items/displayid/vyrdidtimingbitmapblock.h"
#include "vyrtestutil.h"

#include <QCheckBox>
#include <QtTest>

using VyrTest::TreeHarness;

namespace {

// A DisplayID extension section (block 1, data blocks from byte 133) holding the data blocks.
QByteArray bitmapImage(const QByteArray &dataBlocks)
{
    return DidFixture::edidWith(
        DidFixture::wrapped(0x12, unsigned(dataBlocks.size()), 0, dataBlocks));
}

const QString Vesa = QStringLiteral("VESA Timing Standard");
const QString Cea = QStringLiteral("CEA Timing Standard");

QCheckBox *box(const TreeHarness &h, const QString &item, int bit)
{
    return qobject_cast<QCheckBox *>(
        h.widget({QStringLiteral("DID Extention"), item, QStringLiteral("[%1]").arg(bit)}));
}

// The bits whose boxes are ticked, and whether every box could be used.
QList<int> tickedBits(const TreeHarness &h, const QString &item, int count, bool *enabled)
{
    QList<int> ticked;
    *enabled = true;
    for (int bit = 0; bit < count; ++bit) {
        QCheckBox *b = box(h, item, bit);
        if (!b)
            return {-1};
        if (b->isChecked())
            ticked << bit;
        *enabled = *enabled && b->isEnabled();
    }
    return ticked;
}

} // namespace

class tst_VyrDIDTimingBitmapBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void boxLabels_data();
    void boxLabels();
    void vesaBitmapReadsAndWrites();
    void ceaBitmapReadsItsBits();
    void eachBoxShowsItsByte_data();
    void eachBoxShowsItsByte();
    void wrongLengthIsNeitherReadNorWritten_data();
    void wrongLengthIsNeitherReadNorWritten();
};

void tst_VyrDIDTimingBitmapBlock::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDTimingBitmapBlock::boxLabels_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("bit");
    QTest::addColumn<QString>("label");

    QTest::newRow("DMT 1") << Vesa << 0 << "640x350@85";
    QTest::newRow("DMT 13, reduced blanking") << Vesa << 12 << "800x600@120-RB";
    QTest::newRow("DMT 15, interlaced") << Vesa << 14 << "1024x768@43-i";
    QTest::newRow("DMT 80") << Vesa << 79 << "2560x1600@120-RB";
    QTest::newRow("VIC 1") << Cea << 0 << "640x480p @ 60-4:3";
    QTest::newRow("VIC 5") << Cea << 4 << "1920x1080i @ 60-16:9";
    QTest::newRow("VIC 21") << Cea << 20 << "1440x576i @ 50-4:3";
    QTest::newRow("VIC 64") << Cea << 63 << "1920x1080p @ 100-16:9";
}

void tst_VyrDIDTimingBitmapBlock::boxLabels()
{
    QFETCH(QString, item);
    QFETCH(int, bit);
    QFETCH(QString, label);
    TreeHarness h(bitmapImage(DidFixture::dataBlock(0x07, 0, QByteArray(10, '\0'))
                              + DidFixture::dataBlock(0x08, 0, QByteArray(8, '\0'))));
    QCheckBox *b = box(h, item, bit);
    QVERIFY(b);
    QCOMPARE(b->text(), label);
}

// Payload 01 00 ... shows only DMT 1 ticked; ticking DMT 80 sets bit 7 of payload byte 9 and
// nothing else but the checksums.
void tst_VyrDIDTimingBitmapBlock::vesaBitmapReadsAndWrites()
{
    QByteArray bitmap(10, '\0');
    bitmap[0] = 0x01;
    TreeHarness h(bitmapImage(DidFixture::dataBlock(0x07, 0, bitmap)));
    bool enabled = false;
    QCOMPARE(tickedBits(h, Vesa, 80, &enabled), QList<int>{0});
    QVERIFY(enabled);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());

    QVERIFY(h.tick({"DID Extention", Vesa, "[79]"}, true));
    const int payload = 136;
    const int sectionChecksum = 129 + 4 + 13;
    QCOMPARE(quint8(h.image().at(payload + 9)), quint8(0x80));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {payload + 9, sectionChecksum});
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));

    // The other bits keep what was read: clearing DMT 80 gives the original bytes back.
    QVERIFY(h.tick({"DID Extention", Vesa, "[79]"}, false));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// A CEA payload whose byte 2 is 0x10 ticks bit 20 (VIC 21) alone.
void tst_VyrDIDTimingBitmapBlock::ceaBitmapReadsItsBits()
{
    QByteArray bitmap(8, '\0');
    bitmap[2] = 0x10;
    TreeHarness h(bitmapImage(DidFixture::dataBlock(0x08, 0, bitmap)));
    bool enabled = false;
    QCOMPARE(tickedBits(h, Cea, 64, &enabled), QList<int>{20});
    QVERIFY(enabled);
    QVERIFY(h.tick({"DID Extention", Cea, "[0]"}, true));
    QCOMPARE(h.image().mid(136, 8).toHex(), QByteArray("0100100000000000"));
}

void tst_VyrDIDTimingBitmapBlock::eachBoxShowsItsByte_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("bit");
    QTest::addColumn<int>("offset");

    // VESA payload from byte 136, CEA payload (behind the 13 VESA bytes) from 149.
    QTest::newRow("VESA bit 0") << Vesa << 0 << 136;
    QTest::newRow("VESA bit 15") << Vesa << 15 << 137;
    QTest::newRow("VESA bit 79") << Vesa << 79 << 145;
    QTest::newRow("CEA bit 20") << Cea << 20 << 151;
    QTest::newRow("CEA bit 63") << Cea << 63 << 156;
}

void tst_VyrDIDTimingBitmapBlock::eachBoxShowsItsByte()
{
    QFETCH(QString, item);
    QFETCH(int, bit);
    QFETCH(int, offset);
    TreeHarness h(bitmapImage(DidFixture::dataBlock(0x07, 0, QByteArray(10, '\0'))
                              + DidFixture::dataBlock(0x08, 0, QByteArray(8, '\0'))));
    QVERIFY(h.select({"DID Extention", item, QStringLiteral("[%1]").arg(bit)}));
    QCOMPARE(h.highlightedBytes(), QList<int>{offset});
}

void tst_VyrDIDTimingBitmapBlock::wrongLengthIsNeitherReadNorWritten_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("length");

    QTest::newRow("VESA, 4 bytes") << 0x07 << 4;
    QTest::newRow("VESA, 12 bytes") << 0x07 << 12;
    QTest::newRow("CEA, 7 bytes") << 0x08 << 7;
    QTest::newRow("CEA, 9 bytes") << 0x08 << 9;
}

// A bitmap of the wrong length shows cleared, disabled boxes, although the payload and the
// bytes behind it are all set, and an edit that reaches the item anyway writes nothing.
void tst_VyrDIDTimingBitmapBlock::wrongLengthIsNeitherReadNorWritten()
{
    QFETCH(int, tag);
    QFETCH(int, length);
    // A vendor block of 0xFF bytes follows, so that a read past the payload would tick boxes.
    TreeHarness h(bitmapImage(DidFixture::dataBlock(unsigned(tag), 0, QByteArray(length, '\xFF'))
                              + DidFixture::dataBlock(0x7F, 0, QByteArray(16, '\xFF'))));
    const QString item = tag == 0x07 ? Vesa : Cea;
    const int bits = tag == 0x07 ? 80 : 64;
    bool enabled = true;
    QCOMPARE(tickedBits(h, item, bits, &enabled), QList<int>{});
    QVERIFY(!enabled);

    auto *bitmapItem = dynamic_cast<VyrDIDTimingBitmapBlock *>(h.row({"DID Extention", item}));
    QVERIFY(bitmapItem);
    QVERIFY(!bitmapItem->hasBitmap());
    for (int bit : {0, bits - 1})
        bitmapItem->onEdidtingFinished(QString(), QVariant::fromValue(CheckBoxData{bit, false}));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_VyrDIDTimingBitmapBlock)
#include "tst_vyrdidtimingbitmapblock.moc"
