#pragma once

namespace DeviceHelpers {

// Register space of a register aperture. The values are passed as plain integers to
// the register-access libraries.
enum EHwRegSpaceType : int {
    HwRegSpaceMemory = 1,   // memory-mapped registers
    HwRegSpaceIo = 2,       // I/O ports
    HwRegSpaceConfig = 3,   // PCI configuration space
    HwRegSpaceIndirect = 4, // an index register and a data register
};

} // namespace DeviceHelpers
