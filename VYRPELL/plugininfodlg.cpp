#include "plugininfodlg.h"

#include "plugininfo.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

PluginInfoDlg::PluginInfoDlg(const QString &path, const QList<PluginInfo *> &plugins,
                             QWidget *parent)
    : QDialog(parent)
    , m_label(new QLabel)
    , m_treeWidget(new QTreeWidget)
    , m_okButton(new QPushButton(tr("OK")))
{
    m_label->setText(tr("Plugins loaded from %1:").arg(QDir::toNativeSeparators(path)));
    m_label->setWordWrap(true);

    m_treeWidget->setAlternatingRowColors(false);
    m_treeWidget->setSelectionMode(QAbstractItemView::NoSelection);
    m_treeWidget->setColumnCount(1);
    m_treeWidget->setHeaderHidden(true);
    m_treeWidget->setRootIsDecorated(false);

    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QWidget::close);

    // Columns 0 and 2 take the spare width, so the button sits centred under the list.
    auto *layout = new QGridLayout(this);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    layout->addWidget(m_label, 0, 0, 1, 3);
    layout->addWidget(m_treeWidget, 1, 0, 1, 3);
    layout->addWidget(m_okButton, 2, 1);
    m_okButton->setFocus();

    setWindowTitle(tr("Plugin Information"));
    resize(420, 300);

    for (const PluginInfo *plugin : plugins) {
        if (plugin && plugin->item)
            populateTreeWidget(plugin->item->rootObject, plugin->item->fileName);
    }
}

void PluginInfoDlg::populateTreeWidget(QObject *plugin, const QString &text)
{
    if (!plugin)
        return;
    auto *item = new QTreeWidgetItem(m_treeWidget);
    item->setText(0, text);
}
