#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

namespace Ui {
class VyrEdidAddBlockDialog;
}

// A modal dialog offering a list of names (block kinds, descriptor kinds, data block kinds) in a
// drop-down list. After exec() answered 1 (OK) the caller reads the chosen row or name; 0 means
// Cancel, Escape or the window's close button. Accepted without a change it reports row 0.
class VyrEdidAddBlockDialog : public QDialog
{
    Q_OBJECT

public:
    explicit VyrEdidAddBlockDialog(const QStringList &names, QWidget *parent = nullptr);
    ~VyrEdidAddBlockDialog() override;

    QString chosenName() const { return m_chosenName; }
    int chosenRow() const { return m_chosenRow; }

private slots:
    void on_comboBlockList_currentIndexChanged(const QString &text);

private:
    Ui::VyrEdidAddBlockDialog *m_ui;
    QString m_chosenName;
    int m_chosenRow = 0;
};
