#include "vyrnumbertext.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QRegularExpression>

namespace VyrNumberText {

namespace {

// A number as it may stand while it is typed: a sign, digits (a whole number also with group
// separators) and, for a real number, one point. The validators below never refuse such text key
// by key, whatever its value: a value out of range stays what the user typed until Return or the
// focus leaving refuses it as a whole. Refused key by key, a typed 65536 would read 6553, and
// Return would store a number nobody typed.
bool wholeForm(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[+-]?[0-9,]*$"));
    return form.match(text).hasMatch();
}

bool realForm(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[+-]?[0-9]*\\.?[0-9]*$"));
    return form.match(text).hasMatch();
}

class WholeValidator : public QIntValidator
{
public:
    WholeValidator(int minimum, int maximum, const QList<int> &alsoAccepted, QObject *parent)
        : QIntValidator(minimum, maximum, parent)
        , m_alsoAccepted(alsoAccepted)
    {
        setLocale(wholeLocale());
    }

    State validate(QString &input, int &position) const override
    {
        qlonglong value = 0;
        if (readWhole(input, &value) && m_alsoAccepted.contains(int(value)))
            return Acceptable;
        const State state = QIntValidator::validate(input, position);
        return state == Invalid && wholeForm(input) ? Intermediate : state;
    }

    QString accepted() const
    {
        QString text = rangeText(bottom(), top(), 0);
        for (const int value : m_alsoAccepted)
            text += QStringLiteral(", %1").arg(value);
        return text;
    }

private:
    QList<int> m_alsoAccepted;
};

class RealValidator : public QDoubleValidator
{
public:
    RealValidator(double minimum, double maximum, int decimals, QObject *parent)
        : QDoubleValidator(minimum, maximum, decimals, parent)
    {
        setNotation(QDoubleValidator::StandardNotation);
        setLocale(realLocale());
    }

    State validate(QString &input, int &position) const override
    {
        const State state = QDoubleValidator::validate(input, position);
        return state == Invalid && realForm(input) ? Intermediate : state;
    }
};

} // namespace

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
    return new WholeValidator(minimum, maximum, {}, parent);
}

QValidator *wholeValidator(int minimum, int maximum, const QList<int> &alsoAccepted,
                           QObject *parent)
{
    return new WholeValidator(minimum, maximum, alsoAccepted, parent);
}

QValidator *realValidator(double minimum, double maximum, int decimals, QObject *parent)
{
    return new RealValidator(minimum, maximum, decimals, parent);
}

QString rangeText(double bottom, double top, int decimals)
{
    const QString from = QString::number(bottom, 'f', decimals);
    const QString to = QString::number(top, 'f', decimals);
    return bottom < 0 ? QStringLiteral("%1 to %2").arg(from, to)
                      : QStringLiteral("%1-%2").arg(from, to);
}

QString acceptedText(const QValidator *validator)
{
    if (auto *whole = dynamic_cast<const WholeValidator *>(validator))
        return whole->accepted();
    if (auto *whole = qobject_cast<const QIntValidator *>(validator))
        return rangeText(whole->bottom(), whole->top(), 0);
    if (auto *real = qobject_cast<const QDoubleValidator *>(validator))
        return rangeText(real->bottom(), real->top(), real->decimals());
    return QString();
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
