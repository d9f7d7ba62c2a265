#include "DiExtGammaCarveItems.h"

#include "model/diext/diextblock.h"

DiExtGammaCarveItems::DiExtGammaCarveItems(DiExtBlock *block, unsigned char *image)
    : DiExtItem(WholeSection, WholeSection, block, image, &DiExtBlock::GetGammaLocation)
{
    setText(VyrEdidColumn::Property, tr("Gamma Section"));
}
