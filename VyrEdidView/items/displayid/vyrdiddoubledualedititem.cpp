#include "vyrdiddoubledualedititem.h"

VyrDIDDoubleDualEditItem::VyrDIDDoubleDualEditItem(const QString &name, const QString &label,
                                                   double left, double right, const QString &format)
    : VyrDualSpinCell(name, label, format)
{
    startAt(left, right);
    connectBoxes(this, &VyrDIDDoubleDualEditItem::onLeftValueChanged,
                 &VyrDIDDoubleDualEditItem::onRightValueChanged);
}

VyrDIDDoubleDualEditItem::VyrDIDDoubleDualEditItem(const QString &name, const QString &label,
                                                   double left, double right, const QString &format,
                                                   double minimum, double maximum, int decimals)
    : VyrDualSpinCell(name, label, format)
{
    leftBox()->setDecimals(decimals);
    rightBox()->setDecimals(decimals);
    startIn(left, right, minimum, maximum);
    connectBoxes(this, &VyrDIDDoubleDualEditItem::onLeftValueChanged,
                 &VyrDIDDoubleDualEditItem::onRightValueChanged);
}

void VyrDIDDoubleDualEditItem::onLeftValueChanged(double val)
{
    emit editingFinished(leftName(), QVariant(val));
}

void VyrDIDDoubleDualEditItem::onRightValueChanged(double val)
{
    emit editingFinished(rightName(), QVariant(val));
}
