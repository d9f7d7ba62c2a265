#include "sleeper.h"

#include <QtTest>

// Whether the events posted before a wait are handled during it.
class tst_Sleeper : public QObject
{
    Q_OBJECT

private slots:
    void msleepHandlesEventsOnlyWhenAsked_data();
    void msleepHandlesEventsOnlyWhenAsked();
    void sleepHandlesEventsWhenAsked();
};

void tst_Sleeper::msleepHandlesEventsOnlyWhenAsked_data()
{
    QTest::addColumn<unsigned long>("milliseconds");
    QTest::addColumn<bool>("processEvents");
    QTest::newRow("10 ms with events") << 10ul << true;
    QTest::newRow("0 ms with events") << 0ul << true;
    QTest::newRow("10 ms without events") << 10ul << false;
}

void tst_Sleeper::msleepHandlesEventsOnlyWhenAsked()
{
    QFETCH(unsigned long, milliseconds);
    QFETCH(bool, processEvents);
    bool handled = false;
    QTimer::singleShot(0, this, [&handled] { handled = true; });
    Sleeper::msleep(milliseconds, processEvents);
    QCOMPARE(handled, processEvents);
    QTRY_VERIFY(handled); // leave no posted call behind for the next row
}

void tst_Sleeper::sleepHandlesEventsWhenAsked()
{
    bool handled = false;
    QTimer::singleShot(0, this, [&handled] { handled = true; });
    Sleeper::sleep(0, true);
    QVERIFY(handled);
}

QTEST_GUILESS_MAIN(tst_Sleeper)
#include "tst_sleeper.moc"
