#pragma once

#include "model/edidtypes.h"

#include <QString>
#include <QStringList>

#include <functional>

class VyrDIDCheckBoxItems;
class VyrDIDLineEditItem;

// Cells the DisplayID data-block items share.

// A line cell showing value as decimal text, type tag "[DEC]", taking whole numbers from 0 to
// maximum.
VyrDIDLineEditItem *decimalLineCell(const QString &name, unsigned int value, int maximum);

// Fills group, which must be in its tree, with one check box per label: box n has no name, the
// label labels[n], the number n, and starts checked as checked(n). Every box's row shows the
// group's location. Boxes report no change while they are made.
void fillFlagGroup(VyrDIDCheckBoxItems *group, const QStringList &labels,
                   const std::function<bool(int)> &checked, const EdidItemLocation &location);

// Sets box n of group, filled by fillFlagGroup(), to checked(n) without reporting a change.
void showFlagGroup(VyrDIDCheckBoxItems *group, const std::function<bool(int)> &checked);
