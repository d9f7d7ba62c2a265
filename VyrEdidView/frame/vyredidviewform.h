#pragma once

#include "model/edidtypes.h"

#include <QList>
#include <QTableWidgetSelectionRange>
#include <QWidget>

class QDockWidget;
class QSplitter;
class QTreeWidgetItem;
class VyrDeviceManager;
class VyrEdidInfoTree;
class VyrEdidMainItem;
class VyrHexViewTable;

// The view page: one EDID image as the EDID tree beside a hex view of its bytes. The bytes of
// the tree's current item are highlighted in the hex view, and every change an item writes into
// the image is redrawn there. The hex view sits in the dock "EDID HEX VIEW" inside the
// splitter; the dock can only be closed, and its toggle action shows and hides it.
class VyrEdidViewForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr unsigned int ImageSize = 512;

    explicit VyrEdidViewForm(bool unused = true, QWidget *parent = nullptr);
    ~VyrEdidViewForm() override;

    void InitViewer(VyrDeviceManager *manager);
    // Shows image (512 bytes, not owned); null keeps the tree as it is.
    void SetEdid(unsigned char *image);

    unsigned char *edid() const { return m_image; }
    VyrEdidInfoTree *tree() const { return m_tree; }
    VyrEdidMainItem *rootItem() const { return m_rootItem; }
    VyrHexViewTable *hexView() const { return m_hexView; }
    QDockWidget *dock() const { return m_dock; }

    // The 16-column hex view ranges of locations.
    static void calculateHexViewSelectionRange(const QList<EdidItemLocation> &locations,
                                               QList<QTableWidgetSelectionRange> &ranges);

public slots:
    void on_edidTree_selected(QTreeWidgetItem *item);
    void onEdidTreeDataChanged();

protected:
    // Makes the root item of a new tree (a test puts its own root here).
    virtual VyrEdidMainItem *createRootItem(unsigned char *image);

private:
    void rebuildData();
    void populateHexViewer();
    void hexViewerSetSelection(const QList<EdidItemLocation> &locations);
    // Widens the first column to what the rows shown now need (see the constructor).
    void widenPropertyColumn();
    // Widens the value and action columns to what their widest widget needs, never narrower
    // (see the constructor).
    void widenEditorColumns();

    QSplitter *m_splitter;
    QDockWidget *m_dock;
    VyrEdidInfoTree *m_tree;
    VyrEdidMainItem *m_rootItem = nullptr;
    VyrHexViewTable *m_hexView;
    unsigned char *m_image = nullptr;
    unsigned int m_imageSize = ImageSize;
    bool m_widenPending = false;
    bool m_valueWidenPending = false;
};
