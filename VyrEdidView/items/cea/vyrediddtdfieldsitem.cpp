#include "vyrediddtdfieldsitem.h"

#include "model/datablock.h"
#include "vyrediddtdfieldtable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

using namespace VyrEdidDtdFieldTable;

static QString translated(const char *text)
{
    return QCoreApplication::translate("VyrEdidDtdFieldsItem", text);
}

static QStringList translatedList(const char *const *texts, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << translated(texts[i]);
    return list;
}

VyrEdidDtdFieldsItem::VyrEdidDtdFieldsItem(unsigned char *image, int kind, DataBlock *block,
                                           unsigned int index)
    : VyrEdidItemBase(image, kind)
    , m_dtdBlock(block)
    , m_dtdIndex(index)
{}

QString VyrEdidDtdFieldsItem::fieldLabel(unsigned int field)
{
    return field < FieldCount ? translated(Labels[field]) : QString();
}

QStringList VyrEdidDtdFieldsItem::syncSignalNames()
{
    return translatedList(SyncSignalNames, 4);
}

QStringList VyrEdidDtdFieldsItem::stereoFormatNames()
{
    return translatedList(StereoFormatNames, 7);
}

bool VyrEdidDtdFieldsItem::flagLabels(int syncKind, QString *flag1, QString *flag2)
{
    if (syncKind < 0 || syncKind > 3)
        return false;
    *flag1 = translated(FlagLabelsBySync[syncKind].flag1);
    *flag2 = translated(FlagLabelsBySync[syncKind].flag2);
    return true;
}

QLineEdit *VyrEdidDtdFieldsItem::numberEdit(unsigned int field) const
{
    for (int i = 0; i < NumberRowCount && i < m_numberEdits.size(); ++i) {
        if (NumberRows[i].field == field)
            return m_numberEdits.at(i);
    }
    return nullptr;
}

VyrEdidItemBase *VyrEdidDtdFieldsItem::addFieldRow(unsigned int field)
{
    VyrEdidItemBase *row = createFieldRow(field);
    addChild(row);
    row->InitItems();
    return row;
}

template <typename Change> void VyrEdidDtdFieldsItem::editTiming(Change change)
{
    editRecord<DetailedTiming>(m_dtdBlock, &DataBlock::GetDetailedTiming,
                               &DataBlock::SetDetailedTiming, change, m_dtdIndex);
}

bool VyrEdidDtdFieldsItem::buildFieldRows()
{
    DetailedTiming timing;
    if (!m_dtdBlock || !m_dtdBlock->GetDetailedTiming(m_dtdIndex, &timing))
        return false;

    m_numberEdits.clear();
    for (const NumberRow &number : NumberRows) {
        VyrEdidItemBase *row = addFieldRow(number.field);
        quint32 DetailedTiming::*member = number.member;
        QLineEdit *edit = placeLineEdit(
            row, QString::number(timing.*member), tr("[DEC]"), [this, member](const QString &text) {
                const quint32 value = text.toUInt();
                editTiming([&](DetailedTiming &t) { t.*member = value; });
            });
        edit->setValidator(intValidator(number.minimum, number.maximum, this));
        m_numberEdits << edit;
    }

    m_syncSignal =
        placeComboBox(addFieldRow(SyncSignal), syncSignalNames(), static_cast<int>(timing.syncType),
                      [this](int kind) { onSyncSignal(kind); });
    m_stereoFormat = placeComboBox(addFieldRow(StereoFormat), stereoFormatNames(),
                                   static_cast<int>(timing.stereoMode),
                                   [this](int mode) { onStereoFormat(mode); });
    placeCheckBox(addFieldRow(Interlace), timing.interlaced, [this](bool on) { onInterlace(on); });
    m_flag1Row = addFieldRow(Flag1);
    placeCheckBox(m_flag1Row, timing.syncFlag1, [this](bool on) { onFlag1(on); });
    m_flag2Row = addFieldRow(Flag2);
    placeCheckBox(m_flag2Row, timing.syncFlag2, [this](bool on) { onFlag2(on); });
    setLabels();
    return true;
}

void VyrEdidDtdFieldsItem::setLabels()
{
    QString flag1;
    QString flag2;
    if (!m_syncSignal || !m_flag1Row || !m_flag2Row
        || !flagLabels(m_syncSignal->currentIndex(), &flag1, &flag2))
        return;
    m_flag1Row->setText(VyrEdidColumn::Property, flag1);
    m_flag2Row->setText(VyrEdidColumn::Property, flag2);
}

void VyrEdidDtdFieldsItem::onSyncSignal(int kind)
{
    if (isDetached() || kind < 0)
        return;
    setLabels();
    editTiming([kind](DetailedTiming &t) { t.syncType = static_cast<quint32>(kind); });
}

void VyrEdidDtdFieldsItem::onStereoFormat(int mode)
{
    if (isDetached() || mode < 0)
        return;
    setLabels();
    editTiming([mode](DetailedTiming &t) { t.stereoMode = static_cast<quint32>(mode); });
}

void VyrEdidDtdFieldsItem::onInterlace(bool on)
{
    editTiming([on](DetailedTiming &t) { t.interlaced = on; });
}

void VyrEdidDtdFieldsItem::onFlag1(bool on)
{
    editTiming([on](DetailedTiming &t) { t.syncFlag1 = on; });
}

void VyrEdidDtdFieldsItem::onFlag2(bool on)
{
    editTiming([on](DetailedTiming &t) { t.syncFlag2 = on; });
}
