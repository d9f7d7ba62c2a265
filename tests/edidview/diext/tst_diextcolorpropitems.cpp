#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"

#include <QLineEdit>
#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

constexpr int B = 128; // the DI-EXT block's first byte in the image

const QStringList Section{"DI Extention", "Color//Luminance Properties"};
const QString Depth = QStringLiteral("Monitor Color Depth");
const QString Caps = QStringLiteral("Decoding Capabilities");

QStringList rowPath(const QStringList &steps)
{
    return Section + steps;
}

// A DI-EXT block after an EDID 1.4 base block with bytes 27 to 37.
QByteArray colorImage(const QList<int> &bytes27to37)
{
    return EdidImageBuilder().edid14().diExt().patch(27, bytes27to37).image();
}

int byteAt(const TreeHarness &h, int blockByte)
{
    return quint8(h.image().at(B + blockByte));
}

const QStringList DecodingTitles{
    "RGB(additive color)", "Y//C(S-Video)PAL",  "Y//C(S-Video)NTSC", "Y//C(S-Video)SECAM",
    "YCrCb 4:4:4",         "YCrCb 4:2:2",       "YCrCb 4:2:0",       "YCrCb(SMPTE 260M)",
    "YCrCb(SMPTE 274M",    "YPbPr(SMPTE 240M)", "YPbPr(SMPTE 274M)", "Y B-Y R-Y M-2(Matsushita)",
    "Y B-Y R-Y(Sony)",     "Monochrome"};

} // namespace

class tst_DiExtColorPropItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowTheSection();
    void decodingLists_data();
    void decodingLists();
    void flags_data();
    void flags();
    void depths_data();
    void depths();
};

void tst_DiExtColorPropItems::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_DiExtColorPropItems::rowsShowTheSection()
{
    // Decodings 5 and 3, capabilities 0xA0 0x24, dithering, depths 8 8 8 0 17 10.
    TreeHarness h(colorImage({0x05, 0x03, 0xA0, 0x24, 0x80, 8, 8, 8, 0, 17, 10}));
    QCOMPARE(h.childTitles(Section),
             QStringList({Depth, "Default Decoding", "Preferred Decoding", Caps}));
    QCOMPARE(h.childTitles(rowPath({Depth})),
             QStringList({"Blue", "Green", "Red", "Cb//Pb", "Y", "Cr//Pr", "Dithering"}));
    QCOMPARE(h.childTitles(rowPath({Caps})), DecodingTitles);

    QCOMPARE(h.valueText(rowPath({"Default Decoding"})), QStringLiteral("YCrCb 4:4:4"));
    QCOMPARE(h.valueText(rowPath({"Preferred Decoding"})), QStringLiteral("Yxx (SMPTE 2xxM)"));
    // Byte 29 = 0xA0: additive colour and PAL only; byte 30 = 0x24: SMPTE 274M YPbPr and
    // monochrome only.
    const QStringList ticked{"RGB(additive color)", "Y//C(S-Video)PAL", "YPbPr(SMPTE 274M)",
                             "Monochrome"};
    for (const QString &title : DecodingTitles) {
        const Qt::CheckState expected = ticked.contains(title) ? Qt::Checked : Qt::Unchecked;
        QVERIFY2(h.row(rowPath({Caps, title}))->checkState(1) == expected, qPrintable(title));
    }
    QCOMPARE(h.row(rowPath({Depth, "Dithering"}))->checkState(1), Qt::Checked);

    // Depths are shown as stored, out of range included.
    const QStringList depths{"8", "8", "8", "0", "17", "10"};
    const QStringList titles{"Blue", "Green", "Red", "Cb//Pb", "Y", "Cr//Pr"};
    for (int i = 0; i < titles.size(); ++i) {
        QCOMPARE(h.valueText(rowPath({Depth, titles[i]})), depths[i]);
        QCOMPARE(h.row(rowPath({Depth, titles[i]}))->text(2), QStringLiteral("[DEC]"));
    }
    QCOMPARE(h.widget(rowPath({Depth, "Blue"}))->toolTip(), QStringLiteral("Value Range 1 - 16"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());

    // A decoding byte without an entry shows as its number.
    TreeHarness none(colorImage({0x0F, 0x07}));
    QCOMPARE(none.valueText(rowPath({"Default Decoding"})), QStringLiteral("Unknown (0x0F)"));
    QCOMPARE(none.valueText(rowPath({"Preferred Decoding"})), QStringLiteral("Unknown (0x07)"));
    VYR_VERIFY_UNCHANGED(none.original(), none.image());
}

void tst_DiExtColorPropItems::decodingLists_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("blockByte");
    QTest::addColumn<int>("value");
    QTest::newRow("default") << "Default Decoding"
                             << "Monochrome" << 27 << 14;
    QTest::newRow("default from none") << "Default Decoding"
                                       << "Y/C (S-Video) NTSC" << 27 << 2;
    QTest::newRow("preferred") << "Preferred Decoding"
                               << "Y/C (S-Video)" << 28 << 2;
}

void tst_DiExtColorPropItems::decodingLists()
{
    QFETCH(QString, row);
    QFETCH(QString, entry);
    QFETCH(int, blockByte);
    QFETCH(int, value);
    TreeHarness h(colorImage({0x20, 0x04}));
    QVERIFY(h.choose(rowPath({row}), entry));
    QCOMPARE(byteAt(h, blockByte), value);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + blockByte});
}

void tst_DiExtColorPropItems::flags_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<int>("blockByte");
    QTest::addColumn<int>("bit");
    QTest::newRow("dithering") << QStringList{Depth, "Dithering"} << 31 << 7;
    const int bits[] = {7, 5, 6, 4, 3, 2, 1, 0, 6, 7, 5, 3, 4, 2};
    for (int i = 0; i < DecodingTitles.size(); ++i) {
        QTest::newRow(qPrintable(DecodingTitles[i]))
            << QStringList{Caps, DecodingTitles[i]} << (i < 8 ? 29 : 30) << bits[i];
    }
}

// Each box sets its own bit and keeps the others, the unused bits 1-0 of byte 30 and 6-0 of
// byte 31 included; clearing it again restores the byte.
void tst_DiExtColorPropItems::flags()
{
    QFETCH(QStringList, path);
    QFETCH(int, blockByte);
    QFETCH(int, bit);
    TreeHarness h(colorImage({0, 0, 0x00, 0x03, 0x7F}));
    const int before = byteAt(h, blockByte);
    QVERIFY(h.tick(rowPath(path), true));
    QCOMPARE(byteAt(h, blockByte), before | 1 << bit);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + blockByte});
    QVERIFY(h.tick(rowPath(path), false));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_DiExtColorPropItems::depths_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored"); // -1: refused, nothing written
    QTest::newRow("blue 8") << "Blue"
                            << "8" << 8;
    QTest::newRow("cr/pr 16") << "Cr//Pr"
                              << "16" << 16;
    QTest::newRow("0 refused") << "Blue"
                               << "0" << -1;
    QTest::newRow("17 refused") << "Y"
                                << "17" << -1;
}

void tst_DiExtColorPropItems::depths()
{
    QFETCH(QString, row);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    const QStringList titles{"Blue", "Green", "Red", "Cb//Pb", "Y", "Cr//Pr"};
    const int blockByte = 32 + titles.indexOf(row);
    TreeHarness h(colorImage({0, 0, 0, 0, 0, 6, 6, 6, 6, 6, 6}));
    QVERIFY(h.type(rowPath({Depth, row}), typed));
    if (stored < 0) {
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
        return;
    }
    QCOMPARE(byteAt(h, blockByte), stored);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + blockByte});
}

QTEST_MAIN(tst_DiExtColorPropItems)
#include "tst_diextcolorpropitems.moc"
