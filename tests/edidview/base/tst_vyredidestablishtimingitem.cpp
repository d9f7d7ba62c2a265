#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyredidestablishtimingitem.h"
#include "locationtext.h"
#include "vyrtestutil.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList BaseTimings{"Base Block", "Established Timings Info"};
const QStringList DescriptorTimings{"Base Block", "Descriptors", "Established Timings Info"};

// Row index of a group as a path step ("" titles would not tell rows apart).
QStringList rowOf(const TreeHarness &h, const QStringList &group, int index)
{
    QTreeWidgetItem *row = h.row(group)->child(index);
    const QString title = row->text(0);
    int same = 0;
    for (int i = 0; i < index; ++i)
        same += h.row(group)->child(i)->text(0) == title ? 1 : 0;
    return group + QStringList{QStringLiteral("%1[%2]").arg(title).arg(same)};
}

bool boxChecked(const TreeHarness &h, const QStringList &path)
{
    auto *box = qobject_cast<QCheckBox *>(h.widget(path));
    return box && box->isChecked();
}

// An established timings III descriptor (tag 0xF7, version 10) in slot 2 (section 3, bytes 90
// to 107), bits of 640 x 350 at 85 Hz (row 0) and 1280 x 1024 at 60 Hz (row 14) set.
QByteArray timingsIIIImage(bool edid14 = true)
{
    return VyrTest::imageWithDescriptor(
        2, VyrTest::displayDescriptor(0xF7, QByteArray::fromHex("0a800200000000")), edid14);
}

} // namespace

class tst_VyrEdidEstablishTimingItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void baseBlockRowsAreBitsOfBytes35To37();
    void timingsIIIEditTheirDescriptor();
    void timingsIIIOfASample();
    void timingsIIIInEdid13HaveNoRows();
    void withoutBlock();
};

void tst_VyrEdidEstablishTimingItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

// Row i stands for bit 7 - i % 8 of byte 35 + i / 8: it shows that bit, ticking sets only it
// (the checksum follows), unticking restores the block. Names come from the block's table.
void tst_VyrEdidEstablishTimingItem::baseBlockRowsAreBitsOfBytes35To37()
{
    const QByteArray bits = QByteArray::fromHex("a54b80");
    TreeHarness h(EdidImageBuilder().edid13().patch(35, {0xA5, 0x4B, 0x80}).image());
    QTreeWidgetItem *group = h.row(BaseTimings);
    QVERIFY(group);
    QCOMPARE(group->childCount(), 17);
    QCOMPARE(group->child(0)->text(0), QStringLiteral(" 720 x 400  at 70Hz"));
    QCOMPARE(group->child(12)->text(0), QStringLiteral("1024 x 768  at 60Hz"));
    QCOMPARE(group->child(16)->text(0), QStringLiteral("1152 x 872  at 75Hz"));
    QCOMPARE(VyrTest::locationText(h.locations(BaseTimings)), QStringLiteral("35:3"));
    QSignalSpy notified(h.tree(), &VyrEdidInfoTree::edidDataChanged);
    for (int i = 0; i < 17; ++i) {
        const QStringList path = rowOf(h, BaseTimings, i);
        const int byte = 35 + i / 8;
        const auto mask = static_cast<quint8>(1u << (7 - i % 8));
        const bool set = (quint8(bits.at(i / 8)) & mask) != 0;
        QCOMPARE(VyrTest::locationText(h.locations(path)), QStringLiteral("%1:1").arg(byte));
        QVERIFY2(boxChecked(h, path) == set, qPrintable(path.last()));
        QVERIFY(h.tick(path, !set));
        QCOMPARE(quint8(h.image().at(byte)), quint8(quint8(bits.at(i / 8)) ^ mask));
        VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {byte});
        QVERIFY(h.tick(path, set));
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
    }
    QCOMPARE(notified.count(), 34);
}

// A bit of an established timings III descriptor changes its descriptor (byte 6 + i / 8 of
// it), never bytes 35 to 37 of the base block.
void tst_VyrEdidEstablishTimingItem::timingsIIIEditTheirDescriptor()
{
    TreeHarness h(timingsIIIImage());
    QTreeWidgetItem *group = h.row(DescriptorTimings);
    QVERIFY(group);
    auto *item = dynamic_cast<VyrEdidEstablishTimingItem *>(group);
    QVERIFY(item);
    QCOMPARE(item->section(), 3u);
    QCOMPARE(group->childCount(), 44);
    QCOMPARE(group->child(0)->text(0), QStringLiteral(" 640 x 350  at 85Hz"));
    QCOMPARE(VyrTest::locationText(h.locations(DescriptorTimings)), QStringLiteral("90:18"));
    QVERIFY(boxChecked(h, rowOf(h, DescriptorTimings, 0)));
    QVERIFY(boxChecked(h, rowOf(h, DescriptorTimings, 14)));
    QVERIFY(!boxChecked(h, rowOf(h, DescriptorTimings, 12)));

    // Row 12 (1280 x 960 at 60 Hz): bit 3 of descriptor byte 7, block byte 97.
    const QStringList row12 = rowOf(h, DescriptorTimings, 12);
    QCOMPARE(VyrTest::locationText(h.locations(row12)), QStringLiteral("97:1"));
    QVERIFY(h.tick(row12, true));
    QCOMPARE(quint8(h.image().at(97)), quint8(0x0A));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {97});
    // Row 43, the last one: bit 4 of descriptor byte 11.
    const QStringList row43 = rowOf(h, DescriptorTimings, 43);
    QCOMPARE(VyrTest::locationText(h.locations(row43)), QStringLiteral("101:1"));
    QVERIFY(h.tick(row43, true));
    QCOMPARE(quint8(h.image().at(101)), quint8(0x10));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {97, 101});
}

// The descriptor of a real display (slot 1) gets its 44 rows, showing its bits.
void tst_VyrEdidEstablishTimingItem::timingsIIIOfASample()
{
    const QByteArray image = VyrTest::sampleImage("edid14-digital-chr0608-1.bin");
    QCOMPARE(quint8(image.at(72 + 3)), quint8(0xF7));
    TreeHarness h(image);
    QTreeWidgetItem *group = h.row(DescriptorTimings);
    QVERIFY(group);
    QCOMPARE(group->childCount(), 44);
    QCOMPARE(VyrTest::locationText(h.locations(DescriptorTimings)), QStringLiteral("72:18"));
    for (int i = 0; i < 44; ++i) {
        const auto bits = quint8(image.at(72 + 6 + i / 8));
        const bool set = (bits >> (7 - i % 8)) & 1u;
        QVERIFY2(boxChecked(h, rowOf(h, DescriptorTimings, i)) == set,
                 qPrintable(QString::number(i)));
    }
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// An EDID 1.3 block does not decode the descriptor: the item shows its bytes but no rows.
void tst_VyrEdidEstablishTimingItem::timingsIIIInEdid13HaveNoRows()
{
    TreeHarness h(timingsIIIImage(false));
    QTreeWidgetItem *group = h.row(DescriptorTimings);
    QVERIFY(group);
    QCOMPARE(group->childCount(), 0);
    QCOMPARE(VyrTest::locationText(h.locations(DescriptorTimings)), QStringLiteral("90:18"));
}

// Without a block: 17 rows without names, unchecked; a tick only notifies.
void tst_VyrEdidEstablishTimingItem::withoutBlock()
{
    VyrEdidInfoTree tree;
    auto *item = new VyrEdidEstablishTimingItem(0, nullptr);
    tree.addTopLevelItem(item);
    QVERIFY(item->InitItems());
    QCOMPARE(item->childCount(), 17);
    QVERIFY(item->GetItemLocations().isEmpty());
    auto *box = qobject_cast<QCheckBox *>(tree.itemWidget(item->child(5), 1));
    QVERIFY(box);
    QVERIFY(!box->isChecked());
    QVERIFY(item->child(5)->text(0).isEmpty());
    QSignalSpy notified(&tree, &VyrEdidInfoTree::edidDataChanged);
    box->setChecked(true);
    QCOMPARE(notified.count(), 1);
}

QTEST_MAIN(tst_VyrEdidEstablishTimingItem)
#include "tst_vyredidestablishtimingitem.moc"
