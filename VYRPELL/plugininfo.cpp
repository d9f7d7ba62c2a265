#include "plugininfo.h"

#include "fwinterface.h"

PluginInfo::PluginInfo(const QString &path, const QString &name)
    : item(std::make_unique<PluginItem>(path, name))
{}

bool PluginInfo::operator<(const PluginInfo &other) const
{
    if (!item || !other.item || !item->fwInterface || !other.item->fwInterface)
        return false;
    return item->fwInterface->getPriority() < other.item->fwInterface->getPriority();
}
