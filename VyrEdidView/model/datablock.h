#pragma once

#include "edidtypes.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class CallbackContext;
class CallbackFillContentTgt;

// Records defined with the EDID base block classes.
struct ColorManagement;
struct RangeLimits;
struct EdidString;
struct ColorPoint;

// Common base of the block classes. A block object points into an EDID image it does not own
// (the concrete class keeps the pointer), decodes on every call and writes edits in place.
// Every operation that changes bytes ends with a checksum re-computation. The base class answers
// false, 0 or an empty list and writes nothing.
class DataBlock
{
    Q_DECLARE_TR_FUNCTIONS(DataBlock)

public:
    DataBlock(unsigned offset, CallbackContext *context);
    virtual ~DataBlock();

    DataBlock(const DataBlock &) = delete;
    DataBlock &operator=(const DataBlock &) = delete;

    // Virtual operations, in slot order.
    // Binary contract (ARCHITECTURE.md): the destructor, these 41 and recalcCheckSum (below) are
    // slots 1-43 in this order; subclasses append theirs.
    virtual unsigned GetNumOfExtensions() const;
    virtual bool SupportExtensions() const;
    virtual unsigned GetChecksum() const;
    virtual unsigned GetBlockSize() const;
    virtual unsigned GetStartOffset() const;
    virtual unsigned GetVersion() const;
    virtual void FillModeInfo(CallbackFillContentTgt *target);
    virtual void FillCellInfo(unsigned byteIndex, QString *name, QString *description,
                              QString *blockTitle);
    virtual int Validate(CallbackFillContentTgt *target);
    virtual void RecalcCheckSum();
    virtual bool GetDetailedTiming(unsigned index, DetailedTiming *timing);
    virtual void SetDetailedTiming(unsigned index, DetailedTiming *timing);
    virtual bool GetCvt3ByteTiming(unsigned index, Cvt3ByteTiming *timing);
    virtual void SetCvt3ByteTiming(unsigned index, const Cvt3ByteTiming *timing);
    virtual QList<EdidItemLocation> GetDetailedTimingLocation(unsigned code, unsigned index);
    virtual bool IsDescriptorSupported(DescriptorID id);
    virtual bool SetStandardTiming(unsigned section, unsigned index, StandardTiming *timing);
    virtual bool SetColorManagement(unsigned slot, ColorManagement *colorManagement);
    virtual bool GetColorManagement(unsigned slot, ColorManagement *colorManagement);
    virtual void SetRangeLimits(unsigned slot, RangeLimits *limits);
    virtual void SetEstablishedTimingSupport(unsigned section, unsigned index, bool supported);
    virtual void SetDescriptorString(unsigned slot, EdidString *text);
    virtual void RemoveDescriptor(unsigned slot);
    virtual QList<EdidItemLocation> GetStringDescriptorLocation(unsigned code, unsigned slot);
    virtual QList<EdidItemLocation> GetStandardTimingLocation(unsigned index, unsigned section);
    virtual QList<EdidItemLocation> GetCvt3ByteTimingLocation(unsigned code, unsigned slot);
    virtual QList<EdidItemLocation> GetRangeLimitsLocation(unsigned code, unsigned slot);
    virtual bool IsEstablishedTimingSupported(unsigned section, unsigned index);
    virtual bool GetStandardTiming(unsigned section, unsigned index, StandardTiming *timing);
    virtual void GetRangeLimits(unsigned slot, RangeLimits *limits);
    virtual QString GetEstablishedTimingName(unsigned section, unsigned index);
    virtual QList<EdidItemLocation> GetEstablishedTimingLocation(unsigned index, unsigned section);
    virtual QList<EdidItemLocation> GetDummyDescriptorLocation(unsigned code, unsigned slot);
    virtual void GetDescriptorString(unsigned slot, EdidString *text);
    virtual QList<EdidItemLocation> GetDescriptorsLocation();
    virtual DescriptorID GetDescriptorID(unsigned slot);
    virtual void GetColorPoint(unsigned slot, ColorPoint *point);
    virtual void AddDescriptor(DescriptorID id, unsigned slot);
    virtual unsigned DTBCount() const;
    virtual unsigned CVTCount() const;
    virtual unsigned STCount() const;

    void setBorderActiveState(bool active);

    // Sets count bytes at buffer to 0 (nothing for a null buffer or a count below 1).
    static void ZeroMem(void *buffer, int count);
    // The byte that makes the sum of the count bytes plus itself 0 modulo 256; 0 for no bytes.
    static unsigned char computeOneByteCheckSum(const unsigned char *data, unsigned count);

    // Timing tables (row index = identifier - 1).
    static const DmtVideoMode DmtVideoModes[80];
    static const CeaVideoMode Cea861bVICModes[64];
    static const CeaHdmiVideoMode Cea861bHDIVICModes[4]; // name kept as spelled (ARCHITECTURE.md)
    static const unsigned char Cea861Basic3DSupport[64];
    static const unsigned char Cea861Primary3DSupport[64];

    // Table look-ups; null when the index is out of range.
    static const DmtVideoMode *GetDMTVideoMode(unsigned index);
    static const CeaVideoMode *GetCeaVideoMode(unsigned index);
    static const CeaHdmiVideoMode *GetCeaHDMIVideoMode(unsigned index);
    static const unsigned char *GetCea3DSupport(unsigned index);
    static const unsigned char *GetCeaPrimary3DFormats(unsigned index);
    // First CEA row with the timing's size, scan type and one of its two clocks; null if none.
    // An interlaced timing is compared by its frame height (twice the field's lines).
    static const CeaVideoMode *MatchCeaVideoMode(const DetailedTiming *timing);

    // Codecs. Null pointers make them return without effect.
    void edidToDetailedTiming(const EdidDetailedTiming *raw, DetailedTiming *timing) const;
    static void detailedTimingToEdid(const DetailedTiming *timing, EdidDetailedTiming *raw);
    static void edidToStandardTiming(const EdidStandardTiming *raw, StandardTiming *timing);
    static void standardTimingToEdid(const StandardTiming *timing, EdidStandardTiming *raw);
    static void edidToCvt3ByteTiming(const EdidCvt3ByteTiming *raw, Cvt3ByteTiming *timing);
    static void cvt3ByteTimingToEdid(const Cvt3ByteTiming *timing, EdidCvt3ByteTiming *raw);
    // Fills mode from a detailed timing; returns the matched CEA row or null.
    const CeaVideoMode *edidToModeInfo(const EdidDetailedTiming *raw, ModeInfo *mode,
                                       TimingSection section) const;

    // Largest resolution: a larger width wins, then a larger height.
    static void updateMaxResolution(unsigned width, unsigned height, Resolution *resolution);
    static void getMaxResFromDetailed(const EdidDetailedTiming *raw, Resolution *resolution);
    static void getMaxResFromCeaVideoMode(unsigned index, Resolution *resolution);
    static void getMaxResFromCeaHDMIVideoMode(unsigned index, Resolution *resolution);

    // Name and description of byte (0..17) of detailed timing number entry.
    static void fillCellDetailedT(unsigned byte, unsigned entry, QString *name,
                                  QString *description);
    // The bytes of one field of the detailed timing that starts at image offset start: 0
    // horizontal and 1 vertical active, 2 horizontal and 3 vertical blanking, 4 horizontal and 5
    // vertical sync offset, 6 horizontal and 7 vertical sync width, 8 horizontal and 9 vertical
    // border, 10 horizontal and 11 vertical image size, 12 pixel clock, 13-17 flags; all 18
    // bytes for any other field.
    static QList<EdidItemLocation> detailedTimingLocation(unsigned field, unsigned start);

protected:
    // A location list of one range.
    static QList<EdidItemLocation> oneRange(unsigned offset, unsigned length);

    // Writes the block checksum; every concrete class implements it. Slot 43 (ARCHITECTURE.md).
    virtual void recalcCheckSum() = 0;

    // The common checksum step for a block of size bytes at block: stores the checksum of the
    // first size - 1 bytes in the last byte and, when that byte changed and a context is set,
    // tells the context. Does nothing for a null block or a size of 0.
    void storeBlockChecksum(unsigned char *block, unsigned size);

    // Position of block (a block's first byte) in the image that starts at base: their distance,
    // or the start offset when no base, or a base behind the block, is given.
    quint32 imagePosition(const unsigned char *block, const unsigned char *base) const;

    // The empty 128-byte extension block that the InitBuffer of the CEA-861, DI-EXT and VTB-EXT
    // classes write: all bytes 0 but the tag (byte 0) and the version (byte 1), then the
    // checksum. False, with nothing written, for a null buffer or fewer than 128 bytes.
    static bool initExtensionBlock(unsigned char *buffer, unsigned size, unsigned char tag,
                                   unsigned char version);

    bool borderActive;
    quint32 startOffset;
    CallbackContext *callbackContext;
};
