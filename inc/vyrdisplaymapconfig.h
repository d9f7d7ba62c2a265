#pragma once

#include "noxapi.h"

#include <QList>

// An adapter's current display map: its desktops (maps) and the displays they drive
// (targets), in the order the driver returns them.
struct VyrDisplayMapConfig
{
    QList<NOXDisplayMap> maps;
    QList<NOXDisplayTarget> targets;
};
