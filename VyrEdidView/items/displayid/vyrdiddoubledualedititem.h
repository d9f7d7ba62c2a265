#pragma once

#include "items/displayid/vyrdualspincell.h"

#include <QDoubleSpinBox>
#include <QString>
#include <QVariant>

// A cell of two real numbers. Every change of a value is reported as
// editingFinished(name + " left" or " right", value); making the cell reports nothing. Like
// the whole-number cell it reports the focus of its boxes, so its row shows the bytes of the
// value being edited.
class VyrDIDDoubleDualEditItem : public VyrDualSpinCell<QDoubleSpinBox, double>
{
    Q_OBJECT

public:
    // Each box starts at its value, which is also its minimum (the maximum is at least 99.99).
    VyrDIDDoubleDualEditItem(const QString &name, const QString &label, double left, double right,
                             const QString &format);
    // Both boxes show decimals places and take values from minimum to maximum, all set before
    // the values and before the boxes are connected.
    VyrDIDDoubleDualEditItem(const QString &name, const QString &label, double left, double right,
                             const QString &format, double minimum, double maximum,
                             int decimals = 2);

signals:
    void editingFinished(const QString &name, const QVariant &value);

public slots:
    void onLeftValueChanged(double val);
    void onRightValueChanged(double val);
};
