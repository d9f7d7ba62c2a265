#include "ceaextdatablockvshdmirows.h"

#include "model/cea/ceaextblock.h"

#include <QCoreApplication>

namespace {

using Title = CeaExtDataBlockVSHDMIRow::Title;

// The titles live in the item's translation context: the item and its rows are one unit.
#define VSDB_TITLE(code, text)                                                                     \
    Title                                                                                          \
    {                                                                                              \
        code, QT_TRANSLATE_NOOP("CeaExtDataBlockVSHDMIItem", text)                                 \
    }

// One table for every row class: the classes are built with field codes of their own part, the
// ranges do not overlap. Codes 76, 81 (entry rows) and 83 (HDMI VICs) have no title here.
const Title VsdbRowTitles[] = {
    VSDB_TITLE(45, "Source Physical Address"),
    VSDB_TITLE(46, "A"),
    VSDB_TITLE(47, "B"),
    VSDB_TITLE(48, "C"),
    VSDB_TITLE(49, "D"),
    VSDB_TITLE(50, "Features"),
    VSDB_TITLE(51, "DVI Dual Link"),
    VSDB_TITLE(52, "AI(ISRC/ACP packets)"),
    VSDB_TITLE(53, "DC RGB 30bpp"),
    VSDB_TITLE(54, "DC RGB 36bpp"),
    VSDB_TITLE(55, "DC RGB 48bpp"),
    VSDB_TITLE(56, "DC YCbCr 4:4:4"),
    VSDB_TITLE(57, "Clock Rate"),
    VSDB_TITLE(58, "Max. TMDS Clock(MHz)"),
    VSDB_TITLE(59, "Flags"),
    VSDB_TITLE(60, "CN0(Graphics)"),
    VSDB_TITLE(61, "CN1(Photo)"),
    VSDB_TITLE(62, "CN2(Cinema)"),
    VSDB_TITLE(63, "CN3(Game)"),
    VSDB_TITLE(64, "Latency"),
    VSDB_TITLE(65, "Audio"),
    VSDB_TITLE(66, "Video"),
    VSDB_TITLE(67, "Interlaced Latency"),
    VSDB_TITLE(68, "Audio"),
    VSDB_TITLE(69, "Video"),
    VSDB_TITLE(70, "Extended Caps"),
    VSDB_TITLE(71, "Image Size Type"),
    VSDB_TITLE(72, "Support Mandatory 3D Formats"),
    VSDB_TITLE(73, "Multi 3D Support"),
    VSDB_TITLE(74, "Supported Stereo 3D Formats"),
    VSDB_TITLE(75, "CEA Stereo 3D Modes"),
    VSDB_TITLE(77, "Frame Packing"),
    VSDB_TITLE(78, "Side-by-Side"),
    VSDB_TITLE(79, "Top-and-Bottom"),
    VSDB_TITLE(80, "Extended 3D Support"),
    VSDB_TITLE(82, "Extended HDMI VICs"),
};

#undef VSDB_TITLE

} // namespace

CeaExtDataBlockVSHDMIRow::CeaExtDataBlockVSHDMIRow(unsigned int fieldCode, unsigned int index,
                                                   CeaExtBlock *block, unsigned char *image,
                                                   unsigned int subIndex)
    : VyrEdidItemBase(image, VyrEdidItemKind::DetailedTiming)
    , m_index(index)
    , m_fieldCode(fieldCode)
    , m_subIndex(subIndex)
    , m_block(block)
{}

bool CeaExtDataBlockVSHDMIRow::InitItems()
{
    QString title;
    for (const Title &t : VsdbRowTitles)
        if (t.code == m_fieldCode)
            title = QCoreApplication::translate("CeaExtDataBlockVSHDMIItem", t.text);
    setText(VyrEdidColumn::Property, title);
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockVSHDMIRow::GetItemLocations() const
{
    return m_block ? m_block->GetHdmiVSDBLocation(m_fieldCode, m_index, m_subIndex, m_bytes)
                   : QList<EdidItemLocation>();
}

CeaExtDataBlockVSHDMIEntryRow::CeaExtDataBlockVSHDMIEntryRow(unsigned int fieldCode,
                                                             unsigned int index,
                                                             unsigned int subIndex,
                                                             CeaExtBlock *block,
                                                             unsigned char *image)
    : CeaExtDataBlockVSHDMIRow(fieldCode, index, block, image, subIndex)
{}

bool CeaExtDataBlockVSHDMIEntryRow::InitItems()
{
    if (QTreeWidget *tree = treeWidget())
        relay(tree, &QTreeWidget::itemChanged,
              [this](QTreeWidgetItem *item, int column) { onCheckStateChanged(item, column); });
    return true;
}

void CeaExtDataBlockVSHDMIEntryRow::onCheckStateChanged(QTreeWidgetItem *item, int collumn)
{
    // Qt reports every data change of the row as itemChanged(); only a new check state of
    // column 0 is an edit (the item writes the row's text, which must not clear a mask bit).
    if (item != this || collumn != 0)
        return;
    const int state = data(0, Qt::CheckStateRole).toInt();
    if (state == m_lastState)
        return;
    m_lastState = state;
    emit itemCheckStateChanged(state != 0, m_subIndex);
}
