#pragma once

#include "items/displayid/vyrdualspincell.h"

#include <QSpinBox>
#include <QString>
#include <QVariant>

// A cell of two whole numbers ("H(pixels)/V(lines)"). Every change of a value is reported as
// editingFinished(name + " left" or " right", value), keystroke by keystroke while typing;
// making the cell reports nothing.
class VyrDIDIntDualEditItem : public VyrDualSpinCell<QSpinBox, int>
{
    Q_OBJECT

public:
    // Each box starts at its value, which is also its minimum (the maximum is at least 99).
    VyrDIDIntDualEditItem(const QString &name, const QString &label, int left, int right,
                          const QString &format);
    // Both boxes take values from minimum to maximum, set before the values and before the
    // boxes are connected, so a value the range moves is not reported.
    VyrDIDIntDualEditItem(const QString &name, const QString &label, int left, int right,
                          const QString &format, int minimum, int maximum);

signals:
    void editingFinished(const QString &name, const QVariant &value);

public slots:
    void onLeftValueChanged(int val);
    void onRightValueChanged(int val);
};
