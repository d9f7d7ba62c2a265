#include "displayidblock.h"

int DisplayIDBlock::Validate(CallbackFillContentTgt *)
{
    return 0;
}
