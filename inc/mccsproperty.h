#pragma once

#include <QString>

// One property of an MCCS capability string, e.g. name "type" with value "lcd" for
// "type(lcd)". The value is the text inside the parentheses, without them.
struct MccsProperty
{
    QString name;
    QString value;
};
