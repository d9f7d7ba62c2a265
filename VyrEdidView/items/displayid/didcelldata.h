#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

// The values the DisplayID edit cells report with editingFinished(name, value), and the
// entries they are filled with.

// A check box of a flag group: its flag's number in the group and its new state.
struct CheckBoxData
{
    int bit = 0;
    bool isChecked = false;
};

// One entry of a combo box cell: the text shown and the value stored as its user data.
struct ComboBoxData
{
    QString text;
    int value = 0;
};

// A named value, accepted by the DisplayID items as an edit value.
struct LineEditData
{
    QString name;
    QVariant value;
};

Q_DECLARE_METATYPE(CheckBoxData)
Q_DECLARE_METATYPE(LineEditData)

// Registers "CheckBoxData" and "LineEditData" with the meta-type system (once; the cells call
// it when they are made).
void registerDidCellTypes();
