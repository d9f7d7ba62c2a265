#include "devicemodeltestsupport.h"
#include "display.h"
#include "testharnessdata.h"
#include "vcpfeature.h"
#include "vyrdevice.h"

#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <cstring>

using namespace DeviceModelTest;

namespace {

const char kDdcEntry[] = "NOX_Display_DDCBlockAccess_Get";
// The capability string of display 0 of monitors.json: exactly two 32-byte pieces.
const QByteArray kTwoPieces = "(prot(monitor)type(LCD)model(Edge64)cmds(01 02 03)vcp(10 12 60))";

// The DDC block transfers of the call log that wrote a request of that many bytes.
int requestsOfLength(const NoxTest::SimLibrary &sim, int length)
{
    int count = 0;
    for (const VyrSimCall &call : sim.callRecords()) {
        if (qstrcmp(call.entry, kDdcEntry) == 0 && call.inputSize == length)
            ++count;
    }
    return count;
}

} // namespace

// A display's DDC/CI conversation with its monitor (VESA DDC/CI, MCCS): VCP values read
// and written, the capability string read in pieces, the reply the monitor holds, and
// the forced refresh that reads all of it.
class tst_VyrDisplayDdc : public QObject
{
    Q_OBJECT

private slots:
    void vcpGet_data();
    void vcpGet();
    void vcpSetIsSeenByTheNextGet();
    void readTakesTheReplyTheMonitorHolds();
    void readRefusesAReplyLargerThanTheBuffer();
    void readAcrossEventsOfItsWait_data();
    void readAcrossEventsOfItsWait();
    void capabilityString_data();
    void capabilityString();
    void capabilityStringFirstFailure();
    void capabilityPieceTakesAtMost32Bytes();
    void capabilityStringOfTheDemoMonitor();
    void updateMccsAsksOnlyForByteCodes();
    void forcedRefreshReadsMccsAndTestHarness();
};

void tst_VyrDisplayDdc::vcpGet_data()
{
    QTest::addColumn<int>("display");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("lengthByte"); // forced on the reply; 0 leaves it
    QTest::addColumn<bool>("result");
    QTest::addColumn<unsigned int>("maximum");
    QTest::addColumn<unsigned int>("current");
    const unsigned int untouched = 777;
    QTest::newRow("luminance") << 1 << 0x10 << 0 << true << 100u << 50u;
    QTest::newRow("16-bit value") << 1 << 0xAC << 0 << true << 0xFFFFu << 1000u;
    QTest::newRow("unsupported code") << 1 << 0x99 << 0 << false << untouched << untouched;
    QTest::newRow("length byte 0x80") << 1 << 0x10 << 0x80 << false << untouched << untouched;
    QTest::newRow("length byte 0x7F") << 1 << 0x10 << 0x7F << false << untouched << untouched;
    QTest::newRow("length byte 0x81") << 1 << 0x10 << 0x81 << true << 100u << 50u;
    QTest::newRow("monitor without DDC/CI") << 0 << 0x10 << 0 << false << untouched << untouched;
}

void tst_VyrDisplayDdc::vcpGet()
{
    QFETCH(int, display);
    QFETCH(int, code);
    QFETCH(int, lengthByte);
    QFETCH(bool, result);
    QFETCH(unsigned int, maximum);
    QFETCH(unsigned int, current);
    BuiltMachine monitor;
    QVERIFY(monitor.ready());
    monitor.machine.sim.setOption("ddcReplyLengthByte", lengthByte);
    unsigned int gotMaximum = 777;
    unsigned int gotCurrent = 777;
    QCOMPARE(monitor.display(display)->MccsVcpGet(0, static_cast<MccsVcpCode>(code), &gotCurrent,
                                                  &gotMaximum),
             result);
    QCOMPARE(gotMaximum, maximum);
    QCOMPARE(gotCurrent, current);
}

void tst_VyrDisplayDdc::vcpSetIsSeenByTheNextGet()
{
    BuiltMachine monitor;
    QVERIFY(monitor.ready());
    VyrDisplay *display = monitor.display(1);
    QVERIFY(display->MccsVcpSet(0, MccsVcpContrast, 0x0123));
    unsigned int current = 0;
    QVERIFY(display->MccsVcpGet(0, MccsVcpContrast, &current, nullptr));
    QCOMPARE(current, 0x0123u);

    // The set reports whether the request reached the monitor.
    QVERIFY(!monitor.display(0)->MccsVcpSet(0, MccsVcpContrast, 10));
    monitor.machine.sim.fail(kDdcEntry, 1, NOX_ERR);
    QVERIFY(!display->MccsVcpSet(0, MccsVcpContrast, 10));
    QVERIFY(display->MccsVcpGet(0, MccsVcpContrast, &current, nullptr));
    QCOMPARE(current, 0x0123u);
}

void tst_VyrDisplayDdc::readTakesTheReplyTheMonitorHolds()
{
    BuiltMachine monitor;
    QVERIFY(monitor.ready());
    VyrDisplay *display = monitor.display(1);
    unsigned char buffer[40] = {};
    // Nothing held: the length byte is not a DDC/CI one.
    QCOMPARE(display->MccsRead(0, buffer, sizeof(buffer)), 0ul);

    // After a set the monitor holds the VCP reply with the new value: address, length,
    // eight bytes, checksum.
    QVERIFY(display->MccsVcpSet(0, MccsVcpLuminance, 33));
    QCOMPARE(display->MccsRead(0, buffer, sizeof(buffer)), 11ul);
    QCOMPARE(int(buffer[0]), 0x6E);
    QCOMPARE(int(buffer[1]), 0x88);
    QCOMPARE(int(buffer[2]), 0x02); // VCP reply
    QCOMPARE(int(buffer[4]), int(MccsVcpLuminance));
    QCOMPARE(buffer[8] << 8 | buffer[9], 33);
    unsigned char checksum = 0x50;
    for (int i = 0; i < 10; ++i)
        checksum ^= buffer[i];
    QCOMPARE(buffer[10], checksum);

    // A buffer below 40 bytes is not used at all.
    monitor.machine.sim.clearCalls();
    QCOMPARE(display->MccsRead(0, buffer, 39), 0ul);
    QVERIFY(monitor.machine.sim.calls().isEmpty());
}

void tst_VyrDisplayDdc::readRefusesAReplyLargerThanTheBuffer()
{
    // A length byte of 0xFF announces 127 data bytes: they and the checksum would not fit
    // after the two bytes already read into a 40-byte buffer.
    BuiltMachine monitor;
    QVERIFY(monitor.ready());
    VyrDisplay *display = monitor.display(1);
    monitor.machine.sim.setOption("ddcReplyLengthByte", 0xFF);
    QVERIFY(display->MccsVcpSet(0, MccsVcpLuminance, 33));
    QByteArray buffer(40 + 16, '\x5A');
    monitor.machine.sim.clearCalls();
    QCOMPARE(display->MccsRead(0, reinterpret_cast<unsigned char *>(buffer.data()), 40), 0ul);
    QCOMPARE(monitor.machine.sim.calls().size(), 1);
    QCOMPARE(buffer.mid(2), QByteArray(40 + 14, '\x5A'));

    // The largest reply that fits: 38 more bytes.
    monitor.machine.sim.setOption("ddcReplyLengthByte", 0x80 + 37);
    QVERIFY(display->MccsVcpSet(0, MccsVcpLuminance, 34));
    QCOMPARE(display->MccsRead(0, reinterpret_cast<unsigned char *>(buffer.data()), 40), 40ul);
    QCOMPARE(buffer.mid(40), QByteArray(16, '\x5A'));
}

void tst_VyrDisplayDdc::readAcrossEventsOfItsWait_data()
{
    QTest::addColumn<bool>("refresh");
    QTest::addColumn<unsigned long>("length");
    QTest::addColumn<int>("transfers");

    QTest::newRow("an event that leaves the model") << false << 11ul << 2;
    // The refresh deletes the display: the read ends without touching it.
    QTest::newRow("a refresh of the model") << true << 0ul << 1;
}

void tst_VyrDisplayDdc::readAcrossEventsOfItsWait()
{
    QFETCH(bool, refresh);
    QFETCH(unsigned long, length);
    QFETCH(int, transfers);

    BuiltMachine monitor;
    QVERIFY(monitor.ready());
    VyrDisplay *display = monitor.display(1);
    QVERIFY(display->MccsVcpSet(0, MccsVcpLuminance, 33));
    // Handled while the read waits for the monitor's reply.
    bool handled = false;
    QTimer::singleShot(0, monitor.manager.get(), [&]() {
        handled = true;
        if (refresh)
            monitor.manager->Refresh();
    });
    const QPointer<VyrDisplay> watch(display);
    monitor.machine.sim.clearCalls();
    unsigned char buffer[40] = {};
    QCOMPARE(display->MccsRead(0, buffer, sizeof(buffer)), length);
    QVERIFY(handled);
    QCOMPARE(watch.isNull(), refresh);
    QCOMPARE(monitor.machine.sim.calls().count(QString::fromLatin1(kDdcEntry)), transfers);
}

void tst_VyrDisplayDdc::capabilityString_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("requests");
    QTest::newRow("whole string, then an empty piece") << 2048 << kTwoPieces << 3;
    QTest::newRow("room for the string exactly") << 65 << kTwoPieces << 2;
    QTest::newRow("room for one piece exactly") << 33 << kTwoPieces.left(32) << 1;
    QTest::newRow("second piece cut") << 40 << kTwoPieces.left(39) << 2;
    QTest::newRow("room for one byte") << 2 << kTwoPieces.left(1) << 1;
    QTest::newRow("no room") << 1 << QByteArray() << 0;
}

void tst_VyrDisplayDdc::capabilityString()
{
    QFETCH(int, size);
    QFETCH(QByteArray, text);
    QFETCH(int, requests);
    BuiltMachine monitor(QStringLiteral("monitors.json"));
    QVERIFY(monitor.ready());
    QByteArray out(size + 8, 'x');
    monitor.machine.sim.clearCalls();
    QCOMPARE(monitor.display(0)->mccsCapGet(0, out.data(), static_cast<unsigned long>(size)),
             static_cast<unsigned long>(text.size()));
    QCOMPARE(requestsOfLength(monitor.machine.sim, 7), requests);
    QCOMPARE(out.left(text.size()), text);
    if (!text.isEmpty())
        QCOMPARE(out.at(text.size()), '\0');
    QCOMPARE(out.mid(size), QByteArray(8, 'x'));
}

void tst_VyrDisplayDdc::capabilityStringFirstFailure()
{
    BuiltMachine monitor(QStringLiteral("monitors.json"));
    QVERIFY(monitor.ready());
    QByteArray out(64, 'x');
    monitor.machine.sim.fail(kDdcEntry, 1, NOX_ERR);
    QCOMPARE(monitor.display(0)->mccsCapGet(0, out.data(), 64), 0ul);
    QCOMPARE(out, QByteArray(64, 'x'));
    // A monitor without DDC/CI answers nothing either.
    QCOMPARE(monitor.display(3)->mccsCapGet(0, out.data(), 64), 0ul);
    QCOMPARE(out, QByteArray(64, 'x'));
}

void tst_VyrDisplayDdc::capabilityPieceTakesAtMost32Bytes()
{
    // Replies whose length byte claims 124 data bytes: a reply holds 32 at most, so each
    // piece takes 32 and the string stays whole.
    BuiltMachine monitor(QStringLiteral("monitors.json"));
    QVERIFY(monitor.ready());
    monitor.machine.sim.setOption("ddcReplyLengthByte", 0xFF);
    QByteArray out(70, 'x');
    monitor.machine.sim.clearCalls();
    QCOMPARE(monitor.display(0)->mccsCapGet(0, out.data(), 70), 69ul);
    QCOMPARE(requestsOfLength(monitor.machine.sim, 7), 3);
    QCOMPARE(out.left(64), kTwoPieces);
    QCOMPARE(out.at(69), '\0');
}

void tst_VyrDisplayDdc::capabilityStringOfTheDemoMonitor()
{
    BuiltMachine monitor;
    QVERIFY(monitor.ready());
    QByteArray out(2048, '\0');
    const unsigned long length = monitor.display(1)->mccsCapGet(0, out.data(), 2048);
    QVERIFY(length > 32 * 5);
    out.truncate(static_cast<int>(length));
    QVERIFY(out.startsWith("(prot(monitor)type(LCD)model(Simulated DP Monitor)cmds("));
    QVERIFY(out.endsWith("mccs_ver(2.1))"));
}

void tst_VyrDisplayDdc::updateMccsAsksOnlyForByteCodes()
{
    // A code past 0xFF is no VCP code: cut to a byte it would read 0xFF's value.
    BuiltMachine monitor(QStringLiteral("monitors.json"));
    QVERIFY(monitor.ready());
    VyrDisplay *display = monitor.display(4);
    monitor.machine.sim.clearCalls();
    QVERIFY(display->UpdateMccs(0));
    const QList<VcpFeature *> &features = display->mccs().GetVcp();
    QCOMPARE(features.size(), 2);
    QCOMPARE(features.at(0)->current, 40u);
    QCOMPARE(features.at(1)->code, 0x1FFu);
    QCOMPARE(features.at(1)->current, 0u);
    QCOMPARE(features.at(1)->max, 0u);
    QCOMPARE(requestsOfLength(monitor.machine.sim, 6), 1); // one Get VCP Feature
}

void tst_VyrDisplayDdc::forcedRefreshReadsMccsAndTestHarness()
{
    // A plain refresh reads neither; a forced one reads every listed VCP value and the link
    // state of the enabled displays. Repeated refreshes rebuild the model each time (the
    // sanitizer build finds what a rebuild leaks).
    BuiltMachine monitor;
    QVERIFY(monitor.ready());
    for (int round = 0; round < 2; ++round) {
        monitor.manager->Refresh(false);
        VyrDisplay *display = monitor.display(1);
        QVERIFY(display->mccs().GetVcp().isEmpty());
        QCOMPARE(display->testHarness()->link.colorDepth, 0u);

        monitor.manager->Refresh(true);
        display = monitor.display(1);
        QList<unsigned int> codes;
        for (const VcpFeature *feature : display->mccs().GetVcp())
            codes << feature->code;
        QCOMPARE(codes,
                 (QList<unsigned int>{0x02, 0x04, 0x05, 0x08, 0x10, 0x12, 0x14, 0x16, 0x18, 0x1A,
                                      0x52, 0x60, 0xAC, 0xAE, 0xB6, 0xC6, 0xC8, 0xC9, 0xD6, 0xDF}));
        const VcpFeature *luminance = display->mccs().GetVcp().at(4);
        QCOMPARE(luminance->current, 50u);
        QCOMPARE(luminance->max, 100u);
        // Codes the monitor lists but does not answer keep 0.
        QCOMPARE(display->mccs().GetVcp().at(1)->max, 0u);
        QCOMPARE(display->testHarness()->link.colorDepth, 8u);
        QVERIFY(display->testHarness()->drr.pixelClock != 0);
        // A monitor without DDC/CI has an empty capability list.
        QVERIFY(monitor.display(0)->mccs().GetVcp().isEmpty());
    }
}

QTEST_GUILESS_MAIN(tst_VyrDisplayDdc)
#include "tst_vyrdisplayddc.moc"
