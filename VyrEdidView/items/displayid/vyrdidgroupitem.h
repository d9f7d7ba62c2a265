#pragma once

#include "items/displayid/vyrdidtreewidgetitem.h"

#include <QString>
#include <QVariant>

// A group row: a title row whose children hold the cells of one field group. An edit of any
// cell is passed on as editingFinished(the group's name, the cell's value), so the owner reads
// which cell changed from the value, never from the name.
class VyrDIDGroupItem : public VyrDIDTreeWidgetItem
{
    Q_OBJECT

public:
    QString name() const { return m_name; }

signals:
    void editingFinished(const QString &name, const QVariant &value);

public slots:
    void onEditingFinished(const QString &name, const QVariant &value);

protected:
    // A row showing name under parent (none: the caller adds it).
    VyrDIDGroupItem(const QString &name, QTreeWidgetItem *parent);

private:
    QString m_name;
};
