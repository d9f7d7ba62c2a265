#pragma once

#include "edid13block.h"

// Block object of an EDID 1.4 base block (structure version 1, revision 4; later revisions
// such as 1.5 are read the same way). Everything of the EDID 1.3 block holds, except the EDID
// 1.4 meaning of the basic display parameters (aspect ratio instead of a size, colour depth and
// interface of a digital input, continuous frequency), the range limits descriptor with rate
// offsets and CVT support, and three further display descriptors: colour management (tag 0xF9),
// CVT 3-byte timing codes (0xF8) and established timings III (0xF7).
//
// CVT codes are addressed as (descriptor slot number 1..4, index 0..3); established timings
// III as (section 1..4 = descriptor slot number, index 0..43).
class Edid14Block : public Edid13Block
{
    Q_DECLARE_TR_FUNCTIONS(Edid14Block)

public:
    Edid14Block(unsigned char *image, unsigned size, unsigned offset, CallbackContext *context);
    ~Edid14Block() override;

    static const EstablishedMode EstablishedTimingsIII[44];

    static bool IsEdid14(unsigned char *data, unsigned size);
    static bool InitBuffer(unsigned char *data, unsigned size);
    static bool ValidateEdid14(CallbackFillContentTgt *target, unsigned char *image,
                               unsigned offset, unsigned size);

    // DataBlock
    void FillModeInfo(CallbackFillContentTgt *target) override;
    bool IsDescriptorSupported(DescriptorID id) override;
    bool SetColorManagement(unsigned slot, ColorManagement *colorManagement) override;
    bool GetColorManagement(unsigned slot, ColorManagement *colorManagement) override;
    void SetRangeLimits(unsigned slot, RangeLimits *limits) override;
    void SetEstablishedTimingSupport(unsigned section, unsigned index, bool supported) override;
    bool IsEstablishedTimingSupported(unsigned section, unsigned index) override;
    void GetRangeLimits(unsigned slot, RangeLimits *limits) override;
    QString GetEstablishedTimingName(unsigned section, unsigned index) override;
    void AddDescriptor(DescriptorID id, unsigned slot) override;

    // Edid13Block
    void GetMaxResolution(Resolution *resolution) override;
    void GetBasicDisplayParams(BasicDisplayParams *params) override;
    void SetBasicDisplayParams(BasicDisplayParams *params) override;

    // The index-based CVT operations of DataBlock stay visible beside the descriptor-based
    // ones below (they do nothing for a base block).
    using DataBlock::GetCvt3ByteTiming;
    using DataBlock::SetCvt3ByteTiming;

    // Operations of the EDID 1.4 base block, in slot order.
    // Binary contract (ARCHITECTURE.md): this order, across the access sections below.
    virtual QList<EdidItemLocation> GetDCMLocation(unsigned code, unsigned slot);
    virtual QList<EdidItemLocation> GetCVTLocation(unsigned code, unsigned slot);
    // Name kept as spelled (ARCHITECTURE.md).
    virtual QList<EdidItemLocation> GetEstablisheIIILocation(unsigned code, unsigned slot);
    virtual void SetCvt3ByteTiming(unsigned slot, unsigned index, Cvt3ByteTiming *timing);

protected:
    virtual void fillCvt3ByteTimings(CallbackFillContentTgt *target);

public:
    // Decodes code index of the CVT 3-byte code descriptor in slot number slot; false when the
    // slot holds no such descriptor or an address is out of range.
    virtual bool GetCvt3ByteTiming(unsigned slot, unsigned index, Cvt3ByteTiming *timing);

protected:
    virtual void getMaxResFromCVT(const EdidCvt3ByteTiming *raw, Resolution *resolution);
    virtual void fillCellColorMgmtDesc(unsigned byte, unsigned slot, QString *name,
                                       QString *description);
    virtual void fillCellCVTDesc(unsigned byte, unsigned slot, QString *name, QString *description);
    virtual void fillCellEstIIIDesc(unsigned byte, unsigned slot, QString *name,
                                    QString *description);

    void fillEstablishedTimings(CallbackFillContentTgt *target) override;
    void fillCellDescriptor(unsigned byte, unsigned slot, QString *name,
                            QString *description) override;

private:
    // The 18 bytes of the descriptor in slot number 1..4 when it carries tag; null otherwise.
    unsigned char *taggedDescriptor(EdidDescriptorTag tag, unsigned slotNumber);
};
