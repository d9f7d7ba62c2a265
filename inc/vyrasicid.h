#pragma once

#include <QtGlobal>

struct tagCIASICID;

// The adapter's ASIC identity: the twelve 32-bit words of the driver's 64-byte ASIC
// id record, followed by 16-bit values that stay zero. Fields are addressed by their
// byte offset in that layout.
struct VyrAsicId
{
    quint32 words[12] = {};
    quint16 values[8] = {};

    // Copies the record's first twelve words.
    void Update(const tagCIASICID &record);

    // The 32-bit or 16-bit value at a byte offset (0 outside the record).
    quint32 word(int offset) const;
    quint16 value16(int offset) const;
    void setWord(int offset, quint32 value);
};

static_assert(sizeof(VyrAsicId) == 64, "VyrAsicId has the layout of the 64-byte ASIC id record");
