#include "vyrversion.h"

QString vyrVersionText()
{
    return QStringLiteral("1.0.00");
}
