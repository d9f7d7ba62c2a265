// DPCD snapshots and their access objects against the simulated driver: the name
// table read run by run in chunks of at most 16 bytes, failed chunks kept as zeros,
// virtual snapshots that never reach the driver, the branch commands, and transfers
// bounded by the record and by the caller's buffer.

#include "dpcdtabledata.h"
#include "dpcdtableinfo.h"
#include "drivercommunicator.h"
#include "noxdpcdaccess.h"
#include "noxtestsupport.h"
#include "virtualdpcdaccess.h"
#include "zovredidpcdaccess.h"

using namespace NoxTest;

namespace {

const char kAuxEntry[] = "NOX_Display_NativeAUXChannel_Access";

// Demo machine: the DisplayPort monitor, and the first monitor behind the MST branch.
constexpr unsigned kDpAdapter = 0;
constexpr unsigned kDpDisplay = 1;
constexpr unsigned kMstAdapter = 1;
constexpr unsigned kMstDisplay = 2;

enum class Kind { Nox, Zovredi };

I4DpcdAccess *makeAccess(Kind kind, DriverCommunicator *communicator, unsigned adapter,
                         unsigned display)
{
    if (kind == Kind::Nox)
        return new NoxDpcdAccess(communicator, adapter, display);
    return new ZovrediDpcdAccess(communicator, adapter, display);
}

QString text(const DpcdTableData &snapshot, unsigned address, int length)
{
    QString result;
    for (int i = 0; i < length; ++i)
        result += QChar(snapshot.GetValueByAddress(address + static_cast<unsigned>(i)));
    return result;
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class tst_DpcdAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void updateReadsTheTableRunByRun();
    void longRunReadInChunksOf16();
    void failedChunkKeptAsZeros();
    void noReadWithoutDriver_data();
    void noReadWithoutDriver();
    void branchFlagChoosesBranchCommands_data();
    void branchFlagChoosesBranchCommands();
    void accessCommands_data();
    void accessCommands();
    void transferBounds_data();
    void transferBounds();
    void failedTransfers_data();
    void failedTransfers();

private:
    // The AUX entry-point calls since the last clear: {command, byte count} each.
    QVector<QPair<unsigned, int>> auxCalls() const;
    // A communicator bound to the simulated library ("loaded"), one whose library is
    // missing ("unloaded"), or none.
    DriverCommunicator *communicator(const QString &driver);

    SimLibrary m_sim;
    std::unique_ptr<DriverCommunicator> m_driver;
    std::unique_ptr<DriverCommunicator> m_unloaded;
};

DriverCommunicator *tst_DpcdAccess::communicator(const QString &driver)
{
    if (driver == QLatin1String("loaded"))
        return m_driver.get();
    if (driver != QLatin1String("unloaded"))
        return nullptr;
    if (!m_unloaded)
        m_unloaded = std::make_unique<DriverCommunicator>(
            nullptr, QStringList{QStringLiteral("/nonexistent/libwexnoxxx.so")});
    return m_unloaded.get();
}

QVector<QPair<unsigned, int>> tst_DpcdAccess::auxCalls() const
{
    QVector<QPair<unsigned, int>> result;
    for (const VyrSimCall &call : m_sim.callRecords()) {
        if (qstrcmp(call.entry, kAuxEntry) == 0)
            result << qMakePair(call.function, call.inputSize);
    }
    return result;
}

void tst_DpcdAccess::initTestCase()
{
    QVERIFY(m_sim.loaded);
}

void tst_DpcdAccess::init()
{
    m_driver.reset();
    QCOMPARE(m_sim.reset(), 0);
    m_driver =
        std::make_unique<DriverCommunicator>(nullptr, QStringList{NoxTest::simulatedLibrary()});
    QVERIFY(m_driver->IsNoxLoaded());
    m_sim.clearCalls();
}

void tst_DpcdAccess::updateReadsTheTableRunByRun()
{
    DpcdTableData snapshot(m_driver.get(), kDpAdapter, kDpDisplay, false);
    QVERIFY(!snapshot.IsVirtual());
    QCOMPARE(snapshot.GetSize(), 0u);

    QCOMPARE(snapshot.Update(), 76u);
    const QVector<QPair<unsigned, int>> reads = {{0, 6},  {0, 5},  {0, 8},  {0, 12},
                                                 {0, 12}, {0, 16}, {0, 16}, {0, 1}};
    QCOMPARE(auxCalls(), reads);
    QCOMPARE(m_sim.callCount(), reads.size());

    QCOMPARE(snapshot.GetSize(), 76u);
    QCOMPARE(snapshot.GetAddress(6), 0x007u);
    QCOMPARE(snapshot.GetAddress(75), 0x600u);
    QCOMPARE(snapshot.GetValueByIndex(0), 0x12u);       // DPCD revision 1.2
    QCOMPARE(snapshot.GetValueByAddress(0x002), 0x84u); // enhanced framing, 4 lanes
    QCOMPARE(text(snapshot, 0x403, 5), QStringLiteral("SIMDP"));
    QCOMPARE(snapshot.GetValueByAddress(0x600), 0x01u);
    // Not in the table, and past the end.
    QCOMPARE(snapshot.GetValueByAddress(0x006), 0u);
    QCOMPARE(snapshot.GetAddress(76), 0u);
    QCOMPARE(snapshot.GetValueByIndex(76), 0u);

    // Every Update reads everything again.
    m_sim.clearCalls();
    QCOMPARE(snapshot.Update(), 76u);
    QCOMPARE(auxCalls().size(), reads.size());
}

void tst_DpcdAccess::longRunReadInChunksOf16()
{
    // 0x410 joins the sink identification run: 0x400-0x410, 17 registers.
    const unsigned char value = 0xAB;
    QVERIFY(NoxDpcdAccess(m_driver.get(), kDpAdapter, kDpDisplay)
                .WriteDpcdData(0x410, &value, 1, false));
    QVERIFY(m_driver->GetDpcdTableInfo()->AddRegInfo(0x410, QStringLiteral("Extra")));
    m_sim.clearCalls();

    DpcdTableData snapshot(m_driver.get(), kDpAdapter, kDpDisplay, false);
    QCOMPARE(snapshot.Update(), 77u);
    const QVector<QPair<unsigned, int>> reads = {{0, 6},  {0, 5}, {0, 8},  {0, 12}, {0, 12},
                                                 {0, 16}, {0, 1}, {0, 16}, {0, 1}};
    QCOMPARE(auxCalls(), reads);
    QCOMPARE(text(snapshot, 0x403, 5), QStringLiteral("SIMDP"));
    QCOMPARE(snapshot.GetValueByAddress(0x410), 0xABu);

    // ReadRegisters answers the length of its last chunk and numbers the rows itself.
    DpcdRegisterData rows[17];
    rows[0].address = 0x400;
    QCOMPARE(snapshot.ReadRegisters(rows, 17), 1u);
    QCOMPARE(rows[16].address, 0x410u);
    QCOMPARE(rows[16].value, 0xABu);
    QCOMPARE(rows[3].address, 0x403u);
    QCOMPARE(rows[3].value, static_cast<unsigned>('S'));
    QCOMPARE(snapshot.ReadRegisters(rows, 0), 0u);
}

void tst_DpcdAccess::failedChunkKeptAsZeros()
{
    DpcdTableData snapshot(m_driver.get(), kDpAdapter, kDpDisplay, false);
    QCOMPARE(snapshot.Update(), 76u);
    QCOMPARE(snapshot.GetValueByAddress(0x403), static_cast<unsigned>('S'));

    // The sixth chunk is the sink identification run 0x400-0x40F.
    m_sim.fail(kAuxEntry, 6, NOX_ERR);
    m_sim.clearCalls();
    QCOMPARE(snapshot.Update(), 76u);
    QCOMPARE(auxCalls().size(), 8);
    for (unsigned address = 0x400; address <= 0x40F; ++address)
        QCOMPARE(snapshot.GetValueByAddress(address), 0u);
    // The chunks before and after it are read as usual.
    QCOMPARE(snapshot.GetValueByAddress(0x000), 0x12u);
    QCOMPARE(snapshot.GetValueByAddress(0x600), 0x01u);
}

void tst_DpcdAccess::noReadWithoutDriver_data()
{
    QTest::addColumn<QString>("driver");
    QTest::addColumn<bool>("virtualAccess");
    QTest::addColumn<bool>("isVirtual");
    QTest::newRow("virtual snapshot, driver loaded") << "loaded" << true << true;
    QTest::newRow("no communicator") << "none" << false << false;
    QTest::newRow("driver library not loaded") << "unloaded" << false << false;
}

void tst_DpcdAccess::noReadWithoutDriver()
{
    QFETCH(QString, driver);
    QFETCH(bool, virtualAccess);
    QFETCH(bool, isVirtual);
    DriverCommunicator *driverCommunicator = communicator(driver);
    QVERIFY(!driverCommunicator || driverCommunicator->IsNoxLoaded() == (driver == "loaded"));
    m_sim.clearCalls();

    std::unique_ptr<DpcdTableData> snapshot;
    if (virtualAccess)
        snapshot = std::make_unique<DpcdTableData>(driverCommunicator, kDpAdapter, kDpDisplay,
                                                   new VirtualDpcdAccess, false);
    else
        snapshot =
            std::make_unique<DpcdTableData>(driverCommunicator, kDpAdapter, kDpDisplay, false);
    QCOMPARE(snapshot->IsVirtual(), isVirtual);
    QCOMPARE(snapshot->Update(), 0u);
    QCOMPARE(snapshot->GetSize(), 0u);
    DpcdRegisterData rows[4] = {{0x000, 7}};
    QCOMPARE(snapshot->ReadRegisters(rows, 4), 0u);
    QCOMPARE(rows[0].value, 7u);

    // A clone keeps the kind of access.
    std::unique_ptr<DpcdTableData> clone(snapshot->CloneWithArg(true));
    QCOMPARE(clone->IsVirtual(), isVirtual);
    QCOMPARE(clone->Update(), 0u);
    QCOMPARE(m_sim.callCount(), 0);
}

void tst_DpcdAccess::branchFlagChoosesBranchCommands_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("native AUX entry point") << Kind::Nox;
    QTest::newRow("AUX escape") << Kind::Zovredi;
}

void tst_DpcdAccess::branchFlagChoosesBranchCommands()
{
    QFETCH(Kind, kind);
    DpcdTableData sink(m_driver.get(), kMstAdapter, kMstDisplay,
                       makeAccess(kind, m_driver.get(), kMstAdapter, kMstDisplay), false);
    QVERIFY(!sink.IsBranch());
    QCOMPARE(sink.Update(), 76u);
    QCOMPARE(text(sink, 0x403, 6), QStringLiteral("SIMMS1"));
    QCOMPARE(sink.GetValueByAddress(0x005), 0u); // no downstream port

    std::unique_ptr<DpcdTableData> branch(sink.CloneWithArg(true));
    QVERIFY(branch->IsBranch());
    QVERIFY(!branch->IsVirtual());
    QCOMPARE(branch->GetSize(), 0u); // a clone starts empty
    m_sim.clearCalls();
    QCOMPARE(branch->Update(), 76u);
    QCOMPARE(text(*branch, 0x403, 5), QStringLiteral("SIMBR"));
    QCOMPARE(branch->GetValueByAddress(0x005), 1u); // downstream port present
    QCOMPARE(text(*branch, 0x503, 5), QStringLiteral("SIMBR"));

    const QVector<VyrSimCall> calls = m_sim.callRecords();
    QCOMPARE(calls.size(), 8);
    if (kind == Kind::Nox) {
        for (const VyrSimCall &call : calls) {
            QCOMPARE(QString::fromLatin1(call.entry), QString::fromLatin1(kAuxEntry));
            QCOMPARE(call.function, 2u); // read through the branch
        }
    } else {
        for (const VyrSimCall &call : calls) {
            QCOMPARE(QString::fromLatin1(call.entry), QStringLiteral("Send"));
            QCOMPARE(call.code, 0x130037u);
        }
        // Input record after the 16-byte escape header: size, command, address, count.
        const QByteArray frame = m_sim.frame();
        QCOMPARE(word(frame, 16), 48u);
        QCOMPARE(word(frame, 20), 3u); // read through the branch
        QCOMPARE(word(frame, 24), 0x600u);
        QCOMPARE(word(frame, 28), 1u);
    }
}

void tst_DpcdAccess::accessCommands_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("branch");
    QTest::addColumn<unsigned>("readCommand");
    QTest::addColumn<unsigned>("writeCommand");
    QTest::newRow("entry point, sink") << Kind::Nox << false << 0u << 1u;
    QTest::newRow("entry point, branch") << Kind::Nox << true << 2u << 3u;
    QTest::newRow("escape, sink") << Kind::Zovredi << false << 1u << 2u;
    QTest::newRow("escape, branch") << Kind::Zovredi << true << 3u << 4u;
}

void tst_DpcdAccess::accessCommands()
{
    QFETCH(Kind, kind);
    QFETCH(bool, branch);
    QFETCH(unsigned, readCommand);
    QFETCH(unsigned, writeCommand);
    std::unique_ptr<I4DpcdAccess> access(
        makeAccess(kind, m_driver.get(), kMstAdapter, kMstDisplay));
    // The command of the last call, from the call log or the escape frame.
    auto lastCommand = [&] {
        if (kind == Kind::Nox)
            return m_sim.callRecords().constLast().function;
        return word(m_sim.frame(), 20);
    };

    const unsigned char written[3] = {0x11, 0x22, 0x33};
    QVERIFY(access->WriteDpcdData(0x30C, written, 3, branch));
    QCOMPARE(lastCommand(), writeCommand);
    unsigned char read[3] = {};
    QVERIFY(access->ReadDpcdData(0x30C, read, 3, branch));
    QCOMPARE(lastCommand(), readCommand);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(read), 3), QByteArray("\x11\x22\x33"));
    // The other side of the branch was not written.
    QVERIFY(access->ReadDpcdData(0x30C, read, 3, !branch));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(read), 3), QByteArray(3, '\0'));

    // A clone talks to the same display the same way.
    std::unique_ptr<I4DpcdAccess> clone(access->Clone());
    QVERIFY(clone->ReadDpcdData(0x30C, read, 3, branch));
    QCOMPARE(lastCommand(), readCommand);
    QCOMPARE(read[2], static_cast<unsigned char>(0x33));
}

void tst_DpcdAccess::transferBounds_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("write");
    QTest::addColumn<unsigned>("length");
    QTest::addColumn<int>("extraReply"); // bytes the driver claims beyond the request
    QTest::addColumn<bool>("sent");
    QTest::newRow("entry point, reply longer than the buffer")
        << Kind::Nox << false << 4u << 8 << true;
    QTest::newRow("entry point, reply longer than the record")
        << Kind::Nox << false << 16u << 40 << true;
    QTest::newRow("escape, reply longer than the buffer")
        << Kind::Zovredi << false << 4u << 8 << true;
    QTest::newRow("escape, reply longer than the record")
        << Kind::Zovredi << false << 32u << 40 << true;
    QTest::newRow("entry point, read of 17") << Kind::Nox << false << 17u << 0 << false;
    QTest::newRow("entry point, write of 16") << Kind::Nox << true << 16u << 0 << true;
    QTest::newRow("entry point, write of 17") << Kind::Nox << true << 17u << 0 << false;
    QTest::newRow("escape, read of 33") << Kind::Zovredi << false << 33u << 0 << false;
    QTest::newRow("escape, write of 32") << Kind::Zovredi << true << 32u << 0 << true;
    QTest::newRow("escape, write of 33") << Kind::Zovredi << true << 33u << 0 << false;
}

void tst_DpcdAccess::transferBounds()
{
    QFETCH(Kind, kind);
    QFETCH(bool, write);
    QFETCH(unsigned, length);
    QFETCH(int, extraReply);
    QFETCH(bool, sent);
    m_sim.setOption("auxReplyExtraBytes", extraReply);
    std::unique_ptr<I4DpcdAccess> access(makeAccess(kind, m_driver.get(), kDpAdapter, kDpDisplay));

    // The caller's bytes, then a guard that no transfer may touch.
    const int guard = 64;
    QByteArray buffer(static_cast<int>(length) + guard, '\xEE');
    auto *bytes = reinterpret_cast<unsigned char *>(buffer.data());
    const bool done = write ? access->WriteDpcdData(0x300, bytes, length, false)
                            : access->ReadDpcdData(0x400, bytes, length, false);
    QCOMPARE(done, sent);
    QCOMPARE(buffer.mid(static_cast<int>(length)), QByteArray(guard, '\xEE'));
    QCOMPARE(m_sim.callCount(), sent ? 1 : 0);
    if (!sent)
        return;
    if (kind == Kind::Nox)
        QCOMPARE(m_sim.callRecords().constFirst().inputSize, static_cast<int>(length));
    else
        QCOMPARE(word(m_sim.frame(), 28), length);
    if (!write) {
        // 0x400-0x407: sink OUI (unset, 0), then the identification "SIMDP".
        const QByteArray expected("\0\0\0SIMDP", 8);
        const int compared = std::min(static_cast<int>(length), 8);
        QCOMPARE(buffer.left(compared), expected.left(compared));
    }
}

void tst_DpcdAccess::failedTransfers_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("driver");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("calls");
    QTest::newRow("entry point fails") << Kind::Nox << "loaded"
                                       << "entry" << 1;
    QTest::newRow("escape fails") << Kind::Zovredi << "loaded"
                                  << "escape" << 1;
    QTest::newRow("entry point, no branch in front of the sink") << Kind::Nox << "loaded"
                                                                 << "branch" << 1;
    QTest::newRow("escape, no branch in front of the sink") << Kind::Zovredi << "loaded"
                                                            << "branch" << 1;
    QTest::newRow("escape, driver library not loaded") << Kind::Zovredi << "unloaded"
                                                       << "" << 0;
    QTest::newRow("entry point, driver library not loaded") << Kind::Nox << "unloaded"
                                                            << "" << 0;
    QTest::newRow("entry point, no communicator") << Kind::Nox << "none"
                                                  << "" << 0;
    QTest::newRow("escape, no communicator") << Kind::Zovredi << "none"
                                             << "" << 0;
}

void tst_DpcdAccess::failedTransfers()
{
    QFETCH(Kind, kind);
    QFETCH(QString, driver);
    QFETCH(QString, failure);
    QFETCH(int, calls);
    m_sim.clearCalls();
    if (failure == QLatin1String("entry"))
        m_sim.fail(kAuxEntry, 1, NOX_ERR);
    else if (failure == QLatin1String("escape"))
        m_sim.fail("Send", 1, NOX_ERR);
    const bool branch = failure == QLatin1String("branch");

    std::unique_ptr<I4DpcdAccess> access(
        makeAccess(kind, communicator(driver), kDpAdapter, kDpDisplay));
    unsigned char buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    QVERIFY(!access->ReadDpcdData(0x000, buffer, 4, branch));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), 4), QByteArray(4, '\xEE'));
    QCOMPARE(m_sim.callCount(), calls);
}

QTEST_GUILESS_MAIN(tst_DpcdAccess)
#include "tst_dpcdaccess.moc"
