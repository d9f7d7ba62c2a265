#pragma once

#include "items/displayid/vyrdiditembase.h"

#include <memory>

// Bit (bit & 7) of bytes[bit >> 3]: mode bit of a DisplayID timing bitmap.
bool GetBit(const unsigned char *bytes, unsigned int bit);

// Base of the DisplayID bitmap data blocks (VESA and CEA timing standard): one check box per
// bit of the payload, bit b of payload byte k standing for mode 8k + b. Ticking or clearing a
// box writes the whole bitmap back from the flags read when the rows were built.
//
// A payload of another length than the bitmap's has no bitmap: its boxes are shown cleared and
// disabled, and the item neither reads nor writes its bytes.
class VyrDIDTimingBitmapBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    bool InitItems() override;
    // value: the CheckBoxData {bit, checked} of a box.
    void DoEdit(const QString &name, const QVariant &value) override;

    // Whether the payload held a bitmap of the right length when the rows were built.
    bool hasBitmap() const { return m_bitmap != nullptr; }

protected:
    using Getter = void (DisplayIDBlock::*)(unsigned int, unsigned char **) const;
    using Setter = void (DisplayIDBlock::*)(unsigned int, const bool *);

    // tag: the data block's tag (its title); bitCount: the modes of the bitmap (80 or 64);
    // debugText: the start of the debug line of an edit.
    VyrDIDTimingBitmapBlock(unsigned int index, DisplayIDBlock *model, unsigned int tag,
                            unsigned int bitCount, Getter get, Setter set, const char *debugText);

    // The text beside the box of bit.
    virtual QString modeLabel(unsigned int bit) const = 0;

private:
    unsigned int m_tag;
    unsigned int m_bitCount;
    Getter m_get;
    Setter m_set;
    const char *m_debugText;
    // The payload when it is a bitmap of the right length; null until InitItems() found one.
    unsigned char *m_bitmap = nullptr;
    // One flag per bit, in step with the boxes.
    std::unique_ptr<bool[]> m_flags;
};
