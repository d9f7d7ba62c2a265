#include "pluginitem.h"

#include <QPluginLoader>

PluginItem::PluginItem(const QString &path, const QString &name)
    : filePath(path)
    , fileName(name)
    , loader(new QPluginLoader(path))
{}

PluginItem::~PluginItem()
{
    if (m_unloadOnDestroy && loader)
        loader->unload();
}
