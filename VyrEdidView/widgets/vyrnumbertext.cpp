#include "vyrnumbertext.h"

#include <QDoubleValidator>
#include <QIntValidator>

namespace VyrNumberText {

QLocale wholeLocale()
{
    return QLocale::c();
}

QLocale realLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    return locale;
}

QValidator *wholeValidator(int minimum, int maximum, QObject *parent)
{
    auto *validator = new QIntValidator(minimum, maximum, parent);
    validator->setLocale(wholeLocale());
    return validator;
}

QValidator *realValidator(double minimum, double maximum, int decimals, QObject *parent)
{
    auto *validator = new QDoubleValidator(minimum, maximum, decimals, parent);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(realLocale());
    return validator;
}

bool readWhole(const QString &text, qlonglong *number)
{
    bool ok = false;
    const qlonglong value = wholeLocale().toLongLong(text, &ok);
    if (ok && number)
        *number = value;
    return ok;
}

bool readReal(const QString &text, double *number)
{
    bool ok = false;
    const double value = realLocale().toDouble(text, &ok);
    if (ok && number)
        *number = value;
    return ok;
}

} // namespace VyrNumberText
