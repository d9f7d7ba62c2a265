#pragma once

#include "edidbaserecords.h"
#include "model/datablock.h"

#include <QList>
#include <QString>

// Block object of an EDID base block, structure version 1 revision 0 to 3 (VESA E-EDID 1.3).
// Decodes and encodes every field group of the 128 bytes in place: vendor and product
// identification, basic display parameters, colour characteristics, established and standard
// timings, the four 18-byte descriptors, the extension count and the checksum. The block does
// not own the bytes; without a recognised block (rawData null) every getter answers false, 0 or
// an empty text, every setter does nothing, and the location queries still answer.
//
// Descriptor slots are 0..3 for GetDescriptorID, AddDescriptor and RemoveDescriptor and 1..4
// for the other descriptor operations. Standard timings: section 0 = bytes 38-53 (index 0..7),
// section 1..4 = the standard timings descriptor (tag 0xFA) in slot section - 1 (index 0..5).
// Established timings: section 0, index 0..16.
class Edid13Block : public DataBlock
{
    Q_DECLARE_TR_FUNCTIONS(Edid13Block)

public:
    Edid13Block(unsigned char *image, unsigned size, unsigned offset, CallbackContext *context);
    ~Edid13Block() override;

    static const unsigned char EdidHeader[8];
    static const EstablishedMode EstablishedTimings[17];

    static bool IsEdid13(unsigned char *data, unsigned size);
    static bool InitBuffer(unsigned char *data, unsigned size);
    static bool ValidateEdid13(CallbackFillContentTgt *target, unsigned char *image,
                               unsigned offset, unsigned size);
    static DescriptorID descriptorTagToID(EdidDescriptorTag tag);
    static EdidDescriptorTag descriptorIDToTag(DescriptorID id);

    // Sets the fields of limits that timing support kind uses (RangeTimingSupport) and the
    // other kinds do not to the values a descriptor gets when it takes up that kind: the
    // secondary GTF curve values or the CVT values and flags. Other kinds change nothing.
    static void SetRangeFormulaDefaults(unsigned kind, RangeLimits *limits);

    // The checksum byte 127 must hold for bytes 0 to 126 as they are now (0 without data).
    unsigned GetComputedChecksum() const;

    // First of slots 0..3 that is a display descriptor with tag; null when none.
    unsigned char *getDescriptor(EdidDescriptorTag tag);
    // Slot 0..3 when it is a display descriptor with tag; null otherwise.
    unsigned char *getDescriptor(EdidDescriptorTag tag, unsigned slot);

    // DataBlock
    unsigned GetNumOfExtensions() const override;
    bool SupportExtensions() const override;
    unsigned GetChecksum() const override;
    unsigned GetBlockSize() const override;
    unsigned GetVersion() const override;
    void FillModeInfo(CallbackFillContentTgt *target) override;
    void FillCellInfo(unsigned byteIndex, QString *name, QString *description,
                      QString *blockTitle) override;
    int Validate(CallbackFillContentTgt *target) override;
    bool GetDetailedTiming(unsigned slot, DetailedTiming *timing) override;
    void SetDetailedTiming(unsigned slot, DetailedTiming *timing) override;
    QList<EdidItemLocation> GetDetailedTimingLocation(unsigned code, unsigned slot) override;
    bool IsDescriptorSupported(DescriptorID id) override;
    bool SetStandardTiming(unsigned section, unsigned index, StandardTiming *timing) override;
    void SetRangeLimits(unsigned slot, RangeLimits *limits) override;
    void SetEstablishedTimingSupport(unsigned section, unsigned index, bool supported) override;
    void SetDescriptorString(unsigned slot, EdidString *text) override;
    void RemoveDescriptor(unsigned slot) override;
    QList<EdidItemLocation> GetStringDescriptorLocation(unsigned code, unsigned slot) override;
    QList<EdidItemLocation> GetStandardTimingLocation(unsigned index, unsigned section) override;
    QList<EdidItemLocation> GetCvt3ByteTimingLocation(unsigned code, unsigned slot) override;
    QList<EdidItemLocation> GetRangeLimitsLocation(unsigned code, unsigned slot) override;
    bool IsEstablishedTimingSupported(unsigned section, unsigned index) override;
    bool GetStandardTiming(unsigned section, unsigned index, StandardTiming *timing) override;
    void GetRangeLimits(unsigned slot, RangeLimits *limits) override;
    QString GetEstablishedTimingName(unsigned section, unsigned index) override;
    QList<EdidItemLocation> GetEstablishedTimingLocation(unsigned index, unsigned section) override;
    QList<EdidItemLocation> GetDummyDescriptorLocation(unsigned code, unsigned slot) override;
    void GetDescriptorString(unsigned slot, EdidString *text) override;
    QList<EdidItemLocation> GetDescriptorsLocation() override;
    DescriptorID GetDescriptorID(unsigned slot) override;
    void GetColorPoint(unsigned slot, ColorPoint *point) override;
    void AddDescriptor(DescriptorID id, unsigned slot) override;

    // Operations of the EDID base blocks, in slot order.
    // Binary contract (ARCHITECTURE.md): this order, the protected ones below included.
    virtual void GetMonInfo(MonitorInfo *info);
    virtual void GetMaxResolution(Resolution *resolution);
    virtual void GetProductIdInfo(ProductIdInfo *info);
    virtual void GetBasicDisplayParams(BasicDisplayParams *params);
    virtual void GetColorCharacteristics(ColorCharacteristics *colors);
    virtual QList<EdidItemLocation> GetGeneralInfoLocation(unsigned code);
    virtual QList<EdidItemLocation> GetBasicDisplayParamsLocation(unsigned code);
    virtual QList<EdidItemLocation> GetColorCharacteristicsLocation(unsigned code);
    virtual QList<EdidItemLocation> GetColorPointLocation(unsigned code, unsigned slot);
    virtual void SetNumOfExtensions(unsigned count);
    virtual void SetProductIdInfo(ProductIdInfo *info);
    virtual void SetBasicDisplayParams(BasicDisplayParams *params);
    virtual void SetColorCharacteristics(ColorCharacteristics *colors);
    virtual void SetColorPoint(unsigned slot, ColorPoint *point);

protected:
    virtual void getMaxResFromStandard(const EdidStandardTiming *raw, Resolution *resolution);
    virtual void fillEstablishedTimings(CallbackFillContentTgt *target);
    virtual void fillEstablishedTiming(CallbackFillContentTgt *target, const EstablishedMode *mode,
                                       TimingSection section);
    virtual void fillStandardTimings(CallbackFillContentTgt *target);
    virtual void fillStandardTiming(CallbackFillContentTgt *target, const EdidStandardTiming *raw,
                                    TimingSection section);
    virtual void fillDetailedTimings(CallbackFillContentTgt *target);
    virtual int validateGeneralInfo(CallbackFillContentTgt *target);
    virtual int validateBasicParams(CallbackFillContentTgt *target);
    virtual int validateColorChars(CallbackFillContentTgt *target);
    virtual int validateEstablishedT(CallbackFillContentTgt *target);
    virtual int validateStandardT(CallbackFillContentTgt *target);
    virtual int validateDescriptor(CallbackFillContentTgt *target, unsigned slot);
    virtual void fillCellProductID(unsigned byte, QString *name, QString *description);
    virtual void fillCellBasicParams(unsigned byte, QString *name, QString *description);
    virtual void fillCellColorChars(unsigned byte, QString *name, QString *description);
    virtual void fillCellDescriptor(unsigned byte, unsigned slot, QString *name,
                                    QString *description);
    virtual void fillCellRangeLimitsDesc(unsigned byte, unsigned slot, QString *name,
                                         QString *description, unsigned timingSupportByte);
    virtual void fillCellColorPointDesc(unsigned byte, unsigned slot, QString *name,
                                        QString *description);

    void recalcCheckSum() override;

    // Header, size and version checks shared by the static EDID 1.3 and 1.4 checks; reports
    // the first failure with prefix in front.
    static bool validateHeader(CallbackFillContentTgt *target, const unsigned char *image,
                               unsigned offset, unsigned size, const QString &prefix);

    // The 18 bytes of descriptor slot number 1..4; null without data or for other numbers.
    unsigned char *descriptorBytes(unsigned slotNumber) const;
    // True when the 18 bytes at descriptor are a display descriptor (not a detailed timing).
    static bool isDisplayDescriptor(const unsigned char *descriptor);
    // The EDID 1.3 meaning of bytes 20-24, without the checksum step.
    void readBasicDisplayParams(BasicDisplayParams *params) const;
    void writeBasicDisplayParams(const BasicDisplayParams *params);
    // Range limit bytes 5-9 (rates and clock), shared by both versions.
    static void writeRangeRates(unsigned char *descriptor, const RangeLimits *limits);
    // Bytes 10-17 for the secondary GTF curve.
    static void writeSecondaryGtf(unsigned char *descriptor, const RangeLimits *limits);
    static void readSecondaryGtf(const unsigned char *descriptor, RangeLimits *limits);
    // Byte 10 = code, byte 11 = line feed, bytes 12-17 blanks.
    static void writeNoTimingFormula(unsigned char *descriptor, unsigned char code);
    // The two bytes of standard timing index in section (0: bytes 38-53, 1-4: the standard timings
    // descriptor in slot section - 1); null when there is no such timing.
    unsigned char *standardTimingBytes(unsigned section, unsigned index);
    // Height of a standard timing of n x 8 pixels with aspect bits (byte 2 bits 7-6) in a block
    // of revision (before EDID 1.3 aspect 00 meant 1:1, since then 16:10).
    static unsigned standardTimingHeight(unsigned n, unsigned aspectBits, unsigned revision);
    // Tells whether the established-timing bit of row index in the bytes at bits is set.
    static bool establishedBit(const unsigned char *bytes, unsigned index);
    // Sets or clears it; true when the bit changed.
    static bool setEstablishedBit(unsigned char *bytes, unsigned index, bool on);
    // Start of descriptor slot number 1..4 in the image (slot 0 answers 36, the arithmetic of
    // the slot numbering).
    unsigned descriptorOffset(unsigned slotNumber) const;

    unsigned char *rawData;
};
