#include "displayidblock.h"

#include "displayidlayout.h"
#include "model/bits.h"
#include "model/callbackcontext.h"

#include <algorithm>
#include <cstring>

using namespace DisplayIDLayout;

namespace {

bool isZero(const unsigned char *data, unsigned count)
{
    for (unsigned i = 0; i < count; ++i) {
        if (data[i] != 0)
            return false;
    }
    return true;
}

} // namespace

DisplayIDBlock::DisplayIDBlock(unsigned char *buffer, unsigned size, unsigned startOffsetValue,
                               CallbackContext *context)
    : DataBlock(startOffsetValue, context)
{
    if (IsDisplayIDBaseBlock(buffer, size)) {
        rawData = buffer;
        m_section = buffer;
        m_size = size;
        m_base = true;
    } else if (IsDisplayIDExtBlock(buffer, size)) {
        rawData = buffer;
        if (buffer[0] == EdidExtensionTag) {
            m_section = buffer + WrappedSectionByte;
            m_wrapped = true;
            startOffset += WrappedSectionByte;
        } else {
            m_section = buffer;
        }
        m_size = std::min(size, ExtensionBlockBytes);
    }
    rebuildMap();
}

DisplayIDBlock::~DisplayIDBlock() = default;

// ---- recognition ----------------------------------------------------------------------------

bool DisplayIDBlock::sectionTest(const unsigned char *section, unsigned size, unsigned maxLength)
{
    if (section == nullptr || size < SectionOverhead)
        return false;
    const unsigned version = section[VersionByte];
    const unsigned length = section[LengthByte];
    if (version < 0x11 || version > 0x13)
        return false;
    return length <= maxLength && length + SectionOverhead <= size;
}

bool DisplayIDBlock::IsDisplayIDBaseBlock(const unsigned char *buffer, unsigned size)
{
    if (buffer == nullptr || size < SectionOverhead || buffer[ProductTypeByte] == 0)
        return false;
    return sectionTest(buffer, size, MaxSectionLength);
}

bool DisplayIDBlock::IsDisplayIDExtBlock(const unsigned char *buffer, unsigned size)
{
    // An extension section always comes as a whole 128-byte block.
    if (buffer == nullptr || size < ExtensionBlockBytes)
        return false;
    if (buffer[0] != EdidExtensionTag) {
        // Stand-alone: the section fills the block, checksum at byte 127 at the latest.
        return buffer[ProductTypeByte] == 0
               && sectionTest(buffer, ExtensionBlockBytes, ExtensionBlockBytes - SectionOverhead);
    }
    // Wrapped in an EDID extension block: section in bytes 1..126, block checksum at 127.
    // Monitors put their own product type in byte 2 of the section, so it is not tested.
    return sectionTest(buffer + WrappedSectionByte, WrappedChecksumByte - WrappedSectionByte,
                       PaddedExtensionLength);
}

bool DisplayIDBlock::InitBaseBlockBuffer(unsigned char *buffer, unsigned size, unsigned version)
{
    if (buffer == nullptr || size < SectionOverhead)
        return false;
    buffer[VersionByte] = lowByte(version);
    buffer[LengthByte] = 0;
    buffer[ProductTypeByte] = 2; // stand-alone display
    buffer[ExtensionCountByte] = 0;
    buffer[HeaderBytes] = computeOneByteCheckSum(buffer, HeaderBytes);
    return true;
}

bool DisplayIDBlock::InitExtBlockBuffer(unsigned char *buffer, unsigned size, unsigned version,
                                        bool standAlone)
{
    if (buffer == nullptr || size < ExtensionBlockBytes)
        return false;
    if (standAlone) {
        buffer[VersionByte] = lowByte(version);
        buffer[LengthByte] = 0;
        buffer[ProductTypeByte] = 0;
        buffer[ExtensionCountByte] = 0;
        buffer[HeaderBytes] = computeOneByteCheckSum(buffer, HeaderBytes);
        return true;
    }
    std::memset(buffer, 0, ExtensionBlockBytes);
    buffer[0] = EdidExtensionTag;
    unsigned char *section = buffer + WrappedSectionByte;
    section[VersionByte] = lowByte(version);
    section[HeaderBytes] = computeOneByteCheckSum(section, HeaderBytes);
    buffer[WrappedChecksumByte] = computeOneByteCheckSum(buffer, WrappedChecksumByte);
    return true;
}

unsigned DisplayIDBlock::getMinDataBlockSize(DisplayBlockID id)
{
    const DidKindInfo *info = didKindInfo(id);
    return info != nullptr ? info->minSize : 0;
}

unsigned DisplayIDBlock::tagOfKind(DisplayBlockID id)
{
    const DidKindInfo *info = didKindInfo(id);
    return info != nullptr ? info->tag : NoTag;
}

DisplayBlockID DisplayIDBlock::kindOfTag(unsigned tag)
{
    for (unsigned id = DidBlockProductId; id <= DidBlockTiledDisplay; ++id) {
        const auto kind = static_cast<DisplayBlockID>(id);
        if (didKindInfo(kind)->tag == tag)
            return kind;
    }
    return DidBlockNone;
}

// ---- queries --------------------------------------------------------------------------------

unsigned DisplayIDBlock::sectionLength() const
{
    return m_section != nullptr ? m_section[LengthByte] : 0u;
}

bool DisplayIDBlock::isPadded() const
{
    const unsigned length = sectionLength();
    return m_base ? length == PaddedBaseLength : length == PaddedExtensionLength;
}

unsigned DisplayIDBlock::maxSectionLength() const
{
    if (m_section == nullptr)
        return 0;
    if (m_wrapped)
        return PaddedExtensionLength;
    if (!m_base)
        return m_size - SectionOverhead;
    // A base section leaves room for the extension sections stored behind it.
    const unsigned extensions = ExtensionBlockBytes * m_section[ExtensionCountByte];
    const unsigned reserved = SectionOverhead + extensions;
    if (m_size <= reserved)
        return 0;
    return std::min(MaxSectionLength, m_size - reserved);
}

unsigned DisplayIDBlock::trailingBytes(unsigned length) const
{
    if (!m_base)
        return 0;
    const unsigned end = length + SectionOverhead;
    if (m_size <= end)
        return 0;
    return std::min(ExtensionBlockBytes * m_section[ExtensionCountByte], m_size - end);
}

unsigned DisplayIDBlock::counter(DisplayBlockID id) const
{
    return id < 22 ? m_counters[id] : 0u;
}

unsigned DisplayIDBlock::GetVersion() const
{
    return m_section != nullptr ? m_section[VersionByte] : 0u;
}

unsigned DisplayIDBlock::GetNumOfExtensions() const
{
    return m_base ? m_section[ExtensionCountByte] : 0u;
}

bool DisplayIDBlock::SupportExtensions() const
{
    return m_base;
}

unsigned DisplayIDBlock::GetChecksum() const
{
    return m_section != nullptr ? m_section[HeaderBytes + sectionLength()] : 0u;
}

unsigned DisplayIDBlock::GetComputedChecksum() const
{
    return m_section != nullptr ? computeOneByteCheckSum(m_section, HeaderBytes + sectionLength())
                                : 0u;
}

bool DisplayIDBlock::GetWrappedBlockChecksum(unsigned *stored, unsigned *computed) const
{
    if (m_section == nullptr || !m_wrapped || !stored || !computed)
        return false;
    *stored = rawData[WrappedChecksumByte];
    *computed = computeOneByteCheckSum(rawData, WrappedChecksumByte);
    return true;
}

unsigned DisplayIDBlock::GetDIDBlockSize() const
{
    return m_section != nullptr ? sectionLength() + SectionOverhead : 0u;
}

unsigned DisplayIDBlock::GetBlockSize() const
{
    if (m_section == nullptr)
        return 0;
    return m_base ? GetDIDBlockSize() : ExtensionBlockBytes;
}

unsigned DisplayIDBlock::GetNumOfAvailableBytes() const
{
    return m_freeBytes;
}

bool DisplayIDBlock::IsBaseBlock() const
{
    return m_base;
}

unsigned DisplayIDBlock::GetNumOfDataBlocks() const
{
    return m_blockCount;
}

unsigned DisplayIDBlock::GetDataBlockTag(unsigned index) const
{
    return index < m_blockCount ? m_map[index].tag : NoTag;
}

bool DisplayIDBlock::AllowNewDataBlocks() const
{
    return m_section != nullptr && m_freeBytes >= BlockHeaderBytes && m_blockCount < MaxDataBlocks;
}

void DisplayIDBlock::GetSectionHeader(DisplayID_Section_Header *header) const
{
    if (header == nullptr || m_section == nullptr)
        return;
    header->version = m_section[VersionByte];
    header->sectionLength = m_section[LengthByte];
    header->productType = m_section[ProductTypeByte];
    header->extensionCount = m_section[ExtensionCountByte];
}

void DisplayIDBlock::GetDisplayBlockHeader(unsigned index, DisplayID_Block_Header *header) const
{
    if (header == nullptr || index >= m_blockCount)
        return;
    *header = m_map[index];
}

bool DisplayIDBlock::calculateOffset(unsigned index, unsigned &offset) const
{
    if (index >= m_blockCount)
        return false;
    unsigned sum = 0;
    for (unsigned i = 0; i < index; ++i)
        sum += BlockHeaderBytes + m_map[i].payloadLength;
    offset = sum;
    return true;
}

const unsigned char *DisplayIDBlock::payload(unsigned index, unsigned *length) const
{
    unsigned offset = 0;
    if (m_section == nullptr || !calculateOffset(index, offset))
        return nullptr;
    if (length != nullptr)
        *length = m_map[index].payloadLength;
    return m_section + HeaderBytes + offset + BlockHeaderBytes;
}

unsigned char *DisplayIDBlock::payload(unsigned index, unsigned *length)
{
    return const_cast<unsigned char *>(
        static_cast<const DisplayIDBlock *>(this)->payload(index, length));
}

bool DisplayIDBlock::IsDataBlockSupported(DisplayBlockID id) const
{
    if (m_section == nullptr)
        return false;
    switch (id) {
    case DidBlockProductId:
        return m_base && counter(id) == 0;
    case DidBlockDisplayParams:
    case DidBlockColorChars:
    case DidBlockVesaTimings:
    case DidBlockCeaTimings:
    case DidBlockSerialNumber:
    case DidBlockDeviceData:
    case DidBlockPowerSequencing:
    case DidBlockDisplayInterface:
        return counter(id) == 0;
    case DidBlockType5Timing:
    case DidBlockType6Timing:
    case DidBlockTiledDisplay:
        return GetVersion() >= 0x12;
    case DidBlockType1Timing:
    case DidBlockType2Timing:
    case DidBlockType3Timing:
    case DidBlockType4Timing:
    case DidBlockRangeLimits:
    case DidBlockAsciiString:
    case DidBlockTransferChars:
    case DidBlockStereoInterface:
    case DidBlockVendorSpecific:
        return true;
    case DidBlockNone:
        break;
    }
    return false;
}

// ---- the map --------------------------------------------------------------------------------

void DisplayIDBlock::rebuildMap()
{
    m_blockCount = 0;
    std::fill(std::begin(m_counters), std::end(m_counters), 0u);
    std::fill(std::begin(m_map), std::end(m_map), DisplayID_Block_Header());
    m_usedBytes = 0;
    m_cleanTail = true;
    m_freeBytes = 0;
    if (m_section == nullptr)
        return;

    const unsigned length = sectionLength();
    const unsigned char *data = m_section + HeaderBytes;
    unsigned pos = 0;
    bool overrun = false;
    while (pos + BlockHeaderBytes <= length) {
        const unsigned char *header = data + pos;
        const unsigned payloadLength = header[BlockLengthByte];
        if (header[BlockTagByte] == 0 && header[BlockRevisionByte] == 0 && payloadLength == 0)
            break; // zero padding
        if (pos + BlockHeaderBytes + payloadLength > length) {
            overrun = true; // the payload runs past the data area
            break;
        }
        if (m_blockCount < MaxDataBlocks) {
            m_map[m_blockCount] = {header[BlockTagByte], header[BlockRevisionByte],
                                   header[BlockLengthByte]};
            ++m_blockCount;
            const DisplayBlockID kind = kindOfTag(header[BlockTagByte]);
            if (kind != DidBlockNone && kind != DidBlockTransferChars)
                ++m_counters[kind];
        }
        pos += BlockHeaderBytes + payloadLength;
    }
    m_usedBytes = pos;
    m_cleanTail = !overrun && isZero(data + pos, length - pos);

    // Real room: zero padding after the data blocks, and for a section whose length byte
    // follows its content, the growth still possible within its maximum length.
    const unsigned padding = m_cleanTail ? length - pos : 0u;
    const unsigned maxLength = maxSectionLength();
    if (isPadded())
        m_freeBytes = padding;
    else
        m_freeBytes = padding + (maxLength > length ? maxLength - length : 0u);
}

bool DisplayIDBlock::moveData(unsigned at, int change)
{
    if (m_section == nullptr || change == 0)
        return change == 0;
    const unsigned length = sectionLength();
    const unsigned dataEnd = m_cleanTail ? m_usedBytes : length;
    if (at > dataEnd)
        return false;
    unsigned char *data = m_section + HeaderBytes;
    const unsigned trailing = trailingBytes(length);
    unsigned newLength = length;

    if (change > 0) {
        const auto count = static_cast<unsigned>(change);
        if (count > m_freeBytes)
            return false;
        if (!isPadded())
            newLength = std::max(length, dataEnd + count);
        if (newLength + SectionOverhead > m_size)
            return false;
        if (newLength != length) {
            // The section end (checksum and the extension sections behind a base section)
            // moves up first; the bytes between become data area.
            const unsigned moved = std::min(trailing, m_size - (newLength + SectionOverhead));
            if (moved > 0)
                std::memmove(data + newLength + 1, data + length + 1, moved);
            std::memset(data + length, 0, newLength - length + 1);
        }
        std::memmove(data + at + count, data + at, dataEnd - at);
        std::memset(data + at, 0, count);
    } else {
        const auto count = static_cast<unsigned>(-change);
        if (at + count > dataEnd)
            return false;
        std::memmove(data + at, data + at + count, dataEnd - at - count);
        std::memset(data + dataEnd - count, 0, count);
        if (!isPadded())
            newLength = length - count;
        if (newLength != length) {
            data[length] = 0; // old checksum position
            if (trailing > 0) {
                std::memmove(data + newLength + 1, data + length + 1, trailing);
                std::memset(data + newLength + 1 + trailing, 0, length - newLength);
            }
        }
    }
    m_section[LengthByte] = static_cast<unsigned char>(newLength);
    return true;
}

void DisplayIDBlock::writeHeader(unsigned offset, const DisplayID_Block_Header &header)
{
    unsigned char *p = m_section + HeaderBytes + offset;
    p[BlockTagByte] = header.tag;
    p[BlockRevisionByte] = header.revision;
    p[BlockLengthByte] = header.payloadLength;
}

void DisplayIDBlock::writeRevision(unsigned index, quint8 revision)
{
    unsigned offset = 0;
    if (m_section == nullptr || !calculateOffset(index, offset))
        return;
    m_section[HeaderBytes + offset + BlockRevisionByte] = revision;
    m_map[index].revision = revision;
}

unsigned DisplayIDBlock::newRevision(unsigned tag) const
{
    const bool v12 = GetVersion() >= 0x12;
    switch (tag) {
    case DidTagColorChars:
        return 1;
    case DidTagType1Timing:
    case DidTagType3Timing:
        return v12 ? 0u : 1u;
    case DidTagType4Timing:
    case DidTagStereoInterface:
        return v12 ? 1u : 0u;
    default:
        return 0;
    }
}

bool DisplayIDBlock::resizePayload(unsigned index, int change)
{
    unsigned offset = 0;
    if (m_section == nullptr || !calculateOffset(index, offset))
        return false;
    if (change == 0)
        return true;
    const int oldLength = m_map[index].payloadLength;
    const int newLength = oldLength + change;
    if (newLength < 0 || newLength > 255)
        return false;
    // Bytes are added or removed at the end of the payload.
    const unsigned at =
        offset + BlockHeaderBytes + static_cast<unsigned>(std::min(oldLength, newLength));
    if (!moveData(at, change))
        return false;
    m_section[HeaderBytes + offset + BlockLengthByte] = static_cast<unsigned char>(newLength);
    rebuildMap();
    return true;
}

// ---- changes --------------------------------------------------------------------------------

void DisplayIDBlock::UpdateSectionHeader(DisplayID_DataBlock_Tag tag)
{
    const DisplayBlockID kind = kindOfTag(tag);
    if (m_section == nullptr || kind == DidBlockNone || kind == DidBlockTransferChars)
        return;
    const DidKindInfo *info = didKindInfo(kind);
    if (info->minSize > m_freeBytes || m_blockCount >= MaxDataBlocks)
        return;
    const unsigned at = m_usedBytes;
    if (!moveData(at, static_cast<int>(info->minSize)))
        return;
    writeHeader(at, {static_cast<quint8>(tag), static_cast<quint8>(newRevision(tag)),
                     static_cast<quint8>(info->newPayload)});
    rebuildMap();
}

void DisplayIDBlock::SetDisplayBlockHeader(DisplayID_DataBlock_Tag tag, unsigned index)
{
    const DisplayBlockID kind = kindOfTag(tag);
    unsigned offset = 0;
    if (m_section == nullptr || kind == DidBlockNone || kind == DidBlockTransferChars
        || !calculateOffset(index, offset))
        return;
    const DidKindInfo *info = didKindInfo(kind);
    // Only a header of the new-block shape is written, so the data blocks keep their places.
    if (m_map[index].payloadLength != info->newPayload)
        return;
    writeHeader(offset, {static_cast<quint8>(tag), static_cast<quint8>(newRevision(tag)),
                         static_cast<quint8>(info->newPayload)});
    rebuildMap();
}

void DisplayIDBlock::UpdateDisplayBlockHeader(unsigned index, const DisplayID_Block_Header *header)
{
    if (header == nullptr || index >= m_blockCount)
        return;
    // The payload length of the map follows the bytes; only the revision may differ until a
    // writer puts it into the section.
    m_map[index].revision = header->revision;
}

void DisplayIDBlock::AddDataBlock(DisplayBlockID id)
{
    const unsigned minSize = getMinDataBlockSize(id);
    if (m_section == nullptr || minSize == 0 || minSize > m_freeBytes
        || m_blockCount >= MaxDataBlocks)
        return;
    if (id != DidBlockTransferChars) {
        const auto tag = static_cast<DisplayID_DataBlock_Tag>(tagOfKind(id));
        const unsigned before = m_blockCount;
        UpdateSectionHeader(tag);
        if (m_blockCount != before + 1)
            return;
        SetDisplayBlockHeader(tag, m_blockCount - 1);
        if (id == DidBlockStereoInterface) {
            DidStereoInterfaceDataBlock stereo;
            stereo.methodLength = 2;
            SetStereoInterfaceDataBlock(m_blockCount - 1, &stereo, 0);
        }
    }
    recalcCheckSum();
}

void DisplayIDBlock::RemoveDataBlock(unsigned index)
{
    unsigned offset = 0;
    if (m_section == nullptr || !calculateOffset(index, offset))
        return;
    const int size = static_cast<int>(BlockHeaderBytes + m_map[index].payloadLength);
    if (!moveData(offset, -size))
        return;
    rebuildMap();
    recalcCheckSum();
}

void DisplayIDBlock::SetNumOfExtensions(unsigned count)
{
    if (!m_base)
        return;
    m_section[ExtensionCountByte] = static_cast<unsigned char>(std::min(count, 255u));
    rebuildMap(); // the room behind the section changed
    recalcCheckSum();
}

void DisplayIDBlock::SetProductTypeIdentifier(const DisplayID_Section_Header *header)
{
    if (header == nullptr || m_section == nullptr)
        return;
    // A base section keeps a non-zero product type and a stand-alone extension 0, or the
    // section would no longer be recognised.
    if (m_base && header->productType == 0)
        return;
    if (!m_base && !m_wrapped && header->productType != 0)
        return;
    m_section[ProductTypeByte] = header->productType;
    recalcCheckSum();
}

void DisplayIDBlock::AddMandatoryBlocks(const DisplayID_Section_Header *header)
{
    if (header == nullptr || !m_base)
        return;
    const unsigned type = header->productType;
    const bool display = type == 3 || type == 4 || type == 6;
    const bool colours = display || type == 2;
    if (display && counter(DidBlockDisplayParams) == 0)
        AddDataBlock(DidBlockDisplayParams);
    if (colours && counter(DidBlockColorChars) == 0) {
        const unsigned before = m_blockCount;
        AddDataBlock(DidBlockColorChars);
        if (m_blockCount == before + 1) {
            DidColorCharsDataBlock record;
            record.whitePoints = 1;
            SetColorCharsDataBlock(m_blockCount - 1, &record);
        }
    }
    if (colours && counter(DidBlockType1Timing) == 0)
        AddDataBlock(DidBlockType1Timing);
    recalcCheckSum();
}

void DisplayIDBlock::recalcCheckSum()
{
    if (m_section == nullptr)
        return;
    const unsigned end = HeaderBytes + sectionLength();
    const unsigned char old = m_section[end];
    m_section[end] = computeOneByteCheckSum(m_section, end);
    if (m_wrapped)
        rawData[WrappedChecksumByte] = computeOneByteCheckSum(rawData, WrappedChecksumByte);
    if (old != m_section[end] && callbackContext != nullptr)
        callbackContext->checksumChanged(this);
}
