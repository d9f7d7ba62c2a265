// Built by the "layers" tests with the include paths of the EDID view's tree items
// (vyredidview): the header of the plug-in, a layer above the items, must not be found.
#include "plugin/vyredidviewplugin.h"

int vyrLayerProbe()
{
    return 0;
}
