#pragma once

#include "ceaextdatablockfieldrow.h"

// A row of CeaExtDataBlockColorimetryItem: its label and the bytes of its field.
class CeaExtDataBlockColorimetrySubItem : public CeaExtDataBlockFieldRow
{
    Q_OBJECT

public:
    CeaExtDataBlockColorimetrySubItem(unsigned int fieldCode, unsigned int index,
                                      CeaExtBlock *block, unsigned char *image);
};
