#pragma once

// One simulated PCI graphics device of the register-access stand-ins: location, ids,
// 256 bytes of configuration space with its base address registers, and sparse
// register maps (memory-mapped registers, I/O ports, registers behind an index/data
// pair). Registers are plain memory: nothing here touches real hardware.

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>

struct PciSimDevice
{
    int bus = 0;
    int device = 0;
    int function = 0;
    uint16_t vendorId = 0x1234;
    uint16_t deviceId = 0x5678;
    QString name;
    uint64_t framebuffer = 0;  // BAR0/1 by default
    uint64_t registerBase = 0; // BAR2/3 by default
    uint64_t registerSize = 0x40000;
    uint32_t ioBase = 0; // BAR4 by default
    uint32_t ioSize = 0x100;
    std::array<uint8_t, 256> config{};
    std::map<uint64_t, uint8_t> registers; // by offset in the register aperture
    std::map<uint64_t, uint8_t> io;        // by port
    std::map<uint32_t, uint32_t> indirect; // by index value

    // bus << 8 | device << 3 | function
    unsigned int location() const;

    // Fills the configuration space header (PCI Local Bus 3.0, 6.1) from the ids and
    // the register bases: a display controller with a 64-bit prefetchable BAR0 (frame
    // buffer), a 64-bit BAR2 (registers) and an I/O BAR4.
    void buildConfig();
    void setBar(int index, uint32_t value);
    uint32_t bar(int index) const;

    // Accesses of size bytes; false when any byte lies outside the space.
    bool readConfig(uint64_t offset, void *buffer, size_t size) const;
    bool writeConfig(uint64_t offset, const void *buffer, size_t size);
    bool readRegisters(uint64_t offset, void *buffer, size_t size) const;
    bool writeRegisters(uint64_t offset, const void *buffer, size_t size);
    bool readIo(uint64_t port, void *buffer, size_t size) const;
    bool writeIo(uint64_t port, const void *buffer, size_t size);
};
