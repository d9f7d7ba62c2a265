#include "DiExtDataFormatItems.h"

#include "frame/vyredidrows.h"
#include "items/diext/diextnames.h"
#include "model/diext/diextblock.h"
#include "vyruiservice.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace {

enum Field : unsigned int {
    DataFormat = 6,
    ShiftClock = 7,
    EnableSignal = 8,
    MinClock = 9,
    MaxClock = 10,
    CrossOver = 11,
    Hdcp = 12,
    DoubleClocking = 13,
    PacketizedVideo = 14
};

// Bytes 12-13 hold 0xFFFF when the interface has no crossover frequency.
constexpr uint32_t NoCrossOver = 0xFFFF;
constexpr int MaxWord = 65534;

// The section as read from the block. The block fills the data format only for a byte-8 code
// it knows, so the field starts as a code the block does not write back: an edit of another
// row keeps a byte 8 that no entry of the list stands for.
struct DataFormatRecord : DiDataFormatDesc
{
    static constexpr uint32_t NoFormat = ~0u;
    DataFormatRecord()
        : DiDataFormatDesc{}
    {
        dataFormat = NoFormat;
    }
};

int enableSignalRow(const DiDataFormatDesc &format)
{
    if (!format.dataEnableUsed)
        return 0;
    return format.dataEnableHigh ? 2 : 1;
}

} // namespace

DiExtDataFormatSubItems::DiExtDataFormatSubItems(unsigned int code, unsigned int index,
                                                 DiExtBlock *block, unsigned char *image)
    : DiExtItem(code, index, block, image, &DiExtBlock::GetDataFormatDescLocation)
{
    setText(VyrEdidColumn::Property, DiExtNames::dataFormatTitle(code));
}

DiExtDataFormatItems::DiExtDataFormatItems(DiExtBlock *block, unsigned char *image)
    : DiExtItem(WholeSection, WholeSection, block, image, &DiExtBlock::GetDataFormatDescLocation)
    , m_format(current())
{
    setText(VyrEdidColumn::Property, tr("Data Format and Clock"));
}

bool DiExtDataFormatItems::InitItems()
{
    const QStringList formats = DiExtNames::dataFormats();
    ComboRows::Shown format = listRow(m_format.dataFormat, formats);
    if (format.row < 0) {
        // Shown as the byte stored, and kept until the user chooses a format.
        const QList<EdidItemLocation> codeByte =
            m_block ? m_block->GetDataFormatDescLocation(DataFormat, WholeSection, m_bytes)
                    : QList<EdidItemLocation>();
        format.code = codeByte.isEmpty() ? 0u : m_bytes[codeByte.first().offset];
    }
    placeComboBox(addRow<DiExtDataFormatSubItems>(DataFormat), formats, format,
                  [this](int index) { onComboDataFormat(index); });

    const QStringList edges = DiExtNames::shiftClockEdges();
    placeComboBox(addRow<DiExtDataFormatSubItems>(ShiftClock), edges,
                  listRow(m_format.shiftClockEdge, edges),
                  [this](int index) { onComboShiftClock(index); });

    placeComboBox(addRow<DiExtDataFormatSubItems>(EnableSignal), DiExtNames::dataEnableModes(),
                  enableSignalRow(m_format), [this](int index) { onComboEnableSignal(index); });

    m_minClockEdit = placeLineEdit(addRow<DiExtDataFormatSubItems>(MinClock),
                                   QString::number(m_format.minPixelClock), tr("[DEC]"),
                                   [this](const QString &text) { onEditMinClock(text); });
    m_minClockEdit->setValidator(intValidator(1, 254, m_minClockEdit));
    m_minClockEdit->setToolTip(tr("Valid Range 1 --> 254"));

    m_maxClockEdit = placeLineEdit(addRow<DiExtDataFormatSubItems>(MaxClock),
                                   QString::number(m_format.maxPixelClock), tr("[DEC]"),
                                   [this](const QString &text) { onEditMaxClock(text); });
    m_maxClockEdit->setValidator(intValidator(1, MaxWord, m_maxClockEdit));
    m_maxClockEdit->setToolTip(tr("Valid Range 1 --> 65,534"));

    // The check box beside the title says whether there is a crossover frequency at all.
    m_crossOverRow = addRow<DiExtDataFormatSubItems>(CrossOver);
    m_crossOverEdit =
        placeLineEdit(m_crossOverRow, QString::number(m_format.crossoverFrequency), tr("[DEC]"),
                      [this](const QString &text) { onEditCrossOverFreq(text); });
    m_crossOverEdit->setValidator(intValidator(1, MaxWord, m_crossOverEdit));
    m_crossOverEdit->setToolTip(tr("Valid Range 1 --> 65,534"));
    placeCheckState(m_crossOverRow, VyrEdidColumn::Property,
                    m_format.crossoverFrequency != NoCrossOver,
                    [this](bool state) { onCheckStateChanged(state, CrossOver); });

    const std::pair<Field, bool> flags[] = {{Hdcp, m_format.hdcpSupported},
                                            {DoubleClocking, m_format.doubleClocking},
                                            {PacketizedVideo, m_format.packetizedVideo}};
    for (const auto &[code, on] : flags) {
        placeCheckState(addRow<DiExtDataFormatSubItems>(code), VyrEdidColumn::Value, on,
                        [this, code = code](bool state) {
                            onCheckStateChanged(state, static_cast<int>(code));
                        });
    }
    return true;
}

void DiExtDataFormatItems::rebuildRows()
{
    if (isDetached())
        return;
    VyrEdidRows::removeChildren(this);
    m_format = current();
    InitItems();
}

QList<EdidItemLocation> DiExtDataFormatItems::GetItemLocations() const
{
    QList<EdidItemLocation> locations = DiExtItem::GetItemLocations();
    if (!m_block)
        return locations;
    locations += m_block->GetDataFormatDescLocation(DataFormat, WholeSection, m_bytes);
    std::sort(
        locations.begin(), locations.end(),
        [](const EdidItemLocation &a, const EdidItemLocation &b) { return a.offset < b.offset; });
    return locations;
}

void DiExtDataFormatItems::onComboDataFormat(int index)
{
    const int known = DiExtNames::dataFormats().size();
    if (index < 0 || index >= known)
        return;
    // Byte 8 now holds a known code: the list has dropped the entry of the unknown one.
    edit([index](DiDataFormatDesc &format) { format.dataFormat = static_cast<uint32_t>(index); });
}

void DiExtDataFormatItems::onComboShiftClock(int index)
{
    if (index < 0)
        return;
    edit([index](DiDataFormatDesc &format) {
        format.shiftClockEdge = static_cast<uint32_t>(index);
    });
}

void DiExtDataFormatItems::onComboEnableSignal(int index)
{
    if (index < 0)
        return;
    edit([index](DiDataFormatDesc &format) {
        format.dataEnableUsed = index > 0;
        format.dataEnableHigh = index > 1;
    });
}

void DiExtDataFormatItems::onEditMinClock(const QString &text)
{
    editClockLimit(text, true);
}

void DiExtDataFormatItems::onEditMaxClock(const QString &text)
{
    editClockLimit(text, false);
}

void DiExtDataFormatItems::editClockLimit(const QString &text, bool minimum)
{
    bool ok = false;
    const unsigned int value = text.toUInt(&ok);
    if (!ok)
        return;
    const DiDataFormatDesc stored = current();
    if (minimum ? value > stored.maxPixelClock : value < stored.minPixelClock) {
        VyrUiService::instance()->message(
            VyrUiService::Icon::Warning, tr("Wrong data"),
            minimum ? tr("Minimum Pixel Clock should not be lower then Maximum Pixel Clock")
                    : tr("Maximum Pixel Clock should not be lower then Minimum Pixel Clock"));
        // Nothing was written: the editor goes back to the clock the block holds.
        setEditorText(minimum ? m_minClockEdit : m_maxClockEdit,
                      QString::number(minimum ? stored.minPixelClock : stored.maxPixelClock));
        return;
    }
    edit([value, minimum](DiDataFormatDesc &format) {
        (minimum ? format.minPixelClock : format.maxPixelClock) = value;
    });
}

void DiExtDataFormatItems::onEditCrossOverFreq(const QString &text)
{
    bool ok = false;
    const unsigned int value = text.toUInt(&ok);
    if (!ok)
        return;
    // A frequency entered while the box is clear gives the interface a crossover frequency:
    // ticking the box stores the editor's value.
    if (m_crossOverRow->checkState(VyrEdidColumn::Property) != Qt::Checked) {
        m_crossOverRow->setCheckState(VyrEdidColumn::Property, Qt::Checked);
        return;
    }
    edit([value](DiDataFormatDesc &format) { format.crossoverFrequency = value; });
}

void DiExtDataFormatItems::onCheckStateChanged(bool state, int subItemType)
{
    switch (subItemType) {
    case CrossOver: {
        // Cleared: no crossover frequency. Ticked: the editor's frequency, or 1 while the
        // editor holds none in range (as after loading 0xFFFF), so the block reads ticked.
        uint32_t frequency = NoCrossOver;
        if (state) {
            frequency = 1;
            if (m_crossOverEdit->hasAcceptableInput())
                frequency = m_crossOverEdit->text().toUInt();
        }
        // The editor shows the frequency stored (65535 for none), as a fresh tree does.
        setEditorText(m_crossOverEdit, QString::number(frequency));
        edit([frequency](DiDataFormatDesc &format) { format.crossoverFrequency = frequency; });
        break;
    }
    case Hdcp:
        edit([state](DiDataFormatDesc &format) { format.hdcpSupported = state; });
        break;
    case DoubleClocking:
        edit([state](DiDataFormatDesc &format) { format.doubleClocking = state; });
        break;
    case PacketizedVideo:
        edit([state](DiDataFormatDesc &format) { format.packetizedVideo = state; });
        break;
    default:
        break;
    }
}

DiDataFormatDesc DiExtDataFormatItems::current() const
{
    DataFormatRecord format;
    if (m_block)
        m_block->GetDataFormatDesc(&format);
    return format;
}

void DiExtDataFormatItems::edit(const std::function<void(DiDataFormatDesc &)> &change)
{
    editRecord<DataFormatRecord>(m_block, &DiExtBlock::GetDataFormatDesc,
                                 &DiExtBlock::SetDataFormatDesc,
                                 [&change](DataFormatRecord &format) { change(format); });
}
