#include "didsteps.h"

#include "edidtreeharness.h"
#include "items/displayid/vyrdiddoubledualedititem.h"
#include "items/displayid/vyrdidintdualedititem.h"

#include <QtTest>

namespace VyrTest {

QStringList rowPath(const QString &text)
{
    QStringList path;
    for (QString title : text.split(QLatin1Char('/')))
        path << title.replace(QLatin1Char('#'), QLatin1Char('/'));
    return path;
}

bool setDualValue(QWidget *cell, bool left, double value)
{
    if (auto *real = qobject_cast<VyrDIDDoubleDualEditItem *>(cell)) {
        (left ? real->leftBox() : real->rightBox())->setValue(value);
        return true;
    }
    if (auto *whole = qobject_cast<VyrDIDIntDualEditItem *>(cell)) {
        (left ? whole->leftBox() : whole->rightBox())->setValue(qRound(value));
        return true;
    }
    return false;
}

bool didStep(TreeHarness &h, const QStringList &parent, const QString &step)
{
    const QStringList part = step.split(QLatin1Char('|'));
    if (part.size() != 3) {
        qWarning("didStep: malformed step %s", qPrintable(step));
        return false;
    }
    const QStringList path = parent + rowPath(part.at(1));
    const QString &action = part.at(0);
    const QString &argument = part.at(2);
    bool done = false;
    if (action == QLatin1String("choose"))
        done = h.choose(path, argument);
    else if (action == QLatin1String("tick"))
        done = h.tick(path, argument == QLatin1String("1"));
    else if (action == QLatin1String("type"))
        done = h.type(path, argument);
    else if (action == QLatin1String("left") || action == QLatin1String("right"))
        done = setDualValue(h.widget(path), action == QLatin1String("left"), argument.toDouble());
    if (!done)
        qWarning("didStep: %s failed", qPrintable(step));
    h.settle();
    return done;
}

} // namespace VyrTest
