#pragma once

#include "ceaextdatablockfieldrow.h"

// A row of CeaExtDataBlockSpeakerAllocItem: its label and the bytes of its field.
class CeaExtDataBlockSpeakerAllocSubItem : public CeaExtDataBlockFieldRow
{
    Q_OBJECT

public:
    CeaExtDataBlockSpeakerAllocSubItem(unsigned int fieldCode, unsigned int index,
                                       CeaExtBlock *block, unsigned char *image);
};
