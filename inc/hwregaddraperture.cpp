#include "hwregaddraperture.h"

namespace DeviceHelpers {

HwRegAddrAperture::HwRegAddrAperture(EHwRegSpaceType type, const void *word)
{
    assign(type, word);
}

HwRegAddrAperture::HwRegAddrAperture(const HwRegAddrAperture &other)
{
    assign(other.m_type, reinterpret_cast<const void *>(other.m_word));
}

HwRegAddrAperture &HwRegAddrAperture::operator=(const HwRegAddrAperture &other)
{
    if (this != &other) {
        // Copy first: other may live inside the description this aperture frees.
        HwRegAddrAperture copy(other);
        clear();
        m_type = copy.m_type;
        m_word = copy.m_word;
        copy.m_type = EHwRegSpaceType{};
        copy.m_word = 0;
    }
    return *this;
}

HwRegAddrAperture::~HwRegAddrAperture()
{
    clear();
}

const HwRegIndirectDescription *HwRegAddrAperture::GetIndirect() const
{
    if (m_type != HwRegSpaceIndirect)
        return nullptr;
    return reinterpret_cast<const HwRegIndirectDescription *>(m_word);
}

void HwRegAddrAperture::assign(EHwRegSpaceType type, const void *word)
{
    m_type = type;
    if (type == HwRegSpaceIndirect && word)
        word = new HwRegIndirectDescription(*static_cast<const HwRegIndirectDescription *>(word));
    m_word = reinterpret_cast<qintptr>(word);
}

void HwRegAddrAperture::clear()
{
    if (m_type == HwRegSpaceIndirect)
        delete GetIndirect();
    m_type = EHwRegSpaceType{};
    m_word = 0;
}

} // namespace DeviceHelpers
