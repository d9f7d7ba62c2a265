// EDID read block by block and EDID override, against the simulated library.

#include "noxtestsupport.h"
#include "vyrtestutil.h"

using namespace NoxTest;

class tst_NoxEdid : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void read_data();
    void read();
    void readUnbound();
    void override_data();
    void override();
    void overrideThenRead();
    void rawRecord();

private:
    SimLibrary m_sim;
};

void tst_NoxEdid::init()
{
    QVERIFY(m_sim.loaded);
    qunsetenv("VYRSIM_NOX_MACHINE");
    m_sim.reset();
}

void tst_NoxEdid::cleanup()
{
    qunsetenv("VYRSIM_NOX_MACHINE");
    m_sim.reset();
}

void tst_NoxEdid::read_data()
{
    QTest::addColumn<bool>("machineFile");
    QTest::addColumn<int>("adapter");
    QTest::addColumn<int>("display");
    QTest::addColumn<int>("perRequest");
    QTest::addColumn<int>("failingRequest"); // 0: none; n: the nth request fails
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("requests");

    const QString one = "edid13-digital-del400d-1.bin";
    const QString two = "cta-basic-sny4803-3.bin";
    const QString three = "displayid13-dela17f-4.bin";
    const QString four = "cta-two-blocks-sam72f2-1.bin";
    QTest::newRow("1 block") << true << 0 << 0 << 128 << 0 << 512 << 128 << one << 2;
    QTest::newRow("2 blocks") << false << 0 << 0 << 128 << 0 << 512 << 256 << two << 3;
    QTest::newRow("3 blocks") << false << 0 << 1 << 128 << 0 << 512 << 384 << three << 4;
    QTest::newRow("4 blocks") << true << 0 << 1 << 128 << 0 << 512 << 512 << four << 5;
    QTest::newRow("first request fails") << false << 0 << 0 << 128 << 1 << 512 << -1 << two << 1;
    QTest::newRow("second request fails") << false << 0 << 0 << 128 << 2 << 512 << 128 << two << 2;
    QTest::newRow("third request fails") << true << 0 << 1 << 128 << 3 << 512 << 256 << four << 3;
    QTest::newRow("2 blocks, 256 per request")
        << true << 1 << 0 << 256 << 0 << 512 << 256 << two << 3;
    QTest::newRow("3 blocks, 256 per request")
        << false << 0 << 1 << 256 << 0 << 512 << 384 << three << 4;
    QTest::newRow("4 blocks, 256 per request")
        << true << 0 << 1 << 256 << 0 << 512 << 512 << four << 5;
    QTest::newRow("4 blocks into 256 bytes")
        << true << 0 << 1 << 128 << 0 << 256 << 256 << four << 3;
    QTest::newRow("buffer below one block")
        << false << 0 << 0 << 128 << 0 << 100 << 100 << two << 2;
    QTest::newRow("256 per request into 200 bytes")
        << false << 0 << 0 << 256 << 0 << 200 << 200 << two << 3;
    QTest::newRow("display not connected") << false << 0 << 6 << 128 << 0 << 512 << -1 << one << 1;
    QTest::newRow("no such display") << false << 0 << 42 << 128 << 0 << 512 << -1 << one << 1;
}

void tst_NoxEdid::read()
{
    QFETCH(bool, machineFile);
    QFETCH(int, adapter);
    QFETCH(int, display);
    QFETCH(int, perRequest);
    QFETCH(int, failingRequest);
    QFETCH(int, bufferSize);
    QFETCH(int, result);
    QFETCH(QString, sample);
    QFETCH(int, requests);

    if (machineFile) {
        qputenv("VYRSIM_NOX_MACHINE", VYR_DRIVER_TEST_DATA "/twoadapters.json");
        QCOMPARE(m_sim.reset(), 0);
    }
    if (perRequest != 128)
        m_sim.setOption("edidBytesPerRequest", perRequest);
    BoundNox b;
    if (failingRequest)
        m_sim.fail("NOX_Display_EdidData_Get", failingRequest, NOX_ERR);
    m_sim.clearCalls();

    // Guard bytes around the buffer show that nothing is written past it.
    QByteArray memory(bufferSize + 64, '\xA5');
    auto *buffer = reinterpret_cast<unsigned char *>(memory.data()) + 32;
    QCOMPARE(b.nox->DisplayGetEDIDEx(adapter, display, buffer, bufferSize), result);
    QCOMPARE(m_sim.calls().count(QStringLiteral("NOX_Display_EdidData_Get")), requests);
    QCOMPARE(memory.left(32), QByteArray(32, '\xA5'));
    QCOMPARE(memory.right(32), QByteArray(32, '\xA5'));
    if (result > 0) {
        const QByteArray expected = VyrTest::readSample(sample).left(result);
        QCOMPARE(memory.mid(32, result).toHex(), expected.toHex());
    }
}

void tst_NoxEdid::readUnbound()
{
    NoxInterface nox(nullptr, QStringList{});
    unsigned char buffer[512] = {};
    QCOMPARE(nox.DisplayGetEDIDEx(0, 0, buffer, 512), 0);
    NOXDisplayEDIDData data{};
    QVERIFY(!nox.DisplayGetEDIDData(0, 0, &data));
    unsigned char edid[128] = {};
    QVERIFY(!nox.DisplayOverrideEDID(0, 0, edid, 128));
}

void tst_NoxEdid::override_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("nullData");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("sent"); // bytes in the payload, -1 for no escape
    QTest::newRow("one block") << 128 << false << true << 128;
    QTest::newRow("four blocks") << 512 << false << true << 512;
    QTest::newRow("600 bytes send 512") << 600 << false << true << 512;
    QTest::newRow("length 0") << 0 << false << false << -1;
    QTest::newRow("negative length") << -5 << false << false << -1;
    QTest::newRow("null image") << 128 << true << false << -1;
}

void tst_NoxEdid::override()
{
    QFETCH(int, length);
    QFETCH(bool, nullData);
    QFETCH(bool, result);
    QFETCH(int, sent);

    QByteArray image(std::max(length, 0), '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 7 + 3);
    BoundNox b;
    m_sim.clearCalls();
    auto *data = nullData ? nullptr : reinterpret_cast<unsigned char *>(image.data());
    QCOMPARE(b.nox->DisplayOverrideEDID(0, 1, data, length), result);
    if (sent < 0) {
        QCOMPARE(m_sim.calls(), QStringList{});
        return;
    }
    const QVector<VyrSimCall> calls = m_sim.callRecords();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].code, 0x130032u);
    QCOMPARE(calls[0].inputSize, 16 + 524);
    QCOMPARE(calls[0].outputSize, 0);
    const QByteArray frame = m_sim.frame();
    QCOMPARE(frame.size(), 16 + 524);
    QCOMPARE(word(frame, 0), 540u);
    QCOMPARE(word(frame, 4), 0x130032u);
    QCOMPARE(word(frame, 8), 1u); // display
    QCOMPARE(word(frame, 16), 524u);
    QCOMPARE(word(frame, 20), static_cast<quint32>(sent));
    QCOMPARE(frame.mid(24, sent), image.left(sent));
    QCOMPARE(frame.mid(24 + sent), QByteArray(516 - sent, '\0'));

    // The display now answers with what it was given.
    unsigned char buffer[512] = {};
    QCOMPARE(b.nox->DisplayGetEDIDEx(0, 1, buffer, 512), sent);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), sent), image.left(sent));
}

void tst_NoxEdid::overrideThenRead()
{
    // An edited four-block image replaces the TV's two blocks and reads back whole.
    BoundNox b;
    QByteArray image = VyrTest::sampleImage(QStringLiteral("cta-two-blocks-sam72f2-1.bin"));
    QCOMPARE(image.size(), 512);
    QVERIFY(b.nox->DisplayOverrideEDID(0, 0, reinterpret_cast<unsigned char *>(image.data()), 512));
    QByteArray read(512, '\0');
    QCOMPARE(b.nox->DisplayGetEDIDEx(0, 0, reinterpret_cast<unsigned char *>(read.data()), 512),
             512);
    QCOMPARE(read, image);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(read));
    // Another display keeps its own EDID.
    QCOMPARE(b.nox->DisplayGetEDIDEx(0, 1, reinterpret_cast<unsigned char *>(read.data()), 512),
             384);
    QCOMPARE(read.left(384), VyrTest::readSample(QStringLiteral("displayid13-dela17f-4.bin")));
    // A failing override leaves the display as it was.
    m_sim.fail("Send", 1, NOX_ERR);
    QVERIFY(
        !b.nox->DisplayOverrideEDID(0, 1, reinterpret_cast<unsigned char *>(image.data()), 512));
    QCOMPARE(b.nox->DisplayGetEDIDEx(0, 1, reinterpret_cast<unsigned char *>(read.data()), 512),
             384);
}

void tst_NoxEdid::rawRecord()
{
    BoundNox b;
    NOXDisplayEDIDData data{};
    data.iSize = sizeof(data);
    data.iBlockIndex = 1;
    QVERIFY(b.nox->DisplayGetEDIDData(0, 0, &data));
    QCOMPARE(data.iEDIDSize, 128);
    QCOMPARE(QByteArray(data.cEDIDData, 128),
             VyrTest::readSample(QStringLiteral("cta-basic-sny4803-3.bin")).mid(128, 128));
    QVERIFY(!b.nox->DisplayGetEDIDData(0, 0, nullptr));
    data.iSize = 12;
    QVERIFY(!b.nox->DisplayGetEDIDData(0, 0, &data));
}

QTEST_GUILESS_MAIN(tst_NoxEdid)
#include "tst_noxedid.moc"
