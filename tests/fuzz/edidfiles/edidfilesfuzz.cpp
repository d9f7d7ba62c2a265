// libFuzzer target over the four EDID file readers. Each input is written to a file, which the
// raw binary, hex text, monitor INF and registry export readers each read into an image of
// exactly 512 bytes on the heap, so the address sanitizer stops any reader that writes past it.
// A reader must answer either success without a message or a failure with a critical message,
// and the block table the writers would use must stay inside the image. A reader that loops
// runs into libFuzzer's timeout.

#include "files/edidbinfile.h"
#include "files/edidblocktable.h"
#include "files/edidinffile.h"
#include "files/edidregfile.h"
#include "files/edidtextfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

[[noreturn]] void fail(const char *reader, const char *what)
{
    std::fprintf(stderr, "%s reader: %s\n", reader, what);
    std::abort();
}

// The file every input is written to, in a folder that lives as long as the process. A file
// system in memory where there is one: on ext4, rewriting a file from its start makes every
// close wait for the disk.
const QString &inputPath()
{
    static const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm")
                                    : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/vyr_fuzz_edidfiles-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("input"));
    return path;
}

void checkTable(const char *reader, const EdidImage &image)
{
    const EdidBlockTable table = EdidBlockTable::analyse(image);
    if (table.blockCount > EdidBlockTable::MaxBlocks)
        fail(reader, "more blocks than the table holds");
    if (static_cast<quint32>(table.blockNames.size()) != table.blockCount)
        fail(reader, "a block without a name");
    for (quint32 k = 0; k < table.blockCount; ++k) {
        if (table.offsets[k + 1] <= table.offsets[k])
            fail(reader, "a block of no size");
    }
    if (table.coveredSize() > EdidImageSize)
        fail(reader, "blocks run past the image");
}

template <typename Reader>
void readWith(const char *name, Reader read, const uint8_t *data, size_t size, bool bin)
{
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[EdidImageSize]);
    std::memset(buffer.get(), 0, EdidImageSize);
    auto &image = *reinterpret_cast<EdidImage *>(buffer.get());

    const EdidFileResult result = read(inputPath(), image);
    if (result.ok != result.title.isEmpty())
        fail(name, "a message on success, or a failure without one");
    if (!result.ok && result.icon != VyrUiService::Icon::Critical)
        fail(name, "a failure that is not critical");
    if (bin) {
        // The raw reader answers the file's first bytes, the rest of the image untouched.
        const size_t n = size < EdidImageSize ? size : EdidImageSize;
        if (!result.ok || std::memcmp(image, data, n) != 0)
            fail(name, "the image is not the file's first bytes");
        for (size_t i = n; i < EdidImageSize; ++i) {
            if (image[i] != 0)
                fail(name, "a byte after the file's end changed");
        }
    }
    if (result.ok)
        checkTable(name, image);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(inputPath());
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size))
                   != static_cast<qint64>(size))
            fail("fuzz", "cannot write the input file");
    }
    readWith("bin", EdidBinFile::read, data, size, true);
    readWith("txt", EdidTextFile::read, data, size, false);
    readWith("inf", EdidInfFile::read, data, size, false);
    readWith("reg", EdidRegFile::read, data, size, false);
    return 0;
}
