#pragma once

#include <QDialog>

#include <memory>

class QStackedWidget;
class QTreeWidget;

namespace Ui {
class AppSettingsDialog;
}

// The settings dialog: a tree of settings items on the left and a stack of pages on
// the right, with OK and Cancel. It holds no settings itself: the main window and
// every plug-in add their own items and pages to the tree and the stack, switch pages
// on the tree's selection and store their values when the dialog is accepted.
class AppSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AppSettingsDialog(QWidget *parent = nullptr);
    ~AppSettingsDialog() override;

    QTreeWidget *settingTree() const;
    QStackedWidget *settingsStackedWidget() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::AppSettingsDialog> m_ui;
};
