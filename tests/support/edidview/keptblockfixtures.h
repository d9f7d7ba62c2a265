#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace VyrTest {

// An EDID whose extensions the tree does not all read, as a display hands it over (it may be
// longer than the 512-byte image), built from blocks of the real samples.
struct KeptBlockFixture
{
    QString name;
    QByteArray edid;
    // The block rows the tree shows for it, in order.
    QStringList titles;
};

// Block index (from 0) of a sample, its 128 bytes as found.
QByteArray sampleBlock(const QString &sample, int index);

// The table: a DisplayID 2.0 extension, two of them, a block map, an erased extension, each
// with blocks of known kinds behind it, a base block that announces blocks the file does not
// hold, and an EDID of six blocks (768 bytes).
QList<KeptBlockFixture> keptBlockFixtures();

// The fixture's EDID as the 512-byte image the editor holds (cut, or padded with zeros).
QByteArray fixtureImage(const KeptBlockFixture &fixture);

} // namespace VyrTest
