#include "DiExtDispDeviceItems.h"

#include "items/diext/diextnames.h"
#include "model/diext/diextblock.h"

#include <QLineEdit>

namespace {

enum Field : unsigned int {
    Layout = 16,
    Configuration = 17,
    Shape = 18,
    HorPitch = 19,
    VerPitch = 20,
    ViewDirection = 21,
    Physical = 22,
    FixedPixelFormat = 23,
    TransparentBackground = 24,
    DdcCi = 25
};

// The pitches are shown in the record's unit, ten times the stored byte.
constexpr int MinPitch = 10;
constexpr int MaxPitch = 2550;

} // namespace

DiExtDispDeviceSubItems::DiExtDispDeviceSubItems(unsigned int code, unsigned int index,
                                                 DiExtBlock *block, unsigned char *image)
    : DiExtItem(code, index, block, image, &DiExtBlock::GetDisplayDeviceLocation)
{
    setText(VyrEdidColumn::Property, DiExtNames::displayDeviceTitle(code));
}

DiExtDispDeviceItems::DiExtDispDeviceItems(DiExtBlock *block, unsigned char *image)
    : DiExtItem(WholeSection, WholeSection, block, image, &DiExtBlock::GetDisplayDeviceLocation)
    , m_device{}
{
    setText(VyrEdidColumn::Property, tr("Display Device"));
    if (m_block)
        m_block->GetDisplayDevice(&m_device);
}

bool DiExtDispDeviceItems::InitItems()
{
    placeDeviceList(Layout, DiExtNames::subPixelLayouts(), m_device.subPixelLayout,
                    &DiExtDispDeviceItems::onComboLayout);
    placeDeviceList(Configuration, DiExtNames::subPixelConfigurations(),
                    m_device.subPixelConfiguration, &DiExtDispDeviceItems::onComboConfig);
    placeDeviceList(Shape, DiExtNames::subPixelShapes(), m_device.subPixelShape,
                    &DiExtDispDeviceItems::onComboShape);
    m_horPitchEdit =
        placePitch(HorPitch, m_device.horizontalPitch, &DiExtDispDeviceItems::onEditHorPitch);
    m_verPitchEdit =
        placePitch(VerPitch, m_device.verticalPitch, &DiExtDispDeviceItems::onEditVerPitch);
    placeDeviceList(ViewDirection, DiExtNames::viewDirections(), m_device.viewDirection,
                    &DiExtDispDeviceItems::onComboViewDir);
    placeDeviceList(Physical, DiExtNames::physicalImplementations(),
                    m_device.physicalImplementation, &DiExtDispDeviceItems::onComboPhysical);
    const std::pair<Field, bool> flags[] = {{FixedPixelFormat, m_device.fixedPixelFormat},
                                            {TransparentBackground, m_device.transparentBackground},
                                            {DdcCi, m_device.ddcCiSupported}};
    for (const auto &[code, on] : flags) {
        placeCheckState(addRow<DiExtDispDeviceSubItems>(code), VyrEdidColumn::Value, on,
                        [this, code = code](bool state) {
                            onCheckStateChanged(state, static_cast<int>(code));
                        });
    }
    return true;
}

void DiExtDispDeviceItems::placeDeviceList(unsigned int code, const QStringList &entries,
                                           uint32_t value,
                                           void (DiExtDispDeviceItems::*handler)(int))
{
    placeList(addRow<DiExtDispDeviceSubItems>(code), entries, value,
              [this, handler](int index) { (this->*handler)(index); });
}

QLineEdit *DiExtDispDeviceItems::placePitch(unsigned int code, uint32_t value,
                                            void (DiExtDispDeviceItems::*handler)(const QString &))
{
    QLineEdit *pitch =
        placeLineEdit(addRow<DiExtDispDeviceSubItems>(code), QString::number(value), tr("[DEC]"),
                      [this, handler](const QString &text) { (this->*handler)(text); });
    pitch->setValidator(intValidator(MinPitch, MaxPitch, pitch));
    pitch->setToolTip(tr("Valid Range 10 --> 2550"));
    return pitch;
}

void DiExtDispDeviceItems::onComboLayout(int index)
{
    edit(
        [index](DiDisplayDevice &device) { device.subPixelLayout = static_cast<uint32_t>(index); });
}

void DiExtDispDeviceItems::onComboConfig(int index)
{
    edit([index](DiDisplayDevice &device) {
        device.subPixelConfiguration = static_cast<uint32_t>(index);
    });
}

void DiExtDispDeviceItems::onComboShape(int index)
{
    edit([index](DiDisplayDevice &device) { device.subPixelShape = static_cast<uint32_t>(index); });
}

void DiExtDispDeviceItems::onComboViewDir(int index)
{
    edit([index](DiDisplayDevice &device) { device.viewDirection = static_cast<uint32_t>(index); });
}

void DiExtDispDeviceItems::onComboPhysical(int index)
{
    edit([index](DiDisplayDevice &device) {
        device.physicalImplementation = static_cast<uint32_t>(index);
    });
}

void DiExtDispDeviceItems::onEditHorPitch(const QString &text)
{
    bool ok = false;
    const unsigned int value = text.toUInt(&ok);
    if (ok) // the block stores the nearest tenth: 15 -> 2, 14 -> 1
        edit([value](DiDisplayDevice &device) { device.horizontalPitch = value; });
}

void DiExtDispDeviceItems::onEditVerPitch(const QString &text)
{
    bool ok = false;
    const unsigned int value = text.toUInt(&ok);
    if (ok)
        edit([value](DiDisplayDevice &device) { device.verticalPitch = value; });
}

void DiExtDispDeviceItems::onCheckStateChanged(bool state, int subItemType)
{
    edit([state, subItemType](DiDisplayDevice &device) {
        switch (subItemType) {
        case FixedPixelFormat:
            device.fixedPixelFormat = state;
            break;
        case TransparentBackground:
            device.transparentBackground = state;
            break;
        case DdcCi:
            device.ddcCiSupported = state;
            break;
        default:
            break;
        }
    });
}

void DiExtDispDeviceItems::edit(const std::function<void(DiDisplayDevice &)> &change)
{
    editRecord<DiDisplayDevice>(m_block, &DiExtBlock::GetDisplayDevice,
                                &DiExtBlock::SetDisplayDevice, change);
    // The block keeps a pitch in tenths (2241 is stored as 2240): the editors show what it
    // keeps, as a fresh tree does.
    if (m_block && !isDetached()) {
        m_block->GetDisplayDevice(&m_device);
        setEditorText(m_horPitchEdit, QString::number(m_device.horizontalPitch));
        setEditorText(m_verPitchEdit, QString::number(m_device.verticalPitch));
    }
}
