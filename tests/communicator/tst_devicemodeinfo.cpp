#include "devicemodeinfo.h"
#include "noxapi.h"

#include <QtTest>

#include <cstring>

class tst_DeviceModeInfo : public QObject
{
    Q_OBJECT

private slots:
    void updateTakesFieldsAndRoundsRate_data();
    void updateTakesFieldsAndRoundsRate();
    void updateLeavesHolderFields();
    void getNoxModeWritesOnlyModeFields();
    void equalityComparesAllTwelveFields();
};

static NOXMode filledMode(float rate)
{
    NOXMode mode;
    std::memset(&mode, 0xA5, sizeof mode);
    mode.iXPos = 1920;
    mode.iYPos = -40;
    mode.iXRes = 2560;
    mode.iYRes = 1440;
    mode.iColourDepth = 32;
    mode.fRefreshRate = rate;
    mode.iOrientation = 90;
    mode.iModeFlag = 7;
    return mode;
}

void tst_DeviceModeInfo::updateTakesFieldsAndRoundsRate_data()
{
    QTest::addColumn<float>("rate");
    QTest::addColumn<int>("expected");
    QTest::newRow("59.94 rounds up") << 59.94f << 60;
    QTest::newRow("exact 75") << 75.0f << 75;
    QTest::newRow("half rounds up") << 29.5f << 30;
    QTest::newRow("just below half") << 23.976f << 24;
    QTest::newRow("49.4 rounds down") << 49.4f << 49;
    QTest::newRow("zero") << 0.0f << 0;
    QTest::newRow("huge rate is clamped") << 1.0e20f << 2147483647;
}

void tst_DeviceModeInfo::updateTakesFieldsAndRoundsRate()
{
    QFETCH(float, rate);
    QFETCH(int, expected);
    DeviceModeInfo info;
    info.Update(filledMode(rate));
    QCOMPARE(info.xPos, 1920);
    QCOMPARE(info.yPos, -40);
    QCOMPARE(info.xRes, 2560);
    QCOMPARE(info.yRes, 1440);
    QCOMPARE(info.colourDepth, 32);
    QCOMPARE(info.refreshRate, expected);
    QCOMPARE(info.orientation, 90);
    QCOMPARE(info.modeFlag, 7);
}

void tst_DeviceModeInfo::updateLeavesHolderFields()
{
    DeviceModeInfo info;
    info.adapterIndex = 3;
    info.reserved[0] = 11;
    info.reserved[2] = 13;
    info.Update(filledMode(60.0f));
    QCOMPARE(info.adapterIndex, 3);
    QCOMPARE(info.reserved[0], 11);
    QCOMPARE(info.reserved[1], 0);
    QCOMPARE(info.reserved[2], 13);
}

void tst_DeviceModeInfo::getNoxModeWritesOnlyModeFields()
{
    DeviceModeInfo info;
    info.xPos = 111;
    info.yPos = 222;
    info.xRes = 1024;
    info.yRes = 768;
    info.colourDepth = 16;
    info.refreshRate = 60;
    info.orientation = 180;
    info.modeFlag = 2;

    NOXMode mode = filledMode(59.94f);
    NOXMode before = mode;
    info.GetNOXMode(&mode);
    QCOMPARE(mode.iXRes, 1024);
    QCOMPARE(mode.iYRes, 768);
    QCOMPARE(mode.iColourDepth, 16);
    QCOMPARE(mode.fRefreshRate, 60.0f);
    QCOMPARE(mode.iOrientation, 180);
    QCOMPARE(mode.iModeFlag, 2);
    // Position, identification (bytes 0-19) and the last eight bytes stay as they were.
    QCOMPARE(mode.iXPos, before.iXPos);
    QCOMPARE(mode.iYPos, before.iYPos);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&mode), 20),
             QByteArray(reinterpret_cast<const char *>(&before), 20));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&mode) + 52, 8),
             QByteArray(reinterpret_cast<const char *>(&before) + 52, 8));

    info.GetNOXMode(nullptr); // must not crash
}

void tst_DeviceModeInfo::equalityComparesAllTwelveFields()
{
    const DeviceModeInfo base;
    QVERIFY(base == DeviceModeInfo());
    for (int field = 0; field < 12; ++field) {
        qint32 fields[12] = {};
        fields[field] = 1;
        DeviceModeInfo changed;
        std::memcpy(&changed, fields, sizeof fields);
        QVERIFY2(!(changed == base), qPrintable(QString::number(field)));
        QVERIFY(changed != base);
    }
}

QTEST_GUILESS_MAIN(tst_DeviceModeInfo)
#include "tst_devicemodeinfo.moc"
