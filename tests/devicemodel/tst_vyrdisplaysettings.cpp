#include "devicemodeltestsupport.h"
#include "display.h"
#include "drivercommunicator.h"
#include "vyrdevice.h"

#include <QtTest>

#include <functional>

using namespace DeviceModelTest;

namespace {

// Sets a value, then reads it back: both must succeed.
using SetGet = std::function<bool(VyrDisplay *, int &read)>;

NOXCustomMode customMode(int flags, int width, int height, int refresh)
{
    return NOXCustomMode{flags, width, height, width, height, refresh};
}

} // namespace

Q_DECLARE_METATYPE(SetGet)

// A display's settings as the driver keeps them: a value set is the value read next,
// scaling as two driver switches, custom modes, and the device's forwarders by display
// index.
class tst_VyrDisplaySettings : public QObject
{
    Q_OBJECT

private slots:
    void setIsReadBack_data();
    void setIsReadBack();
    void withoutAdapterOrDriverNothingIsAsked();
    void scalingOption_data();
    void scalingOption();
    void deleteCustomModeByValue();
    void deviceForwarders();
};

void tst_VyrDisplaySettings::setIsReadBack_data()
{
    QTest::addColumn<SetGet>("setGet");
    QTest::addColumn<int>("expected");
    QTest::newRow("adjustment") << SetGet([](VyrDisplay *d, int &read) {
        return d->SetAdjustmentData(7, 31) && d->GetAdjustmentData(7, &read);
    }) << 31;
    QTest::newRow("position y") << SetGet([](VyrDisplay *d, int &read) {
        int v[10] = {};
        const bool done =
            d->SetPosition(-4, 9)
            && d->GetPosition(&v[0], &read, &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8]);
        return done && v[0] == -4;
    }) << 9;
    QTest::newRow("size height") << SetGet([](VyrDisplay *d, int &read) {
        int v[10] = {};
        const bool done =
            d->SetSize(90, 110)
            && d->GetSize(&v[0], &read, &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8]);
        return done && v[0] == 90;
    }) << 110;
    QTest::newRow("underscan") << SetGet([](VyrDisplay *d, int &read) {
        int v[4] = {};
        return d->SetUnderscan(6) && d->GetUnderscan(&read, &v[0], &v[1], &v[2], &v[3]);
    }) << 6;
    QTest::newRow("overscan") << SetGet([](VyrDisplay *d, int &read) {
        int v[4] = {};
        return d->SetOverscan(3) && d->GetOverscan(&read, &v[0], &v[1], &v[2], &v[3]);
    }) << 3;
    QTest::newRow("dither state") << SetGet([](VyrDisplay *d, int &read) {
        return d->SetDitherState(2) && d->GetDitherState(&read);
    }) << 2;
    QTest::newRow("pixel format") << SetGet([](VyrDisplay *d, int &read) {
        return d->SetPixelFormat(4) && d->GetPixelFormat(&read);
    }) << 4;
    QTest::newRow("colour") << SetGet([](VyrDisplay *d, int &read) {
        int v[5] = {};
        return d->SetColor(DisplayColorContrast, 80)
               && d->GetColor(DisplayColorContrast, &read, &v[0], &v[1], &v[2], &v[3]);
    }) << 80;
    QTest::newRow("colour temperature source") << SetGet([](VyrDisplay *d, int &read) {
        DisplayColorTemperatureSource source = DisplayColorTemperatureSourceUnknown;
        const bool done = d->SetColorTemperatureSource(DisplayColorTemperatureSourceUser)
                          && d->GetColorTemperatureSource(source);
        read = source;
        return done;
    }) << int(DisplayColorTemperatureSourceUser);
    QTest::newRow("GPU scaling") << SetGet([](VyrDisplay *d, int &read) {
        bool enabled = false;
        const bool done = d->SetGPUScaling(true) && d->GetGPUScaling(enabled);
        read = enabled;
        return done;
    }) << 1;
    QTest::newRow("pixel encoding") << SetGet([](VyrDisplay *d, int &read) {
        const PellSetPixelEncodingInput in{2};
        PellGetPixelEncodingOutput out{};
        const bool done = d->SetDisplayPixelEncoding(&in) && d->GetPixelFormat(&out);
        read = static_cast<int>(out.ulEncoding);
        return done;
    }) << 2;
    QTest::newRow("formats override") << SetGet([](VyrDisplay *d, int &read) {
        int v[2] = {};
        return d->SetFormatsOverride(5) && d->GetFormatsOverride(&v[0], &v[1], &read);
    }) << 5;
}

void tst_VyrDisplaySettings::setIsReadBack()
{
    QFETCH(SetGet, setGet);
    QFETCH(int, expected);
    BuiltMachine demo;
    QVERIFY(demo.ready());
    int read = -1;
    QVERIFY(setGet(demo.display(1), read));
    QCOMPARE(read, expected);
}

void tst_VyrDisplaySettings::withoutAdapterOrDriverNothingIsAsked()
{
    BuiltMachine demo;
    QVERIFY(demo.ready());
    DriverCommunicator communicator(&demo.machine.info, {NoxTest::simulatedLibrary()});
    NOXDisplayInfo record{};
    record.displayID = {1, 1, 0, 0};
    record.iDisplayInfoValue = 3;
    VyrDisplay display(&demo.machine.info, &communicator, &record);
    demo.machine.sim.clearCalls();
    int value = 0;
    bool flag = false;
    DisplayScalingOption option = DisplayScalingNone;
    tagDI_DISPLAYTILE_CONFIG tile{};
    QVERIFY(!display.SetAdjustmentData(1, 2));
    QVERIFY(!display.GetColorCaps(&value));
    QVERIFY(!display.GetGPUScaling(flag));
    QVERIFY(!display.SetScalingOption(DisplayScalingFullScreen));
    QVERIFY(!display.GetScalingOption(option));
    QVERIFY(!display.GetNumberOfDisplays(&value));
    QVERIFY(!display.DisplayGetTileConfig(&tile));
    QVERIFY(!display.MccsVcpSet(0, MccsVcpLuminance, 1));
    QVERIFY(display.UpdateDrr()); // nothing to read without an adapter
    QVERIFY(demo.machine.sim.calls().isEmpty());

    // Attached to an adapter but without a driver: false, nothing asked.
    VyrDisplay driverless(&demo.machine.info, nullptr, &record);
    driverless.SetParent(demo.display(1)->parentAdapter());
    QVERIFY(!driverless.SetAdjustmentData(1, 2));
    QVERIFY(!driverless.GetGPUScaling(flag));
    QVERIFY(!driverless.GetScalingOption(option));
    QVERIFY(!driverless.MccsVcpGet(0, MccsVcpLuminance, nullptr, nullptr));
    QVERIFY(!driverless.GetAudioTestParams(nullptr));
    QCOMPARE(driverless.mccsCapGet(0, reinterpret_cast<char *>(&value), sizeof(value)), 0ul);
    QVERIFY(demo.machine.sim.calls().isEmpty());

    // Refused without asking the driver, parent or not.
    VyrDisplay *attached = demo.display(1);
    QVERIFY(!attached->SetDitherState(24));
    QVERIFY(!attached->DisplayGetTileConfig(nullptr));
    QVERIFY(!attached->GetDithering(nullptr));
    QVERIFY(demo.machine.sim.calls().isEmpty());
    QVERIFY(attached->DisplayGetTileConfig(&tile));
    QCOMPARE(tile.ulTileWidth, 2560u);
}

void tst_VyrDisplaySettings::scalingOption_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("failAspect");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("readBack"); // -1: unchanged from full-screen expansion
    const QString aspect = QStringLiteral("NOX_Display_PreservedAspectRatio_Set");
    const QString expansion = QStringLiteral("NOX_Display_ImageExpansion_Set");
    QTest::newRow("none") << 0 << false << true << QStringList{aspect, expansion} << 0;
    QTest::newRow("full screen") << 1 << false << true << QStringList{expansion} << 1;
    QTest::newRow("preserved aspect") << 2 << false << true << QStringList{aspect} << 2;
    QTest::newRow("3") << 3 << false << false << QStringList{} << -1;
    QTest::newRow("-1") << -1 << false << false << QStringList{} << -1;
    QTest::newRow("none, aspect call fails") << 0 << true << false << QStringList{aspect} << -1;
}

void tst_VyrDisplaySettings::scalingOption()
{
    QFETCH(int, option);
    QFETCH(bool, failAspect);
    QFETCH(bool, result);
    QFETCH(QStringList, calls);
    QFETCH(int, readBack);
    BuiltMachine demo;
    QVERIFY(demo.ready());
    VyrDisplay *display = demo.display(1);
    QVERIFY(display->SetScalingOption(DisplayScalingFullScreen));
    demo.machine.sim.clearCalls();
    if (failAspect)
        demo.machine.sim.fail("NOX_Display_PreservedAspectRatio_Set", 1, NOX_ERR);
    QCOMPARE(display->SetScalingOption(option), result);
    QCOMPARE(demo.machine.sim.calls(), calls);
    DisplayScalingOption read = DisplayScalingNone;
    QVERIFY(display->GetScalingOption(read));
    QCOMPARE(int(read), readBack == -1 ? int(DisplayScalingFullScreen) : readBack);
}

void tst_VyrDisplaySettings::deleteCustomModeByValue()
{
    BuiltMachine demo;
    QVERIFY(demo.ready());
    VyrDisplay *display = demo.display(1);
    // Nothing listed: nothing to delete.
    QVERIFY(!display->DeleteCustomizedMode(customMode(0, 1600, 900, 60)));
    QVERIFY(display->AddCustomizedMode(customMode(1, 1600, 900, 60)));
    QVERIFY(display->AddCustomizedMode(customMode(1, 1600, 900, 75)));
    // Only the flags differ: the listed mode goes.
    QVERIFY(display->DeleteCustomizedMode(customMode(2, 1600, 900, 75)));
    int count = 0;
    QVERIFY(display->GetCustomizedModeListNum(&count));
    QCOMPARE(count, 1);
    NOXCustomMode left{};
    QVERIFY(display->GetCustomizedModeList(&left, sizeof(left)));
    QCOMPARE(left.iRefreshRate, 60);
    // A mode that is not listed.
    QVERIFY(!display->DeleteCustomizedMode(customMode(1, 1600, 900, 50)));
    QVERIFY(customMode(0, 1, 2, 3) == customMode(9, 1, 2, 3));
    QVERIFY(customMode(0, 1, 2, 3) != customMode(0, 1, 2, 4));
}

void tst_VyrDisplaySettings::deviceForwarders()
{
    BuiltMachine demo;
    QVERIFY(demo.ready());
    VyrDevice *device = demo.manager->devices().first();
    QVERIFY(device->SetColorParameter(1, DisplayColorBrightness, 70));
    QCOMPARE(device->GetColorParameter(1, DisplayColorBrightness), 70);
    QCOMPARE(device->GetDefaultColorParameter(1, DisplayColorBrightness), 50);
    QCOMPARE(device->GetMinColorParameter(1, DisplayColorBrightness), 0);
    QCOMPARE(device->GetMaxColorParameter(1, DisplayColorBrightness), 100);
    QVERIFY(device->SetScalingOption(1, DisplayScalingPreservedAspect));
    QCOMPARE(device->GetScalingOption(1), int(DisplayScalingPreservedAspect));
    QVERIFY(device->SetGPUScaling(1, true));
    QVERIFY(device->GetGPUScaling(1));
    QVERIFY(device->SetColorTemperatureSource(1, DisplayColorTemperatureSourceDefault));
    QCOMPARE(device->GetColorTemperatureSource(1), DisplayColorTemperatureSourceDefault);

    // The display with index 4 belongs to the other device: defaults here.
    QVERIFY(!device->SetColorParameter(4, DisplayColorBrightness, 70));
    QCOMPARE(device->GetMaxColorParameter(4, DisplayColorBrightness), 0);
    QCOMPARE(device->GetColorTemperatureSource(4), DisplayColorTemperatureSourceUnknown);
    QVERIFY(!device->GetGPUScaling(4));
    QCOMPARE(device->GetScalingOption(4), int(DisplayScalingNone));
    // A failing read gives the default as well.
    demo.machine.sim.fail("NOX_Display_Color_Get", 1, NOX_ERR);
    QCOMPARE(device->GetMaxColorParameter(1, DisplayColorBrightness), 0);
    demo.machine.sim.fail("NOX_Display_ColorTemperatureSource_Get", 1, NOX_ERR);
    QCOMPARE(device->GetColorTemperatureSource(1), DisplayColorTemperatureSourceUnknown);
}

QTEST_GUILESS_MAIN(tst_VyrDisplaySettings)
#include "tst_vyrdisplaysettings.moc"
