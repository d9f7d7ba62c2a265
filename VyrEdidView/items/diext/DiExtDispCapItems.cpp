#include "DiExtDispCapItems.h"

#include "model/diext/diextblock.h"

DiExtDispCapItems::DiExtDispCapItems(DiExtBlock *block, unsigned char *image)
    : DiExtItem(WholeSection, WholeSection, block, image, &DiExtBlock::GetDisplayCapsLocation)
{
    setText(VyrEdidColumn::Property, tr("Display Capabilities"));
}
