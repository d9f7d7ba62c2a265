#include "communicatortestsupport.h"
#include "drivercommunicator.h"

#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <cstring>

struct ScreenState
{
    int width = 0;
    int height = 0;
    int rate = 0;
};

// Store writes and X screen mode setting against a real X server with RandR (Xvfb).
// Xvfb lists only the size it was started with (1280x1024, rate 0); the fixture adds a
// 1024x768 mode at 60 Hz to the screen's output over its own connection, which keeps
// the mode alive until the test ends.
class tst_DriverCommunicatorX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void serverListsFixtureSizes();
    void setsListedSize_data();
    void setsListedSize();
    void refusesUnlistedSizeOrRate_data();
    void refusesUnlistedSizeOrRate();
    void nullModeIsRefused();

    void writesReadsAndDeletesKeys();
    void writeFailsWhenStoreDoesNotOpen();

private:
    ScreenState currentState() const;
    QList<ScreenState> listedSizes() const;
    static DeviceModeInfo mode(int width, int height, int rate);

    Display *m_fixture = nullptr;
    RROutput m_output = 0;
    RRMode m_addedMode = 0;
    CapturingLogger m_logger;
    AppLoggerInfo m_loggerInfo{&m_logger, 2u, 0};
    QTemporaryDir m_dir;
};

void tst_DriverCommunicatorX11::initTestCase()
{
    m_fixture = XOpenDisplay(nullptr);
    QVERIFY2(m_fixture != nullptr, "the test needs an X server (run it through ctest)");
    int eventBase = 0;
    int errorBase = 0;
    QVERIFY(XRRQueryExtension(m_fixture, &eventBase, &errorBase));

    const Window root = RootWindow(m_fixture, 0);
    XRRScreenResources *resources = XRRGetScreenResources(m_fixture, root);
    QVERIFY(resources != nullptr && resources->noutput > 0);
    m_output = resources->outputs[0];
    XRRFreeScreenResources(resources);

    // 1024x768 at 60 Hz (VESA DMT timing: 65 MHz, 1344 x 806 total).
    char name[] = "1024x768";
    XRRModeInfo info;
    std::memset(&info, 0, sizeof info);
    info.width = 1024;
    info.height = 768;
    info.dotClock = 65000000;
    info.hSyncStart = 1048;
    info.hSyncEnd = 1184;
    info.hTotal = 1344;
    info.vSyncStart = 771;
    info.vSyncEnd = 777;
    info.vTotal = 806;
    info.name = name;
    info.nameLength = static_cast<unsigned int>(std::strlen(name));
    m_addedMode = XRRCreateMode(m_fixture, root, &info);
    XRRAddOutputMode(m_fixture, m_output, m_addedMode);
    XSync(m_fixture, False);
}

void tst_DriverCommunicatorX11::cleanupTestCase()
{
    if (m_fixture == nullptr)
        return;
    XCloseDisplay(m_fixture); // the added mode goes with the connection
}

void tst_DriverCommunicatorX11::init()
{
    qunsetenv("VYR_PCS_FAIL");
    qunsetenv("VYR_PCS_STORE");
    m_logger.clear();
}

ScreenState tst_DriverCommunicatorX11::currentState() const
{
    ScreenState state;
    XRRScreenConfiguration *config = XRRGetScreenInfo(m_fixture, RootWindow(m_fixture, 0));
    if (config == nullptr)
        return state;
    Rotation rotation = 0;
    const SizeID current = XRRConfigCurrentConfiguration(config, &rotation);
    int count = 0;
    const XRRScreenSize *sizes = XRRConfigSizes(config, &count);
    if (current < count) {
        state.width = sizes[current].width;
        state.height = sizes[current].height;
    }
    state.rate = XRRConfigCurrentRate(config);
    XRRFreeScreenConfigInfo(config);
    return state;
}

QList<ScreenState> tst_DriverCommunicatorX11::listedSizes() const
{
    QList<ScreenState> listed;
    XRRScreenConfiguration *config = XRRGetScreenInfo(m_fixture, RootWindow(m_fixture, 0));
    if (config == nullptr)
        return listed;
    int count = 0;
    const XRRScreenSize *sizes = XRRConfigSizes(config, &count);
    for (int i = 0; i < count; ++i) {
        int rateCount = 0;
        const short *rates = XRRConfigRates(config, i, &rateCount);
        for (int r = 0; r < rateCount; ++r)
            listed.append(ScreenState{sizes[i].width, sizes[i].height, rates[r]});
    }
    XRRFreeScreenConfigInfo(config);
    return listed;
}

DeviceModeInfo tst_DriverCommunicatorX11::mode(int width, int height, int rate)
{
    DeviceModeInfo info;
    info.xRes = width;
    info.yRes = height;
    info.colourDepth = 32;
    info.refreshRate = rate;
    return info;
}

static bool sameState(const ScreenState &a, const ScreenState &b)
{
    return a.width == b.width && a.height == b.height && a.rate == b.rate;
}

static QString describe(const ScreenState &state)
{
    return QStringLiteral("%1x%2@%3").arg(state.width).arg(state.height).arg(state.rate);
}

void tst_DriverCommunicatorX11::serverListsFixtureSizes()
{
    QStringList listed;
    for (const ScreenState &state : listedSizes())
        listed << describe(state);
    QVERIFY2(listed.contains(QStringLiteral("1280x1024@0")), qPrintable(listed.join(' ')));
    QVERIFY2(listed.contains(QStringLiteral("1024x768@60")), qPrintable(listed.join(' ')));
}

void tst_DriverCommunicatorX11::setsListedSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("rate");
    QTest::newRow("added size") << 1024 << 768 << 60;
    QTest::newRow("back to start size") << 1280 << 1024 << 0;
}

void tst_DriverCommunicatorX11::setsListedSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, rate);
    DriverCommunicator communicator(&m_loggerInfo);
    DeviceModeInfo requested = mode(width, height, rate);
    QVERIFY(communicator.DisplaySetMode(0, 0, 1, &requested));
    const ScreenState now = currentState();
    QVERIFY2(sameState(now, ScreenState{width, height, rate}), qPrintable(describe(now)));
}

void tst_DriverCommunicatorX11::refusesUnlistedSizeOrRate_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("rate");
    QTest::newRow("unlisted size") << 800 << 600 << 60;
    QTest::newRow("swapped size") << 768 << 1024 << 60;
    QTest::newRow("listed size, unlisted rate") << 1024 << 768 << 75;
    QTest::newRow("listed size, rate of another size") << 1024 << 768 << 0;
    QTest::newRow("start size, unlisted rate") << 1280 << 1024 << 60;
    QTest::newRow("rate beyond 16 bits") << 1024 << 768 << 65596;
}

void tst_DriverCommunicatorX11::refusesUnlistedSizeOrRate()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, rate);
    DriverCommunicator communicator(&m_loggerInfo);
    const ScreenState before = currentState();
    DeviceModeInfo requested = mode(width, height, rate);
    QVERIFY(!communicator.DisplaySetMode(0, 0, 1, &requested));
    // Still here, and the screen is as it was.
    QVERIFY(sameState(currentState(), before));
}

void tst_DriverCommunicatorX11::nullModeIsRefused()
{
    DriverCommunicator communicator(&m_loggerInfo);
    QVERIFY(!communicator.DisplaySetMode(0, 0, 1, nullptr));
}

void tst_DriverCommunicatorX11::writesReadsAndDeletesKeys()
{
    const QString fileName = m_dir.filePath(QStringLiteral("store.pcs"));
    QVERIFY(writeStoreFile(fileName, "LDC/ReleaseVersion\tstr\t20.45.1\n"));
    qputenv("VYR_PCS_STORE", fileName.toLocal8Bit());
    DriverCommunicator communicator(&m_loggerInfo);
    const QString key = QStringLiteral("VYRPCSROOT/SYSTEM/MCIL/DP/LinkTraining");

    QVERIFY(communicator.SetKeyValueLinux(key, QVariant(42)));
    QCOMPARE(communicator.GetKeyValueLinux(key), QVariant(42u));
    QVERIFY(communicator.SetKeyValueLinux(key, QVariant(4294967295u)));
    QCOMPARE(communicator.GetKeyValueLinux(key), QVariant(4294967295u));
    QVERIFY(readWholeFile(fileName).contains("MCIL/DP/LinkTraining\tu32\t4294967295"));

    QVERIFY(communicator.DeleteKeyLinux(key));
    QVERIFY(!communicator.GetKeyValueLinux(key).isValid());
    QVERIFY(!communicator.DeleteKeyLinux(key)); // nothing left to delete
    QCOMPARE(communicator.GetKeyValueLinux(QStringLiteral("VYRPCSROOT/SYSTEM/LDC/ReleaseVersion")),
             QVariant(QStringLiteral("20.45.1")));
    QVERIFY(
        !m_logger.has(AppLogError, QStringLiteral("DRIVER_COMMUNICATOR: Error opening X Display")));
}

void tst_DriverCommunicatorX11::writeFailsWhenStoreDoesNotOpen()
{
    qputenv("VYR_PCS_FAIL", "open");
    DriverCommunicator communicator(&m_loggerInfo);
    QVERIFY(!communicator.SetKeyValueLinux(QStringLiteral("ZelkLogEnable"), QVariant(1u)));
    QVERIFY(!communicator.DeleteKeyLinux(QStringLiteral("ZelkLogEnable")));
}

QTEST_GUILESS_MAIN(tst_DriverCommunicatorX11)
#include "tst_drivercommunicatorx11.moc"
