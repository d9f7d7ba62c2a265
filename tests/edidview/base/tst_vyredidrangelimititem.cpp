#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidbytes.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyredidrangelimititem.h"
#include "locationtext.h"
#include "vyrtestutil.h"
#include "widgets/comborows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

// Descriptor slot 3: bytes 108 to 125, descriptor byte n at 108 + n.
const int Slot = 3;
const int Start = 108;

// 50-75 Hz, 30-80 kHz, 170 MHz, CVT 1.1: 640 x 8 pixels, 1000 kHz precision, aspects 4:3, 16:9
// and 15:9 (byte 14 = C8), 16:9 preferred with both blankings (38), all scaling (F0), 60 Hz.
const QByteArray Cvt = QByteArray::fromHex("000000fd00324b1e5011041112 80c838f03c");
// Default GTF with rate offsets 0x0E: horizontal max and min + 255, vertical max + 255.
const QByteArray DefaultGtf = QByteArray::fromHex("000000fd0e324b1e500e000a202020202020");
// Secondary GTF: start 150 x 2 kHz, C 20, M 600, K 20, J 20.
const QByteArray SecondaryGtf = QByteArray::fromHex("000000fd00324b1e500e0200962858021428");
// The same with C = 40.5 and J = 20.5 (bytes 13 and 17 odd).
const QByteArray GtfHalves = QByteArray::fromHex("000000fd00324b1e500e0200965158021429");

// Cvt with byte n set to value.
QByteArray cvtWith(int n, int value)
{
    QByteArray d = Cvt;
    d[n] = char(value);
    return d;
}

QByteArray imageWith(const QByteArray &descriptor, bool edid14 = true)
{
    EdidImageBuilder builder;
    if (edid14)
        builder.edid14();
    else
        builder.edid13();
    QList<int> bytes;
    for (char byte : descriptor)
        bytes << quint8(byte);
    return builder.patch(VyrTest::descriptorOffset(Slot), bytes).image();
}

const QStringList Item{"Base Block", "Descriptors", "Range Limits Info"};
const QStringList TimingsRow = Item + QStringList{"Timings:"};
const QStringList GtfRow = Item + QStringList{"GTF Parameters:"};
const QStringList CvtRow = Item + QStringList{"CVT Parameters:"};
const QStringList AspectRow = Item + QStringList{"CVT Supported Aspect Ratio:"};
const QStringList SupportRow = TimingsRow + QStringList{"[1]"};

QStringList under(const QStringList &group, const QString &label)
{
    return group + QStringList{label};
}

QComboBox *combo(const TreeHarness &h, const QStringList &path)
{
    return qobject_cast<QComboBox *>(h.widget(path));
}

QLineEdit *editor(const TreeHarness &h, const QStringList &path)
{
    return qobject_cast<QLineEdit *>(h.widget(path));
}

bool rowEnabled(const TreeHarness &h, const QStringList &path)
{
    return h.row(path)->flags().testFlag(Qt::ItemIsEnabled);
}

quint8 byteAt(const TreeHarness &h, int descriptorByte)
{
    return quint8(h.image().at(Start + descriptorByte));
}

const QStringList GtfEdits{"GTF C Parameter:", "GTF K Parameter:", "GTF M Parameter:",
                           "GTF J Parameter:", "GTF Start HRate:"};
const QStringList CvtEdits{
    "Max Line Length(pixels):", "Max Clock precission(kHz):", "Preferred VRate(Hz):"};

} // namespace

class tst_VyrEdidRangeLimitItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rows();
    void cvtOpens();
    void edid13Opens();
    void offsetsOpenAtTheirCodes();
    void cvtRoundTrip();
    void cvtVersionKept();
    void timingSupportWrites();
    void reservedCodesShownAndKept_data();
    void reservedCodesShownAndKept();
    void reservedCodeIsNoChoice();
    void kindTakesItsDefaults_data();
    void kindTakesItsDefaults();
    void kindChosenAgainRestores();
    void cvtOffShowsFreshRows();
    void aspects();
    void gtfHalvesShown();
    void numberEdits_data();
    void numberEdits();
    void refusedNumbers_data();
    void refusedNumbers();
    void locations_data();
    void locations();
    void samples_data();
    void samples();
    void withoutBlock();
};

void tst_VyrEdidRangeLimitItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidRangeLimitItem::rows()
{
    TreeHarness h(imageWith(Cvt));
    QCOMPARE(h.row(Item)->type(), 1115);
    QCOMPARE(h.childTitles(Item), QStringList({"Timings:", "GTF Parameters:", "CVT Parameters:",
                                               "CVT Supported Aspect Ratio:"}));
    QCOMPARE(
        h.childTitles(TimingsRow),
        QStringList({"HRate Offsets:", "HRate Range Min(kHz):", "HRate Range Max(kHz):",
                     "VRate Offsets:", "VRate Range Min(Hz):", "VRate Range Max(Hz):", "", ""}));
    QCOMPARE(h.childTitles(GtfRow), GtfEdits);
    QCOMPARE(h.childTitles(CvtRow), CvtEdits + QStringList{"Preferred Aspect Ratio:"});
    QCOMPARE(h.childTitles(AspectRow), QStringList({"4x3", "16x9", "16x10", "5x4", "15x9"}));
    QCOMPARE(h.row(under(TimingsRow, "HRate Range Max(kHz):"))->text(VyrEdidColumn::Type),
             QStringLiteral("[DEC]"));
    QCOMPARE(h.row(under(CvtRow, "Max Line Length(pixels):"))->type(), 1115);
    // The two rows without a title: the maximum pixel clock and the timing support.
    QCOMPARE(h.valueText(under(TimingsRow, "")), QStringLiteral("170"));
    QCOMPARE(editor(h, under(TimingsRow, ""))->toolTip(),
             QStringLiteral("Valid range 10MHz --> 2550MHz"));
    QCOMPARE(combo(h, SupportRow)->count(), 4);
}

void tst_VyrEdidRangeLimitItem::cvtOpens()
{
    TreeHarness h(imageWith(Cvt));
    QCOMPARE(combo(h, SupportRow)->currentText(), QStringLiteral("CVT supported"));
    QVERIFY(rowEnabled(h, CvtRow));
    QVERIFY(rowEnabled(h, AspectRow));
    QVERIFY(rowEnabled(h, under(AspectRow, "16x10")));
    QVERIFY(!rowEnabled(h, GtfRow));
    QVERIFY(rowEnabled(h, TimingsRow));
    for (const QString &label : GtfEdits) {
        QVERIFY(!editor(h, under(GtfRow, label))->isEnabled());
        QVERIFY(editor(h, under(GtfRow, label))->text().isEmpty());
    }
    QCOMPARE(h.valueText(under(CvtRow, "Max Line Length(pixels):")), QStringLiteral("640"));
    QCOMPARE(h.valueText(under(CvtRow, "Max Clock precission(kHz):")), QStringLiteral("1000"));
    QCOMPARE(h.valueText(under(CvtRow, "Preferred VRate(Hz):")), QStringLiteral("60"));
    QCOMPARE(h.valueText(under(CvtRow, "Preferred Aspect Ratio:")), QStringLiteral("16x9"));
    QVERIFY(combo(h, under(CvtRow, "Preferred Aspect Ratio:"))->isEnabled());
    const QList<Qt::CheckState> states{Qt::Checked, Qt::Checked, Qt::Unchecked, Qt::Unchecked,
                                       Qt::Checked};
    for (int i = 0; i < states.size(); ++i)
        QCOMPARE(h.row(AspectRow)->child(i)->checkState(VyrEdidColumn::Value), states.at(i));
    QCOMPARE(combo(h, under(TimingsRow, "HRate Offsets:"))->currentText(),
             QStringLiteral("Rate Offsets are zero"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// An EDID 1.3 block reads the CVT descriptor as "range limits only" and offers no offsets and
// no CVT.
void tst_VyrEdidRangeLimitItem::edid13Opens()
{
    TreeHarness h(imageWith(Cvt, false));
    auto *support = combo(h, SupportRow);
    // Byte 10 = 0x04 has no meaning in EDID 1.3.
    QCOMPARE(support->currentText(), QStringLiteral("Unknown (0x04)"));
    QCOMPARE(ComboRows::entryCount(support), 2);
    for (const QString &label : QStringList{"HRate Offsets:", "VRate Offsets:"}) {
        QCOMPARE(combo(h, under(TimingsRow, label))->count(), 0);
        QVERIFY(!combo(h, under(TimingsRow, label))->isEnabled());
    }
    QCOMPARE(combo(h, under(CvtRow, "Preferred Aspect Ratio:"))->count(), 0);
    QVERIFY(!rowEnabled(h, GtfRow));
    QVERIFY(!rowEnabled(h, CvtRow));
    QVERIFY(!rowEnabled(h, AspectRow));
    // An edit of a rate keeps the CVT bytes the EDID 1.3 record cannot hold.
    QVERIFY(h.type(under(TimingsRow, "VRate Range Max(Hz):"), "85"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {Start + 6});
}

void tst_VyrEdidRangeLimitItem::offsetsOpenAtTheirCodes()
{
    TreeHarness h(imageWith(DefaultGtf));
    QCOMPARE(combo(h, under(TimingsRow, "HRate Offsets:"))->currentText(),
             QStringLiteral("Max + 255Hz, Min + 254Hz"));
    QCOMPARE(combo(h, under(TimingsRow, "VRate Offsets:"))->currentText(),
             QStringLiteral("Max + 255Hz, Min is zero"));
    QCOMPARE(combo(h, SupportRow)->currentText(), QStringLiteral("Default GTF supported"));
    QVERIFY(h.choose(under(TimingsRow, "VRate Offsets:"), "Rate Offsets are zero"));
    QCOMPARE(byteAt(h, 4), quint8(0x0C));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {Start + 4});
}

// The record keeps the CVT values while another timing support is chosen; the flag changes of
// the aspect rows do not read as unchecked boxes.
void tst_VyrEdidRangeLimitItem::cvtRoundTrip()
{
    TreeHarness h(imageWith(Cvt));
    QVERIFY(h.choose(SupportRow, "Default GTF supported"));
    QCOMPARE(h.image().mid(Start + 10, 8).toHex(), QByteArray("000a202020202020"));
    QVERIFY(!rowEnabled(h, CvtRow));
    QVERIFY(!rowEnabled(h, under(AspectRow, "4x3")));
    QVERIFY(!editor(h, under(CvtRow, "Preferred VRate(Hz):"))->isEnabled());
    QVERIFY(editor(h, under(CvtRow, "Preferred VRate(Hz):"))->text().isEmpty());
    QVERIFY(h.choose(SupportRow, "CVT supported"));
    QCOMPARE(byteAt(h, 14), quint8(0xC8));
    QCOMPARE(byteAt(h, 11), quint8(0x11));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    // The editors enabled again show the record.
    QCOMPARE(h.valueText(under(CvtRow, "Max Line Length(pixels):")), QStringLiteral("640"));
    QVERIFY(editor(h, under(CvtRow, "Max Line Length(pixels):"))->isEnabled());
    QCOMPARE(h.valueText(under(CvtRow, "Preferred Aspect Ratio:")), QStringLiteral("16x9"));
}

void tst_VyrEdidRangeLimitItem::cvtVersionKept()
{
    QByteArray cvt12 = Cvt;
    cvt12[11] = 0x12;
    TreeHarness h(imageWith(cvt12));
    QVERIFY(h.type(under(CvtRow, "Preferred VRate(Hz):"), "75"));
    QCOMPARE(byteAt(h, 17), quint8(75));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {Start + 17});
}

void tst_VyrEdidRangeLimitItem::timingSupportWrites()
{
    TreeHarness h(imageWith(DefaultGtf));
    QVERIFY(h.choose(SupportRow, "Secondary GTF supported"));
    QCOMPARE(byteAt(h, 10), quint8(0x02));
    QVERIFY(rowEnabled(h, GtfRow));
    QVERIFY(!rowEnabled(h, CvtRow));
    QVERIFY(editor(h, under(GtfRow, "GTF M Parameter:"))->isEnabled());
    QCOMPARE(h.valueText(under(GtfRow, "GTF M Parameter:")), QStringLiteral("600"));
    QVERIFY(h.type(under(GtfRow, "GTF M Parameter:"), "700"));
    QCOMPARE(h.image().mid(Start + 14, 2).toHex(), QByteArray("bc02"));

    QVERIFY(h.choose(SupportRow, "Range Limits Only"));
    QCOMPARE(h.image().mid(Start + 10, 8).toHex(), QByteArray("010a202020202020"));
    QVERIFY(!rowEnabled(h, GtfRow));
    QVERIFY(!editor(h, under(GtfRow, "GTF M Parameter:"))->isEnabled());
    QVERIFY(VyrTest::onlyChanged(h.original(), h.image(), {Start + 10}).isEmpty());
}

void tst_VyrEdidRangeLimitItem::reservedCodesShownAndKept_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<bool>("edid14");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("shown");
    // 101 in bits 7-5 of byte 15 (standard blanking kept).
    QTest::newRow("preferred aspect 5")
        << cvtWith(15, 0xA8) << true << under(CvtRow, "Preferred Aspect Ratio:")
        << "Unknown (0x05)";
    QTest::newRow("preferred aspect 7")
        << cvtWith(15, 0xE0) << true << under(CvtRow, "Preferred Aspect Ratio:")
        << "Unknown (0x07)";
    QTest::newRow("timing support 0x03")
        << cvtWith(10, 0x03) << true << SupportRow << "Unknown (0x03)";
    QTest::newRow("timing support 0x0A, EDID 1.3")
        << cvtWith(10, 0x0A) << false << SupportRow << "Unknown (0x0A)";
    // Bits 3-2 of byte 4 = 01.
    QTest::newRow("horizontal offsets 01")
        << cvtWith(4, 0x04) << true << under(TimingsRow, "HRate Offsets:") << "Unknown (0x01)";
    QTest::newRow("vertical offsets 01")
        << cvtWith(4, 0x01) << true << under(TimingsRow, "VRate Offsets:") << "Unknown (0x01)";
}

// A code the list has no entry for shows as its number, and edits of other fields (whose
// writes carry the whole record) keep it with the bytes that go with it.
void tst_VyrEdidRangeLimitItem::reservedCodesShownAndKept()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(bool, edid14);
    QFETCH(QStringList, list);
    QFETCH(QString, shown);
    TreeHarness h(imageWith(descriptor, edid14));
    QCOMPARE(h.valueText(list), shown);
    QVERIFY(h.type(under(TimingsRow, "VRate Range Max(Hz):"), "85"));
    QVERIFY(h.type(under(TimingsRow, "HRate Range Min(kHz):"), "31"));
    QList<int> typed{Start + 6, Start + 7};
    if (rowEnabled(h, CvtRow)) {
        QVERIFY(h.type(under(CvtRow, "Preferred VRate(Hz):"), "75"));
        QVERIFY(h.tick(under(AspectRow, "5x4"), true));
        typed << Start + 17 << Start + 14;
    }
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), typed);
    h.rebuild();
    QCOMPARE(h.valueText(list), shown);
}

// The entry of a code without one can be seen but not chosen; once another entry is chosen it
// goes.
void tst_VyrEdidRangeLimitItem::reservedCodeIsNoChoice()
{
    TreeHarness h(imageWith(cvtWith(15, 0xA8)));
    const QStringList path = under(CvtRow, "Preferred Aspect Ratio:");
    QComboBox *list = combo(h, path);
    QCOMPARE(list->count(), 6);
    QVERIFY(!(list->model()->flags(list->model()->index(5, 0)) & Qt::ItemIsEnabled));
    QVERIFY(h.choose(path, "16x10"));
    QCOMPARE(byteAt(h, 15), quint8(0x48));
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->findText("Unknown (0x05)"), -1);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {Start + 15});
}

void tst_VyrEdidRangeLimitItem::kindTakesItsDefaults_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<bool>("edid14");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes10to17");
    // Secondary GTF: the default curve (C 40 %, M 600 %/kHz, K 128, J 20 %) from the top of
    // the horizontal range (80 kHz; with the offsets of DefaultGtf 80 + 255, in 2 kHz steps).
    QTest::newRow("CVT -> secondary GTF")
        << Cvt << true << "Secondary GTF supported" << QByteArray("0200285058028028");
    QTest::newRow("default GTF -> secondary GTF")
        << DefaultGtf << true << "Secondary GTF supported" << QByteArray("0200a75058028028");
    QTest::newRow("EDID 1.3 range limits only -> secondary GTF")
        << DefaultGtf << false << "Secondary GTF supported" << QByteArray("0200285058028028");
    QTest::newRow("reserved 0x03 -> secondary GTF")
        << cvtWith(10, 0x03) << true << "Secondary GTF supported" << QByteArray("0200285058028028");
    // CVT: 1.1, no line or clock limit, 16:9 supported and preferred with standard blanking,
    // 60 Hz.
    QTest::newRow("secondary GTF -> CVT")
        << SecondaryGtf << true << "CVT supported" << QByteArray("041100004028003c");
    QTest::newRow("default GTF -> CVT")
        << DefaultGtf << true << "CVT supported" << QByteArray("041100004028003c");
}

// A timing support chosen anew writes its own values, never those of the kind it replaces, and
// edid-decode finds nothing wrong with them.
void tst_VyrEdidRangeLimitItem::kindTakesItsDefaults()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(bool, edid14);
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes10to17);
    // GTF needs a continuous frequency display (EDID 1.4 byte 24 bit 0).
    QByteArray image = imageWith(descriptor, edid14);
    image[24] = char(image.at(24) | 0x01);
    VyrTest::fixChecksum(image);
    TreeHarness h(image);
    QVERIFY(h.choose(SupportRow, kind));
    QCOMPARE(h.image().mid(Start + 10, 8).toHex(), bytes10to17);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), VyrTest::byteRange(Start + 10, 8));
    // The editors and boxes show what is stored, as a fresh tree does.
    TreeHarness fresh(h.image());
    QCOMPARE(h.shownRows(), fresh.shownRows());
    if (!VyrTest::haveEdidDecode())
        return;
    const QString report = VyrTest::edidDecode(h.image().left(128), {QStringLiteral("-c")});
    const QString failures = report.mid(report.indexOf(QStringLiteral("Failures:")));
    QVERIFY2(!failures.contains(QStringLiteral("Range Limits"))
                 && !failures.contains(QStringLiteral("GTF"))
                 && !failures.contains(QStringLiteral("CVT")),
             qPrintable(failures));
}

// Switching back restores what the user had, the edits made under a kind included.
void tst_VyrEdidRangeLimitItem::kindChosenAgainRestores()
{
    TreeHarness h(imageWith(Cvt));
    QVERIFY(h.choose(SupportRow, "Secondary GTF supported"));
    QVERIFY(h.type(under(GtfRow, "GTF C Parameter:"), "50"));
    const QByteArray gtf = h.image().mid(Start + 10, 8);
    QVERIFY(h.choose(SupportRow, "Range Limits Only"));
    QVERIFY(h.choose(SupportRow, "CVT supported"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QCOMPARE(h.row(AspectRow)->child(0)->checkState(VyrEdidColumn::Value), Qt::Checked);
    QVERIFY(h.choose(SupportRow, "Secondary GTF supported"));
    QCOMPARE(h.image().mid(Start + 10, 8).toHex(), gtf.toHex());
    QCOMPARE(h.valueText(under(GtfRow, "GTF C Parameter:")), QStringLiteral("50"));
}

// Leaving CVT shows the rows of a fresh tree of the bytes (no CVT numbers, the first aspect);
// choosing CVT again brings the preferred aspect back. Choosing GTF shows the GTF values stored.
void tst_VyrEdidRangeLimitItem::cvtOffShowsFreshRows()
{
    TreeHarness h(imageWith(Cvt));
    const QStringList preferred = under(CvtRow, "Preferred Aspect Ratio:");
    QVERIFY(h.choose(SupportRow, "Range Limits Only"));
    QCOMPARE(h.valueText(preferred), QStringLiteral("4x3"));
    QVERIFY(h.valueText(under(CvtRow, "Max Line Length(pixels):")).isEmpty());
    QVERIFY(h.choose(SupportRow, "CVT supported"));
    QCOMPARE(h.valueText(preferred), QStringLiteral("16x9"));
    QVERIFY(h.choose(SupportRow, "Range Limits Only"));
    h.rebuild();
    QCOMPARE(h.valueText(preferred), QStringLiteral("4x3"));

    // GTF values share their bytes with CVT ones: the GTF editors show what was stored.
    TreeHarness gtf(imageWith(Cvt));
    QVERIFY(gtf.choose(SupportRow, "Secondary GTF supported"));
    QStringList shown;
    for (const QString &label : GtfEdits)
        shown << gtf.valueText(under(GtfRow, label));
    gtf.rebuild();
    for (int i = 0; i < GtfEdits.size(); ++i)
        QCOMPARE(gtf.valueText(under(GtfRow, GtfEdits.at(i))), shown.at(i));
}

void tst_VyrEdidRangeLimitItem::aspects()
{
    TreeHarness h(imageWith(Cvt));
    QVERIFY(h.tick(under(AspectRow, "16x9"), false));
    QCOMPARE(byteAt(h, 14), quint8(0x88));
    QVERIFY(h.tick(under(AspectRow, "5x4"), true));
    QCOMPARE(byteAt(h, 14), quint8(0x98));
    QVERIFY(h.choose(under(CvtRow, "Preferred Aspect Ratio:"), "15x9"));
    QCOMPARE(byteAt(h, 15) >> 5, 4);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {Start + 14, Start + 15});
}

void tst_VyrEdidRangeLimitItem::gtfHalvesShown()
{
    TreeHarness h(imageWith(GtfHalves, false));
    QCOMPARE(h.valueText(under(GtfRow, "GTF C Parameter:")), QStringLiteral("40.5"));
    QCOMPARE(h.valueText(under(GtfRow, "GTF J Parameter:")), QStringLiteral("20.5"));
    QCOMPARE(editor(h, under(GtfRow, "GTF J Parameter:"))->toolTip(),
             QStringLiteral("Valid range 0 --> 127.5"));
}

void tst_VyrEdidRangeLimitItem::numberEdits_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown"); // what the editor shows after the edit
    QTest::addColumn<QList<int>>("bytes");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("max H 200") << DefaultGtf << under(TimingsRow, "HRate Range Max(kHz):") << "200"
                               << "200" << QList<int>{8} << QByteArray::fromHex("c8");
    QTest::newRow("pixel clock in 10 MHz") << DefaultGtf << under(TimingsRow, "") << "175"
                                           << "180" << QList<int>{9} << QByteArray::fromHex("12");
    QTest::newRow("GTF start 302 kHz") << SecondaryGtf << under(GtfRow, "GTF Start HRate:") << "302"
                                       << "302" << QList<int>{12} << QByteArray::fromHex("97");
    QTest::newRow("GTF C 127") << SecondaryGtf << under(GtfRow, "GTF C Parameter:") << "127"
                               << "127" << QList<int>{13} << QByteArray::fromHex("fe");
    // C and J in steps of 0.5; another field's edit leaves their bytes as stored.
    QTest::newRow("GTF C 127.5") << SecondaryGtf << under(GtfRow, "GTF C Parameter:") << "127.5"
                                 << "127.5" << QList<int>{13} << QByteArray::fromHex("ff");
    QTest::newRow("GTF J 20.3, a half kept")
        << SecondaryGtf << under(GtfRow, "GTF J Parameter:") << "20.3"
        << "20.5" << QList<int>{17} << QByteArray::fromHex("29");
    QTest::newRow("max H over C and J with halves")
        << GtfHalves << under(TimingsRow, "HRate Range Max(kHz):") << "84"
        << "84" << QList<int>{8} << QByteArray::fromHex("54");
    QTest::newRow("GTF K over C and J with halves")
        << GtfHalves << under(GtfRow, "GTF K Parameter:") << "128"
        << "128" << QList<int>{16} << QByteArray::fromHex("80");
    QTest::newRow("GTF M with a group separator")
        << GtfHalves << under(GtfRow, "GTF M Parameter:") << "1,200"
        << "1200" << QList<int>{14, 15} << QByteArray::fromHex("b004");
    QTest::newRow("max line length 1023")
        << Cvt << under(CvtRow, "Max Line Length(pixels):") << "1023"
        << "1023" << QList<int>{12, 13} << QByteArray::fromHex("13ff");
    // 15860 kHz: 63 steps of 250 kHz.
    QTest::newRow("clock precision 15860")
        << Cvt << under(CvtRow, "Max Clock precission(kHz):") << "15860"
        << "15750" << QList<int>{12} << QByteArray::fromHex("fe");
}

void tst_VyrEdidRangeLimitItem::numberEdits()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(QStringList, path);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QList<int>, bytes);
    QFETCH(QByteArray, written);
    TreeHarness h(imageWith(descriptor));
    QVERIFY(h.type(path, text));
    QList<int> offsets;
    for (int i = 0; i < bytes.size(); ++i) {
        QCOMPARE(byteAt(h, bytes.at(i)), quint8(written.at(i)));
        offsets << Start + bytes.at(i);
    }
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), offsets);
    QCOMPARE(h.valueText(path), shown);
}

void tst_VyrEdidRangeLimitItem::refusedNumbers_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("text");
    QTest::newRow("max H 300") << DefaultGtf << under(TimingsRow, "HRate Range Max(kHz):") << "300";
    QTest::newRow("min V 0") << DefaultGtf << under(TimingsRow, "VRate Range Min(Hz):") << "0";
    QTest::newRow("pixel clock 2560") << DefaultGtf << under(TimingsRow, "") << "2560";
    QTest::newRow("GTF start 511") << SecondaryGtf << under(GtfRow, "GTF Start HRate:") << "511";
    QTest::newRow("GTF J 128") << SecondaryGtf << under(GtfRow, "GTF J Parameter:") << "128";
    QTest::newRow("max line length 1024")
        << Cvt << under(CvtRow, "Max Line Length(pixels):") << "1024";
    QTest::newRow("empty") << Cvt << under(CvtRow, "Preferred VRate(Hz):") << "";
}

void tst_VyrEdidRangeLimitItem::refusedNumbers()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(QStringList, path);
    QFETCH(QString, text);
    TreeHarness h(imageWith(descriptor));
    QLineEdit *edit = editor(h, path);
    QVERIFY(edit && edit->validator());
    QString probe = text;
    int position = 0;
    QVERIFY(edit->validator()->validate(probe, position) != QValidator::Acceptable);
    QVERIFY(h.type(path, text));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidRangeLimitItem::locations_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    QTest::newRow("item") << Cvt << Item << "112:13";
    QTest::newRow("GTF M") << SecondaryGtf << under(GtfRow, "GTF M Parameter:") << "122:2";
    QTest::newRow("max H") << Cvt << under(TimingsRow, "HRate Range Max(kHz):") << "116:1";
    QTest::newRow("aspect") << Cvt << under(AspectRow, "5x4") << "122:1";
    QTest::newRow("CVT precision") << Cvt << under(CvtRow, "Max Clock precission(kHz):") << "120:1";
}

// A disabled row (another group than the descriptor's) cannot be selected, so each row is
// looked at in a descriptor whose group is enabled.
void tst_VyrEdidRangeLimitItem::locations()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(imageWith(descriptor));
    QCOMPARE(VyrTest::locationText(h.locations(path)), locations);
    QVERIFY(h.select(path));
    QCOMPARE(h.highlightedBytes().value(0), int(h.locations(path).value(0).offset));
}

void tst_VyrEdidRangeLimitItem::samples_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("start");
    for (const QString &name : VyrTest::sampleNames()) {
        const QByteArray image = VyrTest::sampleImage(name);
        for (int slot = 0; slot < 4; ++slot) {
            const QByteArray d = image.mid(VyrTest::descriptorOffset(slot), 18);
            if (d.size() == 18 && d.startsWith(QByteArray::fromHex("000000fd")))
                QTest::newRow(qPrintable(name)) << image << VyrTest::descriptorOffset(slot);
        }
    }
}

// Every real range limits descriptor shows its rates, and choosing the timing support it
// already has writes nothing.
void tst_VyrEdidRangeLimitItem::samples()
{
    QFETCH(QByteArray, image);
    QFETCH(int, start);
    TreeHarness h(image);
    if (!h.row(Item))
        QSKIP("no base block tree");
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QCOMPARE(h.valueText(under(TimingsRow, "VRate Range Min(Hz):")),
             QString::number(quint8(image.at(start + 5))));
    QCOMPARE(h.valueText(under(TimingsRow, "HRate Range Max(kHz):")),
             QString::number(quint8(image.at(start + 8))));
    auto *support = combo(h, SupportRow);
    QVERIFY(support && support->currentIndex() >= 0);
    // A byte 10 without meaning shows as its number (edid13-analog-dif7380-3: 0x0A).
    if (ComboRows::currentRow(support) < 0) {
        QCOMPARE(support->currentText(), ComboRows::unknownText(quint8(image.at(start + 10))));
        return;
    }
    QVERIFY(h.choose(SupportRow, support->currentText()));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidRangeLimitItem::withoutBlock()
{
    VyrEdidInfoTree tree;
    auto *item = new VyrEdidRangeLimitItem(1, nullptr);
    tree.addTopLevelItem(item);
    QVERIFY(!item->InitItems());
    QCOMPARE(item->childCount(), 0);
    QVERIFY(item->GetItemLocations().isEmpty());
    QCOMPARE(item->type(), 1115);
}

QTEST_MAIN(tst_VyrEdidRangeLimitItem)
#include "tst_vyredidrangelimititem.moc"
