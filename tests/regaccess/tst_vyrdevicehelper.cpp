// The register helper over a fake register-access interface: device enumeration into
// the map by PCI location, forwarding, and the dispatch of a register access by its
// aperture.

#include "fakebrellixapi.h"
#include "hwregaddraperture.h"
#include "regaccesstestsupport.h"
#include "vyrdevicehelper.h"

using namespace DeviceHelpers;
using namespace RegAccessTest;

Q_DECLARE_METATYPE(FakeBrellixApi::Device)

namespace {

FakeBrellixApi::Device fakeDevice(quint32 location, int id = 0x5678)
{
    FakeBrellixApi::Device d;
    d.id = id;
    d.location = location;
    d.memoryBase = Q_UINT64_C(0x1FCE00000) + location;
    d.ioBase = 0x1E000u + location; // the record keeps the low 16 bits
    return d;
}

HwRegIndirectDescription indirect(quint32 signature)
{
    return indirectDescription(HwRegAddrAperture(HwRegSpaceIo, apertureWord(-0x100)), 0x1234,
                               HwRegAddrAperture(HwRegSpaceMemory, apertureWord(0x104)), signature);
}

} // namespace

class tst_VyrDeviceHelper : public QObject
{
    Q_OBJECT

private slots:
    void initialize_data();
    void initialize();
    void initializeOnceDone();
    void failedInitializeIsRepeated();
    void recordsPointBackToTheHelper();
    void forwardingNeedsInitialization();
    void registerAccess_data();
    void registerAccess();
    void registerAccessWithoutApi();
};

void tst_VyrDeviceHelper::initialize_data()
{
    QTest::addColumn<QVector<FakeBrellixApi::Device>>("devices");
    QTest::addColumn<bool>("apiInitializes");
    QTest::addColumn<bool>("initialized");
    QTest::addColumn<QList<quint32>>("locations");

    const auto refusing = [](FakeBrellixApi::Device d, int kind) {
        d.refusedKinds.insert(kind);
        return d;
    };

    QTest::newRow("two devices") << QVector<FakeBrellixApi::Device>{fakeDevice(0x300),
                                                                    fakeDevice(0x10)}
                                 << true << true << QList<quint32>{0x10, 0x300};
    QTest::newRow("interface refuses to initialise")
        << QVector<FakeBrellixApi::Device>{fakeDevice(0x300)} << false << false << QList<quint32>{};
    QTest::newRow("no devices") << QVector<FakeBrellixApi::Device>{} << true << false
                                << QList<quint32>{};
    QTest::newRow("location refused for every device")
        << QVector<FakeBrellixApi::Device>{refusing(fakeDevice(0x300), PciInfoLocation),
                                           refusing(fakeDevice(0x10), PciInfoLocation)}
        << true << false << QList<quint32>{};
    QTest::newRow("each datum is needed") << QVector<FakeBrellixApi::Device>{
        refusing(fakeDevice(0x100), PciInfoMemoryBase), refusing(fakeDevice(0x200), PciInfoIoBase),
        fakeDevice(0x300)} << true << true << QList<quint32>{0x300};
    QTest::newRow("device id 0xFFFF skipped")
        << QVector<FakeBrellixApi::Device>{fakeDevice(0x100, 0xFFFF), fakeDevice(0x200, -1),
                                           fakeDevice(0x300, 0x1FFFF), fakeDevice(0x400)}
        << true << true << QList<quint32>{0x400};
}

void tst_VyrDeviceHelper::initialize()
{
    QFETCH(QVector<FakeBrellixApi::Device>, devices);
    QFETCH(bool, apiInitializes);
    QFETCH(bool, initialized);
    QFETCH(QList<quint32>, locations);

    FakeBrellixApi api;
    api.devices = devices;
    api.initializeResult = apiInitializes;
    VyrDeviceHelper helper(&api);
    QCOMPARE(helper.Initialize(), initialized);
    QCOMPARE(helper.IsInitialized(), initialized);
    QCOMPARE(helper.GetHwDeviceCount(), locations.size());
    for (quint32 location : locations) {
        const VyrHwDevice *hw = helper.GetHwDevice(location);
        QVERIFY(hw);
        QCOMPARE(hw->GetLocation(), location);
        const FakeBrellixApi::Device *d =
            static_cast<const FakeBrellixApi::Device *>(hw->GetHandle());
        QCOMPARE(hw->GetDeviceId(), quint16(d->id));
        QCOMPARE(hw->GetMemoryBase(), d->memoryBase);
        QCOMPARE(hw->GetIoBase(), quint16(d->ioBase));
    }
    if (!apiInitializes)
        QCOMPARE(api.calls, QStringList{QStringLiteral("Initialize")});
}

void tst_VyrDeviceHelper::initializeOnceDone()
{
    FakeBrellixApi api;
    api.devices = {fakeDevice(0x300)};
    VyrDeviceHelper helper(&api);
    QVERIFY(helper.Initialize());
    // Memory base (8 bytes), I/O base and location (4 bytes each), in this order.
    QCOMPARE(api.calls,
             (QStringList{QStringLiteral("Initialize"), QStringLiteral("EnumDevices"),
                          QStringLiteral("GetDeviceId"), QStringLiteral("GetDeviceInfo 2 8"),
                          QStringLiteral("GetDeviceInfo 3 4"), QStringLiteral("GetDeviceInfo 1 4"),
                          QStringLiteral("EnumDevices")}));
    api.calls.clear();
    QVERIFY(helper.Initialize());
    QVERIFY(api.calls.isEmpty());

    // Unknown locations answer null and add nothing to the map.
    QCOMPARE(helper.GetHwDevice(0x400), nullptr);
    QCOMPARE(helper.GetHwDeviceCount(), 1);
}

void tst_VyrDeviceHelper::failedInitializeIsRepeated()
{
    FakeBrellixApi api;
    VyrDeviceHelper helper(&api);
    QVERIFY(!helper.Initialize());

    // Both handles report the same location: the later record replaces the earlier.
    api.devices = {fakeDevice(0x300, 0x1111), fakeDevice(0x300, 0x2222)};
    QVERIFY(helper.Initialize());
    QCOMPARE(api.calls.count(QStringLiteral("Initialize")), 2);
    QCOMPARE(helper.GetHwDeviceCount(), 1);
    QCOMPARE(helper.GetHwDevice(0x300)->GetHandle(), api.handle(1));
    QCOMPARE(helper.GetHwDevice(0x300)->GetDeviceId(), quint16(0x2222));
}

void tst_VyrDeviceHelper::recordsPointBackToTheHelper()
{
    FakeBrellixApi api;
    api.devices = {fakeDevice(0x300)};
    VyrDeviceHelper helper(&api);
    QVERIFY(helper.Initialize());
    const VyrHwDevice *hw = helper.GetHwDevice(0x300);
    QCOMPARE(hw->GetHelper(), static_cast<IVyrDevHwRegHlp *>(&helper));

    api.calls.clear();
    quint32 value = 0;
    QVERIFY(hw->GetHelper()->ReadRegister(
        *hw, HwRegAddrAperture(HwRegSpaceMemory, apertureWord(0x20)), &value, sizeof value));
    QCOMPARE(api.calls, QStringList{QStringLiteral("ReadMm 0 0x20 4")});
}

void tst_VyrDeviceHelper::forwardingNeedsInitialization()
{
    FakeBrellixApi api;
    api.devices = {fakeDevice(0x300)};
    VyrDeviceHelper helper(&api);
    quint32 value = 0;
    QCOMPARE(helper.GetDevice(0x300), nullptr);
    QCOMPARE(helper.GetDeviceInfo(api.handle(0), PciInfoLocation, &value, sizeof value), 0);
    QCOMPARE(helper.EnumDevices(), nullptr);
    QCOMPARE(helper.GetDeviceId(api.handle(0)), -1);
    QVERIFY(api.calls.isEmpty());

    QVERIFY(helper.Initialize());
    QCOMPARE(helper.GetDevice(0x300), api.handle(0));
    QCOMPARE(helper.GetDeviceId(api.handle(0)), 0x5678);
    QCOMPARE(helper.GetDeviceInfo(api.handle(0), PciInfoLocation, &value, sizeof value), 4);
    QCOMPARE(value, 0x300u);

    VyrDeviceHelper withoutApi;
    QVERIFY(!withoutApi.Initialize());
    QCOMPARE(withoutApi.GetHwDevice(0x300), nullptr);
}

void tst_VyrDeviceHelper::registerAccess_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<qintptr>("address");
    QTest::addColumn<quint32>("signature"); // indirect apertures only
    QTest::addColumn<bool>("apiResult");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("call"); // without the Read/Write prefix; empty: no call

    const QString indirectCall = QStringLiteral("Ind 0 0xffffffffffffff00/4/2=0x1234 0x104/1 2");
    for (const bool done : {true, false}) {
        const char *suffix = done ? "" : ", refused";
        QTest::addRow("memory%s", suffix) << int(HwRegSpaceMemory) << qintptr(0x1000) << 0u << done
                                          << done << QStringLiteral("Mm 0 0x1000 2");
        QTest::addRow("I/O%s", suffix) << int(HwRegSpaceIo) << qintptr(0xE010) << 0u << done << done
                                       << QStringLiteral("Io 0 0xe010 2");
        QTest::addRow("configuration%s", suffix) << int(HwRegSpaceConfig) << qintptr(0x40) << 0u
                                                 << done << done << QStringLiteral("Cfg 0 0x40 2");
        QTest::addRow("indirect%s", suffix)
            << int(HwRegSpaceIndirect) << qintptr(0) << HwRegIndirectSignature << done << done
            << indirectCall;
    }
    QTest::newRow("memory address keeps its sign")
        << int(HwRegSpaceMemory) << qintptr(-8) << 0u << true << true
        << QStringLiteral("Mm 0 0xfffffffffffffff8 2");
    QTest::newRow("I/O port is the low 16 bits") << int(HwRegSpaceIo) << qintptr(0x12345) << 0u
                                                 << true << true << QStringLiteral("Io 0 0x2345 2");
    QTest::newRow("indirect with a wrong signature")
        << int(HwRegSpaceIndirect) << qintptr(0) << 0x0FA777FBu << true << false << QString();
    QTest::newRow("indirect without description")
        << int(HwRegSpaceIndirect) << qintptr(-1) << 0u << true << false << QString();
    QTest::newRow("unknown space") << 5 << qintptr(0x10) << 0u << true << false << QString();
    QTest::newRow("no space") << 0 << qintptr(0x10) << 0u << true << false << QString();
}

void tst_VyrDeviceHelper::registerAccess()
{
    QFETCH(int, type);
    QFETCH(qintptr, address);
    QFETCH(quint32, signature);
    QFETCH(bool, apiResult);
    QFETCH(bool, result);
    QFETCH(QString, call);

    // An indirect aperture is described by a copied description (address 0) or has
    // none (address -1).
    const HwRegIndirectDescription description = indirect(signature);
    const void *pointer = type == HwRegSpaceIndirect ? (address == 0 ? &description : nullptr)
                                                     : apertureWord(address);
    const HwRegAddrAperture aperture(static_cast<EHwRegSpaceType>(type), pointer);

    FakeBrellixApi api;
    api.devices = {fakeDevice(0x300)};
    api.registerResult = apiResult;
    VyrDeviceHelper helper(&api);
    // The register access does not depend on the helper's initialisation: the record
    // below is made by hand.
    const VyrHwDevice device(&helper, api.handle(0), 0x5678, 0x300, 0, 0);
    quint16 buffer = 0;

    QCOMPARE(helper.ReadRegister(device, aperture, &buffer, sizeof buffer), result);
    QCOMPARE(helper.WriteRegister(device, aperture, &buffer, sizeof buffer), result);
    const QStringList expected =
        call.isEmpty() ? QStringList{}
                       : QStringList{QStringLiteral("Read") + call, QStringLiteral("Write") + call};
    QCOMPARE(api.calls, expected);
}

void tst_VyrDeviceHelper::registerAccessWithoutApi()
{
    VyrDeviceHelper helper;
    const VyrHwDevice device(&helper, nullptr, 0x5678, 0x300, 0, 0);
    quint32 value = 0;
    const HwRegAddrAperture aperture(HwRegSpaceMemory, apertureWord(0x10));
    QVERIFY(!helper.ReadRegister(device, aperture, &value, sizeof value));
    QVERIFY(!helper.WriteRegister(device, aperture, &value, sizeof value));
}

QTEST_GUILESS_MAIN(tst_VyrDeviceHelper)
#include "tst_vyrdevicehelper.moc"
