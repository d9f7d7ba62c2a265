#include "vyrdidintdualedititem.h"

VyrDIDIntDualEditItem::VyrDIDIntDualEditItem(const QString &name, const QString &label, int left,
                                             int right, const QString &format)
    : VyrDualSpinCell(name, label, format)
{
    startAt(left, right);
    connectBoxes(this, &VyrDIDIntDualEditItem::onLeftValueChanged,
                 &VyrDIDIntDualEditItem::onRightValueChanged);
}

VyrDIDIntDualEditItem::VyrDIDIntDualEditItem(const QString &name, const QString &label, int left,
                                             int right, const QString &format, int minimum,
                                             int maximum)
    : VyrDualSpinCell(name, label, format)
{
    startIn(left, right, minimum, maximum);
    connectBoxes(this, &VyrDIDIntDualEditItem::onLeftValueChanged,
                 &VyrDIDIntDualEditItem::onRightValueChanged);
}

void VyrDIDIntDualEditItem::onLeftValueChanged(int val)
{
    emit editingFinished(leftName(), QVariant(val));
}

void VyrDIDIntDualEditItem::onRightValueChanged(int val)
{
    emit editingFinished(rightName(), QVariant(val));
}
