#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class PluginInfo;
class QLabel;
class QPushButton;
class QTreeWidget;

// Lists the file names of the loaded plug-ins, in the order in which they were
// initialised, with an "OK" button that closes the dialog.
class PluginInfoDlg : public QDialog
{
    Q_OBJECT

public:
    // path: the folder the plug-ins were loaded from, shown above the list.
    PluginInfoDlg(const QString &path, const QList<PluginInfo *> &plugins,
                  QWidget *parent = nullptr);

    // Adds a row showing text for the plug-in whose root object is plugin; nothing
    // for a null root object.
    void populateTreeWidget(QObject *plugin, const QString &text);

private:
    QLabel *m_label;
    QTreeWidget *m_treeWidget;
    QPushButton *m_okButton;
};
