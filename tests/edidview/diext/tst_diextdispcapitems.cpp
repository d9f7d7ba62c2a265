#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "userinput.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

constexpr int B = 128; // the DI-EXT block's first byte in the image

const QStringList Section{"DI Extention", "Display Capabilities"};
const QString Misc = QStringLiteral("Miscellaneous");
const QString Orientation = QStringLiteral("Orientation");
const QString Aspect = QStringLiteral("Aspecct Ratio Conversion Modes");
const QString Conversion = QStringLiteral("Frequency Conversion");

QStringList rowPath(const QStringList &steps)
{
    return Section + steps;
}

// A DI-EXT block after an EDID 1.4 base block, with bytes patched from blockByte on.
QByteArray capsImage(int blockByte, const QList<int> &bytes)
{
    return EdidImageBuilder().edid14().diExt().patch(blockByte, bytes).image();
}

int byteAt(const TreeHarness &h, int blockByte)
{
    return quint8(h.image().at(B + blockByte));
}

QLineEdit *rateEditor(const TreeHarness &h, const QString &title)
{
    return qobject_cast<QLineEdit *>(h.widget(rowPath({Conversion, title})));
}

// The list of the n-th untitled row below "Orientation" (0: display or projector, 1: landscape
// or portrait), which sits in the title column.
QComboBox *orientationList(const TreeHarness &h, int n)
{
    return qobject_cast<QComboBox *>(
        h.widget(rowPath({Orientation, QStringLiteral("[%1]").arg(n)}), 0));
}

} // namespace

class tst_DiExtDispCapItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowTheSection();
    void flags_data();
    void flags();
    void lists_data();
    void lists();
    void orientationChoicesInTheTitleColumn();
    void frequencyConversionEnablesRates_data();
    void frequencyConversionEnablesRates();
    void rates_data();
    void rates();
};

void tst_DiExtDispCapItems::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_DiExtDispCapItems::rowsShowTheSection()
{
    // Byte 20 = 1 001 1 1 0 1, byte 21: conversion 1 (vertical), 60.00 Hz, 31.50 kHz, byte 26 =
    // 10 1 11 01 1.
    TreeHarness h(capsImage(20, {0x9D, 0x20, 0x70, 0x17, 0x4E, 0x0C, 0xBB}));
    QCOMPARE(h.childTitles(Section), QStringList({Misc, Orientation, Aspect, Conversion}));
    QCOMPARE(h.childTitles(rowPath({Misc})),
             QStringList({"Scaler On Board", "Interlaced", "Image Centered", "Frame Lock",
                          "VGA/DOS Legacy Mode", "Conditional Update", "Stereo Video"}));
    QCOMPARE(h.childTitles(rowPath({Orientation})),
             QStringList({"", "", "Orientation Type", "Scan Direction", "Zero Pixel Location"}));
    QCOMPARE(h.childTitles(rowPath({Aspect})),
             QStringList({"Full", "Zoom", "Squeeze", "Variable"}));
    QCOMPARE(h.childTitles(rowPath({Conversion})),
             QStringList({"Frame Rate(Hz)", "Line Rate(kHz)"}));

    const QList<QPair<QString, Qt::CheckState>> misc{
        {"VGA/DOS Legacy Mode", Qt::Checked}, {"Scaler On Board", Qt::Checked},
        {"Image Centered", Qt::Checked},      {"Conditional Update", Qt::Unchecked},
        {"Interlaced", Qt::Checked},          {"Frame Lock", Qt::Unchecked}};
    for (const auto &[title, state] : misc)
        QVERIFY2(h.row(rowPath({Misc, title}))->checkState(1) == state, qPrintable(title));
    QCOMPARE(h.valueText(rowPath({Misc, "Stereo Video"})),
             QStringLiteral("F.Seq. with Stereosync"));

    QCOMPARE(orientationList(h, 0)->currentText(), QStringLiteral("Projector"));
    QCOMPARE(orientationList(h, 1)->currentText(), QStringLiteral("Portrait"));
    QCOMPARE(h.valueText(rowPath({Orientation, "Orientation Type"})), QStringLiteral("Default"));
    QCOMPARE(h.valueText(rowPath({Orientation, "Scan Direction"})),
             QStringLiteral("Fast Scan on Long Axis"));
    QCOMPARE(h.valueText(rowPath({Orientation, "Zero Pixel Location"})),
             QStringLiteral("Lower Right Corner"));

    QCOMPARE(h.valueText(rowPath({Conversion})), QStringLiteral("Vertical"));
    // As loaded, any conversion enables both rates.
    QLineEdit *frame = rateEditor(h, "Frame Rate(Hz)");
    QLineEdit *line = rateEditor(h, "Line Rate(kHz)");
    QCOMPARE(frame->text(), QStringLiteral("60.00"));
    QCOMPARE(line->text(), QStringLiteral("31.50"));
    QVERIFY(frame->isEnabled());
    QVERIFY(line->isEnabled());
    QCOMPARE(frame->toolTip(), QStringLiteral("Valid Range 0.01Hz --> 655.34kHz"));
    QCOMPARE(line->toolTip(), QStringLiteral("Valid Range 0.01kHz --> 655.34kHz"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());

    // Values without an entry show as their numbers; no conversion disables both rates.
    TreeHarness none(capsImage(20, {0x60, 0x00, 0, 0, 0, 0, 0x06}));
    QCOMPARE(none.valueText(rowPath({Misc, "Stereo Video"})), QStringLiteral("Unknown (0x06)"));
    QCOMPARE(none.valueText(rowPath({Orientation, "Scan Direction"})),
             QStringLiteral("Unknown (0x03)"));
    QVERIFY(!rateEditor(none, "Frame Rate(Hz)")->isEnabled());
    QVERIFY(!rateEditor(none, "Line Rate(kHz)")->isEnabled());
    VYR_VERIFY_UNCHANGED(none.original(), none.image());
}

void tst_DiExtDispCapItems::flags_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<int>("blockByte");
    QTest::addColumn<int>("bit");
    QTest::newRow("scaler") << QStringList{Misc, "Scaler On Board"} << 20 << 3;
    QTest::newRow("interlaced") << QStringList{Misc, "Interlaced"} << 20 << 0;
    QTest::newRow("centered") << QStringList{Misc, "Image Centered"} << 20 << 2;
    QTest::newRow("frame lock") << QStringList{Misc, "Frame Lock"} << 21 << 7;
    QTest::newRow("legacy") << QStringList{Misc, "VGA/DOS Legacy Mode"} << 20 << 7;
    QTest::newRow("conditional") << QStringList{Misc, "Conditional Update"} << 20 << 1;
    QTest::newRow("full") << QStringList{Aspect, "Full"} << 38 << 7;
    QTest::newRow("zoom") << QStringList{Aspect, "Zoom"} << 38 << 6;
    QTest::newRow("squeeze") << QStringList{Aspect, "Squeeze"} << 38 << 5;
    QTest::newRow("variable") << QStringList{Aspect, "Variable"} << 38 << 4;
}

// Each box clears its own bit only (the other bits of bytes 21 and 38 too) and sets it again.
void tst_DiExtDispCapItems::flags()
{
    QFETCH(QStringList, path);
    QFETCH(int, blockByte);
    QFETCH(int, bit);
    QList<int> allSet;
    for (int i = 20; i <= 38; ++i)
        allSet << 0xFF;
    TreeHarness h(capsImage(20, allSet));
    QVERIFY(h.tick(rowPath(path), false));
    QCOMPARE(byteAt(h, blockByte), 0xFF & ~(1 << bit));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + blockByte});
    QVERIFY(h.tick(rowPath(path), true));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_DiExtDispCapItems::lists_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("blockByte");
    QTest::addColumn<int>("value");
    // Byte 20 starts as 0x8F, byte 26 as 0x00.
    QTest::newRow("stereo") << QStringList{Misc, "Stereo Video"} << "Line Interleave" << 20 << 0xBF;
    QTest::newRow("orientation type")
        << QStringList{Orientation, "Orientation Type"} << "Current" << 26 << 0xC0;
    QTest::newRow("scan direction")
        << QStringList{Orientation, "Scan Direction"} << "Fast Scan on Short Axis" << 26 << 0x04;
    QTest::newRow("zero pixel") << QStringList{Orientation, "Zero Pixel Location"}
                                << "Upper Right Corner" << 26 << 0x08;
}

void tst_DiExtDispCapItems::lists()
{
    QFETCH(QStringList, path);
    QFETCH(QString, entry);
    QFETCH(int, blockByte);
    QFETCH(int, value);
    TreeHarness h(capsImage(20, {0x8F, 0, 0, 0, 0, 0, 0x00}));
    QVERIFY(h.choose(rowPath(path), entry));
    QCOMPARE(byteAt(h, blockByte), value);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + blockByte});
}

void tst_DiExtDispCapItems::orientationChoicesInTheTitleColumn()
{
    TreeHarness h(capsImage(26, {0x00}));
    QComboBox *kind = orientationList(h, 0);
    QComboBox *axis = orientationList(h, 1);
    QCOMPARE(kind->currentText(), QStringLiteral("Display"));
    QCOMPARE(axis->currentText(), QStringLiteral("Landscape"));
    VyrTest::chooseRow(kind, kind->findText("Projector"));
    QCOMPARE(byteAt(h, 26), 0x01);
    VyrTest::chooseRow(axis, axis->findText("Portrait"));
    QCOMPARE(byteAt(h, 26), 0x21);
    VyrTest::chooseRow(kind, kind->findText("Display"));
    QCOMPARE(byteAt(h, 26), 0x20);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 26});
    // Each row reports byte 26.
    QCOMPARE(h.locations(rowPath({Orientation, "[0]"})).first().offset, unsigned(B + 26));
}

void tst_DiExtDispCapItems::frequencyConversionEnablesRates_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("byte21");
    QTest::addColumn<bool>("frameRate");
    QTest::addColumn<bool>("lineRate");
    // Byte 21 starts as frame lock, conversion 3 ("Both"), bits 4-0 all set.
    QTest::newRow("vertical") << "Vertical" << 0xBF << true << false;
    QTest::newRow("horizontal") << "Horizontal" << 0xDF << false << true;
    QTest::newRow("not supported") << "Not Supported" << 0x9F << false << false;
}

void tst_DiExtDispCapItems::frequencyConversionEnablesRates()
{
    QFETCH(QString, entry);
    QFETCH(int, byte21);
    QFETCH(bool, frameRate);
    QFETCH(bool, lineRate);
    TreeHarness h(capsImage(21, {0xFF}));
    QVERIFY(h.choose(rowPath({Conversion}), entry));
    QCOMPARE(byteAt(h, 21), byte21);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 21});
    QCOMPARE(rateEditor(h, "Frame Rate(Hz)")->isEnabled(), frameRate);
    QCOMPARE(rateEditor(h, "Line Rate(kHz)")->isEnabled(), lineRate);
    QVERIFY(h.choose(rowPath({Conversion}), "Both"));
    QVERIFY(rateEditor(h, "Frame Rate(Hz)")->isEnabled());
    QVERIFY(rateEditor(h, "Line Rate(kHz)")->isEnabled());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_DiExtDispCapItems::rates_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("word"); // -1: refused, nothing written
    QTest::newRow("59.94 Hz") << "Frame Rate(Hz)"
                              << "59.94" << 0x176A;
    QTest::newRow("least") << "Frame Rate(Hz)"
                           << "0.01" << 1;
    QTest::newRow("31.5 kHz") << "Line Rate(kHz)"
                              << "31.5" << 0x0C4E;
    QTest::newRow("greatest") << "Line Rate(kHz)"
                              << "655.34" << 0xFFFE;
    QTest::newRow("655.35 refused") << "Frame Rate(Hz)"
                                    << "655.35" << -1;
    QTest::newRow("0 refused") << "Line Rate(kHz)"
                               << "0" << -1;
}

void tst_DiExtDispCapItems::rates()
{
    QFETCH(QString, row);
    QFETCH(QString, typed);
    QFETCH(int, word);
    const int blockByte = row.startsWith(QLatin1String("Frame")) ? 22 : 24;
    // Conversion "Both", 60.00 Hz and 0.00 kHz.
    TreeHarness h(capsImage(21, {0x60, 0x70, 0x17, 0x00, 0x00}));
    QVERIFY(h.type(rowPath({Conversion, row}), typed));
    if (word < 0) {
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
        return;
    }
    QCOMPARE(byteAt(h, blockByte) | byteAt(h, blockByte + 1) << 8, word);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + blockByte, B + blockByte + 1});
}

QTEST_MAIN(tst_DiExtDispCapItems)
#include "tst_diextdispcapitems.moc"
