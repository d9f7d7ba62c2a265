#include "displayidrecords.h"

namespace {

// clang-format off
const DidKindInfo kKinds[22] = {
    {0x100, 0, 0},  // no kind
    {0x00, 15, 12}, // product identification
    {0x01, 15, 12}, // display parameters
    {0x02, 7, 4},   // colour characteristics
    {0x03, 23, 20}, // Type I detailed timing
    {0x04, 14, 11}, // Type II detailed timing
    {0x05, 6, 3},   // Type III short timing
    {0x06, 4, 1},   // Type IV DMT / VIC codes
    {0x11, 10, 7},  // Type V short timing
    {0x13, 17, 14}, // Type VI detailed timing
    {0x07, 13, 10}, // VESA timing standard
    {0x08, 11, 8},  // CEA timing standard
    {0x09, 18, 15}, // video timing range limits
    {0x0A, 3, 0},   // product serial number
    {0x0B, 3, 0},   // general-purpose ASCII string
    {0x0C, 16, 13}, // display device data
    {0x0D, 9, 6},   // interface power sequencing
    {0x0E, 4, 1},   // transfer characteristics (never added)
    {0x0F, 13, 10}, // display interface
    {0x10, 6, 3},   // stereo display interface
    {0x7F, 6, 3},   // vendor specific
    {0x12, 25, 22}, // tiled display topology
};
// clang-format on

} // namespace

const DidKindInfo *didKindInfo(DisplayBlockID id)
{
    if (id < 1 || id > 21)
        return nullptr;
    return &kKinds[id];
}
