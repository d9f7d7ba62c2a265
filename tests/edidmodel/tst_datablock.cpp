// The block base class: checksum helper, the common checksum step with its observer, the
// base-class answers of every virtual operation, and the border-active state.

#include "checksumcounter.h"
#include "edidbytes.h"
#include "model/datablock.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// Smallest concrete block: a 128-byte block whose checksum is byte 127.
class PlainBlock : public DataBlock
{
public:
    PlainBlock(unsigned char *data, unsigned offset, CallbackContext *context)
        : DataBlock(offset, context)
        , rawData(data)
    {}
    int recalcCalls = 0;
    bool borderState() const { return borderActive; }

protected:
    void recalcCheckSum() override
    {
        ++recalcCalls;
        storeBlockChecksum(rawData, 128);
    }

private:
    unsigned char *rawData;
};

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

const unsigned char *udata(const QByteArray &bytes)
{
    return reinterpret_cast<const unsigned char *>(bytes.constData());
}

} // namespace

class tst_DataBlock : public QObject
{
    Q_OBJECT

private slots:
    void checksumHelper_data();
    void checksumHelper();
    void checksumAgreesWithReferenceDecoder_data();
    void checksumAgreesWithReferenceDecoder();
    void checksumStepNotifiesOnlyOnChange();
    void baseOperationsAnswerNothing();
    void zeroMem();
    void borderActiveState();
    void modelNeedsNoGuiLibrary();
};

void tst_DataBlock::checksumHelper_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<uint>("count");
    QTest::addColumn<uint>("expected");

    QByteArray summingToZero(127, '\0');
    summingToZero[0] = static_cast<char>(0x80);
    summingToZero[126] = static_cast<char>(0x80);   // 0x100: 0 modulo 256
    QByteArray allFF(127, static_cast<char>(0xFF)); // 127 * 255 = 32385, mod 256 = 129

    QTest::newRow("no bytes") << QByteArray() << 0u << 0u;
    QTest::newRow("count 0 ignores the data") << bytesOf({0x12, 0x34}) << 0u << 0u;
    QTest::newRow("127 zero bytes") << QByteArray(127, '\0') << 127u << 0u;
    QTest::newRow("127 bytes summing to 256") << summingToZero << 127u << 0u;
    QTest::newRow("single 0x01") << bytesOf({0x01}) << 1u << 0xFFu;
    QTest::newRow("single 0x80") << bytesOf({0x80}) << 1u << 0x80u;
    QTest::newRow("sum 300 wraps") << bytesOf({0xFF, 0x2D}) << 2u << 0xD4u;
    QTest::newRow("only count bytes are summed") << bytesOf({0x01, 0x02, 0x03}) << 2u << 0xFDu;
    QTest::newRow("127 bytes 0xFF") << allFF << 127u << 127u;

    // Real base blocks: the helper reproduces the stored checksum.
    for (const char *name : {"edid13-analog-nec61d3-1.bin", "edid14-digital-auo623d-3.bin",
                             "edid-pre13-trl1012-1.bin"}) {
        const QByteArray sample = VyrTest::readSample(QString::fromLatin1(name));
        QVERIFY2(sample.size() >= 128, name);
        QTest::newRow(name) << sample.left(127) << 127u
                            << static_cast<uint>(static_cast<unsigned char>(sample.at(127)));
    }
}

void tst_DataBlock::checksumHelper()
{
    QFETCH(QByteArray, bytes);
    QFETCH(uint, count);
    QFETCH(uint, expected);
    const unsigned char *data = bytes.isEmpty() ? nullptr : udata(bytes);
    if (!data && count > 0)
        VYR_SKIP("no data");
    QCOMPARE(static_cast<uint>(DataBlock::computeOneByteCheckSum(data, count)), expected);
    // Adding the checksum makes the sum 0 modulo 256.
    unsigned sum = expected;
    for (unsigned i = 0; i < count; ++i)
        sum += static_cast<unsigned char>(bytes.at(static_cast<int>(i)));
    QCOMPARE(sum % 256u, 0u);
}

void tst_DataBlock::checksumAgreesWithReferenceDecoder_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : VyrTest::sampleNames())
        QTest::newRow(qPrintable(name)) << name;
}

// For every block of every sample the helper yields the checksum edid-decode expects: the
// stored one where it accepts the block, its "should be" value where it does not.
void tst_DataBlock::checksumAgreesWithReferenceDecoder()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QFETCH(QString, name);
    const QByteArray sample = VyrTest::readSample(name);
    QVERIFY(sample.size() % 128 == 0 && !sample.isEmpty());

    const QString out = VyrTest::edidDecode(sample);
    static const QRegularExpression re(
        QStringLiteral("^Checksum: 0x([0-9a-f]{2})(?: \\(should be 0x([0-9a-f]{2})\\))?"),
        QRegularExpression::MultilineOption);
    QList<unsigned> expected;
    for (auto it = re.globalMatch(out); it.hasNext();) {
        const auto m = it.next();
        const QString shouldBe = m.captured(2);
        expected << (shouldBe.isEmpty() ? m.captured(1) : shouldBe).toUInt(nullptr, 16);
    }
    QCOMPARE(expected.size(), sample.size() / 128);
    for (int block = 0; block < expected.size(); ++block) {
        const unsigned ours = DataBlock::computeOneByteCheckSum(udata(sample) + block * 128, 127);
        QVERIFY2(ours == expected.at(block), qPrintable(QStringLiteral("block %1: %2 instead of %3")
                                                            .arg(block)
                                                            .arg(ours)
                                                            .arg(expected.at(block))));
    }
}

void tst_DataBlock::checksumStepNotifiesOnlyOnChange()
{
    const QByteArray sample = VyrTest::readSample(QStringLiteral("edid13-digital-len4000-2.bin"));
    QVERIFY(sample.size() >= 128);
    std::array<unsigned char, 128> image{};
    std::copy_n(sample.constData(), 128, image.begin());
    unsigned char *data = image.data();
    const unsigned char good = data[127];

    VyrTest::ChecksumCounter context;
    PlainBlock block(data, 0, &context);

    // The checksum is already right: nothing is notified.
    block.RecalcCheckSum();
    QCOMPARE(block.recalcCalls, 1);
    QCOMPARE(data[127], good);
    QCOMPARE(context.count, 0);

    // An edit changes the checksum: one notification with the block itself.
    data[20] = static_cast<unsigned char>(data[20] ^ 0x01);
    block.RecalcCheckSum();
    QCOMPARE(context.count, 1);
    QCOMPARE(context.last, static_cast<DataBlock *>(&block));
    QCOMPARE(DataBlock::computeOneByteCheckSum(data, 128), static_cast<unsigned char>(0));

    // A wrong stored byte is repaired and reported.
    data[127] = static_cast<unsigned char>(data[127] + 1);
    block.RecalcCheckSum();
    QCOMPARE(context.count, 2);
    QCOMPARE(DataBlock::computeOneByteCheckSum(data, 128), static_cast<unsigned char>(0));

    // Without a context the step still writes, and nothing is called.
    PlainBlock quiet(data, 0, nullptr);
    data[20] = static_cast<unsigned char>(data[20] ^ 0x01);
    quiet.RecalcCheckSum();
    QCOMPARE(data[127], good);
    QCOMPARE(context.count, 2);
}

void tst_DataBlock::baseOperationsAnswerNothing()
{
    QByteArray image(128, '\x5A');
    auto *data = VyrTest::bytes(image);
    const QByteArray before = VyrTest::snapshot(image);
    PlainBlock block(data, 384, nullptr);
    DataBlock &base = block;

    QCOMPARE(base.GetStartOffset(), 384u);
    QCOMPARE(base.GetNumOfExtensions(), 0u);
    QCOMPARE(base.SupportExtensions(), false);
    QCOMPARE(base.GetChecksum(), 0u);
    QCOMPARE(base.GetBlockSize(), 0u);
    QCOMPARE(base.GetVersion(), 0u);
    QCOMPARE(base.Validate(nullptr), 0);
    QCOMPARE(base.DTBCount(), 0u);
    QCOMPARE(base.CVTCount(), 0u);
    QCOMPARE(base.STCount(), 0u);
    QCOMPARE(base.GetDescriptorID(0), DescriptorUnknown);
    QCOMPARE(base.IsDescriptorSupported(DescriptorDetailedTiming), false);
    QCOMPARE(base.IsEstablishedTimingSupported(0, 0), false);
    QVERIFY(base.GetEstablishedTimingName(0, 0).isEmpty());

    // Getters leave the caller's records untouched.
    DetailedTiming dt;
    dt.pixelClock = 1234;
    QCOMPARE(base.GetDetailedTiming(1, &dt), false);
    QCOMPARE(dt.pixelClock, 1234u);
    Cvt3ByteTiming cvt;
    cvt.lines = 77;
    QCOMPARE(base.GetCvt3ByteTiming(0, &cvt), false);
    QCOMPARE(cvt.lines, 77u);
    StandardTiming st;
    st.width = 99;
    QCOMPARE(base.GetStandardTiming(0, 0, &st), false);
    QCOMPARE(st.width, 99u);
    // Records of the base-block descriptors are never touched by the base: null is enough.
    QCOMPARE(base.GetColorManagement(1, nullptr), false);
    QCOMPARE(base.SetColorManagement(1, nullptr), false);
    base.GetRangeLimits(1, nullptr);
    base.SetRangeLimits(1, nullptr);
    base.GetDescriptorString(1, nullptr);
    base.SetDescriptorString(1, nullptr);
    base.GetColorPoint(1, nullptr);
    QCOMPARE(base.SetStandardTiming(0, 0, &st), false);

    // Location queries answer empty lists.
    const unsigned all = static_cast<unsigned>(-1);
    QVERIFY(base.GetDetailedTimingLocation(all, 1).isEmpty());
    QVERIFY(base.GetStringDescriptorLocation(all, 1).isEmpty());
    QVERIFY(base.GetStandardTimingLocation(all, 0).isEmpty());
    QVERIFY(base.GetCvt3ByteTimingLocation(all, 1).isEmpty());
    QVERIFY(base.GetRangeLimitsLocation(all, 1).isEmpty());
    QVERIFY(base.GetEstablishedTimingLocation(all, 0).isEmpty());
    QVERIFY(base.GetDummyDescriptorLocation(all, 1).isEmpty());
    QVERIFY(base.GetDescriptorsLocation().isEmpty());

    // Setters, adders and removers of the base write nothing.
    base.SetDetailedTiming(1, &dt);
    base.SetCvt3ByteTiming(0, &cvt);
    base.SetEstablishedTimingSupport(0, 0, true);
    base.RemoveDescriptor(0);
    base.AddDescriptor(DescriptorRangeLimits, 0);
    QString name = QStringLiteral("n"), description = QStringLiteral("d"),
            title = QStringLiteral("t");
    base.FillCellInfo(0, &name, &description, &title);
    base.FillModeInfo(nullptr);
    QCOMPARE(image, before);
    QCOMPARE(name, QStringLiteral("n"));
    QCOMPARE(block.recalcCalls, 0);
}

void tst_DataBlock::zeroMem()
{
    QByteArray bytes(8, '\x7F');
    DataBlock::ZeroMem(bytes.data() + 2, 4);
    QCOMPARE(bytes, QByteArray::fromHex("7f7f000000007f7f"));
    DataBlock::ZeroMem(bytes.data(), 0);
    DataBlock::ZeroMem(bytes.data(), -3);
    DataBlock::ZeroMem(nullptr, 4);
    QCOMPARE(bytes, QByteArray::fromHex("7f7f000000007f7f"));
}

// Every detailed timing a block decodes carries the block's border-active state.
void tst_DataBlock::borderActiveState()
{
    QByteArray image(128, '\0');
    PlainBlock block(VyrTest::bytes(image), 0, nullptr);
    QCOMPARE(block.borderState(), false);

    const QByteArray dtd = QByteArray::fromHex("023a801871382d40582c4500c48e2100001e");
    const auto *raw = reinterpret_cast<const EdidDetailedTiming *>(dtd.constData());
    DetailedTiming t;
    block.edidToDetailedTiming(raw, &t);
    QCOMPARE(t.borderActive, false);

    block.setBorderActiveState(true);
    QCOMPARE(block.borderState(), true);
    block.edidToDetailedTiming(raw, &t);
    QCOMPARE(t.borderActive, true);
}

// The block model links Qt Core only: a program using it loads no GUI or widget library.
void tst_DataBlock::modelNeedsNoGuiLibrary()
{
    std::ifstream maps("/proc/self/maps");
    if (!maps)
        VYR_SKIP("no /proc/self/maps");
    const std::string text((std::istreambuf_iterator<char>(maps)),
                           std::istreambuf_iterator<char>());
    QVERIFY(text.find("libQt5Core") != std::string::npos);
    QVERIFY(text.find("libQt5Widgets") == std::string::npos);
    QVERIFY(text.find("libQt5Gui") == std::string::npos);
}

QTEST_GUILESS_MAIN(tst_DataBlock)
#include "tst_datablock.moc"
