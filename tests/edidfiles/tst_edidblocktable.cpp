#include "edidfilestest.h"
#include "files/edidblocktable.h"
#include "model/displayid/displayidblock.h"
#include "vyrtestutil.h"

#include <QtTest>

using namespace EdidFilesTest;

class tst_EdidBlockTable : public QObject
{
    Q_OBJECT

private slots:
    void blocks_data();
    void blocks();
    void monitorSummary();
    void displayIdBaseSection();
};

void tst_EdidBlockTable::blocks_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("announced"); // blocks the first one announces, itself included

    const QString base13 = QStringLiteral("EDID1.3 BaseBlock");
    const QString cea = QStringLiteral("CEA ExtBlock");
    const QString did = QStringLiteral("DID ExtBlock");
    QTest::newRow("EDID 1.4") << "edid14-digital-auo623d-3.bin" << QStringList{"EDID1.4 BaseBlock"}
                              << 1;
    QTest::newRow("EDID 1.3 + CEA-861")
        << "cta-basic-dela0a4-1.bin" << QStringList{base13, cea} << 2;
    QTest::newRow("DI-EXT") << "diext-app9219-1.bin" << QStringList{base13, "DI ExtBlock"} << 2;
    QTest::newRow("VTB-EXT") << "vtbext-nec6946-1.bin" << QStringList{base13, "VTB-EXT"} << 2;
    QTest::newRow("four blocks") << "cta-two-blocks-sam72f2-1.bin"
                                 << QStringList{base13, cea, cea, did} << 4;
    QTest::newRow("more announced than the image holds")
        << "large-appae22-1.bin" << QStringList{"EDID1.4 BaseBlock", cea, did, did} << 6;
    // Extensions without a class are blocks all the same, and the blocks behind them are read.
    QTest::newRow("a block map") << "blockmap-gsm5bee-1.bin"
                                 << QStringList{base13, "Unknown ExtBlock (Tag 0xF0)", cea, did}
                                 << 4;
    QTest::newRow("an erased extension")
        << "ext-erased-ach00fa-1.bin" << QStringList{base13, "Unknown ExtBlock (Tag 0xFF)"} << 2;
    QTest::newRow("two DisplayID 2.0 sections")
        << "displayid20-lgd0784-2.bin"
        << QStringList{"EDID1.4 BaseBlock", "Unknown ExtBlock (Tag 0x70)",
                       "Unknown ExtBlock (Tag 0x70)"}
        << 3;
    // Announced blocks the file does not hold: the image holds zeros there.
    QTest::newRow("announced, not in the file")
        << "truncated-hse4000-1.bin" << QStringList{base13, "Unknown ExtBlock (Tag 0x00)"} << 2;
    // Copies behind the announced blocks are not blocks of the EDID.
    QTest::newRow("copies behind the announced blocks")
        << "wraparound-boe0c11-2.bin"
        << QStringList{"EDID1.4 BaseBlock", cea, "Unknown ExtBlock (Tag 0x70)"} << 3;
    QTest::newRow("nothing recognised") << QString() << QStringList() << 0;
}

void tst_EdidBlockTable::blocks()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, names);
    QFETCH(int, announced);
    EdidImage image;
    setImage(image, sample.isEmpty() ? QByteArray() : VyrTest::readSample(sample));
    const QByteArray before = imageBytes(image);

    const EdidBlockTable table = EdidBlockTable::analyse(image);
    QCOMPARE(table.blockNames, names);
    QCOMPARE(table.blockCount, static_cast<quint32>(names.size()));
    for (quint32 k = 0; k <= table.blockCount; ++k)
        QCOMPARE(table.offsets[k], 128 * k);
    QCOMPARE(table.coveredSize(), 128u * table.blockCount);
    QCOMPARE(table.announcedBlocks, static_cast<quint32>(announced));
    QCOMPARE(imageBytes(image), before);
}

// The summary the monitor INF file is written from.
void tst_EdidBlockTable::monitorSummary()
{
    EdidImage image;
    setImage(image, VyrTest::readSample(QStringLiteral("cta-basic-dela0a4-1.bin")));
    const EdidBlockTable table = EdidBlockTable::analyse(image);
    const MonitorInfo &info = table.monitorInfo;
    QCOMPARE(QByteArray(info.pnpId), QByteArray("DELA0A4"));
    QCOMPARE(QByteArray(info.manufacturer), QByteArray("DEL"));
    QCOMPARE(QByteArray(info.monitorName), QByteArray("DELL U2414H"));
    QCOMPARE(info.minVerticalRate, 56u);
    QCOMPARE(info.maxVerticalRate, 76u);
    QCOMPARE(info.minHorizontalRate, 30u);
    QCOMPARE(info.maxHorizontalRate, 83u);
    QVERIFY(info.powerManagement);
    QCOMPARE(table.maxResolution.width, 1920u);
    QCOMPARE(table.maxResolution.height, 1080u);
}

// A DisplayID base section: counted with its own size, and no monitor summary.
void tst_EdidBlockTable::displayIdBaseSection()
{
    EdidImage image;
    setImage(image, {});
    QVERIFY(DisplayIDBlock::InitBaseBlockBuffer(image, EdidImageSize, 0x12));
    const EdidBlockTable table = EdidBlockTable::analyse(image);
    QCOMPARE(table.blockNames, QStringList{"DID BaseBlock"});
    QCOMPARE(table.coveredSize(), 5u); // header and checksum of an empty section
    QCOMPARE(QByteArray(table.monitorInfo.pnpId), QByteArray());
    QCOMPARE(QByteArray(table.monitorInfo.monitorName), QByteArray());
    QCOMPARE(table.monitorInfo.maxVerticalRate, 0u);
    QCOMPARE(table.maxResolution.width, 0u);
}

QTEST_GUILESS_MAIN(tst_EdidBlockTable)
#include "tst_edidblocktable.moc"
