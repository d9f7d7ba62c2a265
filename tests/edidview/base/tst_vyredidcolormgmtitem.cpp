#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyredidcolormgmtitem.h"
#include "locationtext.h"

#include <QLineEdit>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

// Descriptor slot 2 (bytes 90 to 107): version 3, then red a3, red a2, green a3, green a2,
// blue a3, blue a2 as signed 16-bit numbers in units of 0.01: 100.00, -0.01, 2.50, -1.00,
// 327.67, -327.68.
const int Slot = 2;
const QByteArray Coefficients = QByteArray::fromHex("031027ffffFA009CFFFF7F0080");

QByteArray imageWith(bool edid14 = true)
{
    EdidImageBuilder builder;
    if (edid14)
        builder.edid14();
    else
        builder.edid13();
    return builder
        .patch(VyrTest::descriptorOffset(Slot), VyrTest::displayDescriptor(0xF9, Coefficients))
        .image();
}

const QStringList Item{"Base Block", "Descriptors", "Color Management"};

QStringList row(const QString &label)
{
    return Item + QStringList{label};
}

} // namespace

class tst_VyrEdidColorMgmtItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shows();
    void edits_data();
    void edits();
    void validator_data();
    void validator();
    void locations();
    void unreadableDescriptor();
};

void tst_VyrEdidColorMgmtItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidColorMgmtItem::shows()
{
    TreeHarness h(imageWith());
    QCOMPARE(h.row(Item)->type(), 1112);
    QCOMPARE(h.childTitles(Item),
             QStringList({"RedA2", "GreenA2", "BlueA2", "RedA3", "GreenA3", "BlueA3"}));
    const QStringList shown{"-0.01", "-1.00", "-327.68", "100.00", "2.50", "327.67"};
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(h.valueText(row(h.childTitles(Item).at(i))), shown.at(i));
    QCOMPARE(h.row(row("RedA2"))->type(), 1115);
    QCOMPARE(h.row(row("RedA2"))->text(VyrEdidColumn::Type), QStringLiteral("[FLT"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidColorMgmtItem::edits_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("green a2 12.5") << "GreenA2"
                                   << "12.5" << 102 << QByteArray::fromHex("e204");
    QTest::newRow("red a3 -327.67") << "RedA3"
                                    << "-327.67" << 96 << QByteArray::fromHex("0180");
    QTest::newRow("blue a2 0.07") << "BlueA2"
                                  << "0.07" << 106 << QByteArray::fromHex("0700");
}

// Only the edited coefficient changes; the others (-327.68 among them, which the editor cannot
// take) keep their bytes.
void tst_VyrEdidColorMgmtItem::edits()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    TreeHarness h(imageWith());
    QVERIFY(h.type(row(label), text));
    QCOMPARE(h.image().mid(offset, 2).toHex(), bytes.toHex());
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {offset, offset + 1});
}

void tst_VyrEdidColorMgmtItem::validator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("327.67") << "327.67" << true;
    QTest::newRow("-327.67") << "-327.67" << true;
    QTest::newRow("0.01") << "0.01" << true;
    QTest::newRow("327.68") << "327.68" << false;
    QTest::newRow("three decimals") << "1.005" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_VyrEdidColorMgmtItem::validator()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    TreeHarness h(imageWith());
    auto *edit = qobject_cast<QLineEdit *>(h.widget(row("GreenA3")));
    QVERIFY(edit && edit->validator());
    int position = 0;
    QCOMPARE(edit->validator()->validate(text, position) == QValidator::Acceptable, accepted);
}

void tst_VyrEdidColorMgmtItem::locations()
{
    TreeHarness h(imageWith());
    QCOMPARE(VyrTest::locationText(h.locations(Item)), QStringLiteral("90:18"));
    QCOMPARE(VyrTest::locationText(h.locations(row("BlueA3"))), QStringLiteral("94:13"));
    QVERIFY(h.select(row("BlueA3")));
    QCOMPARE(h.highlightedBytes().value(0), 94);

    VyrEdidInfoTree tree;
    auto *item = new VyrEdidColorMgmtItem(3, nullptr);
    tree.addTopLevelItem(item);
    QVERIFY(item->InitItems());
    QCOMPARE(item->childCount(), 0);
    QVERIFY(item->GetItemLocations().isEmpty());
}

// An EDID 1.3 block has no colour management descriptor: the tag is shown as one, without rows,
// and nothing is written.
void tst_VyrEdidColorMgmtItem::unreadableDescriptor()
{
    TreeHarness h(imageWith(false));
    QVERIFY(h.row(Item));
    QCOMPARE(h.row(Item)->childCount(), 0);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_VyrEdidColorMgmtItem)
#include "tst_vyredidcolormgmtitem.moc"
