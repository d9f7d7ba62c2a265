#pragma once

#include <QWidget>

class QAction;
class QPoint;
class QRadioButton;
class QToolButton;
class QTreeWidgetItem;
class VyrDeviceManager;
class VyrDeviceSelectTree;
class VyrSystemManager;

// Lets the user pick one node of the device model: a system, a graphics device, an
// adapter, a display or an MST branch. The pick is written into the node's device
// manager's selection record (that node alone), the manager becomes the selected one,
// and currentItemChanged() follows. Around the tree: "Device View" / "Desktop View" to
// switch its layout, a refresh button, and a context menu of system and device actions,
// each group offered only when a bit of the view option allows it
// (VyrDeviceViewOption).
//
// The tree is rebuilt whenever the model announces a rebuild, so no item ever points
// into a model that is gone; the first system item is current afterwards. A change of
// layout keeps the pick where the new layout shows it and drops it where it does not.
class VyrDeviceSelectWidget : public QWidget
{
    Q_OBJECT

public:
    explicit VyrDeviceSelectWidget(unsigned int viewOption, QWidget *parent = nullptr);
    ~VyrDeviceSelectWidget() override;

    VyrDeviceSelectWidget(const VyrDeviceSelectWidget &) = delete;
    VyrDeviceSelectWidget &operator=(const VyrDeviceSelectWidget &) = delete;

    // Shows the model of the manager (not owned; null: an empty tree) and rebuilds the tree
    // whenever one of its device managers rebuilds or the list of managers changes. The
    // same manager again does nothing. No item becomes current here.
    void SetSystemManager(VyrSystemManager *systemManager);
    // The low 8 bits become the view option of the widget and the tree; a changed option
    // rebuilds the tree, keeping the pick where the new layout shows it.
    void SetViewOption(unsigned int viewOption);
    // Rebuilds the tree and makes its first system item current.
    void UpdateDeviceView();
    void SetInitialSelection();

    VyrSystemManager *systemManager() const { return m_systemManager; }
    unsigned int viewOption() const { return m_viewOption; }
    VyrDeviceSelectTree *tree() const { return m_tree; }
    QRadioButton *desktopViewButton() const { return m_desktopView; }
    QRadioButton *deviceViewButton() const { return m_deviceView; }
    QToolButton *refreshButton() const { return m_refreshButton; }
    // The context-menu actions in menu order.
    QList<QAction *> contextActions() const;
    // The actions a right-click offers now (the visible ones, in menu order); no menu
    // opens while there is none.
    QList<QAction *> visibleContextActions() const;

signals:
    void currentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void refreshConfigSignal(QTreeWidgetItem *current);
    void connectToSystem();
    void openConfigSignal();
    void closeConfigSignal(VyrDeviceManager *manager);

public slots:
    void onUpdateConfiguration();
    void onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void onItemSelectionChanged();
    void onDeviceViewSelect(bool state);
    void onConfigurationChanged();
    void onInstallDriverAction();
    void onStartDeviceAction();
    void onStopDeviceAction();
    void onRestartDeviceAction();
    void onOpenConfig();
    void onConfigRefresh();
    void onConfigClose();
    void onConfigSave();

private:
    void showRadioButtons();
    // Rebuilds the tree in the layout of the view option (nothing when the tree shows it
    // already) and keeps the pick: the item of the same model object becomes current again.
    // Without one in the new layout nothing is current and the record names nothing.
    void rebuildKeepingPick();
    void connectDeviceManagers();
    void startStopCurrentDevice(int option);
    void showContextMenu(const QPoint &position);

    VyrSystemManager *m_systemManager = nullptr;
    quint8 m_viewOption = 0;
    VyrDeviceSelectTree *m_tree = nullptr;
    QRadioButton *m_desktopView = nullptr;
    QRadioButton *m_deviceView = nullptr;
    QToolButton *m_refreshButton = nullptr;
    QAction *m_installDriver = nullptr;
    QAction *m_stopDevice = nullptr;
    QAction *m_startDevice = nullptr;
    QAction *m_restartDevice = nullptr;
    QAction *m_connectSystem = nullptr;
    QAction *m_connectAndroid = nullptr;
    QAction *m_loadConfig = nullptr;
    QAction *m_refreshConfig = nullptr;
    QAction *m_removeSystem = nullptr;
    QAction *m_saveConfig = nullptr;
};
