// What every block kind promises, run for each kind: a block the kind makes is recognised and a
// foreign one is refused; an object without a block of its kind answers defaults and never
// writes; InitBuffer leaves a block whose checksum holds; and the checksum observer hears of
// every edit that changed the stored checksum, and of no other.

#include "ceatestsupport.h"
#include "checksumcounter.h"
#include "edidbytes.h"
#include "extblockimage.h"
#include "locationtext.h"
#include "model/base/edid13block.h"
#include "model/base/edid14block.h"
#include "model/cea/ceaextblock.h"
#include "model/diext/diextblock.h"
#include "model/displayid/displayidblock.h"
#include "model/vtb/edidextvtb.h"
#include "reportsink.h"
#include "vyrtestutil.h"

#include <QtTest>

#include <functional>
#include <memory>

using namespace VyrTest;

namespace {

// The image every kind is tested in: a block at its place, filler bytes everywhere else.
constexpr int ImageSize = 512;
constexpr char Filler = '\xA5';

using BlockFactory = std::function<std::unique_ptr<DataBlock>(unsigned char *, unsigned, unsigned,
                                                              CallbackContext *)>;

template <typename Block> BlockFactory factory()
{
    return [](unsigned char *data, unsigned size, unsigned offset,
              CallbackContext *context) -> std::unique_ptr<DataBlock> {
        return std::make_unique<Block>(data, size, offset, context);
    };
}

// One edit of the checksum test and the number of notifications counted after it.
struct ChecksumStep
{
    const char *what;
    std::function<void(DataBlock &)> edit;
    int count;
};

// What the contract needs to know of one block kind.
struct BlockKind
{
    const char *name;
    int offset;                   // place of the block in the image
    unsigned objectSize;          // bytes the object is given
    unsigned blockSize;           // GetBlockSize() of a block made by init
    unsigned initSize;            // bytes InitBuffer is given
    QVector<unsigned> shortSizes; // buffers too small for the kind
    QString decoderBase;          // sample whose base block goes in front for edid-decode
    std::function<bool(unsigned char *, unsigned)> init;
    std::function<bool(const unsigned char *, unsigned)> recognises;
    BlockFactory make;
    std::function<bool(const unsigned char *)> checksumsHold; // of a block made by init
    QVector<QByteArray> foreign; // blocks the kind refuses; the first is used for "inert"
    std::function<void(DataBlock &)> inertCalls; // the kind's own getters and setters
    QVector<ChecksumStep> checksumSteps;         // on a block made by init
};

// EDID base blocks (EDID 1.4 derives from EDID 1.3): the calls of an object without a block.
void edidBaseInert(DataBlock &block)
{
    auto &object = static_cast<Edid13Block &>(block);
    ProductIdInfo id{};
    id.productCode = 77;
    object.GetProductIdInfo(&id);
    QCOMPARE(id.productCode, 77u);
    object.SetProductIdInfo(&id);
    StandardTiming t;
    QVERIFY(!object.GetStandardTiming(0, 0, &t));
    QVERIFY(!object.SetStandardTiming(0, 0, &t));
    DetailedTiming d;
    QVERIFY(!object.GetDetailedTiming(1, &d));
    object.SetDetailedTiming(1, &d);
    object.SetEstablishedTimingSupport(0, 0, true);
    object.RemoveDescriptor(0);
    object.AddDescriptor(DescriptorProductName, 0);
    RangeLimits r{};
    object.SetRangeLimits(1, &r);
    object.SetNumOfExtensions(3);
    object.AddDescriptor(DescriptorDetailedTiming, 0);
    object.RecalcCheckSum();
    MonitorInfo info{};
    object.GetMonInfo(&info);
    QCOMPARE(info.pnpId[0], '\0');
    QCOMPARE(object.GetDescriptorID(0), DescriptorUnknown);
    QVERIFY(object.GetEstablishedTimingName(0, 0).isEmpty());
    QCOMPARE(object.Validate(nullptr), 0);
    // The location queries answer from the fixed offsets.
    QCOMPARE(locationText(object.GetStandardTimingLocation(~0u, 0)), QStringLiteral("38:16"));
}

// EDID base blocks: an edit that leaves the checksum as it is notifies nothing.
QVector<ChecksumStep> edidBaseChecksumSteps()
{
    return {
        {"established timing already clear",
         [](DataBlock &b) { b.SetEstablishedTimingSupport(0, 3, false); }, 0},
        {"same extension count",
         [](DataBlock &b) { static_cast<Edid13Block &>(b).SetNumOfExtensions(0); }, 0},
        {"recalculation", [](DataBlock &b) { b.RecalcCheckSum(); }, 0},
        {"established timing set", [](DataBlock &b) { b.SetEstablishedTimingSupport(0, 3, true); },
         1},
        {"one extension", [](DataBlock &b) { static_cast<Edid13Block &>(b).SetNumOfExtensions(1); },
         2},
    };
}

QByteArray initialised(const std::function<bool(unsigned char *, unsigned)> &init)
{
    QByteArray block(128, '\0');
    init(bytes(block), 128);
    return block;
}

BlockKind edid13Kind()
{
    BlockKind k;
    k.name = "EDID 1.3";
    k.offset = 0;
    k.objectSize = 128;
    k.blockSize = 128;
    k.initSize = 128;
    k.shortSizes = {127};
    k.init = [](unsigned char *p, unsigned n) { return Edid13Block::InitBuffer(p, n); };
    k.recognises = [](const unsigned char *p, unsigned n) {
        return Edid13Block::IsEdid13(const_cast<unsigned char *>(p), n);
    };
    k.make = factory<Edid13Block>();
    k.checksumsHold = [](const unsigned char *p) { return sumsToZero(p, 128); };
    QByteArray revision4 = initialised(k.init);
    revision4[19] = 4; // an EDID 1.4 block is not an EDID 1.3 block
    QByteArray version2 = initialised(k.init);
    version2[18] = 2;
    QByteArray header = initialised(k.init);
    header[3] = static_cast<char>(0xFE);
    k.foreign = {revision4, version2, header};
    k.inertCalls = edidBaseInert;
    k.checksumSteps = edidBaseChecksumSteps();
    return k;
}

BlockKind edid14Kind()
{
    BlockKind k = edid13Kind();
    k.name = "EDID 1.4";
    k.shortSizes = {127, 100};
    k.init = [](unsigned char *p, unsigned n) { return Edid14Block::InitBuffer(p, n); };
    k.recognises = [](const unsigned char *p, unsigned n) {
        return Edid14Block::IsEdid14(const_cast<unsigned char *>(p), n);
    };
    k.make = factory<Edid14Block>();
    QByteArray revision3 = initialised(k.init);
    revision3[19] = 3;
    QByteArray header = initialised(k.init);
    header[7] = 0x01;
    k.foreign = {revision3, header};
    k.inertCalls = [](DataBlock &block) {
        edidBaseInert(block);
        auto &object = static_cast<Edid14Block &>(block);
        object.AddDescriptor(DescriptorCvt3ByteCodes, 0);
        object.SetNumOfExtensions(2);
        ColorManagement cm{};
        QVERIFY(!object.GetColorManagement(1, &cm));
        QVERIFY(!object.SetColorManagement(1, &cm));
    };
    return k;
}

BlockKind ceaKind()
{
    BlockKind k;
    k.name = "CTA-861";
    k.offset = ExtBlockImage::BlockOffset;
    k.objectSize = 128;
    k.blockSize = 128;
    k.initSize = 128;
    k.shortSizes = {127};
    k.decoderBase = QStringLiteral("cta-basic-dela0a4-1.bin");
    k.init = [](unsigned char *p, unsigned n) { return CeaExtBlock::InitBuffer(p, n); };
    k.recognises = [](const unsigned char *p, unsigned n) { return CeaExtBlock::IsCeaExt(p, n); };
    k.make = factory<CeaExtBlock>();
    k.checksumsHold = [](const unsigned char *p) { return sumsToZero(p, 128); };
    // A data block collection behind a VTB-EXT tag: nothing of it may be read.
    QByteArray vtbTag = CeaTest::makeExt(0, 0, QByteArray::fromHex("4101"));
    vtbTag[0] = 0x10;
    QByteArray displayIdTag = initialised(k.init);
    displayIdTag[0] = 0x70;
    k.foreign = {vtbTag, displayIdTag};
    k.inertCalls = [](DataBlock &b) {
        auto &block = static_cast<CeaExtBlock &>(b);
        QCOMPARE(block.dataBlockCount(), 0u);
        QVERIFY(!block.AllowNewDataBlocks());
        QVERIFY(!block.AllowNewDTDs());
        block.AddDataBlock(CeaBlockAudio);
        block.AddDTD();
        block.RemoveDataBlock(0);
        block.RemoveDTD(0);
        CeaGeneralInfo info;
        info.underscan = true;
        block.SetGeneralInfo(&info);
        info.dtdOffset = 77;
        block.GetGeneralInfo(&info);
        QCOMPARE(info.dtdOffset, 77u);
        QVERIFY(block.GetGeneralInfoLocation(2, 0, nullptr).isEmpty());
        QCOMPARE(int(block.Get3DSupport(1)), 0);
    };
    k.checksumSteps = {
        {"same general info",
         [](DataBlock &b) {
             auto &block = static_cast<CeaExtBlock &>(b);
             CeaGeneralInfo info;
             block.GetGeneralInfo(&info);
             block.SetGeneralInfo(&info);
         },
         0},
        {"underscan",
         [](DataBlock &b) {
             auto &block = static_cast<CeaExtBlock &>(b);
             CeaGeneralInfo info;
             block.GetGeneralInfo(&info);
             info.underscan = true;
             block.SetGeneralInfo(&info);
         },
         1},
        {"add video",
         [](DataBlock &b) { static_cast<CeaExtBlock &>(b).AddDataBlock(CeaBlockVideo); }, 2},
        {"recalculation", [](DataBlock &b) { b.RecalcCheckSum(); }, 2},
    };
    return k;
}

BlockKind diExtKind()
{
    BlockKind k;
    k.name = "DI-EXT";
    k.offset = ExtBlockImage::BlockOffset;
    k.objectSize = ImageSize - ExtBlockImage::BlockOffset;
    k.blockSize = 128;
    k.initSize = 128;
    k.shortSizes = {127};
    k.decoderBase = QStringLiteral("diext-app9219-1.bin");
    k.init = [](unsigned char *p, unsigned n) { return DiExtBlock::InitBuffer(p, n); };
    k.recognises = [](const unsigned char *p, unsigned n) { return DiExtBlock::IsDiExt(p, n); };
    k.make = factory<DiExtBlock>();
    k.checksumsHold = [](const unsigned char *p) { return sumsToZero(p, 128); };
    QByteArray ceaTag = initialised(k.init);
    ceaTag[0] = 0x02;
    QByteArray vtbTag = initialised(k.init);
    vtbTag[0] = 0x10;
    k.foreign = {ceaTag, vtbTag};
    k.inertCalls = [](DataBlock &b) {
        auto &inert = static_cast<DiExtBlock &>(b);
        QCOMPARE(inert.GetChecksum(), 0u);
        DiGeneralInfo g = patterned<DiGeneralInfo>();
        DiDataFormatDesc f = patterned<DiDataFormatDesc>();
        DiDisplayDevice d = patterned<DiDisplayDevice>();
        DiDisplayCaps c = patterned<DiDisplayCaps>();
        DiColorProperties p = patterned<DiColorProperties>();
        DiGamma m = patterned<DiGamma>();
        inert.GetGeneralInfo(&g);
        inert.GetDataFormatDesc(&f);
        inert.GetDisplayDevice(&d);
        inert.GetDisplayCaps(&c);
        inert.GetColorProperties(&p);
        inert.GetGamma(&m);
        QVERIFY(sameBytes(g, patterned<DiGeneralInfo>()));
        QVERIFY(sameBytes(f, patterned<DiDataFormatDesc>()));
        QVERIFY(sameBytes(d, patterned<DiDisplayDevice>()));
        QVERIFY(sameBytes(c, patterned<DiDisplayCaps>()));
        QVERIFY(sameBytes(p, patterned<DiColorProperties>()));
        QVERIFY(sameBytes(m, patterned<DiGamma>()));
        g.interfaceStandard = 0;
        inert.SetGeneralInfo(&g);
        inert.SetDataFormatDesc(&f);
        inert.SetDisplayDevice(&d);
        inert.SetDisplayCaps(&c);
        inert.SetColorProperties(&p);
        inert.SetGamma(&m);
        inert.RecalcCheckSum();
        QByteArray image(ImageSize, Filler);
        const auto *base = reinterpret_cast<const unsigned char *>(image.constData());
        QVERIFY(inert.GetGeneralInfoLocation(1, 0, base).isEmpty());
        QVERIFY(inert.GetGammaLocation(77, 0, base).isEmpty());
        ReportSink sink;
        QCOMPARE(inert.Validate(&sink), 0);
        QVERIFY(sink.lines.isEmpty());
    };
    const auto setClock = [](unsigned mhz) {
        return [mhz](DataBlock &b) {
            auto &block = static_cast<DiExtBlock &>(b);
            DiDataFormatDesc format{};
            block.GetDataFormatDesc(&format);
            format.maxPixelClock = mhz;
            block.SetDataFormatDesc(&format);
        };
    };
    k.checksumSteps = {
        {"maximum clock", setClock(165), 1},
        {"same maximum clock", setClock(165), 1},
        {"recalculation", [](DataBlock &b) { b.RecalcCheckSum(); }, 1},
        {"another maximum clock", setClock(330), 2},
    };
    return k;
}

BlockKind vtbKind()
{
    BlockKind k;
    k.name = "VTB-EXT";
    k.offset = ExtBlockImage::BlockOffset;
    k.objectSize = ImageSize - ExtBlockImage::BlockOffset;
    k.blockSize = 128;
    k.initSize = 128;
    k.shortSizes = {127, 100};
    k.decoderBase = QStringLiteral("vtbext-bdsc100-1.bin");
    k.init = [](unsigned char *p, unsigned n) { return EdidExtVtb::InitBuffer(p, n); };
    k.recognises = [](const unsigned char *p, unsigned n) {
        return EdidExtVtb::IsEdidExtVtb(n, p);
    };
    k.make = factory<EdidExtVtb>();
    k.checksumsHold = [](const unsigned char *p) { return sumsToZero(p, 128); };
    // Entries behind a DI-EXT tag: none of them may be read.
    QByteArray diTag = initialised(k.init);
    diTag[2] = 1;
    diTag[3] = 1;
    diTag[4] = 1;
    fixChecksum(diTag);
    diTag[0] = 0x40;
    k.foreign = {diTag};
    k.inertCalls = [](DataBlock &b) {
        auto &inert = static_cast<EdidExtVtb &>(b);
        QCOMPARE(inert.GetChecksum(), 0u);
        QCOMPARE(inert.GetVersion(), 0u);
        QVERIFY(!inert.IsChecksumValid());
        QCOMPARE(inert.DTBCount() + inert.CVTCount() + inert.STCount(), 0u);
        QCOMPARE(inert.GetFreeBytesNumber(), 0u);
        QVERIFY(!inert.GetDTB(0) && !inert.GetCVT(0) && !inert.GetST(0) && !inert.GetRawData());
        QVERIFY(!inert.getVtbBlockData(VtbDetailedTimings));
        DetailedTiming dt;
        dt.hActive = 77;
        QVERIFY(!inert.GetDetailedTiming(0, &dt));
        QCOMPARE(dt.hActive, 77u);
        QVERIFY(!inert.AddDTB() && !inert.AddCVT() && !inert.AddST());
        QVERIFY(!inert.RemoveDTB(0) && !inert.RemoveCVT(0) && !inert.RemoveST(0));
        StandardTiming st;
        QVERIFY(!inert.SetStandardTiming(0, 0, &st));
        inert.SetDetailedTiming(0, &dt);
        inert.ClearTail();
        inert.RecalcCheckSum();
        QVERIFY(inert.GetDetailedTimingLocation(0xFFFFFFFFu, 0xFFFFFFFFu).isEmpty());
        QVERIFY(inert.GetCvt3ByteTimingLocation(0xFFFFFFFFu, 0).isEmpty());
    };
    k.checksumSteps = {
        {"add standard timing", [](DataBlock &b) { static_cast<EdidExtVtb &>(b).AddST(); }, 1},
        {"recalculation", [](DataBlock &b) { b.RecalcCheckSum(); }, 1},
        {"remove it", [](DataBlock &b) { static_cast<EdidExtVtb &>(b).RemoveST(0); }, 2},
        {"remove none", [](DataBlock &b) { static_cast<EdidExtVtb &>(b).RemoveST(0); }, 2},
    };
    return k;
}

// DisplayID sections, base or extension: the calls of an object without a section.
void displayIdInert(DataBlock &b)
{
    auto &none = static_cast<DisplayIDBlock &>(b);
    QCOMPARE(none.GetNumOfDataBlocks(), 0u);
    QCOMPARE(none.GetNumOfAvailableBytes(), 0u);
    QCOMPARE(none.GetDataBlockTag(0), 256u);
    QVERIFY(!none.AllowNewDataBlocks());
    QVERIFY(!none.IsDataBlockSupported(DidBlockType1Timing));
    QVERIFY(!none.IsBaseBlock());
    DisplayID_Section_Header h;
    h.version = 0x55;
    none.GetSectionHeader(&h);
    QCOMPARE(h.version, quint8(0x55));
    none.AddDataBlock(DidBlockType1Timing);
    none.RemoveDataBlock(0);
    none.SetNumOfExtensions(1);
}

QVector<ChecksumStep> displayIdChecksumSteps()
{
    const auto dataBlocks = [](DataBlock &b) { return &static_cast<DisplayIDBlock &>(b); };
    return {
        {"add vendor block",
         [dataBlocks](DataBlock &b) { dataBlocks(b)->AddDataBlock(DidBlockVendorSpecific); }, 1},
        {"recalculation, nothing changed", [](DataBlock &b) { b.RecalcCheckSum(); }, 1},
        {"remove it", [dataBlocks](DataBlock &b) { dataBlocks(b)->RemoveDataBlock(0); }, 2},
        {"remove a block that is not there",
         [dataBlocks](DataBlock &b) { dataBlocks(b)->RemoveDataBlock(0); }, 2},
    };
}

BlockKind displayIdExtKind()
{
    BlockKind k;
    k.name = "DisplayID extension";
    k.offset = ExtBlockImage::BlockOffset;
    k.objectSize = 128;
    k.blockSize = 128;
    k.initSize = 128;
    k.shortSizes = {127};
    k.decoderBase = QStringLiteral("displayid13-boe0aba-1.bin");
    k.init = [](unsigned char *p, unsigned n) {
        return DisplayIDBlock::InitExtBlockBuffer(p, n, 0x12, false);
    };
    k.recognises = [](const unsigned char *p, unsigned n) {
        return DisplayIDBlock::IsDisplayIDExtBlock(p, n);
    };
    k.make = factory<DisplayIDBlock>();
    // Both the section (from byte 1) and the EDID block.
    k.checksumsHold = [](const unsigned char *p) {
        return sumsToZero(p + 1, 5u + p[2]) && sumsToZero(p, 128);
    };
    QByteArray version2 = initialised(k.init);
    version2[1] = 0x20;
    fixChecksum(version2);
    QByteArray ceaTag = initialised(k.init);
    ceaTag[0] = 0x02;
    k.foreign = {version2, ceaTag};
    k.inertCalls = displayIdInert;
    k.checksumSteps = displayIdChecksumSteps();
    return k;
}

BlockKind displayIdBaseKind()
{
    BlockKind k;
    k.name = "DisplayID base";
    k.offset = 0;
    k.objectSize = ImageSize;
    k.blockSize = 5; // the empty section
    k.initSize = ImageSize;
    k.shortSizes = {4};
    k.init = [](unsigned char *p, unsigned n) {
        return DisplayIDBlock::InitBaseBlockBuffer(p, n, 0x12);
    };
    k.recognises = [](const unsigned char *p, unsigned n) {
        return DisplayIDBlock::IsDisplayIDBaseBlock(p, n);
    };
    k.make = factory<DisplayIDBlock>();
    k.checksumsHold = [](const unsigned char *p) { return sumsToZero(p, 5u + p[1]); };
    QByteArray version2(ImageSize, Filler);
    k.init(bytes(version2), ImageSize);
    version2[0] = 0x20;
    QByteArray edidHeader(ImageSize, Filler);
    Edid13Block::InitBuffer(bytes(edidHeader), 128);
    k.foreign = {version2.left(128), edidHeader.left(128)};
    k.inertCalls = displayIdInert;
    k.checksumSteps = displayIdChecksumSteps();
    return k;
}

const QVector<BlockKind> &kinds()
{
    static const QVector<BlockKind> list{edid13Kind(),      edid14Kind(), ceaKind(),
                                         diExtKind(),       vtbKind(),    displayIdBaseKind(),
                                         displayIdExtKind()};
    return list;
}

// The sizes an object of the kind may be given: its own, the rest of the image (as the EDID view
// builds them) and one block.
QVector<unsigned> objectSizes(const BlockKind &kind)
{
    return {kind.objectSize, unsigned(ImageSize - kind.offset), 128u};
}

// The kind of the running test's data row.
const BlockKind &currentKind()
{
    QFETCH(int, kind);
    return kinds().at(kind);
}

// The image with a block made by the kind's InitBuffer at its place; empty when it refused.
QByteArray freshImage(const BlockKind &kind)
{
    QByteArray image(ImageSize, Filler);
    return kind.init(bytes(image) + kind.offset, kind.initSize) ? image : QByteArray();
}

// The image with block at the kind's place.
QByteArray imageWith(const BlockKind &kind, const QByteArray &block)
{
    QByteArray image(ImageSize, Filler);
    image.replace(kind.offset, block.size(), block);
    return image;
}

// Every virtual setter of DataBlock, with slots and indexes in and out of range.
void callEverySetter(DataBlock &block)
{
    for (unsigned i = 0; i < 5; ++i) {
        DetailedTiming detailed;
        block.SetDetailedTiming(i, &detailed);
        Cvt3ByteTiming cvt;
        block.SetCvt3ByteTiming(i, &cvt);
        StandardTiming standard;
        QVERIFY(!block.SetStandardTiming(0, i, &standard));
        ColorManagement colorManagement{};
        QVERIFY(!block.SetColorManagement(i, &colorManagement));
        RangeLimits limits{};
        block.SetRangeLimits(i, &limits);
        block.SetEstablishedTimingSupport(0, i, true);
        EdidString text{};
        block.SetDescriptorString(i, &text);
        block.AddDescriptor(DescriptorDataString, i);
        block.RemoveDescriptor(i);
    }
    block.RecalcCheckSum();
}

} // namespace

class tst_BlockContract : public QObject
{
    Q_OBJECT

private slots:
    void recognition_data();
    void recognition();
    void initBuffer_data();
    void initBuffer();
    void inertWithoutBlock_data();
    void inertWithoutBlock();
    void checksumCallback_data();
    void checksumCallback();

private:
    static void addKindRows();
};

void tst_BlockContract::addKindRows()
{
    QTest::addColumn<int>("kind");
    for (int i = 0; i < kinds().size(); ++i)
        QTest::newRow(kinds().at(i).name) << i;
}

void tst_BlockContract::recognition_data()
{
    addKindRows();
}

// A block the kind made is recognised, by the static check and by an object; a block of another
// kind or version, one cut short and no block at all are refused, and refusing writes nothing.
void tst_BlockContract::recognition()
{
    const BlockKind &k = currentKind();
    QByteArray image = freshImage(k);
    QVERIFY(!image.isEmpty());
    unsigned char *block = bytes(image) + k.offset;
    for (const unsigned size : objectSizes(k)) {
        QVERIFY2(k.recognises(block, size), qPrintable(QString::number(size)));
        QCOMPARE(k.make(block, size, unsigned(k.offset), nullptr)->GetBlockSize(), k.blockSize);
        QVERIFY(!k.recognises(nullptr, size));
    }

    for (const unsigned size : k.shortSizes) {
        QVERIFY2(!k.recognises(block, size), qPrintable(QString::number(size)));
        QCOMPARE(k.make(block, size, unsigned(k.offset), nullptr)->GetBlockSize(), 0u);
    }

    for (int i = 0; i < k.foreign.size(); ++i) {
        QByteArray other = imageWith(k, k.foreign.at(i));
        const QByteArray before = snapshot(other);
        unsigned char *p = bytes(other) + k.offset;
        for (const unsigned size : objectSizes(k)) {
            QVERIFY2(!k.recognises(p, size), qPrintable(QStringLiteral("foreign %1").arg(i)));
            QVERIFY2(k.make(p, size, unsigned(k.offset), nullptr)->GetBlockSize() == 0,
                     qPrintable(QStringLiteral("foreign %1").arg(i)));
        }
        QCOMPARE(other, before);
    }
}

void tst_BlockContract::initBuffer_data()
{
    addKindRows();
}

// InitBuffer writes a block whose checksums hold, for edid-decode as well, and nothing outside
// it; a buffer too small or none is refused and left alone.
void tst_BlockContract::initBuffer()
{
    const BlockKind &k = currentKind();
    QByteArray image = freshImage(k);
    QVERIFY(!image.isEmpty());
    QVERIFY(k.checksumsHold(bytes(image) + k.offset));
    QCOMPARE(image.left(k.offset), QByteArray(k.offset, Filler));
    if (k.initSize == 128)
        QCOMPARE(image.mid(k.offset + 128), QByteArray(ImageSize - k.offset - 128, Filler));
    if (haveEdidDecode() && k.initSize == 128) {
        const QByteArray decoded =
            k.decoderBase.isEmpty() ? image.mid(k.offset, 128)
                                    : sampleBaseBlock(k.decoderBase, 1) + image.mid(k.offset, 128);
        QVERIFY(edidDecodeChecksumsOk(decoded));
    }

    for (const unsigned size : k.shortSizes) {
        QByteArray small(int(size), '\x55');
        QVERIFY2(!k.init(bytes(small), size), qPrintable(QString::number(size)));
        QCOMPARE(small, QByteArray(int(size), '\x55'));
    }
    QVERIFY(!k.init(nullptr, k.initSize));
}

void tst_BlockContract::inertWithoutBlock_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("buffer");
    for (int i = 0; i < kinds().size(); ++i) {
        QTest::addRow("%s, foreign block", kinds().at(i).name) << i << true;
        QTest::addRow("%s, no buffer", kinds().at(i).name) << i << false;
    }
}

// An object over a block it does not recognise, or over no buffer, holds no block: its getters
// answer their defaults, and neither its setters nor the common ones of every block write.
void tst_BlockContract::inertWithoutBlock()
{
    QFETCH(bool, buffer);
    const BlockKind &k = currentKind();

    QByteArray image = imageWith(k, k.foreign.first());
    const QByteArray before = snapshot(image);
    std::unique_ptr<DataBlock> object = k.make(buffer ? bytes(image) + k.offset : nullptr,
                                               k.objectSize, unsigned(k.offset), nullptr);
    QCOMPARE(object->GetBlockSize(), 0u);
    k.inertCalls(*object);
    if (QTest::currentTestFailed())
        return;
    callEverySetter(*object);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(image == before, qPrintable(changedText(before, image)));
    ReportSink sink;
    object->FillModeInfo(&sink);
    QVERIFY(sink.modes.isEmpty());
    QCOMPARE(image, before);
}

void tst_BlockContract::checksumCallback_data()
{
    addKindRows();
}

// The observer hears of each edit that changed the stored checksum, from the block itself, and
// of none that left it as it was; the checksums hold after every edit.
void tst_BlockContract::checksumCallback()
{
    const BlockKind &k = currentKind();
    QByteArray image = freshImage(k);
    QVERIFY(!image.isEmpty());
    unsigned char *block = bytes(image) + k.offset;
    ChecksumCounter counter;
    std::unique_ptr<DataBlock> object = k.make(block, k.objectSize, unsigned(k.offset), &counter);
    for (const ChecksumStep &step : k.checksumSteps) {
        step.edit(*object);
        QVERIFY2(counter.count == step.count, qPrintable(QStringLiteral("%1: %2 notifications")
                                                             .arg(QLatin1String(step.what))
                                                             .arg(counter.count)));
        if (counter.count > 0)
            QCOMPARE(counter.last, object.get());
        QVERIFY2(k.checksumsHold(block), step.what);
    }
}

QTEST_GUILESS_MAIN(tst_BlockContract)
#include "tst_blockcontract.moc"
