#pragma once

#include <QObject>

class QAbstractScrollArea;
class QWidget;

// Keeps the mouse wheel from changing a drop-down list or a spin box of the EDID tree that the
// user has not given the keyboard focus: turned over such a widget, the wheel scrolls the tree,
// as it does over a row without widgets, and the image stays as it is. Once the user clicked
// into the list or spin box, or tabbed to it, the wheel changes its value as usual.
//
// The guard watches the tree's viewport, where the tree puts every cell widget, and every
// widget inside the cell widgets, so lists and spin boxes laid out in composite editors are
// guarded too, also those an editor makes after it was placed. Guarded lists and spin boxes
// take the focus by click and Tab only, never by the wheel.
class VyrEdidWheelGuard : public QObject
{
    Q_OBJECT

public:
    // Guards the cell widgets of view from now on; a child of view.
    explicit VyrEdidWheelGuard(QAbstractScrollArea *view);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Watches widget and every widget inside it.
    void guard(QWidget *widget);
    // The list or spin box in the cell that widget belongs to (widget itself, or one holding
    // it, such as the spin box around its text field); null when there is none.
    QWidget *wheelTaker(QWidget *widget) const;

    QAbstractScrollArea *m_view;
};
