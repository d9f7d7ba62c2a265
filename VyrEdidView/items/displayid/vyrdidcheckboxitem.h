#pragma once

#include <QCheckBox>
#include <QString>
#include <QVariant>

// A check box cell for one flag of a group: each change of its state is reported as
// editingFinished(name, CheckBoxData{bit, checked}); making the cell reports nothing.
class VyrDIDCheckBoxItem : public QCheckBox
{
    Q_OBJECT

public:
    // label: the text beside the box; bit: the flag's number in its group.
    VyrDIDCheckBoxItem(const QString &name, const QString &label, int bit, bool isChecked);

    QString name() const { return m_name; }
    int bit() const { return m_bit; }

signals:
    void editingFinished(const QString &name, const QVariant &value);

public slots:
    void onEditingFinished(int state);

private:
    QString m_name;
    int m_bit;
};
