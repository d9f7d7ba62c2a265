#include "CeaExtDataBlockVSHDMIItem.h"

#include "ceablockwidgets.h"
#include "ceaextdatablockvshdmirows.h"
#include "frame/vyredidinfotree.h"
#include "model/bits.h"
#include "model/cea/ceaextblock.h"
#include "model/datablock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

// Bytes of 3D data (HDMI_3D_LEN) the record carries: structure, mask and the entries.
unsigned length3D(const CeaHdmiVSDB &v)
{
    unsigned length = v.multi3D == 1 ? 2u : v.multi3D == 2 ? 4u : 0u;
    for (unsigned k = 0; k < v.descriptor3DCount && k < CeaMax3DDescriptors; ++k)
        length += v.descriptors3D[k].size;
    return length;
}

unsigned freeRoom(const CeaHdmiVSDB &v)
{
    return v.maxPayloadLength > v.payloadLength ? v.maxPayloadLength - v.payloadLength : 0u;
}

// HDMI_3D_LEN has five bits.
constexpr unsigned Max3DLength = 31;

// Parts and what they take out with them when switched off.
void dropExtCaps(CeaHdmiVSDB &v)
{
    if (!v.hdmiVideoPresent)
        return;
    v.payloadLength -= 2u + v.hdmiVicCount + length3D(v);
    const CeaHdmiVSDB zero;
    v.hdmiVideoPresent = false;
    v.imageSize = 0;
    v.present3D = false;
    v.multi3D = 0;
    v.structure3D = 0;
    v.mask3D = 0;
    v.hdmiVicCount = 0;
    v.descriptor3DCount = 0;
    std::copy(std::begin(zero.descriptors3D), std::end(zero.descriptors3D), v.descriptors3D);
    std::copy(std::begin(zero.hdmiVics), std::end(zero.hdmiVics), v.hdmiVics);
}

void dropLatencyPair(CeaHdmiVSDB &v, bool &present, unsigned first)
{
    if (!present)
        return;
    present = false;
    v.payloadLength -= 2;
    for (unsigned k = first; k < first + 2; ++k) {
        v.latencyState[k] = CeaLatencyNoData;
        v.latencyMs[k] = 0;
    }
}

void dropLatency(CeaHdmiVSDB &v)
{
    // The interlaced pair exists only after the progressive one.
    dropLatencyPair(v, v.interlacedLatencyPresent, CeaLatencyInterlacedVideo);
    dropLatencyPair(v, v.latencyPresent, CeaLatencyVideo);
}

void dropFlags(CeaHdmiVSDB &v)
{
    dropExtCaps(v);
    dropLatency(v);
    if (!v.contentTypePresent)
        return;
    v.contentTypePresent = false;
    v.payloadLength -= 1;
    v.cnc0 = v.cnc1 = v.cnc2 = v.cnc3 = false;
}

void dropClockRate(CeaHdmiVSDB &v)
{
    dropFlags(v);
    if (!v.maxTmdsClockPresent)
        return;
    v.maxTmdsClockPresent = false;
    v.payloadLength -= 1;
    v.maxTmdsClock = 0;
}

void dropFeatures(CeaHdmiVSDB &v)
{
    dropClockRate(v);
    if (!v.flagsPresent)
        return;
    v.flagsPresent = false;
    v.payloadLength -= 1;
    v.dviDualLink = v.supportsAI = v.deepColor30 = v.deepColor36 = v.deepColor48 = v.deepColorY444 =
        false;
}

void dropInterlaced(CeaHdmiVSDB &v)
{
    dropLatencyPair(v, v.interlacedLatencyPresent, CeaLatencyInterlacedVideo);
}

// The optional parts, indexed by CeaExtDataBlockVSHDMIItem::Part (PartFeatures ... PartExtCaps):
// the flag that says the part is present, the bytes it takes when switched on, and what
// switching it off takes out.
struct PartRule
{
    bool CeaHdmiVSDB::*flag;
    unsigned size;
    void (*drop)(CeaHdmiVSDB &);
};

const PartRule PartRules[] = {
    {&CeaHdmiVSDB::flagsPresent, 1, dropFeatures},
    {&CeaHdmiVSDB::maxTmdsClockPresent, 1, dropClockRate},
    {&CeaHdmiVSDB::contentTypePresent, 1, dropFlags},
    {&CeaHdmiVSDB::latencyPresent, 2, dropLatency},
    {&CeaHdmiVSDB::interlacedLatencyPresent, 2, dropInterlaced},
    {&CeaHdmiVSDB::hdmiVideoPresent, 2, dropExtCaps},
};

// A CEA row for VIC v, or null for 0 and VICs above 64 (the 3D mask covers those only).
const CeaVideoMode *ceaMode(unsigned vic)
{
    return vic >= 1 && vic <= 64 ? DataBlock::GetCeaVideoMode(vic - 1) : nullptr;
}

} // namespace

CeaExtDataBlockVSHDMIItem::CeaExtDataBlockVSHDMIItem(unsigned int fieldCode, unsigned int index,
                                                     CeaExtBlock *block, unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("HDMI Vendor Specific Data Block"));
}

bool CeaExtDataBlockVSHDMIItem::InitItems()
{
    updateBlockData();
    // The 3D rows name the first 16 SVDs of the video data block: an edit there renames them.
    if (auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget()))
        relay(tree, &VyrEdidInfoTree::edidDataChanged, [this]() {
            if (!m_vsdb.hdmiVideoPresent || svdTitles() == m_svdTitles)
                return;
            m_svdTitles = svdTitles(); // a nested notification rebuilds nothing more
            updateBlockData();
        });
    return true;
}

QStringList CeaExtDataBlockVSHDMIItem::svdTitles() const
{
    CeaSVDDataBlock svds;
    if (m_block)
        m_block->GetAllSVDs(&svds);
    QStringList titles;
    for (unsigned k = 0; k < qMin(svds.count, 16u); ++k) {
        const CeaVideoMode *mode = ceaMode(svds.svd[k].vic);
        titles << (mode ? tr("%1x%2%3 @ %4Hz")
                              .arg(mode->width)
                              .arg(mode->height)
                              .arg(mode->progressive ? QStringLiteral("p") : QStringLiteral("i"))
                              .arg(mode->refreshRate)
                        : tr("Non-CEA Timing"));
    }
    return titles;
}

QList<EdidItemLocation> CeaExtDataBlockVSHDMIItem::GetItemLocations() const
{
    return m_block ? m_block->GetHdmiVSDBLocation(~0u, m_index, 0, m_bytes)
                   : QList<EdidItemLocation>();
}

namespace {

using Item = CeaExtDataBlockVSHDMIItem;
using FeatureRow = CeaExtDataBlockVSHDMIFeauturesItem;
using ClockRow = CeaExtDataBlockVSHDMIClockRateItem;
using FlagRow = CeaExtDataBlockVSHDMIFlagsItem;
using LatencyRow = CeaExtDataBlockVSHDMILatencyItem;
using CapsRow = CeaExtDataBlockVSHDMIExtCapsItem;

// Puts row under parent and lets it title itself.
template <typename Row> Row *adopt(QTreeWidgetItem *parent, Row *row)
{
    parent->addChild(row);
    row->InitItems();
    return row;
}

// The source physical address: field code, record nibble.
struct AddressRow
{
    unsigned code;
    quint32 CeaHdmiVSDB::*field;
};

const AddressRow AddressRows[] = {
    {46, &CeaHdmiVSDB::physicalA},
    {47, &CeaHdmiVSDB::physicalB},
    {48, &CeaHdmiVSDB::physicalC},
    {49, &CeaHdmiVSDB::physicalD},
};

using Toggle = void (Item::*)(bool);

// A check box row below a group: field code, the record flag it shows and writes.
struct CheckRow
{
    unsigned code;
    bool CeaHdmiVSDB::*flag;
};

// Byte 6.
const CheckRow FeatureChecks[] = {
    {51, &CeaHdmiVSDB::dviDualLink}, {52, &CeaHdmiVSDB::supportsAI},
    {53, &CeaHdmiVSDB::deepColor30}, {54, &CeaHdmiVSDB::deepColor36},
    {55, &CeaHdmiVSDB::deepColor48}, {56, &CeaHdmiVSDB::deepColorY444},
};

// Byte 8, the content types.
const CheckRow ContentChecks[] = {
    {60, &CeaHdmiVSDB::cnc0},
    {61, &CeaHdmiVSDB::cnc1},
    {62, &CeaHdmiVSDB::cnc2},
    {63, &CeaHdmiVSDB::cnc3},
};

// The 3D structure formats, by their bit in structure3D (frame packing, side-by-side,
// top-and-bottom): the slots of field codes 77, 78, 79.
const Toggle StructureSlots[3] = {&Item::onCheck3DFramePacking, &Item::onCheck3DSideBySide,
                                  &Item::onCheck3DTopAndBottom};

} // namespace

template <typename Row>
Row *CeaExtDataBlockVSHDMIItem::addRow(QTreeWidgetItem *parent, unsigned int code)
{
    return adopt(parent, new Row(code, m_index, m_block, m_bytes));
}

QCheckBox *CeaExtDataBlockVSHDMIItem::placeCheck(QTreeWidgetItem *row, bool checked, CheckSlot slot)
{
    return placeCheckBox(row, checked, [this, slot](bool s) { (this->*slot)(s); });
}

template <typename Row, typename Checks>
QCheckBox *CeaExtDataBlockVSHDMIItem::addCheckGroup(unsigned int code, bool present, CheckSlot slot,
                                                    const Checks &checks)
{
    auto *group = addRow<Row>(this, code);
    QCheckBox *box = placeCheck(group, present, slot);
    if (present)
        for (const CheckRow &r : checks)
            placeCheckBox(addRow<Row>(group, r.code), m_vsdb.*r.flag,
                          [this, flag = r.flag](bool s) { editFlag(flag, s); });
    return box;
}

void CeaExtDataBlockVSHDMIItem::updateBlockData()
{
    m_vsdb = CeaHdmiVSDB();
    if (m_block)
        m_block->GetHdmiVSDB(m_index, &m_vsdb);
    removeChildRows();
    const CeaHdmiVSDB &v = m_vsdb;
    buildAddressRows();
    // Each optional part exists only while the part before it does.
    m_features =
        addCheckGroup<FeatureRow>(50, v.flagsPresent, &Item::onCheckFeatures, FeatureChecks);
    if (!v.flagsPresent || !buildClockRows())
        return;
    m_flags = addCheckGroup<FlagRow>(59, v.contentTypePresent, &Item::onCheckFlags, ContentChecks);
    if (!v.contentTypePresent)
        return;
    m_latency = buildLatencyRows(64, v.latencyPresent, CeaLatencyVideo, &Item::onCheckLatency);
    m_latencyI = buildLatencyRows(67, v.interlacedLatencyPresent, CeaLatencyInterlacedVideo,
                                  &Item::onCheckLatencyI);
    // HDMI video part.
    auto *caps = addRow<CapsRow>(this, 70);
    m_extCaps = placeCheck(caps, v.hdmiVideoPresent, &Item::onCheckExtCaps);
    if (v.hdmiVideoPresent)
        build3DRows(caps, v);
}

void CeaExtDataBlockVSHDMIItem::buildAddressRows()
{
    auto *spa = addRow<CeaExtDataBlockVSHDMISubItem>(this, 45);
    for (unsigned k = 0; k < 4; ++k) {
        const AddressRow &a = AddressRows[k];
        auto *r = addRow<CeaExtDataBlockVSHDMISubItem>(spa, a.code);
        const auto field = a.field;
        m_address[k] = placeLineEdit(r, QString::number(m_vsdb.*field), QString(),
                                     [this, k, field]() { editNumber(m_address[k], field); });
        m_address[k]->setValidator(intValidator(0, 15, m_address[k]));
    }
}

bool CeaExtDataBlockVSHDMIItem::buildClockRows()
{
    const CeaHdmiVSDB &v = m_vsdb;
    auto *clock = addRow<ClockRow>(this, 57);
    m_clockRate = placeCheck(clock, v.maxTmdsClockPresent, &Item::onCheckClockRate);
    if (!v.maxTmdsClockPresent)
        return false;
    m_tmds = placeLineEdit(addRow<ClockRow>(clock, 58), QString::number(v.maxTmdsClock), QString(),
                           [this]() { onEditClockRate(); });
    m_tmds->setValidator(intValidator(0, 1275, m_tmds));
    return true;
}

QCheckBox *CeaExtDataBlockVSHDMIItem::buildLatencyRows(unsigned int groupCode, bool present,
                                                       unsigned int firstField, CheckSlot slot)
{
    auto *group = addRow<LatencyRow>(this, groupCode);
    QCheckBox *box = placeCheck(group, present, slot);
    if (!present)
        return box;
    // Video before audio, as the block stores them. Codes: audio group + 1, video group + 2.
    for (unsigned field = firstField; field < firstField + 2; ++field) {
        const unsigned code = groupCode + (field == firstField ? 2u : 1u);
        placeLatencyWidget(addRow<LatencyRow>(group, code), field);
    }
    return box;
}

void CeaExtDataBlockVSHDMIItem::placeLatencyWidget(QTreeWidgetItem *row, unsigned int field)
{
    const CeaHdmiVSDB &v = m_vsdb;
    auto *widget = new CeaAudioVideoWidget;
    widget->comboBox()->addItems({tr("No Data"), tr("Not Supported"), tr("Latency in ms")});
    widget->comboBox()->setCurrentIndex(static_cast<int>(v.latencyState[field]));
    widget->lineEdit()->setText(QString::number(v.latencyMs[field]));
    widget->lineEdit()->setValidator(intValidator(0, 506, widget->lineEdit()));
    widget->lineEdit()->setEnabled(v.latencyState[field] == CeaLatencyValid);
    widget->lineEdit()->setModified(false);
    placeWidget(row, VyrEdidColumn::Value, widget);
    m_latencyWidgets[field] = widget;
    relay(widget, &CeaAudioVideoWidget::editFinished, [this, field]() { editLatency(field); });
}

void CeaExtDataBlockVSHDMIItem::build3DRows(QTreeWidgetItem *caps, const CeaHdmiVSDB &v)
{
    placeComboBox(addRow<CapsRow>(caps, 71),
                  {tr("No Data"), tr("Defines Aspect Ratio"), tr("Defines Size in 1cm units"),
                   tr("Defines Size in 5cm units")},
                  static_cast<int>(v.imageSize), [this](int s) { onComboImageSizeType(s); });
    placeCheckBox(addRow<CapsRow>(caps, 72), v.present3D, [this](bool s) { onCheckSupport3D(s); });
    auto *multi = addRow<CapsRow>(caps, 73);
    placeComboBox(multi, {tr("No Multi 3D Support"), tr("All 16 VICs"), tr("Selected 16 VICs")},
                  ComboRows::byCode(v.multi3D, 3), [this](int s) { onComboMulti3D(s); });

    // The 3D mask and the 2D VIC order address the first 16 SVDs of the extension.
    CeaSVDDataBlock svds;
    if (m_block)
        m_block->GetAllSVDs(&svds);
    const unsigned svdCount = qMin(svds.count, 16u);
    m_svdTitles = svdTitles();
    const QStringList modeTexts = vicOrderTexts(svds, svdCount);
    if (v.multi3D == 1 || v.multi3D == 2)
        buildStructureRows(multi, v);
    if (v.multi3D == 2)
        buildMaskRows(multi, v, svdCount);
    build3DEntryRows(caps, v, modeTexts, svdCount);
    buildVicRows(caps, v);
}

QStringList CeaExtDataBlockVSHDMIItem::vicOrderTexts(const CeaSVDDataBlock &svds,
                                                     unsigned int svdCount) const
{
    QStringList texts;
    for (unsigned k = 0; k < svdCount; ++k) {
        const CeaVideoMode *mode = ceaMode(svds.svd[k].vic);
        if (!mode) {
            texts << tr("Non-CEA Timing");
            continue;
        }
        const QString scan = mode->progressive ? QStringLiteral("p") : QStringLiteral("i");
        texts << tr("%1. %2x%3%4@%5Hz")
                     .arg(k, 2)
                     .arg(mode->width)
                     .arg(mode->height)
                     .arg(scan)
                     .arg(mode->refreshRate);
    }
    return texts;
}

void CeaExtDataBlockVSHDMIItem::buildStructureRows(QTreeWidgetItem *multi, const CeaHdmiVSDB &v)
{
    auto *formats = addRow<CapsRow>(multi, 74);
    for (unsigned k = 0; k < 3; ++k)
        placeCheck(addRow<CapsRow>(formats, 77 + k), bit(v.structure3D, k) != 0, StructureSlots[k]);
}

void CeaExtDataBlockVSHDMIItem::buildMaskRows(QTreeWidgetItem *multi, const CeaHdmiVSDB &v,
                                              unsigned int svdCount)
{
    auto *modes = addRow<CapsRow>(multi, 75);
    for (unsigned k = 0; k < svdCount; ++k) {
        auto *r = adopt(modes,
                        new CeaExtDataBlockVSHDMIMulti3DModeItem(76, m_index, k, m_block, m_bytes));
        r->setText(VyrEdidColumn::Property, m_svdTitles[static_cast<int>(k)]);
        r->setFlags(r->flags() | Qt::ItemIsUserCheckable);
        r->setCheckState(VyrEdidColumn::Property, bit(v.mask3D, k) ? Qt::Checked : Qt::Unchecked);
        relay(r, &CeaExtDataBlockVSHDMIMulti3DModeItem::itemCheckStateChanged,
              [this](bool state, unsigned int index) { onCheckMulti3dMode(state, index); });
    }
}

void CeaExtDataBlockVSHDMIItem::build3DEntryRows(QTreeWidgetItem *caps, const CeaHdmiVSDB &v,
                                                 const QStringList &modeTexts,
                                                 unsigned int svdCount)
{
    // One byte each more, while HDMI_3D_LEN and the record hold them.
    const unsigned length = length3D(v);
    const unsigned more3D =
        qMin(qMin(freeRoom(v), Max3DLength > length ? Max3DLength - length : 0u),
             CeaMax3DDescriptors - v.descriptor3DCount);
    auto *entries = addRow<CapsRow>(caps, 80);
    placeComboBox(entries, decimalCounts(v.descriptor3DCount + more3D),
                  static_cast<int>(v.descriptor3DCount),
                  [this](int n) { onExt3DItemCountChanged(n); });
    for (unsigned k = 0; k < v.descriptor3DCount; ++k) {
        auto *r = adopt(entries,
                        new CeaExtDataBlockVSHDMI3DSupportItem(81, m_index, k, m_block, m_bytes));
        auto *widget = new3DEntryWidget(k, modeTexts, svdCount);
        placeWidget(r, VyrEdidColumn::Value, widget);
        relay(widget, &CeaExt3dWidget::modeChanged,
              [this](unsigned int i, int s) { onExt3DItemModeChanged(i, s); });
        relay(widget, &CeaExt3dWidget::optionChanged,
              [this](unsigned int i, int s) { onExt3DItemOptionChanged(i, s); });
        relay(widget, &CeaExt3dWidget::valueChanged,
              [this](unsigned int i, const QString &text) { onExt3DItemValueChanged(i, text); });
    }
}

CeaExt3dWidget *CeaExtDataBlockVSHDMIItem::new3DEntryWidget(unsigned int k,
                                                            const QStringList &modeTexts,
                                                            unsigned int svdCount)
{
    const CeaHdmi3DDescriptor &entry = m_vsdb.descriptors3D[k];
    auto *widget = new CeaExt3dWidget(k);
    refillComboBox(widget->modeComboBox(), modeTexts,
                   ComboRows::byCode(entry.vicOrder, static_cast<int>(svdCount)));
    refillComboBox(widget->optionComboBox(),
                   {tr("Frame Packing"), tr("Side-by-Side"), tr("Top-and-Bottom")},
                   entry.kind >= CeaHdmi3DFramePacking && entry.kind <= CeaHdmi3DTopAndBottom
                       ? static_cast<int>(entry.kind - CeaHdmi3DFramePacking)
                       : -1);
    const bool sideBySide = entry.kind == CeaHdmi3DSideBySideHalf;
    widget->lineEdit()->setText(sideBySide ? QString::number(entry.detail) : QString());
    widget->lineEdit()->setEnabled(sideBySide);
    widget->lineEdit()->setValidator(intValidator(0, 15, widget->lineEdit()));
    return widget;
}

void CeaExtDataBlockVSHDMIItem::buildVicRows(QTreeWidgetItem *caps, const CeaHdmiVSDB &v)
{
    // HDMI_VIC_LEN has three bits.
    auto *vics = addRow<CapsRow>(caps, 82);
    placeComboBox(vics, decimalCounts(qMin(v.hdmiVicCount + freeRoom(v), CeaMaxHdmiVics)),
                  static_cast<int>(v.hdmiVicCount), [this](int n) { onExtVicItemCountChanged(n); });
    QStringList vicTexts;
    for (unsigned vic = 1; vic <= 4; ++vic) {
        const CeaHdmiVideoMode *mode = DataBlock::GetCeaHDMIVideoMode(vic - 1);
        vicTexts << (mode ? tr("[%1] %2x%3p@%4Hz")
                                .arg(vic)
                                .arg(mode->width)
                                .arg(mode->height)
                                .arg(mode->refreshRate)
                          : QString());
    }
    for (unsigned k = 0; k < v.hdmiVicCount && k < CeaMaxHdmiVics; ++k) {
        const unsigned vic = v.hdmiVics[k].hdmiVic;
        auto *vicRow = adopt(vics, new CapsRow(83, m_index, m_block, m_bytes, k));
        placeComboBox(vicRow, vicTexts,
                      ComboRows::Shown{vic >= 1 && vic <= 4 ? static_cast<int>(vic - 1) : -1, vic},
                      [this, k](int s) { onExtVicItemChanged(k, s); });
    }
}

void CeaExtDataBlockVSHDMIItem::edit(const std::function<void(CeaHdmiVSDB &)> &change, bool rebuild)
{
    if (isDetached())
        return;
    editRecord<CeaHdmiVSDB>(m_block, &CeaExtBlock::GetHdmiVSDB, &CeaExtBlock::SetHdmiVSDB, change,
                            m_index);
    if (rebuild && !isDetached())
        updateBlockData();
}

void CeaExtDataBlockVSHDMIItem::editNumber(QLineEdit *edit, unsigned CeaHdmiVSDB::*field)
{
    bool ok = false;
    const unsigned value = edit ? edit->text().toUInt(&ok, 10) : 0u;
    if (!ok)
        return;
    this->edit([&](CeaHdmiVSDB &v) { v.*field = value; });
    // The block may store another value (the TMDS clock in 5 MHz steps) or refuse the write.
    showStored(edit, [field](const CeaHdmiVSDB &stored) { return stored.*field; });
}

void CeaExtDataBlockVSHDMIItem::showStored(
    QLineEdit *edit, const std::function<unsigned(const CeaHdmiVSDB &)> &value)
{
    if (isDetached() || !m_block)
        return;
    m_block->GetHdmiVSDB(m_index, &m_vsdb);
    setEditorText(edit, QString::number(value(m_vsdb)));
}

void CeaExtDataBlockVSHDMIItem::editFlag(bool CeaHdmiVSDB::*flag, bool state)
{
    edit([flag, state](CeaHdmiVSDB &v) { v.*flag = state; });
}

void CeaExtDataBlockVSHDMIItem::onEditSPA_A()
{
    editNumber(m_address[0], &CeaHdmiVSDB::physicalA);
}

void CeaExtDataBlockVSHDMIItem::onEditSPA_B()
{
    editNumber(m_address[1], &CeaHdmiVSDB::physicalB);
}

void CeaExtDataBlockVSHDMIItem::onEditSPA_C()
{
    editNumber(m_address[2], &CeaHdmiVSDB::physicalC);
}

void CeaExtDataBlockVSHDMIItem::onEditSPA_D()
{
    editNumber(m_address[3], &CeaHdmiVSDB::physicalD);
}

void CeaExtDataBlockVSHDMIItem::onCheckFeatureDVI_DL(bool state)
{
    editFlag(&CeaHdmiVSDB::dviDualLink, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckFeatureAI(bool state)
{
    editFlag(&CeaHdmiVSDB::supportsAI, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckFeature30bpp(bool state)
{
    editFlag(&CeaHdmiVSDB::deepColor30, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckFeature36bpp(bool state)
{
    editFlag(&CeaHdmiVSDB::deepColor36, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckFeature48bpp(bool state)
{
    editFlag(&CeaHdmiVSDB::deepColor48, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckFeatureYCbCr444(bool state)
{
    editFlag(&CeaHdmiVSDB::deepColorY444, state);
}

void CeaExtDataBlockVSHDMIItem::onEditClockRate()
{
    editNumber(m_tmds, &CeaHdmiVSDB::maxTmdsClock);
}

void CeaExtDataBlockVSHDMIItem::onCheckFlagsCN0(bool state)
{
    editFlag(&CeaHdmiVSDB::cnc0, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckFlagsCN1(bool state)
{
    editFlag(&CeaHdmiVSDB::cnc1, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckFlagsCN2(bool state)
{
    editFlag(&CeaHdmiVSDB::cnc2, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckFlagsCN3(bool state)
{
    editFlag(&CeaHdmiVSDB::cnc3, state);
}

void CeaExtDataBlockVSHDMIItem::editLatency(unsigned int field)
{
    CeaAudioVideoWidget *widget = field < 4 ? m_latencyWidgets[field] : nullptr;
    if (!widget || isDetached())
        return;
    const int state = widget->comboBox()->currentIndex();
    QLineEdit *ms = widget->lineEdit();
    ms->setEnabled(state == CeaLatencyValid);
    if (state < 0)
        return;
    // Leaving the value without a change writes nothing.
    if (static_cast<unsigned>(state) == m_vsdb.latencyState[field] && !ms->isModified())
        return;
    unsigned value = 0;
    if (state == CeaLatencyValid) {
        bool ok = false;
        value = ms->text().toUInt(&ok, 10);
        if (!ok)
            return;
    }
    ms->setModified(false);
    m_vsdb.latencyState[field] = static_cast<unsigned>(state);
    edit([&](CeaHdmiVSDB &v) {
        v.latencyState[field] = static_cast<unsigned>(state);
        v.latencyMs[field] = value;
    });
    // The block stores latencies in 2 ms steps (153 ms reads back as 154), and none without a
    // valid state.
    showStored(ms, [field](const CeaHdmiVSDB &stored) { return stored.latencyMs[field]; });
}

void CeaExtDataBlockVSHDMIItem::onVideoWidgetL()
{
    editLatency(CeaLatencyVideo);
}

void CeaExtDataBlockVSHDMIItem::onAudioWidgetL()
{
    editLatency(CeaLatencyAudio);
}

void CeaExtDataBlockVSHDMIItem::onVideoWidgetLI()
{
    editLatency(CeaLatencyInterlacedVideo);
}

void CeaExtDataBlockVSHDMIItem::onAudioWidgetLI()
{
    editLatency(CeaLatencyInterlacedAudio);
}

void CeaExtDataBlockVSHDMIItem::setPresence(Part part, bool present)
{
    edit(
        [part, present](CeaHdmiVSDB &v) {
            const PartRule &rule = PartRules[part];
            if (!present) {
                rule.drop(v);
                return;
            }
            // The interlaced pair follows the progressive one, never stands alone.
            if (part == PartInterlaced && !v.latencyPresent)
                return;
            if (v.*rule.flag || freeRoom(v) < rule.size)
                return;
            v.*rule.flag = true;
            v.payloadLength += rule.size;
        },
        true);
}

void CeaExtDataBlockVSHDMIItem::onCheckFeatures(bool state)
{
    setPresence(PartFeatures, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckClockRate(bool state)
{
    setPresence(PartClockRate, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckFlags(bool state)
{
    setPresence(PartFlags, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckLatency(bool state)
{
    setPresence(PartLatency, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckLatencyI(bool state)
{
    setPresence(PartInterlaced, state);
}

void CeaExtDataBlockVSHDMIItem::onCheckExtCaps(bool state)
{
    setPresence(PartExtCaps, state);
}

void CeaExtDataBlockVSHDMIItem::onComboImageSizeType(int selection)
{
    if (selection >= 0)
        edit([selection](CeaHdmiVSDB &v) { v.imageSize = static_cast<unsigned>(selection); });
}

void CeaExtDataBlockVSHDMIItem::onCheckSupport3D(bool state)
{
    editFlag(&CeaHdmiVSDB::present3D, state);
}

void CeaExtDataBlockVSHDMIItem::onComboMulti3D(int selection)
{
    if (selection < 0 || selection > 2)
        return;
    edit(
        [selection](CeaHdmiVSDB &v) {
            auto bytes = [](unsigned code) { return code == 1 ? 2 : code == 2 ? 4 : 0; };
            const int growth = bytes(static_cast<unsigned>(selection)) - bytes(v.multi3D);
            if (growth > static_cast<int>(freeRoom(v))
                || static_cast<int>(length3D(v)) + growth > static_cast<int>(Max3DLength))
                return;
            v.multi3D = static_cast<unsigned>(selection);
            v.payloadLength = static_cast<unsigned>(static_cast<int>(v.payloadLength) + growth);
        },
        true);
}

void CeaExtDataBlockVSHDMIItem::onCheck3DFramePacking(bool state)
{
    edit([state](CeaHdmiVSDB &v) { v.structure3D = setBit(v.structure3D, 0, state); });
}

void CeaExtDataBlockVSHDMIItem::onCheck3DSideBySide(bool state)
{
    edit([state](CeaHdmiVSDB &v) { v.structure3D = setBit(v.structure3D, 1, state); });
}

void CeaExtDataBlockVSHDMIItem::onCheck3DTopAndBottom(bool state)
{
    edit([state](CeaHdmiVSDB &v) { v.structure3D = setBit(v.structure3D, 2, state); });
}

void CeaExtDataBlockVSHDMIItem::onCheckMulti3dMode(bool state, unsigned int index)
{
    if (index < 16)
        edit([state, index](CeaHdmiVSDB &v) { v.mask3D = withBit(v.mask3D, index, state); });
}

void CeaExtDataBlockVSHDMIItem::onExt3DItemCountChanged(int count)
{
    if (count < 0)
        return;
    edit(
        [count](CeaHdmiVSDB &v) {
            const unsigned n = qMin(static_cast<unsigned>(count), CeaMax3DDescriptors);
            for (unsigned k = v.descriptor3DCount; k < n; ++k) {
                if (freeRoom(v) < 1 || length3D(v) + 1 > Max3DLength)
                    return;
                CeaHdmi3DDescriptor entry;
                entry.kind = CeaHdmi3DFramePacking;
                entry.size = 1;
                v.descriptors3D[k] = entry;
                v.descriptor3DCount = k + 1;
                v.payloadLength += 1;
            }
            while (v.descriptor3DCount > n) {
                CeaHdmi3DDescriptor &entry = v.descriptors3D[--v.descriptor3DCount];
                v.payloadLength -= entry.size;
                entry = CeaHdmi3DDescriptor();
                entry.size = 0;
            }
        },
        true);
}

void CeaExtDataBlockVSHDMIItem::onExt3DItemModeChanged(unsigned int index, int selection)
{
    if (selection >= 0 && index < CeaMax3DDescriptors)
        edit([index, selection](CeaHdmiVSDB &v) {
            v.descriptors3D[index].vicOrder = static_cast<unsigned>(selection);
        });
}

void CeaExtDataBlockVSHDMIItem::onExt3DItemOptionChanged(unsigned int index, int selection)
{
    if (selection < 0 || selection > 2 || index >= CeaMax3DDescriptors)
        return;
    edit(
        [index, selection](CeaHdmiVSDB &v) {
            CeaHdmi3DDescriptor &entry = v.descriptors3D[index];
            const unsigned kind = CeaHdmi3DFramePacking + static_cast<unsigned>(selection);
            const unsigned size = kind == CeaHdmi3DSideBySideHalf ? 2u : 1u;
            if (size > entry.size
                && (freeRoom(v) < size - entry.size
                    || length3D(v) + size - entry.size > Max3DLength))
                return;
            v.payloadLength = v.payloadLength + size - entry.size;
            entry.kind = kind;
            entry.size = size;
        },
        true);
}

void CeaExtDataBlockVSHDMIItem::onExt3DItemValueChanged(unsigned int index, const QString &value)
{
    bool ok = false;
    const unsigned detail = value.toUInt(&ok, 10);
    if (ok && detail <= 15 && index < CeaMax3DDescriptors)
        edit([index, detail](CeaHdmiVSDB &v) { v.descriptors3D[index].detail = detail; });
}

void CeaExtDataBlockVSHDMIItem::onExtVicItemCountChanged(int count)
{
    if (count < 0)
        return;
    edit(
        [count](CeaHdmiVSDB &v) {
            const unsigned n = qMin(static_cast<unsigned>(count), CeaMaxHdmiVics);
            if (n > v.hdmiVicCount && freeRoom(v) < n - v.hdmiVicCount)
                return;
            for (unsigned k = v.hdmiVicCount; k < n; ++k)
                v.hdmiVics[k] = CeaHdmiVicEntry{1, 1};
            for (unsigned k = n; k < v.hdmiVicCount; ++k)
                v.hdmiVics[k] = CeaHdmiVicEntry();
            v.payloadLength = v.payloadLength + n - v.hdmiVicCount;
            v.hdmiVicCount = n;
        },
        true);
}

void CeaExtDataBlockVSHDMIItem::onExtVicItemChanged(unsigned int index, int selection)
{
    if (selection >= 0 && index < CeaMaxHdmiVics)
        edit([index, selection](CeaHdmiVSDB &v) {
            v.hdmiVics[index].hdmiVic = static_cast<unsigned>(selection) + 1u;
        });
}
