#pragma once

#include "model/edidtypes.h"

#include <QList>
#include <QString>

namespace VyrTest {

// A location list as "offset:length offset:length ..." for table comparisons.
QString locationText(const QList<EdidItemLocation> &list);

} // namespace VyrTest
