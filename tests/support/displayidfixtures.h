#pragma once

// Small builders of DisplayID test sections shared by the DisplayID tests, and the sections of
// the real samples with the reference decoder's text of each.

#include "model/displayid/displayidblock.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace DidFixture {

// A section {version, length, product type, extension count} followed by the given data
// area (zero-filled to length), its checksum and zeros up to size.
QByteArray section(unsigned version, unsigned length, unsigned productType, const QByteArray &data,
                   int size, unsigned extensions = 0);

// The section wrapped in a 128-byte EDID extension block with both checksums.
QByteArray wrapped(unsigned version, unsigned length, unsigned productType, const QByteArray &data);

// Data-block header and payload.
QByteArray dataBlock(unsigned tag, unsigned revision, const QByteArray &payload);

// A two-block EDID image: a real base block declaring one extension, then the block.
QByteArray edidWith(const QByteArray &extension);

// The reference decoder's text of extension block n: from its heading to the next block's.
QString reportPart(const QString &report, unsigned n);

// A DisplayID section in extension block n of a sample: the sample's padded image (a copy of
// its own for each section) and the reference decoder's text of that block.
struct SampleSection
{
    QString name;
    unsigned n;
    QByteArray image;
    QString part;
};

// Every extension block 1 to 3 of every sample that holds a section DisplayIDBlock reads.
QVector<SampleSection> sampleSections();

// The DisplayID reader over section s's block.
DisplayIDBlock sectionBlock(SampleSection &s);

} // namespace DidFixture
