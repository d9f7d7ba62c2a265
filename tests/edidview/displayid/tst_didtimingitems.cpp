#include "connectwarninghandler.h"
#include "displayidfixtures.h"
#include "edidchecks.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidmainitem.h"
#include "items/displayid/didtimingitems.h"
#include "items/displayid/didwidgets.h"
#include "locationtext.h"
#include "vyrtestutil.h"

#include <QSpinBox>
#include <QtTest>

using VyrTest::TreeHarness;

namespace {

// A DisplayID extension section (block 1, section from byte 129, data blocks from 133) holding
// a Type I block with two descriptors (payload 136-175), a Type II block with two (179-200) and
// a Type III block with two (204-209); the section checksum is byte 210.
constexpr int Type1Payload = 136;
constexpr int Type2Payload = 179;
constexpr int Type3Payload = 204;
constexpr int SectionChecksum = 210;

QByteArray type1Descriptors()
{
    // 154 MHz, preferred, 16:9; 1920 / 280 / 88 + positive / 44 x 1080 / 45 / 4 + positive / 5;
    // 74.25 MHz, 16:9; 1280 / 370 / 110 + positive / 40 x 720 / 30 / 5 + positive / 5.
    return QByteArray::fromHex("273c00847f07170157802b0037042c0003800400")
           + QByteArray::fromHex("001d0004ff0471016d802700cf021d0004800400");
}

QByteArray type2Descriptors()
{
    // 138.5 MHz, preferred, both polarities positive; 1920 / 160 / 48 / 32 x 1080 / 31 / 3 / 5;
    // the second descriptor the same without flags.
    return QByteArray::fromHex("1936008cef265337041e24")
           + QByteArray::fromHex("19360000ef265337041e24");
}

QByteArray type3Descriptors()
{
    // Preferred, reduced blanking, 16:9, 1920 pixels, 60 Hz; then 4:3, 1024 pixels, 75 Hz.
    return QByteArray::fromHex("94ef3b027f4a");
}

QByteArray timingImage(const QByteArray &dataBlocks)
{
    return DidFixture::edidWith(
        DidFixture::wrapped(0x12, unsigned(dataBlocks.size()), 0, dataBlocks));
}

QByteArray threeTypesImage()
{
    return timingImage(DidFixture::dataBlock(0x03, 0, type1Descriptors())
                       + DidFixture::dataBlock(0x04, 0, type2Descriptors())
                       + DidFixture::dataBlock(0x05, 0, type3Descriptors()));
}

QStringList entryPath(int type, int desc, const QString &row = QString())
{
    static const char *const numerals[] = {"", "I", "II", "III"};
    const QString numeral = QLatin1String(numerals[type]);
    const QString entry = type == 3
                              ? QStringLiteral("Type III Short Timing %1").arg(desc)
                              : QStringLiteral("Type %1 Detailed Timing %2").arg(numeral).arg(desc);
    QStringList path{QStringLiteral("DID Extention"), QStringLiteral("Type %1 Timing").arg(numeral),
                     entry};
    if (!row.isEmpty())
        path += row.split(QLatin1Char('|'));
    return path;
}

QList<int> span(int from, int count)
{
    QList<int> list;
    for (int i = from; i < from + count; ++i)
        list << i;
    return list;
}

VyrDIDTreeWidgetItem *didRow(const TreeHarness &h, const QStringList &path)
{
    return dynamic_cast<VyrDIDTreeWidgetItem *>(h.row(path));
}

// Types text into one half of a two-value cell as a user does: focus, select all, keys.
bool typeIntoHalf(const TreeHarness &h, const QStringList &path, bool right, const QString &text)
{
    auto *cell = qobject_cast<VyrDIDIntDualEditItem *>(h.widget(path));
    if (!cell)
        return false;
    QSpinBox *box = right ? cell->rightBox() : cell->leftBox();
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
    return box->value() == text.toInt();
}

enum class Action { Left, Right, Type, Tick, Untick, Choose };

} // namespace

Q_DECLARE_METATYPE(Action)

class tst_DidTimingItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void editsWriteOnlyTheirDescriptor_data();
    void editsWriteOnlyTheirDescriptor();
    void pixelClockRoundTrips();
    void cellShowsTheStoredValue_data();
    void cellShowsTheStoredValue();
    void pairShowsTheStoredValue_data();
    void pairShowsTheStoredValue();
    void reservedAspectKeepsItsCode_data();
    void reservedAspectKeepsItsCode();
    void descriptorCounts_data();
    void descriptorCounts();
    void typeFourListsItsCodes();
    void rowsShowTheirBytes_data();
    void rowsShowTheirBytes();
    void expandedEntryShowsItsNamesWhole();
    void samplesShowTheDecodersValues_data();
    void samplesShowTheDecodersValues();
    void samplesBuildWithoutWriting_data();
    void samplesBuildWithoutWriting();
};

void tst_DidTimingItems::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_DidTimingItems::editsWriteOnlyTheirDescriptor_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("start");
    QTest::addColumn<QByteArray>("expected"); // the descriptor's bytes afterwards

    const QByteArray t1 = type1Descriptors();
    const QByteArray t2 = type2Descriptors();
    const QByteArray t3 = type3Descriptors();
    const auto with = [](QByteArray bytes, int offset, const char *hex) {
        return bytes.replace(offset, int(qstrlen(hex) / 2), QByteArray::fromHex(hex));
    };
    const QByteArray i0 = t1.left(20), i1 = t1.mid(20);
    const QByteArray ii0 = t2.left(11), ii1 = t2.mid(11);
    const QByteArray iii0 = t3.left(3), iii1 = t3.mid(3);
    const int i1Start = Type1Payload + 20, ii1Start = Type2Payload + 11;

    QTest::newRow("I active left") << entryPath(1, 0, "Active H(pixels)/V(lines)") << Action::Left
                                   << "1024" << Type1Payload << with(i0, 4, "ff03");
    QTest::newRow("I porch right keeps polarity")
        << entryPath(1, 0, "Sync Front Porch H(pixels)/V(lines)") << Action::Right << "16"
        << Type1Payload << with(i0, 16, "0f80");
    QTest::newRow("I porch left at 32768")
        << entryPath(1, 0, "Sync Front Porch H(pixels)/V(lines)") << Action::Left << "32768"
        << Type1Payload << with(i0, 8, "ffff");
    QTest::newRow("I hsync polarity") << entryPath(1, 0, "Flags|[2]") << Action::Untick << ""
                                      << Type1Payload << with(i0, 8, "5700");
    QTest::newRow("I stereo") << entryPath(1, 0, "3D Stereo Support") << Action::Choose << "Stereo"
                              << Type1Payload << with(i0, 3, "a4");
    QTest::newRow("I second: blank right")
        << entryPath(1, 1, "Blank H(pixels)/V(lines)") << Action::Right << "65536" << i1Start
        << with(i1, 14, "ffff");
    QTest::newRow("I second: aspect") << entryPath(1, 1, "Aspect Ratio") << Action::Choose
                                      << "16:10" << i1Start << with(i1, 3, "05");
    QTest::newRow("I second: interlaced")
        << entryPath(1, 1, "Flags|[1]") << Action::Tick << "" << i1Start << with(i1, 3, "14");

    QTest::newRow("II vsync polarity") << entryPath(2, 0, "Flags|[3]") << Action::Untick << ""
                                       << Type2Payload << with(ii0, 3, "88");
    QTest::newRow("II active left, 9 bits")
        << entryPath(2, 0, "Active H(pixels)/V(lines)") << Action::Left << "4096" << Type2Payload
        << with(ii0, 4, "ff27");
    QTest::newRow("II sync width left")
        << entryPath(2, 0, "Sync Width H(pixels)/V(lines)") << Action::Left << "128" << Type2Payload
        << with(ii0, 6, "5f");
    QTest::newRow("II second: blank right")
        << entryPath(2, 1, "Blank H(pixels)/V(lines)") << Action::Right << "256" << ii1Start
        << with(ii1, 9, "ff");
    QTest::newRow("II second: porch right")
        << entryPath(2, 1, "Sync Front Porch H(pixels)/V(lines)") << Action::Right << "16"
        << ii1Start << with(ii1, 10, "f4");
    QTest::newRow("II second: pixel clock") << entryPath(2, 1, "Pixel clock") << Action::Type
                                            << "148.5" << ii1Start << with(ii1, 0, "013a00");

    QTest::newRow("III formula") << entryPath(3, 0, "Timing Formula") << Action::Choose
                                 << "VESA CVT,standard blanking" << Type3Payload
                                 << with(iii0, 0, "84");
    QTest::newRow("III interlaced") << entryPath(3, 0, "Flags|[1]") << Action::Tick << ""
                                    << Type3Payload << with(iii0, 2, "bb");
    QTest::newRow("III field rate") << entryPath(3, 0, "Field Rate") << Action::Type << "120"
                                    << Type3Payload << with(iii0, 2, "77");
    QTest::newRow("III second: hactive 128") << entryPath(3, 1, "HActive") << Action::Type << "128"
                                             << Type3Payload + 3 << with(iii1, 1, "0f");
    QTest::newRow("III second: aspect") << entryPath(3, 1, "Aspect Ratio") << Action::Choose
                                        << "16:9" << Type3Payload + 3 << with(iii1, 0, "04");
}

// Each edit rewrites its own descriptor as the field's encoding says, and nothing else but the
// section and block checksums, which hold.
void tst_DidTimingItems::editsWriteOnlyTheirDescriptor()
{
    QFETCH(QStringList, path);
    QFETCH(Action, action);
    QFETCH(QString, argument);
    QFETCH(int, start);
    QFETCH(QByteArray, expected);

    TreeHarness h(threeTypesImage());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    switch (action) {
    case Action::Left:
    case Action::Right:
        QVERIFY(typeIntoHalf(h, path, action == Action::Right, argument));
        break;
    case Action::Type:
        QVERIFY(h.type(path, argument));
        break;
    case Action::Tick:
    case Action::Untick:
        QVERIFY(h.tick(path, action == Action::Tick));
        break;
    case Action::Choose:
        QVERIFY(h.choose(path, argument));
        break;
    }
    QCOMPARE(h.image().mid(start, expected.size()).toHex(), expected.toHex());
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(),
                            span(start, expected.size()) << SectionChecksum);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
}

// 148.5 MHz is stored as 14849 (148.5 x 100 - 1) and reads back as 148.5.
void tst_DidTimingItems::pixelClockRoundTrips()
{
    TreeHarness h(threeTypesImage());
    const QStringList path = entryPath(1, 0, "Pixel clock");
    QVERIFY(h.type(path, "148.5"));
    QCOMPARE(h.image().mid(Type1Payload, 3).toHex(), QByteArray("013a00"));
    h.rebuild();
    auto *cell = qobject_cast<QLineEdit *>(h.widget(path));
    QVERIFY(cell);
    QCOMPARE(cell->text(), QStringLiteral("148.5"));
    // Text that is no clock (below 10 kHz) is not taken.
    QVERIFY(h.type(path, "0", TreeHarness::Leave::Enter));
    QCOMPARE(h.image().mid(Type1Payload, 3).toHex(), QByteArray("013a00"));

    // The largest clock shows all its digits, so confirming it unchanged writes nothing.
    QByteArray fastest = type1Descriptors().left(20);
    fastest.replace(0, 3, QByteArray(3, '\xFF'));
    TreeHarness largest(timingImage(DidFixture::dataBlock(0x03, 0, fastest)));
    auto *largestCell = qobject_cast<QLineEdit *>(largest.widget(path));
    QVERIFY(largestCell);
    QCOMPARE(largestCell->text(), QStringLiteral("167772.16"));
    QVERIFY(largest.type(path, largestCell->text()));
    VYR_VERIFY_UNCHANGED(largest.original(), largest.image());
}

void tst_DidTimingItems::cellShowsTheStoredValue_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // Clocks are stored in 10 kHz steps, Type III widths in steps of 8 pixels.
    QTest::newRow("I clock, trailing zero") << entryPath(1, 0, "Pixel clock") << "69592.70"
                                            << "69592.7";
    QTest::newRow("I clock, finer than stored") << entryPath(1, 1, "Pixel clock") << "148.504"
                                                << "148.5";
    QTest::newRow("II clock, finer than stored") << entryPath(2, 0, "Pixel clock") << "74.251"
                                                 << "74.25";
    QTest::newRow("III width, not a multiple of 8") << entryPath(3, 0, "HActive") << "1763"
                                                    << "1768";
}

// A cell whose value the block stores coarser than typed shows, once the edit is written, the
// stored value: the same text a fresh build of the tree shows.
void tst_DidTimingItems::cellShowsTheStoredValue()
{
    QFETCH(QStringList, path);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TreeHarness h(threeTypesImage());
    QVERIFY(h.type(path, typed));
    QCOMPARE(h.valueText(path), shown);
    h.rebuild();
    QCOMPARE(h.valueText(path), shown);
}

void tst_DidTimingItems::pairShowsTheStoredValue_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("shown");
    // Type II horizontal lengths are stored in steps of 8 pixels, Type I ones exactly.
    QTest::newRow("II porch, not a multiple of 8")
        << entryPath(2, 0, "Sync Front Porch H(pixels)/V(lines)") << "99" << 104;
    QTest::newRow("I porch") << entryPath(1, 0, "Sync Front Porch H(pixels)/V(lines)") << "99"
                             << 99;
}

// A box of a pair shows, once the user leaves it, what the block stored.
void tst_DidTimingItems::pairShowsTheStoredValue()
{
    QFETCH(QStringList, path);
    QFETCH(QString, typed);
    QFETCH(int, shown);
    TreeHarness h(threeTypesImage());
    QVERIFY(typeIntoHalf(h, path, false, typed));
    auto *cell = qobject_cast<VyrDIDIntDualEditItem *>(h.widget(path));
    QTest::keyClick(cell->leftBox(), Qt::Key_Return);
    QCOMPARE(cell->leftBox()->value(), shown);
    h.rebuild();
    cell = qobject_cast<VyrDIDIntDualEditItem *>(h.widget(path));
    QCOMPARE(cell->leftBox()->value(), shown);
}

void tst_DidTimingItems::reservedAspectKeepsItsCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::newRow("7") << 0x7 << "Unknown (0x07)";
    QTest::newRow("15") << 0xF << "Unknown (0x0F)";
}

// An aspect code without an entry shows as its number; an edit of another field keeps it.
void tst_DidTimingItems::reservedAspectKeepsItsCode()
{
    QFETCH(int, code);
    QFETCH(QString, shown);
    QByteArray descriptors = type1Descriptors().left(20);
    descriptors[3] = char(0x80 | code);
    TreeHarness h(timingImage(DidFixture::dataBlock(0x03, 0, descriptors)));
    auto *aspect = qobject_cast<QComboBox *>(h.widget(entryPath(1, 0, "Aspect Ratio")));
    QVERIFY(aspect);
    QCOMPARE(aspect->currentText(), shown);
    QVERIFY(h.tick(entryPath(1, 0, "Flags|[0]"), false));
    QCOMPARE(quint8(h.image().at(Type1Payload + 3)), quint8(code));
}

void tst_DidTimingItems::descriptorCounts_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("payload");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("I, 40 bytes") << 0x03 << 40
                                 << QStringList{"Type I Detailed Timing 0",
                                                "Type I Detailed Timing 1"};
    QTest::newRow("I, 30 bytes") << 0x03 << 30 << QStringList{};
    QTest::newRow("II, 11 bytes") << 0x04 << 11 << QStringList{"Type II Detailed Timing 0"};
    QTest::newRow("II, 12 bytes") << 0x04 << 12 << QStringList{};
    QTest::newRow("III, 9 bytes") << 0x05 << 9
                                  << QStringList{"Type III Short Timing 0",
                                                 "Type III Short Timing 1",
                                                 "Type III Short Timing 2"};
    QTest::newRow("III, 10 bytes") << 0x05 << 10 << QStringList{};
}

// A payload of whole descriptors gets one entry each; any other shows the title alone.
void tst_DidTimingItems::descriptorCounts()
{
    QFETCH(int, tag);
    QFETCH(int, payload);
    QFETCH(QStringList, entries);
    TreeHarness h(
        timingImage(DidFixture::dataBlock(unsigned(tag), 0, QByteArray(payload, '\x11'))));
    static const QStringList titles{"Type I Timing", "Type II Timing", "Type III Timing"};
    const QStringList path{"DID Extention", titles.at(tag - 0x03)};
    QVERIFY(h.row(path));
    QCOMPARE(h.childTitles(path), entries);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// The DMT ID codes 4, 9 and 16 read as " 4 9 16"; the row shows the whole data block and
// changes nothing.
void tst_DidTimingItems::typeFourListsItsCodes()
{
    TreeHarness h(timingImage(DidFixture::dataBlock(0x06, 0, QByteArray::fromHex("040910"))));
    const QStringList group{"DID Extention", "Type IV Timing-DMT ID Code",
                            "Timing Descriptor 1-50"};
    const QStringList codes = group + QStringList{""};
    auto *cell = qobject_cast<QLineEdit *>(h.widget(codes));
    QVERIFY(cell);
    QCOMPARE(cell->text(), QStringLiteral(" 4 9 16"));
    QVERIFY(cell->isReadOnly());
    QCOMPARE(VyrTest::locationText(didRow(h, group)->GetItemLocations(true)),
             QStringLiteral("133:6"));
    QVERIFY(h.type(codes, "1 2"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_DidTimingItems::rowsShowTheirBytes_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");

    // Every entry shows its whole data block, header included.
    QTest::newRow("I entry 0") << entryPath(1, 0) << "133:43";
    QTest::newRow("I entry 1") << entryPath(1, 1) << "133:43";
    QTest::newRow("II entry 1") << entryPath(2, 1) << "176:25";
    QTest::newRow("III entry 0") << entryPath(3, 0) << "201:9";
    // Rows: their descriptor's bytes (left value, right value).
    QTest::newRow("I second active")
        << entryPath(1, 1, "Active H(pixels)/V(lines)") << "160:2 168:2";
    QTest::newRow("I flags") << entryPath(1, 0, "Flags") << "139:1 145:1 153:1";
    QTest::newRow("I hsync polarity") << entryPath(1, 0, "Flags|[2]") << "145:1";
    QTest::newRow("I pixel clock") << entryPath(1, 1, "Pixel clock") << "156:3";
    QTest::newRow("II second blank")
        << entryPath(2, 1, "Blank H(pixels)/V(lines)") << "194:2 199:1";
    QTest::newRow("II width") << entryPath(2, 0, "Sync Width H(pixels)/V(lines)") << "185:1 189:1";
    QTest::newRow("III flags") << entryPath(3, 1, "Flags") << "207:1 209:1";
    QTest::newRow("III hactive") << entryPath(3, 1, "HActive") << "208:1";
}

void tst_DidTimingItems::rowsShowTheirBytes()
{
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(threeTypesImage());
    VyrDIDTreeWidgetItem *row = didRow(h, path);
    QVERIFY(row);
    QCOMPARE(VyrTest::locationText(row->GetItemLocations(false)), locations);
}

// The first column widens to the long row names five levels down when the user opens them.
void tst_DidTimingItems::expandedEntryShowsItsNamesWhole()
{
    TreeHarness h(threeTypesImage());
    h.tree()->collapseAll();
    const int initial = 240;
    h.tree()->setColumnWidth(VyrEdidColumn::Property, initial);
    const QStringList entry = entryPath(2, 0);
    h.root()->setExpanded(true);
    for (int depth = 1; depth <= entry.size(); ++depth)
        h.row(entry.mid(0, depth))->setExpanded(true);
    h.settle();
    QAbstractItemView *view = h.tree();
    QVERIFY(h.tree()->columnWidth(VyrEdidColumn::Property) > initial);
    QCOMPARE(h.tree()->columnWidth(VyrEdidColumn::Property),
             view->sizeHintForColumn(VyrEdidColumn::Property));
    // Closing rows keeps the width.
    h.row(entry)->setExpanded(false);
    h.row(entry.mid(0, 2))->setExpanded(true);
    h.settle();
    QVERIFY(h.tree()->columnWidth(VyrEdidColumn::Property) > initial);
}

void tst_DidTimingItems::samplesShowTheDecodersValues_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("entry");
    QTest::addColumn<QList<int>>("active");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<bool>("preferred");
    QTest::addColumn<bool>("hSyncPositive");

    // As edid-decode prints them.
    QTest::newRow("boe0aba") << "displayid13-boe0aba-1.bin" << entryPath(1, 0)
                             << QList<int>{2560, 1440} << "704.26" << true << false;
    QTest::newRow("dela17f") << "displayid13-dela17f-4.bin" << entryPath(1, 1)
                             << QList<int>{3840, 1600} << "987.25" << false << true;
}

void tst_DidTimingItems::samplesShowTheDecodersValues()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, entry);
    QFETCH(QList<int>, active);
    QFETCH(QString, clock);
    QFETCH(bool, preferred);
    QFETCH(bool, hSyncPositive);

    TreeHarness h(VyrTest::sampleImage(sample));
    auto *pair = qobject_cast<VyrDIDIntDualEditItem *>(
        h.widget(entry + QStringList{"Active H(pixels)/V(lines)"}));
    QVERIFY(pair);
    QCOMPARE((QList<int>{pair->leftBox()->value(), pair->rightBox()->value()}), active);
    auto *clockCell = qobject_cast<QLineEdit *>(h.widget(entry + QStringList{"Pixel clock"}));
    QVERIFY(clockCell);
    QCOMPARE(clockCell->text(), clock);
    auto *preferredBox = qobject_cast<QCheckBox *>(h.widget(entry + QStringList{"Flags", "[0]"}));
    auto *hSyncBox = qobject_cast<QCheckBox *>(h.widget(entry + QStringList{"Flags", "[2]"}));
    QVERIFY(preferredBox && hSyncBox);
    QCOMPARE(preferredBox->isChecked(), preferred);
    QCOMPARE(hSyncBox->isChecked(), hSyncPositive);
    auto *aspect = qobject_cast<QComboBox *>(h.widget(entry + QStringList{"Aspect Ratio"}));
    QVERIFY(aspect);
    QCOMPARE(aspect->currentText(), QStringLiteral("16:9"));
}

void tst_DidTimingItems::samplesBuildWithoutWriting_data()
{
    QTest::addColumn<QString>("sample");
    QStringList names;
    for (const DidFixture::SampleSection &section : DidFixture::sampleSections()) {
        if (!names.contains(section.name))
            names << section.name;
    }
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

// Every sample with a DisplayID section builds its tree, timing entries included, and a
// confirmed visit of every text cell writes nothing.
void tst_DidTimingItems::samplesBuildWithoutWriting()
{
    QFETCH(QString, sample);
    TreeHarness h(VyrTest::sampleImage(sample));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    for (QLineEdit *edit : h.tree()->findChildren<QLineEdit *>()) {
        if (!qobject_cast<VyrDIDLineEditItem *>(edit))
            continue;
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    h.tree()->setFocus(Qt::MouseFocusReason);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_DidTimingItems)
#include "tst_didtimingitems.moc"
