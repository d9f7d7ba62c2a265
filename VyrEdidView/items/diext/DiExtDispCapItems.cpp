#include "DiExtDispCapItems.h"

#include "items/diext/diextfields.h"
#include "items/diext/diextnames.h"
#include "model/diext/diextblock.h"

#include <QLineEdit>

namespace {

enum Field : unsigned int {
    Miscellaneous = 27,
    FirstMiscFlag = 28, // "Scaler On Board" .. "Conditional Update"
    LastMiscFlag = 33,
    StereoVideo = 34,
    Orientation = 35,
    DisplayOrProjector = 36,
    LandscapeOrPortrait = 37,
    OrientationType = 38,
    ScanDirection = 39,
    ZeroPixelLocation = 40,
    AspectRatioModes = 41,
    FirstAspectFlag = 42, // "Full" .. "Variable"
    LastAspectFlag = 45,
    FrequencyConversion = 46,
    FrameRate = 47,
    LineRate = 48
};

// Frequency conversions (byte 21 bits 6-5).
enum Conversion : int { Vertical = 1, Horizontal = 2, Both = 3 };

// The rates are 16-bit words in hundredths (bytes 22-25); the top word, 655.35, is kept free.
constexpr double LeastRate = 0.01;
constexpr double GreatestRate = 655.34;

} // namespace

DiExtDispCapSubItems::DiExtDispCapSubItems(unsigned int code, unsigned int index, DiExtBlock *block,
                                           unsigned char *image)
    : DiExtItem(code, index, block, image, &DiExtBlock::GetDisplayCapsLocation)
{
    setText(VyrEdidColumn::Property, DiExtNames::displayCapsTitle(code));
}

DiExtDispCapItems::DiExtDispCapItems(DiExtBlock *block, unsigned char *image)
    : DiExtItem(WholeSection, WholeSection, block, image, &DiExtBlock::GetDisplayCapsLocation)
    , m_caps{}
{
    setText(VyrEdidColumn::Property, tr("Display Capabilities"));
    if (m_block)
        m_block->GetDisplayCaps(&m_caps);
}

bool DiExtDispCapItems::InitItems()
{
    auto *misc = addRow<DiExtDispCapSubItems>(Miscellaneous);
    placeFlags(misc, FirstMiscFlag, LastMiscFlag);
    placeCapsList(StereoVideo, misc, DiExtNames::stereoModes(), m_caps.stereoMode,
                  &DiExtDispCapItems::onComboStereo);

    // The two either-or choices of byte 26 are lists in the title column.
    auto *orientation = addRow<DiExtDispCapSubItems>(Orientation);
    placeCapsList(DisplayOrProjector, orientation, DiExtNames::displayOrProjector(),
                  m_caps.projector ? 1u : 0u, &DiExtDispCapItems::onComboOrientDispProj,
                  VyrEdidColumn::Property);
    placeCapsList(LandscapeOrPortrait, orientation, DiExtNames::landscapeOrPortrait(),
                  m_caps.portrait ? 1u : 0u, &DiExtDispCapItems::onComboOrientPortLand,
                  VyrEdidColumn::Property);
    placeCapsList(OrientationType, orientation, DiExtNames::orientationTypes(),
                  m_caps.orientationType, &DiExtDispCapItems::onComboOrientType);
    placeCapsList(ScanDirection, orientation, DiExtNames::scanDirections(), m_caps.scanDirection,
                  &DiExtDispCapItems::onComboScanDir);
    placeCapsList(ZeroPixelLocation, orientation, DiExtNames::zeroPixelLocations(),
                  m_caps.zeroPixelLocation, &DiExtDispCapItems::onComboZeroPixelLoc);

    placeFlags(addRow<DiExtDispCapSubItems>(AspectRatioModes), FirstAspectFlag, LastAspectFlag);

    auto *conversion = addRow<DiExtDispCapSubItems>(FrequencyConversion);
    placeList(conversion, DiExtNames::frequencyConversions(), m_caps.frequencyConversion,
              [this](int index) { onComboRateConversion(index); });
    m_frameRateEdit =
        placeRate(FrameRate, conversion, m_caps.frameRate, tr("Valid Range 0.01Hz --> 655.34kHz"),
                  &DiExtDispCapItems::onEditFrameRate);
    m_lineRateEdit =
        placeRate(LineRate, conversion, m_caps.lineRate, tr("Valid Range 0.01kHz --> 655.34kHz"),
                  &DiExtDispCapItems::onEditLineRate);
    // As loaded, any conversion enables both rates; a choice in the list enables them by axis.
    m_frameRateEdit->setEnabled(m_caps.frequencyConversion != 0);
    m_lineRateEdit->setEnabled(m_caps.frequencyConversion != 0);
    return true;
}

void DiExtDispCapItems::placeFlags(QTreeWidgetItem *group, unsigned int first, unsigned int last)
{
    for (unsigned int code = first; code <= last; ++code) {
        bool DiDisplayCaps::*flag = DiExtFields::displayCapsFlag(code);
        placeCheckState(
            addRow<DiExtDispCapSubItems>(code, group), VyrEdidColumn::Value, flag && m_caps.*flag,
            [this, code](bool state) { onCheckStateChanged(state, static_cast<int>(code)); });
    }
}

void DiExtDispCapItems::placeCapsList(unsigned int code, QTreeWidgetItem *parent,
                                      const QStringList &entries, uint32_t value,
                                      void (DiExtDispCapItems::*handler)(int), int column)
{
    placeList(
        addRow<DiExtDispCapSubItems>(code, parent), entries, value,
        [this, handler](int index) { (this->*handler)(index); }, column);
}

QLineEdit *DiExtDispCapItems::placeRate(unsigned int code, QTreeWidgetItem *parent, double rate,
                                        const QString &toolTip,
                                        void (DiExtDispCapItems::*handler)(const QString &))
{
    QLineEdit *edit = placeLineEdit(
        addRow<DiExtDispCapSubItems>(code, parent), QString::number(rate, 'f', 2), tr("[FLT]"),
        [this, handler](const QString &text) { (this->*handler)(text); });
    edit->setValidator(doubleValidator(LeastRate, GreatestRate, 2, edit));
    edit->setToolTip(toolTip);
    return edit;
}

void DiExtDispCapItems::onCheckStateChanged(bool state, int subItemType)
{
    bool DiDisplayCaps::*flag =
        DiExtFields::displayCapsFlag(static_cast<unsigned int>(subItemType));
    edit([flag, state](DiDisplayCaps &caps) {
        if (flag)
            caps.*flag = state;
    });
}

void DiExtDispCapItems::onComboStereo(int index)
{
    edit([index](DiDisplayCaps &caps) { caps.stereoMode = static_cast<uint32_t>(index); });
}

void DiExtDispCapItems::onComboOrientDispProj(int index)
{
    edit([index](DiDisplayCaps &caps) { caps.projector = index > 0; });
}

void DiExtDispCapItems::onComboOrientPortLand(int index)
{
    edit([index](DiDisplayCaps &caps) { caps.portrait = index > 0; });
}

void DiExtDispCapItems::onComboOrientType(int index)
{
    edit([index](DiDisplayCaps &caps) { caps.orientationType = static_cast<uint32_t>(index); });
}

void DiExtDispCapItems::onComboScanDir(int index)
{
    edit([index](DiDisplayCaps &caps) { caps.scanDirection = static_cast<uint32_t>(index); });
}

void DiExtDispCapItems::onComboZeroPixelLoc(int index)
{
    edit([index](DiDisplayCaps &caps) { caps.zeroPixelLocation = static_cast<uint32_t>(index); });
}

void DiExtDispCapItems::onComboRateConversion(int index)
{
    enableRates(index);
    edit([index](DiDisplayCaps &caps) { caps.frequencyConversion = static_cast<uint32_t>(index); });
}

void DiExtDispCapItems::onEditFrameRate(const QString &text)
{
    bool ok = false;
    const double rate = text.toDouble(&ok);
    if (ok) // stored in hundredths: 59.94 -> 5994
        edit([rate](DiDisplayCaps &caps) { caps.frameRate = rate; });
}

void DiExtDispCapItems::onEditLineRate(const QString &text)
{
    bool ok = false;
    const double rate = text.toDouble(&ok);
    if (ok)
        edit([rate](DiDisplayCaps &caps) { caps.lineRate = rate; });
}

void DiExtDispCapItems::enableRates(int conversion)
{
    m_frameRateEdit->setEnabled(conversion == Vertical || conversion == Both);
    m_lineRateEdit->setEnabled(conversion == Horizontal || conversion == Both);
}

void DiExtDispCapItems::edit(const std::function<void(DiDisplayCaps &)> &change)
{
    editRecord<DiDisplayCaps>(m_block, &DiExtBlock::GetDisplayCaps, &DiExtBlock::SetDisplayCaps,
                              change);
}
