#pragma once

#include "items/diext/diextitem.h"
#include "model/diext/diexttypes.h"

#include <functional>

class QComboBox;

// One row of the "Gamma Section" of a DI-EXT block. Field codes: 77 "Gamma Points" (byte 81,
// parent of the curves), 78 "Number of Points" and 79 "Table Content" (the section); the curves
// 80 "White", 82 "Blue", 84 "Green", 86 "Red" and their points 81, 83, 85, 87, whose index is
// the point's place in the 45 values (bytes 82-126); a curve's index is that of its first
// point, or -1 (byte 81) for the white curve. Points have no title: their editor sits in the
// title column.
class DiExtGammaCarveSubItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtGammaCarveSubItems(unsigned int code, unsigned int index, DiExtBlock *block,
                            unsigned char *image);
};

// The "Gamma Section" of a DI-EXT block (bytes 81-126): the kind of table (none, one white
// curve of up to 45 points, or blue, green and red curves of up to 15 points each), the number
// of points per curve and the point values.
class DiExtGammaCarveItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtGammaCarveItems(DiExtBlock *block, unsigned char *image);

    bool InitItems() override;

private:
    void onComboTableContentChanged(int index);
    void onComboNumOfPointsChanged(int index);
    void onItemDataChanged(int index, const QString &value);

    // Builds the curves and their point rows below "Gamma Points" again from the block.
    void rebuildData();
    // Adds a curve row below "Gamma Points" with editors for count points, the first at first.
    void addCurve(unsigned int code, unsigned int first, unsigned int count);
    // The section as the block holds it, with the number of points cut to what the table's
    // curves hold.
    DiGamma current() const;
    // Reads the section, lets change set its fields, writes the section and notifies.
    void edit(const std::function<void(DiGamma &)> &change);

    DiGamma m_gamma;
    DiExtGammaCarveSubItems *m_pointsRow = nullptr;
    QComboBox *m_tableCombo = nullptr;
    QComboBox *m_pointsCombo = nullptr;
};
