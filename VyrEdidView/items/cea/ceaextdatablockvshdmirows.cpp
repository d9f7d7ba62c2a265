#include "ceaextdatablockvshdmirows.h"

#include "model/cea/ceaextblock.h"

#include <QCoreApplication>

#include <cstddef>

namespace {

using Title = CeaExtDataBlockVSHDMIRow::Title;

// The titles live in the item's translation context: the item and its rows are one unit.
#define VSDB_TITLE(code, text)                                                                     \
    Title                                                                                          \
    {                                                                                              \
        code, QT_TRANSLATE_NOOP("CeaExtDataBlockVSHDMIItem", text)                                 \
    }

const Title AddressTitles[] = {
    VSDB_TITLE(45, "Source Physical Address"),
    VSDB_TITLE(46, "A"),
    VSDB_TITLE(47, "B"),
    VSDB_TITLE(48, "C"),
    VSDB_TITLE(49, "D"),
};
const Title FeatureTitles[] = {
    VSDB_TITLE(50, "Features"),
    VSDB_TITLE(51, "DVI Dual Link"),
    VSDB_TITLE(52, "AI(ISRC/ACP packets)"),
    VSDB_TITLE(53, "DC RGB 30bpp"),
    VSDB_TITLE(54, "DC RGB 36bpp"),
    VSDB_TITLE(55, "DC RGB 48bpp"),
    VSDB_TITLE(56, "DC YCbCr 4:4:4"),
};
const Title ClockTitles[] = {
    VSDB_TITLE(57, "Clock Rate"),
    VSDB_TITLE(58, "Max. TMDS Clock(MHz)"),
};
const Title FlagTitles[] = {
    VSDB_TITLE(59, "Flags"),       VSDB_TITLE(60, "CN0(Graphics)"), VSDB_TITLE(61, "CN1(Photo)"),
    VSDB_TITLE(62, "CN2(Cinema)"), VSDB_TITLE(63, "CN3(Game)"),
};
const Title LatencyTitles[] = {
    VSDB_TITLE(64, "Latency"), VSDB_TITLE(65, "Audio"),
    VSDB_TITLE(66, "Video"),   VSDB_TITLE(67, "Interlaced Latency"),
    VSDB_TITLE(68, "Audio"),   VSDB_TITLE(69, "Video"),
};
const Title ExtCapsTitles[] = {
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

// A title table and its length.
struct TitleTable
{
    const Title *titles;
    int count;
};

template <std::size_t N> constexpr TitleTable table(const Title (&titles)[N])
{
    return {titles, static_cast<int>(N)};
}

// By CeaExtDataBlockVSHDMIRow::Titles.
const TitleTable TitleTables[] = {
    {nullptr, 0},      table(AddressTitles), table(FeatureTitles), table(ClockTitles),
    table(FlagTitles), table(LatencyTitles), table(ExtCapsTitles),
};

} // namespace

CeaExtDataBlockVSHDMIRow::CeaExtDataBlockVSHDMIRow(unsigned int fieldCode, unsigned int index,
                                                   unsigned int subIndex, CeaExtBlock *block,
                                                   unsigned char *image, Titles titles)
    : VyrEdidItemBase(image, VyrEdidItemKind::DetailedTiming)
    , m_index(index)
    , m_fieldCode(fieldCode)
    , m_subIndex(subIndex)
    , m_block(block)
    , m_titles(titles)
{}

bool CeaExtDataBlockVSHDMIRow::InitItems()
{
    const TitleTable &table = TitleTables[static_cast<int>(m_titles)];
    QString title;
    for (int k = 0; k < table.count; ++k)
        if (table.titles[k].code == m_fieldCode)
            title = QCoreApplication::translate("CeaExtDataBlockVSHDMIItem", table.titles[k].text);
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
    : CeaExtDataBlockVSHDMIRow(fieldCode, index, subIndex, block, image, Titles::None)
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
