#pragma once

// The EDID tree: the item base with the toolkit every item builds on, the tree widget, and the
// root item that finds the blocks of an image and builds their items.

#include "frame/vyredidinfotree.h"
#include "frame/vyrediditembase.h"
#include "frame/vyredidmainitem.h"
