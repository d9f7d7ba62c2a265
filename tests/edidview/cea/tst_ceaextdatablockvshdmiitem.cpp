// The HDMI vendor-specific data block item: its rows, presence groups that grow and shrink the
// block, the latency and 3D editors, and its two editor widgets.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/cea/CeaExtDataBlockVSHDMIItem.h"
#include "items/cea/ceablockwidgets.h"
#include "locationtext.h"
#include "model/cea/ceaextblock.h"
#include "vyrtestutil.h"

#include <QtTest>

using CeaTest::Blocks;
using CeaTest::Cea;
using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QString Vsdb = QStringLiteral("HDMI Vendor Specific Data Block");
constexpr int Ext = 128;
constexpr int Collection = Ext + 4; // the VSDB comes first in every image here
const QByteArray Audio = QByteArray::fromHex("23090707");

// Video data blocks of bytes bytes in all (the room a test leaves free is what they do not take).
QByteArray filler(int bytes)
{
    QVector<int> lengths;
    for (; bytes > 0; bytes -= 32)
        lengths << qMin(bytes, 32);
    return CeaTest::videoBlocks(lengths);
}

// The VSDB, an audio block after it and room free bytes left in the extension.
QByteArray imageWith(const QByteArray &vsdb, int room = 40)
{
    QByteArray collection = vsdb + Audio;
    collection += filler(123 - collection.size() - room);
    return EdidImageBuilder()
        .edid14()
        .block(CeaTest::makeExt(4u + static_cast<unsigned>(collection.size()), 0, collection))
        .image();
}

QStringList path(const QStringList &below)
{
    return QStringList{Cea, Blocks, Vsdb} + below;
}

int payloadLength(const QByteArray &image)
{
    return (static_cast<unsigned char>(image.at(Collection)) & 0x1F) - 3;
}

// Header, OUI, address 1.0.0.0, then the bytes given.
QByteArray vsdb(const QByteArray &payload)
{
    return static_cast<char>(0x60 | (5 + payload.size())) + QByteArray::fromHex("030c001000")
           + payload;
}

// Every part: flags, TMDS, latency, interlaced and HDMI video present (no VICs, no 3D).
const QByteArray Full = vsdb(QByteArray::fromHex("b82de00b0b0c0c0000"));

} // namespace

class tst_CeaExtDataBlockVSHDMIItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rows();
    void presence_data();
    void presence();
    void multi3D_data();
    void multi3D();
    void latency_data();
    void latency();
    void maskRow();
    void entries();
    void fieldEdits();
    void locations();
    void entryRowLocations_data();
    void entryRowLocations();
    void widgetSignals();
    void samples_data();
    void samples();
};

void tst_CeaExtDataBlockVSHDMIItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_CeaExtDataBlockVSHDMIItem::rows()
{
    TreeHarness h(imageWith(vsdb({})));
    QCOMPARE(h.childTitles(path({})), QStringList({"Source Physical Address", "Features"}));
    QCOMPARE(h.childTitles(path({"Source Physical Address"})), QStringList({"A", "B", "C", "D"}));
    QCOMPARE(h.valueText(path({"Source Physical Address", "A"})), "1");

    TreeHarness full(imageWith(Full));
    QCOMPARE(full.childTitles(path({})),
             QStringList({"Source Physical Address", "Features", "Clock Rate", "Flags", "Latency",
                          "Interlaced Latency", "Extended Caps"}));
    QCOMPARE(full.valueText(path({"Clock Rate", "Max. TMDS Clock(MHz)"})), "225");
    QCOMPARE(full.childTitles(path({"Latency"})), QStringList({"Video", "Audio"}));
    QCOMPARE(full.childTitles(path({"Extended Caps"})),
             QStringList({"Image Size Type", "Support Mandatory 3D Formats", "Multi 3D Support",
                          "Extended 3D Support", "Extended HDMI VICs"}));
    VYR_VERIFY_UNCHANGED(full.original(), full.image());
}

void tst_CeaExtDataBlockVSHDMIItem::presence_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("payload");
    const QByteArray vics = vsdb(QByteArray::fromHex("00002000400102")); // two HDMI VICs
    const QByteArray noLatency = vsdb(QByteArray::fromHex("000000"));
    QTest::newRow("features off") << imageWith(Full) << "Features" << false << 2;
    QTest::newRow("clock rate off") << imageWith(Full) << "Clock Rate" << false << 3;
    QTest::newRow("flags off") << imageWith(Full) << "Flags" << false << 4;
    QTest::newRow("latency off takes interlaced") << imageWith(Full) << "Latency" << false << 7;
    QTest::newRow("interlaced off") << imageWith(Full) << "Interlaced Latency" << false << 9;
    QTest::newRow("ext caps off") << imageWith(Full) << "Extended Caps" << false << 9;
    QTest::newRow("ext caps off takes VICs") << imageWith(vics) << "Extended Caps" << false << 5;
    QTest::newRow("features on") << imageWith(vsdb({})) << "Features" << true << 3;
    QTest::newRow("features on, no room") << imageWith(vsdb({}), 0) << "Features" << true << 2;
    QTest::newRow("latency on") << imageWith(noLatency) << "Latency" << true << 7;
    QTest::newRow("latency on, one byte free") << imageWith(noLatency, 1) << "Latency" << true << 5;
    QTest::newRow("interlaced without latency")
        << imageWith(noLatency) << "Interlaced Latency" << true << 5;
    QTest::newRow("ext caps on") << imageWith(noLatency) << "Extended Caps" << true << 7;
}

// The block grows or shrinks by the part and what is nested in it; the audio block after it
// moves along whole, and nothing is written without room.
void tst_CeaExtDataBlockVSHDMIItem::presence()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, group);
    QFETCH(bool, on);
    QFETCH(int, payload);
    TreeHarness h(image);
    const int before = payloadLength(h.image());
    QVERIFY(h.tick(path({group}), on));
    h.settle();
    QCOMPARE(payloadLength(h.image()), payload);
    QCOMPARE(h.image().mid(Collection + 4 + payload, 4), Audio);
    if (payload == before)
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
    auto *box = qobject_cast<QCheckBox *>(h.widget(path({group})));
    QVERIFY(box);
    QCOMPARE(box->isChecked(), on && payload != before);
}

void tst_CeaExtDataBlockVSHDMIItem::multi3D_data()
{
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("payload");
    QTest::newRow("four free") << 4 << 11;
    QTest::newRow("three free") << 3 << 7;
}

void tst_CeaExtDataBlockVSHDMIItem::multi3D()
{
    QFETCH(int, room);
    QFETCH(int, payload);
    TreeHarness h(imageWith(vsdb(QByteArray::fromHex("0000200000")), room));
    // Straight from code 0 to 2 (the keyboard would pass code 1 on the way).
    auto *multi = qobject_cast<QComboBox *>(h.widget(path({"Extended Caps", "Multi 3D Support"})));
    QVERIFY(multi);
    multi->setCurrentIndex(2);
    h.settle();
    QCOMPARE(payloadLength(h.image()), payload);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
    if (payload == 7)
        return;
    QCOMPARE(h.image().mid(Collection + 9, 3).toHex(), QByteArray("400400"));
    multi = qobject_cast<QComboBox *>(h.widget(path({"Extended Caps", "Multi 3D Support"})));
    QVERIFY(multi);
    multi->setCurrentIndex(0);
    h.settle();
    QCOMPARE(payloadLength(h.image()), 7);
    QCOMPARE(h.image().mid(Collection + 11, 4), Audio);
}

void tst_CeaExtDataBlockVSHDMIItem::latency_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("shown"); // afterwards, as a fresh tree shows the byte
    QTest::newRow("20 ms") << 2 << "20" << 11 << "20";
    QTest::newRow("0 ms") << 2 << "0" << 1 << "0";
    QTest::newRow("153 ms, stored in 2 ms steps") << 2 << "153" << 78 << "154";
    QTest::newRow("506 ms") << 2 << "506" << 254 << "506";
    QTest::newRow("600 ms, the most stored") << 2 << "600" << 254 << "506";
    QTest::newRow("no data") << 0 << "" << 0 << "0";
    QTest::newRow("not supported, no number") << 1 << "x" << 255 << "0";
    QTest::newRow("ms, no number") << 2 << "" << 0x0B << "";
}

void tst_CeaExtDataBlockVSHDMIItem::latency()
{
    QFETCH(int, state);
    QFETCH(QString, text);
    QFETCH(int, byte);
    QFETCH(QString, shown);
    TreeHarness h(imageWith(Full));
    auto *widget = qobject_cast<CeaAudioVideoWidget *>(h.widget(path({"Latency", "Video"})));
    QVERIFY(widget);
    QCOMPARE(widget->comboBox()->currentIndex(), 2);
    QCOMPARE(widget->lineEdit()->text(), "20");
    widget->lineEdit()->setText(text);
    widget->lineEdit()->setModified(true);
    if (state == 2)
        emit widget->lineEdit()->editingFinished();
    else
        widget->comboBox()->setCurrentIndex(state);
    QCOMPARE(static_cast<unsigned char>(h.image().at(Collection + 9)), byte);
    QCOMPARE(widget->lineEdit()->text(), shown);
    QCOMPARE(widget->lineEdit()->isEnabled(), state == 2);
    QVERIFY(VyrTest::checksumOk(h.image(), Ext));
}

// A mask row writes its own bit on a check; the item writing its text writes nothing.
void tst_CeaExtDataBlockVSHDMIItem::maskRow()
{
    const QByteArray collection =
        vsdb(QByteArray::fromHex("000020400400010000")) + QByteArray::fromHex("42101f");
    TreeHarness h(imageWith(collection, 123 - collection.size() - Audio.size())); // no filler SVDs
    const QStringList modes = path({"Extended Caps", "Multi 3D Support", "CEA Stereo 3D Modes"});
    QCOMPARE(h.childTitles(modes), QStringList({"1920x1080p @ 60Hz", "1920x1080p @ 50Hz"}));
    QTreeWidgetItem *row = h.row(modes + QStringList{"1920x1080p @ 50Hz"});
    QVERIFY(row);
    QCOMPARE(row->checkState(0), Qt::Unchecked);
    row->setText(0, QStringLiteral("renamed"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    row->setCheckState(0, Qt::Checked);
    QCOMPARE(h.image().mid(Collection + 13, 2).toHex(), QByteArray("0002"));
    row->setCheckState(0, Qt::Unchecked);
    QCOMPARE(h.image().mid(Collection + 13, 2).toHex(), QByteArray("0000"));
    QVERIFY(h.tick(path({"Extended Caps", "Support Mandatory 3D Formats"}), true));
    QCOMPARE(static_cast<unsigned char>(h.image().at(Collection + 9)), 0xC0);

    // The rows name the SVDs: a new VIC in the video data block renames its row at once.
    QVERIFY(h.choose({Cea, Blocks, "Video Data Block", "[1]"}, "[28] 2880x288p@50, 16x9"));
    QCOMPARE(h.childTitles(modes), QStringList({"1920x1080p @ 60Hz", "2880x288p @ 50Hz"}));
}

// HDMI VICs and extended 3D entries: counts grow and shrink the block by their bytes; a side-by-
// side entry takes two.
void tst_CeaExtDataBlockVSHDMIItem::entries()
{
    TreeHarness h(imageWith(vsdb(QByteArray::fromHex("0000200000"))));
    auto combo = [&h](const QStringList &below) {
        return qobject_cast<QComboBox *>(h.widget(path(below)));
    };
    const QStringList vics{"Extended Caps", "Extended HDMI VICs"};
    QCOMPARE(combo(vics)->count(), 8); // 0 to 7
    combo(vics)->setCurrentIndex(2);
    h.settle();
    QCOMPARE(payloadLength(h.image()), 9);
    QCOMPARE(h.image().mid(Collection + 10, 3).toHex(), QByteArray("400101"));
    QCOMPARE(h.row(path(vics))->childCount(), 2);
    QCOMPARE(qobject_cast<QComboBox *>(h.tree()->itemWidget(h.row(path(vics))->child(1), 1))
                 ->currentText(),
             "[1] 3840x2160p@30Hz");

    const QStringList entries{"Extended Caps", "Extended 3D Support"};
    combo(entries)->setCurrentIndex(3);
    h.settle();
    QCOMPARE(payloadLength(h.image()), 12);
    QCOMPARE(h.image().mid(Collection + 10, 6).toHex(), QByteArray("430101000000"));
    auto *entry =
        qobject_cast<CeaExt3dWidget *>(h.tree()->itemWidget(h.row(path(entries))->child(1), 1));
    QVERIFY(entry);
    QVERIFY(!entry->lineEdit()->isEnabled());
    entry->optionComboBox()->setCurrentIndex(1); // side-by-side
    h.settle();
    QCOMPARE(payloadLength(h.image()), 13);
    QCOMPARE(h.image().mid(Collection + 13, 4).toHex(), QByteArray("00080000"));
    combo(entries)->setCurrentIndex(1);
    h.settle();
    QCOMPARE(payloadLength(h.image()), 10);
    QCOMPARE(h.image().mid(Collection + 10, 4).toHex(), QByteArray("41010100"));
    QCOMPARE(h.image().mid(Collection + 14, 4), Audio);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
}

void tst_CeaExtDataBlockVSHDMIItem::fieldEdits()
{
    TreeHarness h(imageWith(Full));
    QVERIFY(h.type(path({"Source Physical Address", "C"}), "7"));
    QCOMPARE(static_cast<unsigned char>(h.image().at(Collection + 5)), 0x70);
    QVERIFY(h.type(path({"Clock Rate", "Max. TMDS Clock(MHz)"}), "297"));
    QCOMPARE(static_cast<unsigned char>(h.image().at(Collection + 7)), 59);
    // The block keeps 5 MHz steps: the editor shows the clock stored, not the one typed.
    QCOMPARE(h.valueText(path({"Clock Rate", "Max. TMDS Clock(MHz)"})), "295");
    QVERIFY(h.tick(path({"Flags", "CN3(Game)"}), true));
    QCOMPARE(static_cast<unsigned char>(h.image().at(Collection + 8)), 0xE8);
    QVERIFY(h.tick(path({"Features", "DVI Dual Link"}), true));
    QCOMPARE(static_cast<unsigned char>(h.image().at(Collection + 6)), 0xB9);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(),
                            {Collection + 5, Collection + 6, Collection + 7, Collection + 8});
}

void tst_CeaExtDataBlockVSHDMIItem::locations()
{
    TreeHarness full(imageWith(Full));
    QCOMPARE(VyrTest::locationText(full.locations(path({"Extended Caps"}))),
             QString("%1:1").arg(Collection + 13));
    QCOMPARE(VyrTest::locationText(full.locations(path({"Interlaced Latency", "Audio"}))),
             QString("%1:1").arg(Collection + 12));
    TreeHarness bare(imageWith(vsdb(QByteArray::fromHex("0000200000"))));
    QCOMPARE(VyrTest::locationText(bare.locations(path({"Extended Caps"}))),
             QString("%1:1").arg(Collection + 9));
    QCOMPARE(VyrTest::locationText(bare.locations(path({}))),
             QString("%1:%2").arg(Collection).arg(vsdb(QByteArray(5, '\0')).size()));
}

// Each row of the HDMI video part lights up its own bytes (counted from the VSDB's header), with
// and without the latency pairs before them: the count byte, each HDMI VIC, the 3D structure,
// the 3D mask and each mask bit's byte, each extended 3D entry.
void tst_CeaExtDataBlockVSHDMIItem::entryRowLocations_data()
{
    QTest::addColumn<QByteArray>("latency"); // byte 8 and the latency bytes after it
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<int>("child"); // -1: the row itself
    QTest::addColumn<int>("at");    // without latency bytes
    QTest::addColumn<int>("length");

    const QStringList vics{"Extended Caps", "Extended HDMI VICs"};
    const QStringList entries{"Extended Caps", "Extended 3D Support"};
    const QStringList formats{"Extended Caps", "Multi 3D Support", "Supported Stereo 3D Formats"};
    const QStringList mask{"Extended Caps", "Multi 3D Support", "CEA Stereo 3D Modes"};
    const struct
    {
        const char *name;
        QByteArray bytes;
    } latencies[] = {{"no latency", QByteArray::fromHex("20")},
                     {"latency", QByteArray::fromHex("a00b0b")},
                     {"both latencies", QByteArray::fromHex("e00b0b0c0c")}};
    for (const auto &l : latencies) {
        const auto row = [&](const char *what) -> QTestData & {
            return QTest::addRow("%s, %s", l.name, what) << l.bytes;
        };
        row("VIC count") << vics << -1 << 10 << 1;
        row("HDMI VIC 0") << vics << 0 << 11 << 1;
        row("HDMI VIC 1") << vics << 1 << 12 << 1;
        row("3D count") << entries << -1 << 10 << 1;
        row("3D structure") << formats << -1 << 13 << 2;
        row("3D mask") << mask << -1 << 15 << 2;
        row("mask bit 0") << mask << 0 << 16 << 1;
        row("mask bit 9") << mask << 9 << 15 << 1;
        row("frame packing entry") << entries << 0 << 17 << 1;
        row("side-by-side entry") << entries << 1 << 18 << 2;
    }
}

void tst_CeaExtDataBlockVSHDMIItem::entryRowLocations()
{
    QFETCH(QByteArray, latency);
    QFETCH(QStringList, row);
    QFETCH(int, child);
    QFETCH(int, at);
    QFETCH(int, length);
    // Flags, TMDS, byte 8 and latencies, HDMI video byte (3D present, structure and mask), two
    // HDMI VICs and 3D_LEN 7: structure, mask, a frame packing entry for SVD 0 and a
    // side-by-side entry for SVD 1.
    const QByteArray payload =
        QByteArray::fromHex("b82d") + latency + QByteArray::fromHex("c047 0102 0141 0005 00 1810");
    TreeHarness h(imageWith(vsdb(payload)));
    QTreeWidgetItem *item = h.row(path(row));
    QVERIFY(item);
    if (child >= 0)
        item = item->child(child);
    auto *shown = dynamic_cast<VyrEdidItemBase *>(item);
    QVERIFY(shown);
    const int shift = latency.size() - 1;
    QCOMPARE(VyrTest::locationText(shown->GetItemLocations()),
             QStringLiteral("%1:%2").arg(Collection + at + shift).arg(length));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_CeaExtDataBlockVSHDMIItem::widgetSignals()
{
    CeaExt3dWidget entry(5);
    QSignalSpy modes(&entry, &CeaExt3dWidget::modeChanged);
    QSignalSpy options(&entry, &CeaExt3dWidget::optionChanged);
    QSignalSpy values(&entry, &CeaExt3dWidget::valueChanged);
    entry.modeComboBox()->addItems({"a", "b"}); // the first insertion selects entry 0
    entry.optionComboBox()->addItem("x");
    entry.modeComboBox()->setCurrentIndex(1);
    entry.lineEdit()->setText(" 1x");
    emit entry.lineEdit()->editingFinished();
    QCOMPARE(modes.size(), 2);
    QCOMPARE(modes.at(1), QVariantList({5u, 1}));
    QCOMPARE(options.at(0), QVariantList({5u, 0}));
    QCOMPARE(values.at(0), QVariantList({5u, QString(" 1x")}));

    CeaAudioVideoWidget latency;
    QSignalSpy finished(&latency, &CeaAudioVideoWidget::editFinished);
    latency.comboBox()->addItems({"a", "b"});
    emit latency.lineEdit()->editingFinished();
    QCOMPARE(finished.size(), 2);
}

void tst_CeaExtDataBlockVSHDMIItem::samples_data()
{
    QTest::addColumn<QString>("sample");
    for (const QString &name : VyrTest::sampleNames())
        if (VyrTest::sampleImage(name).contains(QByteArray::fromHex("030c00")))
            QTest::newRow(qPrintable(name)) << name;
}

// Every real HDMI VSDB builds without a write.
void tst_CeaExtDataBlockVSHDMIItem::samples()
{
    QFETCH(QString, sample);
    TreeHarness h(VyrTest::sampleImage(sample));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    h.tree()->expandAll();
    h.settle();
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_CeaExtDataBlockVSHDMIItem)
#include "tst_ceaextdatablockvshdmiitem.moc"
