#pragma once

#include "items/displayid/didcelldata.h"

#include <QComboBox>
#include <QList>
#include <QString>
#include <QVariant>

// A drop-down cell whose entries carry values. Every change of the current entry is reported as
// editingFinished(name, the entry's value); clearing the list and the first entry added change
// it too, so the owner fills the cell and chooses its entry before connecting it.
class VyrDIDComboBoxItem : public QComboBox
{
    Q_OBJECT

public:
    explicit VyrDIDComboBoxItem(const QString &name);

    QString name() const { return m_name; }

    using QComboBox::addItem;
    using QComboBox::addItems;
    // Appends an entry showing entry.text with entry.value as its user data.
    void addItem(const ComboBoxData &entry);
    // Clears the list, then appends entries in order.
    void addItems(const QList<ComboBoxData> &entries);
    // Makes the first entry holding value current; none (-1) when no entry holds it. Answers
    // the new current position.
    int setCurrentValue(int value);
    // Shows a stored value without reporting it: its entry, or "Unknown (0x..)" for a value no
    // entry holds (see ComboRows), which is never reported as an edit.
    void showStoredValue(unsigned value);

signals:
    void editingFinished(const QString &name, const QVariant &value);

public slots:
    void onEditingFinished(int index);

private:
    QString m_name;
};
