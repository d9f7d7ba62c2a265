#pragma once

#include "items/displayid/imultiedit.h"
#include "items/displayid/vyrfocusfilter.h"

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

signals:
    void focusChanged(bool in);

protected:
    // Lays out left, "/", right (without step buttons) and watches their focus.
    void layOut(QAbstractSpinBox *left, QAbstractSpinBox *right);

private:
    // The focus pair: not owned, null until layOut().
    QWidget *m_leftControl = nullptr;
    QWidget *m_rightControl = nullptr;
};
