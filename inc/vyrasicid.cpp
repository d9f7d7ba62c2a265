#include "vyrasicid.h"

#include "noxapi.h"

#include <cstring>

namespace {

bool inside(int offset, int size)
{
    return offset >= 0 && offset + size <= static_cast<int>(sizeof(VyrAsicId));
}

} // namespace

void VyrAsicId::Update(const tagCIASICID &record)
{
    std::memcpy(words, &record, sizeof(words));
}

quint32 VyrAsicId::word(int offset) const
{
    quint32 value = 0;
    if (inside(offset, 4))
        std::memcpy(&value, reinterpret_cast<const char *>(this) + offset, 4);
    return value;
}

quint16 VyrAsicId::value16(int offset) const
{
    quint16 value = 0;
    if (inside(offset, 2))
        std::memcpy(&value, reinterpret_cast<const char *>(this) + offset, 2);
    return value;
}

void VyrAsicId::setWord(int offset, quint32 value)
{
    if (inside(offset, 4))
        std::memcpy(reinterpret_cast<char *>(this) + offset, &value, 4);
}
