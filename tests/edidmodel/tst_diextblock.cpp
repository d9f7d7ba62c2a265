#include "checksumcounter.h"
#include "edidbytes.h"
#include "extblockimage.h"
#include "model/diext/diextblock.h"
#include "reportsink.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

using namespace ExtBlockImage;
using namespace VyrTest;

namespace {

constexpr char Filler = '\xA5';

// A 512-byte image whose block 1 is the given DI-EXT block and whose other bytes hold a
// filler that no DI-EXT operation may touch.
QByteArray imageWith(const QByteArray &block)
{
    QByteArray image(512, Filler);
    image.replace(BlockOffset, 128, block.left(128));
    return image;
}

QByteArray freshBlock()
{
    QByteArray block(128, '\0');
    DiExtBlock::InitBuffer(bytes(block), 128);
    return block;
}

// The DI-EXT block of a sample with the base block in front, as edid-decode wants it.
QByteArray withBase(const QString &sample, const QByteArray &block)
{
    QByteArray bytes = VyrTest::readSample(sample).left(256);
    bytes.replace(128, 128, block);
    return bytes;
}

// A pseudo-random DI-EXT block that stores only representable values: in the version and
// revision form the hundredths bytes stay below 100.
QByteArray craftedBlock(quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray block(128, '\0');
    for (int i = 1; i < 127; ++i)
        block[i] = static_cast<char>(random.bounded(256));
    block[0] = '\x40';
    // Bytes 3-6 as a writer leaves them: unused parts of the version field are zero.
    const auto form = static_cast<unsigned char>(block[3]) >> 6;
    if (form == 1) {
        block[4] = static_cast<char>(static_cast<unsigned char>(block[4]) % 100);
        block[6] = static_cast<char>(static_cast<unsigned char>(block[6]) % 100);
    } else {
        block[3] = static_cast<char>(form << 6);
        if (form != 3)
            block.replace(5, 2, QByteArray(2, '\0'));
        if (form == 0)
            block[4] = '\0';
    }
    DiExtBlock diext(bytes(block), 128, 0, nullptr);
    diext.RecalcCheckSum();
    return block;
}

// A version or revision number as edid-decode prints it: integer part, a dot, and the
// hundredths byte in decimal without padding (1.05 prints as "1.5").
QString decoderVersionText(double value)
{
    const auto hundredths = static_cast<unsigned>(std::lround(value * 100.0));
    return QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100);
}

} // namespace

class tst_DiExtBlock : public QObject
{
    Q_OBJECT

private slots:
    void freshBlockLayout();
    void sectionsRoundTrip_data();
    void sectionsRoundTrip();
    void versionForms_data();
    void versionForms();
    void analogInterfaceClearsDataFormat();
    void keptBitsAndFieldWidths();
    void scaledValues_data();
    void scaledValues();
    void dataFormatCodes_data();
    void dataFormatCodes();
    void locations_data();
    void locations();
    void agreesWithEdidDecode_data();
    void agreesWithEdidDecode();
    void reportAndCellNames();
};

void tst_DiExtBlock::freshBlockLayout()
{
    // A fresh block: tag, version 1, everything else zero, a valid checksum.
    QByteArray image = imageWith(freshBlock());
    QCOMPARE(image.mid(BlockOffset, 2), QByteArray("\x40\x01", 2));
    QCOMPARE(image.mid(BlockOffset + 2, 125), QByteArray(125, '\0'));
    QVERIFY(checksumOk(image, BlockOffset));

    // Form 0 decodes the versions and leaves the number, letter and date fields alone.
    DiExtBlock block(blockOf(image), 384, BlockOffset, nullptr);
    DiGeneralInfo info = patterned<DiGeneralInfo>();
    const DiGeneralInfo untouched = info;
    block.GetGeneralInfo(&info);
    QCOMPARE(info.version, 1u);
    QCOMPARE(info.interfaceStandard, 0u);
    QCOMPARE(info.versionForm, 0u);
    QCOMPARE(unsigned(info.checksum), unsigned(static_cast<unsigned char>(image[255])));
    QVERIFY(std::memcmp(&info.versionNumber, &untouched.versionNumber,
                        offsetof(DiGeneralInfo, checksum) - offsetof(DiGeneralInfo, versionNumber))
            == 0);
}

void tst_DiExtBlock::sectionsRoundTrip_data()
{
    QTest::addColumn<QByteArray>("block");
    for (const QString &name : VyrTest::sampleNames()) {
        if (name.startsWith(QLatin1String("diext-")))
            QTest::newRow(qPrintable(name)) << VyrTest::readSample(name).mid(128, 128);
    }
    QTest::newRow("fresh") << freshBlock();
    QByteArray ones(128, '\xFF');
    ones[0] = '\x40';
    ones[3] = '\xC0'; // a date: bits 5-0 of byte 3 are not part of it
    QTest::newRow("all bits set (form 3)") << ones;
    for (quint32 seed = 1; seed <= 24; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("crafted %1").arg(seed))) << craftedBlock(seed);
}

// Every section read and written back leaves the block byte for byte as it was.
void tst_DiExtBlock::sectionsRoundTrip()
{
    QFETCH(QByteArray, block);
    QByteArray image = imageWith(block);
    DiExtBlock diext(blockOf(image), 384, BlockOffset, nullptr);
    diext.RecalcCheckSum();
    const QByteArray original = snapshot(image);

    auto roundTrip = [&](auto record, auto get, auto set) {
        std::memset(&record, 0, sizeof record);
        (diext.*get)(&record);
        (diext.*set)(&record);
    };
    roundTrip(DiDisplayDevice{}, &DiExtBlock::GetDisplayDevice, &DiExtBlock::SetDisplayDevice);
    QCOMPARE(image.mid(BlockOffset, 128).toHex(), original.mid(BlockOffset, 128).toHex());
    roundTrip(DiDisplayCaps{}, &DiExtBlock::GetDisplayCaps, &DiExtBlock::SetDisplayCaps);
    QCOMPARE(image.mid(BlockOffset, 128).toHex(), original.mid(BlockOffset, 128).toHex());
    roundTrip(DiColorProperties{}, &DiExtBlock::GetColorProperties,
              &DiExtBlock::SetColorProperties);
    QCOMPARE(image.mid(BlockOffset, 128).toHex(), original.mid(BlockOffset, 128).toHex());
    roundTrip(DiGamma{}, &DiExtBlock::GetGamma, &DiExtBlock::SetGamma);
    QCOMPARE(image.mid(BlockOffset, 128).toHex(), original.mid(BlockOffset, 128).toHex());

    // Byte 8 may hold a code outside the five known ones: the caller's out-of-range value
    // then survives the read and leaves byte 8 alone on the write.
    DiDataFormatDesc format;
    std::memset(&format, 0, sizeof format);
    format.dataFormat = 0xFFFFFFFFu;
    diext.GetDataFormatDesc(&format);
    diext.SetDataFormatDesc(&format);
    QCOMPARE(image.mid(BlockOffset, 128).toHex(), original.mid(BlockOffset, 128).toHex());

    DiGeneralInfo info;
    std::memset(&info, 0, sizeof info);
    diext.GetGeneralInfo(&info);
    diext.SetGeneralInfo(&info);
    if (info.interfaceStandard == 0) {
        // An analog interface resets the data format section (bytes 7-13) by design.
        QCOMPARE(image.mid(BlockOffset, 7).toHex(), original.mid(BlockOffset, 7).toHex());
        QCOMPARE(image.mid(BlockOffset + 14, 113).toHex(),
                 original.mid(BlockOffset + 14, 113).toHex());
    } else {
        QCOMPARE(image.mid(BlockOffset, 128).toHex(), original.mid(BlockOffset, 128).toHex());
    }
    QCOMPARE(outsideBlock(image), outsideBlock(original));
    QVERIFY(checksumOk(image, BlockOffset));
}

void tst_DiExtBlock::versionForms_data()
{
    QTest::addColumn<unsigned>("form");
    QTest::addColumn<double>("version");
    QTest::addColumn<double>("revision");
    QTest::addColumn<unsigned>("letter");
    QTest::addColumn<unsigned>("year");
    QTest::addColumn<unsigned>("month");
    QTest::addColumn<unsigned>("day");
    QTest::addColumn<QByteArray>("bytes3to6");
    QTest::addColumn<double>("readVersion");
    QTest::addColumn<double>("readRevision");
    QTest::addColumn<unsigned>("readYear");

    QTest::newRow("form 1: 1.25 / 2.5") << 1u << 1.25 << 2.5 << 0u << 0u << 0u << 0u
                                        << QByteArray("\x41\x19\x02\x32", 4) << 1.25 << 2.5 << 0u;
    // What an editor hands over as float: nearest hundredths, never one below.
    QTest::newRow("form 1: float 1.13 / 2.5")
        << 1u << double(1.13f) << double(2.5f) << 0u << 0u << 0u << 0u
        << QByteArray("\x41\x0d\x02\x32", 4) << 1.13 << 2.5 << 0u;
    QTest::newRow("form 1: 1.20 stays 1.20")
        << 1u << double(1.2f) << 0.2 << 0u << 0u << 0u << 0u << QByteArray("\x41\x14\x00\x14", 4)
        << 1.2 << 0.2 << 0u;
    QTest::newRow("form 1: 12.34 / 255.99")
        << 1u << 12.34 << 255.99 << 0u << 0u << 0u << 0u << QByteArray("\x4c\x22\xff\x63", 4)
        << 12.34 << 255.99 << 0u;
    QTest::newRow("form 1: 1.999 rounds up")
        << 1u << 1.999 << 0.004 << 0u << 0u << 0u << 0u << QByteArray("\x42\x00\x00\x00", 4) << 2.0
        << 0.0 << 0u;
    QTest::newRow("form 1: beyond the field caps")
        << 1u << 64.5 << 300.0 << 0u << 0u << 0u << 0u << QByteArray("\x7f\x63\xff\x63", 4) << 63.99
        << 255.99 << 0u;
    QTest::newRow("form 1: negative and NaN")
        << 1u << -3.0 << std::numeric_limits<double>::quiet_NaN() << 0u << 0u << 0u << 0u
        << QByteArray("\x40\x00\x00\x00", 4) << 0.0 << 0.0 << 0u;
    QTest::newRow("form 2: letter A") << 2u << 9.0 << 9.0 << 0x41u << 2000u << 1u << 1u
                                      << QByteArray("\x80\x41\x00\x00", 4) << 0.0 << 0.0 << 0u;
    QTest::newRow("form 3: 2014-05-20") << 3u << 9.0 << 9.0 << 0x41u << 2014u << 5u << 20u
                                        << QByteArray("\xc0\x18\x05\x14", 4) << 0.0 << 0.0 << 2014u;
    QTest::newRow("form 3: 1989 wraps modulo 256")
        << 3u << 0.0 << 0.0 << 0u << 1989u << 12u << 31u << QByteArray("\xc0\xff\x0c\x1f", 4) << 0.0
        << 0.0 << 2245u;
    QTest::newRow("no such form: none") << 5u << 1.5 << 1.5 << 0x41u << 2014u << 5u << 20u
                                        << QByteArray(4, '\0') << 0.0 << 0.0 << 0u;
    QTest::newRow("form 0 clears") << 0u << 1.5 << 1.5 << 0x41u << 2014u << 5u << 20u
                                   << QByteArray(4, '\0') << 0.0 << 0.0 << 0u;
}

void tst_DiExtBlock::versionForms()
{
    QFETCH(unsigned, form);
    QFETCH(double, version);
    QFETCH(double, revision);
    QFETCH(unsigned, letter);
    QFETCH(unsigned, year);
    QFETCH(unsigned, month);
    QFETCH(unsigned, day);
    QFETCH(QByteArray, bytes3to6);
    QFETCH(double, readVersion);
    QFETCH(double, readRevision);
    QFETCH(unsigned, readYear);

    QByteArray block = VyrTest::readSample("diext-app9220-1.bin").mid(128, 128);
    block[3] = '\xFF'; // every old bit of bytes 3-6 must go
    block[4] = '\xFF';
    block[5] = '\xFF';
    block[6] = '\xFF';
    QByteArray image = imageWith(block);
    const QByteArray outside = outsideBlock(image);
    DiExtBlock diext(blockOf(image), 384, BlockOffset, nullptr);

    DiGeneralInfo info;
    std::memset(&info, 0, sizeof info);
    info.interfaceStandard = 3;
    info.versionForm = form;
    info.versionNumber = version;
    info.revisionNumber = revision;
    info.letter = static_cast<uint8_t>(letter);
    info.year = year;
    info.month = month;
    info.day = day;
    info.version = 77; // byte 1 is not written
    diext.SetGeneralInfo(&info);
    QCOMPARE(image.mid(BlockOffset + 3, 4).toHex(), bytes3to6.toHex());
    QCOMPARE(image[BlockOffset + 1], '\x01');
    QCOMPARE(image[BlockOffset + 2], '\x03');
    QVERIFY(checksumOk(image, BlockOffset));
    QCOMPARE(outsideBlock(image), outside);

    DiGeneralInfo read;
    std::memset(&read, 0, sizeof read);
    diext.GetGeneralInfo(&read);
    QCOMPARE(read.versionForm, form <= 3 ? form : 0u);
    if (form == 1) {
        QCOMPARE(read.versionNumber, readVersion);
        QCOMPARE(read.revisionNumber, readRevision);
    } else if (form == 2) {
        QCOMPARE(unsigned(read.letter), letter);
    } else if (form == 3) {
        QCOMPARE(read.year, readYear);
        QCOMPARE(read.month, month);
        QCOMPARE(read.day, day);
    }
    // What was read writes back the same bytes.
    diext.SetGeneralInfo(&read);
    QCOMPARE(image.mid(BlockOffset + 3, 4).toHex(), bytes3to6.toHex());

    const QString decoded =
        VyrTest::edidDecode(withBase("diext-app9220-1.bin", image.mid(128, 128)));
    if (form == 1)
        QVERIFY2(
            decoded.contains(QStringLiteral("Version: %1\n").arg(decoderVersionText(readVersion)))
                && decoded.contains(
                    QStringLiteral("Release: %1\n").arg(decoderVersionText(readRevision))),
            qPrintable(decoded));
    else if (form == 3)
        QVERIFY2(decoded.contains(
                     QStringLiteral("Year %1 Week %2 Day %3").arg(readYear).arg(month).arg(day)),
                 qPrintable(decoded));
}

void tst_DiExtBlock::analogInterfaceClearsDataFormat()
{
    QByteArray block = VyrTest::readSample("diext-app9219-1.bin").mid(128, 128);
    block[7] = '\xFF';
    QByteArray image = imageWith(block);
    DiExtBlock diext(blockOf(image), 384, BlockOffset, nullptr);
    diext.RecalcCheckSum();
    const QByteArray before = snapshot(image);

    DiGeneralInfo info;
    std::memset(&info, 0, sizeof info);
    diext.GetGeneralInfo(&info);
    info.interfaceStandard = 0;
    diext.SetGeneralInfo(&info);
    QCOMPARE(image[BlockOffset + 2], '\0');
    QCOMPARE(image.mid(BlockOffset + 7, 7).toHex(), QByteArray("01150000000000"));
    // Nothing else changed but the checksum.
    QCOMPARE(image.left(BlockOffset + 2), before.left(BlockOffset + 2));
    QCOMPARE(image.mid(BlockOffset + 3, 4), before.mid(BlockOffset + 3, 4));
    QCOMPARE(image.mid(BlockOffset + 14, 113), before.mid(BlockOffset + 14, 113));
    QCOMPARE(image.mid(BlockOffset + 128), before.mid(BlockOffset + 128));
    QVERIFY(checksumOk(image, BlockOffset));
}

// Writing all-zero and all-set records: the bits each setter keeps, the bits it owns, and the
// low bytes of wide fields.
void tst_DiExtBlock::keptBitsAndFieldWidths()
{
    QByteArray ones(128, '\xFF');
    ones[0] = '\x40';
    QByteArray image = imageWith(ones);
    DiExtBlock diext(blockOf(image), 384, BlockOffset, nullptr);
    ChecksumCounter counter;
    DiExtBlock observed(blockOf(image), 384, BlockOffset, &counter);

    const DiDataFormatDesc noFormat{};
    const DiDisplayDevice noDevice{};
    const DiDisplayCaps noCaps{};
    const DiColorProperties noColor{};
    const DiGamma noGamma{};
    observed.SetDataFormatDesc(&noFormat);
    QCOMPARE(counter.count, 1);
    observed.SetDataFormatDesc(&noFormat);
    QCOMPARE(counter.count, 1); // same bytes, same checksum: no notification
    diext.SetDisplayDevice(&noDevice);
    diext.SetDisplayCaps(&noCaps);
    diext.SetColorProperties(&noColor);
    diext.SetGamma(&noGamma);
    // Byte 8 takes code 0 (0x15); kept: byte 7 bit 0, 19 bit 0, 21 bits 4-0, 30 bits 1-0,
    // 31 bits 6-0, 38 bits 3-0; the reserved sections 39-80 are not written.
    QByteArray expected = ones;
    expected.replace(7, 7, QByteArray::fromHex("01150000000000"));
    expected.replace(14, 6, QByteArray::fromHex("000000000001"));
    expected.replace(20, 7, QByteArray::fromHex("001f0000000000"));
    expected.replace(27, 11,
                     QByteArray::fromHex("00000003"
                                         "7f"
                                         "000000000000"));
    expected[38] = '\x0f';
    expected.replace(81, 46, QByteArray(46, '\0'));
    QCOMPARE(image.mid(BlockOffset, 127).toHex(), expected.left(127).toHex());
    QVERIFY(checksumOk(image, BlockOffset));

    DiDataFormatDesc format;
    format.dataEnableUsed = format.dataEnableHigh = true;
    format.shiftClockEdge = 0x7; // two bits wide
    format.hdcpSupported = format.doubleClocking = format.packetizedVideo = true;
    format.dataFormat = 4;
    format.minPixelClock = 0x1A5;
    format.maxPixelClock = 0x12345;
    format.crossoverFrequency = 0xFFFF;
    diext.SetDataFormatDesc(&format);
    QCOMPARE(image.mid(BlockOffset + 7, 7).toHex(), QByteArray("ff49a54523ffff"));

    DiDisplayDevice device;
    device.subPixelLayout = 0x103;
    device.subPixelConfiguration = 2;
    device.subPixelShape = 1;
    device.horizontalPitch = 1684;
    device.verticalPitch = 5;
    device.fixedPixelFormat = true;
    device.viewDirection = 3;
    device.transparentBackground = false;
    device.physicalImplementation = 6; // two bits wide
    device.ddcCiSupported = true;
    diext.SetDisplayDevice(&device);
    QCOMPARE(image.mid(BlockOffset + 14, 6).toHex(), QByteArray("030201a801eb"));

    DiDisplayCaps caps;
    caps.legacyModes = true;
    caps.stereoMode = 5;
    caps.scalerOnBoard = false;
    caps.imageCentered = true;
    caps.conditionalUpdate = false;
    caps.interlaced = true;
    caps.frameLock = true;
    caps.frequencyConversion = 2;
    caps.frameRate = 59.94;
    caps.lineRate = 0.64;
    caps.orientationType = 1;
    caps.portrait = true;
    caps.zeroPixelLocation = 2;
    caps.scanDirection = 3;
    caps.projector = false;
    caps.arFull = false;
    caps.arZoom = true;
    caps.arSqueeze = true;
    caps.arVariable = false;
    diext.SetDisplayCaps(&caps);
    QCOMPARE(image.mid(BlockOffset + 20, 7).toHex(), QByteArray("d5df6a17400076"));
    QCOMPARE(image[BlockOffset + 38], '\x6f');

    DiColorProperties color;
    std::memset(&color, 0, sizeof color);
    color.defaultDecoding = 0x101;
    color.preferredDecoding = 2;
    color.bgr = color.ycrcb444 = color.ycrcbSmpte260m = true;
    color.ypbprSmpte274m = color.monochrome = true;
    color.dithering = true;
    color.depthBlue = 8;
    color.depthCrPr = 0x10A;
    diext.SetColorProperties(&color);
    QCOMPARE(image.mid(BlockOffset + 27, 11).toHex(), QByteArray("0102"
                                                                 "89"
                                                                 "27"
                                                                 "ff"
                                                                 "08000000000a"));

    DiGamma gamma;
    std::memset(&gamma, 0, sizeof gamma);
    gamma.type = 6; // two bits wide
    gamma.numPoints = 64 + 5;
    gamma.values[0] = 300;
    gamma.values[44] = 7;
    diext.SetGamma(&gamma);
    QCOMPARE(image[BlockOffset + 81], '\x85');
    QCOMPARE(image[BlockOffset + 82], '\x2c');
    QCOMPARE(image[BlockOffset + 126], '\x07');
    QVERIFY(checksumOk(image, BlockOffset));
    QCOMPARE(image.left(BlockOffset), QByteArray(BlockOffset, Filler));
    QCOMPARE(image.mid(BlockOffset + 128), QByteArray(256, Filler));
}

void tst_DiExtBlock::scaledValues_data()
{
    QTest::addColumn<unsigned>("pitch");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<QByteArray>("pitchByte");
    QTest::addColumn<QByteArray>("frequencyBytes");
    QTest::addColumn<unsigned>("readPitch");
    QTest::addColumn<double>("readFrequency");

    QTest::newRow("255 / 1.5") << 255u << 1.5 << QByteArray("\x1a") << QByteArray("\x96\x00", 2)
                               << 260u << 1.5;
    QTest::newRow("254 / 1.15") << 254u << 1.15 << QByteArray("\x19") << QByteArray("\x73\x00", 2)
                                << 250u << 1.15;
    QTest::newRow("largest") << 2549u << 655.35 << QByteArray("\xff") << QByteArray("\xff\xff")
                             << 2550u << 655.35;
    QTest::newRow("low bytes only")
        << 2555u << 655.36 << QByteArray("\x00", 1) << QByteArray("\x00\x00", 2) << 0u << 0.0;
    QTest::newRow("negative") << 4u << -1.0 << QByteArray("\x00", 1) << QByteArray("\x00\x00", 2)
                              << 0u << 0.0;
    QTest::newRow("not a number") << 0xFFFFFFFFu << std::numeric_limits<double>::quiet_NaN()
                                  << QByteArray("\x9a") << QByteArray("\x00\x00", 2) << 1540u
                                  << 0.0;
    QTest::newRow("infinite") << 15u << std::numeric_limits<double>::infinity()
                              << QByteArray("\x02") << QByteArray("\x00\x00", 2) << 20u << 0.0;
}

void tst_DiExtBlock::scaledValues()
{
    QFETCH(unsigned, pitch);
    QFETCH(double, frequency);
    QFETCH(QByteArray, pitchByte);
    QFETCH(QByteArray, frequencyBytes);
    QFETCH(unsigned, readPitch);
    QFETCH(double, readFrequency);

    QByteArray image = imageWith(freshBlock());
    DiExtBlock diext(blockOf(image), 384, BlockOffset, nullptr);
    DiDisplayDevice device{};
    device.horizontalPitch = pitch;
    device.verticalPitch = pitch;
    diext.SetDisplayDevice(&device);
    DiDisplayCaps caps{};
    caps.frameRate = frequency;
    caps.lineRate = frequency;
    diext.SetDisplayCaps(&caps);

    QCOMPARE(image.mid(BlockOffset + 17, 1).toHex(), pitchByte.toHex());
    QCOMPARE(image.mid(BlockOffset + 18, 1).toHex(), pitchByte.toHex());
    QCOMPARE(image.mid(BlockOffset + 22, 2).toHex(), frequencyBytes.toHex());
    QCOMPARE(image.mid(BlockOffset + 24, 2).toHex(), frequencyBytes.toHex());
    QVERIFY(checksumOk(image, BlockOffset));

    diext.GetDisplayDevice(&device);
    diext.GetDisplayCaps(&caps);
    QCOMPARE(device.horizontalPitch, readPitch);
    QCOMPARE(device.verticalPitch, readPitch);
    QCOMPARE(caps.frameRate, readFrequency);
    QCOMPARE(caps.lineRate, readFrequency);
}

void tst_DiExtBlock::dataFormatCodes_data()
{
    QTest::addColumn<unsigned>("byte8");
    QTest::addColumn<unsigned>("code"); // 0xFFFFFFFF: not a known code
    QTest::newRow("0x15") << 0x15u << 0u;
    QTest::newRow("0x19") << 0x19u << 1u;
    QTest::newRow("0x24") << 0x24u << 2u;
    QTest::newRow("0x48") << 0x48u << 3u;
    QTest::newRow("0x49") << 0x49u << 4u;
    QTest::newRow("0x00") << 0x00u << 0xFFFFFFFFu;
    QTest::newRow("0x33") << 0x33u << 0xFFFFFFFFu;
}

void tst_DiExtBlock::dataFormatCodes()
{
    QFETCH(unsigned, byte8);
    QFETCH(unsigned, code);
    QByteArray image = imageWith(freshBlock());
    image[BlockOffset + 8] = static_cast<char>(byte8);
    DiExtBlock diext(blockOf(image), 384, BlockOffset, nullptr);

    DiDataFormatDesc format{};
    format.dataFormat = 0xFFFFFFFFu;
    diext.GetDataFormatDesc(&format);
    QCOMPARE(format.dataFormat, code); // unknown codes leave the field alone
    diext.SetDataFormatDesc(&format);
    QCOMPARE(unsigned(static_cast<unsigned char>(image[BlockOffset + 8])), byte8);
    format.dataFormat = 5; // outside 0..4: byte 8 unchanged
    diext.SetDataFormatDesc(&format);
    QCOMPARE(unsigned(static_cast<unsigned char>(image[BlockOffset + 8])), byte8);
    if (code < 5) {
        format.dataFormat = (code + 1) % 5;
        diext.SetDataFormatDesc(&format);
        DiDataFormatDesc read{};
        diext.GetDataFormatDesc(&read);
        QCOMPARE(read.dataFormat, (code + 1) % 5);
    }
}

using LocationList = QList<QPair<unsigned, unsigned>>;

void tst_DiExtBlock::locations_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<unsigned>("index");
    QTest::addColumn<LocationList>("expected"); // block positions and lengths

    const unsigned all = 0xFFFFFFFFu;
    QTest::newRow("general 1") << 0 << 1u << all << LocationList{{1, 1}};
    QTest::newRow("general 2") << 0 << 2u << 0u << LocationList{{2, 1}};
    QTest::newRow("general 3") << 0 << 3u << 0u << LocationList{{3, 4}};
    QTest::newRow("general 4") << 0 << 4u << 0u << LocationList{{127, 1}};
    QTest::newRow("general all") << 0 << all << all << LocationList{{0, 44}};
    QTest::newRow("format 6") << 1 << 6u << all << LocationList{{8, 1}};
    QTest::newRow("format 14") << 1 << 14u << all << LocationList{{7, 1}};
    QTest::newRow("format 9") << 1 << 9u << all << LocationList{{9, 1}};
    QTest::newRow("format 10") << 1 << 10u << all << LocationList{{10, 1}, {11, 1}};
    QTest::newRow("format 11") << 1 << 11u << all << LocationList{{12, 1}, {13, 1}};
    QTest::newRow("format all") << 1 << all << all
                                << LocationList{{7, 1}, {9, 1}, {10, 1}, {11, 1}, {12, 1}, {13, 1}};
    QTest::newRow("device 16") << 2 << 16u << all << LocationList{{14, 1}};
    QTest::newRow("device 20") << 2 << 20u << all << LocationList{{18, 1}};
    QTest::newRow("device 25") << 2 << 25u << all << LocationList{{19, 1}};
    QTest::newRow("device all") << 2 << all << all << LocationList{{14, 6}};
    QTest::newRow("caps 27") << 3 << 27u << all << LocationList{{20, 1}};
    QTest::newRow("caps 31") << 3 << 31u << all << LocationList{{21, 1}};
    QTest::newRow("caps 34") << 3 << 34u << all << LocationList{{20, 1}};
    QTest::newRow("caps 40") << 3 << 40u << all << LocationList{{26, 1}};
    QTest::newRow("caps 44 squeeze") << 3 << 44u << all << LocationList{{38, 1}};
    QTest::newRow("caps all") << 3 << all << all
                              << LocationList{{20, 35}, {21, 1}, {26, 1}, {38, 1}};
    QTest::newRow("colour 50") << 4 << 50u << all << LocationList{{32, 6}};
    QTest::newRow("colour 56") << 4 << 56u << all << LocationList{{37, 1}};
    QTest::newRow("colour 57") << 4 << 57u << all << LocationList{{31, 1}};
    QTest::newRow("colour 59") << 4 << 59u << all << LocationList{{27, 1}};
    QTest::newRow("colour 60") << 4 << 60u << all << LocationList{{28, 1}};
    QTest::newRow("colour 61") << 4 << 61u << all << LocationList{{29, 2}};
    QTest::newRow("colour 69") << 4 << 69u << all << LocationList{{29, 1}};
    QTest::newRow("colour 72 YPbPr 274M") << 4 << 72u << all << LocationList{{30, 1}};
    QTest::newRow("colour all") << 4 << all << all << LocationList{{20, 35}};
    QTest::newRow("gamma 77") << 5 << 77u << all << LocationList{{81, 1}};
    QTest::newRow("gamma white row") << 5 << 80u << all << LocationList{{81, 1}};
    QTest::newRow("gamma point 0") << 5 << 81u << 0u << LocationList{{82, 1}};
    QTest::newRow("gamma red 14") << 5 << 87u << 44u << LocationList{{126, 1}};
    QTest::newRow("gamma past the points") << 5 << 83u << 45u << LocationList{{81, 46}};
    QTest::newRow("gamma all") << 5 << all << all << LocationList{{81, 46}};
}

void tst_DiExtBlock::locations()
{
    QFETCH(int, section);
    QFETCH(unsigned, code);
    QFETCH(unsigned, index);
    QFETCH(LocationList, expected);

    QByteArray image = imageWith(freshBlock());
    // The model is built as the tree builds it: start offset 0, positions from the image start.
    DiExtBlock diext(blockOf(image), 384, 0, nullptr);
    const auto *base = reinterpret_cast<const unsigned char *>(image.constData());
    QList<EdidItemLocation> got;
    switch (section) {
    case 0:
        got = diext.GetGeneralInfoLocation(code, index, base);
        break;
    case 1:
        got = diext.GetDataFormatDescLocation(code, index, base);
        break;
    case 2:
        got = diext.GetDisplayDeviceLocation(code, index, base);
        break;
    case 3:
        got = diext.GetDisplayCapsLocation(code, index, base);
        break;
    case 4:
        got = diext.GetColorPropertiesLocation(code, index, base);
        break;
    default:
        got = diext.GetGammaLocation(code, index, base);
        break;
    }
    LocationList actual;
    for (const EdidItemLocation &loc : got)
        actual.append({loc.offset - BlockOffset, loc.length});
    QCOMPARE(actual, expected);
}

void tst_DiExtBlock::agreesWithEdidDecode_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QByteArray>("changes"); // pairs of {block byte, value}

    QTest::newRow("app9219") << "diext-app9219-1.bin" << QByteArray();
    QTest::newRow("app9220") << "diext-app9220-1.bin" << QByteArray();
    QTest::newRow("version 1.25 rev 2.50, HDCP, 8-bit") << "diext-app9220-1.bin"
                                                        << QByteArray::fromHex("0341"
                                                                               "0419"
                                                                               "0502"
                                                                               "0632"
                                                                               "073e"
                                                                               "0815");
    QTest::newRow("letter, dual link high colour") << "diext-app9220-1.bin"
                                                   << QByteArray::fromHex("0204"
                                                                          "0380"
                                                                          "0442"
                                                                          "0849"
                                                                          "09ff"
                                                                          "0aff"
                                                                          "0b01");
    QTest::newRow("date, 12-bit, rates") << "diext-app9220-1.bin"
                                         << QByteArray::fromHex("0209"
                                                                "03c0"
                                                                "0418"
                                                                "0505"
                                                                "0614"
                                                                "0819"
                                                                "1196"
                                                                "1205"
                                                                "1696"
                                                                "1700"
                                                                "1840"
                                                                "1901");
    QTest::newRow("unknown data format") << "diext-app9219-1.bin"
                                         << QByteArray::fromHex("0833"
                                                                "0107");
}

// The interface, versions, data format, clocks, pitches and rates that edid-decode prints for
// the block are the values the model decodes.
void tst_DiExtBlock::agreesWithEdidDecode()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QFETCH(QString, sample);
    QFETCH(QByteArray, changes);

    QByteArray bytes = VyrTest::readSample(sample).left(256);
    for (int i = 0; i + 1 < changes.size(); i += 2)
        bytes[128 + static_cast<unsigned char>(changes[i])] = changes[i + 1];
    auto *block = reinterpret_cast<unsigned char *>(bytes.data()) + 128;
    DiExtBlock diext(block, 128, 128, nullptr);
    diext.RecalcCheckSum();
    QVERIFY(VyrTest::edidDecodeChecksumsOk(bytes));
    const QString text = VyrTest::edidDecode(bytes);
    const QString decoded = text.mid(text.indexOf(QLatin1String("Display Information Extension")));
    QVERIFY2(!decoded.isEmpty(), qPrintable(text));

    // edid-decode's names of the interface standards (byte 2) and data formats (byte 8).
    static const char *const interfaces[] = {"Analog Video Input",
                                             "DVI",
                                             "DVI Single Link",
                                             "DVI Dual Link - High Resolution",
                                             "DVI Dual Link - High Color",
                                             "DVI - Consumer Electronics",
                                             "Plug & Display",
                                             "DFP",
                                             "Open LDI - Single Link",
                                             "Open LDI - Dual Link",
                                             "Open LDI - Consumer Electronics"};
    static const char *const formats[] = {"8-Bit Over 8-Bit RGB", "12-Bit Over 12-Bit RGB",
                                          "24-Bit MSB-Aligned RGB (Single Link)",
                                          "48-Bit MSB-Aligned RGB (Dual Link - High Resolution)",
                                          "48-Bit MSB-Aligned RGB (Dual Link - High Color)"};

    DiGeneralInfo info{};
    diext.GetGeneralInfo(&info);
    // The first line with the label after the block's own version line.
    const QString body = decoded.mid(decoded.indexOf(QLatin1String("Digital Interface:")));
    auto line = [&](const QString &label) {
        const QRegularExpression re(QStringLiteral("\n\\s*") + QRegularExpression::escape(label)
                                    + QStringLiteral(": ([^\n]*)"));
        return re.match(body).captured(1);
    };
    QCOMPARE(decoded.section(QLatin1Char('\n'), 1, 1).trimmed(),
             QStringLiteral("Version: %1").arg(info.version));
    QVERIFY(info.interfaceStandard < 11);
    QCOMPARE(line("Supported Digital Interface"),
             QString::fromLatin1(interfaces[info.interfaceStandard]));
    if (info.versionForm == 1) {
        QCOMPARE(line("Version"), decoderVersionText(info.versionNumber));
        QCOMPARE(line("Release"), decoderVersionText(info.revisionNumber));
    } else if (info.versionForm == 2) {
        QCOMPARE(line("Letter Designation"), QString(QChar(info.letter)));
    } else if (info.versionForm == 3) {
        QCOMPARE(
            line("Date Code"),
            QStringLiteral("Year %1 Week %2 Day %3").arg(info.year).arg(info.month).arg(info.day));
    }

    DiDataFormatDesc format{};
    format.dataFormat = 0xFFFFFFFFu;
    diext.GetDataFormatDesc(&format);
    QCOMPARE(
        line("Data Formats"),
        format.dataFormat < 5
            ? QString::fromLatin1(formats[format.dataFormat])
            : QStringLiteral("Unknown (0x%1)").arg(unsigned(block[8]), 2, 16, QLatin1Char('0')));
    QCOMPARE(decoded.contains(QLatin1String("HDCP is supported")), format.hdcpSupported);
    QCOMPARE(decoded.contains(QLatin1String("Packetized Digital Video is supported")),
             format.packetizedVideo);
    QCOMPARE(line("Minimum Pixel Clock Frequency Per Link"),
             QStringLiteral("%1 MHz").arg(format.minPixelClock));
    QCOMPARE(line("Maximum Pixel Clock Frequency Per Link"),
             QStringLiteral("%1 MHz").arg(format.maxPixelClock));
    QCOMPARE(line("Crossover Frequency"), QStringLiteral("%1 MHz").arg(format.crossoverFrequency));

    DiDisplayDevice device{};
    diext.GetDisplayDevice(&device);
    QCOMPARE(line("Horizontal Dot/Pixel Pitch"),
             QStringLiteral("%1 mm").arg(device.horizontalPitch / 1000.0, 0, 'f', 2));
    QCOMPARE(line("Vertical Dot/Pixel Pitch"),
             QStringLiteral("%1 mm").arg(device.verticalPitch / 1000.0, 0, 'f', 2));

    DiDisplayCaps caps{};
    diext.GetDisplayCaps(&caps);
    auto rate = [](double value) {
        return value == 0.0 ? QStringLiteral("Not available")
                            : QStringLiteral("%1 kHz").arg(value, 0, 'f', 2);
    };
    QCOMPARE(line("Vertical Frequency"), rate(caps.frameRate));
    QCOMPARE(line("Horizontal Frequency"), rate(caps.lineRate));
}

void tst_DiExtBlock::reportAndCellNames()
{
    QByteArray image = imageWith(freshBlock());
    image[BlockOffset + 81] = '\x83'; // three colour curves of 3 points
    DiExtBlock diext(blockOf(image), 384, BlockOffset, nullptr);
    ReportSink sink;
    QCOMPARE(diext.Validate(&sink), 1); // the gamma byte broke the checksum
    QCOMPARE(sink.lines.value(0),
             QStringLiteral(
                 "\r\nValidating DI1 Extension Block. Data Range: Byte[128] --> Byte[255]\r\n"));
    QVERIFY(sink.lines.value(1).startsWith(QLatin1String("  Error: Invalid checksum. 0x")));
    diext.RecalcCheckSum();
    sink.lines.clear();
    QCOMPARE(diext.Validate(&sink), 0);
    QCOMPARE(sink.lines.last(), QStringLiteral("  Block is valid\r\n"));

    QVERIFY(DiExtBlock::ValidateDiExt(nullptr, blockOf(image), 0, 128));
    sink.lines.clear();
    QVERIFY(!DiExtBlock::ValidateDiExt(&sink, blockOf(image), 0, 100));
    QCOMPARE(sink.lines.value(0),
             QStringLiteral("DI Ext Block....: 100 - unsufficient size. Required 128 bytes\r\n"));
    QVERIFY(!DiExtBlock::ValidateDiExt(&sink, bytes(image), 0, 512));
    QCOMPARE(sink.lines.value(1), QStringLiteral("DI Ext Block....: Byte[0] = 0xA5 does not "
                                                 "match DI extension tag (0x40)\r\n"));

    struct Cell
    {
        unsigned byte;
        const char *name;
        const char *description;
    };
    const Cell cells[] = {
        {0, "Extension Tag", ""},
        {1, "Version Number", ""},
        {2, "Digital Interface Specification", "(Digital Interface Section)"},
        {10, "Maximum Pixel Clock Per Link. Low Order Bits", "(Digital Interface Section)"},
        {19, "Major Display Device Characteristics", "(Display Device Section)"},
        {38, "Aspect Ratio Conversion Modes", "(Display Capabilities Section)"},
        {40, "Byte[1] of Packetized Digital Video Information", "(Display Capabilities Section)"},
        {56, "Reserved (Unused)", "Byte[1] of Unused Section"},
        {80, "Reserved (Unused)", "Byte[8] of Audio Support Section"},
        {81, "Gamma Control", "(Gamma Section)"},
        {84, "Blue Data Point[2]", "(Gamma Section)"},
        {85, "Unused/Empty Blue Data Point[3]", "(Gamma Section)"},
        {97, "Green Data Point[0]", "(Gamma Section)"},
        {126, "Unused/Empty Red Data Point[14]", "(Gamma Section)"},
        {127, "Checksum", ""},
    };
    for (const Cell &cell : cells) {
        QString name, description, title;
        diext.FillCellInfo(BlockOffset + cell.byte, &name, &description, &title);
        QCOMPARE(name, QString::fromLatin1(cell.name));
        QCOMPARE(description, QString::fromLatin1(cell.description));
        QCOMPARE(title, QStringLiteral("DI-v1"));
    }
    QString untouched = QStringLiteral("x");
    diext.FillCellInfo(BlockOffset - 1, &untouched, &untouched, &untouched);
    diext.FillCellInfo(BlockOffset + 128, &untouched, &untouched, &untouched);
    QCOMPARE(untouched, QStringLiteral("x"));
}

QTEST_GUILESS_MAIN(tst_DiExtBlock)
#include "tst_diextblock.moc"
