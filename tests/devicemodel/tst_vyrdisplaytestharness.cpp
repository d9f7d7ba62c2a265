#include "devicemodeltestsupport.h"
#include "display.h"
#include "dpcdtabledata.h"
#include "drrconfig.h"
#include "linkadjust.h"
#include "testharnessdata.h"
#include "vyrdisplaystereoinfo.h"

#include <QtTest>

#include <functional>

using namespace DeviceModelTest;

namespace {

using LinkRequest = std::function<bool(VyrDisplay *)>;

// Byte offset, in the escape frame, of the first byte of a DisplayPort test function's
// record (escape header 16 bytes, test-harness payload header 20 bytes).
constexpr int kDpRecord = 36;

} // namespace

Q_DECLARE_METATYPE(LinkRequest)

// A display's DisplayPort link and the driver's test harness: link and stream state,
// dynamic refresh rate, the records the link requests carry, stereo state, the DPCD
// snapshot and the MST sideband path.
class tst_VyrDisplayTestHarness : public QObject
{
    Q_OBJECT

private slots:
    void translateColorDepth_data();
    void translateColorDepth();
    void staticScreenEvents_data();
    void staticScreenEvents();
    void linkState();
    void dynamicRefresh_data();
    void dynamicRefresh();
    void drrConfigFallsBackToTheOlderInterface();
    void linkRequests_data();
    void linkRequests();
    void stereoState();
    void dpcdSnapshotAndIdentity();
    void sidebandPath();
    void i2cTransfers();
};

void tst_VyrDisplayTestHarness::translateColorDepth_data()
{
    QTest::addColumn<unsigned int>("code");
    QTest::addColumn<unsigned int>("bits");
    QTest::newRow("0") << 0u << 6u;
    QTest::newRow("1") << 1u << 6u;
    QTest::newRow("2") << 2u << 8u;
    QTest::newRow("3") << 3u << 6u;
    QTest::newRow("4") << 4u << 10u;
    QTest::newRow("8") << 8u << 12u;
    QTest::newRow("9") << 9u << 6u;
    QTest::newRow("16") << 16u << 6u;
}

void tst_VyrDisplayTestHarness::translateColorDepth()
{
    QFETCH(unsigned int, code);
    QFETCH(unsigned int, bits);
    QCOMPARE(VyrDisplay::TranslateColorDepth(code), bits);
}

void tst_VyrDisplayTestHarness::staticScreenEvents_data()
{
    // Each bit of the older interface and where the current one has it.
    QTest::addColumn<int>("oldBit");
    QTest::addColumn<int>("newBit");
    const int moves[][2] = {{0, 11}, {1, 12}, {2, 1},  {3, 2},  {5, 7},  {6, 8},   {7, 9},  {8, 13},
                            {9, 0},  {10, 3}, {11, 4}, {12, 5}, {13, 6}, {14, 10}, {15, 14}};
    for (const auto &move : moves)
        QTest::addRow("old bit %d", move[0]) << move[0] << move[1];
}

void tst_VyrDisplayTestHarness::staticScreenEvents()
{
    QFETCH(int, oldBit);
    QFETCH(int, newBit);
    QCOMPARE(VyrDisplay::translateEscapeStaticEventsOldToNew(1u << oldBit), 1u << newBit);
    QCOMPARE(VyrDisplay::translateEscapeStaticEventsNewToOld(1u << newBit), 1u << oldBit);
    // Old bit 4, new bit 15 and the high half have no counterpart.
    QCOMPARE(VyrDisplay::translateEscapeStaticEventsOldToNew(0xFFFF0010u), 0u);
    QCOMPARE(VyrDisplay::translateEscapeStaticEventsNewToOld(0xFFFF8000u), 0u);
    for (const quint32 v : {0x0u, 0xFFFFFFFFu, 0x1234ABCDu, 0x00000010u, 0x8001u})
        QCOMPARE(VyrDisplay::translateEscapeStaticEventsNewToOld(
                     VyrDisplay::translateEscapeStaticEventsOldToNew(v)),
                 v & 0xFFEFu);
    QCOMPARE(VyrDisplay::translateToEscapeStaticEvents(0xFFFFu), 0x7FFFu);
    QCOMPARE(VyrDisplay::translateFromEscapeStaticEvents(0x18000u), 0u);
}

void tst_VyrDisplayTestHarness::linkState()
{
    BuiltMachine m;
    QVERIFY(m.ready());
    VyrDisplay *display = m.display(1);
    QVERIFY(display->UpdateLink());
    const TestHarnessLink &link = display->testHarness()->link;
    QCOMPARE(int(link.linkValue), 4);
    // Link rate codes of RBR, HBR, HBR2, HBR3 in 10 Mbit/s.
    const quint32 rates[] = {162, 270, 540, 810, 0};
    const quint8 bytes[] = {0x06, 0x0A, 0x14, 0x1E, 0};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(link.pairs[i].linkRate, rates[i]);
        QCOMPARE(link.pairs[i].linkByte, bytes[i]);
    }
    QCOMPARE(link.info1, 4u);
    QCOMPARE(link.info2, 1u);
    QCOMPARE(link.colorDepth, 8u);
    QCOMPARE(display->testHarness()->stream.hTotal, 2560u + 160u);

    // 10 bits per component on the second machine's older-driver display.
    BuiltMachine other(QStringLiteral("monitors.json"));
    QVERIFY(other.ready());
    QVERIFY(other.display(2)->UpdateLink());
    QCOMPARE(other.display(2)->testHarness()->link.colorDepth, 10u);
}

void tst_VyrDisplayTestHarness::dynamicRefresh_data()
{
    // Display 1080p60 of monitors.json: totals 2080 x 1125, pixel clock 140.4 MHz.
    QTest::addColumn<int>("display");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QList<quint32>>("values"); // min/max VT, refresh at max/min VT, limits,
                                                // events, pixel clock
    QTest::newRow("current status")
        << 0 << true << QList<quint32>{1125, 3375, 20000, 60000, 48000, 144000, 0x3, 140400};
    QTest::newRow("vertical totals reversed")
        << 1 << false << QList<quint32>{2000, 1500, 0, 0, 48000, 144000, 0x3, 140400};
    // Older record: rates in Hz, event bits 0 and 1 are bits 11 and 12 now.
    QTest::newRow("older status") << 2 << true << QList<quint32>{1125,  3375,   20000,  60000,
                                                                 48000, 144000, 0x1800, 140400};
    QTest::newRow("no status") << 3 << false << QList<quint32>{0, 0, 0, 0, 0, 0, 0, 0};
}

void tst_VyrDisplayTestHarness::dynamicRefresh()
{
    QFETCH(int, display);
    QFETCH(bool, result);
    QFETCH(QList<quint32>, values);
    BuiltMachine m(QStringLiteral("monitors.json"));
    QVERIFY(m.ready());
    VyrDisplay *target = m.display(display);
    QCOMPARE(target->UpdateDrr(), result);
    const TestHarnessDrr &drr = target->testHarness()->drr;
    const QList<quint32> got{drr.minVTotal,          drr.maxVTotal,      drr.refreshAtMaxVTotal,
                             drr.refreshAtMinVTotal, drr.minRefreshRate, drr.maxRefreshRate,
                             drr.staticScreenEvents, drr.pixelClock};
    QCOMPARE(got, values);
    QCOMPARE(drr.staticScreenEvents2, drr.staticScreenEvents);
    if (values.last() != 0) {
        QCOMPARE(drr.currentVTotal, 1125u);
        QCOMPARE(drr.currentHTotal, 2080u);
    }
}

void tst_VyrDisplayTestHarness::drrConfigFallsBackToTheOlderInterface()
{
    BuiltMachine m(QStringLiteral("monitors.json"));
    QVERIFY(m.ready());
    VyrDisplay *display = m.display(0);
    // The driver takes the events (without bit 15) and reports them back.
    const DrrConfig config{50000, 0x8005};
    QVERIFY(display->SetDrrConfig(&config));
    QVERIFY(display->UpdateDrr());
    QCOMPARE(display->testHarness()->drr.staticScreenEvents, 0x0005u);

    // When the current interface fails, the older one gets Hz and its own event bits.
    m.machine.sim.fail("Send", 1, NOX_ERR_NOT_SUPPORTED);
    QVERIFY(display->SetDrrConfig(&config));
    const QByteArray older = m.machine.sim.frame();
    QCOMPARE(NoxTest::word(older, kDpRecord + 4), 50u);
    QCOMPARE(NoxTest::word(older, kDpRecord + 8), (1u << 9) | (1u << 3));

    // Both failing: false.
    m.machine.sim.fail("Send", 0, NOX_ERR);
    QVERIFY(!display->SetDrrConfig(&config));
}

void tst_VyrDisplayTestHarness::linkRequests_data()
{
    QTest::addColumn<LinkRequest>("request");
    QTest::addColumn<int>("offset"); // in the DisplayPort record
    QTest::addColumn<QByteArray>("bytes");
    auto words = [](std::initializer_list<quint32> list) {
        QByteArray bytes;
        for (quint32 w : list)
            bytes.append(reinterpret_cast<const char *>(&w), 4);
        return bytes;
    };
    QTest::newRow("link training test on")
        << LinkRequest([](VyrDisplay *d) { return d->EnableLTTest(true); }) << 4
        << words({1, 0, 0});
    QTest::newRow("link training test off")
        << LinkRequest([](VyrDisplay *d) { return d->EnableLTTest(false); }) << 4
        << words({3, 0, 0});
    QTest::newRow("link training test with 4 lanes at 5.4 Gbit/s")
        << LinkRequest([](VyrDisplay *d) {
               LinkSettings settings{4, 540};
               return d->SetupLTTest(&settings);
           })
        << 4 << words({4, 20, 0});
    QTest::newRow("link parameters") << LinkRequest([](VyrDisplay *d) {
        LinkSettings settings{2, 0x0A};
        return d->SetLinkParams(&settings);
    }) << 0 << words({12, 2, 0x0A});
    QTest::newRow("spread spectrum")
        << LinkRequest([](VyrDisplay *d) { return d->SetSpreadSpectrum(true); }) << 4
        << words({0, 1, 0});
    QTest::newRow("lanes") << LinkRequest([](VyrDisplay *d) {
        LinkAdjust lanes[4] = {{0, 1, 2}, {1, 2, 3}, {2, 3, 0}, {3, 0, 1}};
        return d->SetLineParams(lanes);
    }) << 8
                           << QByteArray::fromHex("00010203"
                                                  "01020300"
                                                  "02030001");
}

void tst_VyrDisplayTestHarness::linkRequests()
{
    QFETCH(LinkRequest, request);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    BuiltMachine m;
    QVERIFY(m.ready());
    QVERIFY(request(m.display(1)));
    QCOMPARE(m.machine.sim.frame().mid(kDpRecord + offset, bytes.size()), bytes);
}

void tst_VyrDisplayTestHarness::stereoState()
{
    BuiltMachine m;
    QVERIFY(m.ready());
    VyrDisplay *display = m.display(1);
    VyrDisplayStereoInfo info;
    QVERIFY(display->TestHarnessStereoStatusRefresh(&info));
    for (int i = 0; i < VyrDisplayStereoInfo::ValueCount; ++i)
        QCOMPARE(info.values[i], static_cast<quint32>(i + 1));
    QVERIFY(display->stereoInfo() != nullptr);
    // A failing refresh keeps no state.
    m.machine.sim.fail("Send", 1, NOX_ERR);
    QVERIFY(!display->TestHarnessStereoStatusRefresh(&info));
    QVERIFY(display->stereoInfo() == nullptr);
}

void tst_VyrDisplayTestHarness::dpcdSnapshotAndIdentity()
{
    BuiltMachine m;
    QVERIFY(m.ready());
    VyrDisplay *monitor = m.display(1);
    VyrDisplay *tv = m.display(0);
    QVERIFY(monitor->GetDpcd() != nullptr);
    QVERIFY(tv->GetDpcd() == nullptr);
    QVERIFY(!monitor->downspreadEnabled());
    QVERIFY(monitor->UpdateDpcd());
    // DOWNSPREAD_CTRL (0x107) bit 4 of the demo monitor.
    QVERIFY(monitor->downspreadEnabled());
    QCOMPARE(monitor->GetDpcd()->GetValueByAddress(0x000), 0x12u);

    QCOMPARE(monitor->GetSerialId(), 1002u);
    tagDISPLAYDDCINFOEX ddc{};
    QVERIFY(monitor->GetDdcInfo(&ddc));
    QCOMPARE(QByteArray(ddc.cDisplayName), QByteArray("Simulated DisplayPort Monitor"));
    QVERIFY(!monitor->GetDdcInfo(nullptr));

    QCOMPARE(monitor->getDeviceId(), 0x53490001u);
    QCOMPARE(tv->getDeviceId(), 0xFFFFFFFFu);
    QCOMPARE(tv->deviceId(), 0xFFFFFFFFu);
}

void tst_VyrDisplayTestHarness::sidebandPath()
{
    BuiltMachine m;
    QVERIFY(m.ready());
    VyrDisplay *mst = m.display(3);
    DPMstTestSidebandAuxMsgParams params{};
    params.ulRequestLength = 2;
    params.ucRequest[0] = 0x20;
    DPMstTestSidebandAuxMsgResult result{};
    // Link count 2, then the relative address 1.2.
    QVERIFY(mst->ProcessAuxDownMessage(&params, &result, false));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(params.ucPath), 4),
             QByteArray::fromHex("02010200"));
    QCOMPARE(int(result.ucReply[0]), 0x10);
    QVERIFY(mst->ProcessAuxDownMessage(&params, &result, true));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(params.ucPath), 16),
             QByteArray::fromHex("01000000000000000000000000000000"));
    // Not an MST display: nothing is sent.
    m.machine.sim.clearCalls();
    QVERIFY(!m.display(1)->ProcessAuxDownMessage(&params, &result, false));
    QVERIFY(m.machine.sim.calls().isEmpty());
}

void tst_VyrDisplayTestHarness::i2cTransfers()
{
    BuiltMachine m;
    QVERIFY(m.ready());
    VyrDisplay *display = m.display(1);
    // The EDID EEPROM (I2C address 0xA0) on the display's line.
    char bytes[8] = {};
    NOXI2C i2c{sizeof(NOXI2C), 1, 0xA0, 0, 1, 0, sizeof(bytes), bytes};
    QVERIFY(display->I2cBlockAccess(&i2c));
    QCOMPARE(QByteArray(bytes, 8), QByteArray::fromHex("00ffffffffffff00"));

    // The escape form takes each record's size from its first word.
    quint32 input[4] = {sizeof(input), 1, 2, 3};
    quint32 output[6] = {sizeof(output)};
    m.machine.sim.clearCalls();
    display->I2cBlockAccess(input, output);
    const QVector<VyrSimCall> calls = m.machine.sim.callRecords();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().code, 0x11002Bu);
    QCOMPARE(calls.first().inputSize, 16 + 16);
    QCOMPARE(calls.first().outputSize, 24);
    QVERIFY(!display->I2cBlockAccess(nullptr, output));
    QVERIFY(!display->I2cBlockAccess(input, nullptr));
    QCOMPARE(m.machine.sim.callCount(), 1);
}

QTEST_GUILESS_MAIN(tst_VyrDisplayTestHarness)
#include "tst_vyrdisplaytestharness.moc"
