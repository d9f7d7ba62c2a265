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
    const BlockKind &kind = blockKind(id);
    if (kind.minSize == 0) {
        tag.tagCode = CeaTagCodeInvalid;
        return tag;
    }
    tag.tagCode = kind.tagCode;
    tag.extendedTag = kind.extendedTag;
    tag.setOui(kind.oui);
    return tag;
}

// The kind whose row claims the tags: a row that needs its own OUI (ThisOui) before a row of the
// same tags that takes any.
CeaBlockID CeaExtBlock::dataBlockTagToID(const CeaBlockTag &tag)
{
    CeaBlockID found = CeaBlockDummy;
    for (const BlockKind &kind : BlockKinds) {
        if (kind.minSize == 0 || kind.tagCode != tag.tagCode || kind.extendedTag != tag.extendedTag)
            continue;
        if (kind.ouiUse != ThisOui)
            found = kind.id;
        else if (tag.ouiValue() == kind.oui)
            return kind.id;
    }
    return found;
}

bool CeaExtBlock::tagCarriesOui(const CeaBlockTag &tag)
{
    for (const BlockKind &kind : BlockKinds) {
        if (kind.ouiUse != NoOui && kind.tagCode == tag.tagCode
            && kind.extendedTag == tag.extendedTag)
            return true;
    }
    return false;
}

unsigned CeaExtBlock::getMinDataBlockSize(CeaBlockID id)
{
    return blockKind(id).minSize;
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

bool CeaExtBlock::allZero(unsigned from, unsigned count) const
{
    for (unsigned k = 0; k < count && from + k < BlockSize; ++k)
        if (rawData[from + k] != 0)
            return false;
    return true;
}

unsigned CeaExtBlock::timingStart(unsigned index) const
{
    return dtdOffset() + DtdSize * (index < MaxDtds ? m_timingSlot[index] : 0u);
}

unsigned CeaExtBlock::slotAreaEnd() const
{
    return dtdOffset() + DtdSize * m_slotCount;
}

// Map of the collection and of the slots. The scan is bounded: it never reads past byte 126 or
// past byte 2, and a data block that would run past that limit ends it. Every tag code, 6
// included (the Video Format Data Block of CTA-861-I), starts a data block whose length the
// header gives. With byte 2 at 4 or more the collection runs up to byte 2, as a standard reader
// reads it: a reserved tag 0 header there is a data block like any other, and only the zero
// bytes right before byte 2 are padding. With byte 2 below 4 the collection runs until a tag 0
// header (the zero padding after it), and a byte 2 above 127 means that the block holds no slot.
void CeaExtBlock::rebuildMap()
{
    m_dataBlocks.clear();
    m_dtdCount = 0;
    m_slotCount = 0;
    m_dtdAreaLength = 0;
    m_freeDataBlockBytes = 0;
    m_freeDtdBytes = 0;
    m_collectionLength = 0;
    if (!rawData)
        return;

    const unsigned d = dtdOffset();
    const bool bounded = d >= CollectionStart && d < BlockSize;
    const unsigned limit = bounded ? d - CollectionStart : AreaLength;

    unsigned p = 0;
    while (p < limit) {
        const unsigned header = rawData[CollectionStart + p];
        const unsigned tagCode = bits(header, 7, 5);
        if (bounded ? allZero(CollectionStart + p, limit - p) : tagCode == 0)
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
        }
        // The OUI of a kind that has one, when the block holds it.
        if (tagCarriesOui(entry.tag) && size >= entry.headerLength + OuiLength) {
            std::memcpy(entry.tag.oui, rawData + at + entry.headerLength, OuiLength);
            entry.headerLength += OuiLength;
        }
        entry.offset = p;
        entry.payloadOffset = p + entry.headerLength;
        entry.size = size;
        entry.minSize = getMinDataBlockSize(dataBlockTagToID(entry.tag));
        m_dataBlocks.append(entry);
        p += size;
    }
    // Bytes before byte 2 that no data block explains (a block running past byte 2) are kept
    // as they are, as part of the collection: they are never free space.
    m_collectionLength = bounded && !allZero(CollectionStart + p, limit - p) ? limit : p;
    m_freeDataBlockBytes = limit - m_collectionLength;

    if (bounded) {
        for (unsigned k = 0; d + DtdSize * (k + 1) <= ChecksumByte; ++k) {
            const unsigned at = d + DtdSize * k;
            if (allZero(at, DtdSize))
                continue;
            m_slotCount = k + 1;
            if ((rawData[at] != 0 || rawData[at + 1] != 0) && m_dtdCount < MaxDtds)
                m_timingSlot[m_dtdCount++] = static_cast<quint8>(k);
        }
    }
    if (m_slotCount == 0) {
        // No slot: every byte after the collection is data block space.
        m_freeDataBlockBytes = AreaLength - m_collectionLength;
    } else {
        m_dtdAreaLength = d - CollectionStart;
        m_freeDtdBytes = ChecksumByte - slotAreaEnd();
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

void CeaExtBlock::moveSlots(unsigned newOffset)
{
    const unsigned d = dtdOffset();
    const unsigned length = m_slotCount * DtdSize;
    if (newOffset == d || newOffset < CollectionStart || newOffset + length > ChecksumByte)
        return;
    moveBytes(d, newOffset, length);
    // Clear what the slots left behind.
    if (newOffset > d)
        zeroBytes(d, qMin(newOffset - d, length));
    else
        zeroBytes(qMax(newOffset + length, d), d + length - qMax(newOffset + length, d));
    rawData[DtdOffsetByte] = static_cast<unsigned char>(newOffset);
}

void CeaExtBlock::closeGap(unsigned at, unsigned count)
{
    const bool hasSlots = m_slotCount > 0;
    const unsigned end = hasSlots ? slotAreaEnd() : CollectionStart + collectionEnd();
    if (count == 0 || at + count > end)
        return;
    moveBytes(at + count, at, end - at - count);
    zeroBytes(end - count, count);
    if (hasSlots)
        rawData[DtdOffsetByte] = static_cast<unsigned char>(dtdOffset() - count);
}

void CeaExtBlock::collectionChanged(unsigned newEnd)
{
    if (m_slotCount == 0) {
        // Byte 2 marks the end of the collection so that every reader finds the data blocks;
        // what follows is padding.
        rawData[DtdOffsetByte] =
            static_cast<unsigned char>(newEnd > 0 ? CollectionStart + newEnd : 0);
        zeroBytes(CollectionStart + newEnd, AreaLength - newEnd);
    } else if (dtdOffset() > CollectionStart + newEnd) {
        // The free bytes before the slots are padding: no stale byte may read as a data block
        // after the new end.
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

    // Room beyond the free data block bytes comes from the free bytes after the slots: the
    // slots move by exactly the missing bytes.
    if (m > m_freeDataBlockBytes && m_slotCount > 0)
        moveSlots(dtdOffset() + (m - m_freeDataBlockBytes));

    const unsigned at = CollectionStart + collectionEnd();
    zeroBytes(at, m);
    const BlockKind &kind = blockKind(id);
    const CeaBlockTag tag = dataBlockIDToTag(id);
    rawData[at] = static_cast<unsigned char>((static_cast<unsigned>(tag.tagCode) << 5) | (m - 1));
    unsigned headerLength = 1;
    if (tag.extendedTag != CeaExtendedTagNone) {
        rawData[at + 1] = static_cast<unsigned char>(tag.extendedTag);
        headerLength = 2;
    }
    if (kind.ouiUse != NoOui) {
        std::memcpy(rawData + at + headerLength, tag.oui, OuiLength);
        headerLength += OuiLength;
    }
    // The table makes sure the block holds the byte.
    if (kind.newPayloadByte != 0)
        rawData[at + headerLength] = kind.newPayloadByte;

    collectionChanged(collectionEnd() + m);
    recalcCheckSum();
}

void CeaExtBlock::RemoveDataBlock(unsigned int index)
{
    if (!validIndex(index))
        return;
    // The data blocks after it and the slots move down over it: no zero byte stays inside the
    // collection, where a reader would take it for a data block.
    const CeaDataBlockEntry entry = m_dataBlocks[static_cast<int>(index)];
    closeGap(blockStart(entry), entry.size);
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
        if (g > m_freeDataBlockBytes && m_slotCount > 0)
            moveSlots(dtdOffset() + (g - m_freeDataBlockBytes));
        moveBytes(end, end + g, collection - end);
        zeroBytes(end, g);
    } else {
        // As a removal: what follows moves down, the slots with it.
        closeGap(start + newSize, entry.size - newSize);
    }
    rawData[start] = setBits(rawData[start], 4, 0, newSize - 1);
    collectionChanged(collectionEnd() - entry.size + newSize);
    return true;
}

void CeaExtBlock::AddDTD()
{
    if (!AllowNewDTDs())
        return;
    if (m_slotCount == 0) {
        // The slot area takes as many whole 18-byte slots as the free bytes hold and ends at
        // byte 126; the slots are cleared so no stale byte reads as a timing.
        const unsigned t = DtdSize * (m_freeDataBlockBytes / DtdSize);
        const unsigned end = CollectionStart + collectionEnd();
        zeroBytes(end, ChecksumByte - end);
        rawData[DtdOffsetByte] = static_cast<unsigned char>(ChecksumByte - t);
    } else if (m_freeDtdBytes < DtdSize) {
        // Move the slots towards the collection so that one more slot ends at byte 126.
        moveSlots(ChecksumByte - DtdSize * (m_slotCount + 1));
    }
    // The new timing follows the last timing; the slots after it (display descriptors) move up
    // by one slot.
    const unsigned slot = m_dtdCount > 0 ? m_timingSlot[m_dtdCount - 1] + 1u : 0u;
    const unsigned at = dtdOffset() + DtdSize * slot;
    if (m_slotCount > slot)
        moveBytes(at, at + DtdSize, DtdSize * (m_slotCount - slot));
    zeroBytes(at, DtdSize);
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
    // The slots after it (timings and display descriptors) close the gap.
    const unsigned at = timingStart(index);
    const unsigned end = slotAreaEnd();
    moveBytes(at + DtdSize, at, end - at - DtdSize);
    zeroBytes(end - DtdSize, DtdSize);
    rebuildMap();
    // The last slot went: byte 2 now marks the end of the collection.
    if (m_slotCount == 0)
        collectionChanged(collectionEnd());
    rawData[FlagsByte] = setBits(rawData[FlagsByte], 3, 0, m_dtdCount);
    recalcCheckSum();
}

bool CeaExtBlock::GetDetailedTiming(unsigned index, DetailedTiming *timing)
{
    if (!rawData || !timing || index >= m_dtdCount)
        return false;
    const auto *raw = reinterpret_cast<const EdidDetailedTiming *>(rawData + timingStart(index));
    edidToDetailedTiming(raw, timing);
    return true;
}

void CeaExtBlock::SetDetailedTiming(unsigned index, DetailedTiming *timing)
{
    if (!rawData || !timing || index >= m_dtdCount)
        return;
    auto *raw = reinterpret_cast<EdidDetailedTiming *>(rawData + timingStart(index));
    detailedTimingToEdid(timing, raw);
    recalcCheckSum();
}

void CeaExtBlock::GetMaxResolution(Resolution *resolution) const
{
    if (!rawData || !resolution)
        return;
    for (unsigned i = 0; i < m_dtdCount; ++i)
        getMaxResFromDetailed(
            reinterpret_cast<const EdidDetailedTiming *>(rawData + timingStart(i)), resolution);
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
    const unsigned start = imagePosition(rawData, base) + timingStart(index);
    return detailedTimingLocation(code - 10u, start);
}
