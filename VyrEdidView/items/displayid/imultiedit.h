#pragma once

#include <QtPlugin>

// A cell that edits more than one value: tells which of its controls has the keyboard focus,
// so that its row can show the bytes of that value only. Rows ask for it with
// qobject_cast<IMultiEdit *>(cell).
class IMultiEdit
{
public:
    virtual ~IMultiEdit() = default;
    // 0 for the left control, 1 for the right one, -1 when none of them has the focus.
    virtual int GetFocusedCtrlIdx() = 0;
};

Q_DECLARE_INTERFACE(IMultiEdit, "com.vyr.vyrpell.IMultiEdit/1.0")
