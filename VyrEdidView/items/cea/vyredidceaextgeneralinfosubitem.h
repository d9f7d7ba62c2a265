#pragma once

#include "frame/vyrediditembase.h"

class CeaExtBlock;

// A row of the general information of a CEA-861 extension that stands for header bytes: its
// title by field code and the bytes the field takes (2 revision, 3 start of the detailed
// timings, 4 checksum, 5 to 8 the flags of byte 3; any other code the whole block).
class VyrEdidCeaExtGeneralInfoSubItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    enum FieldCode : unsigned int {
        Revision = 2,
        DtdOffset = 3,
        Checksum = 4,
        YCbCr422 = 5,
        YCbCr444 = 6,
        BasicAudio = 7,
        Underscan = 8
    };

    // index: not used by the header fields (-1).
    VyrEdidCeaExtGeneralInfoSubItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                                    unsigned char *image);

    // Sets the title of the field code.
    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int fieldCode() const { return m_fieldCode; }
    static QString titleOf(unsigned int fieldCode);

private:
    unsigned int m_index;
    unsigned int m_fieldCode;
    CeaExtBlock *m_block;
};
