#include "vyredidbasicparamsinfoitem.h"

#include "items/base/vyredidbasicparamsinfosubitem.h"
#include "model/base/edid14block.h"
#include "widgets/basicparaspectratiowidget.h"
#include "widgets/basicparsignalcharwidget.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

using Code = VyrEdidBasicParamsInfoSubItem::Code;

constexpr double MinimumGamma = 1.0;
constexpr double MaximumGamma = 3.54;
// Offered when the gamma is switched on for a block that had none (byte 23 = 0xFF).
constexpr double DefaultGamma = 2.2;

// The flag of BasicDisplayParams::featureBits a check-box row stands for; 0 for other rows.
unsigned featureBit(unsigned code, bool edid14)
{
    switch (code) {
    case Code::Standby:
        return FeatureStandby;
    case Code::Suspend:
        return FeatureSuspend;
    case Code::ActiveOff:
        return FeatureActiveOff;
    case Code::StandardColorSpace:
        return FeatureStandardColorSpace;
    case Code::ContinuousFrequency:
        return edid14 ? FeatureContinuousFrequency : FeatureDefaultGtf;
    case Code::PreferredTiming:
        return FeaturePreferredTiming;
    default:
        return 0;
    }
}

bool sameVideoInput(const BasicDisplayParams &a, const BasicDisplayParams &b)
{
    return a.digital == b.digital && a.signalLevel == b.signalLevel
           && a.blankToBlackSetup == b.blankToBlackSetup && a.separateSync == b.separateSync
           && a.compositeSyncOnHorizontal == b.compositeSyncOnHorizontal
           && a.syncOnGreen == b.syncOnGreen && a.serration == b.serration
           && a.colorBitDepth == b.colorBitDepth && a.digitalInterface == b.digitalInterface;
}

} // namespace

VyrEdidBasicParamsInfoItem::VyrEdidBasicParamsInfoItem(unsigned char *block, Edid13Block *edid13,
                                                       Edid14Block *edid14)
    : VyrEdidBaseGroupItem(block, VyrEdidItemKind::BasicParams, edid13, edid14)
    , m_isEdid14(edid14 != nullptr)
{
    setText(VyrEdidColumn::Property, tr("Basic Params Info"));
}

bool VyrEdidBasicParamsInfoItem::InitItems()
{
    Edid13Block *block = model();
    if (!block)
        return false;
    block->GetBasicDisplayParams(&m_params);

    auto *videoInput = new BasicParSignalCharWidget(&m_params, nullptr, m_isEdid14);
    placeWidget(addGroupRow<VyrEdidBasicParamsInfoSubItem>(Code::VideoInput), VyrEdidColumn::Value,
                videoInput);
    relay(videoInput, &BasicParSignalCharWidget::editFinished,
          [this](const BasicDisplayParams &params) { onVideoParamsChanged(params); });

    auto *screenSize = new BasicParAspectRatioWidget(&m_params, nullptr, m_isEdid14);
    m_screenSize = screenSize;
    placeWidget(addGroupRow<VyrEdidBasicParamsInfoSubItem>(Code::ScreenSize), VyrEdidColumn::Value,
                screenSize);
    relay(screenSize, &BasicParAspectRatioWidget::editFinished,
          [this](const BasicDisplayParams &params) { onAspectRatioChanged(params); });

    m_gammaRow = addGroupRow<VyrEdidBasicParamsInfoSubItem>(Code::Gamma);
    m_gamma = placeLineEdit(m_gammaRow, gammaText(), QString(), [this]() { onGammaChanged(); });
    m_gamma->setValidator(doubleValidator(MinimumGamma, MaximumGamma, 2, m_gamma));
    m_gamma->setToolTip(tr("Valid range 1.0 --> 3.54"));
    m_gamma->setMaximumWidth(60);

    m_colorTypeRow = addGroupRow<VyrEdidBasicParamsInfoSubItem>(Code::ColorType);

    for (unsigned code = Code::Standby; code <= Code::PreferredTiming; ++code) {
        const unsigned flag = featureBit(code, m_isEdid14);
        placeCheckState(addGroupRow<VyrEdidBasicParamsInfoSubItem>(code), VyrEdidColumn::Value,
                        (m_params.featureBits & flag) != 0,
                        [this, code](bool on) { onCheckStateChanged(on, int(code)); });
    }

    UpdateItemData();
    return true;
}

QList<EdidItemLocation> VyrEdidBasicParamsInfoItem::GetItemLocations() const
{
    return model() ? model()->GetBasicDisplayParamsLocation(~0u) : QList<EdidItemLocation>();
}

void VyrEdidBasicParamsInfoItem::UpdateItemData()
{
    if (!m_colorTypeRow || m_colorType)
        return;
    m_colorType = placeComboBox(m_colorTypeRow, colorTypeEntries(), colorTypeRow(),
                                [this](int index) { onColorTypeChanged(index); });
    // The check box gets the stored state before it is connected, so building writes nothing.
    placeCheckState(m_gammaRow, VyrEdidColumn::Property, m_params.gammaDefined,
                    [this](bool on) { onCheckStateChanged(on, Code::Gamma); });
    m_gamma->setEnabled(m_params.gammaDefined);
}

void VyrEdidBasicParamsInfoItem::onVideoParamsChanged(const BasicDisplayParams &params)
{
    if (sameVideoInput(m_params, params))
        return;
    const bool wasDigital = m_params.digital;
    m_params.digital = params.digital;
    m_params.signalLevel = params.signalLevel;
    m_params.blankToBlackSetup = params.blankToBlackSetup;
    m_params.separateSync = params.separateSync;
    m_params.compositeSyncOnHorizontal = params.compositeSyncOnHorizontal;
    m_params.syncOnGreen = params.syncOnGreen;
    m_params.serration = params.serration;
    m_params.colorBitDepth = params.colorBitDepth;
    m_params.digitalInterface = params.digitalInterface;
    // In EDID 1.4 the same two bits of byte 24 name colour types for an analog input and
    // colour encodings for a digital one: the list follows the input kind, the bits stay.
    if (m_isEdid14 && wasDigital != m_params.digital && m_colorType)
        refillComboBox(m_colorType, colorTypeEntries(), colorTypeRow());
    writeParams();
}

void VyrEdidBasicParamsInfoItem::onAspectRatioChanged(const BasicDisplayParams &params)
{
    // A radio button click reports the same record twice; a size field left unchanged
    // reports it again.
    if (sameScreenSize(m_params, params))
        return;
    copyScreenSize(m_params, params);
    writeParams();
    // The block may read the size back as another kind (on EDID 1.4, 34 x 0 cm is the 4:3
    // aspect ratio): the editor shows what it holds, as a fresh tree does.
    Edid13Block *block = model();
    if (!block || isDetached() || !m_screenSize)
        return;
    BasicDisplayParams stored;
    block->GetBasicDisplayParams(&stored);
    if (sameScreenSize(stored, m_params))
        return;
    copyScreenSize(m_params, stored);
    m_screenSize->showSize(stored);
}

void VyrEdidBasicParamsInfoItem::onGammaChanged()
{
    // QString::toDouble() reads the C locale, as the validator does; 0 for no number.
    m_params.gamma = m_gamma->text().toDouble();
    writeParams();
}

void VyrEdidBasicParamsInfoItem::onColorTypeChanged(int index)
{
    if (index < 0)
        return;
    // Values 0 to 3 are written to byte 24 bits 4-3 as they are, for both versions.
    m_params.colorType = unsigned(index);
    writeParams();
}

void VyrEdidBasicParamsInfoItem::onCheckStateChanged(bool state, int subItemType)
{
    const auto code = unsigned(subItemType);
    if (code == Code::Gamma) {
        m_params.gammaDefined = state;
        // A block without gamma has none in the record; write and show a usual one rather
        // than the lowest value 1.00.
        if (state && !(m_params.gamma >= MinimumGamma && m_params.gamma <= MaximumGamma))
            m_params.gamma = DefaultGamma;
        if (m_gamma) {
            m_gamma->setEnabled(state);
            // Without gamma the field is empty, as in a tree built afresh.
            setEditorText(m_gamma, gammaText());
        }
    } else if (const unsigned flag = featureBit(code, m_isEdid14)) {
        const unsigned others = m_params.featureBits & ~flag;
        m_params.featureBits = static_cast<unsigned char>(state ? others | flag : others);
    } else {
        return;
    }
    writeParams();
}

void VyrEdidBasicParamsInfoItem::writeParams()
{
    editRecord<BasicDisplayParams>(model(), &Edid13Block::GetBasicDisplayParams,
                                   &Edid13Block::SetBasicDisplayParams,
                                   [this](BasicDisplayParams &params) { params = m_params; });
}

QString VyrEdidBasicParamsInfoItem::gammaText() const
{
    return m_params.gammaDefined ? QString::number(m_params.gamma, 'f', 2) : QString();
}

QStringList VyrEdidBasicParamsInfoItem::colorTypeEntries() const
{
    // VESA E-EDID 1.4, section 3.6.4: colour encodings of a digital input; the colour types of
    // EDID 1.3 and of an EDID 1.4 analog input.
    if (m_isEdid14 && m_params.digital)
        return {tr("RGB4:4:4"), tr("RGB4:4:4 & YCbCr4:4:4"), tr("RGB4:4:4 & YCbCr4:2:2"),
                tr("RGB4:4:4 & YCbCr")};
    return {tr("MonoChrome"), tr("RGB"), tr("Non-RGB"), tr("Undefined")};
}

int VyrEdidBasicParamsInfoItem::colorTypeRow() const
{
    // An EDID 1.4 digital input reads as 4 plus the bits.
    return int(m_params.colorType & 3u);
}
