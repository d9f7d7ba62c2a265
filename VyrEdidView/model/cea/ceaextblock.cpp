#include "ceaextblock.h"

#include "cealayout.h"
#include "model/bits.h"

#include <QtEndian>

#include <cstring>

using namespace CeaLayout;

CeaExtBlock::CeaExtBlock(unsigned char *buffer, unsigned int size, unsigned int offset,
                         CallbackContext *context)
    : DataBlock(offset, context)
    , rawData(IsCeaExt(buffer, size) ? buffer : nullptr)
{
    std::memset(m_3DSupport, 0, sizeof(m_3DSupport));
    setBorderActiveState(false);
    rebuildMap();
    rebuild3DSupport();
}

CeaExtBlock::~CeaExtBlock() = default;

bool CeaExtBlock::IsCeaExt(const unsigned char *buffer, unsigned int size)
{
    return buffer != nullptr && size >= BlockSize && buffer[TagByte] == Tag;
}

bool CeaExtBlock::InitBuffer(unsigned char *buffer, unsigned int size)
{
    return initExtensionBlock(buffer, size, Tag, NewRevision);
}

CeaBlockTag CeaExtBlock::dataBlockIDToTag(CeaBlockID id)
{
    CeaBlockTag tag;
    if (id < 1 || id > 15) {
        tag.tagCode = CeaTagCodeInvalid;
        return tag;
    }
    const BlockKind &kind = BlockKinds[id];
    tag.tagCode = kind.tagCode;
    tag.extendedTag = kind.extendedTag;
    tag.setOui(kind.oui);
    return tag;
}

CeaBlockID CeaExtBlock::dataBlockTagToID(const CeaBlockTag &tag)
{
    switch (tag.tagCode) {
    case 1:
        return CeaBlockAudio;
    case 2:
        return CeaBlockVideo;
    case 3:
        return tag.ouiValue() == CeaOuiHdmi ? CeaBlockHdmiVsdb : CeaBlockVendorSpecific;
    case 4:
        return CeaBlockSpeakerAllocation;
    case 5:
        return CeaBlockVesaDtc;
    case 7:
        switch (tag.extendedTag) {
        case 0:
            return CeaBlockVideoCapability;
        case 1:
            return CeaBlockVendorSpecificVideo;
        case 2:
            return CeaBlockVesaVideoDisplayDevice;
        case 3:
            return CeaBlockVesaVideo;
        case 4:
            return CeaBlockHdmiVideo;
        case 5:
            return CeaBlockColorimetry;
        case 16:
            return CeaBlockMiscAudioFields;
        case 17:
            return CeaBlockVendorSpecificAudio;
        case 18:
            return CeaBlockHdmiAudio;
        default:
            return CeaBlockDummy;
        }
    default:
        return CeaBlockDummy;
    }
}

unsigned CeaExtBlock::getMinDataBlockSize(CeaBlockID id)
{
    return (id >= 1 && id <= 15) ? BlockKinds[id].minSize : 0;
}

unsigned CeaExtBlock::GetChecksum() const
{
    return rawData ? rawData[ChecksumByte] : 0;
}

unsigned CeaExtBlock::GetComputedChecksum() const
{
    return rawData ? computeOneByteCheckSum(rawData, ChecksumByte) : 0u;
}

unsigned CeaExtBlock::GetBlockSize() const
{
    return rawData ? BlockSize : 0;
}

unsigned CeaExtBlock::GetVersion() const
{
    return rawData ? rawData[RevisionByte] : 0;
}

void CeaExtBlock::recalcCheckSum()
{
    storeBlockChecksum(rawData, GetBlockSize());
}

unsigned CeaExtBlock::dtdOffset() const
{
    return rawData ? rawData[DtdOffsetByte] : 0;
}

unsigned CeaExtBlock::collectionEnd() const
{
    return m_collectionLength;
}

bool CeaExtBlock::validIndex(unsigned int index) const
{
    return rawData != nullptr && index < dataBlockCount();
}

const CeaDataBlockEntry *CeaExtBlock::dataBlockEntry(unsigned int index) const
{
    return validIndex(index) ? &m_dataBlocks[static_cast<int>(index)] : nullptr;
}

unsigned CeaExtBlock::blockStart(const CeaDataBlockEntry &entry) const
{
    return CollectionStart + entry.offset;
}

unsigned CeaExtBlock::payloadStart(const CeaDataBlockEntry &entry) const
{
    return CollectionStart + entry.payloadOffset;
}

unsigned CeaExtBlock::payloadLength(const CeaDataBlockEntry &entry) const
{
    return entry.size > entry.headerLength ? entry.size - entry.headerLength : 0;
}

quint8 CeaExtBlock::payloadByte(const CeaDataBlockEntry &entry, unsigned k) const
{
    return k < payloadLength(entry) ? rawData[payloadStart(entry) + k] : 0;
}

void CeaExtBlock::setPayloadByte(const CeaDataBlockEntry &entry, unsigned k, quint8 value)
{
    if (k < payloadLength(entry))
        rawData[payloadStart(entry) + k] = value;
}

// Map of the collection and of the detailed timings. The scan is bounded: it never reads past
// byte 126 or past the start of the detailed timings, a data block that would run past that
// limit ends it, and a byte 2 above 127 means that the block holds no detailed timing.
void CeaExtBlock::rebuildMap()
{
    m_dataBlocks.clear();
    m_dtdCount = 0;
    m_dtdAreaLength = 0;
    m_freeDataBlockBytes = 0;
    m_freeDtdBytes = 0;
    m_collectionLength = 0;
    if (!rawData)
        return;

    const unsigned d = dtdOffset();
    const bool dtdArea = d >= CollectionStart && d < BlockSize;
    const unsigned limit = dtdArea ? d - CollectionStart : AreaLength;

    unsigned p = 0;
    while (p < limit) {
        const unsigned header = rawData[CollectionStart + p];
        const unsigned tagCode = bits(header, 7, 5);
        // Tag code 0 is reserved and never starts a data block: the zero padding before the
        // detailed timings ends the collection. Every other code, 6 included (the Video Format
        // Data Block of CTA-861-I), is a data block whose length the header gives.
        if (tagCode == 0)
            break;
        const unsigned size = bits(header, 4, 0) + 1;
        if (p + size > limit)
            break;
        CeaDataBlockEntry entry;
        entry.tag.tagCode = static_cast<quint8>(tagCode);
        entry.headerLength = 1;
        const unsigned lengthField = size - 1;
        const unsigned at = CollectionStart + p;
        if (tagCode == ExtendedTagCode && lengthField >= 1) {
            entry.tag.extendedTag = rawData[at + 1];
            entry.headerLength = 2;
            if ((entry.tag.extendedTag == 1 || entry.tag.extendedTag == 17) && lengthField > 3) {
                std::memcpy(entry.tag.oui, rawData + at + 2, OuiLength);
                entry.headerLength = 2 + OuiLength;
            }
        } else if (tagCode == VendorTagCode && lengthField > 2) {
            std::memcpy(entry.tag.oui, rawData + at + 1, OuiLength);
            entry.headerLength = 1 + OuiLength;
        }
        entry.offset = p;
        entry.payloadOffset = p + entry.headerLength;
        entry.size = size;
        entry.minSize = getMinDataBlockSize(dataBlockTagToID(entry.tag));
        m_dataBlocks.append(entry);
        p += size;
    }
    m_collectionLength = p;
    m_freeDataBlockBytes = limit - p;

    if (dtdArea) {
        m_dtdAreaLength = d - CollectionStart;
        unsigned at = d;
        while (m_dtdCount < MaxDtds && at + DtdSize <= ChecksumByte
               && (rawData[at] != 0 || rawData[at + 1] != 0)) {
            ++m_dtdCount;
            at += DtdSize;
        }
        m_freeDtdBytes = ChecksumByte - at;
    }
    if (m_dtdCount == 0) {
        // No detailed timing: every byte after the collection is data block space.
        m_freeDataBlockBytes = AreaLength - p;
        m_dtdAreaLength = 0;
        m_freeDtdBytes = 0;
    }
}

void CeaExtBlock::moveBytes(unsigned from, unsigned to, unsigned count)
{
    if (count == 0 || from == to)
        return;
    if (from < CollectionStart || to < CollectionStart || from + count > ChecksumByte
        || to + count > ChecksumByte)
        return;
    std::memmove(rawData + to, rawData + from, count);
}

void CeaExtBlock::zeroBytes(unsigned from, unsigned count)
{
    if (from < CollectionStart || from >= ChecksumByte)
        return;
    if (count > ChecksumByte - from)
        count = ChecksumByte - from;
    std::memset(rawData + from, 0, count);
}

void CeaExtBlock::moveDtds(unsigned newOffset)
{
    const unsigned d = dtdOffset();
    const unsigned length = m_dtdCount * DtdSize;
    if (newOffset == d || newOffset < CollectionStart || newOffset + length > ChecksumByte)
        return;
    moveBytes(d, newOffset, length);
    // Clear what the timings left behind.
    if (newOffset > d)
        zeroBytes(d, qMin(newOffset - d, length));
    else
        zeroBytes(qMax(newOffset + length, d), d + length - qMax(newOffset + length, d));
    rawData[DtdOffsetByte] = static_cast<unsigned char>(newOffset);
}

void CeaExtBlock::collectionChanged(unsigned newEnd)
{
    if (m_dtdCount == 0) {
        // Byte 2 marks the end of the collection so that every reader finds the data blocks;
        // what follows is padding.
        rawData[DtdOffsetByte] =
            static_cast<unsigned char>(newEnd > 0 ? CollectionStart + newEnd : 0);
        zeroBytes(CollectionStart + newEnd, AreaLength - newEnd);
    } else if (dtdOffset() > CollectionStart + newEnd) {
        // The free bytes before the detailed timings are padding: no stale byte may read as a
        // data block after the new end.
        zeroBytes(CollectionStart + newEnd, dtdOffset() - CollectionStart - newEnd);
    }
    rebuildMap();
    rebuild3DSupport();
}

void CeaExtBlock::GetGeneralInfo(CeaGeneralInfo *info) const
{
    if (!rawData || !info)
        return;
    const unsigned flags = rawData[FlagsByte];
    info->dtdOffset = rawData[DtdOffsetByte];
    info->nativeDtdCount = bits(flags, 3, 0);
    info->dtdCount = m_dtdCount;
    info->dataBlockCount = dataBlockCount();
    info->freeDataBlockBytes = m_freeDataBlockBytes;
    info->freeDtdBytes = m_freeDtdBytes;
    info->ycbcr422 = bit(flags, 4) != 0;
    info->ycbcr444 = bit(flags, 5) != 0;
    info->basicAudio = bit(flags, 6) != 0;
    info->underscan = bit(flags, 7) != 0;
}

void CeaExtBlock::SetGeneralInfo(CeaGeneralInfo *info)
{
    if (!rawData || !info)
        return;
    quint8 flags = rawData[FlagsByte];
    flags = setBit(flags, 4, info->ycbcr422);
    flags = setBit(flags, 5, info->ycbcr444);
    flags = setBit(flags, 6, info->basicAudio);
    flags = setBit(flags, 7, info->underscan);
    rawData[FlagsByte] = flags;
    recalcCheckSum();
}

CeaBlockID CeaExtBlock::GetDataBlockID(unsigned int index) const
{
    if (!validIndex(index))
        return CeaBlockDummy;
    return dataBlockTagToID(m_dataBlocks[static_cast<int>(index)].tag);
}

bool CeaExtBlock::AllowNewDataBlocks() const
{
    return rawData != nullptr && rawData[RevisionByte] >= 3 && freeBytes() >= 2
           && dataBlockCount() < MaxNewDataBlocks;
}

bool CeaExtBlock::AllowNewDTDs() const
{
    return rawData != nullptr && freeBytes() >= DtdSize && m_dtdCount < MaxDtds;
}

bool CeaExtBlock::IsDataBlockSupported(CeaBlockID id) const
{
    const unsigned minSize = getMinDataBlockSize(id);
    return rawData != nullptr && rawData[RevisionByte] >= 3 && minSize != 0
           && minSize <= freeBytes();
}

void CeaExtBlock::AddDataBlock(CeaBlockID id)
{
    const unsigned m = getMinDataBlockSize(id);
    if (!rawData || m == 0 || m > freeBytes() || dataBlockCount() >= MaxNewDataBlocks)
        return;

    // Room beyond the free data block bytes comes from the free bytes after the detailed
    // timings: the timings move by exactly the missing bytes.
    if (m > m_freeDataBlockBytes && m_dtdCount > 0)
        moveDtds(dtdOffset() + (m - m_freeDataBlockBytes));

    const unsigned at = CollectionStart + collectionEnd();
    zeroBytes(at, m);
    const CeaBlockTag tag = dataBlockIDToTag(id);
    rawData[at] = static_cast<unsigned char>((static_cast<unsigned>(tag.tagCode) << 5) | (m - 1));
    unsigned headerLength = 1;
    if (tag.tagCode == ExtendedTagCode) {
        rawData[at + 1] = static_cast<unsigned char>(tag.extendedTag);
        headerLength = 2;
        if (tag.extendedTag == 1 || tag.extendedTag == 17) {
            std::memcpy(rawData + at + 2, tag.oui, OuiLength);
            headerLength = 2 + OuiLength;
        }
    } else if (tag.tagCode == VendorTagCode) {
        std::memcpy(rawData + at + 1, tag.oui, OuiLength);
        headerLength = 1 + OuiLength;
    }
    const unsigned payload = at + headerLength;
    if (id == CeaBlockAudio) // one short audio descriptor: LPCM, one channel
        rawData[payload] = static_cast<unsigned char>((rawData[payload] & 0x87u) | 0x08u);
    else if (id == CeaBlockVideo) // one short video descriptor: VIC 1
        rawData[payload] = static_cast<unsigned char>((rawData[payload] & 0x80u) | 0x01u);

    collectionChanged(collectionEnd() + m);
    recalcCheckSum();
}

void CeaExtBlock::RemoveDataBlock(unsigned int index)
{
    if (!validIndex(index))
        return;
    const CeaDataBlockEntry entry = m_dataBlocks[static_cast<int>(index)];
    const unsigned start = CollectionStart + entry.offset;
    const unsigned end = start + entry.size;
    const unsigned collection = CollectionStart + collectionEnd();
    moveBytes(end, start, collection - end);
    zeroBytes(collection - entry.size, entry.size);
    collectionChanged(collectionEnd() - entry.size);
    recalcCheckSum();
}

bool CeaExtBlock::resizeDataBlock(unsigned int index, unsigned int newSize)
{
    if (!validIndex(index))
        return false;
    const CeaDataBlockEntry entry = m_dataBlocks[static_cast<int>(index)];
    if (newSize == entry.size)
        return true;
    if (newSize < entry.minSize || newSize < entry.headerLength || newSize < 1
        || newSize > MaxDataBlockSize)
        return false;

    const unsigned start = CollectionStart + entry.offset;
    const unsigned end = start + entry.size;
    const unsigned collection = CollectionStart + collectionEnd();
    if (newSize > entry.size) {
        const unsigned g = newSize - entry.size;
        if (g > freeBytes())
            return false;
        if (g > m_freeDataBlockBytes && m_dtdCount > 0)
            moveDtds(dtdOffset() + (g - m_freeDataBlockBytes));
        moveBytes(end, end + g, collection - end);
        zeroBytes(end, g);
    } else {
        const unsigned s = entry.size - newSize;
        moveBytes(end, end - s, collection - end);
        zeroBytes(collection - s, s);
    }
    rawData[start] = setBits(rawData[start], 4, 0, newSize - 1);
    collectionChanged(collectionEnd() - entry.size + newSize);
    return true;
}

void CeaExtBlock::AddDTD()
{
    if (!AllowNewDTDs())
        return;
    const unsigned n = m_dtdCount;
    if (n == 0) {
        // The detailed timing area takes as many whole 18-byte slots as the free bytes hold
        // and ends at byte 126; the slots are cleared so no stale byte reads as a timing.
        const unsigned t = DtdSize * (m_freeDataBlockBytes / DtdSize);
        const unsigned end = CollectionStart + collectionEnd();
        zeroBytes(end, ChecksumByte - end);
        rawData[DtdOffsetByte] = static_cast<unsigned char>(ChecksumByte - t);
    } else if (m_freeDtdBytes < DtdSize) {
        // Move the timings towards the collection so that n + 1 of them end at byte 126.
        moveDtds(ChecksumByte - DtdSize * (n + 1));
    }
    const unsigned at = dtdOffset() + DtdSize * n;
    zeroBytes(at, ChecksumByte - at); // the new timing and the free bytes after it
    qToLittleEndian<quint16>(NewDtdPixelClock, rawData + at);
    rebuildMap();
    // The native DTD count follows the number of detailed timings.
    rawData[FlagsByte] = setBits(rawData[FlagsByte], 3, 0, m_dtdCount);
    recalcCheckSum();
}

void CeaExtBlock::RemoveDTD(unsigned int index)
{
    if (!rawData || index >= m_dtdCount)
        return;
    const unsigned d = dtdOffset();
    const unsigned at = d + DtdSize * index;
    const unsigned last = d + DtdSize * (m_dtdCount - 1);
    moveBytes(at + DtdSize, at, last - at);
    zeroBytes(last, DtdSize);
    if (m_dtdCount == 1) {
        // The last detailed timing went: byte 2 now marks the end of the collection.
        m_dtdCount = 0;
        collectionChanged(collectionEnd());
    } else {
        rebuildMap();
    }
    rawData[FlagsByte] = setBits(rawData[FlagsByte], 3, 0, m_dtdCount);
    recalcCheckSum();
}

bool CeaExtBlock::GetDetailedTiming(unsigned index, DetailedTiming *timing)
{
    if (!rawData || !timing || index >= m_dtdCount)
        return false;
    const auto *raw =
        reinterpret_cast<const EdidDetailedTiming *>(rawData + dtdOffset() + DtdSize * index);
    edidToDetailedTiming(raw, timing);
    return true;
}

void CeaExtBlock::SetDetailedTiming(unsigned index, DetailedTiming *timing)
{
    if (!rawData || !timing || index >= m_dtdCount)
        return;
    auto *raw = reinterpret_cast<EdidDetailedTiming *>(rawData + dtdOffset() + DtdSize * index);
    detailedTimingToEdid(timing, raw);
    recalcCheckSum();
}

void CeaExtBlock::GetMaxResolution(Resolution *resolution) const
{
    if (!rawData || !resolution)
        return;
    for (unsigned i = 0; i < m_dtdCount; ++i)
        getMaxResFromDetailed(
            reinterpret_cast<const EdidDetailedTiming *>(rawData + dtdOffset() + DtdSize * i),
            resolution);
    CeaSVDDataBlock svds;
    GetAllSVDs(&svds);
    for (unsigned i = 0; i < svds.count; ++i)
        if (svds.svd[i].vic > 0)
            getMaxResFromCeaVideoMode(svds.svd[i].vic - 1u, resolution);
    for (unsigned b = 0; b < dataBlockCount(); ++b) {
        if (GetDataBlockID(b) != CeaBlockHdmiVsdb)
            continue;
        CeaHdmiVSDB vsdb;
        GetHdmiVSDB(b, &vsdb);
        for (unsigned k = 0; k < vsdb.hdmiVicCount && k < CeaMaxHdmiVics; ++k)
            if (vsdb.hdmiVics[k].hdmiVic > 0)
                getMaxResFromCeaHDMIVideoMode(vsdb.hdmiVics[k].hdmiVic - 1u, resolution);
    }
}

// Locations: offsets in the whole image, counted from base (the image's first byte).
QList<EdidItemLocation> CeaExtBlock::location(unsigned blockByte, unsigned length,
                                              const unsigned char *base) const
{
    if (!rawData)
        return {};
    return oneRange(imagePosition(rawData, base) + blockByte, length);
}

QList<EdidItemLocation> CeaExtBlock::GetGeneralInfoLocation(unsigned int code, unsigned int,
                                                            const unsigned char *base) const
{
    switch (code) {
    case 2:
        return location(RevisionByte, 1, base);
    case 3:
        return location(DtdOffsetByte, 1, base);
    case 4:
        return location(ChecksumByte, 1, base);
    case 5:
    case 6:
    case 7:
    case 8:
        return location(FlagsByte, 1, base);
    default:
        return location(TagByte, GetBlockSize(), base);
    }
}

QList<EdidItemLocation> CeaExtBlock::GetDetiledTimingLocation(unsigned int code, unsigned int index,
                                                              const unsigned char *base) const
{
    if (!rawData || index >= m_dtdCount)
        return {};
    // The fields are numbered from 10 on, in the order of the base block's codes.
    const unsigned start = imagePosition(rawData, base) + dtdOffset() + DtdSize * index;
    return detailedTimingLocation(code - 10u, start);
}
