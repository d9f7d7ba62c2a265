#pragma once

#include <QString>

// Version of the program as shown to the user ("1.0.00").
QString vyrVersionText();
