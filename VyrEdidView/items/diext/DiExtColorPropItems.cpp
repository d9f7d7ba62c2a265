#include "DiExtColorPropItems.h"

#include "model/diext/diextblock.h"

DiExtColorPropItems::DiExtColorPropItems(DiExtBlock *block, unsigned char *image)
    : DiExtItem(WholeSection, WholeSection, block, image, &DiExtBlock::GetColorPropertiesLocation)
{
    setText(VyrEdidColumn::Property, tr("Color//Luminance Properties"));
}
