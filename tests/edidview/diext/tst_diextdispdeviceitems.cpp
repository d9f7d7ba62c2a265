#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

constexpr int B = 128; // the DI-EXT block's first byte in the image

QStringList deviceRow(const QString &title)
{
    return {"DI Extention", "Display Device", title};
}

// A DI-EXT block after an EDID 1.4 base block with bytes 14 to 19.
QByteArray deviceImage(const QList<int> &bytes14to19)
{
    return EdidImageBuilder().edid14().diExt().patch(14, bytes14to19).image();
}

QString shownEntry(const TreeHarness &h, const QString &title)
{
    auto *list = qobject_cast<QComboBox *>(h.widget(deviceRow(title)));
    return list ? list->currentText() : QStringLiteral("(no list)");
}

int byteAt(const TreeHarness &h, int blockByte)
{
    return quint8(h.image().at(B + blockByte));
}

} // namespace

class tst_DiExtDispDeviceItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowTheSection();
    void lists_data();
    void lists();
    void pitchRounding_data();
    void pitchRounding();
    void viewDirectionKeepsTheOtherBits();
    void flags_data();
    void flags();
};

void tst_DiExtDispDeviceItems::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_DiExtDispDeviceItems::rowsShowTheSection()
{
    // Layout 3, configuration 2, shape 9 (no entry), pitches 25 and 1, byte 19 = 1 01 1 10 1 1.
    TreeHarness h(deviceImage({3, 2, 9, 25, 1, 0xBB}));
    QCOMPARE(shownEntry(h, "Sub-Pixel Layout"), QStringLiteral("Quad Pixel, R.G-G.B or B.G-G.R"));
    QCOMPARE(shownEntry(h, "Sub-Pixel Configuration"), QStringLiteral("Stripe"));
    QCOMPARE(shownEntry(h, "Sub Pixel Shape"), QStringLiteral("Unknown (0x09)"));
    QCOMPARE(shownEntry(h, "View Direction"), QStringLiteral("Direct View"));
    QCOMPARE(shownEntry(h, "Physical Implementation"), QStringLiteral("Desktop/Personal Display"));
    auto *hor = qobject_cast<QLineEdit *>(h.widget(deviceRow("Hor. Pitch(cm)")));
    QCOMPARE(hor->text(), QStringLiteral("250"));
    QCOMPARE(hor->toolTip(), QStringLiteral("Valid Range 10 --> 2550"));
    QCOMPARE(h.row(deviceRow("Hor. Pitch(cm)"))->text(2), QStringLiteral("[DEC]"));
    QCOMPARE(qobject_cast<QLineEdit *>(h.widget(deviceRow("Ver. Pitch(cm)")))->text(),
             QStringLiteral("10"));
    QCOMPARE(h.row(deviceRow("Fixed Pixel Format Support"))->checkState(1), Qt::Checked);
    QCOMPARE(h.row(deviceRow("Transparent Background"))->checkState(1), Qt::Checked);
    QCOMPARE(h.row(deviceRow("DDC//CI Support"))->checkState(1), Qt::Checked);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_DiExtDispDeviceItems::lists_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("blockByte");
    QTest::addColumn<int>("value");
    QTest::newRow("layout") << "Sub-Pixel Layout"
                            << "Quad Pixel, G.R-B.G or G.B-R.G" << 14 << 4;
    QTest::newRow("configuration") << "Sub-Pixel Configuration"
                                   << "Delta (Tri-ad)" << 15 << 1;
    QTest::newRow("shape") << "Sub Pixel Shape"
                           << "Elliptical" << 16 << 5;
    QTest::newRow("physical") << "Physical Implementation"
                              << "Eyepiece Personal Display" << 19
                              << 0x0D; // bits 3-2 = 3, bit 0 kept
}

void tst_DiExtDispDeviceItems::lists()
{
    QFETCH(QString, row);
    QFETCH(QString, entry);
    QFETCH(int, blockByte);
    QFETCH(int, value);
    TreeHarness h(deviceImage({0, 0, 9, 0, 0, 0x01}));
    QVERIFY(h.choose(deviceRow(row), entry));
    QCOMPARE(byteAt(h, blockByte), value);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + blockByte});
}

void tst_DiExtDispDeviceItems::pitchRounding_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored"); // -1: refused, nothing written
    QTest::addColumn<QString>("shownAfterRebuild");
    QTest::newRow("15 -> 2") << "Hor. Pitch(cm)"
                             << "15" << 2 << "20";
    QTest::newRow("14 -> 1") << "Hor. Pitch(cm)"
                             << "14" << 1 << "10";
    QTest::newRow("2550 -> 255") << "Hor. Pitch(cm)"
                                 << "2550" << 255 << "2550";
    QTest::newRow("vertical 25 -> 3") << "Ver. Pitch(cm)"
                                      << "25" << 3 << "30";
    QTest::newRow("9 refused") << "Hor. Pitch(cm)"
                               << "9" << -1 << "70";
    QTest::newRow("2551 refused") << "Ver. Pitch(cm)"
                                  << "2551" << -1 << "70";
}

void tst_DiExtDispDeviceItems::pitchRounding()
{
    QFETCH(QString, row);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(QString, shownAfterRebuild);
    const int blockByte = row.startsWith(QLatin1String("Hor")) ? 17 : 18;
    TreeHarness h(deviceImage({0, 0, 0, 7, 7, 0}));
    QVERIFY(h.type(deviceRow(row), typed));
    if (stored < 0) {
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
    } else {
        QCOMPARE(byteAt(h, blockByte), stored);
        VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + blockByte});
    }
    h.rebuild();
    QCOMPARE(qobject_cast<QLineEdit *>(h.widget(deviceRow(row)))->text(), shownAfterRebuild);
}

void tst_DiExtDispDeviceItems::viewDirectionKeepsTheOtherBits()
{
    TreeHarness h(deviceImage({0, 0, 0, 0, 0, 0x9B})); // 1 00 1 10 1 1
    QVERIFY(h.choose(deviceRow("View Direction"), "Direct & Reflected View"));
    QCOMPARE(byteAt(h, 19), 0xFB); // bits 6-5 = 3
    QVERIFY(h.choose(deviceRow("View Direction"), "Reflected View"));
    QCOMPARE(byteAt(h, 19), 0xDB); // bits 6-5 = 2
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 19});
}

void tst_DiExtDispDeviceItems::flags_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("bit");
    QTest::newRow("fixed pixel format") << "Fixed Pixel Format Support" << 7;
    QTest::newRow("transparent background") << "Transparent Background" << 4;
    QTest::newRow("ddc/ci") << "DDC//CI Support" << 1;
}

void tst_DiExtDispDeviceItems::flags()
{
    QFETCH(QString, row);
    QFETCH(int, bit);
    TreeHarness h(deviceImage({0, 0, 0, 0, 0, 0x4D}));
    QVERIFY(h.tick(deviceRow(row), true));
    QCOMPARE(byteAt(h, 19), 0x4D | 1 << bit);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 19});
    QVERIFY(h.tick(deviceRow(row), false));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_DiExtDispDeviceItems)
#include "tst_diextdispdeviceitems.moc"
