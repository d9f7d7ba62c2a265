#include "DiExtColorPropItems.h"

#include "items/diext/diextfields.h"
#include "items/diext/diextnames.h"
#include "model/diext/diextblock.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

enum Field : unsigned int {
    ColorDepth = 50,
    FirstDepth = 51, // "Blue" .. "Cr//Pr"
    LastDepth = 56,
    Dithering = 57,
    DefaultDecoding = 59,
    PreferredDecoding = 60,
    DecodingCapabilities = 61,
    FirstDecoding = 62, // "RGB(additive color)" .. "Monochrome"
    LastDecoding = 75
};

// Bits per colour channel a depth byte may give (VESA DI-EXT, bytes 32-37).
constexpr int LeastDepth = 1;
constexpr int GreatestDepth = 16;
constexpr int DepthEditWidth = 40;

} // namespace

DiExtColorPropSubItems::DiExtColorPropSubItems(unsigned int code, unsigned int index,
                                               DiExtBlock *block, unsigned char *image)
    : DiExtItem(code, index, block, image, &DiExtBlock::GetColorPropertiesLocation)
{
    setText(VyrEdidColumn::Property, DiExtNames::colorPropertiesTitle(code));
}

DiExtColorPropItems::DiExtColorPropItems(DiExtBlock *block, unsigned char *image)
    : DiExtItem(WholeSection, WholeSection, block, image, &DiExtBlock::GetColorPropertiesLocation)
    , m_color{}
{
    setText(VyrEdidColumn::Property, tr("Color//Luminance Properties"));
    if (m_block)
        m_block->GetColorProperties(&m_color);
}

bool DiExtColorPropItems::InitItems()
{
    const QString decimal = tr("[DEC]");
    auto *depths = addRow<DiExtColorPropSubItems>(ColorDepth);
    for (unsigned int code = FirstDepth; code <= LastDepth; ++code) {
        uint32_t DiColorProperties::*depth = DiExtFields::colorDepth(code);
        QLineEdit *edit = placeLineEdit(
            addRow<DiExtColorPropSubItems>(code, depths), QString::number(m_color.*depth), decimal,
            [this, code](const QString &text) { onEditDepth(code, text); });
        edit->setMaximumWidth(DepthEditWidth);
        edit->setToolTip(tr("Value Range 1 - 16"));
        edit->setValidator(intValidator(LeastDepth, GreatestDepth, edit));
    }
    placeFlag(Dithering, depths);

    fitWidth(placeList(addRow<DiExtColorPropSubItems>(DefaultDecoding),
                       DiExtNames::defaultDecodings(), m_color.defaultDecoding,
                       [this](int index) { onComboDefDecoding(index); }));
    fitWidth(placeList(addRow<DiExtColorPropSubItems>(PreferredDecoding),
                       DiExtNames::preferredDecodings(), m_color.preferredDecoding,
                       [this](int index) { onComboPrefDecoding(index); }));

    auto *decodings = addRow<DiExtColorPropSubItems>(DecodingCapabilities);
    for (unsigned int code = FirstDecoding; code <= LastDecoding; ++code)
        placeFlag(code, decodings);
    return true;
}

void DiExtColorPropItems::placeFlag(unsigned int code, QTreeWidgetItem *parent)
{
    bool DiColorProperties::*flag = DiExtFields::colorFlag(code);
    placeCheckState(
        addRow<DiExtColorPropSubItems>(code, parent), VyrEdidColumn::Value, flag && m_color.*flag,
        [this, code](bool state) { onCheckStateChanged(state, static_cast<int>(code)); });
}

void DiExtColorPropItems::onCheckStateChanged(bool state, int subItemType)
{
    bool DiColorProperties::*flag = DiExtFields::colorFlag(static_cast<unsigned int>(subItemType));
    edit([flag, state](DiColorProperties &color) {
        if (flag)
            color.*flag = state;
    });
}

void DiExtColorPropItems::onComboDefDecoding(int index)
{
    edit([index](DiColorProperties &color) {
        color.defaultDecoding = static_cast<uint32_t>(index);
    });
}

void DiExtColorPropItems::onComboPrefDecoding(int index)
{
    edit([index](DiColorProperties &color) {
        color.preferredDecoding = static_cast<uint32_t>(index);
    });
}

void DiExtColorPropItems::onEditDepth(unsigned int code, const QString &text)
{
    bool ok = false;
    const unsigned int value = text.toUInt(&ok);
    uint32_t DiColorProperties::*depth = DiExtFields::colorDepth(code);
    if (ok && depth)
        edit([depth, value](DiColorProperties &color) { color.*depth = value; });
}

void DiExtColorPropItems::edit(const std::function<void(DiColorProperties &)> &change)
{
    editRecord<DiColorProperties>(m_block, &DiExtBlock::GetColorProperties,
                                  &DiExtBlock::SetColorProperties, change);
}
