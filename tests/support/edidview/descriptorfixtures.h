#pragma once

#include <QByteArray>
#include <QList>

namespace VyrTest {

// 18-byte descriptors of an EDID base block, for EdidImageBuilder::patch at
// descriptorOffset(slot) (slot 0 to 3).
int descriptorOffset(int slot);

// 1920 x 1080, 148.50 MHz, blanking 280 and 45, sync offsets 88 and 4, widths 44 and 5, image
// 531 x 398 mm, digital separate sync with both polarities positive.
QList<int> detailedTiming1080p();

// A display descriptor: 00 00 00 tag 00, then data (at most 13 bytes), zeros after it.
QList<int> displayDescriptor(int tag, const QByteArray &data = {});

// A string descriptor (tag 0xFC, 0xFE or 0xFF): the text, then a line feed and blanks when it
// is shorter than 13 bytes.
QList<int> stringDescriptor(int tag, const QByteArray &text);

// A range limits descriptor: 50-75 Hz, 30-83 kHz, 170 MHz, default GTF.
QList<int> rangeLimitsDescriptor();

} // namespace VyrTest
