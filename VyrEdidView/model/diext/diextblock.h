#pragma once

#include "diexttypes.h"
#include "model/datablock.h"

#include <QList>
#include <QString>

#include <initializer_list>

// One VESA display information extension block (DI-EXT, tag 0x40) inside an EDID image that
// the caller owns. The block has a fixed layout of sections (general information, digital
// interface, display device, display capabilities, colour/luminance decoding, gamma); each
// section is decoded into its record and encoded back in place, and byte 127 is re-computed
// after every change. There is nothing to add or remove.
//
// Location queries answer offsets in the whole image: they take the address of the image's
// first byte (base) and count from there.
class DiExtBlock : public DataBlock
{
    Q_DECLARE_TR_FUNCTIONS(DiExtBlock)

public:
    static constexpr unsigned BlockSize = 128;
    static constexpr unsigned char Tag = 0x40;

    DiExtBlock(unsigned char *buffer, unsigned int size, unsigned int startOffset,
               CallbackContext *context);
    ~DiExtBlock() override;

    static bool IsDiExt(const unsigned char *buffer, unsigned int size);
    static bool InitBuffer(unsigned char *buffer, unsigned int size);
    // Reports why the size bytes at buffer + offset are no DI-EXT block; true when they are.
    static bool ValidateDiExt(CallbackFillContentTgt *target, const unsigned char *buffer,
                              unsigned int offset, unsigned int size);

    // DataBlock slots.
    unsigned GetChecksum() const override;
    // The checksum byte 127 must hold for bytes 0 to 126 as they are now (0 without data).
    unsigned GetComputedChecksum() const;
    unsigned GetBlockSize() const override;
    void FillCellInfo(unsigned byteIndex, QString *name, QString *description,
                      QString *blockTitle) override;
    int Validate(CallbackFillContentTgt *target) override;

    // Own slots, in order.
    // Binary contract (ARCHITECTURE.md): this order.
    virtual void GetGeneralInfo(DiGeneralInfo *info) const;
    virtual void GetDataFormatDesc(DiDataFormatDesc *format) const;
    virtual void GetDisplayDevice(DiDisplayDevice *device) const;
    virtual void GetDisplayCaps(DiDisplayCaps *caps) const;
    virtual void GetColorProperties(DiColorProperties *color) const;
    virtual void GetGamma(DiGamma *gamma) const;
    virtual QList<EdidItemLocation> GetGeneralInfoLocation(unsigned int code, unsigned int index,
                                                           const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetDataFormatDescLocation(unsigned int code, unsigned int index,
                                                              const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetDisplayDeviceLocation(unsigned int code, unsigned int index,
                                                             const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetDisplayCapsLocation(unsigned int code, unsigned int index,
                                                           const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetColorPropertiesLocation(unsigned int code,
                                                               unsigned int index,
                                                               const unsigned char *base) const;
    virtual QList<EdidItemLocation> GetGammaLocation(unsigned int code, unsigned int index,
                                                     const unsigned char *base) const;
    virtual void SetGeneralInfo(const DiGeneralInfo *info);
    virtual void SetDataFormatDesc(const DiDataFormatDesc *format);
    virtual void SetDisplayDevice(const DiDisplayDevice *device);
    virtual void SetDisplayCaps(const DiDisplayCaps *caps);
    virtual void SetColorProperties(const DiColorProperties *color);
    virtual void SetGamma(const DiGamma *gamma);
    virtual void fillCellDI(unsigned int byte, QString *name, QString *description);
    virtual void fillCellDisplayDevice(unsigned int byte, QString *name, QString *description);
    virtual void fillCellDisplayCaps(unsigned int byte, QString *name, QString *description);
    virtual void fillCellGamma(unsigned int byte, QString *name, QString *description);
    virtual int validateGeneralInfo(CallbackFillContentTgt *target);
    virtual int validateDataFormatDesc(CallbackFillContentTgt *target);
    virtual int validateDisplayDevice(CallbackFillContentTgt *target);
    virtual int validateDisplayCaps(CallbackFillContentTgt *target);
    virtual int validateColorProperties(CallbackFillContentTgt *target);
    virtual int validateGamma(CallbackFillContentTgt *target);

protected:
    void recalcCheckSum() override;

private:
    // One range of the block, as an offset in the image counted from base.
    EdidItemLocation location(unsigned blockByte, unsigned length, const unsigned char *base) const;
    QList<EdidItemLocation> locations(std::initializer_list<unsigned> blockBytes,
                                      const unsigned char *base) const;

    unsigned char *rawData;
};
