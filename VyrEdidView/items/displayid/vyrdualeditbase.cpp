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
}
