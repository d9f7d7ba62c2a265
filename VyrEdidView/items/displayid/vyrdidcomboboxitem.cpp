#include "vyrdidcomboboxitem.h"

#include "widgets/comborows.h"

#include <QIcon>

VyrDIDComboBoxItem::VyrDIDComboBoxItem(const QString &name)
    : m_name(name)
{
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VyrDIDComboBoxItem::onEditingFinished);
}

void VyrDIDComboBoxItem::addItem(const ComboBoxData &entry)
{
    insertItem(count(), QIcon(), entry.text, QVariant(entry.value));
}

void VyrDIDComboBoxItem::addItems(const QList<ComboBoxData> &entries)
{
    clear();
    for (const ComboBoxData &entry : entries)
        addItem(entry);
}

int VyrDIDComboBoxItem::setCurrentValue(int value)
{
    setCurrentIndex(findData(QVariant(value)));
    return currentIndex();
}

void VyrDIDComboBoxItem::showStoredValue(unsigned value)
{
    ComboRows::show(this, {findData(QVariant(int(value))), value});
}

void VyrDIDComboBoxItem::onEditingFinished(int index)
{
    if (!ComboRows::isUnknown(this, index))
        emit editingFinished(m_name, itemData(index));
}
