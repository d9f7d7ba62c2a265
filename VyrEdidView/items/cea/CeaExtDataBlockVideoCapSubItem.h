#pragma once

#include "ceaextdatablockfieldrow.h"

// A row of CeaExtDataBlockVideoCapItem: its label and the payload byte.
class CeaExtDataBlockVideoCapSubItem : public CeaExtDataBlockFieldRow
{
    Q_OBJECT

public:
    CeaExtDataBlockVideoCapSubItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                                   unsigned char *image);
};
