#include "vyrdualeditbase.h"

#include <QAbstractSpinBox>
#include <QHBoxLayout>
#include <QLabel>

VyrDualEditBase::VyrDualEditBase(QWidget *parent)
    : VyrFocusFilter(parent)
{}

int VyrDualEditBase::GetFocusedCtrlIdx()
{
    if (m_leftControl && m_leftControl->hasFocus())
        return 0;
    if (m_rightControl && m_rightControl->hasFocus())
        return 1;
    return -1;
}

void VyrDualEditBase::OnFocusChanged(bool in)
{
    emit focusChanged(in);
}

void VyrDualEditBase::showStored(const QString &name, const QString &text)
{
    const bool left = name.endsWith(QLatin1String(" left"));
    if (text.isNull() || (!left && !name.endsWith(QLatin1String(" right"))))
        return;
    const int side = left ? 0 : 1;
    const QWidget *control = left ? m_leftControl : m_rightControl;
    m_pending[side] = text;
    if (control && !control->hasFocus())
        showPending(side);
}

void VyrDualEditBase::showPending(int side)
{
    const QString text = m_pending[side];
    m_pending[side] = QString();
    if (!text.isNull())
        setShownValue(side, text);
}

void VyrDualEditBase::layOut(QAbstractSpinBox *left, QAbstractSpinBox *right)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    left->setButtonSymbols(QAbstractSpinBox::NoButtons);
    right->setButtonSymbols(QAbstractSpinBox::NoButtons);
    layout->addWidget(left);
    layout->addWidget(new QLabel(QStringLiteral("/")));
    layout->addWidget(right);
    m_leftControl = left;
    m_rightControl = right;
    left->installEventFilter(this);
    right->installEventFilter(this);
    connect(left, &QAbstractSpinBox::editingFinished, this, [this] { showPending(0); });
    connect(right, &QAbstractSpinBox::editingFinished, this, [this] { showPending(1); });
}
