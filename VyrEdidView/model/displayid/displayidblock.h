#pragma once

#include "displayidrecords.h"
#include "model/datablock.h"

#include <memory>

// One DisplayID 1.x section (VESA DisplayID 1.3): a base section at the start of an image, or
// an extension section, stand-alone or wrapped in a 128-byte EDID extension block (tag 0x70,
// section from byte 1). The object points into the caller's buffer, keeps a map of the data
// blocks (tag, revision, payload length) and decodes and encodes every data block in place.
//
// Every structural change (adding, removing or resizing a data block) goes through one byte
// mover that keeps the section inside its room: a growth beyond the free bytes is refused and
// leaves the buffer unchanged, and the extension sections stored right behind a base section
// move with it. The map, counters and free bytes are re-read from the bytes afterwards, so the
// object always agrees with a fresh one built over the same buffer.
class DisplayIDBlock : public DataBlock
{
    Q_DECLARE_TR_FUNCTIONS(DisplayIDBlock)

public:
    static constexpr unsigned MaxDataBlocks = 17; // entries of the block map
    static constexpr unsigned MaxSectionLength = 251;
    static constexpr unsigned PaddedExtensionLength = 121;
    static constexpr unsigned PaddedBaseLength = 122;
    static constexpr unsigned char EdidExtensionTag = 0x70;
    static constexpr unsigned NoTag = 256; // GetDataBlockTag of an index without a block

    DisplayIDBlock(unsigned char *buffer, unsigned size, unsigned startOffset,
                   CallbackContext *context);
    ~DisplayIDBlock() override;

    // Recognition and empty sections.
    static bool IsDisplayIDBaseBlock(const unsigned char *buffer, unsigned size);
    static bool IsDisplayIDExtBlock(const unsigned char *buffer, unsigned size);
    static bool InitBaseBlockBuffer(unsigned char *buffer, unsigned size, unsigned version);
    static bool InitExtBlockBuffer(unsigned char *buffer, unsigned size, unsigned version,
                                   bool standAlone);
    static unsigned getMinDataBlockSize(DisplayBlockID id);
    // Tag of a kind (0x0E for transfer characteristics); NoTag for an unknown kind.
    static unsigned tagOfKind(DisplayBlockID id);
    // Kind of a tag; DidBlockNone for a tag that is not one of the kinds.
    static DisplayBlockID kindOfTag(unsigned tag);

    // DataBlock interface.
    unsigned GetNumOfExtensions() const override;
    bool SupportExtensions() const override;
    unsigned GetChecksum() const override;
    // The section checksum the header and data blocks call for as they are now (0 without a
    // section).
    unsigned GetComputedChecksum() const;
    // For a section wrapped in an EDID extension block: byte 127 of the block as stored and as
    // bytes 0 to 126 call for it. False for a section that is not wrapped.
    bool GetWrappedBlockChecksum(unsigned *stored, unsigned *computed) const;
    unsigned GetBlockSize() const override;
    unsigned GetVersion() const override;
    int Validate(CallbackFillContentTgt *target) override;

    // Section operations.
    // Binary contract (ARCHITECTURE.md): these virtual functions keep this order.
    virtual unsigned GetNumOfAvailableBytes() const;
    virtual unsigned GetDIDBlockSize() const;
    virtual void GetSectionHeader(DisplayID_Section_Header *header) const;
    virtual bool IsBaseBlock() const;
    virtual unsigned GetNumOfDataBlocks() const;
    virtual unsigned GetDataBlockTag(unsigned index) const;
    virtual void AddDataBlock(DisplayBlockID id);
    virtual void RemoveDataBlock(unsigned index);
    virtual bool AllowNewDataBlocks() const;
    virtual void SetDisplayBlockHeader(DisplayID_DataBlock_Tag tag, unsigned index);
    virtual void UpdateSectionHeader(DisplayID_DataBlock_Tag tag);
    virtual void SetNumOfExtensions(unsigned count);

    void GetDisplayBlockHeader(unsigned index, DisplayID_Block_Header *header) const;
    void UpdateDisplayBlockHeader(unsigned index, const DisplayID_Block_Header *header);
    bool calculateOffset(unsigned index, unsigned &offset) const;
    bool IsDataBlockSupported(DisplayBlockID id) const;
    void SetProductTypeIdentifier(const DisplayID_Section_Header *header);
    void AddMandatoryBlocks(const DisplayID_Section_Header *header);
    void rebuildMap();

    // Per-kind counters.
    unsigned GetNumOfDisplayParamsBlocks() const { return counter(DidBlockDisplayParams); }
    unsigned GetNumOfColorCharsBlocks() const { return counter(DidBlockColorChars); }
    unsigned GetNumOfType1TimingBlocks() const { return counter(DidBlockType1Timing); }
    unsigned GetNumOfType2TimingBlocks() const { return counter(DidBlockType2Timing); }
    unsigned GetNumOfType3TimingBlocks() const { return counter(DidBlockType3Timing); }
    unsigned GetNumOfType4TimingBlocks() const { return counter(DidBlockType4Timing); }
    unsigned GetNumOfType5TimingBlocks() const { return counter(DidBlockType5Timing); }
    unsigned GetNumOfType6TimingBlocks() const { return counter(DidBlockType6Timing); }
    unsigned GetNumOfVesaBlocks() const { return counter(DidBlockVesaTimings); }
    unsigned GetNumOfCeaBlocks() const { return counter(DidBlockCeaTimings); }
    unsigned GetNumOfRangeLimitBlocks() const { return counter(DidBlockRangeLimits); }
    unsigned GetNumOfSerialNumberBlocks() const { return counter(DidBlockSerialNumber); }
    unsigned GetNumOfAsciiStringBlocks() const { return counter(DidBlockAsciiString); }
    unsigned GetNumOfDeviceDataBlocks() const { return counter(DidBlockDeviceData); }
    unsigned GetNumOfPowerSeqBlocks() const { return counter(DidBlockPowerSequencing); }
    unsigned GetNumOfDispIntBlocks() const { return counter(DidBlockDisplayInterface); }
    unsigned GetNumOfStereoIntBlocks() const { return counter(DidBlockStereoInterface); }
    unsigned GetNumOfVendorDataBlocks() const { return counter(DidBlockVendorSpecific); }

    // Identification, display and interface data blocks.
    void GetProductIdentificationDataBlock(unsigned index, DidProductIdDataBlock *record) const;
    void SetProductIdentificationDataBlock(unsigned index, const DidProductIdDataBlock *record,
                                           int sizeChange);
    void GetDisplayParametersDataBlock(unsigned index, DidDisplayParamsDataBlock *record) const;
    void SetDisplayParametersDataBlock(unsigned index, const DidDisplayParamsDataBlock *record);
    void GetColorCharsDataBlock(unsigned index, DidColorCharsDataBlock *record) const;
    void SetColorCharsDataBlock(unsigned index, const DidColorCharsDataBlock *record);
    void GetRangeLimitsDataBlock(unsigned index, DidRangeLimitsDataBlock *record) const;
    void SetRangeLimitsDataBlock(unsigned index, const DidRangeLimitsDataBlock *record);
    void GetProductSerialNumberDataBlock(unsigned index, DidProductSNDataBlock *record) const;
    void SetProductSerialNumberDataBlock(unsigned index, const DidProductSNDataBlock *record,
                                         int sizeChange);
    void GetGeneralPurposeAsciiDataBlock(unsigned index, DidAsciiDataBlock *record) const;
    void SetGeneralPurposeAsciiDataBlock(unsigned index, const DidAsciiDataBlock *record,
                                         int sizeChange);
    void GetDisplayDeviceDataBlock(unsigned index, DidDevDataBlock *record) const;
    void SetDisplayDeviceDataBlock(unsigned index, const DidDevDataBlock *record);
    void GetPowerSeqDataBlock(unsigned index, DidPowerSeqDataBlock *record) const;
    void SetPowerSeqDataBlock(unsigned index, const DidPowerSeqDataBlock *record);
    void GetDisplayInterfaceDataBlock(unsigned index, DidDisplayInterfaceDataBlock *record) const;
    void SetDisplayInterfaceDataBlock(unsigned index, const DidDisplayInterfaceDataBlock *record);
    void GetStereoInterfaceDataBlock(unsigned index, DidStereoInterfaceDataBlock *record) const;
    void SetStereoInterfaceDataBlock(unsigned index, const DidStereoInterfaceDataBlock *record,
                                     int sizeChange);
    void GetTiledDisplayDataBlock(unsigned index, DidTiledDisplayDataBlock *record) const;
    void SetTiledDisplayDataBlock(unsigned index, const DidTiledDisplayDataBlock *record);
    void GetVendorSpecificDataBlock(unsigned index, DidVendorSpecificDataBlock *record) const;
    void SetVendorSpecificDataBlock(unsigned index, const DidVendorSpecificDataBlock *record);
    // Payload bytes of the stereo interface block for a record; 0 for a method without layout.
    static unsigned stereoPayloadSize(const DidStereoInterfaceDataBlock *record);

    // Timing data blocks: counts.
    unsigned GetNumOfType1DetTimingDescriptors(unsigned index) const;
    unsigned GetNumOfType2DetTimingDescriptors(unsigned index) const;
    unsigned GetNumOfType3ShortTimingDescriptors(unsigned index) const;
    unsigned GetNumOfType4DmtTimingDescriptors(unsigned index) const;
    unsigned GetNumOfType5ShortTimingDescriptors(unsigned index) const;
    // New array {17-byte descriptors, 14-byte descriptors}, owned by the caller.
    std::unique_ptr<unsigned[]> GetNumOfType6DetTimingDescriptors(unsigned index) const;
    // New array of count flags (true: 17-byte form), owned by the caller; null when there is no
    // such block.
    std::unique_ptr<bool[]> GetType6DetDescriptorInfo(unsigned index, unsigned count) const;

    // Timing data blocks: readers.
    void GetType1DetTimingDescriptor(unsigned index, unsigned desc,
                                     DidType1DetTimingDesc *record) const;
    void GetType2DetTimingDescriptor(unsigned index, unsigned desc,
                                     DidType2DetTimingDesc *record) const;
    void GetType3ShortTimingDescriptor(unsigned index, unsigned desc,
                                       DidType3ShortTimingDesc *record) const;
    void GetType4DmtTimingDescriptor(unsigned index, unsigned desc,
                                     DidType4DmtTimingDesc *record) const;
    void GetType5ShortTimingDescriptor(unsigned index, unsigned desc,
                                       DidType5ShortTimingDesc *record) const;
    void GetType6DetTimingDescriptor(unsigned index, unsigned desc, const bool *sizes,
                                     DidType6DetTimingDesc *record) const;
    void GetVesaTimingsDataBlock(unsigned index, unsigned char **bitmap) const;
    void GetCeaTimingsDataBlock(unsigned index, unsigned char **bitmap) const;

    // Timing data blocks: whole-block writers.
    void SetType1DetTimingDescriptors(unsigned index, unsigned oldCount, unsigned newCount,
                                      const DidType1DetTimingDesc *records);
    void SetType2DetTimingDescriptors(unsigned index, unsigned oldCount, unsigned newCount,
                                      const DidType2DetTimingDesc *records);
    void SetType3ShortTimingDescriptors(unsigned index, unsigned oldCount, unsigned newCount,
                                        const DidType3ShortTimingDesc *records);
    void SetType4DmtTimingDescriptors(unsigned index, unsigned oldCount, unsigned newCount,
                                      const DidType4DmtTimingDesc *records);
    void SetType5ShortTimingDescriptors(unsigned index, unsigned oldCount, unsigned newCount,
                                        const DidType5ShortTimingDesc *records);
    void SetType6DetTimingDescriptors(unsigned index, unsigned oldCount, unsigned newCount,
                                      const bool *oldSizes, const bool *newSizes,
                                      const DidType6DetTimingDesc *records);
    void SetVesaTimingsDataBlock(unsigned index, const bool *flags);
    void SetCeaTimingsDataBlock(unsigned index, const bool *flags);

    // Timing data blocks: one descriptor in place.
    void SetType1DetTimingDescriptor(unsigned index, unsigned desc,
                                     const DidType1DetTimingDesc *record);
    void SetType2DetTimingDescriptor(unsigned index, unsigned desc,
                                     const DidType2DetTimingDesc *record);
    void SetType3ShortTimingDescriptor(unsigned index, unsigned desc,
                                       const DidType3ShortTimingDesc *record);

    // Checks before any object exists.
    static bool ValidateDisplayIDBaseBlock(CallbackFillContentTgt *target,
                                           const unsigned char *image, unsigned startOffset,
                                           unsigned size);
    static bool ValidateDisplayIDExtBlock(CallbackFillContentTgt *target,
                                          const unsigned char *image, unsigned startOffset,
                                          unsigned size);

    // Per-kind checks of the report; each answers its number of problems.
    int validateGeneralInfo(CallbackFillContentTgt *target);
    int validateProductIdentification(CallbackFillContentTgt *target, unsigned index);
    int validateDisplayParameters(CallbackFillContentTgt *target, unsigned index);
    int validateColorCharacteristics(CallbackFillContentTgt *target, unsigned index);
    int validateType1TimingDetailed(CallbackFillContentTgt *target, unsigned index);
    int validateType2TimingDetailed(CallbackFillContentTgt *target, unsigned index);
    int validateType3TimingShort(CallbackFillContentTgt *target, unsigned index);
    int validateType4TimingDmt(CallbackFillContentTgt *target, unsigned index);
    int validateType5TimingShort(CallbackFillContentTgt *target, unsigned index);
    int validateType6TimingDetailed(CallbackFillContentTgt *target, unsigned index);
    int validateVesaTimings(CallbackFillContentTgt *target, unsigned index);
    int validateCeaTimings(CallbackFillContentTgt *target, unsigned index);
    int validateRangeLimits(CallbackFillContentTgt *target, unsigned index);
    int validateProductSerialNumber(CallbackFillContentTgt *target, unsigned index);
    int validateGeneralPurposeAscii(CallbackFillContentTgt *target, unsigned index);
    int validateDeviceData(CallbackFillContentTgt *target, unsigned index);
    int validatePowerSequence(CallbackFillContentTgt *target, unsigned index);
    int validateDisplayInterface(CallbackFillContentTgt *target, unsigned index);
    int validateStereoInterface(CallbackFillContentTgt *target, unsigned index);
    int validateTiledDisplay(CallbackFillContentTgt *target, unsigned index);
    int validateVendorSpecificData(CallbackFillContentTgt *target, unsigned index);

protected:
    void recalcCheckSum() override;

    // Grows (change > 0) or shrinks the payload of data block index by change bytes at the end
    // of its payload; the following bytes move. False, with nothing changed, when the growth
    // exceeds the free bytes or the payload would leave 0..255. No checksum.
    bool resizePayload(unsigned index, int change);
    // Payload of data block index when it exists: pointer to its first byte and its length.
    const unsigned char *payload(unsigned index, unsigned *length = nullptr) const;
    unsigned char *payload(unsigned index, unsigned *length = nullptr);

private:
    // Parts of the report: its heading, the check of one data block chosen by its tag, and the
    // kinds a section may hold only once.
    void appendHeading(CallbackFillContentTgt *target) const;
    int validateDataBlock(CallbackFillContentTgt *target, unsigned index);
    int validateSingleBlocks(CallbackFillContentTgt *target) const;
    static bool sectionTest(const unsigned char *section, unsigned size, unsigned maxLength);
    unsigned counter(DisplayBlockID id) const;
    unsigned sectionLength() const;
    bool isPadded() const;
    // Largest section length that fits where the section sits.
    unsigned maxSectionLength() const;
    // Bytes of the buffer behind a base section that move with it (its extension sections).
    unsigned trailingBytes(unsigned length) const;
    // Moves bytes inside the data area: inserts count zero bytes (change > 0) or removes
    // -change bytes (change < 0) at data offset at. No checksum; the map is re-read.
    bool moveData(unsigned at, int change);
    void writeHeader(unsigned offset, const DisplayID_Block_Header &header);
    // Writes the revision byte of data block index, in the section and in the map.
    void writeRevision(unsigned index, quint8 revision);
    // Rewrites the payload of data block index as count descriptors of size bytes each:
    // encode(k, stored, out) writes descriptor k to out, stored being the bytes that stood there
    // before or null for a new descriptor. Nothing changes when the payload cannot take them.
    template <typename Encode>
    void setDescriptors(unsigned index, unsigned count, unsigned size, Encode encode);
    // Product serial number and general-purpose ASCII string: the payload is the text.
    template <typename TextRecord> void getTextBlock(unsigned index, TextRecord *record) const;
    template <typename TextRecord> void setTextBlock(unsigned index, const TextRecord *record);
    unsigned newRevision(unsigned tag) const;

    unsigned char *rawData = nullptr;   // first byte of the caller's block
    unsigned char *m_section = nullptr; // first byte of the section
    unsigned m_size = 0;
    bool m_base = false;
    bool m_wrapped = false;
    unsigned m_blockCount = 0;
    unsigned m_freeBytes = 0;
    unsigned m_counters[22] = {}; // indexed by DisplayBlockID
    DisplayID_Block_Header m_map[MaxDataBlocks];
    unsigned m_usedBytes = 0; // data-area bytes taken by data blocks, mapped or not
    bool m_cleanTail = true;  // the data area after the data blocks holds only zeros
};
