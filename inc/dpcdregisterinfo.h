#pragma once

#include <QString>

// One DPCD register of the name table: its address and display name. Rows are
// equal when their addresses are equal and order by address.
struct DpcdRegisterInfo
{
    unsigned int address = 0;
    QString name;

    bool operator==(const DpcdRegisterInfo &other) const { return address == other.address; }
    bool operator<(const DpcdRegisterInfo &other) const { return address < other.address; }
};

// Element of the built-in register list.
struct DpcdRegisterInfoElement
{
    unsigned int address;
    QString name;
};
