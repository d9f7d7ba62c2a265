#include "edidextvtb.h"

#include "vtblayout.h"

#include <cstring>

using namespace VtbLayout;

namespace {
constexpr unsigned WholeList = 0xFFFFFFFFu; // index -1: the whole list
} // namespace

EdidExtVtb::EdidExtVtb(unsigned char *buffer, unsigned int size, unsigned int offset,
                       CallbackContext *context)
    : DataBlock(offset, context)
    , rawData(IsEdidExtVtb(size, buffer) ? buffer : nullptr)
{}

EdidExtVtb::~EdidExtVtb() = default;

bool EdidExtVtb::IsEdidExtVtb(unsigned int size, const unsigned char *buffer)
{
    return buffer != nullptr && size >= BlockSize && buffer[TagByte] == Tag;
}

bool EdidExtVtb::InitBuffer(unsigned char *buffer, unsigned int size)
{
    return initExtensionBlock(buffer, size, Tag, 1);
}

unsigned EdidExtVtb::GetChecksum() const
{
    return rawData ? rawData[ChecksumByte] : 0u;
}

unsigned EdidExtVtb::GetComputedChecksum() const
{
    return rawData ? computeOneByteCheckSum(rawData, ChecksumByte) : 0u;
}

unsigned EdidExtVtb::GetBlockSize() const
{
    return rawData ? BlockSize : 0u;
}

unsigned EdidExtVtb::GetVersion() const
{
    return rawData ? rawData[VersionByte] : 0u;
}

unsigned char *EdidExtVtb::GetRawData() const
{
    return rawData;
}

void EdidExtVtb::recalcCheckSum()
{
    storeBlockChecksum(rawData, GetBlockSize());
}

bool EdidExtVtb::IsChecksumValid() const
{
    return rawData != nullptr && GetChecksum() == GetComputedChecksum();
}

// ---- Counts and free space ----

unsigned EdidExtVtb::DTBCount() const
{
    if (!rawData)
        return 0;
    return qMin<unsigned>(rawData[DtbCountByte], EntryAreaSize / DtbSize);
}

unsigned EdidExtVtb::CVTCount() const
{
    if (!rawData)
        return 0;
    const unsigned room = EntryAreaSize - DtbSize * DTBCount();
    return qMin<unsigned>(rawData[CvtCountByte], room / CvtSize);
}

unsigned EdidExtVtb::STCount() const
{
    if (!rawData)
        return 0;
    const unsigned room = EntryAreaSize - DtbSize * DTBCount() - CvtSize * CVTCount();
    return qMin<unsigned>(rawData[StCountByte], room / StSize);
}

bool EdidExtVtb::countsFit() const
{
    return rawData != nullptr
           && DtbSize * rawData[DtbCountByte] + CvtSize * rawData[CvtCountByte]
                      + StSize * rawData[StCountByte]
                  <= EntryAreaSize;
}

bool EdidExtVtb::writable() const
{
    return countsFit();
}

unsigned EdidExtVtb::usedBytes() const
{
    return DtbSize * DTBCount() + CvtSize * CVTCount() + StSize * STCount();
}

unsigned EdidExtVtb::GetFreeBytesNumber() const
{
    return countsFit() ? EntryAreaSize - usedBytes() : 0u;
}

bool EdidExtVtb::AllowNewDTB() const
{
    return GetFreeBytesNumber() > DtbSize;
}

bool EdidExtVtb::AllowNewCVT() const
{
    return GetFreeBytesNumber() > CvtSize;
}

bool EdidExtVtb::AllowNewST() const
{
    return GetFreeBytesNumber() > StSize;
}

// ---- Entry positions ----

unsigned char *EdidExtVtb::getVtbBlockData(VtbByteOffset list) const
{
    if (!rawData)
        return nullptr;
    switch (list) {
    case VtbCvtCodes:
        return rawData + EntryAreaStart + GetByteIndexOfCVT(0);
    case VtbStandardTimings:
        return rawData + EntryAreaStart + GetByteIndexOfST(0);
    case VtbDetailedTimings:
    default:
        return rawData + EntryAreaStart;
    }
}

unsigned EdidExtVtb::GetByteIndexOfDTB(unsigned i) const
{
    return DtbSize * i;
}

unsigned EdidExtVtb::GetByteIndexOfCVT(unsigned i) const
{
    return DtbSize * DTBCount() + CvtSize * i;
}

unsigned EdidExtVtb::GetByteIndexOfST(unsigned i) const
{
    return DtbSize * DTBCount() + CvtSize * CVTCount() + StSize * i;
}

EdidDetailedTiming *EdidExtVtb::GetDTB(unsigned i) const
{
    if (!rawData || i >= DTBCount())
        return nullptr;
    return reinterpret_cast<EdidDetailedTiming *>(rawData + EntryAreaStart + GetByteIndexOfDTB(i));
}

EdidCvt3ByteTiming *EdidExtVtb::GetCVT(unsigned i) const
{
    if (!rawData || i >= CVTCount())
        return nullptr;
    return reinterpret_cast<EdidCvt3ByteTiming *>(rawData + EntryAreaStart + GetByteIndexOfCVT(i));
}

EdidStandardTiming *EdidExtVtb::GetST(unsigned i) const
{
    if (!rawData || i >= STCount())
        return nullptr;
    return reinterpret_cast<EdidStandardTiming *>(rawData + EntryAreaStart + GetByteIndexOfST(i));
}

// ---- Entries through the codecs ----

bool EdidExtVtb::GetDetailedTiming(unsigned index, DetailedTiming *timing)
{
    const EdidDetailedTiming *raw = GetDTB(index);
    if (!raw || !timing)
        return false;
    edidToDetailedTiming(raw, timing);
    return true;
}

void EdidExtVtb::SetDetailedTiming(unsigned index, DetailedTiming *timing)
{
    EdidDetailedTiming *raw = GetDTB(index);
    if (!raw || !timing || !writable())
        return;
    detailedTimingToEdid(timing, raw);
    recalcCheckSum();
}

bool EdidExtVtb::GetCvt3ByteTiming(unsigned index, Cvt3ByteTiming *timing)
{
    const EdidCvt3ByteTiming *raw = GetCVT(index);
    if (!raw || !timing)
        return false;
    edidToCvt3ByteTiming(raw, timing);
    return true;
}

void EdidExtVtb::SetCvt3ByteTiming(unsigned index, const Cvt3ByteTiming *timing)
{
    EdidCvt3ByteTiming *raw = GetCVT(index);
    if (!raw || !timing || !writable())
        return;
    cvt3ByteTimingToEdid(timing, raw);
    recalcCheckSum();
}

bool EdidExtVtb::GetStandardTiming(unsigned, unsigned index, StandardTiming *timing)
{
    const EdidStandardTiming *raw = GetST(index);
    if (!raw || !timing)
        return false;
    edidToStandardTiming(raw, timing);
    return true;
}

bool EdidExtVtb::SetStandardTiming(unsigned section, unsigned, StandardTiming *timing)
{
    EdidStandardTiming *raw = GetST(section);
    if (!raw || !timing || !writable())
        return false;
    standardTimingToEdid(timing, raw);
    recalcCheckSum();
    return true;
}

// ---- Adding and removing ----

void EdidExtVtb::insertGap(unsigned pos, unsigned size)
{
    const unsigned end = EntryAreaStart + usedBytes();
    // The callers checked that more than size bytes are free, so end + size stays below 127.
    std::memmove(rawData + pos + size, rawData + pos, end - pos);
    std::memset(rawData + pos, 0, size);
}

void EdidExtVtb::removeRange(unsigned pos, unsigned size)
{
    const unsigned end = EntryAreaStart + usedBytes();
    std::memmove(rawData + pos, rawData + pos + size, end - pos - size);
}

bool EdidExtVtb::AddDTB()
{
    if (!writable() || !AllowNewDTB())
        return false;
    insertGap(EntryAreaStart + GetByteIndexOfDTB(DTBCount()), DtbSize);
    ++rawData[DtbCountByte];
    recalcCheckSum();
    return true;
}

bool EdidExtVtb::AddCVT()
{
    if (!writable() || !AllowNewCVT())
        return false;
    insertGap(EntryAreaStart + GetByteIndexOfCVT(CVTCount()), CvtSize);
    ++rawData[CvtCountByte];
    recalcCheckSum();
    return true;
}

bool EdidExtVtb::AddST()
{
    if (!writable() || !AllowNewST())
        return false;
    insertGap(EntryAreaStart + GetByteIndexOfST(STCount()), StSize);
    ++rawData[StCountByte];
    recalcCheckSum();
    return true;
}

bool EdidExtVtb::RemoveDTB(unsigned i)
{
    if (!writable() || i >= MaxDtbs || i >= DTBCount())
        return false;
    removeRange(EntryAreaStart + GetByteIndexOfDTB(i), DtbSize);
    --rawData[DtbCountByte];
    ClearTail();
    return true;
}

bool EdidExtVtb::RemoveCVT(unsigned i)
{
    if (!writable() || i >= MaxCvts || i >= CVTCount())
        return false;
    removeRange(EntryAreaStart + GetByteIndexOfCVT(i), CvtSize);
    --rawData[CvtCountByte];
    ClearTail();
    return true;
}

bool EdidExtVtb::RemoveST(unsigned i)
{
    if (!writable() || i >= MaxSts || i >= STCount())
        return false;
    removeRange(EntryAreaStart + GetByteIndexOfST(i), StSize);
    --rawData[StCountByte];
    ClearTail();
    return true;
}

void EdidExtVtb::ClearTail()
{
    if (!writable())
        return;
    const unsigned freeBytes = GetFreeBytesNumber();
    std::memset(rawData + ChecksumByte - freeBytes, 0, freeBytes);
    recalcCheckSum();
}

// ---- Locations (offsets in the whole image) ----

QList<EdidItemLocation> EdidExtVtb::entryLocation(unsigned blockPos, unsigned length) const
{
    return oneRange(GetStartOffset() + blockPos, length);
}

QList<EdidItemLocation> EdidExtVtb::GetDetailedTimingLocation(unsigned code, unsigned index)
{
    if (!rawData || DTBCount() == 0)
        return {};
    if (index == WholeList)
        return entryLocation(EntryAreaStart, DtbSize * DTBCount());
    if (index >= DTBCount())
        return {};
    return detailedTimingLocation(code,
                                  GetStartOffset() + EntryAreaStart + GetByteIndexOfDTB(index));
}

QList<EdidItemLocation> EdidExtVtb::GetCvt3ByteTimingLocation(unsigned index, unsigned)
{
    const unsigned count = CVTCount();
    if (!rawData || count == 0)
        return {};
    if (index == WholeList)
        return entryLocation(EntryAreaStart + GetByteIndexOfCVT(0), CvtSize * count);
    if (index >= count)
        return {};
    return entryLocation(EntryAreaStart + GetByteIndexOfCVT(index), CvtSize);
}

QList<EdidItemLocation> EdidExtVtb::GetStandardTimingLocation(unsigned index, unsigned)
{
    const unsigned count = STCount();
    if (!rawData || count == 0)
        return {};
    if (index == WholeList)
        return entryLocation(EntryAreaStart + GetByteIndexOfST(0), StSize * count);
    if (index >= count)
        return {};
    return entryLocation(EntryAreaStart + GetByteIndexOfST(index), StSize);
}
