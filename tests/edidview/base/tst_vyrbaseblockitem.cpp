#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyrbaseblockitem.h"
#include "items/base/vyrediddescriptorsitem.h"
#include "items/base/vyredidestablishtimingitem.h"
#include "items/base/vyredidstandardtimingitem.h"
#include "locationtext.h"
#include "model/base/edid14block.h"

#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList GroupTitles{"Header",
                              "General Info",
                              "Basic Params Info",
                              "Color Characteristics Info",
                              "Established Timings Info",
                              "Standard Timings Info",
                              "Descriptors"};

} // namespace

class tst_VyrBaseBlockItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void groupsAndTheirModels_data();
    void groupsAndTheirModels();
    void groupLocations_data();
    void groupLocations();
    void withoutModel();
    void extensionCountWritesByte126();
};

void tst_VyrBaseBlockItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrBaseBlockItem::groupsAndTheirModels_data()
{
    QTest::addColumn<bool>("edid14");
    QTest::newRow("EDID 1.3") << false;
    QTest::newRow("EDID 1.4") << true;
}

// Built outside a tree, the item already has its groups and answers the root's questions; the
// timing and descriptor groups get the one model that is set.
void tst_VyrBaseBlockItem::groupsAndTheirModels()
{
    QFETCH(bool, edid14);
    QByteArray image = edid14 ? EdidImageBuilder().edid14().cea().image()
                              : EdidImageBuilder().edid13().cea().image();
    Edid13Block block13(VyrTest::bytes(image), 512, 0, nullptr);
    Edid14Block block14(VyrTest::bytes(image), 512, 0, nullptr);
    Edid13Block *model = edid14 ? &block14 : &block13;
    VyrEdidBaseBlockItem item(VyrTest::bytes(image), edid14 ? nullptr : &block13,
                              edid14 ? &block14 : nullptr);
    QCOMPARE(item.text(0), QStringLiteral("Base Block"));
    QCOMPARE(item.type(), 1101);
    QCOMPARE(item.GetBlockSize(), 128u);
    QCOMPARE(item.GetNumberOfExtentions(), 1u);
    QStringList titles;
    QList<int> kinds;
    for (int i = 0; i < item.childCount(); ++i) {
        titles << item.child(i)->text(0);
        kinds << item.child(i)->type();
    }
    QCOMPARE(titles, GroupTitles);
    QCOMPARE(kinds, QList<int>({1106, 1107, 1108, 1109, 1110, 1111, 1112}));
    QCOMPARE(item.groups().size(), 7);
    const QList<VyrEdidItemBase *> &groups = item.groups();
    QCOMPARE(static_cast<VyrEdidEstablishTimingItem *>(groups.at(4))->block(),
             static_cast<DataBlock *>(model));
    QCOMPARE(static_cast<VyrEdidEstablishTimingItem *>(groups.at(4))->section(), 0u);
    QCOMPARE(static_cast<VyrEdidStandardTimingItem *>(groups.at(5))->block(),
             static_cast<DataBlock *>(model));
    QCOMPARE(static_cast<VyrEdidStandardTimingItem *>(groups.at(5))->count(), 8u);
    QCOMPARE(static_cast<VyrEdidDescriptorsItem *>(groups.at(6))->block(),
             static_cast<DataBlock *>(model));
    QCOMPARE(static_cast<VyrEdidBaseGroupItem *>(groups.at(1))->edid14(),
             edid14 ? &block14 : nullptr);
}

void tst_VyrBaseBlockItem::groupLocations_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    QTest::newRow("base block") << QStringList{"Base Block"} << "0:128";
    QTest::newRow("header") << QStringList{"Base Block", "Header"} << "0:8";
    QTest::newRow("general info") << QStringList{"Base Block", "General Info"} << "8:12";
    QTest::newRow("basic params") << QStringList{"Base Block", "Basic Params Info"} << "20:5";
    QTest::newRow("colour") << QStringList{"Base Block", "Color Characteristics Info"} << "25:10";
    QTest::newRow("established") << QStringList{"Base Block", "Established Timings Info"} << "35:3";
    QTest::newRow("standard") << QStringList{"Base Block", "Standard Timings Info"} << "38:16";
    QTest::newRow("descriptors") << QStringList{"Base Block", "Descriptors"} << "54:72";
}

void tst_VyrBaseBlockItem::groupLocations()
{
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(EdidImageBuilder().edid14().image());
    QCOMPARE(h.childTitles({"Base Block"}), GroupTitles);
    QCOMPARE(VyrTest::locationText(h.locations(path)), locations);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrBaseBlockItem::withoutModel()
{
    VyrEdidInfoTree tree;
    auto *item = new VyrEdidBaseBlockItem(nullptr, nullptr, nullptr);
    tree.addTopLevelItem(item);
    QVERIFY(item->InitItems());
    QCOMPARE(item->childCount(), 7);
    QCOMPARE(item->child(6)->text(0), QStringLiteral("Descriptors"));
    QCOMPARE(VyrTest::locationText(item->GetItemLocations()), QStringLiteral("0:0"));
    QCOMPARE(item->GetBlockSize(), 0u);
    QCOMPARE(item->GetNumberOfExtentions(), 0u);
    item->SetNumberOfExtentions(2);
    QCOMPARE(item->GetNumberOfExtentions(), 0u);
    for (int i = 1; i < 7; ++i)
        QVERIFY(item->groups().at(i)->GetItemLocations().isEmpty());
}

void tst_VyrBaseBlockItem::extensionCountWritesByte126()
{
    QByteArray image = EdidImageBuilder().edid13().image();
    const QByteArray before = VyrTest::EdidImageBuilder().edid13().image();
    Edid13Block block(VyrTest::bytes(image), 512, 0, nullptr);
    VyrEdidBaseBlockItem item(VyrTest::bytes(image), &block, nullptr);
    item.SetNumberOfExtentions(1);
    QCOMPARE(quint8(image.at(126)), quint8(1));
    QCOMPARE(item.GetNumberOfExtentions(), 1u);
    VYR_VERIFY_ONLY_CHANGED(before, image, {126});
}

QTEST_MAIN(tst_VyrBaseBlockItem)
#include "tst_vyrbaseblockitem.moc"
