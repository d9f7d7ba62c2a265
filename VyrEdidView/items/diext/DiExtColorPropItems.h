#pragma once

#include "items/diext/diextitem.h"
#include "model/diext/diexttypes.h"

#include <functional>

// One row of the "Color//Luminance Properties" section of a DI-EXT block. Field codes: 50
// "Monitor Color Depth" (bytes 32-37) with 51 "Blue" to 56 "Cr//Pr" (one byte each) and 57
// "Dithering" (byte 31 bit 7); 59 "Default Decoding" (byte 27); 60 "Preferred Decoding" (byte 28);
// 61 "Decoding Capabilities" (bytes 29-30) with the check rows 62-69 (byte 29) and 70-75 (byte
// 30). Any other code has no title and covers the section.
class DiExtColorPropSubItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtColorPropSubItems(unsigned int code, unsigned int index, DiExtBlock *block,
                           unsigned char *image);
};

// The "Color//Luminance Properties" section of a DI-EXT block (bytes 27-37): the bit depth of
// each colour channel, dithering, the default and preferred colour decodings and the decodings
// the display supports.
class DiExtColorPropItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtColorPropItems(DiExtBlock *block, unsigned char *image);

    bool InitItems() override;

private:
    void onCheckStateChanged(bool state, int subItemType);
    void onComboDefDecoding(int index);
    void onComboPrefDecoding(int index);
    // The depth of row code (51-56) typed into its editor.
    void onEditDepth(unsigned int code, const QString &text);

    // A check row of code below parent, showing its flag.
    void placeFlag(unsigned int code, QTreeWidgetItem *parent);
    // Reads the section, lets change set its field, writes the section and notifies.
    void edit(const std::function<void(DiColorProperties &)> &change);

    DiColorProperties m_color;
};
