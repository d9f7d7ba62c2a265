#include "vyrdiddisplayinterfaceblock.h"

#include "items/displayid/didcelldata.h"
#include "items/displayid/didcellmakers.h"
#include "items/displayid/didinterfacetable.h"
#include "items/displayid/didtexttable.h"
#include "items/displayid/vyrdidcheckboxitems.h"
#include "items/displayid/vyrdidcomboboxitem.h"
#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdidintdualedititem.h"
#include "items/displayid/vyrdidlineedititem.h"
#include "model/displayid/displayidblock.h"

#include <QSignalBlocker>
#include <QTreeWidget>

#include <functional>
#include <iterator>

namespace {

constexpr unsigned int AnalogType = 0;
constexpr unsigned int LvdsType = 1;
constexpr unsigned int ProprietaryType = 11;
// The analog sub-type entry "N/A".
constexpr int NoSubType = 3;

// A flag group's box: which flag of the record's array it stands for. Boxes count from the
// highest bit down: box 0 is the last element of an array of count flags.
int flagOfBox(int box, int count)
{
    return count - 1 - box;
}

// Sets the flag of a check-box value {box, checked}; a box outside the count changes nothing.
template <typename Flag> void setBoxFlag(Flag *flags, int count, const QVariant &value)
{
    const auto box = value.value<CheckBoxData>();
    if (box.bit >= 0 && box.bit < count)
        flags[flagOfBox(box.bit, count)] = box.isChecked;
}

template <typename Flag> std::function<bool(int)> boxChecked(const Flag *flags, int count)
{
    return [flags, count](int box) { return flags[flagOfBox(box, count)] != 0; };
}

QStringList depthLabels(int count)
{
    QStringList labels;
    for (int i = 0; i < count; ++i)
        labels << didText(colorDepthStr[i]);
    return labels;
}

// Enables or disables a flag group and its boxes; a disabled group is collapsed, an enabled one
// opened.
void enableGroup(VyrDIDCheckBoxItems *group, bool enabled)
{
    if (!group)
        return;
    group->setDisabled(!enabled);
    group->setExpanded(enabled);
    QTreeWidget *tree = group->treeWidget();
    for (int i = 0; tree && i < group->childCount(); ++i) {
        if (QWidget *box = tree->itemWidget(group->child(i), VyrEdidColumn::Value))
            box->setEnabled(enabled);
    }
}

} // namespace

bool VyrDIDDisplayInterfaceBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagDisplayInterface));
    DidDisplayInterfaceDataBlock record;
    if (m_model)
        m_model->GetDisplayInterfaceDataBlock(m_index, &record);
    const unsigned int base = BaseOffset();

    auto *type = new VyrDIDComboBoxItem(tr("Interface Type"));
    type->clear();
    for (int i = 0; i < int(std::size(interfaceTypeStr)); ++i)
        type->addItem(ComboBoxData{didText(interfaceTypeStr[i]), i});
    type->showStoredValue(record.interfaceType);
    addNamedChild(type)->SetLocation({base, 1});

    m_analogSubType = new VyrDIDComboBoxItem(tr("Analog Interface Subtype"));
    m_analogSubType->clear();
    for (int i = 0; i < int(std::size(analogInterfaceTypeStr)); ++i)
        m_analogSubType->addItem(ComboBoxData{didText(analogInterfaceTypeStr[i]), i});
    addNamedChild(m_analogSubType)->SetLocation({base, 1});

    m_links = decimalLineCell(tr("Number of Links/Channels"), record.subTypeOrLinks, 15);
    addNamedChild(m_links)->SetLocation({base, 1});
    addNamedChild(new VyrDIDIntDualEditItem(tr("Interface Standard"), tr("Version/Revision"),
                                            int(record.version), int(record.revision),
                                            QStringLiteral("[DEC]"), 0, 15))
        ->setLocations({{base + 1, 1}, {base + 1, 1}});

    fillFlagGroup(addGroup(new VyrDIDCheckBoxItems(tr("Supported color depth for RGB"))),
                  depthLabels(6), boxChecked(record.rgb, 6), {base + 2, 1});
    fillFlagGroup(addGroup(new VyrDIDCheckBoxItems(tr("Supported color depth for YCbCr 4:4:4"))),
                  depthLabels(6), boxChecked(record.ycbcr444, 6), {base + 3, 1});
    fillFlagGroup(addGroup(new VyrDIDCheckBoxItems(tr("Supported color depth for YCbCr 4:2:2"))),
                  depthLabels(5), boxChecked(record.ycbcr422, 5), {base + 4, 1});

    auto *protection = new VyrDIDComboBoxItem(tr("Content Protection"));
    protection->clear();
    protection->addItems(QList<ComboBoxData>{{tr("No Content Protection"), 0},
                                             {tr("HDCP"), 1},
                                             {tr("DTCP"), 2},
                                             {tr("DPCP"), 3},
                                             {tr("Reserved"), 4}});
    protection->showStoredValue(record.contentProtection);
    addNamedChild(protection)->SetLocation({base + 5, 1});
    // Version in bits 7-4, revision in bits 3-0 of payload byte 6.
    addNamedChild(new VyrDIDIntDualEditItem(tr("Content Protection"), tr("Version/Revision"),
                                            int(record.cpVersion), int(record.cpRevision),
                                            QStringLiteral("[DEC]"), 0, 15))
        ->setLocations({{base + 6, 1}, {base + 6, 1}});

    m_lvdsAttributes = addGroup(new VyrDIDCheckBoxItems(tr("LVDS attributes")));
    // Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
    fillFlagGroup(m_lvdsAttributes,
                  {tr("6bit compatible"), tr("2.8V support"), tr("12V support"), tr("5V suppoot"),
                   tr("3.3V support")},
                  boxChecked(record.attributes1, 5), {base + 8, 1});
    m_proprietaryAttributes = addGroup(new VyrDIDCheckBoxItems(tr("Proprietary attributes")));
    fillFlagGroup(m_proprietaryAttributes,
                  {tr("Fixed DE mode"), tr("Low polarity"), tr("Rising edge")},
                  boxChecked(record.attributes1, 3), {base + 8, 1});

    showInterface(record);
    return true;
}

void VyrDIDDisplayInterfaceBlock::showInterface(const DidDisplayInterfaceDataBlock &record)
{
    const unsigned int type = record.interfaceType;
    if (m_analogSubType) {
        m_analogSubType->setEnabled(type == AnalogType);
        // Showing the stored sub-type is no edit of the block.
        const QSignalBlocker blocker(m_analogSubType);
        m_analogSubType->setCurrentValue(
            int(type == AnalogType ? record.subTypeOrLinks : NoSubType));
    }
    if (m_links)
        m_links->setText(QString::number(record.subTypeOrLinks));
    enableGroup(m_lvdsAttributes, type == LvdsType);
    enableGroup(m_proprietaryAttributes, type == ProprietaryType);
    // Both groups read the first attribute byte: a box of one group changes boxes of the other,
    // and a change of type reads the byte anew.
    if (m_lvdsAttributes)
        showFlagGroup(m_lvdsAttributes, boxChecked(record.attributes1, 5));
    if (m_proprietaryAttributes)
        showFlagGroup(m_proprietaryAttributes, boxChecked(record.attributes1, 3));
}

void VyrDIDDisplayInterfaceBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDDisplayInterfaceBlock", name, value);
    const bool left = name.endsWith(QLatin1String(" left"));
    const bool right = name.endsWith(QLatin1String(" right"));
    editRecord<DidDisplayInterfaceDataBlock>(
        m_model, &DisplayIDBlock::GetDisplayInterfaceDataBlock,
        &DisplayIDBlock::SetDisplayInterfaceDataBlock,
        [&](DidDisplayInterfaceDataBlock &r) {
            bool read = true; // false for text that is no number: nothing is written
            if (name == tr("Interface Type")) {
                r.interfaceType = value.toUInt();
            } else if (name.contains(tr("Analog Interface Subtype"))
                       || name.contains(tr("Number of Links/Channels"))) {
                read = wholeValue(value, &r.subTypeOrLinks);
            } else if (name.contains(tr("Interface Standard")) && left) {
                read = wholeValue(value, &r.version);
            } else if (name.contains(tr("Interface Standard")) && right) {
                read = wholeValue(value, &r.revision);
            } else if (name.contains(tr("Supported color depth for RGB"))) {
                setBoxFlag(r.rgb, 6, value);
            } else if (name.contains(tr("Supported color depth for YCbCr 4:4:4"))) {
                setBoxFlag(r.ycbcr444, 6, value);
            } else if (name.contains(tr("Supported color depth for YCbCr 4:2:2"))) {
                setBoxFlag(r.ycbcr422, 5, value);
            } else if (name == tr("Content Protection")) {
                r.contentProtection = value.toUInt();
            } else if (name.contains(tr("Content Protection")) && left) {
                read = wholeValue(value, &r.cpVersion);
            } else if (name.contains(tr("Content Protection")) && right) {
                read = wholeValue(value, &r.cpRevision);
            } else if (name.contains(tr("LVDS attributes"))) {
                setBoxFlag(r.attributes1, 5, value);
            } else if (name.contains(tr("Proprietary attributes"))) {
                setBoxFlag(r.attributes1, 3, value);
            }
            return read;
        },
        m_index);
    if (!m_model || isDetached())
        return;
    DidDisplayInterfaceDataBlock record;
    m_model->GetDisplayInterfaceDataBlock(m_index, &record);
    showInterface(record);
}
