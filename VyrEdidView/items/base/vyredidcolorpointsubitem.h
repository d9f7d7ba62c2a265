#pragma once

#include "items/base/basedescriptoritem.h"
#include "model/base/edidbaserecords.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class QTreeWidgetItem;

// One white point of a colour point descriptor: "Enable White", "Index", "WhiteX", "WhiteY" and
// "Gamma" (with its "defined" box in the action column), rows of VyrEdidColorPointSubChildItem.
//
// Each edit reads the descriptor from the block, changes this white point's fields that the
// edit is about and writes it back (the block encodes both white points and the checksum).
// x and y are 10-bit codes shown as code / 1024 with three decimals, which cannot tell every
// code apart, so the item keeps the codes and writes a coordinate's code anew only after its
// own text was changed. An index of 0 marks an unused white point (its index, x and y bytes are
// then 0); a gamma byte of 0xFF marks an undefined gamma.
class VyrEdidColorPointSubItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    static constexpr unsigned int WhitePointCount = 2;

    // w: the white point, 0 or 1; record: the descriptor as read, for the editors' contents.
    VyrEdidColorPointSubItem(unsigned int w, unsigned int slotNumber, const ColorPoint &record,
                             DataBlock *block);

    bool InitItems() override;
    // Descriptor bytes 4 to 16.
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int whitePoint() const { return m_w; }

    // The 10-bit code of a coordinate: 1023 for 1.0 (and above), else the whole part of v x 1024,
    // plus one when the rest is above one half.
    static unsigned int doubleToCChar(double v);
    // The coordinate of a 10-bit code: c / 1024.
    static double ccharToDouble(unsigned int c);

public slots:
    void onEnableWhite(bool on);
    void onIndex();
    void onWhiteX();
    void onWhiteY();
    void onGammaDefined(bool on);
    void onGamma();

private:
    // Adds the row of code and runs its InitItems.
    QTreeWidgetItem *addRow(unsigned int code);
    // Writes index, x and y of the white point when it is enabled and its index is valid.
    void writeWhitePoint();
    // Writes the gamma when it is defined and its text is valid.
    void writeGamma();
    void editPoint(const std::function<void(ColorPoint &)> &change);

    unsigned int m_w;
    ColorPoint m_record;
    unsigned int m_x = 0;
    unsigned int m_y = 0;
    QCheckBox *m_enable = nullptr;
    QCheckBox *m_gammaDefined = nullptr;
    QLineEdit *m_index = nullptr;
    QLineEdit *m_whiteX = nullptr;
    QLineEdit *m_whiteY = nullptr;
    QLineEdit *m_gamma = nullptr;
};
