#pragma once

// The edit cells of the DisplayID rows and their group rows: one-line text, two whole or real
// numbers, a check box, a drop-down list; the check-box group and the text-cell group.
#include "items/displayid/didcelldata.h"
#include "items/displayid/imultiedit.h"
#include "items/displayid/vyrdidcheckboxitem.h"
#include "items/displayid/vyrdidcheckboxitems.h"
#include "items/displayid/vyrdidcomboboxitem.h"
#include "items/displayid/vyrdiddoubledualedititem.h"
#include "items/displayid/vyrdidintdualedititem.h"
#include "items/displayid/vyrdidlineedititem.h"
#include "items/displayid/vyrdidtreeitem.h"
#include "items/displayid/vyrdualeditbase.h"
