#include "connectwarninghandler.h"
#include "didsteps.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "items/displayid/vyrdiddoubledualedititem.h"
#include "items/displayid/vyrdidintdualedititem.h"
#include "items/displayid/vyrdidtreewidgetitem.h"
#include "locationtext.h"

#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::locationText;
using VyrTest::TreeHarness;

namespace {

const QStringList Item = {"DID Extention", "Interface Power Sequencing"};

QStringList rowPath(const QString &row)
{
    return Item + QStringList{row};
}

// A power sequencing block in an extension section at 128; its payload starts at 136.
QByteArray powerImage(const QByteArray &payload)
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x0D, 0, payload)
        .image();
}

// The right box of the row's two-value cell; null when it has none.
QAbstractSpinBox *rightBox(const TreeHarness &h, const QString &row)
{
    QWidget *cell = h.widget(rowPath(row));
    if (auto *real = qobject_cast<VyrDIDDoubleDualEditItem *>(cell))
        return real->rightBox();
    if (auto *whole = qobject_cast<VyrDIDIntDualEditItem *>(cell))
        return whole->rightBox();
    return nullptr;
}

} // namespace

class tst_VyrDIDInterfacePowerSequencingBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsDelays();
    void editsEncode_data();
    void editsEncode();
    void typedPairShowsTheStoredValue_data();
    void typedPairShowsTheStoredValue();
};

void tst_VyrDIDInterfacePowerSequencingBlock::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDInterfacePowerSequencingBlock::showsDelays()
{
    TreeHarness h(powerImage(QByteArray::fromHex("5a0a3f7f3f05")));
    QCOMPARE(h.childTitles(Item), QStringList({"T1(ms) Min/Max", "T2(ms) Min/Max", "T3(ms) Min/Max",
                                               "T4 Min.(ms)", "T5 Min.(ms)", "T6 Min.(ms)"}));
    auto *t1 = qobject_cast<VyrDIDDoubleDualEditItem *>(h.widget(rowPath("T1(ms) Min/Max")));
    QVERIFY(t1);
    QCOMPARE(t1->leftBox()->value(), 0.5);
    QCOMPARE(t1->rightBox()->value(), 20.0);
    auto *t2 = qobject_cast<VyrDIDIntDualEditItem *>(h.widget(rowPath("T2(ms) Min/Max")));
    QVERIFY(t2);
    QCOMPARE(t2->leftBox()->value(), 0);
    QVERIFY(t2->leftBox()->isReadOnly());
    QCOMPARE(t2->rightBox()->value(), 20);
    QCOMPARE(h.valueText(rowPath("T4 Min.(ms)")), QString("1270"));
    QCOMPARE(h.valueText(rowPath("T5 Min.(ms)")), QString("630"));
    QCOMPARE(h.valueText(rowPath("T6 Min.(ms)")), QString("50"));
    auto *row = dynamic_cast<VyrDIDTreeWidgetItem *>(h.row(rowPath("T4 Min.(ms)")));
    QVERIFY(row);
    QCOMPARE(locationText(row->GetItemLocations(true)), QString("139:1"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrDIDInterfacePowerSequencingBlock::editsEncode_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("half"); // 0 left, 1 right, -1 the line cell
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("shown"); // what the line cell shows after the edit

    QTest::newRow("T1 maximum 30") << "T1(ms) Min/Max" << 1 << 30.0 << 0 << 0x5F << "";
    QTest::newRow("T1 minimum 1.2") << "T1(ms) Min/Max" << 0 << 1.2 << 0 << 0xCA << "";
    QTest::newRow("T2 maximum 126") << "T2(ms) Min/Max" << 1 << 126.0 << 1 << 0x3F << "";
    QTest::newRow("T3 maximum 40") << "T3(ms) Min/Max" << 1 << 40.0 << 2 << 0x14 << "";
    QTest::newRow("T4 1270") << "T4 Min.(ms)" << -1 << 1270.0 << 3 << 0x7F << "1270";
    QTest::newRow("T5 630") << "T5 Min.(ms)" << -1 << 630.0 << 4 << 0x3F << "630";
    QTest::newRow("T6 100") << "T6 Min.(ms)" << -1 << 100.0 << 5 << 0x0A << "100";
    // Stored in steps of 10 ms: the cell shows the nearest step written.
    QTest::newRow("T5 83, stored as 80") << "T5 Min.(ms)" << -1 << 83.0 << 4 << 0x08 << "80";
}

void tst_VyrDIDInterfacePowerSequencingBlock::editsEncode()
{
    QFETCH(QString, row);
    QFETCH(int, half);
    QFETCH(double, value);
    QFETCH(int, byte);
    QFETCH(int, expected);
    QFETCH(QString, shown);
    TreeHarness h(powerImage(QByteArray::fromHex("5a0a0a0a0a0a")));
    if (half < 0)
        QVERIFY(h.type(rowPath(row), QString::number(value)));
    else
        QVERIFY(VyrTest::setDualValue(h.widget(rowPath(row)), half == 0, value));
    QCOMPARE(int(quint8(h.image().at(136 + byte))), expected);
    // The section checksum (142) follows the data block.
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {136 + byte, 142});
    if (half < 0)
        QCOMPARE(h.valueText(rowPath(row)), shown);
}

void tst_VyrDIDInterfacePowerSequencingBlock::typedPairShowsTheStoredValue_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("typed"); // into the right box, confirmed with Return
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("shown"); // what the box shows once confirmed

    // The maxima are stored in steps of 2 ms: an odd time reads back as the next even one.
    QTest::newRow("T1 9.0, stored as 10") << "T1(ms) Min/Max"
                                          << "9.0" << 0 << 0x55 << "10.0";
    QTest::newRow("T1 8.0, as typed") << "T1(ms) Min/Max"
                                      << "8.0" << 0 << 0x54 << "8.0";
    QTest::newRow("T2 41, stored as 42") << "T2(ms) Min/Max"
                                         << "41" << 1 << 0x15 << "42";
    QTest::newRow("T3 3, stored as 4") << "T3(ms) Min/Max"
                                       << "3" << 2 << 0x02 << "4";
}

// Each key typed into a box writes its value, but the box keeps the keys until they are
// confirmed; then it shows the value stored, as a fresh build of the tree does.
void tst_VyrDIDInterfacePowerSequencingBlock::typedPairShowsTheStoredValue()
{
    QFETCH(QString, row);
    QFETCH(QString, typed);
    QFETCH(int, byte);
    QFETCH(int, expected);
    QFETCH(QString, shown);
    TreeHarness h(powerImage(QByteArray::fromHex("5a0a0a0a0a0a")));
    QAbstractSpinBox *box = rightBox(h, row);
    QVERIFY(box);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, typed);
    QCOMPARE(int(quint8(h.image().at(136 + byte))), expected);
    QCOMPARE(box->text(), typed);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), shown);
    h.rebuild();
    QVERIFY(rightBox(h, row));
    QCOMPARE(rightBox(h, row)->text(), shown);
}

QTEST_MAIN(tst_VyrDIDInterfacePowerSequencingBlock)
#include "tst_vyrdidinterfacepowersequencingblock.moc"
