#pragma once

#include "items/displayid/imultiedit.h"
#include "items/displayid/vyrfocusfilter.h"

#include <QString>
#include <QWidget>

class QAbstractSpinBox;

// Base of the two-value cells: a left and a right control side by side, separated by "/".
// Focus in and out of either control is reported as focusChanged(bool), and
// GetFocusedCtrlIdx() tells which of them has the focus, so the row shows that value's bytes.
class VyrDualEditBase : public VyrFocusFilter<VyrDualEditBase, QWidget>, public IMultiEdit
{
    Q_OBJECT
    Q_INTERFACES(IMultiEdit)

public:
    explicit VyrDualEditBase(QWidget *parent = nullptr);

    // 0 when the left control has the keyboard focus, 1 the right one, -1 neither.
    int GetFocusedCtrlIdx() override;
    void OnFocusChanged(bool in) override;

    // Shows text, the value now stored for the control that reported under name (ending in
    // " left" or " right"), in that control without reporting it. A control that has the focus
    // keeps the keys being typed into it: it shows the text once its editing finishes (Return
    // or focus out).
    void showStored(const QString &name, const QString &text);

signals:
    void focusChanged(bool in);

protected:
    // Lays out left, "/", right (without step buttons) and watches their focus.
    void layOut(QAbstractSpinBox *left, QAbstractSpinBox *right);

    // Sets the control of side (0 left, 1 right) to the value of text, a number as
    // QString::number() writes it, without reporting it.
    virtual void setShownValue(int side, const QString &text) = 0;

private:
    // Shows the text held back for side, if any.
    void showPending(int side);

    // The stored value a focused control shows once its editing finishes; null: none.
    QString m_pending[2];

    // The focus pair: not owned, null until layOut().
    QWidget *m_leftControl = nullptr;
    QWidget *m_rightControl = nullptr;
};
