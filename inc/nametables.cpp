#include "nametables.h"

#include <QCoreApplication>

#include <initializer_list>

namespace {

// The texts, each translated once.
QStringList translated(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QCoreApplication::translate("NameTables", text);
    return list;
}

} // namespace

const QStringList &LinkRateToStringTable()
{
    static const QStringList table = translated(
        {QT_TRANSLATE_NOOP("NameTables", "RBR"), QT_TRANSLATE_NOOP("NameTables", "HBR"),
         QT_TRANSLATE_NOOP("NameTables", "HBR2"), QT_TRANSLATE_NOOP("NameTables", "RBR2")});
    return table;
}

const QStringList &VoltageSwingToStringTable()
{
    static const QStringList table = translated(
        {QT_TRANSLATE_NOOP("NameTables", "400 mV"), QT_TRANSLATE_NOOP("NameTables", "600 mV"),
         QT_TRANSLATE_NOOP("NameTables", "800 mV"), QT_TRANSLATE_NOOP("NameTables", "1200 mV")});
    return table;
}

const QStringList &PreEmphasisToStringTable()
{
    static const QStringList table = translated(
        {QT_TRANSLATE_NOOP("NameTables", "0 dB"), QT_TRANSLATE_NOOP("NameTables", "3.5 dB"),
         QT_TRANSLATE_NOOP("NameTables", "6 dB"), QT_TRANSLATE_NOOP("NameTables", "8.5 dB"),
         QT_TRANSLATE_NOOP("NameTables", "9.5 dB")});
    return table;
}

const QStringList &SinkSignalString()
{
    static const QStringList table = {QStringLiteral("Unknown"), QStringLiteral("CRT"),
                                      QStringLiteral("DVI"), QStringLiteral("DVI"),
                                      QStringLiteral("CV")};
    return table;
}

const QStringList &ScreenOrientationString()
{
    static const QStringList table = {QStringLiteral("0"), QStringLiteral("90"),
                                      QStringLiteral("180"), QStringLiteral("270")};
    return table;
}
