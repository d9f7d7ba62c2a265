#include "vyredidwheelguard.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QWheelEvent>

namespace {

// The widgets that change their value when the wheel turns over them.
bool takesWheel(const QWidget *widget)
{
    return qobject_cast<const QComboBox *>(widget)
           || qobject_cast<const QAbstractSpinBox *>(widget);
}

bool hasFocusWithin(const QWidget *widget)
{
    const QWidget *focus = QApplication::focusWidget();
    return widget->hasFocus() || (focus && widget->isAncestorOf(focus));
}

} // namespace

VyrEdidWheelGuard::VyrEdidWheelGuard(QAbstractScrollArea *view)
    : QObject(view)
    , m_view(view)
{
    guard(view->viewport());
}

void VyrEdidWheelGuard::guard(QWidget *widget)
{
    QList<QWidget *> widgets = widget->findChildren<QWidget *>();
    widgets.prepend(widget);
    for (QWidget *w : qAsConst(widgets)) {
        // Installing again only moves the filter to the front.
        w->installEventFilter(this);
        // Qt gives a list or spin box the focus when the wheel turns over it (their default
        // policy is Qt::WheelFocus): the wheel alone would make it take the wheel.
        if (takesWheel(w) && w->focusPolicy() == Qt::WheelFocus)
            w->setFocusPolicy(Qt::StrongFocus);
    }
}

QWidget *VyrEdidWheelGuard::wheelTaker(QWidget *widget) const
{
    // Up to the viewport, never out of a window of its own (the open list of a drop-down list).
    for (QWidget *w = widget; w && w != m_view->viewport(); w = w->parentWidget()) {
        if (takesWheel(w))
            return w;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

bool VyrEdidWheelGuard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildPolished: {
        // A cell widget put into the tree, or a widget made inside one. A child still being
        // constructed is watched now and guarded in full when it is polished, before it shows.
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child && child->isWidgetType())
            guard(static_cast<QWidget *>(child));
        break;
    }
    case QEvent::Wheel: {
        if (!watched->isWidgetType())
            break;
        QWidget *taker = wheelTaker(static_cast<QWidget *>(watched));
        if (!taker || hasFocusWithin(taker))
            break;
        // Scroll the tree instead, as a turn of the wheel over its viewport does.
        auto *wheel = static_cast<QWheelEvent *>(event);
        QWidget *viewport = m_view->viewport();
        QWheelEvent scroll(viewport->mapFromGlobal(wheel->globalPosition().toPoint()),
                           wheel->globalPosition(), wheel->pixelDelta(), wheel->angleDelta(),
                           wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted(),
                           wheel->source());
        QCoreApplication::sendEvent(viewport, &scroll);
        event->accept();
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
