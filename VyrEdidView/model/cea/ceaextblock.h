#pragma once

#include "ceadatablocks.h"
#include "model/datablock.h"

#include <QList>
#include <QString>
#include <QVector>

// One CEA-861 extension block (tag 0x02, CTA-861-G section 7.5) inside an EDID image that the
// caller owns. The object keeps a map of the data block collection (bytes 4 .. d-1) and of the
// 18-byte slots from byte d = byte 2 on, and edits the block in place: data blocks and detailed
// timings are added, removed and resized within the 128 bytes, and byte 127 is re-computed after
// every change. The data block records are decoded and encoded on every call.
//
// As a standard reader does, the object reads every data block up to byte d (a reserved tag 0
// header included) and every slot from byte d on that is not all zero: a detailed timing (a
// pixel clock), or a display descriptor such as a serial number string. The slots up to the last
// such slot make up the slot area; the free bytes are the zero padding before byte d and the
// bytes after the slot area. No byte of a data block or of a slot is ever taken for free space:
// the slots move as a whole when the collection grows or shrinks, and a removed timing or data
// block closes its gap.
//
// Byte 2 always tells a standard reader where the collection ends: it is the offset of the slot
// area when there is one, else 4 plus the collection's length, or 0 for a block with neither data
// blocks nor slots.
class CeaExtBlock : public DataBlock
{
    Q_DECLARE_TR_FUNCTIONS(CeaExtBlock)

public:
    static constexpr unsigned BlockSize = 128;
    static constexpr unsigned MaxNewDataBlocks = 9; // no data block is added beyond nine
    static constexpr unsigned MaxDtds = 6;
    static constexpr unsigned DtdSize = 18;
    static constexpr unsigned MaxDataBlockSize = 32;
    // The DTD pixel clock word of a new detailed timing: 54.00 MHz in 10 kHz units.
    static constexpr unsigned NewDtdPixelClock = 5400;
    // Every listed mode of the extension carries this timing section.
    static constexpr TimingSection CeaTimingSection = 7;

    // How the IEEE OUI after a data block's tag (and extended tag) takes part in its kind.
    enum OuiUse : quint8 {
        NoOui,   // no OUI in the header
        AnyOui,  // an OUI follows the tag when the block holds one, whatever its value
        ThisOui, // an OUI follows the tag, and only the row's OUI makes the block this kind
    };
    // The report of one byte of a data block of a kind with a report of its own.
    using FillCell = void (CeaExtBlock::*)(unsigned int byte, unsigned int index, QString *name,
                                           QString *description);

    // One row of the table of kinds (ceablockkindtable.cpp), at the index of its CeaBlockID: how
    // a data block is recognised as the kind, and what a new one gets.
    struct BlockKind
    {
        CeaBlockID id;
        quint8 tagCode;
        quint16 extendedTag; // CeaExtendedTagNone for a plain tag code
        OuiUse ouiUse;
        quint32 oui;             // written into a new block's header (ThisOui: the one it needs)
        quint32 minSize;         // header included; 0: the kind cannot be added
        quint8 newPayloadByte;   // the first payload byte of a new block (0: none)
        FillCell fillCell;       // null: "Data Byte[n]" and the description below
        const char *description; // report text of the kind
    };
    static const BlockKind BlockKinds[CeaBlockKindCount];
    // The row of kind id; the row of CeaBlockDummy for an id outside the kinds.
    static const BlockKind &blockKind(CeaBlockID id);

    CeaExtBlock(unsigned char *buffer, unsigned int size, unsigned int startOffset,
                CallbackContext *context);
    ~CeaExtBlock() override;

    static bool IsCeaExt(const unsigned char *buffer, unsigned int size);
    static bool InitBuffer(unsigned char *buffer, unsigned int size);
    static bool ValidateCeaExt(CallbackFillContentTgt *target, const unsigned char *buffer,
                               unsigned int offset, unsigned int size);

    static CeaBlockTag dataBlockIDToTag(CeaBlockID id);
    static CeaBlockID dataBlockTagToID(const CeaBlockTag &tag);
    static unsigned getMinDataBlockSize(CeaBlockID id);
    // True when an IEEE OUI follows the tags of a data block with these tags (a kind that has one).
    static bool tagCarriesOui(const CeaBlockTag &tag);

    // DataBlock slots.
    unsigned GetChecksum() const override;
    // The checksum byte 127 must hold for bytes 0 to 126 as they are now (0 without data).
    unsigned GetComputedChecksum() const;
    unsigned GetBlockSize() const override;
    unsigned GetVersion() const override;
    void FillModeInfo(CallbackFillContentTgt *target) override;
    void FillCellInfo(unsigned byteIndex, QString *name, QString *description,
                      QString *blockTitle) override;
    int Validate(CallbackFillContentTgt *target) override;
    bool GetDetailedTiming(unsigned index, DetailedTiming *timing) override;
    void SetDetailedTiming(unsigned index, DetailedTiming *timing) override;

    // Own slots, in order.
    // Binary contract (ARCHITECTURE.md): this order.
    virtual CeaBlockID GetDataBlockID(unsigned int index) const;
    virtual void AddDTD();
    virtual void RemoveDTD(unsigned int index);
    virtual void AddDataBlock(CeaBlockID id);
    virtual void RemoveDataBlock(unsigned int index);
    virtual bool IsDataBlockSupported(CeaBlockID id) const;
    virtual bool AllowNewDataBlocks() const;
    virtual bool AllowNewDTDs() const;
    virtual void GetMaxResolution(Resolution *resolution) const;
    virtual void GetAllSVDs(CeaSVDDataBlock *svds) const;
    virtual unsigned char Get3DSupport(unsigned int vic) const;
    virtual void GetGeneralInfo(CeaGeneralInfo *info) const;
    virtual void GetVideoDataBlock(unsigned int index, CeaSVDDataBlock *video) const;
    virtual void GetAudioDataBlock(unsigned int index, CeaSADDataBlock *audio) const;
    virtual void GetGenericDataBlock(unsigned int index, CeaGenericDataBlock *generic) const;
    virtual void GetSpeakersAllocation(unsigned int index, CeaSpeakerAllocation *speakers) const;
    virtual void GetColorimetry(unsigned int index, CeaColometry *colorimetry) const;
    virtual void GetVideoCaps(unsigned int index, CeaVideoCaps *caps) const;
    virtual void GetHdmiVSDB(unsigned int index, CeaHdmiVSDB *vsdb) const;
    virtual QList<EdidItemLocation> GetGeneralInfoLocation(unsigned int code, unsigned int index,
                                                           const unsigned char *base) const;
    // Name kept as spelled (ARCHITECTURE.md).
    virtual QList<EdidItemLocation> GetDetiledTimingLocation(unsigned int code, unsigned int index,
                                                             const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetVideoDataBlockLocation(unsigned int code, unsigned int index,
                                                              unsigned int svd,
                                                              const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetAudioDataBlockLocation(unsigned int code, unsigned int index,
                                                              unsigned int sad,
                                                              const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetGenericDataBlockLocation(unsigned int code,
                                                                unsigned int index,
                                                                unsigned int byte,
                                                                const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetSpeakersAllocationLocation(unsigned int code,
                                                                  unsigned int index,
                                                                  const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetColorimetryLocation(unsigned int code, unsigned int index,
                                                           const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetVideoCapsLocation(unsigned int code, unsigned int index,
                                                         const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetHdmiVSDBLocation(unsigned int code, unsigned int index,
                                                        unsigned int sub,
                                                        const unsigned char *base) const;
    virtual void SetGeneralInfo(CeaGeneralInfo *info);
    virtual void SetVideoDataBlock(unsigned int index, CeaSVDDataBlock *video);
    virtual void SetAudioDataBlock(unsigned int index, CeaSADDataBlock *audio);
    virtual void SetGenericDataBlock(unsigned int index, CeaGenericDataBlock *generic);
    virtual void SetSpeakersAllocation(unsigned int index, CeaSpeakerAllocation *speakers);
    virtual void SetColorimetry(unsigned int index, CeaColometry *colorimetry);
    virtual void SetVideoCaps(unsigned int index, CeaVideoCaps *caps);
    virtual void SetHdmiVSDB(unsigned int index, CeaHdmiVSDB *vsdb);
    virtual unsigned char getHdmiLatencyField(const CeaHdmiVSDB *vsdb, unsigned int field) const;
    virtual void setHdmiLatencyField(CeaHdmiVSDB *vsdb, unsigned int field,
                                     unsigned char value) const;
    virtual void fillDetailedTimings(CallbackFillContentTgt *target);
    virtual void fillSVDTimings(CallbackFillContentTgt *target);
    virtual void fillSVDTiming(CallbackFillContentTgt *target, CeaVideoCodeByte svd);
    virtual void fillHdmiVicTimings(CallbackFillContentTgt *target);
    virtual void fillHdmiVicTiming(CallbackFillContentTgt *target, unsigned int hdmiVic);
    virtual int validateGeneralInfo(CallbackFillContentTgt *target);
    virtual int validateDTD(CallbackFillContentTgt *target, unsigned int index);
    virtual int validateDataBlock(CallbackFillContentTgt *target, unsigned int index);
    virtual void fillCellDataBlock(unsigned int byte, unsigned int index, QString *name,
                                   QString *description);
    virtual void fillCellSAD(unsigned int byte, unsigned int index, QString *name,
                             QString *description);
    virtual void fillCellSVD(unsigned int byte, unsigned int index, QString *name,
                             QString *description);
    virtual void fillCellSpeakers(unsigned int byte, unsigned int index, QString *name,
                                  QString *description);
    virtual void fillCellVideoCaps(unsigned int byte, unsigned int index, QString *name,
                                   QString *description);
    virtual void fillCellColorimetry(unsigned int byte, unsigned int index, QString *name,
                                     QString *description);
    virtual void fillCellHdmiVSDB(unsigned int byte, unsigned int index, QString *name,
                                  QString *description);

    // Changes the size of data block index to newSize bytes (header included), moving the
    // blocks after it and, when the collection needs the room, the detailed timings. Refused
    // (false, nothing changed) below the kind's minimum size, above 32 bytes or beyond the free
    // bytes. Does not re-compute the checksum: the calling setter does.
    bool resizeDataBlock(unsigned int index, unsigned int newSize);

    // Re-reads the data block collection and the detailed timings from the bytes.
    void rebuildMap();
    // Re-computes the per-VIC 3D support table from the HDMI vendor-specific data blocks.
    void rebuild3DSupport();

    unsigned dataBlockCount() const { return static_cast<unsigned>(m_dataBlocks.size()); }
    unsigned dtdCount() const { return m_dtdCount; }
    // The 18-byte slots from byte 2 on up to the last one that is not all zero (detailed timings,
    // display descriptors and the empty slots between them).
    unsigned slotCount() const { return m_slotCount; }
    // The bytes from 4 on that the collection holds: its data blocks, and bytes before byte 2
    // that no data block explains when they are not all zero.
    unsigned collectionLength() const { return m_collectionLength; }
    unsigned freeDataBlockBytes() const { return m_freeDataBlockBytes; }
    unsigned freeDtdBytes() const { return m_freeDtdBytes; }
    // The map entry of data block index; null when there is none.
    const CeaDataBlockEntry *dataBlockEntry(unsigned int index) const;

protected:
    void recalcCheckSum() override;

private:
    unsigned dtdOffset() const;
    unsigned freeBytes() const { return m_freeDataBlockBytes + m_freeDtdBytes; }
    unsigned collectionEnd() const;
    // Block byte of detailed timing index, and the first byte after the slot area.
    unsigned timingStart(unsigned index) const;
    unsigned slotAreaEnd() const;
    bool allZero(unsigned from, unsigned count) const;
    bool validIndex(unsigned int index) const;
    // Block byte of data block index's header byte and first payload byte.
    unsigned blockStart(const CeaDataBlockEntry &entry) const;
    unsigned payloadStart(const CeaDataBlockEntry &entry) const;
    unsigned payloadLength(const CeaDataBlockEntry &entry) const;
    // Payload byte k of the entry, 0 when the block is shorter.
    quint8 payloadByte(const CeaDataBlockEntry &entry, unsigned k) const;
    // Writes payload byte k of the entry; nothing when the block is shorter.
    void setPayloadByte(const CeaDataBlockEntry &entry, unsigned k, quint8 value);

    void moveBytes(unsigned from, unsigned to, unsigned count);
    void zeroBytes(unsigned from, unsigned count);
    // Moves the slot area so that it starts at newOffset (byte 2 follows).
    void moveSlots(unsigned newOffset);
    // Takes count bytes out at block byte at (inside the collection): what follows them up to
    // the end of the slot area, or of the collection when there is none, moves down by count,
    // byte 2 follows the slot area, and the freed bytes before byte 127 are cleared.
    void closeGap(unsigned at, unsigned count);
    // After a change of the collection (newEnd: its new end, counted from byte 4) or of the
    // slots: without a slot area byte 2 follows the end of the collection and the bytes after
    // it are cleared; the map and the 3D table are rebuilt.
    void collectionChanged(unsigned newEnd);
    void set3DSupportFromVSDB(const CeaHdmiVSDB &vsdb, const CeaSVDDataBlock &svds);

    QList<EdidItemLocation> location(unsigned blockByte, unsigned length,
                                     const unsigned char *base) const;
    QList<EdidItemLocation> dataBlockLocation(const CeaDataBlockEntry &entry, unsigned from,
                                              unsigned length, const unsigned char *base) const;

    unsigned char *rawData;
    QVector<CeaDataBlockEntry> m_dataBlocks;
    unsigned char m_3DSupport[64];
    quint32 m_dtdCount = 0;
    quint32 m_slotCount = 0;
    quint8 m_timingSlot[MaxDtds] = {}; // slot of detailed timing k
    quint32 m_dtdAreaLength = 0;       // d - 4 when there is a slot area, else 0
    quint32 m_freeDataBlockBytes = 0;
    quint32 m_freeDtdBytes = 0;
    quint32 m_collectionLength = 0; // end of the last data block, counted from byte 4
};
