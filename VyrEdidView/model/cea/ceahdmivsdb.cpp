// The HDMI vendor-specific data block (HDMI 1.4b, section 8.3.2): decoder, encoder, latency
// codec, field locations, byte descriptions and the per-VIC 3D support table it implies.
#include "ceaextblock.h"
#include "cealayout.h"
#include "model/bits.h"

#include <QtEndian>

#include <cstddef>
#include <cstring>

using namespace CeaLayout;

namespace {

// Where the parts of one HDMI VSDB sit, as block bytes counted from its header byte (0 = absent).
struct VsdbLayout
{
    unsigned latencyAt[4] = {0, 0, 0, 0};
    unsigned hdmiVideoAt = 0;
    unsigned vicsAt = 0;
    unsigned structureAt = 0;
    unsigned maskAt = 0;
    unsigned descriptorAt[CeaMax3DDescriptors] = {};
    unsigned partsEnd = 0; // first byte after the decoded parts
    // The block's own length fields (latency flags, HDMI_VIC_LEN, HDMI_3D_LEN) claim more bytes
    // than its payload holds: it is read as far as it goes and never written back.
    bool cut = false;
};

// A run of block bytes counted from the header byte; at 0 stands for "not in the block".
struct Span
{
    unsigned at;
    unsigned length;
};

// One flag of the record kept in one bit of the block (byte counted from the header byte).
// The decoder and the encoder both walk these tables, so the bit numbers are written once.
struct FlagBit
{
    unsigned byte;
    unsigned bit;
    bool CeaHdmiVSDB::*flag;
};

// Byte 6; bits 2-1 are reserved.
constexpr FlagBit FeatureBits[] = {
    {VsdbFlagsByte, 0, &CeaHdmiVSDB::dviDualLink}, {VsdbFlagsByte, 3, &CeaHdmiVSDB::deepColorY444},
    {VsdbFlagsByte, 4, &CeaHdmiVSDB::deepColor30}, {VsdbFlagsByte, 5, &CeaHdmiVSDB::deepColor36},
    {VsdbFlagsByte, 6, &CeaHdmiVSDB::deepColor48}, {VsdbFlagsByte, 7, &CeaHdmiVSDB::supportsAI},
};

// Byte 8 bits 3-0, the content types; bit 4 is reserved.
constexpr FlagBit ContentBits[] = {
    {VsdbContentByte, 0, &CeaHdmiVSDB::cnc0},
    {VsdbContentByte, 1, &CeaHdmiVSDB::cnc1},
    {VsdbContentByte, 2, &CeaHdmiVSDB::cnc2},
    {VsdbContentByte, 3, &CeaHdmiVSDB::cnc3},
};

// Byte 8 bits 7-5 announce the parts after it: the latency pair, the interlaced latency pair
// and the HDMI video part. The decoder takes a part as present only when the payload holds it.
constexpr FlagBit PresenceBits[] = {
    {VsdbContentByte, 7, &CeaHdmiVSDB::latencyPresent},
    {VsdbContentByte, 6, &CeaHdmiVSDB::interlacedLatencyPresent},
    {VsdbContentByte, 5, &CeaHdmiVSDB::hdmiVideoPresent},
};
constexpr unsigned HdmiVideoPresence = 2; // its row in PresenceBits

// The latency pairs in block order, announced by PresenceBits[0] and [1]: the video byte
// (this field), then the audio byte (the next field).
constexpr unsigned LatencyPairFields[2] = {CeaLatencyVideo, CeaLatencyInterlacedVideo};

// The source physical address A.B.C.D: one nibble each, bits low+3..low of byte.
struct Nibble
{
    unsigned byte;
    unsigned low;
    quint32 CeaHdmiVSDB::*field;
};

constexpr Nibble AddressNibbles[] = {
    {VsdbAddressByte, 4, &CeaHdmiVSDB::physicalA},
    {VsdbAddressByte, 0, &CeaHdmiVSDB::physicalB},
    {VsdbAddressByte + 1, 4, &CeaHdmiVSDB::physicalC},
    {VsdbAddressByte + 1, 0, &CeaHdmiVSDB::physicalD},
};

// The formats of structure3D (its bit format) in the 16-bit 3D structure field, stored big
// endian: byte 0 holds bits 15-8, byte 1 bits 7-0. The bits not listed are reserved.
struct StructureBit
{
    unsigned byte;
    unsigned bit;
    unsigned format;
};

constexpr StructureBit StructureBits[] = {
    {1, 0, 0}, // frame packing: bit 0
    {0, 0, 1}, // side-by-side (half): bit 8
    {1, 6, 2}, // top-and-bottom: bit 6
};

// The extended 3D entry kinds by their 3D_Structure code.
struct EntryKind
{
    unsigned structure;
    unsigned kind;
};

constexpr EntryKind EntryKinds[] = {
    {0, CeaHdmi3DFramePacking},
    {6, CeaHdmi3DTopAndBottom},
    {8, CeaHdmi3DSideBySideHalf},
};

// Codes 8 and above carry a second byte (3D_Detail in bits 7-4).
constexpr unsigned entryBytes(unsigned structure)
{
    return structure >= 8 ? 2u : 1u;
}

unsigned kindOfStructure(unsigned structure)
{
    for (const EntryKind &e : EntryKinds)
        if (e.structure == structure)
            return e.kind;
    return CeaHdmi3DNone;
}

const EntryKind *entryKindOf(unsigned kind)
{
    for (const EntryKind &e : EntryKinds)
        if (e.kind == kind)
            return &e;
    return nullptr;
}

bool announced(const quint8 *b, const FlagBit &flag)
{
    return bit(b[flag.byte], flag.bit) != 0;
}

template <std::size_t N> void readFlags(const quint8 *b, const FlagBit (&rows)[N], CeaHdmiVSDB *v)
{
    for (const FlagBit &row : rows)
        v->*row.flag = announced(b, row);
}

// Sets the bits of rows in b from v; the other bits of their bytes stay as they are.
template <std::size_t N> void writeFlags(quint8 *b, const FlagBit (&rows)[N], const CeaHdmiVSDB &v)
{
    for (const FlagBit &row : rows)
        b[row.byte] = setBit(b[row.byte], row.bit, v.*row.flag);
}

void setPartSizes(CeaHdmiVSDB *v)
{
    v->physicalAddressSize = 2;
    v->flagsSize = 1;
    v->maxTmdsClockSize = 1;
    v->contentTypeSize = 1;
    v->interlacedLatencySize = 2;
    v->latencySize = 2;
    v->hdmiVideoSize = 2;
    v->structure3DSize = 2;
    v->mask3DSize = 2;
}

// The source physical address, the features and the TMDS clock (the parts at fixed bytes
// before byte 8), as far as the n payload bytes reach.
void decodeFixedParts(const quint8 *b, unsigned n, CeaHdmiVSDB *v, VsdbLayout *l)
{
    l->partsEnd = VsdbPayloadStart + qMin(n, 2u);
    for (const Nibble &a : AddressNibbles)
        if (n > a.byte - VsdbAddressByte)
            v->*a.field = bits(b[a.byte], a.low + 3, a.low);
    if (n > 2) {
        v->flagsPresent = true;
        readFlags(b, FeatureBits, v);
        l->partsEnd = VsdbFlagsByte + 1;
    }
    if (n > 3) {
        v->maxTmdsClockPresent = true;
        v->maxTmdsClock = b[VsdbMaxTmdsByte] * 5u;
        l->partsEnd = VsdbMaxTmdsByte + 1;
    }
}

// The latency pairs byte 8 announces, from pos on; pos and left (payload bytes not yet read)
// follow them. False when the payload ends before an HDMI video part could start.
bool decodeLatency(const quint8 *b, unsigned &pos, unsigned &left, CeaHdmiVSDB *v, VsdbLayout *l)
{
    const bool video = announced(b, PresenceBits[HdmiVideoPresence]);
    for (unsigned k = 0; k < 2; ++k) {
        const FlagBit &presence = PresenceBits[k];
        if (left < 2) {
            l->cut = announced(b, presence) || video;
            return false;
        }
        if (!announced(b, presence))
            return true;
        v->*presence.flag = true;
        l->latencyAt[LatencyPairFields[k]] = pos;
        l->latencyAt[LatencyPairFields[k] + 1] = pos + 1;
        pos += 2;
        left -= 2;
        l->partsEnd = pos;
    }
    if (left < 2) {
        l->cut = video;
        return false;
    }
    return true;
}

// The HDMI video byte at pos, the count byte and the HDMI VICs, with left (>= 2) payload
// bytes from pos on. Returns the 3D data (HDMI_3D_LEN bytes) as far as the block holds it.
Span decodeHdmiVideo(const quint8 *b, unsigned pos, unsigned left, CeaHdmiVSDB *v, VsdbLayout *l)
{
    v->hdmiVideoPresent = true;
    l->hdmiVideoAt = pos;
    v->present3D = bit(b[pos], 7) != 0;
    v->multi3D = bits(b[pos], 6, 5);
    v->imageSize = bits(b[pos], 4, 3);
    const unsigned vicLength = bits(b[pos + 1], 7, 5);
    const unsigned claimed3D = bits(b[pos + 1], 4, 0);
    const unsigned vicCount = qMin(vicLength, left - 2);
    l->cut = vicLength > left - 2 || vicLength + claimed3D > left - 2;
    v->hdmiVicCount = vicCount;
    l->vicsAt = pos + 2;
    for (unsigned k = 0; k < vicCount; ++k) {
        v->hdmiVics[k].hdmiVic = b[pos + 2 + k];
        v->hdmiVics[k].present = 1;
    }
    const Span data{pos + 2 + vicCount, qMin(claimed3D, left - 2 - vicCount)};
    l->partsEnd = data.at + data.length;
    return data;
}

// The 3D structure and mask that multi3D announces at the start of the 3D data; used is what
// they take. False when the 3D data is too short for them (nothing after them is read then).
bool decode3DStructure(const quint8 *b, Span data, CeaHdmiVSDB *v, VsdbLayout *l, unsigned *used)
{
    *used = 0;
    if (v->multi3D != 1 && v->multi3D != 2)
        return true;
    if (data.length < 2)
        return false;
    l->structureAt = data.at;
    quint8 formats = 0;
    for (const StructureBit &s : StructureBits)
        formats = setBit(formats, s.format, bit(b[data.at + s.byte], s.bit) != 0);
    v->structure3D = formats;
    *used = 2;
    if (v->multi3D != 2)
        return true;
    if (data.length < 4)
        return false;
    l->maskAt = data.at + 2;
    v->mask3D = qFromBigEndian<quint16>(b + data.at + 2);
    *used = 4;
    return true;
}

// The extended 3D entries in the rest of the 3D data; entries of unknown kinds are skipped.
void decode3DEntries(const quint8 *b, Span rest, CeaHdmiVSDB *v, VsdbLayout *l)
{
    unsigned at = rest.at;
    unsigned left = rest.length;
    while (left > 0 && v->descriptor3DCount < CeaMax3DDescriptors) {
        const unsigned structure = bits(b[at], 3, 0);
        const unsigned entrySize = entryBytes(structure);
        if (entrySize > left) {
            l->cut = true; // an entry cut by HDMI_3D_LEN or by the payload
            break;
        }
        CeaHdmi3DDescriptor d;
        d.vicOrder = bits(b[at], 7, 4);
        d.size = entrySize;
        d.kind = kindOfStructure(structure);
        if (d.kind == CeaHdmi3DSideBySideHalf)
            d.detail = bits(b[at + 1], 7, 4);
        if (d.kind != CeaHdmi3DNone) {
            l->descriptorAt[v->descriptor3DCount] = at;
            v->descriptors3D[v->descriptor3DCount++] = d;
        }
        at += entrySize;
        left -= entrySize;
    }
}

// Decodes the block bytes b[0 .. size-1] (b[0] = header). Reads nothing past size. Latency
// bytes are left in latencyAt for the caller to convert.
void decodeVsdb(const quint8 *b, unsigned size, CeaHdmiVSDB *v, VsdbLayout *l)
{
    const unsigned n = size > VsdbPayloadStart ? size - VsdbPayloadStart : 0;
    v->payloadLength = n;
    setPartSizes(v);
    decodeFixedParts(b, n, v, l);
    if (n <= 4)
        return;
    v->contentTypePresent = true;
    readFlags(b, ContentBits, v);
    l->partsEnd = VsdbLatencyByte;
    unsigned pos = VsdbLatencyByte;
    unsigned left = n - 5;
    if (!decodeLatency(b, pos, left, v, l) || !announced(b, PresenceBits[HdmiVideoPresence]))
        return;
    const Span data = decodeHdmiVideo(b, pos, left, v, l);
    unsigned used = 0;
    if (decode3DStructure(b, data, v, l, &used))
        decode3DEntries(b, Span{data.at + used, data.length - used}, v, l);
}

unsigned multiCode(const CeaHdmiVSDB &v)
{
    return v.multi3D & 3u;
}

// Bytes of 3D data (HDMI_3D_LEN) that the record needs.
unsigned length3D(const CeaHdmiVSDB &v)
{
    unsigned length = 0;
    if (multiCode(v) == 1 || multiCode(v) == 2)
        length += 2;
    if (multiCode(v) == 2)
        length += 2;
    // Entries of unknown kinds take no bytes, as write3DEntries() writes them.
    for (unsigned k = 0; k < v.descriptor3DCount && k < CeaMax3DDescriptors; ++k)
        if (const EntryKind *kind = entryKindOf(v.descriptors3D[k].kind))
            length += entryBytes(kind->structure);
    return length;
}

bool byte8Needed(const CeaHdmiVSDB &v)
{
    return v.contentTypePresent || v.latencyPresent || v.interlacedLatencyPresent
           || v.hdmiVideoPresent;
}

// Payload bytes (after the OUI) that the present parts of the record occupy.
unsigned partsLength(const CeaHdmiVSDB &v)
{
    unsigned end = 2; // physical address
    if (v.flagsPresent)
        end = 3;
    if (v.maxTmdsClockPresent)
        end = 4;
    if (byte8Needed(v))
        end = 5;
    unsigned pos = 5;
    if (v.latencyPresent)
        pos += 2;
    if (v.interlacedLatencyPresent)
        pos += 2;
    if (v.latencyPresent || v.interlacedLatencyPresent)
        end = pos;
    if (v.hdmiVideoPresent)
        end = pos + 2 + v.hdmiVicCount + length3D(v);
    return end;
}

// A record whose parts do not fit its payload length or maxLength, or whose lists overflow
// their fields, is refused as a whole.
bool recordFits(const CeaHdmiVSDB &v, unsigned maxLength)
{
    if (v.hdmiVicCount > CeaMaxHdmiVics || v.descriptor3DCount > CeaMax3DDescriptors
        || (v.interlacedLatencyPresent && !v.latencyPresent))
        return false;
    return v.payloadLength >= partsLength(v) && v.payloadLength <= maxLength;
}

// The block as stored before a write, with its record and layout: the encoder keeps the
// reserved bits of each part from the same part of it.
struct StoredVsdb
{
    quint8 bytes[CeaExtBlock::MaxDataBlockSize] = {};
    CeaHdmiVSDB record;
    VsdbLayout layout;

    StoredVsdb(const quint8 *b, unsigned size)
    {
        std::memcpy(bytes, b, size);
        decodeVsdb(bytes, size, &record, &layout);
    }
    quint8 byteOf(bool present, unsigned at) const { return present ? bytes[at] : 0u; }
};

// The source physical address, the features, the TMDS clock and byte 8.
void writeFixedParts(quint8 *b, const CeaHdmiVSDB &v, const StoredVsdb &old)
{
    for (const Nibble &a : AddressNibbles)
        b[a.byte] = setBits(b[a.byte], a.low + 3, a.low, v.*a.field);
    if (v.flagsPresent) {
        b[VsdbFlagsByte] = old.byteOf(old.record.flagsPresent, VsdbFlagsByte);
        writeFlags(b, FeatureBits, v);
    }
    if (v.maxTmdsClockPresent)
        b[VsdbMaxTmdsByte] = lowByte((v.maxTmdsClock + 2u) / 5u); // nearest 5 MHz
    if (byte8Needed(v)) {
        b[VsdbContentByte] = old.byteOf(old.record.contentTypePresent, VsdbContentByte);
        writeFlags(b, ContentBits, v);
        writeFlags(b, PresenceBits, v);
    }
}

// The 3D structure and mask that multi3D announces, from at on; returns the byte after them.
unsigned write3DStructure(quint8 *b, unsigned at, const CeaHdmiVSDB &v, const StoredVsdb &old)
{
    const unsigned multi = multiCode(v);
    if (multi == 1 || multi == 2) {
        const unsigned oldAt = old.layout.structureAt;
        b[at] = old.byteOf(oldAt != 0, oldAt);
        b[at + 1] = old.byteOf(oldAt != 0, oldAt + 1);
        for (const StructureBit &s : StructureBits)
            b[at + s.byte] = setBit(b[at + s.byte], s.bit, bit(v.structure3D, s.format) != 0);
        at += 2;
    }
    if (multi == 2) {
        qToBigEndian(static_cast<quint16>(v.mask3D), b + at);
        at += 2;
    }
    return at;
}

// The extended 3D entries from at on; entries of unknown kinds take no bytes.
void write3DEntries(quint8 *b, unsigned at, const CeaHdmiVSDB &v, const StoredVsdb &old)
{
    for (unsigned k = 0; k < v.descriptor3DCount; ++k) {
        const CeaHdmi3DDescriptor &d = v.descriptors3D[k];
        const EntryKind *kind = entryKindOf(d.kind);
        if (!kind)
            continue;
        b[at++] = static_cast<quint8>(((d.vicOrder & 15u) << 4) | kind->structure);
        if (entryBytes(kind->structure) == 1)
            continue;
        // Bits 3-0 of the detail byte are reserved: kept from a stored side-by-side entry k.
        const bool oldSideBySide = k < old.record.descriptor3DCount
                                   && old.record.descriptors3D[k].kind == CeaHdmi3DSideBySideHalf;
        const unsigned reserved =
            oldSideBySide ? (old.bytes[old.layout.descriptorAt[k] + 1] & 0x0Fu) : 0u;
        b[at++] = static_cast<quint8>(withBits(reserved, 7, 4, d.detail));
    }
}

// The HDMI video byte at pos, the count byte, the HDMI VICs and the 3D data.
void writeHdmiVideo(quint8 *b, unsigned pos, const CeaHdmiVSDB &v, const StoredVsdb &old)
{
    // Bits 2-0 are reserved.
    unsigned video = old.byteOf(old.layout.hdmiVideoAt != 0, old.layout.hdmiVideoAt) & 0x07u;
    video = withBit(video, 7, v.present3D);
    video = withBits(video, 6, 5, v.multi3D);
    video = withBits(video, 4, 3, v.imageSize);
    b[pos] = static_cast<quint8>(video);
    b[pos + 1] = static_cast<quint8>(((v.hdmiVicCount & 7u) << 5) | (length3D(v) & 0x1Fu));
    unsigned at = pos + 2;
    for (unsigned k = 0; k < v.hdmiVicCount; ++k)
        b[at++] = lowByte(v.hdmiVics[k].hdmiVic);
    write3DEntries(b, write3DStructure(b, at, v, old), v, old);
}

// The bytes the rows of the fixed parts show, by field code. The latency rows show the bytes
// as they stand when both pairs are present: video, audio, then interlaced.
struct FieldBytes
{
    unsigned first; // field codes first..last
    unsigned last;
    Span bytes;
};

constexpr FieldBytes FixedFieldBytes[] = {
    {45, 45, {VsdbAddressByte, 2}},     {46, 47, {VsdbAddressByte, 1}},
    {48, 49, {VsdbAddressByte + 1, 1}}, {50, 56, {VsdbFlagsByte, 1}},
    {57, 58, {VsdbMaxTmdsByte, 1}},     {59, 63, {VsdbContentByte, 1}},
    {64, 64, {VsdbLatencyByte, 2}},     {65, 65, {VsdbLatencyByte + 1, 1}},
    {66, 66, {VsdbLatencyByte, 1}},     {67, 67, {VsdbLatencyByte + 2, 2}},
    {68, 68, {VsdbLatencyByte + 3, 1}}, {69, 69, {VsdbLatencyByte + 2, 1}},
};

// The bytes the rows of the HDMI video part show (at 0: a part the block does not hold).
Span hdmiVideoSpan(unsigned code, unsigned sub, const CeaHdmiVSDB &v, const VsdbLayout &l)
{
    // The HDMI video fields follow the latency fields that are present.
    const unsigned videoAt = l.hdmiVideoAt ? l.hdmiVideoAt
                                           : VsdbLatencyByte + (v.latencyPresent ? 2u : 0u)
                                                 + (v.interlacedLatencyPresent ? 2u : 0u);
    // Without 3D data the structure would follow the HDMI video byte and the count byte.
    const unsigned structureAt = l.structureAt ? l.structureAt : videoAt + 2u;
    switch (code) {
    case 70:
    case 71:
    case 72:
    case 73:
        return {videoAt, 1};
    case 74: // the 3D structure, bits 15..0
        return {l.structureAt, 2};
    case 75: // the 3D mask, bits 15..0
        return {l.maskAt, 2};
    case 76: // mask bit sub: bits 15..8 in the first byte, 7..0 in the second
        return {sub < 16 && l.maskAt ? l.maskAt + (sub < 8 ? 1u : 0u) : 0u, 1};
    case 77:
    case 79:
        return {structureAt + 1, 1};
    case 78:
        return {structureAt, 1};
    case 80: // the count byte: HDMI_VIC_LEN and HDMI_3D_LEN
    case 82:
        return {l.hdmiVideoAt ? l.hdmiVideoAt + 1u : 0u, 1};
    case 81: // 3D entry sub, one or two bytes
        return sub < v.descriptor3DCount ? Span{l.descriptorAt[sub], v.descriptors3D[sub].size}
                                         : Span{0, 0};
    case 83: // HDMI VIC sub
        return {sub < v.hdmiVicCount ? l.vicsAt + sub : 0u, 1};
    default:
        return {0, 0};
    }
}

Span fieldSpan(unsigned code, unsigned sub, const CeaHdmiVSDB &v, const VsdbLayout &l)
{
    for (const FieldBytes &f : FixedFieldBytes)
        if (code >= f.first && code <= f.last)
            return f.bytes;
    return hdmiVideoSpan(code, sub, v, l);
}

} // namespace

void CeaExtBlock::GetHdmiVSDB(unsigned int index, CeaHdmiVSDB *vsdb) const
{
    if (!validIndex(index) || !vsdb)
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    VsdbLayout layout;
    const quint8 *b = rawData + blockStart(entry);
    decodeVsdb(b, entry.size, vsdb, &layout);
    for (unsigned k = 0; k < 4; ++k)
        if (layout.latencyAt[k] != 0)
            setHdmiLatencyField(vsdb, k, b[layout.latencyAt[k]]);
    vsdb->maxPayloadLength = qMin(CeaMaxHdmiVsdbPayload, vsdb->payloadLength + freeBytes());
}

void CeaExtBlock::SetHdmiVSDB(unsigned int index, CeaHdmiVSDB *vsdb)
{
    if (!validIndex(index) || !vsdb)
        return;
    if (GetDataBlockID(index) != CeaBlockHdmiVsdb)
        return;
    const CeaDataBlockEntry before = m_dataBlocks[static_cast<int>(index)];
    if (!recordFits(*vsdb, qMin(CeaMaxHdmiVsdbPayload, payloadLength(before) + freeBytes())))
        return;
    const StoredVsdb old(rawData + blockStart(before), before.size);
    if (old.layout.cut)
        return;

    if (!resizeDataBlock(index, VsdbPayloadStart + vsdb->payloadLength))
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    quint8 *b = rawData + blockStart(entry);
    writeFixedParts(b, *vsdb, old);
    unsigned pos = VsdbLatencyByte;
    for (unsigned k = 0; k < 2; ++k) {
        if (!(vsdb->*PresenceBits[k].flag))
            continue;
        b[pos++] = getHdmiLatencyField(vsdb, LatencyPairFields[k]);
        b[pos++] = getHdmiLatencyField(vsdb, LatencyPairFields[k] + 1);
    }
    if (vsdb->hdmiVideoPresent)
        writeHdmiVideo(b, pos, *vsdb, old);
    // Bytes that belonged to parts of the stored block and lie past the parts written now are
    // cleared, so no part switched off leaves bytes behind; bytes the stored block carried
    // after its parts stay.
    const unsigned written = VsdbPayloadStart + partsLength(*vsdb);
    const unsigned clearEnd = qMin(old.layout.partsEnd, entry.size);
    for (unsigned k = written; k < clearEnd; ++k)
        b[k] = 0;

    rebuild3DSupport();
    recalcCheckSum();
}

unsigned char CeaExtBlock::getHdmiLatencyField(const CeaHdmiVSDB *vsdb, unsigned int field) const
{
    if (!vsdb || field > 3)
        return 0;
    switch (vsdb->latencyState[field]) {
    case CeaLatencyNotSupported:
        return 255;
    case CeaLatencyValid:
        // (byte - 1) x 2 ms, to the nearest byte; 254 (506 ms) is the largest valid value,
        // since 255 means "not supported".
        return static_cast<unsigned char>(qMin((vsdb->latencyMs[field] + 1u) / 2u + 1u, 254u));
    default:
        return 0;
    }
}

void CeaExtBlock::setHdmiLatencyField(CeaHdmiVSDB *vsdb, unsigned int field,
                                      unsigned char value) const
{
    if (!vsdb || field > 3)
        return;
    if (value == 0) {
        vsdb->latencyState[field] = CeaLatencyNoData;
        vsdb->latencyMs[field] = 0;
    } else if (value == 255) {
        vsdb->latencyState[field] = CeaLatencyNotSupported;
        vsdb->latencyMs[field] = 0;
    } else {
        vsdb->latencyState[field] = CeaLatencyValid;
        vsdb->latencyMs[field] = 2u * value - 2u;
    }
}

unsigned char CeaExtBlock::Get3DSupport(unsigned int vic) const
{
    if (!rawData || vic == 0 || vic > 64)
        return 0;
    return m_3DSupport[vic - 1];
}

void CeaExtBlock::rebuild3DSupport()
{
    std::memset(m_3DSupport, 0, sizeof(m_3DSupport));
    if (!rawData)
        return;
    CeaSVDDataBlock svds;
    GetAllSVDs(&svds);
    if (svds.count == 0)
        return;
    for (unsigned i = 0; i < dataBlockCount(); ++i) {
        const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(i)];
        if (entry.tag.tagCode != 3 || entry.tag.ouiValue() != CeaOuiHdmi)
            continue;
        CeaHdmiVSDB vsdb;
        GetHdmiVSDB(i, &vsdb);
        set3DSupportFromVSDB(vsdb, svds);
    }
}

void CeaExtBlock::set3DSupportFromVSDB(const CeaHdmiVSDB &vsdb, const CeaSVDDataBlock &svds)
{
    auto tableIndex = [](unsigned vic) { return (vic >= 1 && vic <= 64) ? vic - 1 : 64u; };
    if (vsdb.present3D) {
        // The formats every 3D-capable sink supports for these VICs.
        for (unsigned k = 0; k < svds.count; ++k) {
            const unsigned t = tableIndex(svds.svd[k].vic);
            const unsigned char *mandatory = GetCea3DSupport(t);
            if (t < 64 && mandatory)
                m_3DSupport[t] = *mandatory;
        }
    }
    const unsigned multi = vsdb.multi3D & 3u;
    if (multi == 1 || multi == 2) {
        for (unsigned k = 0; k < svds.count && k < 16; ++k) {
            if (multi == 2 && bit(vsdb.mask3D, k) == 0)
                continue;
            const unsigned t = tableIndex(svds.svd[k].vic);
            if (t < 64)
                m_3DSupport[t] =
                    static_cast<unsigned char>(m_3DSupport[t] | (vsdb.structure3D & 7u));
        }
    }
    for (unsigned j = 0; j < vsdb.descriptor3DCount && j < CeaMax3DDescriptors; ++j) {
        const CeaHdmi3DDescriptor &d = vsdb.descriptors3D[j];
        if (d.vicOrder >= svds.count)
            continue;
        const unsigned t = tableIndex(svds.svd[d.vicOrder].vic);
        if (t >= 64)
            continue;
        if (d.kind == CeaHdmi3DFramePacking)
            m_3DSupport[t] |= Cea3DFramePacking;
        else if (d.kind == CeaHdmi3DSideBySideHalf)
            m_3DSupport[t] |= Cea3DSideBySideHalf;
        else if (d.kind == CeaHdmi3DTopAndBottom)
            m_3DSupport[t] |= Cea3DTopAndBottom;
    }
}

QList<EdidItemLocation> CeaExtBlock::GetHdmiVSDBLocation(unsigned int code, unsigned int index,
                                                         unsigned int sub,
                                                         const unsigned char *base) const
{
    if (!validIndex(index))
        return {};
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    CeaHdmiVSDB vsdb;
    VsdbLayout layout;
    decodeVsdb(rawData + blockStart(entry), entry.size, &vsdb, &layout);
    // A part the block does not hold (the rows of a part exist only with it, so only a block cut
    // short gets here) and an unknown code answer the whole data block.
    const Span span = fieldSpan(code, sub, vsdb, layout);
    return span.at != 0 ? dataBlockLocation(entry, span.at, span.length, base)
                        : dataBlockLocation(entry, 0, entry.size, base);
}

void CeaExtBlock::fillCellHdmiVSDB(unsigned int byte, unsigned int index, QString *name,
                                   QString *description)
{
    if (!validIndex(index) || !name || !description)
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    CeaHdmiVSDB vsdb;
    VsdbLayout l;
    decodeVsdb(rawData + blockStart(entry), entry.size, &vsdb, &l);
    static const char *const latencyNames[4] = {
        QT_TRANSLATE_NOOP("CeaExtBlock", "Video Latency"),
        QT_TRANSLATE_NOOP("CeaExtBlock", "Audio Latency"),
        QT_TRANSLATE_NOOP("CeaExtBlock", "Interlaced Video Latency"),
        QT_TRANSLATE_NOOP("CeaExtBlock", "Interlaced Audio Latency")};
    if (byte == VsdbAddressByte)
        *name = tr("Source Physical Address A/B");
    else if (byte == VsdbAddressByte + 1)
        *name = tr("Source Physical Address C/D");
    else if (byte == VsdbFlagsByte && vsdb.flagsPresent)
        *name = tr("Deep Color Support/Other Flags");
    else if (byte == VsdbMaxTmdsByte && vsdb.maxTmdsClockPresent)
        *name = tr("Maximum TMDS Clock Rate");
    else if (byte == VsdbContentByte && vsdb.contentTypePresent)
        *name = tr("Latency Presence/Video Bytes Presence/Content Type");
    for (unsigned k = 0; k < 4; ++k)
        if (l.latencyAt[k] != 0 && byte == l.latencyAt[k])
            *name = tr(latencyNames[k]);
    if (l.hdmiVideoAt != 0) {
        if (byte == l.hdmiVideoAt)
            *name = tr("Image Size/3D Capabilities");
        else if (byte == l.hdmiVideoAt + 1)
            *name = tr("Number of HDMI VIC Desc./Number of Detailed 3D Desc.");
        else if (byte >= l.vicsAt && byte < l.vicsAt + vsdb.hdmiVicCount) {
            *name = tr("HDMI Video Format Code");
            *description = tr("(HDMI Vendor Specific Data Block). HDMI Short Video Descriptor[%1]")
                               .arg(byte - l.vicsAt);
        }
    }
    if (l.structureAt != 0 && byte == l.structureAt)
        *name = tr("3D Formats Supported by First 16 VICs (bits 15..8)");
    else if (l.structureAt != 0 && byte == l.structureAt + 1)
        *name = tr("3D Formats Supported by First 16 VICs (bits  7..0)");
    if (l.maskAt != 0 && byte == l.maskAt)
        *name = tr("Subset of First 16 VICs which support 3D Formats (VICs 15..8)");
    else if (l.maskAt != 0 && byte == l.maskAt + 1)
        *name = tr("Subset of First 16 VICs which support 3D Formats (VICs  7..0)");
    for (unsigned k = 0; k < vsdb.descriptor3DCount; ++k) {
        const unsigned at = l.descriptorAt[k];
        if (byte == at || (vsdb.descriptors3D[k].size == 2 && byte == at + 1)) {
            *name = byte == at ? tr("3D Structure/3D VIC Index") : tr("3D Parameter");
            *description =
                tr("(HDMI Vendor Specific Data Block). Detailed 3D Descriptor[%1]").arg(k);
        }
    }
    if (description->isEmpty())
        *description = tr("(HDMI Vendor Specific Data Block)");
}
