#include "vyrdidcheckboxitem.h"

#include "items/displayid/didcelldata.h"

VyrDIDCheckBoxItem::VyrDIDCheckBoxItem(const QString &name, const QString &label, int bit,
                                       bool isChecked)
    : QCheckBox(label)
    , m_name(name)
    , m_bit(bit)
{
    registerDidCellTypes();
    setChecked(isChecked);
    connect(this, &QCheckBox::stateChanged, this, &VyrDIDCheckBoxItem::onEditingFinished);
}

void VyrDIDCheckBoxItem::onEditingFinished(int state)
{
    emit editingFinished(m_name, QVariant::fromValue(CheckBoxData{m_bit, state == Qt::Checked}));
}
