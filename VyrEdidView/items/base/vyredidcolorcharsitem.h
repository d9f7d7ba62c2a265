#pragma once

#include "items/base/vyredidbasegroupitem.h"

#include <QString>

class QLineEdit;

// The "Color Characteristics Info" group of the base block: the CIE x and y of the red, green
// and blue primaries and of the white point (bytes 25 to 34), one row each
// (VyrEdidColorCharsSubItem). A coordinate is stored as a 10-bit code, the value times 1024;
// its editor shows and takes the value with three decimals.
class VyrEdidColorCharsItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    VyrEdidColorCharsItem(unsigned char *block, Edid13Block *edid13, Edid14Block *edid14);

    // Builds the eight rows and fills them from the block (empty editors without a model).
    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // Puts the block's eight coordinates into the editors; called once, by InitItems().
    void UpdateItemData();

    // The value of a 10-bit code: code / 1024.
    static float colorToFloat(unsigned int code);
    // The code nearest to the value of text times 1024 (0 to 1023); 0 when text is no number.
    // Three decimals do not tell every code apart (codes 21 and 22 both show 0.021), so the
    // nearest code is taken and an editor left unchanged writes nothing at all.
    static unsigned int colorStrToUint(const QString &text);

public slots:
    void onRedX();
    void onRedY();
    void onGreenX();
    void onGreenY();
    void onBlueX();
    void onBlueY();
    void onWhiteX();
    void onWhiteY();

private:
    // Writes the coordinate of row code from its editor.
    void editCoordinate(unsigned int code);

    QLineEdit *m_editors[8] = {};
};
