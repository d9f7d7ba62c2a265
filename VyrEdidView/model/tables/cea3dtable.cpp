#include "model/datablock.h"

// 3D formats per VIC 1..64 (bit 0 frame packing, bit 1 side-by-side half, bit 2 top-and-bottom).
// The basic set is what a sink announcing 3D_present must support (HDMI 1.4b, section
// 8.2.3.2); the primary set lists the formats the HDMI 3D format table names for each VIC.
// clang-format off
const unsigned char DataBlock::Cea861Basic3DSupport[64] = {
    // VIC 1-16
    0, 0, 0, 5, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // VIC 17-32
    0, 0, 5, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5,
    // VIC 33-48
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // VIC 49-64
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};

const unsigned char DataBlock::Cea861Primary3DSupport[64] = {
    // VIC 1-16
    0, 0, 0, 7, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4,
    // VIC 17-32
    0, 0, 7, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 7,
    // VIC 33-48
    0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // VIC 49-64
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0,
};
// clang-format on
