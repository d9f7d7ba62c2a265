#include "communicatortestsupport.h"
#include "drivercommunicator.h"
#include "vyrsimcontrol.h"

#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <dlfcn.h>

// Mode list and current mode through the simulated control library. The expected
// values come from the library's own entry points, called directly.
class tst_DriverCommunicatorModes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void listsEveryModeOfEachAdapter();
    void currentModeFillsSizeDepthAndRate();
    void failedCallsAnswerFalse();
    void unboundLibraryAnswersFalse();

private:
    template <typename Fn> Fn symbol(const char *name) const
    {
        return reinterpret_cast<Fn>(dlsym(m_library, name));
    }

    QString m_libraryFile;
    void *m_library = nullptr;
    CapturingLogger m_logger;
    AppLoggerInfo m_loggerInfo{&m_logger, 2u, 0};
    DriverCommunicator *m_communicator = nullptr;
};

using PossibleModeGetFn = int (*)(int, int *, NOXMode **);
using ModesGetFn = int (*)(int, int, int *, NOXMode **);

static int wholeHertz(float rate)
{
    return static_cast<int>(std::floor(static_cast<double>(rate) + 0.5));
}

void tst_DriverCommunicatorModes::initTestCase()
{
    m_libraryFile = QDir(QStringLiteral(VYR_BIN_DIR)).filePath(QStringLiteral("libwexnoxxx.so"));
    m_communicator = new DriverCommunicator(&m_loggerInfo, QStringList{m_libraryFile});
    QVERIFY(m_communicator->IsNoxLoaded());
    // The communicator's own copy of the library, for the direct calls.
    m_library = dlopen(QFile::encodeName(m_libraryFile).constData(), RTLD_NOW | RTLD_NOLOAD);
    QVERIFY(m_library != nullptr);
    QVERIFY(m_communicator->GetNumberOfAdapers() > 0);
}

void tst_DriverCommunicatorModes::cleanupTestCase()
{
    delete m_communicator;
    if (m_library != nullptr)
        dlclose(m_library);
}

void tst_DriverCommunicatorModes::init()
{
    if (auto reset = symbol<VyrSimResetFn>("vyrsim_reset"))
        reset();
}

void tst_DriverCommunicatorModes::listsEveryModeOfEachAdapter()
{
    auto possible = symbol<PossibleModeGetFn>("NOX_Display_PossibleMode_Get");
    QVERIFY(possible != nullptr);
    bool sawFractionalRate = false;
    for (int adapter = 0; adapter < m_communicator->GetNumberOfAdapers(); ++adapter) {
        int expectedCount = 0;
        NOXMode *expected = nullptr;
        QCOMPARE(possible(adapter, &expectedCount, &expected), 0);

        QList<DeviceModeInfo> list;
        list.append(DeviceModeInfo()); // the list is emptied first
        int count = -1;
        QVERIFY(m_communicator->DisplayGetModeList(adapter, &count, &list));
        QCOMPARE(count, expectedCount);
        QCOMPARE(list.size(), expectedCount);
        for (int i = 0; i < expectedCount; ++i) {
            const DeviceModeInfo &got = list.at(i);
            const NOXMode &want = expected[i];
            QCOMPARE(got.adapterIndex, 0);
            QCOMPARE(got.xPos, want.iXPos);
            QCOMPARE(got.yPos, want.iYPos);
            QCOMPARE(got.xRes, want.iXRes);
            QCOMPARE(got.yRes, want.iYRes);
            QCOMPARE(got.colourDepth, want.iColourDepth);
            QCOMPARE(got.refreshRate, wholeHertz(want.fRefreshRate));
            QCOMPARE(got.orientation, want.iOrientation);
            QCOMPARE(got.modeFlag, want.iModeFlag);
            sawFractionalRate =
                sawFractionalRate || want.fRefreshRate != std::floor(want.fRefreshRate);
        }
        std::free(expected);
    }
    QVERIFY(sawFractionalRate); // rates such as 59.94 were rounded above
}

void tst_DriverCommunicatorModes::currentModeFillsSizeDepthAndRate()
{
    auto modesGet = symbol<ModesGetFn>("NOX_Display_Modes_Get");
    QVERIFY(modesGet != nullptr);
    int withMode = 0;
    int withoutMode = 0;
    for (int adapter = 0; adapter < m_communicator->GetNumberOfAdapers(); ++adapter) {
        for (int display = 0; display < 8; ++display) {
            int expectedCount = 0;
            NOXMode *expected = nullptr;
            const int result = modesGet(adapter, display, &expectedCount, &expected);

            DeviceModeInfo mode;
            mode.adapterIndex = 7;
            mode.xPos = 11;
            mode.yPos = 12;
            mode.xRes = 13;
            mode.orientation = 17;
            mode.modeFlag = 18;
            mode.reserved[1] = 19;
            const DeviceModeInfo before = mode;
            int count = -1;
            const bool ok = m_communicator->DisplayGetCurrentMode(adapter, display, &count, &mode);
            if (result != 0 || expectedCount == 0 || expected == nullptr) {
                QVERIFY(!ok);
                QVERIFY(mode == before);
                withoutMode += result == 0 ? 1 : 0;
            } else {
                QVERIFY(ok);
                ++withMode;
                DeviceModeInfo want = before;
                want.xRes = expected[0].iXRes;
                want.yRes = expected[0].iYRes;
                want.colourDepth = expected[0].iColourDepth;
                want.refreshRate = wholeHertz(expected[0].fRefreshRate);
                QVERIFY(mode == want);
                QCOMPARE(count, expectedCount);
            }
            std::free(expected);
        }
    }
    QVERIFY(withMode > 0);
    QVERIFY(withoutMode > 0); // a display without a current mode (count 0) answers false
}

void tst_DriverCommunicatorModes::failedCallsAnswerFalse()
{
    auto fail = symbol<VyrSimFailFn>("vyrsim_fail");
    QVERIFY(fail != nullptr);
    fail("NOX_Display_PossibleMode_Get", 0, -1);
    QList<DeviceModeInfo> list{DeviceModeInfo()};
    int count = 0;
    QVERIFY(!m_communicator->DisplayGetModeList(0, &count, &list));
    QVERIFY(list.isEmpty());

    fail("NOX_Display_Modes_Get", 0, -1);
    DeviceModeInfo mode;
    mode.xRes = 99;
    QVERIFY(!m_communicator->DisplayGetCurrentMode(0, 0, &count, &mode));
    QCOMPARE(mode.xRes, 99);
}

void tst_DriverCommunicatorModes::unboundLibraryAnswersFalse()
{
    DriverCommunicator unbound(&m_loggerInfo,
                               QStringList{QStringLiteral("/nonexistent/libnothing.so")});
    QVERIFY(!unbound.IsNoxLoaded());
    QList<DeviceModeInfo> list{DeviceModeInfo()};
    int count = 0;
    QVERIFY(!unbound.DisplayGetModeList(0, &count, &list));
    QVERIFY(list.isEmpty());
    DeviceModeInfo mode;
    QVERIFY(!unbound.DisplayGetCurrentMode(0, 0, &count, &mode));
}

QTEST_GUILESS_MAIN(tst_DriverCommunicatorModes)
#include "tst_drivercommunicatormodes.moc"
