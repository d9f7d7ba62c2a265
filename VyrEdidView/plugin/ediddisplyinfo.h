#pragma once

#include <QString>

// One display offered for the registry value of the save page: the entry of the display combo
// box at the same position. The name is spelled as the form's other members know it.
struct EdidDisplyInfo
{
    QString text;             // the display's name, or "Not Connected"
    quint32 deviceIndex = 0;  // position of the display's device in the device manager's list
    quint32 displayIndex = 0; // the display's index as the driver numbers it
};
