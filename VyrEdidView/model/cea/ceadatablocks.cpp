// Decoders and encoders of the CEA-861 data blocks (CTA-861-G, sections 7.5.1 to 7.5.7):
// audio, video, speaker allocation, video capability, colorimetry and the raw (generic) view.
// The HDMI vendor-specific data block is in ceahdmivsdb.cpp.
#include "ceaextblock.h"
#include "model/bits.h"

#include <cstring>

void CeaExtBlock::GetAllSVDs(CeaSVDDataBlock *svds) const
{
    if (!svds)
        return;
    svds->count = 0;
    svds->maxCount = CeaMaxSvds;
    if (!rawData)
        return;
    for (const CeaDataBlockEntry &entry : m_dataBlocks) {
        if (entry.tag.tagCode != 2)
            continue;
        for (unsigned k = 0; k < payloadLength(entry) && svds->count < CeaMaxSvds; ++k) {
            const CeaVideoCodeByte code{payloadByte(entry, k)};
            svds->svd[svds->count].vic = code.vic();
            svds->svd[svds->count].native = code.native() ? 1 : 0;
            ++svds->count;
        }
    }
}

void CeaExtBlock::GetVideoDataBlock(unsigned int index, CeaSVDDataBlock *video) const
{
    if (!validIndex(index) || !video)
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    const unsigned n = qMin(payloadLength(entry), CeaMaxSvds);
    video->count = n;
    video->maxCount = qMin(31u, n + freeBytes());
    for (unsigned k = 0; k < n; ++k) {
        const CeaVideoCodeByte code{payloadByte(entry, k)};
        video->svd[k].vic = code.vic();
        video->svd[k].native = code.native() ? 1 : 0;
    }
}

void CeaExtBlock::SetVideoDataBlock(unsigned int index, CeaSVDDataBlock *video)
{
    if (!validIndex(index) || !video || video->count > CeaMaxSvds)
        return;
    const unsigned h = m_dataBlocks[static_cast<int>(index)].headerLength;
    if (!resizeDataBlock(index, h + video->count))
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    for (unsigned k = 0; k < video->count; ++k)
        setPayloadByte(
            entry, k,
            static_cast<quint8>((video->svd[k].vic & 0x7Fu) | ((video->svd[k].native & 1u) << 7)));
    rebuild3DSupport(); // the SVD order decides which VICs the 3D data applies to
    recalcCheckSum();
}

// Short audio descriptor, bytes s0 s1 s2 (CTA-861-G, section 7.5.2): s0 bits 6-3 format code,
// bits 2-0 channels - 1; s1 bits 6-0 sample rates; s2 by format code.
void CeaExtBlock::GetAudioDataBlock(unsigned int index, CeaSADDataBlock *audio) const
{
    if (!validIndex(index) || !audio)
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    const unsigned n = payloadLength(entry);
    const unsigned count = qMin(n / 3, CeaMaxSads);
    audio->count = count;
    audio->maxCount = qMin(static_cast<unsigned>(CeaMaxSads), n / 3 + freeBytes() / 3);
    for (unsigned k = 0; k < count; ++k) {
        const unsigned s0 = payloadByte(entry, 3 * k);
        const unsigned s1 = payloadByte(entry, 3 * k + 1);
        const unsigned s2 = payloadByte(entry, 3 * k + 2);
        CeaShortAudioDescriptor &sad = audio->sad[k];
        sad.formatCode = bits(s0, 6, 3);
        sad.channels = bits(s0, 2, 0) + 1;
        sad.sampleRates = static_cast<quint8>(bits(s1, 6, 0));
        if (sad.formatCode == 1)
            sad.value = bits(s2, 2, 0); // 16/20/24-bit flags
        else if (sad.formatCode >= 2 && sad.formatCode <= 8)
            sad.value = s2 * 8; // maximum bit rate, kHz
        else if (sad.formatCode >= 9 && sad.formatCode <= 13)
            sad.value = s2;
        else if (sad.formatCode == 14)
            sad.value = bits(s2, 2, 0); // profile
        else if (sad.formatCode == 15)
            sad.value = bits(s2, 7, 3); // extension type code
    }
}

void CeaExtBlock::SetAudioDataBlock(unsigned int index, CeaSADDataBlock *audio)
{
    if (!validIndex(index) || !audio || audio->count > CeaMaxSads)
        return;
    const CeaDataBlockEntry before = m_dataBlocks[static_cast<int>(index)];
    // Keep the stored descriptors: their reserved bits survive the edit.
    quint8 old[CeaMaxGenericPayload] = {};
    const unsigned oldLength = payloadLength(before);
    for (unsigned k = 0; k < oldLength && k < CeaMaxGenericPayload; ++k)
        old[k] = payloadByte(before, k);

    if (!resizeDataBlock(index, before.headerLength + 3 * audio->count))
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    for (unsigned k = 0; k < audio->count; ++k) {
        const CeaShortAudioDescriptor &sad = audio->sad[k];
        const bool stored = 3 * k + 2 < oldLength;
        const unsigned o0 = stored ? old[3 * k] : 0;
        const unsigned o1 = stored ? old[3 * k + 1] : 0;
        // Bits of byte 3 that the record does not carry keep their values only while the
        // descriptor keeps its format; a new format redefines the byte.
        const bool sameFormat = stored && bits(o0, 6, 3) == (sad.formatCode & 15u);
        const unsigned o2 = sameFormat ? old[3 * k + 2] : 0;

        unsigned s0 = withBits(o0, 6, 3, sad.formatCode);
        s0 = withBits(s0, 2, 0, (sad.channels - 1u) & 7u);
        const unsigned s1 = withBits(o1, 6, 0, sad.sampleRates);
        unsigned s2 = 0;
        const unsigned format = sad.formatCode & 15u;
        if (format == 1 || format == 14)
            s2 = withBits(o2, 2, 0, sad.value);
        else if (format >= 2 && format <= 8)
            s2 = (sad.value >> 3) & 0xFFu;
        else if (format >= 9 && format <= 13)
            s2 = sad.value & 0xFFu;
        else if (format == 15)
            s2 = withBits(o2, 7, 3, sad.value);
        else
            s2 = o2; // format 0: nothing defined, the byte is kept
        setPayloadByte(entry, 3 * k, static_cast<quint8>(s0));
        setPayloadByte(entry, 3 * k + 1, static_cast<quint8>(s1));
        setPayloadByte(entry, 3 * k + 2, static_cast<quint8>(s2));
    }
    recalcCheckSum();
}

void CeaExtBlock::GetSpeakersAllocation(unsigned int index, CeaSpeakerAllocation *speakers) const
{
    if (!validIndex(index) || !speakers)
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    const unsigned b0 = payloadByte(entry, 0);
    const unsigned b1 = payloadByte(entry, 1);
    speakers->frontCenter = bit(b0, 2) != 0;
    speakers->frontLeftRightCenter = bit(b0, 5) != 0;
    speakers->frontCenterHigh = bit(b1, 2) != 0;
    speakers->frontLeftRightHigh = bit(b1, 0) != 0;
    speakers->frontLeftRight = bit(b0, 0) != 0;
    speakers->frontLeftRightWide = bit(b0, 7) != 0;
    speakers->lowFrequencyEffects = bit(b0, 1) != 0;
    speakers->rearCenter = bit(b0, 4) != 0;
    speakers->rearLeftRightCenter = bit(b0, 6) != 0;
    speakers->rearLeftRight = bit(b0, 3) != 0;
    speakers->topCenter = bit(b1, 1) != 0;
}

void CeaExtBlock::SetSpeakersAllocation(unsigned int index, CeaSpeakerAllocation *speakers)
{
    if (!validIndex(index) || !speakers)
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    unsigned b0 = 0;
    b0 = withBit(b0, 0, speakers->frontLeftRight);
    b0 = withBit(b0, 1, speakers->lowFrequencyEffects);
    b0 = withBit(b0, 2, speakers->frontCenter);
    b0 = withBit(b0, 3, speakers->rearLeftRight);
    b0 = withBit(b0, 4, speakers->rearCenter);
    b0 = withBit(b0, 5, speakers->frontLeftRightCenter);
    b0 = withBit(b0, 6, speakers->rearLeftRightCenter);
    b0 = withBit(b0, 7, speakers->frontLeftRightWide);
    unsigned b1 = payloadByte(entry, 1);
    b1 = withBit(b1, 0, speakers->frontLeftRightHigh);
    b1 = withBit(b1, 1, speakers->topCenter);
    b1 = withBit(b1, 2, speakers->frontCenterHigh);
    setPayloadByte(entry, 0, static_cast<quint8>(b0));
    setPayloadByte(entry, 1, static_cast<quint8>(b1));
    recalcCheckSum();
}

void CeaExtBlock::GetColorimetry(unsigned int index, CeaColometry *colorimetry) const
{
    if (!validIndex(index) || !colorimetry)
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    const unsigned b0 = payloadByte(entry, 0);
    const unsigned b1 = payloadByte(entry, 1);
    colorimetry->xvYCC601 = bit(b0, 0) != 0;
    colorimetry->xvYCC709 = bit(b0, 1) != 0;
    colorimetry->sYCC601 = bit(b0, 2) != 0;
    colorimetry->adobeYCC601 = bit(b0, 3) != 0;
    colorimetry->adobeRGB = bit(b0, 4) != 0;
    colorimetry->md0 = bit(b1, 0) != 0;
    colorimetry->md1 = bit(b1, 1) != 0;
    colorimetry->md2 = bit(b1, 2) != 0;
    colorimetry->md3 = bit(b1, 3) != 0;
}

void CeaExtBlock::SetColorimetry(unsigned int index, CeaColometry *colorimetry)
{
    if (!validIndex(index) || !colorimetry)
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    unsigned b0 = payloadByte(entry, 0);
    b0 = withBit(b0, 0, colorimetry->xvYCC601);
    b0 = withBit(b0, 1, colorimetry->xvYCC709);
    b0 = withBit(b0, 2, colorimetry->sYCC601);
    b0 = withBit(b0, 3, colorimetry->adobeYCC601);
    b0 = withBit(b0, 4, colorimetry->adobeRGB);
    unsigned b1 = payloadByte(entry, 1);
    b1 = withBit(b1, 0, colorimetry->md0);
    b1 = withBit(b1, 1, colorimetry->md1);
    b1 = withBit(b1, 2, colorimetry->md2);
    b1 = withBit(b1, 3, colorimetry->md3);
    setPayloadByte(entry, 0, static_cast<quint8>(b0));
    setPayloadByte(entry, 1, static_cast<quint8>(b1));
    recalcCheckSum();
}

void CeaExtBlock::GetVideoCaps(unsigned int index, CeaVideoCaps *caps) const
{
    if (!validIndex(index) || !caps)
        return;
    const unsigned b = payloadByte(m_dataBlocks[static_cast<int>(index)], 0);
    caps->ceOverscan = bits(b, 1, 0);
    caps->itOverscan = bits(b, 3, 2);
    caps->ptOverscan = bits(b, 5, 4);
    caps->rgbQuantizationSelectable = bit(b, 6) != 0;
    caps->yccQuantizationSelectable = bit(b, 7) != 0;
}

void CeaExtBlock::SetVideoCaps(unsigned int index, CeaVideoCaps *caps)
{
    if (!validIndex(index) || !caps)
        return;
    unsigned b = 0;
    b = withBits(b, 1, 0, caps->ceOverscan);
    b = withBits(b, 3, 2, caps->itOverscan);
    b = withBits(b, 5, 4, caps->ptOverscan);
    b = withBit(b, 6, caps->rgbQuantizationSelectable);
    b = withBit(b, 7, caps->yccQuantizationSelectable);
    setPayloadByte(m_dataBlocks[static_cast<int>(index)], 0, static_cast<quint8>(b));
    recalcCheckSum();
}

// The raw view shows the OUI of the kinds that take any (the other vendor-specific kinds).
static bool isVendorKind(CeaBlockID id)
{
    return CeaExtBlock::blockKind(id).ouiUse == CeaExtBlock::AnyOui;
}

// The OUI sits in the header when the block is long enough to hold it (tag 3: bytes 1-3;
// extended vendor-specific kinds: bytes 2-4).
static bool headerHasOui(const CeaDataBlockEntry &entry)
{
    return entry.headerLength == 4 || entry.headerLength == 5;
}

void CeaExtBlock::GetGenericDataBlock(unsigned int index, CeaGenericDataBlock *generic) const
{
    if (!validIndex(index) || !generic)
        return;
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    const unsigned n = qMin(payloadLength(entry), CeaMaxGenericPayload);
    generic->payloadLength = n;
    generic->maxPayloadLength = qMin(MaxDataBlockSize - entry.headerLength, n + freeBytes());
    for (unsigned k = 0; k < n; ++k)
        generic->payload[k] = payloadByte(entry, k);
    if (isVendorKind(dataBlockTagToID(entry.tag))) {
        generic->hasOui = 1;
        generic->oui = entry.tag.ouiValue();
    }
}

void CeaExtBlock::SetGenericDataBlock(unsigned int index, CeaGenericDataBlock *generic)
{
    if (!validIndex(index) || !generic || generic->payloadLength > CeaMaxGenericPayload)
        return;
    const CeaDataBlockEntry before = m_dataBlocks[static_cast<int>(index)];
    if (!resizeDataBlock(index, before.headerLength + generic->payloadLength))
        return;
    // The record's bytes go after the header as it was; a vendor-specific block whose header
    // has no room for an OUI gets none (its bytes stay within the block).
    const unsigned start = blockStart(before);
    if (isVendorKind(dataBlockTagToID(before.tag)) && headerHasOui(before)) {
        const unsigned ouiAt = start + before.headerLength - 3;
        rawData[ouiAt] = static_cast<unsigned char>(generic->oui & 0xFFu);
        rawData[ouiAt + 1] = static_cast<unsigned char>((generic->oui >> 8) & 0xFFu);
        rawData[ouiAt + 2] = static_cast<unsigned char>((generic->oui >> 16) & 0xFFu);
    }
    std::memcpy(rawData + start + before.headerLength, generic->payload, generic->payloadLength);
    rebuildMap(); // the OUI and the kind may have changed
    rebuild3DSupport();
    recalcCheckSum();
}

// Locations of data block fields; positions count from the data block's header byte.
QList<EdidItemLocation> CeaExtBlock::dataBlockLocation(const CeaDataBlockEntry &entry,
                                                       unsigned from, unsigned length,
                                                       const unsigned char *base) const
{
    // Never point past the data block: a short block answers its whole extent.
    if (from >= entry.size || length == 0 || from + length > entry.size)
        return location(blockStart(entry), entry.size, base);
    return location(blockStart(entry) + from, length, base);
}

QList<EdidItemLocation> CeaExtBlock::GetVideoDataBlockLocation(unsigned int code,
                                                               unsigned int index, unsigned int svd,
                                                               const unsigned char *base) const
{
    if (!validIndex(index))
        return {};
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    if (code == 43)
        return dataBlockLocation(entry, entry.headerLength + svd, 1, base);
    return dataBlockLocation(entry, 0, entry.size, base);
}

QList<EdidItemLocation> CeaExtBlock::GetAudioDataBlockLocation(unsigned int code,
                                                               unsigned int index, unsigned int sad,
                                                               const unsigned char *base) const
{
    if (!validIndex(index))
        return {};
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    const unsigned s = entry.headerLength + 3 * sad;
    if (code >= 29 && code <= 36)
        return dataBlockLocation(entry, s + 1, 1, base);
    if (code == 37)
        return dataBlockLocation(entry, s, 1, base);
    if (code >= 38 && code <= 42)
        return dataBlockLocation(entry, s + 2, 1, base);
    return dataBlockLocation(entry, s, 3, base);
}

QList<EdidItemLocation> CeaExtBlock::GetGenericDataBlockLocation(unsigned int code,
                                                                 unsigned int index,
                                                                 unsigned int byte,
                                                                 const unsigned char *base) const
{
    if (!validIndex(index))
        return {};
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    if (code == 114)
        return dataBlockLocation(entry, entry.headerLength + byte, 1, base);
    if (code == 115)
        return dataBlockLocation(entry, 1, entry.headerLength - 1, base);
    return dataBlockLocation(entry, 0, entry.size, base);
}

QList<EdidItemLocation> CeaExtBlock::GetSpeakersAllocationLocation(unsigned int code,
                                                                   unsigned int index,
                                                                   const unsigned char *base) const
{
    if (!validIndex(index))
        return {};
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    const unsigned p = entry.headerLength;
    if (code == 86 || code == 87 || code == 92)
        return dataBlockLocation(entry, p + 1, 1, base);
    if (code == 0xFFFFFFFFu)
        return dataBlockLocation(entry, p, 2, base);
    return dataBlockLocation(entry, p, 1, base);
}

QList<EdidItemLocation> CeaExtBlock::GetColorimetryLocation(unsigned int code, unsigned int index,
                                                            const unsigned char *base) const
{
    if (!validIndex(index))
        return {};
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    const unsigned p = entry.headerLength;
    if (code >= 105 && code <= 109)
        return dataBlockLocation(entry, p, 1, base);
    if (code >= 110 && code <= 113)
        return dataBlockLocation(entry, p + 1, 1, base);
    return dataBlockLocation(entry, p, 2, base);
}

QList<EdidItemLocation> CeaExtBlock::GetVideoCapsLocation(unsigned int, unsigned int index,
                                                          const unsigned char *base) const
{
    if (!validIndex(index))
        return {};
    const CeaDataBlockEntry &entry = m_dataBlocks[static_cast<int>(index)];
    return dataBlockLocation(entry, entry.headerLength, 1, base);
}
