#pragma once

#include <QString>

// One component of a plug-in, as listed by getComponentInfoList().
struct PluginComponentInfo
{
    PluginComponentInfo() = default;
    PluginComponentInfo(qint32 componentNumber, const QString &componentText)
        : number(componentNumber)
        , text(componentText)
    {}

    qint32 number = 0;
    QString text;
};
