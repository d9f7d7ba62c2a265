#include "vyrediddetiledtimingitem.h"

#include "items/base/vyrediddetiledtimingsubitem.h"
#include "model/datablock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

VyrEdidDetiledTimingItem::VyrEdidDetiledTimingItem(unsigned int index, unsigned int number,
                                                   DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::DetailedTiming, index, block)
    , m_number(number)
{
    setNumber(number);
}

void VyrEdidDetiledTimingItem::setNumber(unsigned int number)
{
    m_number = number;
    setText(VyrEdidColumn::Property, tr("Detailed Timing %1").arg(number));
}

bool VyrEdidDetiledTimingItem::InitItems()
{
    DetailedTiming timing;
    if (!m_block || !treeWidget() || !m_block->GetDetailedTiming(m_slotNumber, &timing))
        return false;

    for (const NumberRow &row : NumberRows) {
        const auto handler = row.handler;
        QLineEdit *edit = placeLineEdit(addFieldRow(row.code), QString::number(timing.*row.field),
                                        tr("[DEC]"), [this, handler]() { (this->*handler)(); });
        edit->setValidator(intValidator(row.minimum, row.maximum, this));
        edit->setToolTip(tr("Valid Range %1 --> %2").arg(row.minimum).arg(row.maximum));
        m_numbers[row.code] = edit;
    }
    m_syncKind =
        placeComboBox(addFieldRow(SyncSignal), syncKindNames(), static_cast<int>(timing.syncType),
                      [this](int kind) { onSyncSignal(kind); });
    m_stereo =
        placeComboBox(addFieldRow(StereoFormat), stereoNames(), static_cast<int>(timing.stereoMode),
                      [this](int mode) { onStereoFormat(mode); });
    placeCheckBox(addFieldRow(Interlace), timing.interlaced, [this](bool on) { onInterlace(on); });
    m_flag1Row = addFieldRow(Flag1);
    placeCheckBox(m_flag1Row, timing.syncFlag1, [this](bool on) { onFlag1(on); });
    m_flag2Row = addFieldRow(Flag2);
    placeCheckBox(m_flag2Row, timing.syncFlag2, [this](bool on) { onFlag2(on); });
    setLabels();
    return true;
}

QList<EdidItemLocation> VyrEdidDetiledTimingItem::GetItemLocations() const
{
    return m_block ? m_block->GetDetailedTimingLocation(~0u, m_slotNumber)
                   : QList<EdidItemLocation>();
}

VyrEdidItemBase *VyrEdidDetiledTimingItem::createFieldRow(unsigned int code)
{
    return new VyrEdidDetiledTimingSubItem(code, m_slotNumber, m_block);
}

QTreeWidgetItem *VyrEdidDetiledTimingItem::addFieldRow(unsigned int code)
{
    VyrEdidItemBase *row = createFieldRow(code);
    addChild(row);
    row->InitItems();
    return row;
}

void VyrEdidDetiledTimingItem::onHAdressable()
{
    storeNumber(HAddressable);
}

void VyrEdidDetiledTimingItem::onHBlank()
{
    storeNumber(HBlank);
}

void VyrEdidDetiledTimingItem::onHSyncStart()
{
    storeNumber(HSyncStart);
}

void VyrEdidDetiledTimingItem::onHSyncWidth()
{
    storeNumber(HSyncWidth);
}

void VyrEdidDetiledTimingItem::onHBorder()
{
    storeNumber(HBorder);
}

void VyrEdidDetiledTimingItem::onHImageSize()
{
    storeNumber(HImageSize);
}

void VyrEdidDetiledTimingItem::onVAdressable()
{
    storeNumber(VAddressable);
}

void VyrEdidDetiledTimingItem::onVBlank()
{
    storeNumber(VBlank);
}

void VyrEdidDetiledTimingItem::onVSyncStart()
{
    storeNumber(VSyncStart);
}

void VyrEdidDetiledTimingItem::onVSyncWidth()
{
    storeNumber(VSyncWidth);
}

void VyrEdidDetiledTimingItem::onVBorder()
{
    storeNumber(VBorder);
}

void VyrEdidDetiledTimingItem::onVImageSize()
{
    storeNumber(VImageSize);
}

void VyrEdidDetiledTimingItem::onPixelClock()
{
    storeNumber(PixelClock);
}

void VyrEdidDetiledTimingItem::storeNumber(unsigned int code)
{
    QLineEdit *edit = code < NumberFieldCount ? m_numbers[code] : nullptr;
    if (!edit)
        return;
    // The validator lets only numbers in range through.
    bool ok = false;
    const quint32 value = edit->text().toUInt(&ok);
    if (!ok)
        return;
    for (const NumberRow &row : NumberRows) {
        if (row.code == code) {
            const auto field = row.field;
            editTiming([field, value](DetailedTiming &timing) { timing.*field = value; });
            return;
        }
    }
}

void VyrEdidDetiledTimingItem::onSyncSignal(int kind)
{
    setLabels();
    if (kind >= 0)
        editTiming(
            [kind](DetailedTiming &timing) { timing.syncType = static_cast<quint32>(kind); });
}

void VyrEdidDetiledTimingItem::onStereoFormat(int mode)
{
    setLabels();
    if (mode >= 0)
        editTiming(
            [mode](DetailedTiming &timing) { timing.stereoMode = static_cast<quint32>(mode); });
}

void VyrEdidDetiledTimingItem::onInterlace(bool on)
{
    editTiming([on](DetailedTiming &timing) { timing.interlaced = on; });
}

void VyrEdidDetiledTimingItem::onFlag1(bool on)
{
    editTiming([on](DetailedTiming &timing) { timing.syncFlag1 = on; });
}

void VyrEdidDetiledTimingItem::onFlag2(bool on)
{
    editTiming([on](DetailedTiming &timing) { timing.syncFlag2 = on; });
}

void VyrEdidDetiledTimingItem::setLabels()
{
    const int kind = m_syncKind ? m_syncKind->currentIndex() : -1;
    if (kind < 0 || kind > 3 || !m_flag1Row || !m_flag2Row)
        return;
    m_flag1Row->setText(VyrEdidColumn::Property, tr(FlagLabels[kind][0]));
    m_flag2Row->setText(VyrEdidColumn::Property, tr(FlagLabels[kind][1]));
}

void VyrEdidDetiledTimingItem::editTiming(const std::function<void(DetailedTiming &)> &change)
{
    editRecord<DetailedTiming>(m_block, &DataBlock::GetDetailedTiming,
                               &DataBlock::SetDetailedTiming, change, m_slotNumber);
}
