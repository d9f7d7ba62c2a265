#include "displayidblock.h"
#include "displayidlayout.h"
#include "model/bits.h"

#include <algorithm>
#include <cstring>
#include <vector>

// Timing data blocks (DisplayID 1.3, section 4.4 to 4.6). Fields marked "minus 1" store the
// value less one. Scaled values are written rounded to the nearest stored step, clipped
// enumerations keep a stored value beyond the clip while the record holds the clip value, and
// bits the records do not carry keep their stored value where a descriptor is rewritten in
// place, so that a descriptor read and written back keeps its bytes.

using namespace DisplayIDLayout;

namespace {

constexpr unsigned kType1Size = 20;
constexpr unsigned kType2Size = 11;
constexpr unsigned kType3Size = 3;
constexpr unsigned kType5Size = 7;
constexpr unsigned kType6Short = 14;
constexpr unsigned kType6Long = 17;

// Stored "minus 1" value of a count: 0 stays 0.
unsigned minusOne(unsigned value)
{
    return value == 0 ? 0u : value - 1u;
}

// Pixel clock in MHz stored in steps of 1 / factor MHz, minus 1.
unsigned clockMinusOne(double mhz, double factor)
{
    return minusOne(scaled(mhz, factor));
}

// Horizontal value in 8-pixel units, minus 1.
unsigned eighthsMinusOne(unsigned value)
{
    return minusOne(value) >> 3;
}

void decodeType1(const unsigned char *p, DidType1DetTimingDesc *r)
{
    r->pixelClock = (le24(p) + 1) / 100.0;
    r->preferred = bit(p[3], 7);
    r->stereo = bits(p[3], 6, 5);
    r->interlaced = bit(p[3], 4);
    r->aspect = bits(p[3], 3, 0);
    r->hActive = qFromLittleEndian<quint16>(p + 4) + 1u;
    r->hBlank = qFromLittleEndian<quint16>(p + 6) + 1u;
    r->hOffset = bits(qFromLittleEndian<quint16>(p + 8), 14, 0) + 1;
    r->hSyncPolarity = bit(qFromLittleEndian<quint16>(p + 8), 15);
    r->hSyncWidth = qFromLittleEndian<quint16>(p + 10) + 1u;
    r->vActive = qFromLittleEndian<quint16>(p + 12) + 1u;
    r->vBlank = qFromLittleEndian<quint16>(p + 14) + 1u;
    r->vOffset = bits(qFromLittleEndian<quint16>(p + 16), 14, 0) + 1;
    r->vSyncPolarity = bit(qFromLittleEndian<quint16>(p + 16), 15);
    r->vSyncWidth = qFromLittleEndian<quint16>(p + 18) + 1u;
}

// stored: the descriptor's bytes before the write, or null for a new descriptor.
void encodeType1(const DidType1DetTimingDesc *r, const unsigned char *stored, unsigned char *p)
{
    unsigned char out[kType1Size] = {};
    put24(out, clockMinusOne(r->pixelClock, 100.0));
    quint8 flags = setBit(0, 7, r->preferred & 1u);
    flags = setBits(flags, 6, 5, r->stereo);
    flags = setBit(flags, 4, r->interlaced & 1u);
    out[3] =
        setBits(flags, 3, 0,
                stored != nullptr ? keepClipped(r->aspect, bits(stored[3], 3, 0), 8) : r->aspect);
    qToLittleEndian(static_cast<quint16>(minusOne(r->hActive)), out + 4);
    qToLittleEndian(static_cast<quint16>(minusOne(r->hBlank)), out + 6);
    qToLittleEndian(
        static_cast<quint16>(withBit(bits(minusOne(r->hOffset), 14, 0), 15, r->hSyncPolarity & 1u)),
        out + 8);
    qToLittleEndian(static_cast<quint16>(minusOne(r->hSyncWidth)), out + 10);
    qToLittleEndian(static_cast<quint16>(minusOne(r->vActive)), out + 12);
    qToLittleEndian(static_cast<quint16>(minusOne(r->vBlank)), out + 14);
    qToLittleEndian(
        static_cast<quint16>(withBit(bits(minusOne(r->vOffset), 14, 0), 15, r->vSyncPolarity & 1u)),
        out + 16);
    qToLittleEndian(static_cast<quint16>(minusOne(r->vSyncWidth)), out + 18);
    std::memcpy(p, out, sizeof out);
}

void decodeType2(const unsigned char *p, DidType2DetTimingDesc *r)
{
    r->pixelClock = (le24(p) + 1) / 100.0;
    r->preferred = static_cast<quint8>(bit(p[3], 7));
    r->stereo = bits(p[3], 6, 5);
    r->interlaced = static_cast<quint8>(bit(p[3], 4));
    r->hSyncPolarity = static_cast<quint8>(bit(p[3], 3));
    r->vSyncPolarity = static_cast<quint8>(bit(p[3], 2));
    r->optionCode = static_cast<quint8>(bits(p[3], 1, 0));
    r->hActive = (p[4] | bit(p[5], 0) << 8) * 8 + 8;
    r->hBlank = bits(p[5], 7, 1) * 8 + 8;
    r->hOffset = bits(p[6], 7, 4) * 8 + 8;
    r->hSyncWidth = bits(p[6], 3, 0) * 8 + 8;
    r->vActive = (p[7] | bits(p[8], 3, 0) << 8) + 1;
    r->vBlank = p[9] + 1u;
    r->vOffset = bits(p[10], 7, 4) + 1;
    r->vSyncWidth = bits(p[10], 3, 0) + 1;
}

void encodeType2(const DidType2DetTimingDesc *r, unsigned char *p)
{
    unsigned char out[kType2Size] = {};
    put24(out, clockMinusOne(r->pixelClock, 100.0));
    quint8 flags = setBit(0, 7, r->preferred & 1u);
    flags = setBits(flags, 6, 5, r->stereo);
    flags = setBit(flags, 4, r->interlaced & 1u);
    flags = setBit(flags, 3, r->hSyncPolarity & 1u);
    flags = setBit(flags, 2, r->vSyncPolarity & 1u);
    out[3] = setBits(flags, 1, 0, r->optionCode);
    const unsigned hActive = eighthsMinusOne(r->hActive);
    out[4] = lowByte(hActive);
    out[5] = setBit(setBits(0, 7, 1, eighthsMinusOne(r->hBlank)), 0, bit(hActive, 8));
    out[6] = setBits(setBits(0, 7, 4, eighthsMinusOne(r->hOffset)), 3, 0,
                     eighthsMinusOne(r->hSyncWidth));
    const unsigned vActive = minusOne(r->vActive);
    out[7] = lowByte(vActive);
    out[8] = setBits(0, 3, 0, bits(vActive, 11, 8));
    out[9] = lowByte(minusOne(r->vBlank));
    out[10] = setBits(setBits(0, 7, 4, minusOne(r->vOffset)), 3, 0, minusOne(r->vSyncWidth));
    std::memcpy(p, out, sizeof out);
}

void decodeType3(const unsigned char *p, DidType3ShortTimingDesc *r)
{
    r->preferred = bit(p[0], 7);
    r->formula = std::min(bits(p[0], 6, 4), 2u);
    r->aspect = bits(p[0], 3, 0);
    r->hActive = p[1] * 8u + 8u;
    r->interlaced = bit(p[2], 7);
    r->refresh = bits(p[2], 6, 0) + 1;
}

void encodeType3(const DidType3ShortTimingDesc *r, const unsigned char *stored, unsigned char *p)
{
    const unsigned formula =
        stored != nullptr ? keepClipped(r->formula, bits(stored[0], 6, 4), 2) : r->formula;
    const unsigned aspect =
        stored != nullptr ? keepClipped(r->aspect, bits(stored[0], 3, 0), 8) : r->aspect;
    quint8 b0 = setBit(0, 7, r->preferred & 1u);
    b0 = setBits(b0, 6, 4, formula);
    p[0] = setBits(b0, 3, 0, aspect);
    p[1] = lowByte(eighthsMinusOne(r->hActive));
    p[2] = setBits(setBit(0, 7, r->interlaced & 1u), 6, 0, minusOne(r->refresh));
}

void decodeType5(const unsigned char *p, DidType5ShortTimingDesc *r)
{
    r->preferred = static_cast<quint8>(bit(p[0], 7));
    r->optionFlag = static_cast<quint8>(bit(p[0], 6));
    r->optionCode = static_cast<quint8>(bits(p[0], 1, 0));
    r->hActive = qFromLittleEndian<quint16>(p + 2) + 1u;
    r->vActive = qFromLittleEndian<quint16>(p + 4) + 1u;
    r->refresh = p[6] + 1u;
}

void encodeType5(const DidType5ShortTimingDesc *r, const unsigned char *stored, unsigned char *p)
{
    // Byte 0 bits 5..2 and the reserved byte 1 are not in the record: they stay as stored.
    quint8 b0 = stored != nullptr ? setBits(setBits(stored[0], 7, 6, 0), 1, 0, 0) : 0;
    b0 = setBit(b0, 7, r->preferred & 1u);
    b0 = setBit(b0, 6, r->optionFlag & 1u);
    p[0] = setBits(b0, 1, 0, r->optionCode);
    p[1] = stored != nullptr ? stored[1] : 0;
    qToLittleEndian(static_cast<quint16>(minusOne(r->hActive)), p + 2);
    qToLittleEndian(static_cast<quint16>(minusOne(r->vActive)), p + 4);
    p[6] = lowByte(minusOne(r->refresh));
}

void decodeType6(const unsigned char *p, bool longForm, DidType6DetTimingDesc *r)
{
    r->pixelClock = ((qFromLittleEndian<quint16>(p) | bits(p[2], 5, 0) << 16) + 1) / 1000.0;
    r->flag1 = static_cast<quint8>(bit(p[2], 7));
    r->form17 = static_cast<quint8>(bit(p[2], 6));
    r->hActive = (p[3] | bits(p[4], 5, 0) << 8) + 1;
    r->flag2 = static_cast<quint8>(bit(p[4], 7));
    r->vActive = (p[5] | bits(p[6], 5, 0) << 8) + 1;
    r->flag3 = static_cast<quint8>(bit(p[6], 7));
    r->hBlank = (p[7] | bits(p[9], 3, 0) << 8) + 1;
    r->hOffset = (p[8] | bits(p[9], 7, 4) << 8) + 1;
    r->hSyncWidth = p[10] + 1u;
    r->vBlank = p[11] + 1u;
    r->vOffset = p[12] + 1u;
    r->vSyncWidth = bits(p[13], 3, 0) + 1;
    r->code = bits(p[13], 6, 5);
    r->flag4 = static_cast<quint8>(bit(p[13], 7));
    if (longForm) {
        r->aspectRatio = p[14] * 3.0 / 256.0;
        r->vImageSize = (p[15] | bits(p[16], 3, 0) << 8) + 1;
        r->vSizeMultiplier = bits(p[16], 7, 4) + 1;
    }
}

void encodeType6(const DidType6DetTimingDesc *r, bool longForm, const unsigned char *stored,
                 unsigned char *p)
{
    unsigned char out[kType6Long] = {};
    if (stored != nullptr) {
        // Bits without a record field keep their stored value.
        out[4] = setBit(0, 6, bit(stored[4], 6));
        out[6] = setBit(0, 6, bit(stored[6], 6));
        out[13] = setBit(0, 4, bit(stored[13], 4));
    }
    const unsigned clock = clockMinusOne(r->pixelClock, 1000.0);
    qToLittleEndian(static_cast<quint16>(clock), out);
    quint8 b2 = setBits(0, 5, 0, bits(clock, 21, 16));
    b2 = setBit(b2, 7, r->flag1 & 1u);
    out[2] = setBit(b2, 6, longForm);
    const unsigned hActive = minusOne(r->hActive);
    out[3] = lowByte(hActive);
    out[4] = setBit(setBits(out[4], 5, 0, bits(hActive, 13, 8)), 7, r->flag2 & 1u);
    const unsigned vActive = minusOne(r->vActive);
    out[5] = lowByte(vActive);
    out[6] = setBit(setBits(out[6], 5, 0, bits(vActive, 13, 8)), 7, r->flag3 & 1u);
    const unsigned hBlank = minusOne(r->hBlank);
    const unsigned hOffset = minusOne(r->hOffset);
    out[7] = lowByte(hBlank);
    out[8] = lowByte(hOffset);
    out[9] = setBits(setBits(0, 3, 0, bits(hBlank, 11, 8)), 7, 4, bits(hOffset, 11, 8));
    out[10] = lowByte(minusOne(r->hSyncWidth));
    out[11] = lowByte(minusOne(r->vBlank));
    out[12] = lowByte(minusOne(r->vOffset));
    quint8 b13 = setBits(out[13], 3, 0, minusOne(r->vSyncWidth));
    b13 = setBits(b13, 6, 5, r->code);
    out[13] = setBit(b13, 7, r->flag4 & 1u);
    if (longForm) {
        out[14] = lowByte(std::min(scaled(r->aspectRatio / 3.0, 256.0), 255u));
        const unsigned vImage = minusOne(r->vImageSize);
        out[15] = lowByte(vImage);
        out[16] =
            setBits(setBits(0, 3, 0, bits(vImage, 11, 8)), 7, 4, minusOne(r->vSizeMultiplier));
    }
    std::memcpy(p, out, longForm ? kType6Long : kType6Short);
}

} // namespace

// ---- counts ---------------------------------------------------------------------------------

unsigned DisplayIDBlock::GetNumOfType1DetTimingDescriptors(unsigned index) const
{
    unsigned length = 0;
    if (payload(index, &length) == nullptr || length == 0 || length % kType1Size != 0)
        return 0;
    return length / kType1Size;
}

unsigned DisplayIDBlock::GetNumOfType2DetTimingDescriptors(unsigned index) const
{
    unsigned length = 0;
    if (payload(index, &length) == nullptr || length % kType2Size != 0)
        return 0;
    const unsigned count = length / kType2Size;
    return count >= 1 && count <= 22 ? count : 0u;
}

unsigned DisplayIDBlock::GetNumOfType3ShortTimingDescriptors(unsigned index) const
{
    unsigned length = 0;
    if (payload(index, &length) == nullptr || length % kType3Size != 0)
        return 0;
    const unsigned count = length / kType3Size;
    return count >= 1 && count <= 82 ? count : 0u;
}

unsigned DisplayIDBlock::GetNumOfType4DmtTimingDescriptors(unsigned index) const
{
    unsigned length = 0;
    if (payload(index, &length) == nullptr)
        return 0;
    return length >= 1 && length <= 248 ? length : 0u;
}

unsigned DisplayIDBlock::GetNumOfType5ShortTimingDescriptors(unsigned index) const
{
    unsigned length = 0;
    if (payload(index, &length) == nullptr || length % kType5Size != 0)
        return 0;
    const unsigned count = length / kType5Size;
    return count >= 1 && count <= 53 ? count : 0u;
}

std::unique_ptr<unsigned[]> DisplayIDBlock::GetNumOfType6DetTimingDescriptors(unsigned index) const
{
    std::unique_ptr<unsigned[]> result(new unsigned[2]{0, 0});
    unsigned length = 0;
    if (payload(index, &length) == nullptr || length == 0)
        return result;
    unsigned longCount = 0;
    unsigned shortCount = 0;
    if (length % kType6Short == 0) {
        shortCount = length / kType6Short;
    } else if (length % kType6Long == 0) {
        longCount = length / kType6Long;
    } else {
        for (unsigned k = 1; kType6Long * k <= length; ++k) {
            if ((length - kType6Long * k) % kType6Short == 0) {
                longCount = k;
                shortCount = (length - kType6Long * k) / kType6Short;
                break;
            }
        }
    }
    const unsigned total = longCount + shortCount;
    if (total >= 1 && total <= 17) {
        result[0] = longCount;
        result[1] = shortCount;
    }
    return result;
}

std::unique_ptr<bool[]> DisplayIDBlock::GetType6DetDescriptorInfo(unsigned index,
                                                                  unsigned count) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr)
        return nullptr;
    std::unique_ptr<bool[]> sizes(new bool[count == 0 ? 1 : count]());
    unsigned pos = 0;
    for (unsigned k = 0; k < count && pos + 3 <= length; ++k) {
        sizes[k] = bit(p[pos + 2], 6) != 0;
        pos += sizes[k] ? kType6Long : kType6Short;
    }
    return sizes;
}

// ---- readers --------------------------------------------------------------------------------

namespace {

// Decodes descriptor DESC of a payload of fixed-size descriptors, when it lies wholly inside
// the payload. Counting in whole descriptors keeps a huge DESC from wrapping the bound.
template <typename Record, typename Decode>
void readFixedDescriptor(const unsigned char *payloadBytes, unsigned length, unsigned desc,
                         unsigned size, Record *record, Decode decode)
{
    if (payloadBytes != nullptr && record != nullptr && desc < length / size)
        decode(payloadBytes + desc * size, record);
}

} // namespace

void DisplayIDBlock::GetType1DetTimingDescriptor(unsigned index, unsigned desc,
                                                 DidType1DetTimingDesc *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    readFixedDescriptor(p, length, desc, kType1Size, record, decodeType1);
}

void DisplayIDBlock::GetType2DetTimingDescriptor(unsigned index, unsigned desc,
                                                 DidType2DetTimingDesc *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    readFixedDescriptor(p, length, desc, kType2Size, record, decodeType2);
}

void DisplayIDBlock::GetType3ShortTimingDescriptor(unsigned index, unsigned desc,
                                                   DidType3ShortTimingDesc *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    readFixedDescriptor(p, length, desc, kType3Size, record, decodeType3);
}

void DisplayIDBlock::GetType4DmtTimingDescriptor(unsigned index, unsigned desc,
                                                 DidType4DmtTimingDesc *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || desc >= length)
        return;
    record->codeType = bits(m_map[index].revision, 7, 6);
    record->code = p[desc];
}

void DisplayIDBlock::GetType5ShortTimingDescriptor(unsigned index, unsigned desc,
                                                   DidType5ShortTimingDesc *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    readFixedDescriptor(p, length, desc, kType5Size, record, decodeType5);
}

void DisplayIDBlock::GetType6DetTimingDescriptor(unsigned index, unsigned desc, const bool *sizes,
                                                 DidType6DetTimingDesc *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || sizes == nullptr)
        return;
    // Walk only as far as the payload reaches, so a wild index reads no size past the
    // descriptors that can exist.
    unsigned offset = 0;
    for (unsigned k = 0; k < desc && offset < length; ++k)
        offset += sizes[k] ? kType6Long : kType6Short;
    if (offset >= length)
        return;
    const unsigned size = sizes[desc] ? kType6Long : kType6Short;
    if (offset + size <= length)
        decodeType6(p + offset, sizes[desc], record);
}

void DisplayIDBlock::GetVesaTimingsDataBlock(unsigned index, unsigned char **bitmap) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p != nullptr && bitmap != nullptr && length == 10)
        *bitmap = const_cast<unsigned char *>(p);
}

void DisplayIDBlock::GetCeaTimingsDataBlock(unsigned index, unsigned char **bitmap) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p != nullptr && bitmap != nullptr && length == 8)
        *bitmap = const_cast<unsigned char *>(p);
}

// ---- writers of a whole block ----------------------------------------------------------------

namespace {

// Old payload of a block, kept while the block is resized, so that rewritten descriptors can
// keep stored bits their records do not carry.
std::vector<unsigned char> copyOf(const unsigned char *p, unsigned length)
{
    return std::vector<unsigned char>(p, p + length);
}

} // namespace

template <typename Encode>
void DisplayIDBlock::setDescriptors(unsigned index, unsigned count, unsigned size, Encode encode)
{
    unsigned length = 0;
    const unsigned char *old = payload(index, &length);
    if (old == nullptr)
        return;
    const std::vector<unsigned char> before = copyOf(old, length);
    if (!resizePayload(index, int(count * size) - int(length)))
        return;
    unsigned char *p = payload(index);
    for (unsigned k = 0; k < count; ++k) {
        const unsigned at = k * size;
        encode(k, at + size <= before.size() ? before.data() + at : nullptr, p + at);
    }
    recalcCheckSum();
}

void DisplayIDBlock::SetType1DetTimingDescriptors(unsigned index, unsigned oldCount,
                                                  unsigned newCount,
                                                  const DidType1DetTimingDesc *records)
{
    Q_UNUSED(oldCount) // the payload itself tells the old size
    if (records == nullptr)
        return;
    setDescriptors(index, newCount, kType1Size,
                   [records](unsigned k, const unsigned char *stored, unsigned char *out) {
                       encodeType1(&records[k], stored, out);
                   });
}

void DisplayIDBlock::SetType2DetTimingDescriptors(unsigned index, unsigned oldCount,
                                                  unsigned newCount,
                                                  const DidType2DetTimingDesc *records)
{
    Q_UNUSED(oldCount)
    if (records == nullptr)
        return;
    // A type 2 descriptor has no stored bits beyond its record.
    setDescriptors(index, newCount, kType2Size,
                   [records](unsigned k, const unsigned char *, unsigned char *out) {
                       encodeType2(&records[k], out);
                   });
}

void DisplayIDBlock::SetType3ShortTimingDescriptors(unsigned index, unsigned oldCount,
                                                    unsigned newCount,
                                                    const DidType3ShortTimingDesc *records)
{
    Q_UNUSED(oldCount)
    if (records == nullptr)
        return;
    setDescriptors(index, newCount, kType3Size,
                   [records](unsigned k, const unsigned char *stored, unsigned char *out) {
                       encodeType3(&records[k], stored, out);
                   });
}

void DisplayIDBlock::SetType4DmtTimingDescriptors(unsigned index, unsigned oldCount,
                                                  unsigned newCount,
                                                  const DidType4DmtTimingDesc *records)
{
    Q_UNUSED(oldCount)
    unsigned length = 0;
    if (payload(index, &length) == nullptr || records == nullptr)
        return;
    if (!resizePayload(index, int(newCount) - int(length)))
        return;
    unsigned char *p = payload(index);
    if (newCount > 0) {
        // The code type is block-wide: bits 7..6 of the revision byte.
        const auto revision = static_cast<quint8>(bits(records[0].codeType, 1, 0) * 64 + 1);
        writeRevision(index, revision);
    }
    for (unsigned k = 0; k < newCount; ++k)
        p[k] = lowByte(records[k].code);
    recalcCheckSum();
}

void DisplayIDBlock::SetType5ShortTimingDescriptors(unsigned index, unsigned oldCount,
                                                    unsigned newCount,
                                                    const DidType5ShortTimingDesc *records)
{
    Q_UNUSED(oldCount)
    if (records == nullptr)
        return;
    setDescriptors(index, newCount, kType5Size,
                   [records](unsigned k, const unsigned char *stored, unsigned char *out) {
                       encodeType5(&records[k], stored, out);
                   });
}

void DisplayIDBlock::SetType6DetTimingDescriptors(unsigned index, unsigned oldCount,
                                                  unsigned newCount, const bool *oldSizes,
                                                  const bool *newSizes,
                                                  const DidType6DetTimingDesc *records)
{
    unsigned length = 0;
    const unsigned char *old = payload(index, &length);
    if (old == nullptr || records == nullptr || (newCount > 0 && newSizes == nullptr))
        return;
    const std::vector<unsigned char> before = copyOf(old, length);
    unsigned newSize = 0;
    for (unsigned k = 0; k < newCount; ++k)
        newSize += newSizes[k] ? kType6Long : kType6Short;
    if (!resizePayload(index, int(newSize) - int(length)))
        return;
    unsigned char *p = payload(index);
    unsigned at = 0;
    unsigned oldAt = 0;
    for (unsigned k = 0; k < newCount; ++k) {
        const unsigned size = newSizes[k] ? kType6Long : kType6Short;
        // A descriptor written where an old one of the same form stood keeps its spare bits.
        const unsigned oldSize =
            (oldSizes != nullptr && k < oldCount) ? (oldSizes[k] ? kType6Long : kType6Short) : 0u;
        const bool sameSpot = oldSize == size && oldAt == at && at + size <= before.size();
        encodeType6(&records[k], newSizes[k], sameSpot ? before.data() + at : nullptr, p + at);
        at += size;
        oldAt += oldSize;
    }
    recalcCheckSum();
}

void DisplayIDBlock::SetVesaTimingsDataBlock(unsigned index, const bool *flags)
{
    unsigned length = 0;
    unsigned char *p = payload(index, &length);
    if (p == nullptr || flags == nullptr || length < 10)
        return;
    for (unsigned k = 0; k < 80; ++k)
        p[k / 8] = setBit(p[k / 8], k % 8, flags[k]);
    recalcCheckSum();
}

void DisplayIDBlock::SetCeaTimingsDataBlock(unsigned index, const bool *flags)
{
    unsigned length = 0;
    unsigned char *p = payload(index, &length);
    if (p == nullptr || flags == nullptr || length < 8)
        return;
    for (unsigned k = 0; k < 64; ++k)
        p[k / 8] = setBit(p[k / 8], k % 8, flags[k]);
    recalcCheckSum();
}

// ---- writers of one descriptor in place ------------------------------------------------------

namespace {

// Rewrites the Size bytes at p from record; encode sees the bytes that stood there, so that the
// bits the record does not carry keep their values.
template <unsigned Size, typename Record, typename Encode>
void encodeInPlace(const Record *record, unsigned char *p, Encode encode)
{
    unsigned char stored[Size];
    std::memcpy(stored, p, Size);
    encode(record, stored, p);
}

} // namespace

void DisplayIDBlock::SetType1DetTimingDescriptor(unsigned index, unsigned desc,
                                                 const DidType1DetTimingDesc *record)
{
    if (record == nullptr || desc >= GetNumOfType1DetTimingDescriptors(index))
        return;
    encodeInPlace<kType1Size>(record, payload(index) + desc * kType1Size, encodeType1);
    recalcCheckSum();
}

void DisplayIDBlock::SetType2DetTimingDescriptor(unsigned index, unsigned desc,
                                                 const DidType2DetTimingDesc *record)
{
    if (record == nullptr || desc >= GetNumOfType2DetTimingDescriptors(index))
        return;
    encodeType2(record, payload(index) + desc * kType2Size);
    recalcCheckSum();
}

void DisplayIDBlock::SetType3ShortTimingDescriptor(unsigned index, unsigned desc,
                                                   const DidType3ShortTimingDesc *record)
{
    if (record == nullptr || desc >= GetNumOfType3ShortTimingDescriptors(index))
        return;
    encodeInPlace<kType3Size>(record, payload(index) + desc * kType3Size, encodeType3);
    recalcCheckSum();
}
