#include "connectwarninghandler.h"
#include "didsteps.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "items/displayid/vyrdidcomboboxitem.h"
#include "items/displayid/vyrdiddoubledualedititem.h"
#include "items/displayid/vyrdidintdualedititem.h"

#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList Item = {"DID Extention", "Display Device Data"};
const QString SubType = "Display device sub-type";

QStringList rowPath(const QString &row)
{
    return Item + QStringList{row};
}

// A display device data block in an extension section at 128; its payload starts at 136.
QByteArray deviceImage(const QByteArray &payload)
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x0C, 0, payload)
        .image();
}

// Active matrix TN LCD, emissive, both backlight flags, 1920 x 1080, 16:9, landscape, R/G/B
// vertical stripes, pitch 0.26 mm, 8 bits, 5 ms.
const QByteArray Lcd = QByteArray::fromHex("146c800738044e00011a1a0805");

QStringList entries(QWidget *cell)
{
    QStringList texts;
    auto *combo = qobject_cast<VyrDIDComboBoxItem *>(cell);
    for (int i = 0; combo && i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

} // namespace

class tst_VyrDIDDisplayDeviceDataBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsDevice();
    void editsEncode_data();
    void editsEncode();
    void undefinedTechnologyReadsBack();
};

void tst_VyrDIDDisplayDeviceDataBlock::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDDisplayDeviceDataBlock::showsDevice()
{
    TreeHarness h(deviceImage(Lcd));
    QCOMPARE(h.childTitles(Item),
             QStringList({"Display device type", SubType, "Operating Mode Flags",
                          "Backlight switch", "Backlight intensity", "Native pixel count H/V",
                          "Pixel Pitch H/V", "Color Bit Depth", "Response Time",
                          "Response Time Flag", "Default Orientation", "Rotation Capability",
                          "Zero Pixel Location", "Scan Direction", "Sub-pixel configuration"}));
    QCOMPARE(h.valueText(rowPath("Display device type")), QString("LCD"));
    QCOMPARE(h.valueText(rowPath(SubType)), QString("Active matrix TN"));
    QCOMPARE(entries(h.widget(rowPath(SubType))).size(), 9);
    QCOMPARE(h.valueText(rowPath("Operating Mode Flags")), QString("Direct-view emissive display"));
    QCOMPARE(h.valueText(rowPath("Color Bit Depth")), QString("8"));
    QCOMPARE(h.valueText(rowPath("Response Time")), QString("5"));
    QCOMPARE(h.valueText(rowPath("Default Orientation")), QString("Lanscape"));
    QCOMPARE(h.valueText(rowPath("Sub-pixel configuration")), QString("R/G/B vertical stripes"));
    auto *count =
        qobject_cast<VyrDIDIntDualEditItem *>(h.widget(rowPath("Native pixel count H/V")));
    QVERIFY(count);
    QCOMPARE(count->leftBox()->value(), 1920);
    QCOMPARE(count->rightBox()->value(), 1080);
    auto *pitch = qobject_cast<VyrDIDDoubleDualEditItem *>(h.widget(rowPath("Pixel Pitch H/V")));
    QVERIFY(pitch);
    QCOMPARE(pitch->leftBox()->value(), 0.26);
    QCOMPARE(pitch->rightBox()->maximum(), 2.55);
    QCOMPARE(entries(h.widget(rowPath("Display device type"))).last(), QString("Not Defined here"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrDIDDisplayDeviceDataBlock::editsEncode_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("subType"); // the sub-type row afterwards

    const QByteArray plasma = QByteArray::fromHex("206c800738044e00011a1a0805");
    QTest::newRow("AC plasma") << plasma << QStringList{"choose|" + SubType + "|AC plasma"}
                               << QByteArray::fromHex("216c800738044e00011a1a0805") << "AC plasma";
    QTest::newRow("plasma to not defined")
        << QByteArray::fromHex("216c800738044e00011a1a0805")
        << QStringList{"choose|Display device type|Not Defined here"}
        << QByteArray::fromHex("f16c800738044e00011a1a0805") << "N/A";
    QTest::newRow("LCD to CRT") << Lcd << QStringList{"choose|Display device type|CRT"}
                                << QByteArray::fromHex("006c800738044e00011a1a0805")
                                << "Monochrome CRT";
    QTest::newRow("LCD to plasma, AC")
        << Lcd
        << QStringList{"choose|Display device type|Plasma", "choose|" + SubType + "|AC plasma"}
        << QByteArray::fromHex("216c800738044e00011a1a0805") << "AC plasma";
    QTest::newRow("white to black")
        << Lcd << QStringList{"tick|Response Time Flag|1"}
        << QByteArray::fromHex("146c800738044e00011a1a0885") << "Active matrix TN";
    QTest::newRow("response time 100")
        << QByteArray::fromHex("146c800738044e00011a1a0885")
        << QStringList{"type|Response Time|100"}
        << QByteArray::fromHex("146c800738044e00011a1a08e4") << "Active matrix TN";
    QTest::newRow("intensity off")
        << Lcd << QStringList{"tick|Backlight intensity|0"}
        << QByteArray::fromHex("1468800738044e00011a1a0805") << "Active matrix TN";
    QTest::newRow("switch off") << Lcd << QStringList{"tick|Backlight switch|0"}
                                << QByteArray::fromHex("1464800738044e00011a1a0805")
                                << "Active matrix TN";
    QTest::newRow("pitch 0.25 x 1.5")
        << Lcd << QStringList{"left|Pixel Pitch H#V|0.25", "right|Pixel Pitch H#V|1.5"}
        << QByteArray::fromHex("146c800738044e0001199608"
                               "05")
        << "Active matrix TN";
    QTest::newRow("native 1280 x 1024")
        << Lcd
        << QStringList{"left|Native pixel count H#V|1280", "right|Native pixel count H#V|1024"}
        << QByteArray::fromHex("146c000500044e00011a1a0805") << "Active matrix TN";
    QTest::newRow("portrait, rotation")
        << Lcd
        << QStringList{"choose|Default Orientation|Portrait",
                       "choose|Rotation Capability|90 degrees either direction"}
        << QByteArray::fromHex("146c800738044e70011a1a0805") << "Active matrix TN";
    QTest::newRow("delta subpixels")
        << Lcd << QStringList{"choose|Sub-pixel configuration|Delta (triad) RGB subpixels"}
        << QByteArray::fromHex("146c800738044e00071a1a0805") << "Active matrix TN";
    QTest::newRow("colour depth 10")
        << Lcd << QStringList{"type|Color Bit Depth|10"}
        << QByteArray::fromHex("146c800738044e00011a1a0a05") << "Active matrix TN";
    QTest::newRow("colour depth +012, shown as 12")
        << Lcd << QStringList{"type|Color Bit Depth|+012"}
        << QByteArray::fromHex("146c800738044e00011a1a0c05") << "Active matrix TN";
}

void tst_VyrDIDDisplayDeviceDataBlock::editsEncode()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, expected);
    QFETCH(QString, subType);
    TreeHarness h(deviceImage(payload));
    for (const QString &step : steps)
        QVERIFY(VyrTest::didStep(h, Item, step));
    QCOMPARE(h.image().mid(136, 13).toHex(), expected.toHex());
    QList<int> bytes;
    for (int i = 136; i <= 149; ++i) // the payload and the section checksum
        bytes << i;
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), bytes);
    QCOMPARE(h.valueText(rowPath(SubType)), subType);
    // Every row shows what a fresh tree of the bytes shows.
    const QStringList shown = h.shownRows();
    h.rebuild();
    QCOMPARE(h.shownRows(), shown);
}

void tst_VyrDIDDisplayDeviceDataBlock::undefinedTechnologyReadsBack()
{
    // Electrowetting, the entry before "Not Defined here", with sub-type bits 0x3.
    TreeHarness h(deviceImage(QByteArray::fromHex("a36c800738044e00011a1a0805")));
    QCOMPARE(h.valueText(rowPath(SubType)), QString("N/A"));
    QVERIFY(VyrTest::didStep(h, Item, "choose|Display device type|Not Defined here"));
    QCOMPARE(quint8(h.image().at(136)), quint8(0xF3));
    QCOMPARE(entries(h.widget(rowPath(SubType))), QStringList({"N/A"}));
    h.rebuild();
    QCOMPARE(h.valueText(rowPath("Display device type")), QString("Not Defined here"));
    QCOMPARE(h.valueText(rowPath(SubType)), QString("N/A"));
    // Choosing a sub-type-less technology's "N/A" writes nothing.
    const QByteArray before = h.image();
    QVERIFY(!h.widget(rowPath(SubType))->isEnabled()
            || VyrTest::didStep(h, Item, "choose|" + SubType + "|N/A"));
    VYR_VERIFY_UNCHANGED(before, h.image());
}

QTEST_MAIN(tst_VyrDIDDisplayDeviceDataBlock)
#include "tst_vyrdiddisplaydevicedatablock.moc"
