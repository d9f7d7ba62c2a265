#pragma once

#include "ceaextdatablockitem.h"

#include <QString>

// A field row of a fixed-size data block (speaker allocation, video capability, colorimetry, see
// CeaExtDataBlockFieldsItem): its label and the bytes its field takes, as the block object
// locates them by field code. The editor in its value column belongs to the block item that made
// the row.
class CeaExtDataBlockFieldRow : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    using Locate = QList<EdidItemLocation> (CeaExtBlock::*)(unsigned int code, unsigned int index,
                                                            const unsigned char *base) const;

    CeaExtDataBlockFieldRow(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                            unsigned char *image, const QString &label, Locate locate);

    bool InitItems() override { return true; }
    QList<EdidItemLocation> GetItemLocations() const override;

private:
    Locate m_locate;
};
