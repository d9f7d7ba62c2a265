#include "diextfields.h"

#include <cstddef>

namespace {

template <typename Field> struct Row
{
    unsigned code;
    Field field;
};

template <typename Field, std::size_t N> Field fieldOf(const Row<Field> (&rows)[N], unsigned code)
{
    for (const Row<Field> &row : rows) {
        if (row.code == code)
            return row.field;
    }
    return nullptr;
}

using CapsFlag = bool DiDisplayCaps::*;
using ColorFlag = bool DiColorProperties::*;
using ColorDepth = uint32_t DiColorProperties::*;

// clang-format off
const Row<CapsFlag> DisplayCapsFlags[] = {
    {28, &DiDisplayCaps::scalerOnBoard},     // byte 20 bit 3
    {29, &DiDisplayCaps::interlaced},        // byte 20 bit 0
    {30, &DiDisplayCaps::imageCentered},     // byte 20 bit 2
    {31, &DiDisplayCaps::frameLock},         // byte 21 bit 7
    {32, &DiDisplayCaps::legacyModes},       // byte 20 bit 7
    {33, &DiDisplayCaps::conditionalUpdate}, // byte 20 bit 1
    {42, &DiDisplayCaps::arFull},            // byte 38 bit 7
    {43, &DiDisplayCaps::arZoom},            // byte 38 bit 6
    {44, &DiDisplayCaps::arSqueeze},         // byte 38 bit 5
    {45, &DiDisplayCaps::arVariable},        // byte 38 bit 4
};

const Row<ColorFlag> ColorFlags[] = {
    {57, &DiColorProperties::dithering},       // byte 31 bit 7
    {62, &DiColorProperties::bgr},             // byte 29 bit 7
    {63, &DiColorProperties::ycPal},           // byte 29 bit 5
    {64, &DiColorProperties::ycNtsc},          // byte 29 bit 6
    {65, &DiColorProperties::ycSecam},         // byte 29 bit 4
    {66, &DiColorProperties::ycrcb444},        // byte 29 bit 3
    {67, &DiColorProperties::ycrcb422},        // byte 29 bit 2
    {68, &DiColorProperties::ycrcb420},        // byte 29 bit 1
    {69, &DiColorProperties::ycrcbSmpte260m},  // byte 29 bit 0
    {70, &DiColorProperties::ycrcbSmpte274m},  // byte 30 bit 6
    {71, &DiColorProperties::ypbprSmpte240m},  // byte 30 bit 7
    {72, &DiColorProperties::ypbprSmpte274m},  // byte 30 bit 5
    {73, &DiColorProperties::ybyryMatsushita}, // byte 30 bit 3
    {74, &DiColorProperties::ybyrySony},       // byte 30 bit 4
    {75, &DiColorProperties::monochrome},      // byte 30 bit 2
};

const Row<ColorDepth> ColorDepths[] = {
    {51, &DiColorProperties::depthBlue},  // byte 32
    {52, &DiColorProperties::depthGreen}, // byte 33
    {53, &DiColorProperties::depthRed},   // byte 34
    {54, &DiColorProperties::depthCbPb},  // byte 35
    {55, &DiColorProperties::depthY},     // byte 36
    {56, &DiColorProperties::depthCrPr},  // byte 37
};
// clang-format on

} // namespace

namespace DiExtFields {

bool DiDisplayCaps::*displayCapsFlag(unsigned code)
{
    return fieldOf(DisplayCapsFlags, code);
}

bool DiColorProperties::*colorFlag(unsigned code)
{
    return fieldOf(ColorFlags, code);
}

uint32_t DiColorProperties::*colorDepth(unsigned code)
{
    return fieldOf(ColorDepths, code);
}

} // namespace DiExtFields
