#pragma once

// The groups of a CEA-861 extension block item: general information, the detailed timing list
// and the data block collection, with their rows.
#include "ceaextdatablocksitem.h"
#include "ceaextdetiledtimingitem.h"
#include "ceaextdetiledtimingsubchilditem.h"
#include "ceaextdetiledtimingsubitem.h"
#include "vyredidceaextgeneralinfoitem.h"
#include "vyredidceaextgeneralinfosubitem.h"
