#include "edidimagebuilder.h"

#include "displayidfixtures.h"
#include "edidbasecheck.h"
#include "edidbytes.h"
#include "model/base/edid13block.h"
#include "model/base/edid14block.h"
#include "model/cea/ceaextblock.h"
#include "model/diext/diextblock.h"
#include "model/displayid/displayidblock.h"
#include "model/vtb/edidextvtb.h"

namespace VyrTest {

void fixDisplayIdChecksums(unsigned char *section, bool wrapped)
{
    unsigned char *start = wrapped ? section + 1 : section;
    const unsigned end = 4u + start[1];
    start[end] = DataBlock::computeOneByteCheckSum(start, end);
    if (wrapped)
        section[127] = DataBlock::computeOneByteCheckSum(section, 127);
}

EdidImageBuilder &EdidImageBuilder::add(Kind kind, QByteArray bytes)
{
    m_parts.append({kind, std::move(bytes)});
    return *this;
}

EdidImageBuilder &EdidImageBuilder::edid13()
{
    return add(Kind::EdidBase, EdidBaseCheck::emptyBlockOf<Edid13Block>());
}

EdidImageBuilder &EdidImageBuilder::edid14()
{
    return add(Kind::EdidBase, EdidBaseCheck::emptyBlockOf<Edid14Block>());
}

EdidImageBuilder &EdidImageBuilder::cea()
{
    return add(Kind::Edid, EdidBaseCheck::emptyBlockOf<CeaExtBlock>());
}

EdidImageBuilder &EdidImageBuilder::diExt()
{
    return add(Kind::Edid, EdidBaseCheck::emptyBlockOf<DiExtBlock>());
}

EdidImageBuilder &EdidImageBuilder::vtb()
{
    return add(Kind::Edid, EdidBaseCheck::emptyBlockOf<EdidExtVtb>());
}

EdidImageBuilder &EdidImageBuilder::displayIdExtension(int version)
{
    return add(Kind::DisplayIdWrapped, DidFixture::wrapped(unsigned(version), 0, 0, {}));
}

EdidImageBuilder &EdidImageBuilder::displayIdBase(int version)
{
    // Product type 2, a stand-alone display, as a new base section has it.
    return add(Kind::DisplayIdBase, DidFixture::section(unsigned(version), 0, 2, {}, 5));
}

EdidImageBuilder &EdidImageBuilder::displayIdSection(int version)
{
    return add(Kind::DisplayIdSection, DidFixture::section(unsigned(version), 0, 0, {}, 5));
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

EdidImageBuilder &EdidImageBuilder::displayIdDataBlock(int tag, int revision,
                                                       const QByteArray &payload)
{
    if (m_parts.isEmpty())
        return *this;
    Part &part = m_parts.last();
    const bool wrapped = part.kind == Kind::DisplayIdWrapped;
    if (!wrapped && part.kind != Kind::DisplayIdBase && part.kind != Kind::DisplayIdSection)
        return *this;
    const int start = wrapped ? 1 : 0;
    const int length = static_cast<unsigned char>(part.bytes.at(start + 1));
    const QByteArray block = DidFixture::dataBlock(unsigned(tag), unsigned(revision), payload);
    part.bytes.insert(start + 4 + length, block);
    part.bytes[start + 1] = static_cast<char>(length + block.size());
    if (wrapped)
        part.bytes.truncate(128);
    return *this;
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
        unsigned char *block = VyrTest::bytes(image) + start;
        switch (part.kind) {
        case Kind::EdidBase:
            if (i == 0)
                block[126] = static_cast<unsigned char>(announced);
            VyrTest::fixChecksum(image, start);
            break;
        case Kind::Edid:
            VyrTest::fixChecksum(image, start);
            break;
        case Kind::DisplayIdWrapped:
            fixDisplayIdChecksums(block, true);
            break;
        case Kind::DisplayIdBase:
            if (i == 0)
                block[3] = static_cast<unsigned char>(announced);
            fixDisplayIdChecksums(block, false);
            break;
        case Kind::DisplayIdSection:
            fixDisplayIdChecksums(block, false);
            break;
        case Kind::Raw:
            break;
        }
    }
    return image;
}

} // namespace VyrTest
