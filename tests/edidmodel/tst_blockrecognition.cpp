#include "edidbytes.h"
#include "model/base/edid13block.h"
#include "model/base/edid14block.h"
#include "model/cea/ceaextblock.h"
#include "model/diext/diextblock.h"
#include "model/displayid/displayidblock.h"
#include "model/vtb/edidextvtb.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <memory>

// Whole-image recognition: every 128-byte block of an EDID image is offered to the block
// classes in the order the EDID view uses (base block: DisplayID base section, EDID 1.4,
// EDID 1.3; each further block: DisplayID extension, CEA-861, DI-EXT, VTB-EXT), and the kinds
// found must be the kinds edid-decode reports for the same bytes.
//
// Deliberate differences from edid-decode, which the comparison allows for:
// - Only the first 512 bytes (four blocks) form an image here; edid-decode goes on to every
//   block of a longer file.
// - A base block of EDID structure 1.0 to 1.2 is read by the EDID 1.3 class.
// - Blocks of kinds without a class here (block map 0xF0, manufacturer-specific 0xFF, unknown
//   tags) are recognised by none of the classes.
// - DisplayID sections of version 2.x are not read (the DisplayID class reads versions 1.1 to
//   1.3), so an extension block holding one is recognised by none of the classes.
// - Bytes after the end of a shorter file are zero padding of the image, which edid-decode
//   does not see: no class may take them for a block.

namespace {

using BlockFactory = std::function<std::unique_ptr<DataBlock>(unsigned char *, unsigned, unsigned)>;

struct Recogniser
{
    QString kind;
    BlockFactory make; // the object holds data exactly when the class recognised the block
};

template <typename Block> BlockFactory factory()
{
    return [](unsigned char *data, unsigned size, unsigned offset) -> std::unique_ptr<DataBlock> {
        return std::make_unique<Block>(data, size, offset, nullptr);
    };
}

// The order of the EDID view. A class added later joins its list at its place.
const QList<Recogniser> &baseRecognisers()
{
    static const QList<Recogniser> list{
        {QStringLiteral("DisplayID"), factory<DisplayIDBlock>()},
        {QStringLiteral("EDID 1.4"), factory<Edid14Block>()},
        {QStringLiteral("EDID 1.3"), factory<Edid13Block>()},
    };
    return list;
}

const QList<Recogniser> &extensionRecognisers()
{
    static const QList<Recogniser> list{
        {QStringLiteral("DisplayID"), factory<DisplayIDBlock>()},
        {QStringLiteral("CTA-861"), factory<CeaExtBlock>()},
        {QStringLiteral("DI-EXT"), factory<DiExtBlock>()},
        {QStringLiteral("VTB-EXT"), factory<EdidExtVtb>()},
    };
    return list;
}

// The kind of each 128-byte block of the image as the classes see it ("" for none).
QStringList recognise(QByteArray &image)
{
    auto *data = VyrTest::bytes(image);
    const auto size = static_cast<unsigned>(image.size());
    QStringList kinds;
    for (unsigned offset = 0; offset + 128 <= size; offset += 128) {
        QString kind;
        for (const Recogniser &r : offset == 0 ? baseRecognisers() : extensionRecognisers()) {
            if (r.make(data + offset, size - offset, offset)->GetBlockSize() > 0) {
                kind = r.kind;
                break;
            }
        }
        kinds << kind;
    }
    return kinds;
}

// Major version of the DisplayID section whose heading ends at from.
int sectionVersion(const QString &text, int from)
{
    static const QRegularExpression version(QStringLiteral("\n  Version: (\\d+)\\.\\d+"));
    return version.match(text, from).captured(1).toInt();
}

// The kind edid-decode reports for each block, in our names ("" for kinds without a class).
QStringList decoderKinds(const QByteArray &bytes)
{
    const QString text = VyrTest::edidDecode(bytes);
    QStringList kinds;
    const QRegularExpression heading(QStringLiteral("^Block (\\d+), ([^:]*):$"),
                                     QRegularExpression::MultilineOption);
    const QRegularExpression revision(
        QStringLiteral("EDID Structure Version & Revision: 1\\.(\\d)"));
    for (auto it = heading.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QString name = m.captured(2);
        QString kind;
        if (name == QLatin1String("Base EDID"))
            kind = revision.match(text).captured(1).toInt() >= 4 ? QStringLiteral("EDID 1.4")
                                                                 : QStringLiteral("EDID 1.3");
        else if (name == QLatin1String("CTA-861 Extension Block"))
            kind = QStringLiteral("CTA-861");
        else if (name == QLatin1String("DisplayID Extension Block"))
            kind =
                sectionVersion(text, m.capturedEnd()) < 2 ? QStringLiteral("DisplayID") : QString();
        else if (name == QLatin1String("Display Information Extension Block"))
            kind = QStringLiteral("DI-EXT");
        else if (name == QLatin1String("Video Timing Extension Block"))
            kind = QStringLiteral("VTB-EXT");
        kinds << kind;
    }
    return kinds;
}

} // namespace

class tst_BlockRecognition : public QObject
{
    Q_OBJECT

private slots:
    void samplesAsEdidDecodeSeesThem_data();
    void samplesAsEdidDecodeSeesThem();
    void emptyBlocksOfEveryKind_data();
    void emptyBlocksOfEveryKind();
};

void tst_BlockRecognition::samplesAsEdidDecodeSeesThem_data()
{
    QTest::addColumn<QString>("sample");
    for (const QString &name : VyrTest::sampleNames())
        QTest::newRow(qPrintable(name)) << name;
}

void tst_BlockRecognition::samplesAsEdidDecodeSeesThem()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QFETCH(QString, sample);
    const QByteArray file = VyrTest::readSample(sample);
    QByteArray image = VyrTest::sampleImage(sample);
    const QByteArray before = QByteArray(image.constData(), image.size());

    QStringList expected = decoderKinds(file).mid(0, 4);
    QCOMPARE(expected.size(), qMin(file.size(), 512) / 128);
    while (expected.size() < 4)
        expected << QString(); // zero padding of the image
    QCOMPARE(recognise(image), expected);
    QCOMPARE(image, before); // recognising writes nothing
}

void tst_BlockRecognition::emptyBlocksOfEveryKind_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("CTA-861") << "CTA-861";
    QTest::newRow("DI-EXT") << "DI-EXT";
    QTest::newRow("VTB-EXT") << "VTB-EXT";
    QTest::newRow("DisplayID") << "DisplayID";
}

// A new block of each kind, as the EDID view adds it behind a base block, is recognised as
// that kind by the classes and by edid-decode, at every extension position.
void tst_BlockRecognition::emptyBlocksOfEveryKind()
{
    QFETCH(QString, kind);
    for (int position = 1; position < 4; ++position) {
        QByteArray image(512, '\0');
        auto *data = VyrTest::bytes(image);
        QVERIFY(Edid13Block::InitBuffer(data, 128));
        unsigned char *block = data + 128 * position;
        if (kind == QLatin1String("CTA-861"))
            QVERIFY(CeaExtBlock::InitBuffer(block, 128));
        else if (kind == QLatin1String("DI-EXT"))
            QVERIFY(DiExtBlock::InitBuffer(block, 128));
        else if (kind == QLatin1String("VTB-EXT"))
            QVERIFY(EdidExtVtb::InitBuffer(block, 128));
        else
            QVERIFY(DisplayIDBlock::InitExtBlockBuffer(block, 128, 0x12, false));
        Edid13Block base(data, 512, 0, nullptr);
        base.SetNumOfExtensions(unsigned(position));

        QStringList expected{QStringLiteral("EDID 1.3"), QString(), QString(), QString()};
        expected[position] = kind;
        QCOMPARE(recognise(image), expected);
        // edid-decode reads the declared blocks, fillers included.
        QStringList decoded = decoderKinds(image.left(128 * (position + 1)));
        QCOMPARE(decoded.value(position), kind);
        QVERIFY(VyrTest::edidDecodeChecksumsOk(image.left(128 * (position + 1))));
    }
}

QTEST_GUILESS_MAIN(tst_BlockRecognition)
#include "tst_blockrecognition.moc"
