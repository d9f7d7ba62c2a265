// The HDMI vendor-specific data block (HDMI 1.4b, section 8.3.2): decoder, encoder, latency
// codec, field locations, byte descriptions and the per-VIC 3D support table it implies.
#include "ceaextblock.h"
#include "cealayout.h"
#include "model/bits.h"

#include <QtEndian>

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

// Decodes the block bytes b[0 .. size-1] (b[0] = header). Reads nothing past size. Latency
// bytes are left in latencyAt for the caller to convert.
void decodeVsdb(const quint8 *b, unsigned size, CeaHdmiVSDB *v, VsdbLayout *l)
{
    const unsigned n = size > VsdbPayloadStart ? size - VsdbPayloadStart : 0;
    v->payloadLength = n;
    v->physicalAddressSize = 2;
    v->flagsSize = 1;
    v->maxTmdsClockSize = 1;
    v->contentTypeSize = 1;
    v->interlacedLatencySize = 2;
    v->latencySize = 2;
    v->hdmiVideoSize = 2;
    v->structure3DSize = 2;
    v->mask3DSize = 2;
    l->partsEnd = VsdbPayloadStart + qMin(n, 2u);
    if (n >= 1) {
        v->physicalA = bits(b[VsdbAddressByte], 7, 4);
        v->physicalB = bits(b[VsdbAddressByte], 3, 0);
    }
    if (n >= 2) {
        v->physicalC = bits(b[VsdbAddressByte + 1], 7, 4);
        v->physicalD = bits(b[VsdbAddressByte + 1], 3, 0);
    }
    if (n > 2) {
        const unsigned flags = b[VsdbFlagsByte];
        v->flagsPresent = true;
        v->dviDualLink = bit(flags, 0) != 0;
        v->deepColorY444 = bit(flags, 3) != 0;
        v->deepColor30 = bit(flags, 4) != 0;
        v->deepColor36 = bit(flags, 5) != 0;
        v->deepColor48 = bit(flags, 6) != 0;
        v->supportsAI = bit(flags, 7) != 0;
        l->partsEnd = VsdbFlagsByte + 1;
    }
    if (n > 3) {
        v->maxTmdsClockPresent = true;
        v->maxTmdsClock = b[VsdbMaxTmdsByte] * 5u;
        l->partsEnd = VsdbMaxTmdsByte + 1;
    }
    if (n <= 4)
        return;
    v->contentTypePresent = true;
    const unsigned flags = b[VsdbContentByte];
    v->cnc0 = bit(flags, 0) != 0;
    v->cnc1 = bit(flags, 1) != 0;
    v->cnc2 = bit(flags, 2) != 0;
    v->cnc3 = bit(flags, 3) != 0;
    l->partsEnd = VsdbLatencyByte;
    unsigned r = n - 5;
    unsigned pos = VsdbLatencyByte;
    if (r < 2) {
        l->cut = bit(flags, 7) != 0 || bit(flags, 5) != 0;
        return;
    }
    if (bit(flags, 7)) {
        v->latencyPresent = true;
        l->latencyAt[CeaLatencyVideo] = pos;
        l->latencyAt[CeaLatencyAudio] = pos + 1;
        pos += 2;
        r -= 2;
        l->partsEnd = pos;
        if (r < 2) {
            l->cut = bit(flags, 6) != 0 || bit(flags, 5) != 0;
            return;
        }
        if (bit(flags, 6)) {
            v->interlacedLatencyPresent = true;
            l->latencyAt[CeaLatencyInterlacedVideo] = pos;
            l->latencyAt[CeaLatencyInterlacedAudio] = pos + 1;
            pos += 2;
            r -= 2;
            l->partsEnd = pos;
            if (r < 2) {
                l->cut = bit(flags, 5) != 0;
                return;
            }
        }
    }
    if (!bit(flags, 5))
        return;
    v->hdmiVideoPresent = true;
    l->hdmiVideoAt = pos;
    v->present3D = bit(b[pos], 7) != 0;
    v->multi3D = bits(b[pos], 6, 5);
    v->imageSize = bits(b[pos], 4, 3);
    const unsigned vicCount = qMin(bits(b[pos + 1], 7, 5), r - 2);
    const unsigned length3D = bits(b[pos + 1], 4, 0);
    l->cut = bits(b[pos + 1], 7, 5) > r - 2 || bits(b[pos + 1], 7, 5) + length3D > r - 2;
    v->hdmiVicCount = vicCount;
    l->vicsAt = pos + 2;
    for (unsigned k = 0; k < vicCount; ++k) {
        v->hdmiVics[k].hdmiVic = b[pos + 2 + k];
        v->hdmiVics[k].present = 1;
    }
    // 3D data: 3D_LEN bytes, as far as the block holds them.
    const unsigned at3D = pos + 2 + vicCount;
    const unsigned available = qMin(length3D, r - 2 - vicCount);
    l->partsEnd = at3D + available;
    unsigned used = 0;
    if (v->multi3D == 1 || v->multi3D == 2) {
        if (available < 2)
            return;
        l->structureAt = at3D;
        const unsigned structure = qFromBigEndian<quint16>(b + at3D);
        quint8 flags3D = 0;
        flags3D = setBit(flags3D, 0, bit(structure, 0) != 0); // frame packing
        flags3D = setBit(flags3D, 1, bit(structure, 8) != 0); // side-by-side (half)
        flags3D = setBit(flags3D, 2, bit(structure, 6) != 0); // top-and-bottom
        v->structure3D = flags3D;
        used = 2;
        if (v->multi3D == 2) {
            if (available < 4)
                return;
            l->maskAt = at3D + 2;
            v->mask3D = qFromBigEndian<quint16>(b + at3D + 2);
            used = 4;
        }
    }
    unsigned at = at3D + used;
    unsigned left = available - used;
    while (left > 0 && v->descriptor3DCount < CeaMax3DDescriptors) {
        const unsigned first = b[at];
        const unsigned structure = bits(first, 3, 0);
        const unsigned entrySize = structure >= 8 ? 2 : 1;
        if (entrySize > left) {
            l->cut = true; // an entry cut by HDMI_3D_LEN or by the payload
            break;
        }
        CeaHdmi3DDescriptor d;
        d.vicOrder = bits(first, 7, 4);
        d.size = entrySize;
        if (structure == 0)
            d.kind = CeaHdmi3DFramePacking;
        else if (structure == 6)
            d.kind = CeaHdmi3DTopAndBottom;
        else if (structure == 8) {
            d.kind = CeaHdmi3DSideBySideHalf;
            d.detail = bits(b[at + 1], 7, 4);
        }
        if (d.kind != CeaHdmi3DNone) {
            l->descriptorAt[v->descriptor3DCount] = at;
            v->descriptors3D[v->descriptor3DCount++] = d;
        }
        at += entrySize;
        left -= entrySize;
    }
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
    for (unsigned k = 0; k < v.descriptor3DCount && k < CeaMax3DDescriptors; ++k) {
        if (v.descriptors3D[k].kind == CeaHdmi3DFramePacking
            || v.descriptors3D[k].kind == CeaHdmi3DTopAndBottom)
            length += 1;
        else if (v.descriptors3D[k].kind == CeaHdmi3DSideBySideHalf)
            length += 2;
    }
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
    // A record whose parts do not fit its payload length, or whose lists overflow their
    // fields, is refused as a whole.
    if (vsdb->hdmiVicCount > CeaMaxHdmiVics || vsdb->descriptor3DCount > CeaMax3DDescriptors
        || (vsdb->interlacedLatencyPresent && !vsdb->latencyPresent))
        return;
    const CeaDataBlockEntry before = m_dataBlocks[static_cast<int>(index)];
    const unsigned need = partsLength(*vsdb);
    const unsigned maxLength = qMin(CeaMaxHdmiVsdbPayload, payloadLength(before) + freeBytes());
    if (vsdb->payloadLength < need || vsdb->payloadLength > maxLength)
        return;

    // The stored block and its layout: reserved bits of each part are taken from the same part.
    quint8 old[MaxDataBlockSize] = {};
    std::memcpy(old, rawData + blockStart(before), before.size);
    CeaHdmiVSDB oldRecord;
    VsdbLayout oldLayout;
    decodeVsdb(old, before.size, &oldRecord, &oldLayout);
    if (oldLayout.cut)
        return;

    if (!resizeDataBlock(index, VsdbPayloadStart + vsdb->payloadLength))
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    quint8 *b = rawData + blockStart(entry);

    b[VsdbAddressByte] =
        static_cast<quint8>(((vsdb->physicalA & 15u) << 4) | (vsdb->physicalB & 15u));
    b[VsdbAddressByte + 1] =
        static_cast<quint8>(((vsdb->physicalC & 15u) << 4) | (vsdb->physicalD & 15u));
    if (vsdb->flagsPresent) {
        // Bits 2-1 are reserved.
        unsigned flags = oldRecord.flagsPresent ? (old[VsdbFlagsByte] & 0x06u) : 0u;
        flags = withBit(flags, 0, vsdb->dviDualLink);
        flags = withBit(flags, 3, vsdb->deepColorY444);
        flags = withBit(flags, 4, vsdb->deepColor30);
        flags = withBit(flags, 5, vsdb->deepColor36);
        flags = withBit(flags, 6, vsdb->deepColor48);
        flags = withBit(flags, 7, vsdb->supportsAI);
        b[VsdbFlagsByte] = static_cast<quint8>(flags);
    }
    if (vsdb->maxTmdsClockPresent)
        b[VsdbMaxTmdsByte] = lowByte((vsdb->maxTmdsClock + 2u) / 5u); // nearest 5 MHz
    unsigned pos = VsdbLatencyByte;
    if (byte8Needed(*vsdb)) {
        // Bit 4 is reserved.
        unsigned flags = oldRecord.contentTypePresent ? (old[VsdbContentByte] & 0x10u) : 0u;
        flags = withBit(flags, 0, vsdb->cnc0);
        flags = withBit(flags, 1, vsdb->cnc1);
        flags = withBit(flags, 2, vsdb->cnc2);
        flags = withBit(flags, 3, vsdb->cnc3);
        flags = withBit(flags, 7, vsdb->latencyPresent);
        flags = withBit(flags, 6, vsdb->interlacedLatencyPresent);
        flags = withBit(flags, 5, vsdb->hdmiVideoPresent);
        b[VsdbContentByte] = static_cast<quint8>(flags);
    }
    if (vsdb->latencyPresent) {
        b[pos] = getHdmiLatencyField(vsdb, CeaLatencyVideo);
        b[pos + 1] = getHdmiLatencyField(vsdb, CeaLatencyAudio);
        pos += 2;
    }
    if (vsdb->interlacedLatencyPresent) {
        b[pos] = getHdmiLatencyField(vsdb, CeaLatencyInterlacedVideo);
        b[pos + 1] = getHdmiLatencyField(vsdb, CeaLatencyInterlacedAudio);
        pos += 2;
    }
    if (vsdb->hdmiVideoPresent) {
        unsigned video = oldLayout.hdmiVideoAt ? (old[oldLayout.hdmiVideoAt] & 0x07u) : 0u;
        video = withBit(video, 7, vsdb->present3D);
        video = withBits(video, 6, 5, vsdb->multi3D);
        video = withBits(video, 4, 3, vsdb->imageSize);
        b[pos] = static_cast<quint8>(video);
        b[pos + 1] =
            static_cast<quint8>(((vsdb->hdmiVicCount & 7u) << 5) | (length3D(*vsdb) & 0x1Fu));
        unsigned at = pos + 2;
        for (unsigned k = 0; k < vsdb->hdmiVicCount; ++k)
            b[at++] = static_cast<quint8>(vsdb->hdmiVics[k].hdmiVic & 0xFFu);
        const unsigned multi = multiCode(*vsdb);
        if (multi == 1 || multi == 2) {
            unsigned high = oldLayout.structureAt ? (old[oldLayout.structureAt] & 0xFEu) : 0u;
            unsigned low = oldLayout.structureAt ? (old[oldLayout.structureAt + 1] & 0xBEu) : 0u;
            high = withBit(high, 0, bit(vsdb->structure3D, 1) != 0); // side-by-side (half)
            low = withBit(low, 0, bit(vsdb->structure3D, 0) != 0);   // frame packing
            low = withBit(low, 6, bit(vsdb->structure3D, 2) != 0);   // top-and-bottom
            b[at++] = static_cast<quint8>(high);
            b[at++] = static_cast<quint8>(low);
        }
        if (multi == 2) {
            qToBigEndian(static_cast<quint16>(vsdb->mask3D), b + at);
            at += 2;
        }
        for (unsigned k = 0; k < vsdb->descriptor3DCount; ++k) {
            const CeaHdmi3DDescriptor &d = vsdb->descriptors3D[k];
            const unsigned order = (d.vicOrder & 15u) << 4;
            if (d.kind == CeaHdmi3DFramePacking) {
                b[at++] = static_cast<quint8>(order);
            } else if (d.kind == CeaHdmi3DTopAndBottom) {
                b[at++] = static_cast<quint8>(order | 6u);
            } else if (d.kind == CeaHdmi3DSideBySideHalf) {
                const bool oldSideBySide =
                    k < oldRecord.descriptor3DCount
                    && oldRecord.descriptors3D[k].kind == CeaHdmi3DSideBySideHalf;
                unsigned detail = oldSideBySide ? (old[oldLayout.descriptorAt[k] + 1] & 0x0Fu)
                                                : 0u; // bits 3-0 reserved
                detail = withBits(detail, 7, 4, d.detail);
                b[at++] = static_cast<quint8>(order | 8u);
                b[at++] = static_cast<quint8>(detail);
            }
        }
    }
    // Bytes that belonged to parts of the stored block and lie past the parts written now are
    // cleared, so no part switched off leaves bytes behind; bytes the stored block carried
    // after its parts stay.
    const unsigned written = VsdbPayloadStart + need;
    const unsigned clearEnd = qMin(oldLayout.partsEnd, entry.size);
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
    // The HDMI video fields follow the latency fields that are present.
    const unsigned videoAt = layout.hdmiVideoAt ? layout.hdmiVideoAt
                                                : VsdbLatencyByte + (vsdb.latencyPresent ? 2u : 0u)
                                                      + (vsdb.interlacedLatencyPresent ? 2u : 0u);
    const unsigned shift = videoAt - VsdbLatencyByte;
    // Without 3D data the structure would follow the HDMI video byte and the count byte.
    const unsigned structureAt =
        layout.structureAt ? layout.structureAt : VsdbLatencyByte + 2u + shift;
    // A part the block does not hold (the rows of a part exist only with it, so only a block cut
    // short gets here) answers the whole data block.
    const auto part = [&](unsigned at, unsigned length) {
        return at != 0 ? dataBlockLocation(entry, at, length, base)
                       : dataBlockLocation(entry, 0, entry.size, base);
    };
    // Latency bytes as they stand when both pairs are present: video, audio, then interlaced.
    const unsigned latency = VsdbLatencyByte;
    const unsigned interlacedLatency = VsdbLatencyByte + 2u;
    switch (code) {
    case 45:
        return dataBlockLocation(entry, VsdbAddressByte, 2, base);
    case 46:
    case 47:
        return dataBlockLocation(entry, VsdbAddressByte, 1, base);
    case 48:
    case 49:
        return dataBlockLocation(entry, VsdbAddressByte + 1, 1, base);
    case 50:
    case 51:
    case 52:
    case 53:
    case 54:
    case 55:
    case 56:
        return dataBlockLocation(entry, VsdbFlagsByte, 1, base);
    case 57:
    case 58:
        return dataBlockLocation(entry, VsdbMaxTmdsByte, 1, base);
    case 59:
    case 60:
    case 61:
    case 62:
    case 63:
        return dataBlockLocation(entry, VsdbContentByte, 1, base);
    case 64:
        return dataBlockLocation(entry, latency, 2, base);
    case 65:
        return dataBlockLocation(entry, latency + 1, 1, base);
    case 66:
        return dataBlockLocation(entry, latency, 1, base);
    case 67:
        return dataBlockLocation(entry, interlacedLatency, 2, base);
    case 68:
        return dataBlockLocation(entry, interlacedLatency + 1, 1, base);
    case 69:
        return dataBlockLocation(entry, interlacedLatency, 1, base);
    case 70:
    case 71:
    case 72:
    case 73:
        return dataBlockLocation(entry, videoAt, 1, base);
    case 74: // the 3D structure, bits 15..0
        return part(layout.structureAt, 2);
    case 75: // the 3D mask, bits 15..0
        return part(layout.maskAt, 2);
    case 76: // mask bit sub: bits 15..8 in the first byte, 7..0 in the second
        return part(sub < 16 && layout.maskAt ? layout.maskAt + (sub < 8 ? 1u : 0u) : 0u, 1);
    case 77:
    case 79:
        return dataBlockLocation(entry, structureAt + 1, 1, base);
    case 78:
        return dataBlockLocation(entry, structureAt, 1, base);
    case 80: // the count byte: HDMI_VIC_LEN and HDMI_3D_LEN
    case 82:
        return part(layout.hdmiVideoAt ? layout.hdmiVideoAt + 1u : 0u, 1);
    case 81: // 3D entry sub, one or two bytes
        return sub < vsdb.descriptor3DCount
                   ? part(layout.descriptorAt[sub], vsdb.descriptors3D[sub].size)
                   : part(0, 0);
    case 83: // HDMI VIC sub
        return part(sub < vsdb.hdmiVicCount ? layout.vicsAt + sub : 0u, 1);
    default:
        return dataBlockLocation(entry, 0, entry.size, base);
    }
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
