#pragma once

#include "model/datablock.h"

#include <QList>

// The three timing lists of a video timing block extension.
enum VtbByteOffset : quint32 { VtbDetailedTimings = 0, VtbCvtCodes = 1, VtbStandardTimings = 2 };

// One VESA video timing block extension (VTB-EXT, tag 0x10) inside an EDID image that the
// caller owns. Bytes 2-4 count the entries of three lists packed one after the other from
// byte 5: 18-byte detailed timings, 3-byte CVT codes and 2-byte standard timings; the bytes
// after the last list up to byte 126 are free and kept zero, byte 127 is the checksum.
// Entries are read and written through the DataBlock timing codecs; adding an entry moves the
// later lists up, removing one moves them down and clears the freed tail.
//
// A loaded block whose counts claim more than the 122 bytes of the entry area is read only as
// far as its lists fit (so the counts answered may be below bytes 2-4), reports no free bytes,
// and is never written: every setter, adder and remover refuses it.
class EdidExtVtb : public DataBlock
{
public:
    static constexpr unsigned BlockSize = 128;
    static constexpr unsigned char Tag = 0x10;
    static constexpr unsigned EntryAreaStart = 5;
    static constexpr unsigned EntryAreaSize = 122; // bytes 5-126
    static constexpr unsigned DtbSize = 18;
    static constexpr unsigned CvtSize = 3;
    static constexpr unsigned StSize = 2;
    static constexpr unsigned MaxDtbs = 6;
    static constexpr unsigned MaxCvts = 40;
    static constexpr unsigned MaxSts = 61;

    EdidExtVtb(unsigned char *buffer, unsigned int size, unsigned int startOffset,
               CallbackContext *context);
    ~EdidExtVtb() override;

    static bool IsEdidExtVtb(unsigned int size, const unsigned char *buffer);
    static bool InitBuffer(unsigned char *buffer, unsigned int size);

    // DataBlock slots.
    unsigned GetChecksum() const override;
    // The checksum byte 127 must hold for bytes 0 to 126 as they are now (0 without data).
    unsigned GetComputedChecksum() const;
    unsigned GetBlockSize() const override;
    unsigned GetVersion() const override;
    bool GetDetailedTiming(unsigned index, DetailedTiming *timing) override;
    void SetDetailedTiming(unsigned index, DetailedTiming *timing) override;
    bool GetCvt3ByteTiming(unsigned index, Cvt3ByteTiming *timing) override;
    void SetCvt3ByteTiming(unsigned index, const Cvt3ByteTiming *timing) override;
    QList<EdidItemLocation> GetDetailedTimingLocation(unsigned code, unsigned index) override;
    // The entry is taken from section; index is not used.
    bool SetStandardTiming(unsigned section, unsigned index, StandardTiming *timing) override;
    // Both take the entry index first; the second argument is not used.
    QList<EdidItemLocation> GetStandardTimingLocation(unsigned index, unsigned section) override;
    QList<EdidItemLocation> GetCvt3ByteTimingLocation(unsigned index, unsigned slot) override;
    // The entry is taken from index; section is not used.
    bool GetStandardTiming(unsigned section, unsigned index, StandardTiming *timing) override;
    // Entries in each list, as far as they fit in the entry area.
    unsigned DTBCount() const override;
    unsigned CVTCount() const override;
    unsigned STCount() const override;

    // Own slot. Binary contract (ARCHITECTURE.md): it follows the DataBlock slots.
    virtual unsigned char *GetRawData() const;

    bool IsChecksumValid() const;
    // First byte of a list (byte 5 for an unknown list); null without a block.
    unsigned char *getVtbBlockData(VtbByteOffset list) const;
    // Bytes 5-126 not used by the three lists; 0 for a block whose counts do not fit.
    unsigned GetFreeBytesNumber() const;
    // An entry is allowed only while more bytes than its size are free.
    bool AllowNewDTB() const;
    bool AllowNewCVT() const;
    bool AllowNewST() const;
    // Position of entry i counted from byte 5.
    unsigned GetByteIndexOfDTB(unsigned i) const;
    unsigned GetByteIndexOfCVT(unsigned i) const;
    unsigned GetByteIndexOfST(unsigned i) const;
    // Entry i, or null when there is no such entry.
    EdidDetailedTiming *GetDTB(unsigned i) const;
    EdidCvt3ByteTiming *GetCVT(unsigned i) const;
    EdidStandardTiming *GetST(unsigned i) const;

    bool AddDTB();
    bool AddCVT();
    bool AddST();
    bool RemoveDTB(unsigned i);
    bool RemoveCVT(unsigned i);
    bool RemoveST(unsigned i);
    // Zeroes the free bytes before the checksum (and re-computes it).
    void ClearTail();

protected:
    void recalcCheckSum() override;

private:
    // Counts as stored in bytes 2-4 fit the entry area.
    bool countsFit() const;
    // The block may be changed: present and with counts that fit.
    bool writable() const;
    // Bytes used by the three lists.
    unsigned usedBytes() const;
    // Opens size zero bytes at block position pos by moving the entries from pos to the end
    // of the lists up.
    void insertGap(unsigned pos, unsigned size);
    // Closes the size bytes at block position pos by moving the later entries down.
    void removeRange(unsigned pos, unsigned size);
    QList<EdidItemLocation> entryLocation(unsigned blockPos, unsigned length) const;

    unsigned char *rawData;
};
