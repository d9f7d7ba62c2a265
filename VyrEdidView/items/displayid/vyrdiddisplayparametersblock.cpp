#include "vyrdiddisplayparametersblock.h"

#include "items/displayid/didcelldata.h"
#include "items/displayid/vyrdidcheckboxitem.h"
#include "items/displayid/vyrdidcheckboxitems.h"
#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdidlineedititem.h"
#include "model/displayid/displayidblock.h"
#include "widgets/vyrnumbertext.h"

#include <iterator>

namespace {

constexpr unsigned PayloadBytes = 12;
constexpr unsigned FeatureByte = 8;

using Record = DidDisplayParamsDataBlock;

// A value row: its label, the record field it shows, and where it lies in the payload.
struct ValueRow
{
    const char *label;
    double Record::*real;   // the field of a real-valued row, or
    quint32 Record::*whole; // the field of a whole-number row
    double minimum;
    double maximum;
    unsigned byte;
    unsigned length;
};

const ValueRow valueRows[] = {
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Horizontal Image Size(mm)"),
     &Record::hImageSize, nullptr, 0, 6553.5, 0, 2},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Vertical Image Size(mm)"),
     &Record::vImageSize, nullptr, 0, 6553.5, 2, 2},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Horizontal Pixel Count"), nullptr,
     &Record::hPixels, 0, 65535, 4, 2},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Vertical Pixel Count"), nullptr,
     &Record::vPixels, 0, 65535, 6, 2},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Gamma value"), &Record::gamma, nullptr, 1.0,
     3.54, 9, 1},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Aspect ratio"), &Record::aspectRatio,
     nullptr, 1.0, 3.55, 10, 1},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Overall dyn range"), nullptr,
     &Record::overallDynamicRange, 1, 16, 11, 1},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Device dyn range"), nullptr,
     &Record::nativeDynamicRange, 1, 16, 11, 1},
};

// The feature flags with a check box, by check-box number (bit 1 of the byte has none).
struct FeatureFlag
{
    const char *label;
    bool Record::*flag;
};

const FeatureFlag featureFlags[] = {
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Audio support on video interface"),
     &Record::audioSupport},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Separate audio inputs provided"),
     &Record::separateAudioInputs},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Audio input override"),
     &Record::audioInputOverride},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Power Managment"),
     &Record::powerManagement},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Fixed Timing"), &Record::fixedTiming},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "Fixed Pixel Format"),
     &Record::fixedPixelFormat},
    {QT_TRANSLATE_NOOP("VyrDIDDisplayParametersBlock", "De-interlacing"), &Record::deinterlacing},
};

// The text a value row shows for record.
QString valueText(const ValueRow &row, const Record &record)
{
    return row.real ? QStringLiteral("%1").arg(record.*row.real, 0, 'g')
                    : QStringLiteral("%1").arg(record.*row.whole);
}

QString featureGroupText()
{
    return VyrDIDDisplayParametersBlock::tr("Feature Support Flags");
}

} // namespace

bool VyrDIDDisplayParametersBlock::isEditable() const
{
    return payloadLength() == PayloadBytes;
}

bool VyrDIDDisplayParametersBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagDisplayParams));
    Record record;
    if (m_model)
        m_model->GetDisplayParametersDataBlock(m_index, &record);
    const bool editable = isEditable();
    const QString readOnlyTip = tr("The payload is not the 12 bytes of display parameters");

    for (const ValueRow &row : valueRows) {
        auto *cell = new VyrDIDLineEditItem(tr(row.label), valueText(row, record),
                                            row.real ? tr("[FLT]") : tr("[DEC]"));
        cell->setValidator(
            row.real ? VyrNumberText::realValidator(row.minimum, row.maximum, 3, cell)
                     : VyrNumberText::wholeValidator(int(row.minimum), int(row.maximum), cell));
        if (!editable) {
            cell->setReadOnly(true);
            cell->setToolTip(readOnlyTip);
        }
        addNamedChild(cell)->SetLocation({BaseOffset() + row.byte, row.length});
    }

    auto *group = addGroup(new VyrDIDCheckBoxItems(featureGroupText()));
    group->SetLocation({BaseOffset() + FeatureByte, 1});
    for (int bit = 0; bit < int(std::size(featureFlags)); ++bit) {
        auto *box = new VyrDIDCheckBoxItem(QString(), tr(featureFlags[bit].label), bit,
                                           record.*featureFlags[bit].flag);
        box->setEnabled(editable);
        group->addCheckBox(box)->SetLocation({BaseOffset() + FeatureByte, 1});
    }
    return true;
}

void VyrDIDDisplayParametersBlock::DoEdit(const QString &name, const QVariant &value)
{
    if (!isEditable())
        return;
    editRecord<Record>(
        m_model, &DisplayIDBlock::GetDisplayParametersDataBlock,
        &DisplayIDBlock::SetDisplayParametersDataBlock,
        [&](Record &record) {
            for (const ValueRow &row : valueRows) {
                if (!name.contains(tr(row.label)))
                    continue;
                // Text that is no number writes nothing.
                return row.real ? realValue(value, &(record.*row.real))
                                : wholeValue(value, &(record.*row.whole));
            }
            if (!name.contains(featureGroupText()) || !value.canConvert<CheckBoxData>())
                return false;
            const auto box = value.value<CheckBoxData>();
            if (box.bit < 0 || box.bit >= int(std::size(featureFlags)))
                return false;
            record.*featureFlags[box.bit].flag = box.isChecked;
            return true;
        },
        m_index);
    logEdit("VyrDIDDisplayParametersBlock", name, value);
}

QString VyrDIDDisplayParametersBlock::storedText(const QString &name) const
{
    if (!m_model)
        return QString();
    for (const ValueRow &row : valueRows) {
        if (name.contains(tr(row.label))) {
            Record record;
            m_model->GetDisplayParametersDataBlock(m_index, &record);
            return valueText(row, record);
        }
    }
    return QString();
}
