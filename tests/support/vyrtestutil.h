#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace VyrTest {

// Folder of the committed real EDID samples (tests/data/edid-samples).
QString samplesDir();

// Names (without folder) of every *.bin sample, sorted.
QStringList sampleNames();

// Whole contents of a file; empty when it cannot be read.
QByteArray readFile(const QString &path);

// One sample by file name, e.g. "edid13-digital-del400d-1.bin".
QByteArray readSample(const QString &name);

// The sample padded with zeros (or cut) to a 512-byte EDID image.
QByteArray sampleImage(const QString &name);

// The base block (first 128 bytes) of a sample declaring extensions blocks after it (byte 126),
// its checksum made right again.
QByteArray sampleBaseBlock(const QString &name, int extensions);

// True when the reference decoder edid-decode is on the PATH.
bool haveEdidDecode();

// Runs edid-decode with ARGS on BYTES (written to a temporary file) and returns what it
// printed on standard output; exitCode receives its exit code (-1 when it did not run).
QString edidDecode(const QByteArray &bytes, const QStringList &args = {}, int *exitCode = nullptr);

// Runs edid-decode with ARGS alone (no input file), e.g. {"--dmt", "4"}.
QString edidDecodeTool(const QStringList &args, int *exitCode = nullptr);

// True when `edid-decode -c` finds no checksum error in BYTES (full 128-byte blocks).
bool edidDecodeChecksumsOk(const QByteArray &bytes, QString *report = nullptr);

} // namespace VyrTest
