#include "DiExtGeneralInfoItems.h"

#include "frame/vyredidchecksum.h"
#include "frame/vyredidinfotree.h"
#include "items/diext/DiExtDataFormatItems.h"
#include "items/diext/diextnames.h"
#include "model/diext/diextblock.h"

#include <QComboBox>

namespace {

// The years a date's byte holds: 1990 + 0 to 255 (VESA DI-EXT, byte 4).
constexpr int FirstYear = 1990;
constexpr int LastYear = FirstYear + 255;

enum Field : unsigned int { MajorVersion = 1, InterfaceStandard = 2, Version = 3, Checksum = 4 };

} // namespace

DiExtGeneralInfoSubItems::DiExtGeneralInfoSubItems(unsigned int code, unsigned int index,
                                                   DiExtBlock *block, unsigned char *image)
    : DiExtItem(code, index, block, image, &DiExtBlock::GetGeneralInfoLocation)
{
    setText(VyrEdidColumn::Property, DiExtNames::generalInfoTitle(code));
}

DiExtGeneralInfoItems::DiExtGeneralInfoItems(DiExtBlock *block, unsigned char *image)
    : DiExtItem(WholeSection, WholeSection, block, image, &DiExtBlock::GetGeneralInfoLocation)
    , m_info{}
{
    setText(VyrEdidColumn::Property, tr("General Info"));
    if (m_block)
        m_block->GetGeneralInfo(&m_info);
}

DiExtVersionWidgetData DiExtGeneralInfoItems::shownVersion(const DiGeneralInfo &info)
{
    DiExtVersionWidgetData data;
    data.type = static_cast<DiExtVersionWidgetType>(info.versionForm);
    switch (data.type) {
    case DiExtVersionNumbers:
        data.version = static_cast<float>(info.versionNumber);
        data.revision = static_cast<float>(info.revisionNumber);
        break;
    case DiExtVersionLetter:
        if (info.letter != 0)
            data.letter = QString(QChar::fromLatin1(static_cast<char>(info.letter)));
        break;
    case DiExtVersionDate:
        data.date = QDate(static_cast<int>(info.year), static_cast<int>(info.month),
                          static_cast<int>(info.day));
        break;
    case DiExtVersionNone:
        break;
    }
    return data;
}

bool DiExtGeneralInfoItems::InitItems()
{
    const DiExtVersionWidgetData data = shownVersion(m_info);
    m_typeTag = typeTag(data.type);

    auto *major = addRow<DiExtGeneralInfoSubItems>(MajorVersion);
    major->setText(VyrEdidColumn::Value, QString::number(m_info.version));
    major->setText(VyrEdidColumn::Type, tr("[DEC]"));

    auto *interface = addRow<DiExtGeneralInfoSubItems>(InterfaceStandard);
    const QStringList standards = DiExtNames::interfaceStandards();
    QComboBox *standardCombo =
        placeComboBox(interface, standards, listRow(m_info.interfaceStandard, standards),
                      [this](int index) { onInterfaceTypeChange(index); });
    fitWidth(standardCombo);

    // The form is chosen in the row's title column; the editor of the form sits beside it.
    m_versionRow = addRow<DiExtGeneralInfoSubItems>(Version);
    m_versionFormCombo = new QComboBox;
    const QStringList forms = DiExtNames::versionForms();
    refillComboBox(m_versionFormCombo, forms, listRow(m_info.versionForm, forms));
    fitWidth(m_versionFormCombo);
    placeWidget(m_versionRow, VyrEdidColumn::Property, m_versionFormCombo);
    m_versionRow->setText(VyrEdidColumn::Type, m_typeTag);
    m_versionWidget = new DiExtVersionWidget(data);
    placeWidget(m_versionRow, VyrEdidColumn::Value, m_versionWidget);
    relay(m_versionFormCombo, QOverload<int>::of(&QComboBox::currentIndexChanged),
          [this]() { onVersionTypeChange(ComboRows::currentRow(m_versionFormCombo)); });
    relay(m_versionWidget, &DiExtVersionWidget::editFinished,
          [this](const DiExtVersionWidgetData &versionData) {
              onVersionWidgetDataChanged(versionData);
          });

    m_checksumRow = addRow<DiExtGeneralInfoSubItems>(Checksum);
    m_checksumRow->setText(VyrEdidColumn::Value, QString::number(m_info.checksum, 16).toUpper());
    m_checksumRow->setText(VyrEdidColumn::Type, tr("[HEX]"));
    showChecksum();
    // Every edit of the block rewrites its checksum.
    if (auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget()))
        relay(tree, &VyrEdidInfoTree::edidDataChanged, [this]() { showChecksum(); });
    return true;
}

void DiExtGeneralInfoItems::onInterfaceTypeChange(int index)
{
    if (index < 0)
        return;
    // The block re-encodes the version bytes from the record it read; choosing "Analog" also
    // resets the data format section.
    editRecord<DiGeneralInfo>(
        m_block, &DiExtBlock::GetGeneralInfo, &DiExtBlock::SetGeneralInfo,
        [index](DiGeneralInfo &info) { info.interfaceStandard = static_cast<uint32_t>(index); });
    refreshDataFormat();
}

void DiExtGeneralInfoItems::onVersionTypeChange(int index)
{
    if (index < DiExtVersionNone || index > DiExtVersionDate)
        return;
    // Only the editor changes: the block follows when the user finishes an entry in the form.
    m_versionWidget->SetWidgetType(static_cast<DiExtVersionWidgetType>(index));
    m_typeTag = typeTag(index);
    m_versionRow->setText(VyrEdidColumn::Type, m_typeTag);
}

void DiExtGeneralInfoItems::onVersionWidgetDataChanged(const DiExtVersionWidgetData &versionData)
{
    // A date the year byte cannot hold (none, or a year outside 1990-2245) would be stored as
    // a different date: nothing is written.
    if (versionData.type == DiExtVersionDate
        && (!versionData.date.isValid() || versionData.date.year() < FirstYear
            || versionData.date.year() > LastYear))
        return;
    const bool written = editRecord<DiGeneralInfo>(
        m_block, &DiExtBlock::GetGeneralInfo, &DiExtBlock::SetGeneralInfo,
        [&versionData](DiGeneralInfo &info) {
            info.versionForm = static_cast<uint32_t>(versionData.type);
            switch (versionData.type) {
            case DiExtVersionNumbers:
                info.versionNumber = static_cast<double>(versionData.version);
                info.revisionNumber = static_cast<double>(versionData.revision);
                break;
            case DiExtVersionLetter:
                info.letter = versionData.letter.isEmpty()
                                  ? uint8_t{0}
                                  : static_cast<uint8_t>(versionData.letter.at(0).toLatin1());
                break;
            case DiExtVersionDate:
                info.day = static_cast<uint32_t>(versionData.date.day());
                info.month = static_cast<uint32_t>(versionData.date.month());
                info.year = static_cast<uint32_t>(versionData.date.year());
                break;
            case DiExtVersionNone:
                break;
            }
        });
    // The editor shows the version as the block now holds it, as a fresh tree does: "2.5" as
    // "2.50", a number left empty as "0.00", a letter the byte cannot hold as none.
    if (written && !isDetached()) {
        DiGeneralInfo info{};
        m_block->GetGeneralInfo(&info);
        m_versionWidget->SetWidgetData(shownVersion(info));
    }
    refreshDataFormat();
}

void DiExtGeneralInfoItems::showChecksum()
{
    if (!m_block || !m_checksumRow)
        return;
    VyrEdidChecksum::show(m_checksumRow, VyrEdidColumn::Value, m_block->GetChecksum(),
                          m_block->GetComputedChecksum(),
                          [](unsigned value) { return QString::number(value, 16).toUpper(); });
}

void DiExtGeneralInfoItems::refreshDataFormat()
{
    if (isDetached() || !m_block)
        return;
    DiGeneralInfo info{};
    m_block->GetGeneralInfo(&info);
    if (info.interfaceStandard != 0)
        return;
    QTreeWidgetItem *blockRow = QTreeWidgetItem::parent();
    for (int i = 0; blockRow && i < blockRow->childCount(); ++i) {
        if (auto *format = dynamic_cast<DiExtDataFormatItems *>(blockRow->child(i)))
            format->rebuildRows();
    }
}

QString DiExtGeneralInfoItems::typeTag(int form)
{
    switch (form) {
    case DiExtVersionNumbers:
        return tr("[FLT]");
    case DiExtVersionLetter:
        return tr("[CHR]");
    case DiExtVersionDate:
        return tr("[YYYY-MM-DD]");
    default:
        return QString();
    }
}
