#include "vyredidviewform.h"

#include "frame/vyredidinfotree.h"
#include "frame/vyredidkinds.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidrowobject.h"
#include "frame/vyredidrows.h"
#include "frame/vyrhexviewtable.h"

#include <QDockWidget>
#include <QFontDatabase>
#include <QHeaderView>
#include <QMetaObject>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

static constexpr int HexColumns = 16;
static constexpr int HexCellWidth = 24;
static constexpr int MaxPropertyWidth = 420;

VyrEdidViewForm::VyrEdidViewForm(bool unused, QWidget *parent)
    : QWidget(parent)
    , m_splitter(new QSplitter(Qt::Horizontal))
    , m_dock(new QDockWidget(tr("EDID HEX VIEW")))
    , m_tree(new VyrEdidInfoTree)
    , m_hexView(new VyrHexViewTable)
{
    Q_UNUSED(unused)
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    m_tree->setHeaderLabels({tr("Property"), tr("Value"), tr("Type"), tr("Action")});
    // Wide enough for the row titles four levels down ("GTF standard with default vlaues").
    m_tree->setColumnWidth(VyrEdidColumn::Property, 330);
    m_tree->setColumnWidth(VyrEdidColumn::Value, 50);
    m_tree->setColumnWidth(VyrEdidColumn::Type, 30);
    m_tree->setColumnWidth(VyrEdidColumn::Action, 30);
    m_tree->setAlternatingRowColors(true);
    // The action column is as wide as its buttons: stretched into what the other columns leave,
    // it would cut "Add Block" in a narrow tree.
    m_tree->header()->setStretchLastSection(false);

    m_hexView->setReadOnly(true);
    m_hexView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_hexView->setTextElideMode(Qt::ElideNone);
    // Set once here rather than on every refill: a style sheet makes Qt polish the whole
    // table again, which would cost more than the refill itself.
    m_hexView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_hexView->horizontalHeader()->setMinimumSectionSize(HexCellWidth);
    // Rows of a fixed height: sized to their contents, every changed cell would make the
    // header measure all 512 cells again.
    m_hexView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_hexView->verticalHeader()->setDefaultSectionSize(m_hexView->fontMetrics().height() + 6);
    m_hexView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hexView->setStyleSheet(
        QStringLiteral("QTableView {selection-background-color: yellow; selection-color: black}"));

    // The dock can be closed (its toggle action shows it again) but not moved or floated.
    m_dock->setObjectName(QStringLiteral("EdidHexViewDock"));
    m_dock->setFeatures(QDockWidget::DockWidgetClosable);
    m_dock->setWidget(m_hexView);

    // The hex view always shows its 16 columns whole; the tree takes the rest of the width.
    const QString widestRow = QStringLiteral("1F0");
    const int hexWidth = m_hexView->verticalHeader()->fontMetrics().horizontalAdvance(widestRow)
                         + 16 * HexCellWidth
                         + m_hexView->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                         + 4 * m_hexView->frameWidth() + 12;
    m_hexView->setMinimumWidth(hexWidth);
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_dock);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setChildrenCollapsible(false);

    // Rows five levels down (the DisplayID timing entries and their fields) need more: an
    // expanded row widens the first column to what the rows now shown need, never narrower,
    // and no wider than leaves the editors beside it in view. Measured once control is back
    // in the event loop: Qt reports expansions while it is still laying out the rows
    // (expandAll()), when they cannot be measured.
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this]() {
        if (m_widenPending)
            return;
        m_widenPending = true;
        QMetaObject::invokeMethod(
            this, [this]() { widenPropertyColumn(); }, Qt::QueuedConnection);
    });
    // Rows added to a built tree (a new CVT code, a new data block) may hold a wider editor or
    // button than its column was made for; the column widens, once the rows are whole.
    connect(m_tree->model(), &QAbstractItemModel::rowsInserted, this, [this]() {
        if (m_valueWidenPending)
            return;
        m_valueWidenPending = true;
        QMetaObject::invokeMethod(
            this, [this]() { widenEditorColumns(); }, Qt::QueuedConnection);
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { on_edidTree_selected(current); });
    connect(m_tree, &VyrEdidInfoTree::edidDataChanged, this,
            &VyrEdidViewForm::onEdidTreeDataChanged);
}

void VyrEdidViewForm::widenPropertyColumn()
{
    m_widenPending = false;
    const int before = m_tree->columnWidth(VyrEdidColumn::Property);
    m_tree->resizeColumnToContents(VyrEdidColumn::Property);
    m_tree->setColumnWidth(VyrEdidColumn::Property,
                           qBound(before, m_tree->columnWidth(VyrEdidColumn::Property),
                                  qMax(before, MaxPropertyWidth)));
}

void VyrEdidViewForm::widenEditorColumns()
{
    m_valueWidenPending = false;
    const struct
    {
        int column;
        int least;
    } columns[] = {{VyrEdidColumn::Value, VyrEdidMainItem::LeastValueWidth},
                   {VyrEdidColumn::Action, VyrEdidMainItem::LeastActionWidth}};
    for (const auto &c : columns) {
        const int needed = VyrEdidMainItem::neededColumnWidth(m_tree, c.column, c.least);
        if (needed > m_tree->columnWidth(c.column))
            m_tree->setColumnWidth(c.column, needed);
    }
}

VyrEdidViewForm::~VyrEdidViewForm()
{
    // Nothing the tree does while it goes may reach the form or write into the image.
    m_tree->disconnect(this);
    m_tree->model()->disconnect(this);
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        VyrEdidRows::detach(m_tree->topLevelItem(i));
    delete m_tree;
    delete m_hexView;
    delete m_dock;
}

void VyrEdidViewForm::InitViewer(VyrDeviceManager *manager)
{
    Q_UNUSED(manager)
}

void VyrEdidViewForm::SetEdid(unsigned char *image)
{
    m_image = image;
    if (m_image)
        rebuildData();
}

VyrEdidMainItem *VyrEdidViewForm::createRootItem(unsigned char *image)
{
    return new VyrEdidMainItem(image);
}

void VyrEdidViewForm::rebuildData()
{
    m_rootItem = nullptr;
    VyrEdidRows::removeTopLevelItems(m_tree);
    m_hexView->clearSelection();
    populateHexViewer();
    m_rootItem = createRootItem(m_image);
    m_tree->addTopLevelItem(m_rootItem);
    m_rootItem->InitItems();
    m_rootItem->setExpanded(true);
}

void VyrEdidViewForm::populateHexViewer()
{
    const QList<QTableWidgetSelectionRange> ranges = m_hexView->selectedRanges();
    m_hexView->setBuffer(static_cast<unsigned short>(m_imageSize), m_image);
    for (const QTableWidgetSelectionRange &range : ranges)
        m_hexView->setRangeSelected(range, true);
}

void VyrEdidViewForm::calculateHexViewSelectionRange(const QList<EdidItemLocation> &locations,
                                                     QList<QTableWidgetSelectionRange> &ranges)
{
    ranges.clear();
    for (const EdidItemLocation &location : locations) {
        if (location.length == 0)
            continue;
        const int first = static_cast<int>(location.offset);
        const int last = static_cast<int>(location.offset + location.length - 1);
        const int firstRow = first / HexColumns;
        const int lastRow = last / HexColumns;
        if (firstRow == lastRow) {
            ranges.append({firstRow, first % HexColumns, lastRow, last % HexColumns});
            continue;
        }
        ranges.append({firstRow, first % HexColumns, firstRow, HexColumns - 1});
        for (int row = firstRow + 1; row < lastRow; ++row)
            ranges.append({row, 0, row, HexColumns - 1});
        ranges.append({lastRow, 0, lastRow, last % HexColumns});
    }
}

void VyrEdidViewForm::hexViewerSetSelection(const QList<EdidItemLocation> &locations)
{
    m_hexView->clearSelection();
    QList<QTableWidgetSelectionRange> ranges;
    calculateHexViewSelectionRange(locations, ranges);
    for (const QTableWidgetSelectionRange &range : qAsConst(ranges))
        m_hexView->setRangeSelected(range, true);
    if (!ranges.isEmpty()) {
        const QTableWidgetSelectionRange &top = ranges.constFirst();
        if (QTableWidgetItem *cell = m_hexView->item(top.topRow(), top.leftColumn()))
            m_hexView->scrollToItem(cell);
    }
}

void VyrEdidViewForm::on_edidTree_selected(QTreeWidgetItem *item)
{
    // Each row says which bytes it shows (a DisplayID row the half of a value that has the focus);
    // the root, the DisplayID section items and plain rows show none: nothing stays highlighted.
    QList<EdidItemLocation> locations;
    if (auto *row = dynamic_cast<VyrEdidRowObject *>(item))
        locations = row->highlightedLocations();
    hexViewerSetSelection(locations);
}

void VyrEdidViewForm::onEdidTreeDataChanged()
{
    populateHexViewer();
}
