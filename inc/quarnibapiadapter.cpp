#include "quarnibapiadapter.h"

#include "pcilocation.h"

#include <algorithm>
#include <cstring>

namespace DeviceHelpers {

namespace {

// Kinds of the tool library's device information.
constexpr unsigned int QuarnibInfoBus = 6;
constexpr unsigned int QuarnibInfoDevice = 7;
constexpr unsigned int QuarnibInfoFunction = 8;

// PCI base address registers (PCI Local Bus 3.0, 6.2.5.1): six dwords from offset 0x10.
// Bit 0 set: an I/O register, bits 1-0 are flags. Bit 0 clear: a memory register, bits
// 3-0 are flags and bits 2-1 equal to 2 mark a 64-bit one whose high half is the next
// register.
constexpr unsigned int BarCount = 6;
constexpr unsigned int FirstBarOffset = 0x10;

bool isIoBar(quint32 bar)
{
    return (bar & 0x1u) != 0;
}

bool isMemory64Bar(quint32 bar)
{
    return !isIoBar(bar) && ((bar >> 1) & 0x3u) == 0x2u;
}

// BAR0 is never a register base; when it is 64-bit, BAR1 is its high half.
unsigned int firstRegisterBar(const quint32 (&bars)[BarCount])
{
    return isMemory64Bar(bars[0]) ? 2 : 1;
}

} // namespace

QuarnibApiAdapter::QuarnibApiAdapter()
    : m_quarnib(nullptr)
{}

QuarnibApiAdapter::~QuarnibApiAdapter()
{
    qDeleteAll(m_devices);
}

bool QuarnibApiAdapter::Initialize()
{
    if (m_initialized)
        return true;
    if (!m_quarnib.TryToLoadQuarnib(false))
        return false;
    const int count = static_cast<int>(m_quarnib.GetDeviceCount());
    for (int index = 0; index < count; ++index) {
        unsigned int bus = 0;
        unsigned int device = 0;
        unsigned int function = 0;
        if (!m_quarnib.GetDeviceInfo(index, QuarnibInfoBus, bus)
            || !m_quarnib.GetDeviceInfo(index, QuarnibInfoDevice, device)
            || !m_quarnib.GetDeviceInfo(index, QuarnibInfoFunction, function)
            || !SelectDevice(index))
            continue;
        auto *info = new QuarnibDeviceInfo;
        info->deviceId = m_quarnib.GetDeviceId(index);
        info->location =
            static_cast<quint16>(bus << 8 | ((device << 3) & 0xFFu) | (function & 0x7u));
        GetDeviceIoHwRegBase(info->location, info->ioBase);
        GetDeviceMmHwRegBase(info->location, info->memoryBase);
        info->index = index;
        m_devices.insert(info, info);
    }
    m_enumPosition = 0;
    m_initialized = !m_devices.isEmpty();
    return m_initialized;
}

void QuarnibApiAdapter::Uninitialize()
{}

const void *QuarnibApiAdapter::GetDevice(unsigned int location)
{
    for (const QuarnibDeviceInfo *info : qAsConst(m_devices)) {
        if (info->location == location)
            return info;
    }
    return nullptr;
}

int QuarnibApiAdapter::GetDeviceInfo(const void *device, int kind, void *buffer, unsigned int size)
{
    const QuarnibDeviceInfo *info = m_devices.value(device);
    if (!info || !buffer)
        return 0;
    switch (kind) {
    case PciInfoLocation: {
        const quint32 location = info->location;
        if (size < sizeof location)
            return 0;
        std::memcpy(buffer, &location, sizeof location);
        return sizeof location;
    }
    case PciInfoMemoryBase:
        if (size < sizeof info->memoryBase)
            return 0;
        std::memcpy(buffer, &info->memoryBase, sizeof info->memoryBase);
        return sizeof info->memoryBase;
    case PciInfoIoBase:
        if (size < sizeof info->ioBase)
            return 0;
        std::memcpy(buffer, &info->ioBase, sizeof info->ioBase);
        return sizeof info->ioBase;
    case PciInfoDeviceId: {
        const quint16 id = static_cast<quint16>(info->deviceId);
        if (size < sizeof id)
            return 0;
        std::memcpy(buffer, &id, sizeof id);
        return sizeof id;
    }
    default:
        return 0;
    }
}

const void *QuarnibApiAdapter::EnumDevices()
{
    if (m_devices.isEmpty())
        return nullptr;
    if (m_enumPosition >= m_devices.size()) {
        m_enumPosition = 0;
        return nullptr;
    }
    return std::next(m_devices.constBegin(), m_enumPosition++).key();
}

int QuarnibApiAdapter::GetDeviceId(const void *device)
{
    const QuarnibDeviceInfo *info = m_devices.value(device);
    return info ? info->deviceId : -1;
}

bool QuarnibApiAdapter::SelectDevice(int index)
{
    return index == m_quarnib.GetCurrentDeviceIndex() || m_quarnib.SelectDevice(index);
}

const QuarnibDeviceInfo *QuarnibApiAdapter::selected(const void *device)
{
    const QuarnibDeviceInfo *info = m_devices.value(device);
    return info && SelectDevice(info->index) ? info : nullptr;
}

bool QuarnibApiAdapter::read32(const void *device, Space space, unsigned int address, void *buffer,
                               unsigned long size)
{
    const QuarnibDeviceInfo *info = selected(device);
    if (!info || (!buffer && size))
        return false;
    unsigned int value = 0;
    const bool done = space == Space::Register
                          ? m_quarnib.ReadReg(address, &value)
                          : m_quarnib.ReadCfgReg(static_cast<quint8>(PciGetBus(info->location)),
                                                 static_cast<quint8>(PciGetDev(info->location)),
                                                 static_cast<quint8>(PciGetFunc(info->location)),
                                                 address, &value);
    if (size)
        std::memcpy(buffer, &value, std::min<unsigned long>(size, sizeof value));
    return done;
}

bool QuarnibApiAdapter::write32(const void *device, Space space, unsigned int address,
                                const void *buffer, unsigned long size)
{
    const QuarnibDeviceInfo *info = selected(device);
    if (!info || (!buffer && size))
        return false;
    unsigned int value = 0;
    if (size)
        std::memcpy(&value, buffer, std::min<unsigned long>(size, sizeof value));
    if (space == Space::Register)
        return m_quarnib.WriteReg(address, value);
    return m_quarnib.WriteCfgReg(static_cast<quint8>(PciGetBus(info->location)),
                                 static_cast<quint8>(PciGetDev(info->location)),
                                 static_cast<quint8>(PciGetFunc(info->location)), address, value);
}

bool QuarnibApiAdapter::ReadIoRegister(const void *device, const unsigned short &port, void *buffer,
                                       unsigned long size)
{
    return read32(device, Space::Register, port, buffer, size);
}

bool QuarnibApiAdapter::WriteIoRegister(const void *device, const unsigned short &port,
                                        const void *buffer, unsigned long size)
{
    return write32(device, Space::Register, port, buffer, size);
}

bool QuarnibApiAdapter::ReadMmRegister(const void *device, unsigned long long address, void *buffer,
                                       unsigned long size)
{
    return read32(device, Space::Register, static_cast<unsigned int>(address & 0xFFFFFFFFu), buffer,
                  size);
}

bool QuarnibApiAdapter::WriteMmRegister(const void *device, unsigned long long address,
                                        const void *buffer, unsigned long size)
{
    return write32(device, Space::Register, static_cast<unsigned int>(address & 0xFFFFFFFFu),
                   buffer, size);
}

bool QuarnibApiAdapter::ReadCfgRegister(const void *device, unsigned int offset, void *buffer,
                                        unsigned long size)
{
    return read32(device, Space::Config, offset, buffer, size);
}

bool QuarnibApiAdapter::WriteCfgRegister(const void *device, unsigned int offset,
                                         const void *buffer, unsigned long size)
{
    return write32(device, Space::Config, offset, buffer, size);
}

bool QuarnibApiAdapter::ReadIndRegister(const void *, unsigned long long, unsigned long,
                                        const EHwRegSpaceType &, unsigned int, unsigned long long,
                                        const EHwRegSpaceType &, void *, unsigned long)
{
    return false;
}

bool QuarnibApiAdapter::WriteIndRegister(const void *, unsigned long long, unsigned long,
                                         const EHwRegSpaceType &, unsigned int, unsigned long long,
                                         const EHwRegSpaceType &, const void *, unsigned long)
{
    return false;
}

bool QuarnibApiAdapter::readBars(quint16 location, quint32 (&bars)[BarCount])
{
    const auto bus = static_cast<quint8>(PciGetBus(location));
    const auto dev = static_cast<quint8>(PciGetDev(location));
    const auto func = static_cast<quint8>(PciGetFunc(location));
    for (unsigned int i = 0; i < BarCount; ++i) {
        unsigned int value = 0;
        if (!m_quarnib.ReadCfgReg(bus, dev, func, FirstBarOffset + 4 * i, &value))
            return false;
        bars[i] = value;
    }
    return true;
}

bool QuarnibApiAdapter::GetDeviceIoHwRegBase(quint16 location, quint32 &base)
{
    quint32 bars[BarCount] = {};
    if (!readBars(location, bars))
        return false;
    for (unsigned int i = firstRegisterBar(bars); i < BarCount; ++i) {
        if (isIoBar(bars[i])) {
            base = bars[i] & ~0x3u;
            return true;
        }
        // The high half of a 64-bit memory register is no register of its own.
        if (isMemory64Bar(bars[i]))
            ++i;
    }
    return false;
}

bool QuarnibApiAdapter::GetDeviceMmHwRegBase(quint16 location, quint64 &base)
{
    quint32 bars[BarCount] = {};
    if (!readBars(location, bars))
        return false;
    for (unsigned int i = firstRegisterBar(bars); i < BarCount; ++i) {
        if (isIoBar(bars[i]))
            continue;
        base = bars[i] & ~0xFu;
        // A 64-bit register in the last slot has no high half: it is read as 32-bit.
        if (isMemory64Bar(bars[i]) && i + 1 < BarCount)
            base |= static_cast<quint64>(bars[i + 1]) << 32;
        return true;
    }
    return false;
}

} // namespace DeviceHelpers
