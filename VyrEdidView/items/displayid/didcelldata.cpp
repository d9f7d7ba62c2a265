#include "didcelldata.h"

void registerDidCellTypes()
{
    static const bool registered = [] {
        qRegisterMetaType<CheckBoxData>("CheckBoxData");
        qRegisterMetaType<LineEditData>("LineEditData");
        return true;
    }();
    Q_UNUSED(registered)
}
