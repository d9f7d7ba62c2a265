#include "noxapi.h"
#include "vyrdisplaymode.h"

#include <QtTest>

#include <set>
#include <sstream>

Q_DECLARE_METATYPE(VyrDisplayMode)

namespace {

VyrDisplayMode mode(quint32 x, quint32 y, quint32 rate, quint32 depth = 32, quint32 orientation = 0,
                    quint32 flag = 0)
{
    VyrDisplayMode m;
    m.xRes = x;
    m.yRes = y;
    m.refreshRate = rate;
    m.colourDepth = depth;
    m.orientation = orientation;
    m.modeFlag = flag;
    return m;
}

} // namespace

// The mode record: its field-by-field ordering (which also decides what a display's set
// of modes keeps), its text form and its conversion from the driver's mode.
class tst_VyrDisplayMode : public QObject
{
    Q_OBJECT

private slots:
    void ordering_data();
    void ordering();
    void setKeepsModesThatDifferInOneField();
    void textForm();
    void readingStopsAtBadInput();
    void fromDriverMode_data();
    void fromDriverMode();
};

void tst_VyrDisplayMode::ordering_data()
{
    QTest::addColumn<VyrDisplayMode>("lower");
    QTest::addColumn<VyrDisplayMode>("higher");
    QTest::newRow("60 Hz before 75 Hz") << mode(1920, 1080, 60) << mode(1920, 1080, 75);
    QTest::newRow("1600 wide before 1920 wide") << mode(1600, 1200, 85) << mode(1920, 1080, 60);
    QTest::newRow("height decides at equal width") << mode(1920, 1080, 75) << mode(1920, 1200, 60);
    QTest::newRow("depth after rate") << mode(1920, 1080, 60, 16) << mode(1920, 1080, 60, 32);
    QTest::newRow("orientation") << mode(800, 600, 60, 32, 0) << mode(800, 600, 60, 32, 90);
    QTest::newRow("mode flag last") << mode(800, 600, 60, 32, 0, 0) << mode(800, 600, 60, 32, 0, 1);
    QTest::newRow("compared unsigned") << mode(1, 1, 1) << mode(0x80000000u, 0, 0);
}

void tst_VyrDisplayMode::ordering()
{
    QFETCH(VyrDisplayMode, lower);
    QFETCH(VyrDisplayMode, higher);
    QVERIFY(lower < higher);
    QVERIFY(!(higher < lower));
    QVERIFY(lower != higher);
    QVERIFY(!(lower == higher));
    QVERIFY(!(lower < lower));
    QVERIFY(lower == lower);
}

void tst_VyrDisplayMode::setKeepsModesThatDifferInOneField()
{
    std::set<VyrDisplayMode> modes;
    modes.insert(mode(1920, 1080, 60, 32, 0, 0));
    modes.insert(mode(1920, 1080, 60, 32, 0, 1));
    modes.insert(mode(1920, 1080, 60, 32, 0, 0));
    QCOMPARE(modes.size(), size_t(2));
    QCOMPARE(modes.begin()->modeFlag, 0u);
}

void tst_VyrDisplayMode::textForm()
{
    std::ostringstream out;
    out << mode(1920, 1080, 60, 32, 0, 0);
    QCOMPARE(QString::fromStdString(out.str()), QStringLiteral("1920 1080 60 32 0 0"));

    std::istringstream in(out.str());
    VyrDisplayMode read;
    QVERIFY(static_cast<bool>(in >> read));
    QCOMPARE(read, mode(1920, 1080, 60, 32, 0, 0));

    // White space of any kind separates the numbers; every field takes its own value.
    std::istringstream spaced("\n 4294967295\t2 3  4\n5 6 ");
    QVERIFY(static_cast<bool>(spaced >> read));
    QCOMPARE(read, mode(0xFFFFFFFFu, 2, 3, 4, 5, 6));
}

void tst_VyrDisplayMode::readingStopsAtBadInput()
{
    const VyrDisplayMode before = mode(640, 480, 60);
    VyrDisplayMode read = before;
    std::istringstream shortText("1920 1080 60");
    QVERIFY(!(shortText >> read));
    QCOMPARE(read, before);
    std::istringstream words("1920 x 1080 60 32 0 0");
    QVERIFY(!(words >> read));
    QCOMPARE(read, before);
}

void tst_VyrDisplayMode::fromDriverMode_data()
{
    QTest::addColumn<float>("rate");
    QTest::addColumn<quint32>("hertz");
    QTest::newRow("59.94 rounds up") << 59.94f << 60u;
    QTest::newRow("59.5 rounds up") << 59.5f << 60u;
    QTest::newRow("59.49 rounds down") << 59.49f << 59u;
    QTest::newRow("zero") << 0.0f << 0u;
    QTest::newRow("negative reads as 0") << -5.0f << 0u;
    QTest::newRow("not a number reads as 0") << std::numeric_limits<float>::quiet_NaN() << 0u;
}

void tst_VyrDisplayMode::fromDriverMode()
{
    QFETCH(float, rate);
    QFETCH(quint32, hertz);
    NOXMode nox{};
    nox.iXRes = 2560;
    nox.iYRes = 1440;
    nox.iColourDepth = 32;
    nox.fRefreshRate = rate;
    nox.iOrientation = 90;
    nox.iModeFlag = 3;
    QCOMPARE(VyrDisplayMode::fromNoxMode(nox), mode(2560, 1440, hertz, 32, 90, 3));
}

QTEST_GUILESS_MAIN(tst_VyrDisplayMode)
#include "tst_vyrdisplaymode.moc"
