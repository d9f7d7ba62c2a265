#include "edidbasecases.h"

#include "edidbasecheck.h"
#include "edidbytes.h"
#include "model/base/edid14block.h"
#include "reportsink.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QtTest>

namespace EdidBaseCases {

namespace {

// What differs between the two versions' empty blocks, objects and static checks.
struct Facts
{
    unsigned revision;    // byte 19
    unsigned checksum;    // of the empty block
    unsigned versionWord; // GetVersion()
    bool borderActive;    // of a detailed timing read through the object
    const char *prefix;   // of the static check's line
};

const Facts &facts(BaseVersion version)
{
    static const Facts edid13 = {3, 0xB2, 0x0103, false, "  EDID1.3.........: "};
    static const Facts edid14 = {4, 0xB1, 0x0104, true, "  EDID1.4.........: "};
    return version == BaseVersion::Edid13 ? edid13 : edid14;
}

bool recognises(BaseVersion version, QByteArray &block, unsigned size)
{
    return version == BaseVersion::Edid13 ? Edid13Block::IsEdid13(VyrTest::bytes(block), size)
                                          : Edid14Block::IsEdid14(VyrTest::bytes(block), size);
}

bool validate(BaseVersion version, CallbackFillContentTgt *target, QByteArray &block, unsigned size)
{
    unsigned char *data = VyrTest::bytes(block);
    return version == BaseVersion::Edid13 ? Edid13Block::ValidateEdid13(target, data, 0, size)
                                          : Edid14Block::ValidateEdid14(target, data, 0, size);
}

} // namespace

QByteArray emptyBlock(BaseVersion version)
{
    return version == BaseVersion::Edid13 ? EdidBaseCheck::emptyBlockOf<Edid13Block>()
                                          : EdidBaseCheck::emptyBlockOf<Edid14Block>();
}

std::unique_ptr<Edid13Block> makeBlock(BaseVersion version, QByteArray &block, unsigned size)
{
    unsigned char *data = VyrTest::bytes(block);
    if (version == BaseVersion::Edid13)
        return std::make_unique<Edid13Block>(data, size, 0, nullptr);
    return std::make_unique<Edid14Block>(data, size, 0, nullptr);
}

void checkInitBuffer(BaseVersion version)
{
    const Facts &expected = facts(version);
    QByteArray block = emptyBlock(version);
    QCOMPARE(unsigned(quint8(block.at(19))), expected.revision);
    QCOMPARE(unsigned(quint8(block.at(127))), expected.checksum);
    QCOMPARE(block.mid(38, 16), QByteArray(16, '\x01'));
    const std::unique_ptr<Edid13Block> object = makeBlock(version, block);
    QCOMPARE(object->GetVersion(), expected.versionWord);
    QCOMPARE(object->GetNumOfExtensions(), 0u);
    QCOMPARE(object->GetChecksum(), expected.checksum);
    // The dummy descriptors are placeholders: the descriptor list offers to fill them.
    for (unsigned slot = 0; slot < 4; ++slot)
        QCOMPARE(object->GetDescriptorID(slot), DescriptorPlaceholder);
    QCOMPARE(object->GetDescriptorID(4), DescriptorUnknown);
    // Detailed timings of an EDID 1.4 block carry "borders are addressable".
    object->AddDescriptor(DescriptorDetailedTiming, 0);
    DetailedTiming t;
    QVERIFY(object->GetDetailedTiming(1, &t));
    QCOMPARE(t.borderActive, expected.borderActive);
}

void addRecognitionRows(BaseVersion version)
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<unsigned>("size");
    QTest::addColumn<bool>("edid13");
    QTest::addColumn<bool>("edid14");
    QTest::addColumn<QString>("message");

    const QString version2 = QStringLiteral(
        "Byte[18] = 0x02 defines invalid version (2.XX). Supported version pattern is 1.XX");
    const QString header = QStringLiteral(
        "does not match EDID header pattern (0x00 0xFF 0xFF 0xFF 0xFF 0xFF 0xFF 0x00)");
    const QString tooShort = QStringLiteral("- unsufficient size. Required 128 bytes");
    const QString below4 = QStringLiteral("defines invalid sub-version. Should be 3 or lower");
    const QString not4 = QStringLiteral("defines invalid sub-version. Should be 4");
    const struct
    {
        const char *name;
        int byte; // changed in the empty block, or -1
        int value;
        unsigned size;
        bool edid13;
        bool edid14;
        QString line13; // the static check's line without its prefix; empty: the check passes
        QString line14;
    } cases[] = {
        // clang-format off
        // Later revisions in the field are read as EDID 1.4; its static check still names them.
        {"revision 0",    19, 0x00, 128, true,  false, {}, "Byte[19] = 0x00 " + not4},
        {"revision 3",    19, 0x03, 128, true,  false, {}, "Byte[19] = 0x03 " + not4},
        {"revision 4",    19, 0x04, 128, false, true,  "Byte[19] = 0x04 " + below4, {}},
        {"revision 5",    19, 0x05, 128, false, true,  "Byte[19] = 0x05 " + below4,
                                                       "Byte[19] = 0x05 " + not4},
        {"revision 19",   19, 0x13, 128, false, true,  "Byte[19] = 0x13 " + below4,
                                                       "Byte[19] = 0x13 " + not4},
        {"version 2",     18, 0x02, 128, false, false, version2, version2},
        {"header byte 3",  3, 0xFE, 128, false, false, "Byte[3] = 0xFE " + header,
                                                       "Byte[3] = 0xFE " + header},
        {"header byte 7",  7, 0x01, 128, false, false, "Byte[7] = 0x01 " + header,
                                                       "Byte[7] = 0x01 " + header},
        {"127 bytes",     -1, 0,    127, false, false, "127 " + tooShort, "127 " + tooShort},
        {"100 bytes",     -1, 0,    100, false, false, "100 " + tooShort, "100 " + tooShort},
        // clang-format on
    };
    for (const auto &c : cases) {
        QByteArray block = emptyBlock(version);
        if (c.byte >= 0)
            block[c.byte] = static_cast<char>(c.value);
        const QString &line = version == BaseVersion::Edid13 ? c.line13 : c.line14;
        QTest::newRow(c.name) << block.left(static_cast<int>(c.size)) << c.size << c.edid13
                              << c.edid14
                              << (line.isEmpty() ? QString()
                                                 : QLatin1String(facts(version).prefix) + line
                                                       + QStringLiteral("\r\n"));
    }
}

void checkRecognition(BaseVersion version)
{
    QFETCH(QByteArray, block);
    QFETCH(unsigned, size);
    QFETCH(bool, edid13);
    QFETCH(bool, edid14);
    QFETCH(QString, message);

    QCOMPARE(Edid13Block::IsEdid13(VyrTest::bytes(block), size), edid13);
    QCOMPARE(Edid14Block::IsEdid14(VyrTest::bytes(block), size), edid14);
    VyrTest::ReportSink sink;
    QCOMPARE(validate(version, &sink, block, size), message.isEmpty());
    QCOMPARE(sink.lines.join(QString()), message);

    const QByteArray before = VyrTest::snapshot(block);
    Edid13Block as13(VyrTest::bytes(block), size, 0, nullptr);
    Edid14Block as14(VyrTest::bytes(block), size, 0, nullptr);
    QCOMPARE(as13.GetBlockSize(), edid13 ? 128u : 0u);
    QCOMPARE(as14.GetBlockSize(), edid14 ? 128u : 0u);
    QCOMPARE(as13.SupportExtensions(), edid13);
    QCOMPARE(as14.SupportExtensions(), edid14);
    // An unrecognised buffer is never written.
    if (!edid13) {
        as13.SetNumOfExtensions(3);
        as13.AddDescriptor(DescriptorDetailedTiming, 0);
    }
    if (!edid14) {
        as14.AddDescriptor(DescriptorCvt3ByteCodes, 0);
        as14.SetNumOfExtensions(2);
    }
    QCOMPARE(block, before);
}

void addSampleRows(BaseVersion version)
{
    QTest::addColumn<QByteArray>("image");
    for (const QString &name : VyrTest::sampleNames()) {
        const QByteArray image = VyrTest::readSample(name);
        QByteArray block = EdidBaseCheck::block0(image);
        if (recognises(version, block, static_cast<unsigned>(block.size())))
            QTest::newRow(qPrintable(name)) << image;
    }
}

void checkWriteBack(BaseVersion version)
{
    QFETCH(QByteArray, image);
    QByteArray block = EdidBaseCheck::block0(image);
    VyrTest::fixChecksum(block); // one sample carries a wrong checksum on purpose
    const QByteArray before = VyrTest::snapshot(block);
    const std::unique_ptr<Edid13Block> object = makeBlock(version, block);
    QCOMPARE(object->GetBlockSize(), 128u);
    EdidBaseCheck::writeBackEverything(*object);
    if (version == BaseVersion::Edid14)
        EdidBaseCheck::writeBackEdid14Descriptors(static_cast<Edid14Block &>(*object));
    QVERIFY2(block == before, qPrintable(VyrTest::changedText(before, block)));
}

void checkAgainstEdidDecode(BaseVersion version)
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QFETCH(QByteArray, image);
    QByteArray block = EdidBaseCheck::block0(image);
    const std::unique_ptr<Edid13Block> object = makeBlock(version, block);
    const bool edid14 = version == BaseVersion::Edid14;
    QStringList diffs = EdidBaseCheck::compareWithEdidDecode(*object, image, edid14);
    if (edid14)
        diffs +=
            EdidBaseCheck::compareEdid14Descriptors(static_cast<Edid14Block &>(*object), image);
    QVERIFY2(diffs.isEmpty(), qPrintable(diffs.join(QLatin1Char('\n'))));
}

void addDescriptorRows(BaseVersion version)
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<unsigned>("slot");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("supported");
    QTest::addColumn<bool>("repeatable");

    // The EDID 1.4 kinds are not offered in an EDID 1.3 block, which writes only their tag.
    const struct
    {
        const char *name;
        DescriptorID kind;
        bool supported13;
        bool supported14;
        bool repeatable;
        const char *bytes13;
        const char *bytes14; // null: as in EDID 1.3
    } cases[] = {
        {"detailed timing", DescriptorDetailedTiming, true, true, true,
         "181500000000000000000000000000000000", nullptr},
        {"serial", DescriptorSerialNumber, true, true, false,
         "000000ff000a202020202020202020202020", nullptr},
        {"string", DescriptorDataString, true, true, true, "000000fe000a202020202020202020202020",
         nullptr},
        {"range limits", DescriptorRangeLimits, true, true, false,
         "000000fd0001ff01ff01000a202020202020", nullptr},
        {"name", DescriptorProductName, true, true, false, "000000fc000a202020202020202020202020",
         nullptr},
        {"colour point", DescriptorColorPoint, true, true, false,
         "000000fb0000000000ff00000000ff0a2020", nullptr},
        {"standard timings", DescriptorStandardTimings, true, true, true,
         "000000fa000101010101010101010101010a", nullptr},
        {"placeholder", DescriptorPlaceholder, false, false, false,
         "000000100000000000000000000000000000", nullptr},
        {"colour management", DescriptorColorManagement, false, true, false,
         "000000f90000000000000000000000000000", "000000f90003000000000000000000000000"},
        {"CVT codes", DescriptorCvt3ByteCodes, false, true, false,
         "000000f80000000000000000000000000000", "000000f80001000000000000000000000000"},
        {"established timings III", DescriptorEstablishedTimingsIII, false, true, false,
         "000000f70000000000000000000000000000", "000000f7000a000000000000000000000000"},
    };
    const bool edid13 = version == BaseVersion::Edid13;
    for (const auto &c : cases) {
        for (unsigned slot : {1u, 2u})
            QTest::addRow("%s, slot %u", c.name, slot)
                << static_cast<int>(c.kind) << slot
                << VyrTest::hex(edid13 || c.bytes14 == nullptr ? c.bytes13 : c.bytes14)
                << (edid13 ? c.supported13 : c.supported14) << c.repeatable;
    }
}

void checkAddDescriptor(BaseVersion version)
{
    QFETCH(int, kind);
    QFETCH(unsigned, slot);
    QFETCH(QByteArray, expected);
    QFETCH(bool, supported);
    QFETCH(bool, repeatable);
    const DescriptorID id = static_cast<DescriptorID>(kind);
    const int start = 54 + 18 * static_cast<int>(slot);

    QByteArray block = emptyBlock(version);
    const QByteArray before = VyrTest::snapshot(block);
    const std::unique_ptr<Edid13Block> object = makeBlock(version, block);
    QCOMPARE(object->IsDescriptorSupported(id), supported);
    object->AddDescriptor(id, slot);
    QCOMPARE(block.mid(start, 18).toHex(), expected.toHex());
    QCOMPARE(object->GetDescriptorID(slot), id);
    QList<int> changed = VyrTest::changedBytes(before, block);
    changed.removeAll(127);
    for (int i : changed)
        QVERIFY(i >= start && i < start + 18);
    QVERIFY(VyrTest::checksumOk(block));
    if (VyrTest::haveEdidDecode())
        QVERIFY(VyrTest::edidDecodeChecksumsOk(block));
    if (id == DescriptorDetailedTiming) {
        DetailedTiming t;
        QVERIFY(object->GetDetailedTiming(slot + 1, &t));
        QCOMPARE(t.pixelClock, 5400u);
    }
    // One of each kind but those a block may repeat; a removed one is offered again.
    QCOMPARE(object->IsDescriptorSupported(id), supported && repeatable);
    // A slot above 3 is ignored.
    const QByteArray now = VyrTest::snapshot(block);
    object->AddDescriptor(id, 4);
    QCOMPARE(block, now);
    object->RemoveDescriptor(slot);
    QCOMPARE(object->IsDescriptorSupported(id), supported);
}

} // namespace EdidBaseCases
