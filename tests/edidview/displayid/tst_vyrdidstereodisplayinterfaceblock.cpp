#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/displayid/vyrdidcomboboxitem.h"
#include "items/displayid/vyrdidtreewidgetitem.h"
#include "locationtext.h"

#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::locationText;
using VyrTest::TreeHarness;

namespace {

const QStringList MethodRow = {"DID Extention", "Stereo Display Interface", "Interface Method"};

// A stereo display interface block in an extension section at 128: the section starts at 129,
// the data block's header at 133, its payload at 136.
QByteArray stereoImage(const QByteArray &payload)
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x10, 0, payload)
        .image();
}

} // namespace

class tst_VyrDIDStereoDisplayInterfaceBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void methodIsShownByValue_data();
    void methodIsShownByValue();
};

void tst_VyrDIDStereoDisplayInterfaceBlock::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDStereoDisplayInterfaceBlock::methodIsShownByValue_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("location");

    // Payload byte 0: bytes of the method and its parameters; byte 1: the method.
    QTest::newRow("field sequential") << QByteArray::fromHex("020001") << "Field Sequential"
                                      << "137:1";
    QTest::newRow("side by side") << QByteArray::fromHex("020100") << "Syde-by-side"
                                  << "137:1";
    QTest::newRow("stacked frame") << QByteArray::fromHex("020500") << "Stacked Frame"
                                   << "137:1";
    QTest::newRow("proprietary") << QByteArray::fromHex("01ff") << "Proprietary"
                                 << "137:1";
    QTest::newRow("reserved value") << QByteArray::fromHex("020900") << "Proprietary"
                                    << "137:1";
    // Without a method byte the record stays zero; the row shows the whole data block.
    QTest::newRow("one payload byte") << QByteArray::fromHex("05") << "Field Sequential"
                                      << "133:4";
    QTest::newRow("no payload") << QByteArray() << "Field Sequential"
                                << "133:3";
}

void tst_VyrDIDStereoDisplayInterfaceBlock::methodIsShownByValue()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, shown);
    QFETCH(QString, location);
    TreeHarness h(stereoImage(payload));
    QCOMPARE(h.childTitles({"DID Extention", "Stereo Display Interface"}),
             QStringList({"Interface Method"}));
    auto *combo = qobject_cast<VyrDIDComboBoxItem *>(h.widget(MethodRow));
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), shown);
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i) + QLatin1Char('=') + combo->itemData(i).toString();
    QCOMPARE(entries, QStringList({"Field Sequential=0", "Syde-by-side=1", "Pixel Interleaved=2",
                                   "Dual Interface=3", "Multiview=4", "Stacked Frame=5",
                                   "Reserved=6", "Proprietary=255"}));
    QCOMPARE(h.row(MethodRow)->text(VyrEdidColumn::Type), QString());
    // Writing a method is not offered: the list is shown, not edited.
    QVERIFY(!combo->isEnabled());

    auto *row = dynamic_cast<VyrDIDTreeWidgetItem *>(h.row(MethodRow));
    QVERIFY(row);
    QCOMPARE(locationText(row->GetItemLocations(true)), location);
    h.select(MethodRow);
    QCOMPARE(h.highlightedBytes().first(), int(row->GetItemLocations(true).first().offset));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_VyrDIDStereoDisplayInterfaceBlock)
#include "tst_vyrdidstereodisplayinterfaceblock.moc"
