#pragma once

#include <QTreeWidget>

// The tree widget of the EDID view. Its items report every change they write into the image
// through edidDataChanged(), and a change of where the blocks end through rebuildBlocksSignal(),
// which the root item answers; the view form configures the columns. The wheel changes a list or
// spin box of a row only after the user gave it the focus (VyrEdidWheelGuard).
class VyrEdidInfoTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit VyrEdidInfoTree(QWidget *parent = nullptr);

    // Asks for rebuildBlocksSignal(); false when nothing in the tree answers it (no root item),
    // and the caller rebuilds what it can itself.
    bool requestBlocksRebuild();

signals:
    void edidDataChanged();
    // An item changed where the blocks of the image end (a DisplayID base section that grew or
    // shrank): the root finds the blocks again and builds every block item anew.
    void rebuildBlocksSignal();

public slots:
    void notifyEdidDataChanged();
};
