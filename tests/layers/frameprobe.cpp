// Built by the "layers" tests with the include paths of the EDID view frame (vyredidframe): the
// header of a tree item, a layer above the frame, must not be found.
#include "items/displayid/vyrediddispidblockitem.h"

int vyrLayerProbe()
{
    return 0;
}
