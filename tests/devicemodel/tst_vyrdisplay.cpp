#include "adapter.h"
#include "devicemodeltestsupport.h"
#include "display.h"
#include "drivercommunicator.h"
#include "vyrdevice.h"
#include "vyrdisplayinfo.h"

#include <QtTest>

using namespace DeviceModelTest;

namespace {

NOXDisplayInfo record(int index, int adapter, int value)
{
    NOXDisplayInfo r{};
    r.displayID = {index, index, adapter, 0};
    r.iDisplayControllerIndex = -1;
    std::strcpy(r.strDisplayName, "Simulated display");
    std::strcpy(r.strDisplayManufacturerName, "Simulated");
    r.iDisplayConnector = 10;
    r.iDisplayInfoMask = 3;
    r.iDisplayInfoValue = value;
    return r;
}

QByteArray edidBytes(const VyrDisplay *display)
{
    return display->edid() != nullptr ? QByteArray(reinterpret_cast<const char *>(display->edid()),
                                                   VyrDisplay::EdidBufferSize)
                                      : QByteArray();
}

using Desktops = QList<QList<int>>;

// A display map of an adapter: one map per desktop, its displays as the map's targets.
struct DisplayMap
{
    DisplayMap(int adapter, const Desktops &desktops)
    {
        for (int k = 0; k < desktops.size(); ++k) {
            NOXDisplayMap map{};
            map.iDisplayMapIndex = k;
            map.iFirstDisplayTargetArrayIndex = targets.size();
            map.iNumDisplayTarget = desktops.at(k).size();
            maps.append(map);
            for (int display : desktops.at(k)) {
                NOXDisplayTarget target{};
                target.displayID.iDisplayLogicalIndex = display;
                target.displayID.iDisplayLogicalAdapterIndex = adapter;
                target.iDisplayMapIndex = k;
                targets.append(target);
            }
        }
    }
    bool set(DriverCommunicator *communicator, int adapter)
    {
        return communicator->DisplaySetMapConfig(adapter, maps.size(), maps.data(), targets.size(),
                                                 targets.data());
    }

    QVector<NOXDisplayMap> maps;
    QVector<NOXDisplayTarget> targets;
};

// The desktops of an adapter as the driver reports them: the displays of each map.
Desktops driverDesktops(DriverCommunicator *communicator, int adapter)
{
    int mapCount = 0;
    int targetCount = 0;
    NOXDisplayMap *maps = nullptr;
    NOXDisplayTarget *targets = nullptr;
    if (!communicator->DisplayGetMapConfig(adapter, &mapCount, &maps, &targetCount, &targets, 1))
        return {{-1}};
    Desktops desktops;
    for (int k = 0; k < mapCount; ++k) {
        QList<int> displays;
        for (int i = 0; i < maps[k].iNumDisplayTarget; ++i) {
            const int at = maps[k].iFirstDisplayTargetArrayIndex + i;
            displays << (at < targetCount ? targets[at].displayID.iDisplayLogicalIndex : -1);
        }
        desktops << displays;
    }
    communicator->NoxMemmoryFree(maps);
    communicator->NoxMemmoryFree(targets);
    return desktops;
}

// The enabled displays of every device, in the model's order.
QList<int> enabledDisplays(const VyrDeviceManager &manager)
{
    QList<int> list;
    for (const VyrDevice *device : manager.devices())
        list << indexes(device->GetEnabledDisplaysList());
    return list;
}

} // namespace

// One display: what it reads from the driver when its adapter updates it, what it asks
// without an adapter (nothing), its EDID buffer and text forms, its enable state and
// its modes.
class tst_VyrDisplay : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void displayWithoutParentAsksNothing();
    void displayNotConnectedKeepsItsEdid();
    void modesAreTheDriversDistinctModes();
    void disabledDisplayKeepsItsModes();
    void overrideIsReadBack();
    void edidText();
    void edidTextWithoutBuffer();
    void informationText();
    void signalTypeNames_data();
    void signalTypeNames();
    void disable_data();
    void disable();
    void disableOffTheDriversMapChangesNothing();
    void enable_data();
    void enable();
    void driverRefusesMalformedMap_data();
    void driverRefusesMalformedMap();
    void comparesStateAndEdid();

private:
    std::unique_ptr<SimulatedMachine> m_machine;
};

void tst_VyrDisplay::init()
{
    m_machine = std::make_unique<SimulatedMachine>();
    QVERIFY(m_machine->ready);
}

void tst_VyrDisplay::displayWithoutParentAsksNothing()
{
    DriverCommunicator communicator(&m_machine->info, {NoxTest::simulatedLibrary()});
    NOXDisplayInfo r = record(0, 0, 3);
    VyrDisplay display(&m_machine->info, &communicator, &r);
    m_machine->sim.clearCalls();

    QVERIFY(!display.updateData(true));
    QVERIFY(!display.UpdateEdid());
    QVERIFY(display.UpdateModes());
    unsigned char bytes[128] = {};
    QVERIFY(!display.OverrideEdid(bytes, sizeof(bytes)));
    DeviceModeInfo mode;
    QVERIFY(!display.SetRequestedMode(&mode));
    QVERIFY(!display.SetMode(0));
    QVERIFY(!display.ForceSetMode());
    QVERIFY(!display.Enable());
    QVERIFY(!display.Disable());
    tagUNDERSCANINFO underscan{};
    QVERIFY(!display.GetUnderscanInfo(underscan));
    bool enabled = true;
    QVERIFY(display.IsEnabled(enabled));
    QVERIFY(!enabled);
    QVERIFY(!display.IsEnabled());
    QVERIFY(display.Update(true, true));

    QCOMPARE(m_machine->sim.calls(), QStringList());
    QVERIFY(display.edid() == nullptr);
    QCOMPARE(display.signalTypeName(), QStringLiteral("Unknown"));
}

void tst_VyrDisplay::displayNotConnectedKeepsItsEdid()
{
    auto manager = m_machine->makeManager();
    VyrDisplay *tv = findDisplay(*manager, 0);
    QVERIFY(tv != nullptr && tv->edid() != nullptr);
    const unsigned char *buffer = tv->edid();
    const QByteArray before = edidBytes(tv);
    QVERIFY(tv->Update(true, false));
    QVERIFY(!tv->UpdateEdid());
    QVERIFY(tv->edid() == buffer);
    QCOMPARE(edidBytes(tv), before);

    // A display that was never updated as connected has no buffer.
    NOXDisplayInfo r = record(5, 0, 1);
    VyrDisplay dvi(&m_machine->info, manager->communicator(), &r);
    dvi.SetParent(tv->parentAdapter());
    QVERIFY(dvi.Update(false, false));
    QVERIFY(dvi.edid() == nullptr);
}

void tst_VyrDisplay::modesAreTheDriversDistinctModes()
{
    auto manager = m_machine->makeManager();
    VyrDisplay *tv = findDisplay(*manager, 0);
    VyrDevice *device = manager->devices().first();
    QVERIFY(tv != nullptr);
    // The driver lists the modes of every display of the adapter, many of them twice.
    int count = 0;
    NOXMode *listed = nullptr;
    QVERIFY(manager->communicator()->DisplayGetModes(0, 0, &count, &listed));
    std::set<VyrDisplayMode> distinct;
    for (int i = 0; i < count; ++i)
        distinct.insert(VyrDisplayMode::fromNoxMode(listed[i]));
    manager->communicator()->NoxMemmoryFree(listed);
    QVERIFY(distinct.size() < size_t(count));
    QVERIFY(tv->modes() == distinct);

    QVERIFY(device->Refresh(false));
    QVERIFY(device->Refresh(false));
    QVERIFY(tv->modes() == distinct);

    // The current mode is the one the driver shows.
    QCOMPARE(tv->currentMode().xRes, 1920);
    NOXMode wanted{};
    wanted.iXRes = 1280;
    wanted.iYRes = 720;
    wanted.fRefreshRate = 60.0f;
    QVERIFY(manager->communicator()->DisplaySetModes(0, 0, 1, &wanted));
    QVERIFY(device->Refresh(false));
    QCOMPARE(tv->currentMode().xRes, 1280);
    QCOMPARE(tv->currentMode().yRes, 720);
    QCOMPARE(tv->currentMode().refreshRate, 60);
}

void tst_VyrDisplay::disabledDisplayKeepsItsModes()
{
    auto manager = m_machine->makeManager();
    VyrDisplay *tv = findDisplay(*manager, 0);
    QVERIFY(tv != nullptr);
    tv->Update(false, true);
    const std::set<VyrDisplayMode> modes = tv->modes();
    const DeviceModeInfo current = tv->currentMode();
    m_machine->sim.clearCalls();
    QVERIFY(tv->UpdateModes());
    QVERIFY(!m_machine->sim.calls().contains(QStringLiteral("NOX_Display_Modes_Get")));
    QVERIFY(tv->modes() == modes);
    QVERIFY(tv->currentMode() == current);
}

void tst_VyrDisplay::overrideIsReadBack()
{
    auto manager = m_machine->makeManager();
    VyrDisplay *tv = findDisplay(*manager, 0);
    QVERIFY(tv != nullptr);
    QByteArray image(128, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i);
    QVERIFY(tv->OverrideEdid(reinterpret_cast<unsigned char *>(image.data()), image.size()));
    QVERIFY(tv->UpdateEdid());
    QCOMPARE(edidBytes(tv), image + QByteArray(512 - 128, '\0'));

    QVERIFY(!tv->OverrideEdid(nullptr, 128));
    QVERIFY(!tv->OverrideEdid(reinterpret_cast<unsigned char *>(image.data()), 0));
}

void tst_VyrDisplay::edidText()
{
    auto manager = m_machine->makeManager();
    VyrDisplay *tv = findDisplay(*manager, 0);
    QVERIFY(tv != nullptr);
    const QByteArray read = edidBytes(tv);

    const QString text = tv->edidToCdata();
    QCOMPARE(text.size(), 512 * 3);
    QVERIFY(text.startsWith(QStringLiteral("00 FF FF FF FF FF FF 00 ")));
    QCOMPARE(QByteArray::fromHex(text.toLatin1()), read);

    // Any run of non-word characters separates the numbers; past 512 nothing is written.
    QStringList numbers;
    for (int i = 0; i < 600; ++i)
        numbers << QString::number(i % 256, 16);
    tv->cdataToEdid(QStringLiteral(" ,") + numbers.join(QStringLiteral(", \n")));
    QByteArray expected(512, '\0');
    for (int i = 0; i < 512; ++i)
        expected[i] = static_cast<char>(i % 256);
    QCOMPARE(edidBytes(tv), expected);

    tv->cdataToEdid(text);
    QCOMPARE(edidBytes(tv), read);
}

void tst_VyrDisplay::edidTextWithoutBuffer()
{
    NOXDisplayInfo r = record(0, 0, 3);
    VyrDisplay display(nullptr, nullptr, &r);
    display.cdataToEdid(QStringLiteral("00 FF FF"));
    QVERIFY(display.edid() == nullptr);
    QCOMPARE(display.edidToCdata(), QString());
}

void tst_VyrDisplay::informationText()
{
    NOXDisplayInfo r = record(7, 2, 3);
    r.displayID.iDisplayPhysicalIndex = 8;
    r.displayID.iDisplayPhysicalAdapterIndex = 1;
    r.iDisplayControllerIndex = -1;
    r.iDisplayInfoMask = -2;
    r.iDisplayType = 4;
    r.iDisplayOutputType = 5;
    // A name that fills its whole field without a terminating zero ends at the field.
    std::memset(r.strDisplayManufacturerName, 'M', sizeof(r.strDisplayManufacturerName));
    const VyrDisplayInfo info(r);
    QCOMPARE(info.DisplayManufacturerName, QString(256, QLatin1Char('M')));
    QCOMPARE(info.toString(), QStringLiteral("NOXDisplayInfo\n"
                                             "\t displayID.iDisplayLogicalAdapterIndex = 2\n"
                                             "\t displayID.iDisplayLogicalIndex = 7\n"
                                             "\t displayID.iDisplayPhysicalAdapterIndex = 1\n"
                                             "\t displayID.iDisplayPhysicalIndex = 8\n"
                                             "\t iDisplayConnector = 10\n"
                                             "\t iDisplayControllerIndex = -1\n"
                                             "\t iDisplayInfoMask = 0xFFFFFFFE\n"
                                             "\t iDisplayInfoValue = 0x3\n"
                                             "\t iDisplayOutputType = 5\n"
                                             "\t iDisplayType = 4\n"
                                             "\t DisplayManufacturerName = ")
                                  + QString(256, QLatin1Char('M'))
                                  + QStringLiteral("\n\t DisplayName = Simulated display"));

    VyrDisplayInfo other = info;
    other.displayID.iDisplayLogicalIndex = 1;
    other.iDisplayInfoValue = 0;
    QVERIFY(info.Compare(other));
    other.iDisplayConnector = 11;
    QVERIFY(!info.Compare(other));
    QCOMPARE(VyrDisplayInfo(static_cast<const NOXDisplayInfo *>(nullptr)).DisplayName, QString());
}

void tst_VyrDisplay::signalTypeNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    const char *const names[] = {
        "Unknown",      "CRT",           "DVI_D",     "DVI_I",       "CV_Smart_NA", "CV_Smart_JP",
        "CV_Smart_JPN", "CV_Smart_NTSC", "LVDS",      "Unknown",     "HdmiA",       "HdmiB",
        "SVideo",       "Composite",     "Component", "DisplayPort", "EDP",         "Unknown"};
    for (int type = 0; type <= 17; ++type)
        QTest::addRow("%d", type) << type << QString::fromLatin1(names[type]);
    QTest::newRow("-1") << -1 << QStringLiteral("Unknown");
}

void tst_VyrDisplay::signalTypeNames()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QCOMPARE(VyrDisplay::sinkTypeToString(static_cast<DisplaySinkType>(type)), name);
}

void tst_VyrDisplay::disable_data()
{
    QTest::addColumn<Desktops>("before"); // adapter 0's desktops; empty: the demo's own
    QTest::addColumn<int>("display");
    QTest::addColumn<QString>("refused"); // entry point that fails its next call
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("adapterSwitched");
    QTest::addColumn<Desktops>("after"); // the display's adapter, as the driver reports it
    QTest::addColumn<QList<int>>("enabled");

    // The demo: adapter 0 drives 0 and 1 (5 is connected, unused), adapter 1 the MST
    // displays 2 and 3, adapter 2 (the other device) the panel 4.
    const Desktops demo;
    const Desktops clone{{0, 5}, {1}};
    QTest::newRow("second desktop of two")
        << demo << 1 << QString() << true << false << Desktops{{0}} << QList<int>{0, 2, 3, 4};
    QTest::newRow("first desktop of two: the map after it moves up")
        << demo << 0 << QString() << true << false << Desktops{{1}} << QList<int>{1, 2, 3, 4};
    QTest::newRow("one MST display of two")
        << demo << 2 << QString() << true << false << Desktops{{3}} << QList<int>{0, 1, 3, 4};
    QTest::newRow("one display of a clone") << clone << 5 << QString() << true << false
                                            << Desktops{{0}, {1}} << QList<int>{0, 1, 2, 3, 4};
    // The driver lists the desktops in the order of their displays.
    QTest::newRow("first display of a clone") << clone << 0 << QString() << true << false
                                              << Desktops{{1}, {5}} << QList<int>{1, 5, 2, 3, 4};
    QTest::newRow("the adapter's last display turns it off")
        << demo << 4 << QString() << true << true << Desktops{} << QList<int>{0, 1, 2, 3};
    QTest::newRow("adapter refuses: the display leaves the map")
        << demo << 4 << QStringLiteral("NOX_Adapter_Active_Set") << true << true << Desktops{}
        << QList<int>{0, 1, 2, 3};
    QTest::newRow("map write refused")
        << demo << 1 << QStringLiteral("NOX_Display_DisplayMapConfig_Set") << false << false
        << Desktops{{0}, {1}} << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("map read refused")
        << demo << 1 << QStringLiteral("NOX_Display_DisplayMapConfig_Get") << false << false
        << Desktops{{0}, {1}} << QList<int>{0, 1, 2, 3, 4};
}

void tst_VyrDisplay::disable()
{
    QFETCH(Desktops, before);
    QFETCH(int, display);
    QFETCH(QString, refused);
    QFETCH(bool, result);
    QFETCH(bool, adapterSwitched);
    QFETCH(Desktops, after);
    QFETCH(QList<int>, enabled);

    auto manager = m_machine->makeManager();
    if (!before.isEmpty()) {
        QVERIFY(DisplayMap(0, before).set(manager->communicator(), 0));
        manager->Refresh();
    }
    VyrDisplay *target = findDisplay(*manager, display);
    QVERIFY(target != nullptr && target->enabled());
    const int adapter = target->parentAdapter()->adapterIndex();
    if (!refused.isEmpty())
        m_machine->sim.fail(refused.toLatin1().constData(), 1, NOX_ERR);
    m_machine->sim.clearCalls();

    QCOMPARE(target->Disable(), result);
    QCOMPARE(m_machine->sim.calls().contains(QStringLiteral("NOX_Adapter_Active_Set")),
             adapterSwitched);
    QCOMPARE(driverDesktops(manager->communicator(), adapter), after);
    manager->Refresh();
    QCOMPARE(enabledDisplays(*manager), enabled);
}

void tst_VyrDisplay::disableOffTheDriversMapChangesNothing()
{
    auto manager = m_machine->makeManager();
    // The driver's map of adapter 0 becomes empty behind the model's back.
    QVERIFY(manager->communicator()->DisplaySetMapConfig(0, 0, nullptr, 0, nullptr));
    m_machine->sim.clearCalls();
    QVERIFY(!findDisplay(*manager, 1)->Disable());
    const QStringList calls = m_machine->sim.calls();
    QVERIFY(calls.contains(QStringLiteral("NOX_Display_DisplayMapConfig_Get")));
    QVERIFY(!calls.contains(QStringLiteral("NOX_Display_DisplayMapConfig_Set")));
}

void tst_VyrDisplay::enable_data()
{
    QTest::addColumn<int>("display");
    QTest::addColumn<bool>("refused"); // the adapter refuses to turn on
    QTest::addColumn<bool>("result");
    QTest::addColumn<QList<int>>("enabled");

    QTest::newRow("adapter off: turned on") << 4 << false << true << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("activation refused") << 4 << true << false << QList<int>{0, 1, 2, 3};
    QTest::newRow("adapter on already") << 0 << false << false << QList<int>{0, 1, 2, 3};
}

void tst_VyrDisplay::enable()
{
    QFETCH(int, display);
    QFETCH(bool, refused);
    QFETCH(bool, result);
    QFETCH(QList<int>, enabled);

    auto manager = m_machine->makeManager();
    // The panel's adapter is off.
    int done = 0;
    QVERIFY(manager->communicator()->AdapterSetActive(2, 0, &done));
    manager->Refresh();
    VyrDisplay *target = findDisplay(*manager, display);
    QVERIFY(target != nullptr && target->parentAdapter() != nullptr);
    if (refused)
        m_machine->sim.fail("NOX_Adapter_Active_Set", 1, NOX_ERR);

    QCOMPARE(target->Enable(), result);
    manager->Refresh();
    QCOMPARE(enabledDisplays(*manager), enabled);
}

void tst_VyrDisplay::driverRefusesMalformedMap_data()
{
    QTest::addColumn<int>("map");
    QTest::addColumn<int>("countChange");
    QTest::addColumn<int>("firstChange");
    QTest::addColumn<int>("strayTarget"); // names map 1 instead of its own; -1: none
    QTest::addColumn<bool>("accepted");

    QTest::newRow("well formed") << 0 << 0 << 0 << -1 << true;
    QTest::newRow("a map counts a target too few") << 0 << -1 << 0 << -1 << false;
    QTest::newRow("a map counts a target too many") << 1 << 1 << 0 << -1 << false;
    QTest::newRow("a later map starts too late") << 1 << 0 << 1 << -1 << false;
    QTest::newRow("a later map starts too early") << 1 << 0 << -1 << -1 << false;
    QTest::newRow("a target names another map") << 0 << 0 << 0 << 0 << false;
}

void tst_VyrDisplay::driverRefusesMalformedMap()
{
    QFETCH(int, map);
    QFETCH(int, countChange);
    QFETCH(int, firstChange);
    QFETCH(int, strayTarget);
    QFETCH(bool, accepted);

    auto manager = m_machine->makeManager();
    DisplayMap clone(0, {{0, 5}, {1}});
    clone.maps[map].iNumDisplayTarget += countChange;
    clone.maps[map].iFirstDisplayTargetArrayIndex += firstChange;
    if (strayTarget >= 0)
        clone.targets[strayTarget].iDisplayMapIndex = 1;
    QCOMPARE(clone.set(manager->communicator(), 0), accepted);
    // A refused map changes nothing.
    const Desktops expected = accepted ? Desktops{{0, 5}, {1}} : Desktops{{0}, {1}};
    QCOMPARE(driverDesktops(manager->communicator(), 0), expected);
}

void tst_VyrDisplay::comparesStateAndEdid()
{
    auto first = m_machine->makeManager();
    auto second = m_machine->makeManager();
    VyrDisplay *a = findDisplay(*first, 1);
    VyrDisplay *b = findDisplay(*second, 1);
    QVERIFY(a != nullptr && b != nullptr);
    QVERIFY(a->Compare(b));
    QVERIFY(a->CompareEDID(b));
    QVERIFY(!a->Compare(findDisplay(*second, 0)));
    QVERIFY(!a->Compare(nullptr));

    unsigned char image[128] = {0x00, 0xFF};
    QVERIFY(b->OverrideEdid(image, sizeof(image)));
    QVERIFY(b->UpdateEdid());
    QVERIFY(!a->CompareEDID(b));
    QVERIFY(!a->Compare(b));
}

QTEST_GUILESS_MAIN(tst_VyrDisplay)
#include "tst_vyrdisplay.moc"
