#include "connectwarninghandler.h"
#include "didsteps.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "items/displayid/vyrdidcomboboxitem.h"
#include "items/displayid/vyrdidintdualedititem.h"

#include <QCheckBox>
#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList Item = {"DID Extention", "Display Interface"};
const QString Lvds = "LVDS attributes";
const QString Proprietary = "Proprietary attributes";
const QString SubType = "Analog Interface Subtype";

QStringList rowPath(const QString &row)
{
    return Item + VyrTest::rowPath(row);
}

// A display interface block in an extension section at 128; its payload starts at 136.
QByteArray interfaceImage(const QByteArray &payload)
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x0F, 0, payload)
        .image();
}

// DisplayPort with 4 lanes, standard 1.2, every RGB depth, YCbCr 4:4:4 6-10 bits, 4:2:2 8
// bits, HDCP 1.3.
const QByteArray DisplayPort = QByteArray::fromHex("a4123f070101130000"
                                                   "00");

QByteArray payloadOf(const QByteArray &image)
{
    return image.mid(136, 10);
}

} // namespace

class tst_VyrDIDDisplayInterfaceBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void displayPortBuildsWithoutWriting();
    void editsEncode_data();
    void editsEncode();
};

void tst_VyrDIDDisplayInterfaceBlock::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDDisplayInterfaceBlock::displayPortBuildsWithoutWriting()
{
    TreeHarness h(interfaceImage(DisplayPort));
    QCOMPARE(h.childTitles(Item),
             QStringList({"Interface Type", SubType, "Number of Links/Channels",
                          "Interface Standard Version/Revision", "Supported color depth for RGB",
                          "Supported color depth for YCbCr 4:4:4",
                          "Supported color depth for YCbCr 4:2:2", "Content Protection",
                          "Content Protection Version/Revision", Lvds, Proprietary}));
    QCOMPARE(h.valueText(rowPath("Interface Type")), QString("DisplayPort"));
    QCOMPARE(h.valueText(rowPath(SubType)), QString("N/A"));
    QVERIFY(!h.widget(rowPath(SubType))->isEnabled());
    QCOMPARE(h.valueText(rowPath("Number of Links#Channels")), QString("4"));
    QCOMPARE(h.valueText(rowPath("Content Protection")), QString("HDCP"));
    auto *cp = qobject_cast<VyrDIDIntDualEditItem *>(
        h.widget(rowPath("Content Protection Version#Revision")));
    QVERIFY(cp);
    QCOMPARE(cp->leftBox()->value(), 1);
    QCOMPARE(cp->rightBox()->value(), 3);
    for (const QString &group : {Lvds, Proprietary}) {
        QTreeWidgetItem *row = h.row(rowPath(group));
        QVERIFY(row);
        QVERIFY(row->isDisabled());
        QVERIFY(!h.widget(rowPath(group + "/[0]"))->isEnabled());
    }
    QVERIFY(h.row(rowPath("Supported color depth for RGB/[0]")));
    QVERIFY(qobject_cast<QCheckBox *>(h.widget(rowPath("Supported color depth for RGB/[0]")))
                ->isChecked());
    QVERIFY(
        !qobject_cast<QCheckBox *>(h.widget(rowPath("Supported color depth for YCbCr 4:4:4/[0]")))
             ->isChecked());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrDIDDisplayInterfaceBlock::editsEncode_data()
{
    QTest::addColumn<QStringList>("steps"); // "choose|row|entry", "tick|row|0/1", "left|row|n", ...
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("LVDS, 3.3V") << QStringList{"choose|Interface Type|LVDS",
                                               "tick|" + Lvds + "/[4]|1"}
                                << QByteArray::fromHex("14123f07010113000100");
    QTest::newRow("LVDS, 6bit") << QStringList{"choose|Interface Type|LVDS",
                                               "tick|" + Lvds + "/[0]|1"}
                                << QByteArray::fromHex("14123f07010113001000");
    // LVDS and proprietary boxes read the same attribute bits (byte 8): a box of one group, or
    // a change of type, changes boxes of the other.
    QTest::newRow("LVDS, 5V, the proprietary low polarity bit")
        << QStringList{"choose|Interface Type|LVDS", "tick|" + Lvds + "/[3]|1"}
        << QByteArray::fromHex("14123f07010113000200");
    QTest::newRow("LVDS, 3.3V, then proprietary")
        << QStringList{"choose|Interface Type|LVDS", "tick|" + Lvds + "/[4]|1",
                       "choose|Interface Type|Proprietary"}
        << QByteArray::fromHex("b4123f07010113000100");
    QTest::newRow("proprietary, rising edge, then LVDS")
        << QStringList{"choose|Interface Type|Proprietary", "tick|" + Proprietary + "/[2]|1",
                       "choose|Interface Type|LVDS"}
        << QByteArray::fromHex("14123f07010113000100");
    QTest::newRow("proprietary, rising edge")
        << QStringList{"choose|Interface Type|Proprietary", "tick|" + Proprietary + "/[2]|1"}
        << QByteArray::fromHex("b4123f07010113000100");
    QTest::newRow("analog, NAVI-D")
        << QStringList{"choose|Interface Type|Analog", "choose|" + SubType + "|VESA NAVI-D"}
        << QByteArray::fromHex("02123f07010113000000");
    QTest::newRow("links 2") << QStringList{"type|Number of Links#Channels|2"}
                             << QByteArray::fromHex("a2123f07010113000000");
    // Sub-type and links share a field: the other row shows what the last edit stored.
    QTest::newRow("links 2, then analog")
        << QStringList{"type|Number of Links#Channels|2", "choose|Interface Type|Analog"}
        << QByteArray::fromHex("02123f07010113000000");
    QTest::newRow("analog, NAVI-V, then links 0")
        << QStringList{"choose|Interface Type|Analog", "choose|" + SubType + "|VESA NAVI-V(15HD)",
                       "type|Number of Links#Channels|0"}
        << QByteArray::fromHex("00123f07010113000000");
    QTest::newRow("standard revision 4")
        << QStringList{"right|Interface Standard Version#Revision|4"}
        << QByteArray::fromHex("a4143f07010113000000");
    QTest::newRow("protection version 2")
        << QStringList{"left|Content Protection Version#Revision|2"}
        << QByteArray::fromHex("a4123f07010123000000");
    QTest::newRow("protection revision 5")
        << QStringList{"right|Content Protection Version#Revision|5"}
        << QByteArray::fromHex("a4123f07010115000000");
    QTest::newRow("protection DPCP") << QStringList{"choose|Content Protection|DPCP"}
                                     << QByteArray::fromHex("a4123f07010313000000");
    QTest::newRow("RGB 16 bit off") << QStringList{"tick|Supported color depth for RGB/[0]|0"}
                                    << QByteArray::fromHex("a4121f07010113000000");
    QTest::newRow("RGB 6 bit off") << QStringList{"tick|Supported color depth for RGB/[5]|0"}
                                   << QByteArray::fromHex("a4123e07010113000000");
    QTest::newRow("4:2:2 16 bit on")
        << QStringList{"tick|Supported color depth for YCbCr 4:2:2/[0]|1"}
        << QByteArray::fromHex("a4123f07110113000000");
}

void tst_VyrDIDDisplayInterfaceBlock::editsEncode()
{
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, expected);
    TreeHarness h(interfaceImage(DisplayPort));
    for (const QString &step : steps)
        QVERIFY(VyrTest::didStep(h, Item, step));
    QCOMPARE(payloadOf(h.image()).toHex(), expected.toHex());
    QList<int> payload;
    for (int i = 136; i <= 146; ++i) // the payload and the section checksum
        payload << i;
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), payload);

    // The type last chosen decides which rows take edits.
    const int type = quint8(expected.at(0)) >> 4;
    const bool analog = type == 0;
    QCOMPARE(h.widget(rowPath(SubType))->isEnabled(), analog);
    QCOMPARE(!h.row(rowPath(Lvds))->isDisabled(), type == 1);
    QCOMPARE(!h.row(rowPath(Proprietary))->isDisabled(), type == 11);
    const int field = quint8(expected.at(0)) & 0x0F;
    const QStringList subTypes = {"15HD/VGA", "VESA NAVI-V(15HD)", "VESA NAVI-D", "N/A"};
    QCOMPARE(h.valueText(rowPath(SubType)), analog ? subTypes.value(field) : QString("N/A"));
    QCOMPARE(h.valueText(rowPath("Number of Links#Channels")), QString::number(field));

    // Every row, check boxes included, shows what a fresh build of the bytes shows.
    const QStringList edited = h.shownRows();
    h.rebuild();
    QCOMPARE(edited, h.shownRows());
}

QTEST_MAIN(tst_VyrDIDDisplayInterfaceBlock)
#include "tst_vyrdiddisplayinterfaceblock.moc"
