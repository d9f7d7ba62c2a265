#include "adapter.h"
#include "devicemodeltestsupport.h"
#include "display.h"
#include "drivercommunicator.h"
#include "vyrdevice.h"
#include "vyrdisplaymapconfig.h"

#include <QtTest>

#include <X11/Xlib.h>

using namespace DeviceModelTest;

namespace {

// A display that keeps every mode it hands to the driver, which sets it through the X
// server as the real display does.
class ModeRecordingDisplay : public VyrDisplay
{
public:
    using VyrDisplay::VyrDisplay;

    QList<DeviceModeInfo> modesSet;

protected:
    bool setDriverMode(DeviceModeInfo *mode) override
    {
        modesSet << *mode;
        return VyrDisplay::setDriverMode(mode);
    }
};

} // namespace

// Setting a display's mode through the X server (Xvfb lists 1280x1024 at rate 0 only).
// The fixture holds a connection of its own for the whole test: an X server resets when
// its last client leaves, and refuses the connections made while it does.
class tst_VyrDisplayX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void forceSetModeSetsAnotherDepthFirst_data();
    void forceSetModeSetsAnotherDepthFirst();
    void requestedModeAtTheDisplaysPosition();

private:
    Display *m_fixture = nullptr;
    std::unique_ptr<SimulatedMachine> m_machine;
    std::unique_ptr<DriverCommunicator> m_communicator;
    AdapterInfo m_record{};
    VyrDisplayMapConfig m_map;
    QList<VyrDisplay *> m_displays;
    std::unique_ptr<Adapter> m_adapter;
};

void tst_VyrDisplayX11::initTestCase()
{
    m_fixture = XOpenDisplay(nullptr);
    QVERIFY2(m_fixture != nullptr, "the test needs an X server (run it through ctest)");
    m_machine = std::make_unique<SimulatedMachine>();
    QVERIFY(m_machine->ready);
    m_communicator = std::make_unique<DriverCommunicator>(&m_machine->info,
                                                          QStringList{NoxTest::simulatedLibrary()});
    m_adapter = std::make_unique<Adapter>(&m_machine->info, m_communicator.get(), &m_record, &m_map,
                                          &m_displays, nullptr);
}

void tst_VyrDisplayX11::cleanupTestCase()
{
    if (m_fixture != nullptr)
        XCloseDisplay(m_fixture);
}

void tst_VyrDisplayX11::forceSetModeSetsAnotherDepthFirst_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("first");
    QTest::newRow("24") << 24 << 16;
    QTest::newRow("16") << 16 << 8;
    QTest::newRow("32") << 32 << 8;
    QTest::newRow("64") << 64 << 8;
    QTest::newRow("8") << 8 << 16;
}

void tst_VyrDisplayX11::forceSetModeSetsAnotherDepthFirst()
{
    QFETCH(int, depth);
    QFETCH(int, first);
    NOXDisplayInfo record{};
    ModeRecordingDisplay display(&m_machine->info, m_communicator.get(), &record);
    display.SetParent(m_adapter.get());
    display.currentMode().xRes = 1280;
    display.currentMode().yRes = 1024;
    display.currentMode().refreshRate = 0;
    display.currentMode().colourDepth = depth;

    QVERIFY(display.ForceSetMode());
    QCOMPARE(display.modesSet.size(), 2);
    QCOMPARE(display.modesSet.at(0).colourDepth, first);
    QCOMPARE(display.modesSet.at(1).colourDepth, depth);
    QCOMPARE(display.currentMode().colourDepth, depth);

    // A size the X server does not list: the first set fails and is the answer.
    display.currentMode().xRes = 1234;
    QVERIFY(!display.ForceSetMode());
    QCOMPARE(display.modesSet.size(), 4);
}

void tst_VyrDisplayX11::requestedModeAtTheDisplaysPosition()
{
    NOXDisplayInfo record{};
    ModeRecordingDisplay display(&m_machine->info, m_communicator.get(), &record);
    QVERIFY(!display.SetMode(0));
    display.SetParent(m_adapter.get());
    QVERIFY(!display.SetMode(0)); // the adapter has no modes yet

    // The demo machine's first adapter offers the modes of its displays, the TV's first.
    auto manager = m_machine->makeManager();
    Adapter &adapter = *manager->devices().first()->adapters().first();
    QVERIFY(!adapter.modes().isEmpty());
    display.SetParent(&adapter);
    display.currentMode().xPos = 1920;
    display.currentMode().yPos = 7;
    m_machine->logger.lines.clear();
    QVERIFY(!display.SetMode(0)); // 1920x1080 is not a size of the X screen
    QCOMPARE(display.modesSet.size(), 1);
    QCOMPARE(display.modesSet.first().xPos, 1920);
    QCOMPARE(display.modesSet.first().yPos, 7);
    QCOMPARE(display.modesSet.first().xRes, adapter.modes().first().xRes);
    QVERIFY(!m_machine->logger.lines
                 .filter(QStringLiteral("VyrDisplay::SetRequestedMode: FAILED TO SET MODE "))
                 .isEmpty());
    QVERIFY(!display.SetMode(static_cast<unsigned int>(adapter.modes().size())));
    QCOMPARE(display.modesSet.size(), 1);
}

QTEST_GUILESS_MAIN(tst_VyrDisplayX11)
#include "tst_vyrdisplayx11.moc"
