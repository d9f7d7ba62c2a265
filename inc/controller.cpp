#include "controller.h"

#include <cstring>

namespace {

// Byte offsets in the controller-mode record of the mode values, in ModeValue order.
const int kModeOffsets[Controller::ModeValueCount] = {56, 40, 44, 48, 44, 60};
const int kFlagsOffset = 64;
const quint32 kInterlacedBit = 1u << 1;

quint32 wordAt(const void *record, int offset)
{
    quint32 value = 0;
    std::memcpy(&value, static_cast<const char *>(record) + offset, 4);
    return value;
}

} // namespace

Controller::Controller(unsigned int index)
    : m_index(index)
{}

quint32 Controller::modeValue(int which) const
{
    return which >= 0 && which < ModeValueCount ? m_mode[which] : 0;
}

void Controller::setMode(const tagCONTROLLERMODE &mode)
{
    for (int i = 0; i < ModeValueCount; ++i)
        m_mode[i] = wordAt(&mode, kModeOffsets[i]);
    m_interlaced = (wordAt(&mode, kFlagsOffset) & kInterlacedBit) != 0;
}

void Controller::setTiming(const tagCONTROLLERTIMINGDATA &timing)
{
    const size_t first = 4;
    const size_t end = 68;
    std::memcpy(reinterpret_cast<char *>(&m_timing) + first,
                reinterpret_cast<const char *>(&timing) + first, end - first);
}
