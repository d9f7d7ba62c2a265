#include "datablock.h"

#include "callbackcontext.h"

#include <cstdint>
#include <cstring>

DataBlock::DataBlock(unsigned offset, CallbackContext *context)
    : borderActive(false)
    , startOffset(offset)
    , callbackContext(context)
{}

DataBlock::~DataBlock() = default;

unsigned DataBlock::GetNumOfExtensions() const
{
    return 0;
}

bool DataBlock::SupportExtensions() const
{
    return false;
}

unsigned DataBlock::GetChecksum() const
{
    return 0;
}

unsigned DataBlock::GetBlockSize() const
{
    return 0;
}

unsigned DataBlock::GetStartOffset() const
{
    return startOffset;
}

unsigned DataBlock::GetVersion() const
{
    return 0;
}

void DataBlock::FillModeInfo(CallbackFillContentTgt *)
{}

void DataBlock::FillCellInfo(unsigned, QString *, QString *, QString *)
{}

int DataBlock::Validate(CallbackFillContentTgt *)
{
    return 0;
}

void DataBlock::RecalcCheckSum()
{
    recalcCheckSum();
}

bool DataBlock::GetDetailedTiming(unsigned, DetailedTiming *)
{
    return false;
}

void DataBlock::SetDetailedTiming(unsigned, DetailedTiming *)
{}

bool DataBlock::GetCvt3ByteTiming(unsigned, Cvt3ByteTiming *)
{
    return false;
}

void DataBlock::SetCvt3ByteTiming(unsigned, const Cvt3ByteTiming *)
{}

QList<EdidItemLocation> DataBlock::GetDetailedTimingLocation(unsigned, unsigned)
{
    return {};
}

bool DataBlock::IsDescriptorSupported(DescriptorID)
{
    return false;
}

bool DataBlock::SetStandardTiming(unsigned, unsigned, StandardTiming *)
{
    return false;
}

bool DataBlock::SetColorManagement(unsigned, ColorManagement *)
{
    return false;
}

bool DataBlock::GetColorManagement(unsigned, ColorManagement *)
{
    return false;
}

void DataBlock::SetRangeLimits(unsigned, RangeLimits *)
{}

void DataBlock::SetEstablishedTimingSupport(unsigned, unsigned, bool)
{}

void DataBlock::SetDescriptorString(unsigned, EdidString *)
{}

void DataBlock::RemoveDescriptor(unsigned)
{}

QList<EdidItemLocation> DataBlock::GetStringDescriptorLocation(unsigned, unsigned)
{
    return {};
}

QList<EdidItemLocation> DataBlock::GetStandardTimingLocation(unsigned, unsigned)
{
    return {};
}

QList<EdidItemLocation> DataBlock::GetCvt3ByteTimingLocation(unsigned, unsigned)
{
    return {};
}

QList<EdidItemLocation> DataBlock::GetRangeLimitsLocation(unsigned, unsigned)
{
    return {};
}

bool DataBlock::IsEstablishedTimingSupported(unsigned, unsigned)
{
    return false;
}

bool DataBlock::GetStandardTiming(unsigned, unsigned, StandardTiming *)
{
    return false;
}

void DataBlock::GetRangeLimits(unsigned, RangeLimits *)
{}

QString DataBlock::GetEstablishedTimingName(unsigned, unsigned)
{
    return QString();
}

QList<EdidItemLocation> DataBlock::GetEstablishedTimingLocation(unsigned, unsigned)
{
    return {};
}

QList<EdidItemLocation> DataBlock::GetDummyDescriptorLocation(unsigned, unsigned)
{
    return {};
}

void DataBlock::GetDescriptorString(unsigned, EdidString *)
{}

QList<EdidItemLocation> DataBlock::GetDescriptorsLocation()
{
    return {};
}

DescriptorID DataBlock::GetDescriptorID(unsigned)
{
    return DescriptorUnknown;
}

void DataBlock::GetColorPoint(unsigned, ColorPoint *)
{}

void DataBlock::AddDescriptor(DescriptorID, unsigned)
{}

unsigned DataBlock::DTBCount() const
{
    return 0;
}

unsigned DataBlock::CVTCount() const
{
    return 0;
}

unsigned DataBlock::STCount() const
{
    return 0;
}

void DataBlock::setBorderActiveState(bool active)
{
    borderActive = active;
}

void DataBlock::ZeroMem(void *buffer, int count)
{
    if (buffer && count > 0)
        std::memset(buffer, 0, static_cast<size_t>(count));
}

unsigned char DataBlock::computeOneByteCheckSum(const unsigned char *data, unsigned count)
{
    if (!data)
        return 0;
    unsigned sum = 0;
    for (unsigned i = 0; i < count; ++i)
        sum += data[i];
    return static_cast<unsigned char>((256u - (sum % 256u)) % 256u);
}

quint32 DataBlock::imagePosition(const unsigned char *block, const unsigned char *base) const
{
    if (base != nullptr) {
        const auto from = reinterpret_cast<std::uintptr_t>(base);
        const auto to = reinterpret_cast<std::uintptr_t>(block);
        if (from <= to)
            return static_cast<quint32>(to - from);
    }
    return startOffset;
}

bool DataBlock::initExtensionBlock(unsigned char *buffer, unsigned size, unsigned char tag,
                                   unsigned char version)
{
    constexpr unsigned blockSize = 128;
    if (!buffer || size < blockSize)
        return false;
    std::memset(buffer, 0, blockSize);
    buffer[0] = tag;
    buffer[1] = version;
    buffer[blockSize - 1] = computeOneByteCheckSum(buffer, blockSize - 1);
    return true;
}

void DataBlock::storeBlockChecksum(unsigned char *block, unsigned size)
{
    if (!block || size == 0)
        return;
    const unsigned char stored = block[size - 1];
    const unsigned char computed = computeOneByteCheckSum(block, size - 1);
    block[size - 1] = computed;
    if (computed != stored && callbackContext)
        callbackContext->checksumChanged(this);
}
