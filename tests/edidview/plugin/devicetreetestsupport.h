#pragma once

// Shared by the tests of the device tree, the device select widget, the load/save form and
// the plug-in: a simulated machine with its device manager listed in a system manager, and
// ways to read and pick items of a device tree.

#include "devicemodeltestsupport.h"
#include "vyrsystemmanager.h"

#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <memory>

namespace DeviceTreeTest {

// A machine file of the EDID view tests' data folder.
inline QString machine(const QString &name)
{
    return QStringLiteral(VYR_EDIDVIEW_TEST_DATA "/") + name;
}

// The simulated machine (the demo for an empty name, else a file of the data folder) with its
// device manager built and listed in a system manager, which selects it.
struct Model
{
    explicit Model(const QString &file = QString())
        : built(file.isEmpty() ? QString() : machine(file))
    {
        if (!built.ready())
            return;
        system = std::make_unique<VyrSystemManager>(&built.machine.info);
        system->AddDeviceManager(built.manager.get());
    }
    bool ready() const { return system != nullptr; }
    VyrDeviceManager *manager() const { return built.manager.get(); }
    VyrDisplay *display(int index) const { return built.display(index); }

    DeviceModelTest::BuiltMachine built;
    std::unique_ptr<VyrSystemManager> system;
};

// The tree as one line: each item's text, its children in brackets after it, siblings
// separated by ", ": "local system(GPU on PCI_BUS 1(HDMI (0), DP (2)))".
inline QString itemOutline(const QTreeWidgetItem *item)
{
    QString text = item->text(0);
    if (item->childCount() == 0)
        return text;
    QStringList children;
    for (int i = 0; i < item->childCount(); ++i)
        children << itemOutline(item->child(i));
    return text + QLatin1Char('(') + children.join(QStringLiteral(", ")) + QLatin1Char(')');
}

inline QString outline(const QTreeWidget *tree)
{
    QStringList top;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        top << itemOutline(tree->topLevelItem(i));
    return top.join(QStringLiteral(", "));
}

// The first item whose text starts with prefix; null when there is none.
inline QTreeWidgetItem *findItem(QTreeWidget *tree, const QString &prefix)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->text(0).startsWith(prefix))
            return *it;
    }
    return nullptr;
}

// Whether every item of the tree is expanded (a leaf counts as expanded).
inline bool allExpanded(QTreeWidget *tree)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->childCount() > 0 && !(*it)->isExpanded())
            return false;
    }
    return true;
}

} // namespace DeviceTreeTest
