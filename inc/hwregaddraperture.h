#pragma once

#include "ehwregspacetype.h"

#include <QtGlobal>

namespace DeviceHelpers {

struct HwRegIndirectDescription;

// Where one register is: a register space and one pointer-sized word. For memory,
// I/O and configuration space the word is the register address (memory offset, I/O
// port, configuration offset). For an indirect register it points to a
// HwRegIndirectDescription that the aperture owns: the constructor, copy and
// assignment copy the description, the destructor frees it.
class HwRegAddrAperture
{
public:
    HwRegAddrAperture() = default;
    // For HwRegSpaceIndirect, word points to the description to copy (or is null).
    HwRegAddrAperture(EHwRegSpaceType type, const void *word);
    HwRegAddrAperture(const HwRegAddrAperture &other);
    HwRegAddrAperture &operator=(const HwRegAddrAperture &other);
    ~HwRegAddrAperture();

    EHwRegSpaceType GetType() const { return m_type; }
    // The register address of a memory, I/O or configuration aperture.
    qintptr GetAddress() const { return m_word; }
    // The register address widened to 64 bits, with the sign of the pointer-sized word.
    unsigned long long GetWideAddress() const
    {
        return static_cast<unsigned long long>(static_cast<qint64>(m_word));
    }
    // The description of an indirect aperture; null for every other type.
    const HwRegIndirectDescription *GetIndirect() const;

private:
    void assign(EHwRegSpaceType type, const void *word);
    void clear();

    EHwRegSpaceType m_type = EHwRegSpaceType{};
    qintptr m_word = 0;
};

// The index register of an indirect register and the value written to it.
struct HwRegIndexPart
{
    HwRegAddrAperture aperture;
    quint32 value = 0;
    quint32 extra = 0; // carried along, not interpreted
};

// The data register of an indirect register. The signature word marks a valid
// description (HwRegIndirectSignature).
struct HwRegDataPart
{
    HwRegAddrAperture aperture;
    quint32 signature = 0;
};

// An index register and a data register that together reach one indirect register.
struct HwRegIndirectDescription
{
    HwRegIndexPart index;
    HwRegDataPart data;
};

constexpr quint32 HwRegIndirectSignature = 0x0FA777FA;

} // namespace DeviceHelpers
