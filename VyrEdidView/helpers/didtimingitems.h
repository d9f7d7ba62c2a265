#pragma once

// The entries of the DisplayID timing data blocks: one row per Type I (20-byte), Type II
// (11-byte) or Type III (3-byte) descriptor, with its fields in edit cells, and the texts of
// their drop-down lists.
#include "helpers/detailedtimingdesc.h"
#include "helpers/didtimingtexttable.h"
#include "helpers/displayidtimingitem.h"
#include "helpers/type1timingentry.h"
#include "helpers/type2timingentry.h"
#include "helpers/type3timingentry.h"
