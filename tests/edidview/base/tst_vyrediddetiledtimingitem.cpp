#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyrediddetiledtimingitem.h"
#include "locationtext.h"
#include "model/base/edid13block.h"
#include "model/vtb/edidextvtb.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList Timing{"Base Block", "Descriptors", "Detailed Timing 0"};

QStringList field(const QString &label)
{
    return Timing + QStringList{label};
}

// A base block whose first descriptor is the 1080p timing (bytes 54 to 71, flags in byte 71).
QByteArray image1080p()
{
    return EdidImageBuilder()
        .edid14()
        .patch(VyrTest::descriptorOffset(0), VyrTest::detailedTiming1080p())
        .image();
}

const int FlagsByte = 71;

} // namespace

class tst_VyrEdidDetiledTimingItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shows1080p_data();
    void shows1080p();
    void listsAndFlags();
    void numberEdits_data();
    void numberEdits();
    void refusedNumbers_data();
    void refusedNumbers();
    void unfinishedNumbersWriteNothing();
    void syncKindRelabelsFlags();
    void stereoAndFlags();
    void locations_data();
    void locations();
    void countsFromZeroInAnExtension();
    void withoutBlockOrTiming();
};

void tst_VyrEdidDetiledTimingItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidDetiledTimingItem::shows1080p_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("h active") << "HAdressable:"
                              << "1920";
    QTest::newRow("h blank") << "HBlank:"
                             << "280";
    QTest::newRow("h sync offset") << "HSyncStart:"
                                   << "88";
    QTest::newRow("h sync width") << "HSyncWidth:"
                                  << "44";
    QTest::newRow("h border") << "HBorder:"
                              << "0";
    QTest::newRow("h image") << "HImageSize:"
                             << "531";
    QTest::newRow("v active") << "VAdressable:"
                              << "1080";
    QTest::newRow("v blank") << "VBlank:"
                             << "45";
    QTest::newRow("v sync offset") << "VSyncStart:"
                                   << "4";
    QTest::newRow("v sync width") << "VSyncWidth:"
                                  << "5";
    QTest::newRow("v border") << "VBorder:"
                              << "0";
    QTest::newRow("v image") << "VImageSize:"
                             << "398";
    QTest::newRow("pixel clock") << "PixelClock:"
                                 << "14850";
}

void tst_VyrEdidDetiledTimingItem::shows1080p()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    TreeHarness h(image1080p());
    auto *edit = qobject_cast<QLineEdit *>(h.widget(field(label)));
    QVERIFY(edit);
    QCOMPARE(edit->text(), text);
    QCOMPARE(h.row(field(label))->text(VyrEdidColumn::Type), QStringLiteral("[DEC]"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidDetiledTimingItem::listsAndFlags()
{
    TreeHarness h(image1080p());
    QCOMPARE(h.childTitles(Timing),
             QStringList({"HAdressable:", "HBlank:", "HSyncStart:", "HSyncWidth:", "HBorder:",
                          "HImageSize:", "VAdressable:", "VBlank:", "VSyncStart:", "VSyncWidth:",
                          "VBorder:", "VImageSize:", "PixelClock:", "SyncSignal:", "StereoFormat:",
                          "Interlace:", "Positive HSync polarity:", "Positive VSync polarity:"}));
    auto *sync = qobject_cast<QComboBox *>(h.widget(field("SyncSignal:")));
    auto *stereo = qobject_cast<QComboBox *>(h.widget(field("StereoFormat:")));
    QVERIFY(sync && stereo);
    QCOMPARE(sync->currentText(), QStringLiteral("Digital Separate"));
    QCOMPARE(stereo->currentText(), QStringLiteral("2D"));
    QCOMPARE(stereo->count(), 7);
    auto checked = [&h](const QString &label) {
        auto *box = qobject_cast<QCheckBox *>(h.widget(field(label)));
        return box ? int(box->isChecked()) : -1;
    };
    QCOMPARE(checked("Interlace:"), 0);
    QCOMPARE(checked("Positive HSync polarity:"), 1);
    QCOMPARE(checked("Positive VSync polarity:"), 1);
}

void tst_VyrEdidDetiledTimingItem::numberEdits_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("offsets");
    QTest::addColumn<QByteArray>("bytes");
    // Descriptor bytes 2 and 4: low byte, then the high nibble beside the blanking's (1).
    QTest::newRow("h active 4095") << "HAdressable:"
                                   << "4095" << QList<int>{56, 58} << QByteArray::fromHex("fff1");
    // Byte 10 high nibble and byte 11 bits 3-2.
    QTest::newRow("v sync offset 63") << "VSyncStart:"
                                      << "63" << QList<int>{64, 65} << QByteArray::fromHex("f50c");
    QTest::newRow("pixel clock 1") << "PixelClock:"
                                   << "1" << QList<int>{54, 55} << QByteArray::fromHex("0100");
    QTest::newRow("v border 255") << "VBorder:"
                                  << "255" << QList<int>{70} << QByteArray::fromHex("ff");
}

void tst_VyrEdidDetiledTimingItem::numberEdits()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QList<int>, offsets);
    QFETCH(QByteArray, bytes);
    TreeHarness h(image1080p());
    QVERIFY(h.type(field(label), text));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), offsets);
    for (int i = 0; i < offsets.size(); ++i)
        QCOMPARE(quint8(h.image().at(offsets.at(i))), quint8(bytes.at(i)));
    QCOMPARE(h.hexCell(offsets.first()),
             QStringLiteral("%1").arg(quint8(bytes.at(0)), 2, 16, QLatin1Char('0')).toUpper());
}

void tst_VyrEdidDetiledTimingItem::refusedNumbers_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("h active 4096") << "HAdressable:"
                                   << "4096";
    QTest::newRow("h sync offset 1024") << "HSyncStart:"
                                        << "1024";
    QTest::newRow("v sync width 64") << "VSyncWidth:"
                                     << "64";
    QTest::newRow("h border 256") << "HBorder:"
                                  << "256";
    // A pixel clock of 0 would make the 18 bytes a display descriptor.
    QTest::newRow("pixel clock 0") << "PixelClock:"
                                   << "0";
    QTest::newRow("pixel clock 65536") << "PixelClock:"
                                       << "65536";
    QTest::newRow("empty") << "VBlank:"
                           << "";
}

void tst_VyrEdidDetiledTimingItem::refusedNumbers()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    TreeHarness h(image1080p());
    auto *edit = qobject_cast<QLineEdit *>(h.widget(field(label)));
    QVERIFY(edit && edit->validator());
    QString probe = text;
    int position = 0;
    QVERIFY(edit->validator()->validate(probe, position) != QValidator::Acceptable);
}

// 0 and an empty field are only intermediate input: Return writes nothing.
void tst_VyrEdidDetiledTimingItem::unfinishedNumbersWriteNothing()
{
    TreeHarness h(image1080p());
    QVERIFY(h.type(field("PixelClock:"), "0"));
    QVERIFY(h.type(field("HBlank:"), ""));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QCOMPARE(h.row(Timing)->childCount(), 18);
}

void tst_VyrEdidDetiledTimingItem::syncKindRelabelsFlags()
{
    TreeHarness h(image1080p());
    QVERIFY(h.choose(field("SyncSignal:"), "Analog Composite"));
    QCOMPARE(h.childTitles(Timing).mid(16),
             QStringList({"Sync on all 3 RGB lines:", "Need serration setup on VSync:"}));
    // Bits 4-3 = 00; the two flags (bits 2 and 1) stay set.
    QCOMPARE(quint8(h.image().at(FlagsByte)), quint8(0x06));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {FlagsByte});
    QVERIFY(h.choose(field("SyncSignal:"), "Digital Composite"));
    QCOMPARE(h.childTitles(Timing).mid(16),
             QStringList({"Positive HSync polarity:", "Need serration setup on VSync:"}));
    QCOMPARE(quint8(h.image().at(FlagsByte)), quint8(0x16));
}

void tst_VyrEdidDetiledTimingItem::stereoAndFlags()
{
    TreeHarness h(image1080p());
    QVERIFY(h.choose(field("StereoFormat:"), "Side-by-Side"));
    // Side-by-side: bits 6-5 = 11, bit 0 = 1.
    QCOMPARE(quint8(h.image().at(FlagsByte)), quint8(0x7F));
    QVERIFY(h.choose(field("StereoFormat:"), "2D"));
    QCOMPARE(quint8(h.image().at(FlagsByte)) & 0x60, 0);
    QVERIFY(h.tick(field("Positive VSync polarity:"), false));
    QCOMPARE(quint8(h.image().at(FlagsByte)) & 0x04, 0);
    QVERIFY(h.tick(field("Interlace:"), true));
    QCOMPARE(quint8(h.image().at(FlagsByte)) & 0x80, 0x80);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {FlagsByte});
}

void tst_VyrEdidDetiledTimingItem::locations_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    QTest::newRow("item") << Timing << "54:18";
    QTest::newRow("pixel clock") << field("PixelClock:") << "54:2";
    QTest::newRow("h active") << field("HAdressable:") << "56:1 58:1";
    QTest::newRow("v sync offset") << field("VSyncStart:") << "64:2";
    QTest::newRow("flag row") << field("Positive VSync polarity:") << "71:1";
}

void tst_VyrEdidDetiledTimingItem::locations()
{
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(image1080p());
    QCOMPARE(VyrTest::locationText(h.locations(path)), locations);
    QVERIFY(h.select(path));
    QCOMPARE(h.highlightedBytes().value(0), int(h.locations(path).value(0).offset));
}

// A video timing block extension counts its detailed timings from 0: the item takes the index
// as it is and finds its bytes (block at 128, entries from its byte 5).
void tst_VyrEdidDetiledTimingItem::countsFromZeroInAnExtension()
{
    QByteArray image = EdidImageBuilder()
                           .edid13()
                           .vtb()
                           .patch(2, {1})
                           .patch(5, VyrTest::detailedTiming1080p())
                           .image();
    const QByteArray before = VyrTest::snapshot(image);
    EdidExtVtb block(VyrTest::bytes(image) + 128, 128, 128, nullptr);
    VyrEdidInfoTree tree;
    auto *item = new VyrEdidDetiledTimingItem(0, 3, &block);
    tree.addTopLevelItem(item);
    QVERIFY(item->InitItems());
    QCOMPARE(item->text(VyrEdidColumn::Property), QStringLiteral("Detailed Timing 3"));
    QCOMPARE(item->childCount(), 18);
    QCOMPARE(VyrTest::locationText(item->GetItemLocations()), QStringLiteral("133:18"));
    auto *edit = qobject_cast<QLineEdit *>(tree.itemWidget(item->child(6), VyrEdidColumn::Value));
    QVERIFY(edit);
    QCOMPARE(edit->text(), QStringLiteral("1080"));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, "1200");
    QTest::keyClick(edit, Qt::Key_Return);
    // v active 1200 = 0x4B0: descriptor bytes 5 and 7 (high nibble beside the blanking's 0).
    VYR_VERIFY_ONLY_CHANGED(before, image, {133 + 5, 133 + 7});
    QCOMPARE(quint8(image.at(133 + 5)), quint8(0xB0));
    QCOMPARE(quint8(image.at(133 + 7)), quint8(0x40));
}

void tst_VyrEdidDetiledTimingItem::withoutBlockOrTiming()
{
    VyrEdidInfoTree tree;
    auto *item = new VyrEdidDetiledTimingItem(1, 0, nullptr);
    tree.addTopLevelItem(item);
    QVERIFY(!item->InitItems());
    QCOMPARE(item->childCount(), 0);
    QVERIFY(item->GetItemLocations().isEmpty());
    QCOMPARE(item->type(), 1114);

    // The block has no fifth descriptor.
    QByteArray image = image1080p();
    Edid13Block block(VyrTest::bytes(image), 512, 0, nullptr);
    auto *beyond = new VyrEdidDetiledTimingItem(5, 1, &block);
    tree.addTopLevelItem(beyond);
    QVERIFY(!beyond->InitItems());
    QCOMPARE(beyond->childCount(), 0);
}

QTEST_MAIN(tst_VyrEdidDetiledTimingItem)
#include "tst_vyrediddetiledtimingitem.moc"
