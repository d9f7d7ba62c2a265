#pragma once

#include "items/base/basedescriptoritem.h"

class QLineEdit;
struct ColorManagement;

// A display colour management descriptor (EDID 1.4, tag 0xF9, VESA E-EDID 1.4 section
// 3.10.3.7): the polynomial coefficients a3 and a2 of red, green and blue, one row each
// (VyrEdidColorMgmtSubItem). A coefficient is stored as a signed 16-bit number in units of
// 0.01, so the editors show and take two decimals within -327.68 .. 327.67 (the range offered is
// symmetric); an edit writes only the coefficient of its row.
class VyrEdidColorMgmtItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    static constexpr unsigned int CoefficientCount = 6;

    VyrEdidColorMgmtItem(unsigned int slotNumber, DataBlock *block);

    // Builds the six rows; no rows without a block or when the block cannot read the
    // descriptor (always true).
    bool InitItems() override;

public slots:
    // Writes the coefficient of row code (VyrEdidColorMgmtSubItem::Code) from its editor.
    void onDataChanged(unsigned int code);

private:
    QLineEdit *m_edits[CoefficientCount] = {};
};
