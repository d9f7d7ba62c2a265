// The DPCD register name table: its runs of consecutive addresses, additions,
// removals and names.

#include "dpcdtableinfo.h"

#include <QtTest>

class tst_DpcdTableInfo : public QObject
{
    Q_OBJECT

private slots:
    void defaultTable();
    void ranges_data();
    void ranges();
    void descriptions_data();
    void descriptions();
    void addAndDelete();
};

namespace {

// Every run of the table as {first address, length}.
QVector<QPair<unsigned, unsigned>> runs(const DpcdTableInfo &table)
{
    QVector<QPair<unsigned, unsigned>> result;
    unsigned count = 0;
    for (unsigned index = 0; table.GetRange(index, count); index += count)
        result << qMakePair(table.GetAddress(index), count);
    return result;
}

} // namespace

void tst_DpcdTableInfo::defaultTable()
{
    DpcdTableInfo table;
    QCOMPARE(table.GetSize(), 76u);
    QCOMPARE(DpcdTableInfo::DefaultDpcdTable().size(), 76);
    // Ascending and without duplicates.
    for (unsigned i = 1; i < table.GetSize(); ++i)
        QVERIFY(table.GetAddress(i - 1) < table.GetAddress(i));
    const QVector<QPair<unsigned, unsigned>> expected = {{0x000, 6},  {0x007, 5},  {0x100, 8},
                                                         {0x200, 12}, {0x300, 12}, {0x400, 16},
                                                         {0x500, 16}, {0x600, 1}};
    QCOMPARE(runs(table), expected);
    QCOMPARE(table.GetAddress(76), 0u);
    QVERIFY(!table.loadFromFile(QStringLiteral("anything")));
}

void tst_DpcdTableInfo::ranges_data()
{
    QTest::addColumn<unsigned>("start");
    QTest::addColumn<bool>("found");
    QTest::addColumn<unsigned>("count");
    QTest::newRow("first run") << 0u << true << 6u;
    QTest::newRow("second run") << 6u << true << 5u;
    QTest::newRow("inside a run") << 2u << true << 4u;
    QTest::newRow("last row") << 75u << true << 1u;
    QTest::newRow("past the end") << 76u << false << 99u;
    QTest::newRow("far past the end") << 0xFFFFFFFFu << false << 99u;
}

void tst_DpcdTableInfo::ranges()
{
    QFETCH(unsigned, start);
    QFETCH(bool, found);
    QFETCH(unsigned, count);
    DpcdTableInfo table;
    unsigned got = 99;
    QCOMPARE(table.GetRange(start, got), found);
    QCOMPARE(got, count);
}

void tst_DpcdTableInfo::descriptions_data()
{
    QTest::addColumn<unsigned>("address");
    QTest::addColumn<QString>("name");
    QTest::newRow("0x000") << 0x000u << "DPCD Revision";
    QTest::newRow("0x006 has no row") << 0x006u << "";
    QTest::newRow("0x100") << 0x100u << "Link Bandwith Set";
    QTest::newRow("0x20B") << 0x20Bu << "Training Score Lane 3";
    QTest::newRow("0x305") << 0x305u << "Device Identification String (Source Device) 2";
    QTest::newRow("0x40F") << 0x40Fu << "Reserved (Sink Device)";
    QTest::newRow("0x50A") << 0x50Au << "Firmware/software major revision (Branch Device)";
    QTest::newRow("0x600") << 0x600u << "Data Link Power State";
    QTest::newRow("0x601") << 0x601u << "";
}

void tst_DpcdTableInfo::descriptions()
{
    QFETCH(unsigned, address);
    QFETCH(QString, name);
    DpcdTableInfo table;
    QCOMPARE(table.GetDpcdDescription(address), name);
}

void tst_DpcdTableInfo::addAndDelete()
{
    DpcdTableInfo table;
    // Filling the gap at 0x006 joins the first two runs.
    QVERIFY(table.AddRegInfo(0x006, QStringLiteral("Main Link Channel Coding")));
    QCOMPARE(table.GetSize(), 77u);
    unsigned count = 0;
    QVERIFY(table.GetRange(0, count));
    QCOMPARE(count, 12u);
    QCOMPARE(table.GetDpcdDescription(0x006), QStringLiteral("Main Link Channel Coding"));

    // An existing address only changes its name.
    QVERIFY(!table.AddRegInfo(0x000, QStringLiteral("Revision")));
    QCOMPARE(table.GetSize(), 77u);
    QCOMPARE(table.GetDpcdDescription(0x000), QStringLiteral("Revision"));

    // A new address past the end is kept in order.
    QVERIFY(table.AddRegInfo(0x2000, QStringLiteral("Extended")));
    QVERIFY(table.AddRegInfo(0x0FF, QStringLiteral("Before link")));
    for (unsigned i = 1; i < table.GetSize(); ++i)
        QVERIFY(table.GetAddress(i - 1) < table.GetAddress(i));
    QCOMPARE(table.GetAddress(table.GetSize() - 1), 0x2000u);

    QVERIFY(table.DelRegInfo(0x006));
    QVERIFY(!table.DelRegInfo(0x006));
    QVERIFY(table.GetRange(0, count));
    QCOMPARE(count, 6u);
    QCOMPARE(table.GetDpcdDescription(0x006), QString());
}

QTEST_GUILESS_MAIN(tst_DpcdTableInfo)
#include "tst_dpcdtableinfo.moc"
