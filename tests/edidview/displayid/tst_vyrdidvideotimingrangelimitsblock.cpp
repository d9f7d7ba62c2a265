#include "connectwarninghandler.h"
#include "didsteps.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "items/displayid/vyrdidcheckboxitem.h"
#include "items/displayid/vyrdiddoubledualedititem.h"
#include "items/displayid/vyrdidintdualedititem.h"
#include "items/displayid/vyrdidtreewidgetitem.h"
#include "locationtext.h"

#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::locationText;
using VyrTest::TreeHarness;

namespace {

const QStringList Item = {"DID Extention", "Video Timing Range Limits"};
const QString Support = "Video Timing Support over this range";

QStringList rowPath(const QString &row)
{
    return Item + QStringList{row};
}

// A range limits block in an extension section at 128; its payload starts at 136.
QByteArray rangeImage(const QByteArray &payload)
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x09, 0, payload)
        .image();
}

// 100.00 to 300.00 MHz, 30-90 kHz, HBlank 160, 48-75 Hz, VBlank 35, standard blanking.
const QByteArray Limits = QByteArray::fromHex("102700307500"
                                              "1e5a"
                                              "a000"
                                              "304b"
                                              "2300"
                                              "40");

} // namespace

class tst_VyrDIDVideoTimingRangeLimitsBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsLimits();
    void editsEncode_data();
    void editsEncode();
};

void tst_VyrDIDVideoTimingRangeLimitsBlock::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDVideoTimingRangeLimitsBlock::showsLimits()
{
    TreeHarness h(rangeImage(Limits));
    QCOMPARE(
        h.childTitles(Item),
        QStringList({"Pixel clock(MHz) Min/Max", "HFrequency(KHz) Min/Max", "Min. HBlank(pixel)",
                     "Min. VBlank(lines)", "VFieldRate(Hz) Min/Max", Support}));
    auto *clock =
        qobject_cast<VyrDIDDoubleDualEditItem *>(h.widget(rowPath("Pixel clock(MHz) Min/Max")));
    QVERIFY(clock);
    QCOMPARE(clock->leftBox()->value(), 100.0);
    QCOMPARE(clock->rightBox()->value(), 300.0);
    auto *rate = qobject_cast<VyrDIDIntDualEditItem *>(h.widget(rowPath("VFieldRate(Hz) Min/Max")));
    QVERIFY(rate);
    QCOMPARE(rate->leftBox()->value(), 48);
    QCOMPARE(rate->rightBox()->value(), 75);
    QCOMPARE(h.valueText(rowPath("Min. HBlank(pixel)")), QString("160"));
    QCOMPARE(h.valueText(rowPath("Min. VBlank(lines)")), QString("35"));

    QStringList boxes;
    QTreeWidgetItem *group = h.row(rowPath(Support));
    QVERIFY(group);
    for (int i = 0; i < group->childCount(); ++i) {
        auto *box = qobject_cast<VyrDIDCheckBoxItem *>(
            group->treeWidget()->itemWidget(group->child(i), VyrEdidColumn::Value));
        QVERIFY(box);
        boxes << box->text() + (box->isChecked() ? "+" : "-");
    }
    QCOMPARE(boxes,
             QStringList({"Interlaced-", "Standard blanking timings+", "Redused blanking timings-",
                          "Discrete frequency display device-"}));

    auto *row = dynamic_cast<VyrDIDTreeWidgetItem *>(h.row(rowPath("Pixel clock(MHz) Min/Max")));
    QVERIFY(row);
    QCOMPARE(locationText(row->GetItemLocations(false)), QString("136:3 139:3"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrDIDVideoTimingRangeLimitsBlock::editsEncode_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("input"); // text typed, "<" / ">" + number for a half, "+" ticks
    QTest::addColumn<QList<int>>("bytes");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("reduced blanking") << rowPath(Support) + QStringList{"[2]"} << "+"
                                      << QList<int>{14} << QByteArray::fromHex("60");
    QTest::newRow("interlaced") << rowPath(Support) + QStringList{"[0]"} << "+" << QList<int>{14}
                                << QByteArray::fromHex("c0");
    QTest::newRow("VBlank 300") << rowPath("Min. VBlank(lines)") << "300" << QList<int>{12, 13}
                                << QByteArray::fromHex("2c01");
    QTest::newRow("HBlank 65535") << rowPath("Min. HBlank(pixel)") << "65535" << QList<int>{8, 9}
                                  << QByteArray::fromHex("ffff");
    QTest::newRow("HBlank with a group separator")
        << rowPath("Min. HBlank(pixel)") << "1,000" << QList<int>{8, 9}
        << QByteArray::fromHex("e803");
    // The boxes take what the 24 bits hold.
    QTest::newRow("maximum clock at the top")
        << rowPath("Pixel clock(MHz) Min/Max") << ">167772.15" << QList<int>{3, 4, 5}
        << QByteArray::fromHex("ffffff");
    QTest::newRow("maximum clock") << rowPath("Pixel clock(MHz) Min/Max") << ">600.25"
                                   << QList<int>{3, 4, 5} << QByteArray::fromHex("79ea00");
    QTest::newRow("minimum HFrequency") << rowPath("HFrequency(KHz) Min/Max") << "<31"
                                        << QList<int>{6} << QByteArray::fromHex("1f");
    QTest::newRow("maximum VFieldRate") << rowPath("VFieldRate(Hz) Min/Max") << ">240"
                                        << QList<int>{11} << QByteArray::fromHex("f0");
}

void tst_VyrDIDVideoTimingRangeLimitsBlock::editsEncode()
{
    QFETCH(QStringList, path);
    QFETCH(QString, input);
    QFETCH(QList<int>, bytes);
    QFETCH(QByteArray, expected);
    TreeHarness h(rangeImage(Limits));
    const bool left = input.startsWith('<');
    if (input == "+") {
        QVERIFY(h.tick(path, true));
    } else if (left || input.startsWith('>')) {
        QVERIFY(VyrTest::setDualValue(h.widget(path), left, input.mid(1).toDouble()));
    } else {
        QVERIFY(h.type(path, input));
    }
    QList<int> offsets;
    QByteArray written;
    for (int byte : bytes) {
        offsets << 136 + byte;
        written += h.image().at(136 + byte);
    }
    QCOMPARE(written.toHex(), expected.toHex());
    offsets << 151; // the section checksum, after the data block
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), offsets);
}

QTEST_MAIN(tst_VyrDIDVideoTimingRangeLimitsBlock)
#include "tst_vyrdidvideotimingrangelimitsblock.moc"
