#include "vyredidrangelimititem.h"

#include "items/base/vyredidrangelimitsubitem.h"
#include "model/base/edid13block.h"
#include "model/datablock.h"
#include "widgets/vyrnumbertext.h"

#include <QComboBox>
#include <QLineEdit>

#include <iterator>

namespace {

// Preferred aspect ratio codes by entry of the aspect list.
const AspectRatioCode AspectCodes[] = {AspectRatio4x3, AspectRatio16x9, AspectRatio16x10,
                                       AspectRatio5x4, AspectRatio15x9};
constexpr int AspectCount = sizeof AspectCodes / sizeof AspectCodes[0];

// The entry of a preferred aspect ratio code: a reserved one as such, 0 ("4x3") for none.
ComboRows::Shown aspectEntry(unsigned code)
{
    if (isRangeReservedCode(code))
        return {-1, code & 0xFFu};
    for (int entry = 0; entry < AspectCount; ++entry) {
        if (AspectCodes[entry] == code)
            return {entry, code};
    }
    return {0, code};
}

// The entry of a rate offsets kind; the reserved bits 01 as such.
ComboRows::Shown offsetEntry(unsigned kind)
{
    return isRangeReservedCode(kind) ? ComboRows::Shown{-1, kind & 0xFFu}
                                     : ComboRows::Shown{int(kind), kind};
}

// Timing support kind and the two groups by entry of the EDID 1.4 and 1.3 lists.
struct TimingSupportEntry
{
    RangeTimingSupport kind;
    bool gtf;
    bool cvt;
};
const TimingSupportEntry Edid14Entries[] = {{RangeDefaultGtf, false, false},
                                            {RangeLimitsOnly, false, false},
                                            {RangeSecondaryGtf, true, false},
                                            {RangeCvt, false, true}};
const TimingSupportEntry Edid13Entries[] = {{RangeLimitsOnly, false, false},
                                            {RangeSecondaryGtf, true, false}};

// Entry index of the timing-support list of an EDID 1.4 or 1.3 block; null outside the list.
const TimingSupportEntry *supportEntry(bool edid14, int index)
{
    const int count = edid14 ? int(std::size(Edid14Entries)) : int(std::size(Edid13Entries));
    if (index < 0 || index >= count)
        return nullptr;
    return edid14 ? &Edid14Entries[index] : &Edid13Entries[index];
}

void setRowEnabled(QTreeWidgetItem *row, bool enabled)
{
    Qt::ItemFlags flags = row->flags();
    flags.setFlag(Qt::ItemIsEnabled, enabled);
    row->setFlags(flags);
}

} // namespace

VyrEdidRangeLimitItem::VyrEdidRangeLimitItem(unsigned int slotNumber, DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::RangeLimits, slotNumber, block)
{
    setText(VyrEdidColumn::Property, tr("Range Limits Info"));
}

bool VyrEdidRangeLimitItem::InitItems()
{
    if (!m_block || !treeWidget())
        return false;
    m_block->GetRangeLimits(m_slotNumber, &m_record);
    m_edid14 = m_record.edid14;
    m_rateOffsets = m_record.rateOffsets;
    const ComboRows::Shown support = timingSupportEntry();
    const TimingSupportEntry *entry = supportEntry(m_edid14, support.row);
    m_gtfOn = entry && entry->gtf;
    m_cvtOn = entry && entry->cvt;

    addRow(this, Timings);
    const QStringList offsets = m_rateOffsets ? offsetNames() : QStringList();
    m_hOffsets = placeComboBox(addRow(m_rows[Timings], HRateOffsets), offsets, -1,
                               [this](int index) { onComboHRateOffsets(index); });
    addNumberRow(*numberRow(HRateMin));
    addNumberRow(*numberRow(HRateMax));
    m_vOffsets = placeComboBox(addRow(m_rows[Timings], VRateOffsets), offsets, -1,
                               [this](int index) { onComboVRateOffsets(index); });
    if (m_rateOffsets) {
        ComboRows::show(m_hOffsets, offsetEntry(m_record.horizontalOffsetKind));
        ComboRows::show(m_vOffsets, offsetEntry(m_record.verticalOffsetKind));
    }
    m_hOffsets->setEnabled(m_rateOffsets);
    m_vOffsets->setEnabled(m_rateOffsets);
    addNumberRow(*numberRow(VRateMin));
    addNumberRow(*numberRow(VRateMax));
    addNumberRow(*numberRow(MaxClock));
    m_timingSupport =
        placeComboBox(addRow(m_rows[Timings], TimingSupport), timingSupportNames(m_edid14), support,
                      [this](int index) { onComboTimingSupport(index); });

    m_gtfRows << addRow(this, GtfGroup);
    for (unsigned int code : {GtfC, GtfK, GtfM, GtfJ, GtfStartHRate})
        addNumberRow(*numberRow(code));

    m_cvtRows << addRow(this, CvtGroup);
    for (unsigned int code : {CvtMaxLineLength, CvtMaxClockPrecision, CvtPreferredVRate})
        addNumberRow(*numberRow(code));
    m_aspect = placeComboBox(addRow(m_rows[CvtGroup], CvtPreferredAspect),
                             m_edid14 ? aspectNames() : QStringList(), m_edid14 ? 0 : -1,
                             [this](int index) { onComboCVTPrefAspectRatio(index); });

    m_cvtRows << addRow(this, AspectGroup);
    addAspectRow(Aspect4x3, m_record.aspect4x3);
    addAspectRow(Aspect16x9, m_record.aspect16x9);
    addAspectRow(Aspect16x10, m_record.aspect16x10);
    addAspectRow(Aspect5x4, m_record.aspect5x4);
    addAspectRow(Aspect15x9, m_record.aspect15x9);

    applyTimingSupport();
    return true;
}

QList<EdidItemLocation> VyrEdidRangeLimitItem::GetItemLocations() const
{
    return bodyLocation();
}

const VyrEdidRangeLimitItem::NumberRow *VyrEdidRangeLimitItem::numberRow(unsigned int code)
{
    for (const NumberRow &row : NumberRows) {
        if (row.code == code)
            return &row;
    }
    return nullptr;
}

QTreeWidgetItem *VyrEdidRangeLimitItem::addRow(QTreeWidgetItem *parent, unsigned int code)
{
    auto *row = new VyrEdidRangeLimitSubItem(code, m_slotNumber, m_block);
    parent->addChild(row);
    row->InitItems();
    m_rows[code] = row;
    return row;
}

void VyrEdidRangeLimitItem::addNumberRow(const NumberRow &row)
{
    const auto handler = row.handler;
    QLineEdit *edit = placeLineEdit(addRow(m_rows[row.parent], row.code), numberText(row, m_record),
                                    tr("[DEC]"), [this, handler]() { (this->*handler)(); });
    edit->setValidator(row.halves ? doubleValidator(row.minimum / 2.0, row.maximum / 2.0, 1, this)
                                  : intValidator(row.minimum, row.maximum, this));
    edit->setToolTip(tr(row.toolTip));
    m_edits[row.code] = edit;
}

void VyrEdidRangeLimitItem::addAspectRow(unsigned int code, bool checked)
{
    QTreeWidgetItem *row = addRow(m_rows[AspectGroup], code);
    placeCheckState(row, VyrEdidColumn::Value, checked,
                    [this, code](bool state) { onCheckStateChanged(state, int(code)); });
    m_cvtRows << row;
}

QString VyrEdidRangeLimitItem::numberText(const NumberRow &row, RangeLimits record) const
{
    const bool shown = row.group == Group::Rates || (row.group == Group::Gtf && m_gtfOn)
                       || (row.group == Group::Cvt && m_cvtOn);
    return shown ? valueText(row, row.field(record)) : QString();
}

QString VyrEdidRangeLimitItem::valueText(const NumberRow &row, unsigned value)
{
    return row.halves ? QString::number(value / 2.0) : QString::number(value);
}

ComboRows::Shown VyrEdidRangeLimitItem::timingSupportEntry() const
{
    const unsigned kind = m_record.timingSupport;
    if (isRangeReservedCode(kind))
        return {-1, kind & 0xFFu};
    for (int index = 0; const TimingSupportEntry *entry = supportEntry(m_edid14, index); ++index) {
        if (entry->kind == kind)
            return {index, kind};
    }
    return {0, kind};
}

void VyrEdidRangeLimitItem::applyTimingSupport()
{
    // The editors and boxes show the values stored, as a fresh tree does: the CVT flags of a
    // descriptor of another kind show unset. The record itself is kept, so that a kind chosen
    // again writes what it held.
    RangeLimits shown = m_record;
    if (m_block && !isDetached()) {
        shown = RangeLimits{};
        m_block->GetRangeLimits(m_slotNumber, &shown);
    }
    for (QTreeWidgetItem *row : qAsConst(m_gtfRows))
        setRowEnabled(row, m_gtfOn);
    for (QTreeWidgetItem *row : qAsConst(m_cvtRows))
        setRowEnabled(row, m_cvtOn);
    // The aspect boxes show the flags stored (none for a kind without them).
    const std::pair<unsigned int, bool> aspects[] = {{Aspect4x3, shown.aspect4x3},
                                                     {Aspect16x9, shown.aspect16x9},
                                                     {Aspect16x10, shown.aspect16x10},
                                                     {Aspect5x4, shown.aspect5x4},
                                                     {Aspect15x9, shown.aspect15x9}};
    for (const auto &[code, on] : aspects) {
        const Qt::CheckState state = on ? Qt::Checked : Qt::Unchecked;
        if (m_rows[code]->checkState(VyrEdidColumn::Value) != state)
            m_rows[code]->setCheckState(VyrEdidColumn::Value, state);
    }
    for (const NumberRow &row : NumberRows) {
        if (row.group == Group::Rates)
            continue;
        QLineEdit *edit = m_edits[row.code];
        edit->setEnabled(row.group == Group::Gtf ? m_gtfOn : m_cvtOn);
        const QString text = numberText(row, shown);
        if (edit->text() != text)
            setEditorText(edit, text);
    }
    m_aspect->setEnabled(m_cvtOn);
    // Without CVT the list shows its first entry, as a fresh tree does; the record keeps the
    // preferred aspect for CVT chosen again.
    if (ComboRows::entryCount(m_aspect) == AspectCount)
        ComboRows::show(m_aspect, m_cvtOn ? aspectEntry(shown.cvt.preferredAspect)
                                          : ComboRows::Shown{0, AspectRatio4x3});
}

void VyrEdidRangeLimitItem::onComboHRateOffsets(int index)
{
    if (index < 0)
        return;
    m_record.horizontalOffsetKind = unsigned(index);
    writeRecord();
}

void VyrEdidRangeLimitItem::onComboVRateOffsets(int index)
{
    if (index < 0)
        return;
    m_record.verticalOffsetKind = unsigned(index);
    writeRecord();
}

void VyrEdidRangeLimitItem::onComboTimingSupport(int index)
{
    const TimingSupportEntry *entry = supportEntry(m_edid14, index);
    if (!entry)
        return;
    takeUpFormula(entry->kind);
    m_record.timingSupport = entry->kind;
    m_gtfOn = entry->gtf;
    m_cvtOn = entry->cvt;
    writeRecord();
    applyTimingSupport();
}

void VyrEdidRangeLimitItem::takeUpFormula(unsigned kind)
{
    const unsigned left = m_record.timingSupport;
    if (left == kind)
        return;
    // GTF and CVT values share their fields: the kind left keeps its own.
    if (left == RangeSecondaryGtf)
        m_keptGtf = m_record.gtf;
    else if (left == RangeCvt)
        m_keptCvt = m_record.cvt;
    // The flags of CVT are its own fields, kept in the record while another kind is chosen.
    if (kind == RangeSecondaryGtf && m_keptGtf)
        m_record.gtf = *m_keptGtf;
    else if (kind == RangeCvt && m_keptCvt)
        m_record.cvt = *m_keptCvt;
    else
        Edid13Block::SetRangeFormulaDefaults(kind, &m_record);
}

void VyrEdidRangeLimitItem::onComboCVTPrefAspectRatio(int index)
{
    if (index < 0 || index >= AspectCount)
        return;
    m_record.cvt.preferredAspect = AspectCodes[index];
    writeRecord();
}

void VyrEdidRangeLimitItem::onEditHRateRangeMin()
{
    storeNumber(HRateMin);
}

void VyrEdidRangeLimitItem::onEditHRateRangeMax()
{
    storeNumber(HRateMax);
}

void VyrEdidRangeLimitItem::onEditVRateRangeMax()
{
    storeNumber(VRateMax);
}

void VyrEdidRangeLimitItem::onEditVRateRangeMin()
{
    storeNumber(VRateMin);
}

void VyrEdidRangeLimitItem::onEditMaxClock()
{
    storeNumber(MaxClock);
}

void VyrEdidRangeLimitItem::onEditGTF_C()
{
    storeNumber(GtfC);
}

void VyrEdidRangeLimitItem::onEditGTF_K()
{
    storeNumber(GtfK);
}

void VyrEdidRangeLimitItem::onEditGTF_M()
{
    storeNumber(GtfM);
}

void VyrEdidRangeLimitItem::onEditGTF_J()
{
    storeNumber(GtfJ);
}

void VyrEdidRangeLimitItem::onEditGTF_StartHRate()
{
    storeNumber(GtfStartHRate);
}

void VyrEdidRangeLimitItem::onEditCVT_MaxClockPrec()
{
    storeNumber(CvtMaxClockPrecision);
}

void VyrEdidRangeLimitItem::onEditCVT_MaxLineLength()
{
    storeNumber(CvtMaxLineLength);
}

void VyrEdidRangeLimitItem::onEditCVT_PrefVRate()
{
    storeNumber(CvtPreferredVRate);
}

void VyrEdidRangeLimitItem::onCheckStateChanged(bool state, int subItem)
{
    // Without CVT the rows are disabled and their boxes only show the bytes: the record keeps
    // the flags for CVT chosen again.
    if (!m_cvtOn)
        return;
    switch (subItem) {
    case Aspect4x3:
        m_record.aspect4x3 = state;
        break;
    case Aspect16x9:
        m_record.aspect16x9 = state;
        break;
    case Aspect16x10:
        m_record.aspect16x10 = state;
        break;
    case Aspect5x4:
        m_record.aspect5x4 = state;
        break;
    case Aspect15x9:
        m_record.aspect15x9 = state;
        break;
    default:
        break;
    }
    writeRecord();
}

void VyrEdidRangeLimitItem::storeNumber(unsigned int code)
{
    const NumberRow *row = numberRow(code);
    QLineEdit *edit = row ? m_edits[code] : nullptr;
    if (!edit)
        return;
    // The validator lets only numbers in range through; text that is no number writes nothing.
    unsigned value = 0;
    double real = 0;
    qlonglong whole = 0;
    if (row->halves && VyrNumberText::readReal(edit->text(), &real) && real >= 0) {
        value = unsigned(qRound(real * 2.0));
    } else if (!row->halves && VyrNumberText::readWhole(edit->text(), &whole) && whole >= 0) {
        value = unsigned(whole);
    } else {
        setEditorText(edit, valueText(*row, row->field(m_record)));
        return;
    }
    if (row->stored)
        value = row->stored(value);
    row->field(m_record) = value;
    // Show what the descriptor keeps (a clock rounded to its step, C to a half).
    const QString text = valueText(*row, value);
    if (edit->text() != text)
        setEditorText(edit, text);
    writeRecord();
}

void VyrEdidRangeLimitItem::writeRecord()
{
    const RangeLimits record = m_record;
    editRecord<RangeLimits>(
        m_block, &DataBlock::GetRangeLimits, &DataBlock::SetRangeLimits,
        [&record](RangeLimits &limits) { limits = record; }, m_slotNumber);
}
