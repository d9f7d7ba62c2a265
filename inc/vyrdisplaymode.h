#pragma once

#include <QtGlobal>

#include <iosfwd>

struct NOXMode;

// One display mode that the driver offers, as a display keeps it in its ordered set
// of modes. The ordering compares the six fields in their order and decides both the
// order of the set and which modes count as the same.
struct VyrDisplayMode
{
    quint32 xRes = 0;        // pixels
    quint32 yRes = 0;        // lines
    quint32 refreshRate = 0; // whole hertz
    quint32 colourDepth = 0; // bits per pixel
    quint32 orientation = 0;
    quint32 modeFlag = 0;

    // The library's mode with its floating-point rate rounded to whole hertz (the
    // integer part of rate + 0.5; a negative or undefined rate reads as 0).
    static VyrDisplayMode fromNoxMode(const NOXMode &mode);
};

bool operator==(const VyrDisplayMode &a, const VyrDisplayMode &b);
bool operator!=(const VyrDisplayMode &a, const VyrDisplayMode &b);
bool operator<(const VyrDisplayMode &a, const VyrDisplayMode &b);

// The six fields in their order as unsigned decimal numbers, one blank between them
// and nothing after the last: "1920 1080 60 32 0 0".
std::ostream &operator<<(std::ostream &stream, const VyrDisplayMode &mode);
// Reads six unsigned numbers into the fields in the same order. The record changes
// only when all six were read.
std::istream &operator>>(std::istream &stream, VyrDisplayMode &mode);
