#include "fuzzsupport.h"

#include "edidbytes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace VyrFuzz {

void Sink::AppendText(const QString &text)
{
    seen += static_cast<unsigned long long>(text.size());
    for (QChar c : text)
        seen += c.unicode();
}

void Sink::AppendMode(const ModeInfo *mode)
{
    if (!mode)
        fail("AppendMode", "null mode");
    seen += mode->hActive + mode->vActive + mode->pixelClock + mode->refreshRate + mode->vic;
}

void fail(const char *what, const char *detail)
{
    std::fprintf(stderr, "vyr_fuzz_edidimage: %s: %s\n", what, detail);
    std::abort();
}

Guard::Guard(unsigned char *image, unsigned start, unsigned size, Checksum checksum, bool readOnly)
    : m_image(image)
    , m_start(start)
    , m_size(size)
    , m_checksum(checksum)
    , m_readOnly(readOnly)
{
    if (m_start > ImageSize)
        m_start = ImageSize;
    if (m_size > ImageSize - m_start)
        m_size = ImageSize - m_start;
}

static bool sectionHolds(const unsigned char *section, unsigned available)
{
    const unsigned length = section[1] + 5u;
    return length > available || VyrTest::sumsToZero(section, length);
}

bool Guard::checksumHolds() const
{
    const unsigned char *block = m_image + m_start;
    switch (m_checksum) {
    case Checksum::None:
        return true;
    case Checksum::Edid:
        return m_size < 128 || VyrTest::sumsToZero(block, 128);
    case Checksum::Section:
        return m_size < 5 || sectionHolds(block, m_size);
    case Checksum::WrappedEdid:
        return m_size < 128 || (VyrTest::sumsToZero(block, 128) && sectionHolds(block + 1, 127));
    }
    return true;
}

void Guard::check(const char *what) const
{
    if (std::memcmp(m_image, m_before, m_start) != 0
        || std::memcmp(m_image + m_start + m_size, m_before + m_start + m_size,
                       ImageSize - m_start - m_size)
               != 0)
        fail(what, "wrote outside its block");
    const bool changed = std::memcmp(m_image + m_start, m_before + m_start, m_size) != 0;
    if (changed && m_readOnly)
        fail(what, "wrote into a block it must leave alone");
    if (changed && !checksumHolds())
        fail(what, "changed the block and left its checksum wrong");
}

void Guard::checkLocations(const char *what, const QList<EdidItemLocation> &list)
{
    for (const EdidItemLocation &loc : list) {
        if (loc.offset > ImageSize || loc.length > ImageSize - loc.offset)
            fail(what, "location outside the image");
    }
}

void exerciseDataBlock(const char *what, DataBlock &block, Guard &guard, Sink &sink,
                       unsigned imageStart)
{
    if (block.GetBlockSize() == 0)
        fail(what, "a recognised block holds no data");
    sink.seen += block.GetNumOfExtensions() + block.SupportExtensions() + block.GetChecksum()
                 + block.GetBlockSize() + block.GetStartOffset() + block.GetVersion()
                 + block.DTBCount() + block.CVTCount() + block.STCount();
    guard.run("Validate/FillModeInfo", [&] {
        block.Validate(&sink);
        block.FillModeInfo(&sink);
    });
    QString name, description, title;
    for (unsigned byte = imageStart; byte < imageStart + 136 && byte < ImageSize + 2; byte += 9) {
        block.FillCellInfo(byte, &name, &description, &title);
        sink.seen +=
            static_cast<unsigned long long>(name.size() + description.size() + title.size());
    }

    // The base slots' location queries, also with indexes outside their contracts (the base
    // block classes answer from fixed offsets whatever the slot, by design): only called here.
    for (unsigned index : {0u, 3u, 61u, AllIndexes}) {
        for (unsigned code : {0u, 12u, 17u, AllIndexes}) {
            sink.seen += static_cast<unsigned long long>(
                block.GetDetailedTimingLocation(code, index).size()
                + block.GetCvt3ByteTimingLocation(index, code).size()
                + block.GetStandardTimingLocation(index, code).size()
                + block.GetStringDescriptorLocation(code, index).size()
                + block.GetRangeLimitsLocation(code, index).size()
                + block.GetDummyDescriptorLocation(code, index).size()
                + block.GetEstablishedTimingLocation(index, code).size());
        }
    }
    sink.seen += static_cast<unsigned long long>(block.GetDescriptorsLocation().size());

    // Timing slots: read, then write back what was read; one past the end of every list.
    const unsigned entries = 8 + qMax(block.DTBCount(), qMax(block.CVTCount(), block.STCount()));
    for (unsigned i = 0; i < entries; ++i) {
        DetailedTiming dt;
        if (block.GetDetailedTiming(i, &dt))
            guard.run("SetDetailedTiming", [&] { block.SetDetailedTiming(i, &dt); });
        Cvt3ByteTiming cvt;
        if (block.GetCvt3ByteTiming(i, &cvt))
            guard.run("SetCvt3ByteTiming", [&] { block.SetCvt3ByteTiming(i, &cvt); });
        for (unsigned section = 0; section < 5; ++section) {
            StandardTiming st;
            if (block.GetStandardTiming(section, i, &st))
                guard.run("SetStandardTiming", [&] { block.SetStandardTiming(section, i, &st); });
        }
    }
    for (unsigned section = 0; section < 5; ++section) {
        for (unsigned i = 0; i < 45; ++i) {
            const bool supported = block.IsEstablishedTimingSupported(section, i);
            if (i % 8 == 0)
                sink.seen += static_cast<unsigned long long>(
                    block.GetEstablishedTimingName(section, i).size());
            guard.run("SetEstablishedTimingSupport",
                      [&] { block.SetEstablishedTimingSupport(section, i, supported); });
        }
    }
}

} // namespace VyrFuzz
