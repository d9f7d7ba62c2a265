#include "vyredidceaextgeneralinfoitem.h"

#include "frame/vyredidchecksum.h"
#include "frame/vyredidinfotree.h"
#include "model/cea/ceaextblock.h"
#include "vyredidceaextgeneralinfosubitem.h"

#include <QLabel>

using SubItem = VyrEdidCeaExtGeneralInfoSubItem;

static QString hexText(unsigned int value)
{
    return QString::number(value, 16).toUpper();
}

VyrEdidCeaExtGeneralInfoItem::VyrEdidCeaExtGeneralInfoItem(unsigned int startOffset,
                                                           CeaExtBlock *block, unsigned char *image)
    : VyrEdidItemBase(image, VyrEdidItemKind::CeaExtension)
    , m_startOffset(startOffset)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("General Info"));
}

void VyrEdidCeaExtGeneralInfoItem::addValueRow(QTreeWidgetItem *row, const QString &value,
                                               const QString &typeTag, QLabel **label)
{
    addChild(row);
    if (auto *item = dynamic_cast<VyrEdidItemBase *>(row))
        item->InitItems();
    QLabel *shown = placeLabel(row, value, typeTag);
    shown->setMaximumWidth(60);
    shown->setMinimumWidth(40);
    if (label)
        *label = shown;
}

bool VyrEdidCeaExtGeneralInfoItem::InitItems()
{
    CeaGeneralInfo info;
    if (m_block)
        m_block->GetGeneralInfo(&info);
    const unsigned int version = m_block ? m_block->GetVersion() : 0;
    const unsigned int checksum = m_block ? m_block->GetChecksum() : 0;
    const QString dec = tr("[DEC]");
    const QString hex = tr("[HEX]");

    // Counts without bytes of their own are plain rows.
    const auto plainRow = [](const QString &title) {
        auto *row = new QTreeWidgetItem(VyrEdidItemKind::Plain);
        row->setText(VyrEdidColumn::Property, title);
        return row;
    };
    addValueRow(new SubItem(SubItem::Revision, ~0u, m_block, m_bytes), QString::number(version),
                dec);
    addValueRow(plainRow(tr("Number Of Data Blocks")), QString::number(info.dataBlockCount), dec,
                &m_dataBlockCount);
    addValueRow(plainRow(tr("Number Of Detailed Timings")), QString::number(info.nativeDtdCount),
                dec, &m_dtdCount);
    addValueRow(new SubItem(SubItem::DtdOffset, ~0u, m_block, m_bytes), hexText(info.dtdOffset),
                hex, &m_dtdOffset);
    addValueRow(plainRow(tr("Available Space(bytes)")), QString::number(info.freeDataBlockBytes),
                dec, &m_freeBytes);
    addValueRow(new SubItem(SubItem::Checksum, ~0u, m_block, m_bytes), hexText(checksum), hex,
                &m_checksum);
    if (m_block)
        VyrEdidChecksum::show(m_checksum, checksum, m_block->GetComputedChecksum(), hexText);

    const struct
    {
        unsigned int code;
        bool checked;
        void (VyrEdidCeaExtGeneralInfoItem::*slot)(bool);
    } flags[] = {
        {SubItem::YCbCr422, info.ycbcr422, &VyrEdidCeaExtGeneralInfoItem::onCheckYCbCr422},
        {SubItem::YCbCr444, info.ycbcr444, &VyrEdidCeaExtGeneralInfoItem::onCheckYCbCr444},
        {SubItem::BasicAudio, info.basicAudio, &VyrEdidCeaExtGeneralInfoItem::onCheckSupportAudio},
        {SubItem::Underscan, info.underscan,
         &VyrEdidCeaExtGeneralInfoItem::onCheckUnderscanITFormat},
    };
    for (const auto &flag : flags) {
        auto *row = new SubItem(flag.code, ~0u, m_block, m_bytes);
        addChild(row);
        row->InitItems();
        const auto slot = flag.slot;
        placeCheckBox(row, flag.checked, [this, slot](bool on) { (this->*slot)(on); });
    }

    // Every edit in the tree may change this block's checksum, and an added, removed or resized
    // data block or descriptor its counts and offset.
    if (auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget()))
        relay(tree, &VyrEdidInfoTree::edidDataChanged, [this]() { refreshValues(); });
    return true;
}

QList<EdidItemLocation> VyrEdidCeaExtGeneralInfoItem::GetItemLocations() const
{
    return m_block ? m_block->GetGeneralInfoLocation(~0u, ~0u, m_bytes) : QList<EdidItemLocation>();
}

void VyrEdidCeaExtGeneralInfoItem::refreshValues()
{
    if (!m_checksum || !m_block)
        return;
    CeaGeneralInfo info;
    m_block->GetGeneralInfo(&info);
    m_dataBlockCount->setText(QString::number(info.dataBlockCount));
    m_dtdCount->setText(QString::number(info.nativeDtdCount));
    m_dtdOffset->setText(hexText(info.dtdOffset));
    m_freeBytes->setText(QString::number(info.freeDataBlockBytes));
    VyrEdidChecksum::show(m_checksum, m_block->GetChecksum(), m_block->GetComputedChecksum(),
                          hexText);
}

void VyrEdidCeaExtGeneralInfoItem::setFlag(bool CeaGeneralInfo::*flag, bool on)
{
    editRecord<CeaGeneralInfo>(m_block, &CeaExtBlock::GetGeneralInfo, &CeaExtBlock::SetGeneralInfo,
                               [flag, on](CeaGeneralInfo &info) { info.*flag = on; });
}

void VyrEdidCeaExtGeneralInfoItem::onCheckYCbCr422(bool on)
{
    setFlag(&CeaGeneralInfo::ycbcr422, on);
}

void VyrEdidCeaExtGeneralInfoItem::onCheckYCbCr444(bool on)
{
    setFlag(&CeaGeneralInfo::ycbcr444, on);
}

void VyrEdidCeaExtGeneralInfoItem::onCheckSupportAudio(bool on)
{
    setFlag(&CeaGeneralInfo::basicAudio, on);
}

void VyrEdidCeaExtGeneralInfoItem::onCheckUnderscanITFormat(bool on)
{
    setFlag(&CeaGeneralInfo::underscan, on);
}
