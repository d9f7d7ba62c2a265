#pragma once

#include "edidbytes.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace VyrTest {

// Images made of byte patterns found in displays on the market that an editor must keep byte
// for byte while the user edits another field or confirms a field unchanged.

// An EDID 1.4 (or 1.3) base block: a 1080p detailed timing in slot 0, in slot 1 range limits
// with a secondary GTF curve whose C and J have a half (bytes 13 and 17 odd: C = 40.5 %,
// J = 20.5), in slot 2 a product name. The descriptor of slot 1 starts at byte 72.
QByteArray secondaryGtfImage(bool edid14 = true);

// An EDID 1.4 base block and a DisplayID extension section at 128 whose data blocks are, in
// this order (payload offsets in the image):
//   display parameters (136), 530 x 298 mm, 1920 x 1080, gamma 2.2;
//   video timing range limits (151): 25.00 MHz to FF FF FF, 30-83 kHz, HBlank 80, 56-76 Hz,
//     VBlank 35;
//   product serial number (169): "ABC123" and two zero bytes;
//   general-purpose ASCII string (180): "PANEL-A1" and four zero bytes;
//   Type I detailed timing (195): 1920 x 1080 at 148.5 MHz;
//   Type III short timing (218): 1920 wide, 16:9, 60 Hz.
// The section checksum is byte 221.
QByteArray displayIdPaddedImage();

// The images above with a name each, for the tests that go over every image.
QList<NamedImage> keptByteImages();

// Every crafted image with byte patterns of real displays that an edit or a save once broke:
// the images whose extensions no block class reads (keptblockfixtures.h), the images above and
// the CEA-861 blocks of the test kit (ceatestsupport.h). The whole-editor tests go over them all.
QList<NamedImage> realPatternImages();

} // namespace VyrTest
