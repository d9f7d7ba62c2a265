#pragma once

#include <QEvent>
#include <QObject>

#include <utility>

// A widget of class Widget that watches focus events: every FocusIn and FocusOut that reaches
// its event filter (its own, or those of the controls it installed the filter on) is passed to
// OnFocusChanged(). Events always go on to their target unchanged.
//
// A class template cannot carry Q_OBJECT, so the cell deriving from it declares the signals
// and interfaces; Cell names that class.
template <typename Cell, typename Widget> class VyrFocusFilter : public Widget
{
public:
    template <typename... Arguments>
    explicit VyrFocusFilter(Arguments &&...arguments)
        : Widget(std::forward<Arguments>(arguments)...)
    {}

    // in: true when the focus came in, false when it went out.
    virtual void OnFocusChanged(bool in) = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            OnFocusChanged(event->type() == QEvent::FocusIn);
        Q_UNUSED(watched)
        return false;
    }
};
