// The register-access interface over the simulated hardware tool library: register
// bases from the base address registers, device handles and their data, the
// enumeration cycle, and register access in 32-bit units.

#include "hwregaddraperture.h"
#include "quarnibapiadapter.h"
#include "regaccesstestsupport.h"
#include "vyrdevicehelper.h"

#include <QTemporaryDir>

using namespace DeviceHelpers;
using namespace RegAccessTest;

namespace {

QJsonArray bars(std::initializer_list<quint32> values)
{
    QJsonArray array;
    for (quint32 v : values)
        array.append(QStringLiteral("0x%1").arg(v, 8, 16, QLatin1Char('0')));
    return array;
}

} // namespace

class tst_QuarnibApiAdapter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void registerBases_data();
    void registerBases();
    void enumerationCycle();
    void deviceInfo_data();
    void deviceInfo();
    void registers();
    void noLibrary();
    void registerHelperOverTheAdapter();

private:
    // Simulates these devices from the next initialisation of the library on.
    void useMachine(const QJsonArray &devices);

    QuarnibSim m_sim;
    QTemporaryDir m_dir;
};

void tst_QuarnibApiAdapter::init()
{
    qunsetenv("VYRSIM_QUARNIB_MACHINE");
    QVERIFY(m_sim.loaded);
    QCOMPARE(m_sim.reset(), 0);
    writeIni({{QStringLiteral("quarnib/quarnibPath"), defaultQuarnib()}});
}

void tst_QuarnibApiAdapter::useMachine(const QJsonArray &devices)
{
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QStringLiteral("machine.json"));
    QVERIFY(writeMachine(path, devices));
    qputenv("VYRSIM_QUARNIB_MACHINE", path.toLocal8Bit());
}

void tst_QuarnibApiAdapter::registerBases_data()
{
    QTest::addColumn<QJsonArray>("bars");
    QTest::addColumn<bool>("ioFound");
    QTest::addColumn<quint32>("ioBase");
    QTest::addColumn<quint64>("memoryBase");

    QTest::newRow("64-bit BAR0 and BAR2, I/O BAR4")
        << bars({0xC000000C, 0x00000000, 0xFCE00004, 0x00000002, 0x0000E001, 0}) << true << 0xE000u
        << Q_UINT64_C(0x2FCE00000);
    QTest::newRow("BAR0 an I/O register: the scan starts at BAR1")
        << bars({0x0000D001, 0xFCE00000, 0x00000000, 0x00000000, 0x0000E001, 0}) << true << 0xE000u
        << Q_UINT64_C(0xFCE00000);
    QTest::newRow("32-bit BAR0: BAR1 is a register")
        << bars({0xC0000008, 0xFCE00000, 0x0000E001, 0, 0, 0}) << true << 0xE000u
        << Q_UINT64_C(0xFCE00000);
    QTest::newRow("64-bit BAR5 read as 32-bit")
        << bars({0xC000000C, 0x00000000, 0x0000E001, 0x0000E101, 0x0000E201, 0xFD000004}) << true
        << 0xE000u << Q_UINT64_C(0xFD000000);
    QTest::newRow("odd high half of BAR2 is no I/O register")
        << bars({0xC000000C, 0x00000000, 0xFCE00004, 0x00000001, 0x0000E001, 0}) << true << 0xE000u
        << Q_UINT64_C(0x1FCE00000);
    QTest::newRow("no I/O register")
        << bars({0xC000000C, 0x00000000, 0xFCE00004, 0x00000000, 0x00000000, 0}) << false << 0u
        << Q_UINT64_C(0xFCE00000);
}

void tst_QuarnibApiAdapter::registerBases()
{
    QFETCH(QJsonArray, bars);
    QFETCH(bool, ioFound);
    QFETCH(quint32, ioBase);
    QFETCH(quint64, memoryBase);

    useMachine(QJsonArray{simDevice(3, 0, 0x5678, bars)});
    QuarnibApiAdapter adapter;
    QVERIFY(adapter.Initialize());

    quint32 io = 0xFFFF;
    quint64 memory = 0;
    QCOMPARE(adapter.GetDeviceIoHwRegBase(0x300, io), ioFound);
    QVERIFY(adapter.GetDeviceMmHwRegBase(0x300, memory));
    if (ioFound)
        QCOMPARE(io, ioBase);
    QCOMPARE(memory, memoryBase);

    // The device record carries the same bases (0 when none was found).
    const void *device = adapter.GetDevice(0x300);
    QVERIFY(device);
    QCOMPARE(adapter.GetDeviceInfo(device, PciInfoIoBase, &io, sizeof io), 4);
    QCOMPARE(adapter.GetDeviceInfo(device, PciInfoMemoryBase, &memory, sizeof memory), 8);
    QCOMPARE(io, ioBase);
    QCOMPARE(memory, memoryBase);

    QVERIFY(!adapter.GetDeviceMmHwRegBase(0x400, memory)); // no such device
}

void tst_QuarnibApiAdapter::enumerationCycle()
{
    QuarnibApiAdapter adapter;
    QCOMPARE(adapter.EnumDevices(), nullptr); // nothing before Initialize
    QVERIFY(adapter.Initialize());

    const void *a = adapter.EnumDevices();
    const void *b = adapter.EnumDevices();
    QVERIFY(a && b && a != b);
    QCOMPARE(adapter.EnumDevices(), nullptr);
    QCOMPARE(adapter.EnumDevices(), a);
    QCOMPARE(adapter.EnumDevices(), b);

    QCOMPARE(QSet<const void *>({adapter.GetDevice(0x300), adapter.GetDevice(0x10)}),
             QSet<const void *>({a, b}));
    QCOMPARE(adapter.GetDevice(0x308), nullptr);
    QCOMPARE(adapter.GetDeviceId(a), 0x5678);
    QCOMPARE(adapter.GetDeviceId(&adapter), -1);
}

void tst_QuarnibApiAdapter::deviceInfo_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<unsigned int>("size");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("bytes"); // the buffer afterwards (0xEE: untouched)

    QTest::newRow("location") << 1 << 4u << 4 << QByteArray::fromHex("00030000eeee");
    QTest::newRow("location, buffer too small") << 1 << 3u << 0 << QByteArray(6, '\xEE');
    QTest::newRow("memory base") << 2 << 8u << 8 << QByteArray::fromHex("0000e0fc00000000");
    QTest::newRow("memory base, buffer too small") << 2 << 7u << 0 << QByteArray(8, '\xEE');
    QTest::newRow("I/O base") << 3 << 4u << 4 << QByteArray::fromHex("00e00000eeee");
    QTest::newRow("device id") << 6 << 2u << 2 << QByteArray::fromHex("7856eeee");
    QTest::newRow("device id, buffer too small") << 6 << 1u << 0 << QByteArray(4, '\xEE');
    QTest::newRow("unknown kind") << 4 << 8u << 0 << QByteArray(8, '\xEE');
}

void tst_QuarnibApiAdapter::deviceInfo()
{
    QFETCH(int, kind);
    QFETCH(unsigned int, size);
    QFETCH(int, result);
    QFETCH(QByteArray, bytes);

    QuarnibApiAdapter adapter;
    QVERIFY(adapter.Initialize());
    const void *device = adapter.GetDevice(0x300);
    QByteArray buffer(bytes.size(), '\xEE');
    QCOMPARE(adapter.GetDeviceInfo(device, kind, buffer.data(), size), result);
    QCOMPARE(buffer.toHex(), bytes.toHex());
    // An unknown handle delivers nothing.
    QCOMPARE(adapter.GetDeviceInfo(&adapter, kind, buffer.data(), size), 0);
}

void tst_QuarnibApiAdapter::registers()
{
    QJsonObject first = simDevice(3, 0, 0x1111);
    first.insert(QStringLiteral("registers"), QJsonObject{{QStringLiteral("0x100"), "0x44332211"}});
    QJsonObject second = simDevice(0, 2, 0x2222);
    second.insert(QStringLiteral("ioBase"), "0xF000");
    second.insert(QStringLiteral("registers"),
                  QJsonObject{{QStringLiteral("0x100"), "0x88776655"}});
    useMachine(QJsonArray{first, second});
    QuarnibApiAdapter adapter;
    QVERIFY(adapter.Initialize());
    const void *a = adapter.GetDevice(0x300);
    const void *b = adapter.GetDevice(0x10);

    // Each access selects its device; a short read copies only the low bytes.
    unsigned char buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    QVERIFY(adapter.ReadMmRegister(b, 0x100, buffer, 2));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), 4).toHex(), QByteArray("5566eeee"));
    quint32 value = 0;
    QVERIFY(adapter.ReadMmRegister(a, Q_UINT64_C(0x700000100), &value, 4)); // low 32 bits
    QCOMPARE(value, 0x44332211u);
    QCOMPARE(m_sim.lastDwordIndex(), 0x40u);

    // A short write fills the rest of the dword with zeros.
    const quint16 half = 0xBEEF;
    QVERIFY(adapter.WriteMmRegister(a, 0x104, &half, 2));
    QVERIFY(adapter.ReadMmRegister(a, 0x104, &value, 4));
    QCOMPARE(value, 0x0000BEEFu);

    // I/O ports go through the same register calls.
    const unsigned short port = 0x108;
    value = 0x01020304;
    QVERIFY(adapter.WriteIoRegister(b, port, &value, 4));
    value = 0;
    QVERIFY(adapter.ReadMmRegister(b, 0x108, &value, 4));
    QCOMPARE(value, 0x01020304u);
    QVERIFY(adapter.ReadIoRegister(b, port, &value, 4));
    QCOMPARE(m_sim.lastDwordIndex(), 0x42u);

    // Configuration space of the device's own location.
    QVERIFY(adapter.ReadCfgRegister(b, 0, &value, 4));
    QCOMPARE(value, 0x22221234u);
    value = 0xA1B2C3D4;
    QVERIFY(adapter.WriteCfgRegister(a, 0x48, &value, 4));
    value = 0;
    QVERIFY(adapter.ReadCfgRegister(a, 0x48, &value, 4));
    QCOMPARE(value, 0xA1B2C3D4u);

    const EHwRegSpaceType io = HwRegSpaceIo;
    QVERIFY(!adapter.ReadIndRegister(a, 0xE000, 4, io, 1, 0xE004, io, &value, 4));
    QVERIFY(!adapter.WriteIndRegister(a, 0xE000, 4, io, 1, 0xE004, io, &value, 4));
    QVERIFY(!adapter.ReadMmRegister(&adapter, 0x100, &value, 4));
    QVERIFY(!adapter.WriteCfgRegister(&adapter, 0x48, &value, 4));
}

void tst_QuarnibApiAdapter::noLibrary()
{
    writeIni({{QStringLiteral("quarnib/quarnibPath"), QStringLiteral("/nonexistent/Quarnib.dll")}});
    QuarnibApiAdapter adapter;
    QVERIFY(!adapter.Initialize());
    quint32 value = 0;
    QCOMPARE(adapter.EnumDevices(), nullptr);
    QCOMPARE(adapter.GetDevice(0x300), nullptr);
    QVERIFY(!adapter.ReadMmRegister(nullptr, 0, &value, 4));
}

void tst_QuarnibApiAdapter::registerHelperOverTheAdapter()
{
    QuarnibApiAdapter adapter;
    VyrDeviceHelper helper(&adapter);
    QVERIFY(helper.Initialize());
    QCOMPARE(helper.GetHwDeviceCount(), 2);
    VyrHwDevice *hw = helper.GetHwDevice(0x10);
    QVERIFY(hw);
    QCOMPARE(hw->GetMemoryBase(), Q_UINT64_C(0xFD000000));
    QCOMPARE(hw->GetIoBase(), quint16(0xF000));

    quint32 value = 0x13572468;
    const HwRegAddrAperture aperture(HwRegSpaceMemory, apertureWord(0x200));
    QVERIFY(hw->GetHelper()->WriteRegister(*hw, aperture, &value, sizeof value));
    value = 0;
    QVERIFY(hw->GetHelper()->ReadRegister(*hw, aperture, &value, sizeof value));
    QCOMPARE(value, 0x13572468u);
    const HwRegAddrAperture config(HwRegSpaceConfig, apertureWord(0));
    QVERIFY(hw->GetHelper()->ReadRegister(*hw, config, &value, sizeof value));
    QCOMPARE(value, 0x56781234u);
}

QTEST_GUILESS_MAIN(tst_QuarnibApiAdapter)
#include "tst_quarnibapiadapter.moc"
