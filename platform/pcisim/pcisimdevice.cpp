#include "pcisimdevice.h"

#include <cstring>

namespace {

bool inRange(uint64_t address, size_t size, uint64_t start, uint64_t length)
{
    return address >= start && size <= length && address - start <= length - size;
}

void readSparse(const std::map<uint64_t, uint8_t> &map, uint64_t address, void *buffer, size_t size)
{
    auto *out = static_cast<uint8_t *>(buffer);
    for (size_t i = 0; i < size; ++i) {
        const auto it = map.find(address + i);
        out[i] = it == map.end() ? 0 : it->second;
    }
}

void writeSparse(std::map<uint64_t, uint8_t> &map, uint64_t address, const void *buffer,
                 size_t size)
{
    const auto *in = static_cast<const uint8_t *>(buffer);
    for (size_t i = 0; i < size; ++i)
        map[address + i] = in[i];
}

} // namespace

unsigned int PciSimDevice::location() const
{
    return static_cast<unsigned int>((bus & 0xFF) << 8 | (device & 0x1F) << 3 | (function & 7));
}

void PciSimDevice::setBar(int index, uint32_t value)
{
    writeConfig(static_cast<uint64_t>(0x10 + 4 * index), &value, sizeof value);
}

uint32_t PciSimDevice::bar(int index) const
{
    uint32_t value = 0;
    readConfig(static_cast<uint64_t>(0x10 + 4 * index), &value, sizeof value);
    return value;
}

void PciSimDevice::buildConfig()
{
    config.fill(0);
    const uint16_t command = 0x0007; // I/O, memory and bus master enabled
    const uint16_t status = 0x0010;  // capabilities list
    writeConfig(0x00, &vendorId, 2);
    writeConfig(0x02, &deviceId, 2);
    writeConfig(0x04, &command, 2);
    writeConfig(0x06, &status, 2);
    config[0x0B] = 0x03;                        // base class: display controller
    config[0x0E] = function == 0 ? 0x80 : 0x00; // header type 0, multi-function
    setBar(0, static_cast<uint32_t>(framebuffer & 0xFFFFFFF0u) | 0xCu); // 64-bit, prefetchable
    setBar(1, static_cast<uint32_t>(framebuffer >> 32));
    setBar(2, static_cast<uint32_t>(registerBase & 0xFFFFFFF0u) | 0x4u); // 64-bit
    setBar(3, static_cast<uint32_t>(registerBase >> 32));
    setBar(4, (ioBase & 0xFFFFFFFCu) | 0x1u);
    writeConfig(0x2C, &vendorId, 2); // subsystem vendor
    config[0x3D] = 0x01;             // interrupt pin A
}

bool PciSimDevice::readConfig(uint64_t offset, void *buffer, size_t size) const
{
    if (!inRange(offset, size, 0, config.size()) || (!buffer && size))
        return false;
    if (size)
        std::memcpy(buffer, config.data() + offset, size);
    return true;
}

bool PciSimDevice::writeConfig(uint64_t offset, const void *buffer, size_t size)
{
    if (!inRange(offset, size, 0, config.size()) || (!buffer && size))
        return false;
    if (size)
        std::memcpy(config.data() + offset, buffer, size);
    return true;
}

bool PciSimDevice::readRegisters(uint64_t offset, void *buffer, size_t size) const
{
    if (!inRange(offset, size, 0, registerSize) || (!buffer && size))
        return false;
    readSparse(registers, offset, buffer, size);
    return true;
}

bool PciSimDevice::writeRegisters(uint64_t offset, const void *buffer, size_t size)
{
    if (!inRange(offset, size, 0, registerSize) || (!buffer && size))
        return false;
    writeSparse(registers, offset, buffer, size);
    return true;
}

bool PciSimDevice::readIo(uint64_t port, void *buffer, size_t size) const
{
    if (!inRange(port, size, ioBase, ioSize) || (!buffer && size))
        return false;
    readSparse(io, port, buffer, size);
    return true;
}

bool PciSimDevice::writeIo(uint64_t port, const void *buffer, size_t size)
{
    if (!inRange(port, size, ioBase, ioSize) || (!buffer && size))
        return false;
    writeSparse(io, port, buffer, size);
    return true;
}
