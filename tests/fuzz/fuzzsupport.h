#pragma once

#include "model/callbackfillcontenttgt.h"
#include "model/datablock.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

// Shared pieces of the EDID image fuzz target: the operation stream that the input bytes after
// the image feed, a report sink that reads everything it is given, and the guard that checks
// what an edit may change.

namespace VyrFuzz {

constexpr unsigned ImageSize = 512;
constexpr unsigned AllIndexes = 0xFFFFFFFFu; // index or code -1

// Bytes after the 512-byte image choose the edits; an exhausted stream answers 0.
class Ops
{
public:
    Ops(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {}
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    unsigned below(unsigned bound) { return bound ? byte() % bound : 0u; }
    bool flag() { return (byte() & 1u) != 0; }
    bool more() const { return m_pos < m_size; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Reads every line and mode it is handed.
class Sink : public CallbackFillContentTgt
{
public:
    void AppendText(const QString &text) override;
    void AppendMode(const ModeInfo *mode) override;
    unsigned long long seen = 0;
};

// Stops the run with a message: a broken promise of a block class.
[[noreturn]] void fail(const char *what, const char *detail);

// How the bytes of a block must look after an edit that changed them.
enum class Checksum {
    None,       // not checked
    Edid,       // the 128 bytes sum to 0 modulo 256
    Section,    // a DisplayID section at the block start: length byte 1, sum over length + 5
    WrappedEdid // a DisplayID section in an EDID extension: both of the above, section at +1
};

// Watches one block of the image: an edit may change only the block's own bytes, and when it
// changed any, the checksum must hold again afterwards. A read-only block may not change at all.
class Guard
{
public:
    Guard(unsigned char *image, unsigned start, unsigned size, Checksum checksum,
          bool readOnly = false);
    // Runs edit and checks the rules; what names the edit in a failure.
    template <typename Edit> void run(const char *what, Edit &&edit)
    {
        std::memcpy(m_before, m_image, ImageSize);
        edit();
        check(what);
    }
    // Checks that a location list lies inside the image.
    static void checkLocations(const char *what, const QList<EdidItemLocation> &list);

private:
    bool checksumHolds() const;
    void check(const char *what) const;

    unsigned char *m_image;
    unsigned m_start;
    unsigned m_size;
    Checksum m_checksum;
    bool m_readOnly;
    unsigned char m_before[ImageSize];
};

// Every read-only DataBlock slot, over a generous range of indexes and codes, and the timing
// slots written back with what they read. A block that holds no data stops the run: the callers
// build objects only over blocks their class recognised. what names the class in a failure.
void exerciseDataBlock(const char *what, DataBlock &block, Guard &guard, Sink &sink,
                       unsigned imageStart);

} // namespace VyrFuzz

// One function per block class: builds the object over the block at image + offset (avail bytes
// to the end of the image), calls every getter, writes each record back through its setter, and
// adds and removes parts as the operation stream says.
void fuzzDiExtBlock(unsigned char *image, unsigned offset, VyrFuzz::Ops &ops);
void fuzzEdidExtVtb(unsigned char *image, unsigned offset, VyrFuzz::Ops &ops);
void fuzzCeaExtBlock(unsigned char *image, unsigned offset, VyrFuzz::Ops &ops);
void fuzzDisplayIDBlock(unsigned char *image, unsigned offset, VyrFuzz::Ops &ops, bool base);
void fuzzEdidBaseBlock(unsigned char *image, VyrFuzz::Ops &ops, bool edid14);
