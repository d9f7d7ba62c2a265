#pragma once

#include <QTreeWidget>

// The tree widget of the EDID view. Its items report every change they write into the image
// through edidDataChanged(); the view form configures the columns. The wheel changes a list or
// spin box of a row only after the user gave it the focus (VyrEdidWheelGuard).
class VyrEdidInfoTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit VyrEdidInfoTree(QWidget *parent = nullptr);

signals:
    void edidDataChanged();

public slots:
    void notifyEdidDataChanged();
};
