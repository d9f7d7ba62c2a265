// Data blocks without an item of their own, edited as raw bytes: the length list, the vendor
// identifier row of the vendor-specific kinds and the hexadecimal byte rows.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidtreeharness.h"
#include "locationtext.h"

#include <QComboBox>
#include <QTreeWidgetItem>
#include <QtTest>

using CeaTest::Blocks;
using CeaTest::byteAt;
using CeaTest::Cea;
using CeaTest::dataBlockPath;
using VyrTest::TreeHarness;

class tst_CeaExtDataBlockGenericItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rows_data();
    void rows();
    void byteEdit_data();
    void byteEdit();
    void vendorIdEdit();
    void shrinkThenGrow();
    void refusedResize();
};

void tst_CeaExtDataBlockGenericItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

// The collection starts at image byte 132.
void tst_CeaExtDataBlockGenericItem::rows_data()
{
    QTest::addColumn<QByteArray>("collection");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("children");
    QTest::addColumn<QString>("firstValue");
    QTest::addColumn<QString>("firstLocation");

    QTest::newRow("vendor specific (7)")
        << QByteArray::fromHex("6546d0000a05") << "Vendor Specific Data"
        << QStringList{"Vendor IEEE ID", "Byte 0", "Byte 1"} << "0X00D046"
        << "133:3";
    QTest::newRow("vendor video (8)")
        << QByteArray::fromHex("e501563412ab") << "Vendor Specific Video Data"
        << QStringList{"Vendor IEEE ID", "Byte 0"} << "0X123456"
        << "133:4";
    QTest::newRow("vendor audio (9)")
        << QByteArray::fromHex("e411214365") << "Vendor Specific Audio Data"
        << QStringList{"Vendor IEEE ID"} << "0X654321"
        << "133:4";
    QTest::newRow("VESA DTC (10)") << QByteArray::fromHex("a20fa5") << "VESA DTC Data"
                                   << QStringList{"Byte 0", "Byte 1"} << "F"
                                   << "133:1";
    QTest::newRow("HDMI audio (15)") << QByteArray::fromHex("e31201ff") << "HDMI Audio Data"
                                     << QStringList{"Byte 0", "Byte 1"} << "1"
                                     << "134:1";
}

void tst_CeaExtDataBlockGenericItem::rows()
{
    QFETCH(QByteArray, collection);
    QFETCH(QString, title);
    QFETCH(QStringList, children);
    QFETCH(QString, firstValue);
    QFETCH(QString, firstLocation);

    TreeHarness h(CeaTest::imageWithCollection(collection));
    QCOMPARE(h.childTitles(dataBlockPath({title})), children);
    QCOMPARE(h.valueText(dataBlockPath({title, children.first()})), firstValue);
    QCOMPARE(VyrTest::locationText(h.locations(dataBlockPath({title, children.first()}))),
             firstLocation);
    QCOMPARE(h.row(dataBlockPath({title, children.first()}))->type(), 1114);
    const int payload = children.count() - (children.first() == "Vendor IEEE ID" ? 1 : 0);
    QCOMPARE(h.valueText(dataBlockPath({title})), QStringLiteral("%1 bytes").arg(payload));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// A byte row takes a hexadecimal number and keeps its low 8 bits; other text writes nothing.
// Either way the row then shows what is stored.
void tst_CeaExtDataBlockGenericItem::byteEdit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");

    QTest::newRow("two digits") << "5a" << 0x5a << "5A";
    QTest::newRow("one digit") << "7" << 0x07 << "7";
    QTest::newRow("three digits") << "1FF" << 0xff << "FF";
    QTest::newRow("negative") << "-1" << 0xff << "FF";
    QTest::newRow("prefix") << "0x3c" << 0x3c << "3C";
    QTest::newRow("not a number") << "zz" << 0x12 << "12";
    QTest::newRow("beyond 16 bits") << "12345" << 0x12 << "12";
}

void tst_CeaExtDataBlockGenericItem::byteEdit()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(QString, shown);

    TreeHarness h(CeaTest::imageWithCollection(QByteArray::fromHex("a21234")));
    const QStringList path = dataBlockPath({"VESA DTC Data", "Byte 0"});
    QVERIFY(h.type(path, typed));
    if (stored == 0x12)
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
    else
        VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {133});
    QCOMPARE(byteAt(h.image(), 133), stored);
    QCOMPARE(h.valueText(path), shown);
}

void tst_CeaExtDataBlockGenericItem::vendorIdEdit()
{
    TreeHarness h(CeaTest::imageWithCollection(QByteArray::fromHex("6546d0000a05")));
    const QStringList path = dataBlockPath({"Vendor Specific Data", "Vendor IEEE ID"});
    QVERIFY(h.type(path, "0x123456"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {133, 134, 135});
    QCOMPARE(h.image().mid(133, 3), QByteArray::fromHex("563412"));
    QCOMPARE(h.valueText(path), "0X123456");
}

// Bytes cut off do not come back when the block grows again. (A VESA video data block: a VESA
// DTC block may not shrink below its 7 bytes.)
void tst_CeaExtDataBlockGenericItem::shrinkThenGrow()
{
    TreeHarness h(CeaTest::imageWithCollection(QByteArray::fromHex("e403112233")));
    const QStringList block = dataBlockPath({"VESA Video Data"});
    QVERIFY(h.choose(block, "1 bytes"));
    h.settle();
    QCOMPARE(h.image().mid(132, 3), QByteArray::fromHex("e20311"));
    QCOMPARE(h.childTitles(block), QStringList{"Byte 0"});
    QVERIFY(h.choose(block, "3 bytes"));
    h.settle();
    QCOMPARE(h.image().mid(132, 5), QByteArray::fromHex("e403110000"));
    QCOMPARE(h.childTitles(block), QStringList({"Byte 0", "Byte 1", "Byte 2"}));
    QCOMPARE(h.valueText(dataBlockPath({"VESA Video Data", "Byte 2"})), "0");
}

// Two free bytes: the first block takes them, so the second block's offer of two more bytes
// (made when there was room) is refused by the block object. The second block then shows its
// stored length and rows once.
void tst_CeaExtDataBlockGenericItem::refusedResize()
{
    const QByteArray collection = QByteArray::fromHex("e212aa"   // HDMI audio, 1 byte
                                                      "e3033344" // VESA video, 2 bytes
                                                      "83010000" // speakers
                                                      "4101");   // video, one SVD
    const QByteArray image =
        CeaTest::baseBlock()
        + CeaTest::makeExt(4u + static_cast<unsigned>(collection.size()), 0, collection, 6);
    TreeHarness h(image);
    QVERIFY(h.choose(dataBlockPath({"HDMI Audio Data"}), "3 bytes"));
    h.settle();
    const QByteArray afterFirst = h.image();
    QCOMPARE(afterFirst.mid(132, 4), QByteArray::fromHex("e412aa00"));
    const QStringList second = dataBlockPath({"VESA Video Data"});
    auto *count = qobject_cast<QComboBox *>(h.widget(second));
    QVERIFY(count);
    QVERIFY(count->findText("4 bytes") > 0);
    count->setCurrentIndex(count->findText("4 bytes"));
    h.settle();
    VYR_VERIFY_UNCHANGED(afterFirst, h.image());
    QCOMPARE(h.childTitles(second), QStringList({"Byte 0", "Byte 1"}));
    QCOMPARE(h.valueText(second), "2 bytes");
}

QTEST_MAIN(tst_CeaExtDataBlockGenericItem)
#include "tst_ceaextdatablockgenericitem.moc"
