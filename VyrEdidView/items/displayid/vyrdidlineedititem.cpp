#include "vyrdidlineedititem.h"

#include "items/displayid/didcelldata.h"

VyrDIDLineEditItem::VyrDIDLineEditItem(const QString &name, const QString &text,
                                       const QString &format)
    : VyrFocusFilter(text)
    , m_name(name)
    , m_format(format)
{
    registerDidCellTypes();
    installEventFilter(this);
    connect(this, &QLineEdit::editingFinished, this, &VyrDIDLineEditItem::onEditingFinished);
}

void VyrDIDLineEditItem::onEditingFinished()
{
    emit editingFinished(m_name, QVariant(text()));
}

void VyrDIDLineEditItem::OnFocusChanged(bool bIn)
{
    emit focusChanged(bIn);
}
