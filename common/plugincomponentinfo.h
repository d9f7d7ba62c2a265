#pragma once

#include <QString>

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
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
