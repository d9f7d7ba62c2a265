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
    void disableEnableFollowTheDriver();
    void disableTakesDisplayOffItsDesktop();
    void disableWithoutMapsChangesNothing();
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

void tst_VyrDisplay::disableEnableFollowTheDriver()
{
    auto manager = m_machine->makeManager();
    VyrDisplay *tv = findDisplay(*manager, 0);
    QVERIFY(tv != nullptr && tv->IsEnabled());
    QVERIFY(tv->property("enabled").toBool());
    // The adapter has an enabled display: it is turned off as a whole.
    QVERIFY(tv->Disable());
    QVERIFY(!tv->IsEnabled());
    QVERIFY(!findDisplay(*manager, 1)->IsEnabled());

    manager->Refresh();
    tv = findDisplay(*manager, 0);
    QVERIFY(!tv->enabled() && tv->connected());
    QVERIFY(!tv->parentAdapter()->hasEnabledDisplay());
    QVERIFY(tv->Enable());
    QVERIFY(tv->IsEnabled());
    manager->Refresh();
    QVERIFY(findDisplay(*manager, 0)->enabled());
    QVERIFY(!findDisplay(*manager, 0)->Enable());
}

void tst_VyrDisplay::disableTakesDisplayOffItsDesktop()
{
    auto manager = m_machine->makeManager();
    // With the adapter switch refused, the display leaves the display map.
    m_machine->sim.fail("NOX_Adapter_Active_Set", 0, NOX_ERR);
    QVERIFY(findDisplay(*manager, 0)->Disable());
    QVERIFY(!findDisplay(*manager, 0)->IsEnabled());
    QVERIFY(findDisplay(*manager, 1)->IsEnabled());
    manager->Refresh();
    QCOMPARE(manager->devices().first()->GetEnabledDisplaysList().size(), 3);
}

void tst_VyrDisplay::disableWithoutMapsChangesNothing()
{
    auto manager = m_machine->makeManager();
    m_machine->sim.fail("NOX_Adapter_Active_Set", 0, NOX_ERR);
    // The driver's map of adapter 0 becomes empty behind the model's back.
    QVERIFY(manager->communicator()->DisplaySetMapConfig(0, 0, nullptr, 0, nullptr));
    m_machine->sim.clearCalls();
    QVERIFY(findDisplay(*manager, 1)->Disable());
    const QStringList calls = m_machine->sim.calls();
    QVERIFY(calls.contains(QStringLiteral("NOX_Display_DisplayMapConfig_Get")));
    QVERIFY(!calls.contains(QStringLiteral("NOX_Display_DisplayMapConfig_Set")));

    // A failing map read is the answer.
    m_machine->sim.fail("NOX_Display_DisplayMapConfig_Get", 1, NOX_ERR);
    QVERIFY(!findDisplay(*manager, 1)->Disable());
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
