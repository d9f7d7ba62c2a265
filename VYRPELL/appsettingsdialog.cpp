#include "appsettingsdialog.h"

#include "ui_appsettingsdialog.h"

#include <QScrollBar>

AppSettingsDialog::AppSettingsDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::AppSettingsDialog)
{
    m_ui->setupUi(this);
}

AppSettingsDialog::~AppSettingsDialog() = default;

QTreeWidget *AppSettingsDialog::settingTree() const
{
    return m_ui->settingTree;
}

QStackedWidget *AppSettingsDialog::settingsStackedWidget() const
{
    return m_ui->settingsStackedWidget;
}

void AppSettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The items are added after construction, by the main window and the plug-ins:
    // widen the tree to its widest item, up to half the dialog, so none is cut off.
    QTreeWidget *tree = m_ui->settingTree;
    QSplitter *splitter = m_ui->splitter;
    const QAbstractItemView *view = tree; // the tree's own column width, indentation included
    const int wanted = view->sizeHintForColumn(0) + 2 * tree->frameWidth()
                       + tree->verticalScrollBar()->sizeHint().width();
    const int available = splitter->width() - splitter->handleWidth();
    const int width = qMin(wanted, available / 2);
    if (width > tree->width())
        splitter->setSizes({width, available - width});
}
