#include "edidimagebuilder.h"

#include "model/base/edid13block.h"
#include "model/base/edid14block.h"
#include "model/cea/ceaextblock.h"
#include "model/diext/diextblock.h"
#include "model/displayid/displayidblock.h"
#include "model/vtb/edidextvtb.h"

namespace VyrTest {

static unsigned char *bytesOf(QByteArray &array)
{
    return reinterpret_cast<unsigned char *>(array.data());
}

template <typename Init> static QByteArray made(int size, Init init)
{
    QByteArray bytes(size, '\0');
    init(bytesOf(bytes), static_cast<unsigned>(size));
    return bytes;
}

void fixBlockChecksum(unsigned char *block)
{
    block[127] = DataBlock::computeOneByteCheckSum(block, 127);
}

void fixDisplayIdChecksums(unsigned char *section, bool wrapped)
{
    unsigned char *start = wrapped ? section + 1 : section;
    const unsigned end = 4u + start[1];
    start[end] = DataBlock::computeOneByteCheckSum(start, end);
    if (wrapped)
        fixBlockChecksum(section);
}

EdidImageBuilder &EdidImageBuilder::add(Kind kind, QByteArray bytes)
{
    m_parts.append({kind, std::move(bytes)});
    return *this;
}

EdidImageBuilder &EdidImageBuilder::edid13()
{
    return add(Kind::EdidBase, made(128, Edid13Block::InitBuffer));
}

EdidImageBuilder &EdidImageBuilder::edid14()
{
    return add(Kind::EdidBase, made(128, Edid14Block::InitBuffer));
}

EdidImageBuilder &EdidImageBuilder::cea()
{
    return add(Kind::Edid, made(128, CeaExtBlock::InitBuffer));
}

EdidImageBuilder &EdidImageBuilder::diExt()
{
    return add(Kind::Edid, made(128, DiExtBlock::InitBuffer));
}

EdidImageBuilder &EdidImageBuilder::vtb()
{
    return add(Kind::Edid, made(128, EdidExtVtb::InitBuffer));
}

EdidImageBuilder &EdidImageBuilder::displayIdExtension(int version)
{
    return add(Kind::DisplayIdWrapped, made(128, [version](unsigned char *b, unsigned size) {
                   DisplayIDBlock::InitExtBlockBuffer(b, size, unsigned(version), false);
               }));
}

EdidImageBuilder &EdidImageBuilder::displayIdBase(int version)
{
    QByteArray bytes = made(128, [version](unsigned char *b, unsigned size) {
        DisplayIDBlock::InitBaseBlockBuffer(b, size, unsigned(version));
    });
    return add(Kind::DisplayIdBase, bytes.left(5));
}

EdidImageBuilder &EdidImageBuilder::displayIdSection(int version)
{
    QByteArray bytes = made(128, [version](unsigned char *b, unsigned size) {
        DisplayIDBlock::InitExtBlockBuffer(b, size, unsigned(version), true);
    });
    return add(Kind::DisplayIdSection, bytes.left(5));
}

EdidImageBuilder &EdidImageBuilder::block(const QByteArray &bytes)
{
    QByteArray padded = bytes.left(128);
    padded.append(QByteArray(128 - padded.size(), '\0'));
    return add(Kind::Edid, padded);
}

EdidImageBuilder &EdidImageBuilder::raw(const QByteArray &bytes)
{
    return add(Kind::Raw, bytes);
}

EdidImageBuilder &EdidImageBuilder::patch(int offset, const QList<int> &bytes)
{
    if (m_parts.isEmpty())
        return *this;
    QByteArray &target = m_parts.last().bytes;
    for (int i = 0; i < bytes.size() && offset + i < target.size(); ++i)
        target[offset + i] = static_cast<char>(bytes.at(i) & 0xFF);
    return *this;
}

EdidImageBuilder &EdidImageBuilder::announce(int extensions)
{
    m_announce = extensions;
    return *this;
}

QList<int> EdidImageBuilder::offsets() const
{
    QList<int> list;
    int offset = 0;
    for (const Part &part : m_parts) {
        list << offset;
        offset += part.bytes.size();
    }
    return list;
}

QByteArray EdidImageBuilder::image() const
{
    QByteArray image(512, '\0');
    const QList<int> starts = offsets();
    const int announced = m_announce >= 0 ? m_announce : qMax(0, m_parts.size() - 1);
    for (int i = 0; i < m_parts.size(); ++i) {
        const Part &part = m_parts.at(i);
        const int start = starts.at(i);
        if (start >= 512)
            break;
        image.replace(start, qMin(part.bytes.size(), 512 - start), part.bytes.left(512 - start));
        if (start + part.bytes.size() > 512)
            continue; // cut: its checksum cannot be fixed
        unsigned char *bytes = bytesOf(image) + start;
        switch (part.kind) {
        case Kind::EdidBase:
            if (i == 0)
                bytes[126] = static_cast<unsigned char>(announced);
            fixBlockChecksum(bytes);
            break;
        case Kind::Edid:
            fixBlockChecksum(bytes);
            break;
        case Kind::DisplayIdWrapped:
            fixDisplayIdChecksums(bytes, true);
            break;
        case Kind::DisplayIdBase:
            if (i == 0)
                bytes[3] = static_cast<unsigned char>(announced);
            fixDisplayIdChecksums(bytes, false);
            break;
        case Kind::DisplayIdSection:
            fixDisplayIdChecksums(bytes, false);
            break;
        case Kind::Raw:
            break;
        }
    }
    return image;
}

} // namespace VyrTest
