#pragma once

// The entries of the DisplayID timing data blocks: one row per Type I (20-byte), Type II
// (11-byte) or Type III (3-byte) descriptor, with its fields in edit cells, and the texts of
// their drop-down lists.
#include "items/displayid/detailedtimingdesc.h"
#include "items/displayid/didtimingtexttable.h"
#include "items/displayid/displayidtimingitem.h"
#include "items/displayid/type1timingentry.h"
#include "items/displayid/type2timingentry.h"
#include "items/displayid/type3timingentry.h"
